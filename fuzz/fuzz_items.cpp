// The comma-and-quote item reader of the local land-use and soil files: what
// it reads, written and read again, must come back the same, and so must the
// land-use and soil records built from it.
#include "sections/runoff/logic/LocalItems.h"
#include "sections/runoff/logic/LocalLandUseData.h"
#include "sections/runoff/logic/LocalSoilData.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool Writable(const QStringList &line)
{
    for (const QString &item : line)
        if (!LocalItems::CanWriteItem(item))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QStringList> lines;
    for (const QStringList &line : LocalItems::ReadItemLines(bytes)) {
        Check(!line.isEmpty());
        if (Writable(line))
            lines << line;
    }
    const QByteArray written = LocalItems::WriteItemLines(lines);
    Check(LocalItems::ReadItemLines(written) == lines);
    Check(LocalItems::WriteItemLines(LocalItems::ReadItemLines(written)) == written);

    QList<LocalLandUseData::LocalLandUse> landUses;
    for (const auto &r : LocalLandUseData::Parse(bytes))
        if (LocalLandUseData::CanWrite(r))
            landUses << r;
    const auto again = LocalLandUseData::Parse(LocalLandUseData::Bytes(landUses));
    Check(again.size() == landUses.size());
    for (qsizetype i = 0; i < again.size(); ++i)
        Check(again[i].Name == landUses[i].Name && again[i].CN == landUses[i].CN);

    QList<LocalSoilData::LocalSoil> soils;
    for (const auto &s : LocalSoilData::Parse(bytes))
        if (LocalItems::CanWriteItem(s.Id) && LocalItems::CanWriteItem(s.Groups))
            soils << s;
    const auto soilsAgain = LocalSoilData::Parse(LocalSoilData::Bytes(soils));
    Check(soilsAgain.size() == soils.size());
    for (qsizetype i = 0; i < soils.size(); ++i)
        Check(soilsAgain[i].Id == soils[i].Id && soilsAgain[i].Groups == soils[i].Groups);
    return 0;
}
