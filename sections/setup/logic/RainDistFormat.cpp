#include "sections/setup/logic/RainDistFormat.h"

#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"

namespace RainDistFormat {

using namespace SetupFormat;

FormatItem MakeTable(const QString &id, const QString &increment, const QStringList &values)
{
    return FormatItem{{id, increment}, values};
}

QString TableId(const QString &typed)
{
    return IsIdentifier(typed) ? typed.left(FieldWidth) : QString();
}

bool IsIdentifier(const QString &id)
{
    return !TextFile::isBlank(id);
}

namespace {
QString headerField(const FormatItem &table, int field)
{
    return field < table.header.size() ? table.header[field] : QString();
}
} // namespace

bool IncrementPasses(const QString &increment)
{
    bool ok = true;
    Globsubs::CheckGreaterThan(false, 0, increment, ok);
    return ok;
}

bool IsWritten(const FormatItem &table)
{
    return IsIdentifier(headerField(table, IdField))
           && NonBlankValues(table.values).size() >= MinValues;
}

QStringList GridStartValues(const FormatItem &table)
{
    const QStringList values = NonBlankValues(table.values);
    return values.isEmpty() ? QStringList{QStringLiteral("0")} : values;
}

RainDistData ParseRainDist(const QStringList &lines)
{
    RainDistData data;
    for (const QString &line : RecordLines(lines)) {
        const QString id = TextFile::cols(line, 11, 20);
        if (!id.isEmpty())
            data.tables.append(MakeTable(id, TextFile::cols(line, 31, 40)));
        else if (IsValueLine(line) && !data.tables.isEmpty())
            data.tables.last().values += ValueLineFields(line);
    }
    return data;
}

RainDistData ReadRainDist(const QString &path)
{
    return ParseRainDist(TextFile::readLines(path));
}

QStringList RainDistLines(const RainDistData &data)
{
    QStringList lines;
    for (const FormatItem &table : data.tables) {
        if (!IsWritten(table))
            continue;
        if (lines.isEmpty())
            lines.append(HeaderLine(Header, HeaderWidth));
        QString line(FieldWidth, QLatin1Char(' '));
        Globsubs::AppendField(line, TableId(headerField(table, IdField)), FieldWidth, false);
        line += QString(FieldWidth, QLatin1Char(' '));
        Globsubs::AppendField(line, FitNumber(headerField(table, IncrementField)), FieldWidth, true);
        lines.append(line);
        AppendValueLines(lines, NonBlankValues(table.values));
    }
    if (!lines.isEmpty())
        lines.append(QString());
    return lines;
}

} // namespace RainDistFormat
