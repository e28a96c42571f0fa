// Reads arbitrary bytes as a help list file for a few keys, in both unit
// systems: the reader must end at the end of the data whatever it holds.
#include "core/logic/HelpList.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    static const char *const keys[] = {"QV", "QV 1", "GO 9", "TA 5", ""};
    for (const char *key : keys) {
        for (bool english : {true, false}) {
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            (void)HelpList::Compose(buffer, QString::fromLatin1(key), english);
        }
    }
    return 0;
}
