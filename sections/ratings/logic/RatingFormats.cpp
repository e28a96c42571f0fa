#include "sections/ratings/logic/RatingFormats.h"

#include "core/logic/Fields.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"
#include "sections/setup/logic/ValueLineFormat.h"

#include <cstring>

using TextFile::cols;
using TextFile::colsBlank;
using TextFile::isBlank;

namespace RatingFormats {

namespace {

void appendNumber(QString &line, const QString &value)
{
    Globsubs::AppendField(line, SetupFormat::FitNumber(value, FieldWidth), FieldWidth, true);
}

void appendText(QString &line, const QString &value)
{
    Globsubs::AppendField(line, SetupFormat::FitText(value, FieldWidth), FieldWidth, false);
}

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

QString field(const QStringList &fields, int i) { return i < fields.size() ? fields.at(i) : QString(); }

// Columns 21-30, 31-40, ... of a row line, `n` fields, trimmed.
QStringList rowFields(const QString &line, int n)
{
    QStringList row;
    for (int k = 0; k < n; ++k)
        row << cols(line, 21 + FieldWidth * k, 30 + FieldWidth * k);
    return row;
}

QString rowLine(const QStringList &row, int n)
{
    QString line = blanks(20);
    for (int k = 0; k < n; ++k)
        appendNumber(line, field(row, k));
    return line;
}

bool hasId(const Item &item) { return !isBlank(field(item.header, 0)); }

Items readFile(const QString &path, Items (*parse)(const QStringList &))
{
    return parse(TextFile::readLines(path));
}

// A section's lines: its header before the first item written, each written
// item's own lines, one closing empty line; nothing when no item is written.
template <class Written, class AppendItem>
QStringList sectionLines(const Items &items, const QString &header, Written written, AppendItem appendItem)
{
    QStringList lines;
    for (const Item &item : items) {
        if (!written(item))
            continue;
        if (lines.isEmpty())
            lines << SetupFormat::HeaderLine(header, HeaderWidth);
        appendItem(lines, item);
    }
    if (!lines.isEmpty())
        lines << QString();
    return lines;
}

} // namespace

QStringList SplitLines(QByteArrayView bytes)
{
    QStringList lines;
    qsizetype pos = 0;
    const qsizetype size = bytes.size();
    while (pos < size) {
        const void *nl = std::memchr(bytes.data() + pos, '\n', size_t(size - pos));
        qsizetype end = nl ? static_cast<const char *>(nl) - bytes.data() : size;
        qsizetype n = end - pos;
        if (nl && n > 0 && bytes.at(end - 1) == '\r')
            --n;
        lines << QString::fromLatin1(bytes.sliced(pos, n));
        pos = nl ? end + 1 : size;
    }
    return lines;
}

void ToWorkTables(const Items &items, int headerFields, int pointFields, WorkTables &work)
{
    work.Reset(headerFields, pointFields);
    qsizetype points = 0;
    for (const Item &item : items)
        points += item.rows.size();
    work.PointTable.resize(pointFields, int(points));
    work.SetItemCount(int(items.size()));
    work.ItemHeader.resize(headerFields, work.ItemCount);
    int k = 0;
    for (const Item &item : items) {
        ++k;
        for (int f = 1; f <= headerFields; ++f)
            work.ItemHeader(f, k) = field(item.header, f - 1);
        for (const QStringList &row : item.rows) {
            ++work.PointCount;
            for (int f = 1; f <= pointFields; ++f)
                work.PointTable(f, work.PointCount) = field(row, f - 1);
            if (work.ItemFirstPoint[k] == 0)
                work.ItemFirstPoint[k] = work.PointCount;
            work.ItemLastPoint[k] = work.PointCount;
        }
    }
}

Items FromWorkTables(const WorkTables &work, int headerFields, int pointFields)
{
    Items items;
    items.reserve(work.ItemCount);
    for (int k = 1; k <= work.ItemCount; ++k) {
        Item item;
        for (int f = 1; f <= headerFields; ++f)
            item.header << work.ItemHeader.value(f, k);
        if (work.HasPoints(k)) {
            item.rows.reserve(work.ItemLastPoint[k] - work.ItemFirstPoint[k] + 1);
            for (int p = work.ItemFirstPoint[k]; p <= work.ItemLastPoint[k]; ++p) {
                QStringList row;
                for (int f = 1; f <= pointFields; ++f)
                    row << work.PointTable.value(f, p);
                item.rows << row;
            }
        }
        items << item;
    }
    return items;
}

// ---- Structure Rating ----

namespace Struct {

Items Parse(const QStringList &lines)
{
    Items items;
    for (qsizetype i = 1; i < lines.size() && !isBlank(lines[i]); ++i) {
        const QString &line = lines[i];
        const QString id = cols(line, 11, 20);
        if (!id.isEmpty())
            items.append(Item{{id, cols(line, 21, 30)}, {}});
        else if (!colsBlank(line, 21, 30) && !items.isEmpty())
            items.last().rows.append(rowFields(line, PointFields));
    }
    return items;
}

Items Read(const QString &path) { return readFile(path, Parse); }

QStringList Lines(const Items &items)
{
    return sectionLines(items, Header, hasId, [](QStringList &lines, const Item &item) {
        QString line = blanks(FieldWidth);
        appendText(line, field(item.header, 0));
        appendNumber(line, field(item.header, 1));
        lines << line;
        for (const QStringList &row : item.rows)
            if (!isBlank(field(row, 0)))
                lines << rowLine(row, PointFields);
    });
}

} // namespace Struct

// ---- Stream Cross Section ----

namespace Xsect {

bool IsHeaderLine(const QString &line) { return !colsBlank(line, 1, 10); }

Items Parse(const QStringList &lines)
{
    Items items;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (isBlank(line) || IsHeaderLine(line))
            continue;
        const QString id = cols(line, 11, 20);
        if (!id.isEmpty()) {
            items.append(Item{{id, cols(line, 21, 30), cols(line, 41, 50), cols(line, 51, 60), cols(line, 61, 70)},
                              {}});
        } else if (!colsBlank(line, 21, 70) && !items.isEmpty()) {
            items.last().rows.append(rowFields(line, PointFields));
        }
    }
    return items;
}

Items Read(const QString &path) { return readFile(path, Parse); }

QStringList Lines(const Items &items)
{
    return sectionLines(items, Header, hasId, [](QStringList &lines, const Item &item) {
        QString line = blanks(FieldWidth);
        appendText(line, field(item.header, 0));
        appendNumber(line, field(item.header, 1));
        line += blanks(FieldWidth);
        appendNumber(line, field(item.header, 2));
        appendText(line, field(item.header, StreamField - 1));
        appendNumber(line, field(item.header, 4));
        lines << line;
        for (const QStringList &row : item.rows) {
            bool any = false;
            for (int k = 0; k < PointFields && !any; ++k)
                any = !isBlank(field(row, k));
            if (any)
                lines << rowLine(row, PointFields);
        }
    });
}

} // namespace Xsect

// ---- Input Hydrograph ----

namespace InpHyd {

Items Parse(const QStringList &lines)
{
    Items items;
    for (qsizetype i = 1; i < lines.size() && !isBlank(lines[i]); ++i) {
        const QString &line = lines[i];
        if (!colsBlank(line, 11, 20)) {
            Item item;
            for (int j = 1; j <= HeaderFields; ++j)
                item.header << cols(line, 10 * j + 1, 10 * j + 10);
            items.append(item);
        } else if (!colsBlank(line, 21, 70) && !items.isEmpty()) {
            for (const QString &flow : SetupFormat::ValueLineFields(line))
                items.last().rows.append(QStringList{flow});
        }
    }
    return items;
}

Items Read(const QString &path) { return readFile(path, Parse); }

QStringList Flows(const Item &item)
{
    QStringList flows;
    flows.reserve(item.rows.size());
    for (const QStringList &row : item.rows)
        if (!isBlank(field(row, 0)))
            flows << field(row, 0);
    return flows;
}

bool IsWritten(const Item &item)
{
    if (!hasId(item))
        return false;
    int n = 0;
    for (const QStringList &row : item.rows)
        if (!isBlank(field(row, 0)) && ++n >= MinFlows)
            return true;
    return false;
}

QStringList Lines(const Items &items)
{
    return sectionLines(items, Header, IsWritten, [](QStringList &lines, const Item &item) {
        QString line = blanks(FieldWidth);
        for (int j = 0; j < HeaderFields; ++j) {
            if (j < TextFields)
                appendText(line, field(item.header, j));
            else
                appendNumber(line, field(item.header, j));
        }
        lines << line;
        QStringList flows = Flows(item);
        // A hydrograph that has not come down to 0 is closed by one.
        if (Globsubs::LeadingNumber(flows.last()) > 0)
            flows << QStringLiteral("0.");
        SetupFormat::AppendValueLines(lines, flows);
    });
}

} // namespace InpHyd

} // namespace RatingFormats
