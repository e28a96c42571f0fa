// Splits arbitrary bytes as an input file into its sections and joins them
// again; joining what a join gave changes nothing.
#include "core/logic/InputFileStore.h"

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
    return 0;
}
