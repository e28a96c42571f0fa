#include "sections/runoff/logic/LocalItems.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace LocalItems {

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Steps over one line end at `pos` (CR LF counts as one).
qsizetype SkipLineEnd(QByteArrayView bytes, qsizetype pos)
{
    if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n')
        return pos + 2;
    return pos + 1;
}

} // namespace

QList<QStringList> ReadItemLines(QByteArrayView bytes)
{
    QList<QStringList> lines;
    QStringList line;
    const qsizetype n = bytes.size();
    qsizetype pos = 0;
    bool afterComma = false;
    while (pos < n) {
        while (pos < n && bytes[pos] == ' ')
            ++pos;
        if (pos >= n || IsLineEnd(bytes[pos])) {
            // Nothing before the line end: an item only when a comma asked for one.
            if (afterComma)
                line << QString();
            if (!line.isEmpty())
                lines << line;
            line.clear();
            afterComma = false;
            if (pos < n)
                pos = SkipLineEnd(bytes, pos);
            continue;
        }
        QByteArrayView text;
        if (bytes[pos] == '"') {
            const qsizetype begin = ++pos;
            while (pos < n && bytes[pos] != '"' && !IsLineEnd(bytes[pos]))
                ++pos;
            text = bytes.sliced(begin, pos - begin);
            if (pos < n && bytes[pos] == '"')
                ++pos;
            while (pos < n && bytes[pos] != ',' && !IsLineEnd(bytes[pos]))
                ++pos;
        } else {
            const qsizetype begin = pos;
            while (pos < n && bytes[pos] != ',' && !IsLineEnd(bytes[pos]))
                ++pos;
            qsizetype end = pos;
            while (end > begin && bytes[end - 1] == ' ')
                --end;
            text = bytes.sliced(begin, end - begin);
        }
        line << QString::fromLatin1(text);
        afterComma = pos < n && bytes[pos] == ',';
        if (afterComma) {
            ++pos;
        } else {
            lines << line;
            line.clear();
            if (pos < n)
                pos = SkipLineEnd(bytes, pos);
        }
    }
    if (afterComma)
        line << QString();
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QList<QStringList> ReadItemFile(const QString &path, bool *opened)
{
    QFile file(path);
    const bool ok = QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
    if (opened)
        *opened = ok;
    if (!ok)
        return {};
    return ReadItemLines(file.readAll());
}

namespace {

enum class Form { Quoted, Bare, None };

// How `text` is written so that the reader takes it back unchanged; for
// None, `why` tells what no form can carry.
Form FormOf(const QString &text, QString *why = nullptr)
{
    const auto none = [why](const char *reason) {
        if (why)
            *why = QString::fromLatin1(reason);
        return Form::None;
    };
    bool quote = false;
    bool comma = false;
    for (QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return none("it holds a line end");
        if (c.unicode() > 0xFF)
            return none("it holds a character outside Latin-1");
        quote = quote || c == QLatin1Char('"');
        comma = comma || c == QLatin1Char(',');
    }
    if (!quote)
        return Form::Quoted;
    // Bare: the reader ends it at a comma, takes a quote first as the start
    // of a quoted item, and drops blanks around it.
    if (comma)
        return none("it holds a double quote and a comma");
    if (text.front() == QLatin1Char('"'))
        return none("it starts with a double quote");
    if (text.front() == QLatin1Char(' ') || text.back() == QLatin1Char(' '))
        return none("it holds a double quote and starts or ends with a blank");
    return Form::Bare;
}

} // namespace

bool CanQuoteItem(const QString &text) { return FormOf(text) == Form::Quoted; }

bool CanWriteItem(const QString &text) { return FormOf(text) != Form::None; }

std::optional<QByteArray> WriteItemLines(const QList<QStringList> &lines, qsizetype *unwritableLine)
{
    QByteArray bytes;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QStringList &line = lines.at(n);
        if (line.isEmpty())
            continue;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (i > 0)
                bytes += ',';
            const Form form = FormOf(line.at(i));
            if (form == Form::None) {
                if (unwritableLine)
                    *unwritableLine = n;
                return std::nullopt;
            }
            if (form == Form::Quoted)
                bytes += '"';
            bytes += line.at(i).toLatin1();
            if (form == Form::Quoted)
                bytes += '"';
        }
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteItemFile(const QString &path, const QList<QStringList> &lines, const QString &recordNoun, QString *error)
{
    qsizetype bad = -1;
    const std::optional<QByteArray> bytes = WriteItemLines(lines, &bad);
    if (!bytes) {
        // Told before the file is touched: it stays as it was.
        if (error) {
            const QStringList &line = lines.at(bad);
            for (const QString &item : line) {
                QString why;
                if (FormOf(item, &why) != Form::None)
                    continue;
                *error = QStringLiteral("the ") + recordNoun + QStringLiteral(" \"") + line.first()
                         + QStringLiteral("\" has the field \"") + item
                         + QStringLiteral("\", which no record of the file can hold as it is: ") + why
                         + QLatin1Char('.');
                break;
            }
        }
        return false;
    }
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

} // namespace LocalItems
