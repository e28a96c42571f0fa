// Reads arbitrary bytes as an Alternate Analysis working file and writes them
// back as the alternate window does. The written lines must keep the
// section's shape (header, alternate lines of 80 columns each followed by a
// block, block lines as written, record and detail lines with their fields in
// their columns, one closing empty line), survive being written and split
// again, and reach a fixed point: reading and writing the second result
// changes nothing.
#include "core/logic/TextFile.h"
#include "fuzz/FuzzLines.h"
#include "sections/network/logic/AlternateFormat.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>

namespace {

using FuzzLines::require;

void checkShape(const QStringList &lines)
{
    using AlternateFormat::Block;
    if (lines.isEmpty())
        return;
    require(lines.size() >= 5);
    require(lines.first() == AlternateFormat::Header);
    require(lines.last().isEmpty());
    Block block = Block::None;
    bool needBlock = false;  // an alternate line was just written
    bool needRecord = false; // a block line was just written
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QString &line = lines[i];
        require(!TextFile::isBlank(line));
        if (!TextFile::cols(line, 1, 10).isEmpty()) {
            require(!needBlock && !needRecord);
            require(line.size() == 80);
            block = Block::None;
            needBlock = true;
            continue;
        }
        const Block opened = AlternateFormat::BlockOf(line, block);
        if (opened != Block::None) {
            require(!needRecord);
            require(opened == Block::Reaches ? line == QLatin1String("          REACHES")
                                             : line == QLatin1String("          AREAS"));
            require(block != Block::Areas); // reaches come first, each block once
            require(block != opened);
            block = opened;
            needBlock = false;
            needRecord = true;
            continue;
        }
        require(!needBlock && block != Block::None);
        if (!TextFile::cols(line, 11, 20).isEmpty()) {
            require(line.size() == (block == Block::Reaches ? 76 : 75) && TextFile::isBlank(line.left(10)));
            needRecord = false;
        } else {
            require(!needRecord);
            require(line.size() <= 80 && TextFile::isBlank(line.left(20)));
        }
    }
    require(!needBlock && !needRecord);
}

QStringList writeRead(const QStringList &lines)
{
    return AlternateFormat::AlternateSectionLines(AlternateFormat::ParseAlternates(lines));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList input = FuzzLines::splitLines(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    FuzzLines::requireFixedPoint(input, writeRead, [](const QStringList &lines) { checkShape(lines); });
    return 0;
}
