// Reads arbitrary bytes as a Stream Reach and as a Sub-Area working file and
// writes them back as the windows do. The written lines must keep the
// section's shape (header, record lines with their fields in their columns,
// one closing empty line), survive being written and split again, and reach a
// fixed point: reading and writing the second result changes nothing.
#include "core/logic/TextFile.h"
#include "fuzz/FuzzLines.h"
#include "sections/network/logic/ReachFormat.h"
#include "sections/network/logic/SubAreaFormat.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>

namespace {

using FuzzLines::require;

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
    FuzzLines::requireFixedPoint(
        input, [&](const QStringList &lines) { return write(parse(lines)); },
        [&](const QStringList &lines) { checkShape(lines, header, mainWidth); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = FuzzLines::splitLines(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    fixedPoint(lines, ReachFormat::ParseReaches, ReachFormat::ReachSectionLines, ReachFormat::Header, 76);
    fixedPoint(lines, SubAreaFormat::ParseSubAreas, SubAreaFormat::SubAreaSectionLines, SubAreaFormat::Header, 75);
    return 0;
}
