// Splits arbitrary bytes as an input file into its sections and joins them
// again; joining what a join gave changes nothing. The save's land-use pass
// reads the sub-area and alternate sections for the names it keeps.
#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "core/logic/LocalLandUseSection.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    std::array<QByteArray, 17> sections;
    InputFileStore::SplitBytes(input, sections);
    const QByteArray joined = InputFileStore::JoinBytes(sections);
    std::array<QByteArray, 17> again;
    InputFileStore::SplitBytes(joined, again);
    (void)InputFileStore::JoinBytes(again);

    QSet<QByteArray> names;
    for (int section : {Editglob::SecAlternate, Editglob::SecSubArea}) {
        TextFile::LineReader reader;
        reader.openBytes(sections[std::size_t(section)]);
        LocalLandUseSection::CollectNamedLandUses(reader, names);
    }
    for (const QByteArray &name : std::as_const(names))
        if (name.isEmpty() || name.size() > 35 || name.front() == ' ' || name.back() == ' ')
            std::abort();
    return 0;
}
