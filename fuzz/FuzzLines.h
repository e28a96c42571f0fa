// Helpers the section fuzz targets share: the working-file line split, the
// CR LF join, and the write-read fixed-point check.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdlib>

namespace FuzzLines {

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Lines as the working-file reader splits them: at LF, a CR before it
// belonging to the line end; a last line without an end is still a line.
inline QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        qsizetype n = end - start;
        if (end < bytes.size() && n > 0 && bytes[end - 1] == '\r')
            --n;
        lines.append(QString::fromLatin1(bytes.constData() + start, n));
        start = next;
    }
    return lines;
}

inline QByteArray joinCrLf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// The written lines keep their shape, survive being written and split again,
// and writing what was read from them changes nothing the second time.
template <class WriteRead, class CheckShape>
void requireFixedPoint(const QStringList &input, WriteRead writeRead, CheckShape checkShape)
{
    const QStringList first = writeRead(input);
    checkShape(first);
    require(splitLines(joinCrLf(first)) == first);
    const QStringList second = writeRead(first);
    checkShape(second);
    require(writeRead(second) == second);
}

} // namespace FuzzLines
