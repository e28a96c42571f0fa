// Reads arbitrary bytes as a help list file for a few keys, in both unit
// systems: the reader must end at the end of the data whatever it holds.
#include "core/logic/HelpList.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    static const QString keys[] = {QStringLiteral("QV"), QStringLiteral("QV 1"), QStringLiteral("GO 9"),
                                   QStringLiteral("TA 5"), QString()};
    for (const QString &key : keys)
        for (bool english : {true, false})
            (void)HelpList::Compose(bytes, key, english);
    return 0;
}
