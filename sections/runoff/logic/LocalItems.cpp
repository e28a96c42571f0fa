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

bool CanWriteItem(const QString &text)
{
    for (QChar c : text)
        if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() > 0xFF)
            return false;
    return true;
}

QByteArray WriteItemLines(const QList<QStringList> &lines)
{
    QByteArray bytes;
    for (const QStringList &line : lines) {
        if (line.isEmpty())
            continue;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (i > 0)
                bytes += ',';
            bytes += '"';
            bytes += line.at(i).toLatin1();
            bytes += '"';
        }
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteItemFile(const QString &path, const QList<QStringList> &lines, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = WriteItemLines(lines);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

} // namespace LocalItems
