// Reads arbitrary bytes as a Stream Reach and as a Sub-Area working file and
// writes them back as the windows do. The written lines must keep the
// section's shape (header, record lines with their fields in their columns,
// one closing empty line), survive being written and split again, and reach a
// fixed point: reading and writing the second result changes nothing.
#include "core/logic/TextFile.h"
#include "sections/network/logic/ReachFormat.h"
#include "sections/network/logic/SubAreaFormat.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Lines as the working-file reader splits them: at LF, a CR before it
// belonging to the line end; a last line without an end is still a line.
QStringList splitLines(const QByteArray &bytes)
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

QByteArray joinCrLf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

void checkShape(const QStringList &lines, const QString &header, int mainWidth)
{
    if (lines.isEmpty())
        return;
    require(lines.size() >= 3);
    require(lines.first() == header.leftJustified(40, QLatin1Char(' ')));
    require(lines.last().isEmpty());
    require(!TextFile::cols(lines[1], 11, 20).isEmpty());
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QString &line = lines[i];
        require(!TextFile::isBlank(line));
        if (!TextFile::cols(line, 11, 20).isEmpty())
            require(line.size() == mainWidth && TextFile::isBlank(line.left(10)));
        else
            require(line.size() <= 80 && TextFile::isBlank(line.left(20)));
    }
}

template <class Parse, class Write> void fixedPoint(const QStringList &input, Parse parse, Write write,
                                                    const QString &header, int mainWidth)
{
    const QStringList first = write(parse(input));
    checkShape(first, header, mainWidth);
    require(splitLines(joinCrLf(first)) == first);
    const QStringList second = write(parse(first));
    checkShape(second, header, mainWidth);
    require(write(parse(second)) == second);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitLines(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    fixedPoint(lines, ReachFormat::ParseReaches, ReachFormat::ReachSectionLines, ReachFormat::Header, 76);
    fixedPoint(lines, SubAreaFormat::ParseSubAreas, SubAreaFormat::SubAreaSectionLines, SubAreaFormat::Header, 75);
    return 0;
}
