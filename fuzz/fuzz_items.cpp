// The comma-and-quote item reader of the local land-use and soil files. The
// program writes back every record a file held: what the reader takes must
// be written and read again as the same items, and so must the land-use and
// soil records built from them. Any item text the writer says it can carry
// reads back unchanged; one it cannot carry writes nothing. Read as the
// lines of an input file's Local Land Use section, every land use the merge
// adds is one the local file holds; and a land use whose curve numbers the
// section writer takes reads back from the section as the same numbers.
#include "core/logic/Fields.h"
#include "core/logic/LocalLandUseSection.h"
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

// The land uses are written to the local file and read again as the same.
void CheckWrittenBack(const QList<LocalLandUseData::LocalLandUse> &landUses)
{
    const std::optional<QByteArray> written = LocalLandUseData::Bytes(landUses);
    Check(written.has_value());
    const auto again = LocalLandUseData::Parse(*written);
    Check(again.size() == landUses.size());
    for (qsizetype i = 0; i < again.size(); ++i)
        Check(again[i].Name == landUses[i].Name && again[i].CN == landUses[i].CN);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QStringList> lines = LocalItems::ReadItemLines(bytes);
    for (const QStringList &line : lines)
        Check(!line.isEmpty());
    const std::optional<QByteArray> written = LocalItems::WriteItemLines(lines);
    Check(written.has_value());
    Check(LocalItems::ReadItemLines(*written) == lines);
    Check(LocalItems::WriteItemLines(LocalItems::ReadItemLines(*written)) == written);

    const QList<LocalLandUseData::LocalLandUse> landUses = LocalLandUseData::Parse(bytes);
    CheckWrittenBack(landUses);

    const QList<LocalSoilData::LocalSoil> soils = LocalSoilData::Parse(bytes);
    const std::optional<QByteArray> soilBytes = LocalSoilData::Bytes(soils);
    Check(soilBytes.has_value());
    const auto soilsAgain = LocalSoilData::Parse(*soilBytes);
    Check(soilsAgain.size() == soils.size());
    for (qsizetype i = 0; i < soils.size(); ++i)
        Check(soilsAgain[i].Id == soils[i].Id && soilsAgain[i].Groups == soils[i].Groups);

    QStringList section{LocalLandUseSection::Header};
    for (const QByteArray &raw : QByteArray(bytes.data(), bytes.size()).split('\n'))
        section << QString::fromLatin1(raw.endsWith('\r') ? raw.chopped(1) : raw);
    QList<LocalLandUseData::LocalLandUse> merged;
    LocalLandUseSection::MergeSection(merged, section);
    CheckWrittenBack(merged);
    for (const LocalLandUseData::LocalLandUse &landUse : landUses) {
        // A name beyond its 50 columns shifts the line; Save never writes one
        // longer than a LAND AREA line names.
        if (landUse.Name.size() > 50 || LocalLandUseSection::CurveNumberTooLong(landUse) >= 0)
            continue;
        const LocalLandUseData::LocalLandUse back =
            LocalLandUseSection::ParseSectionLine(LocalLandUseSection::SectionLine(landUse));
        for (std::size_t g = 0; g < 4; ++g)
            if (const std::optional<double> number = Globsubs::ParseNumber(landUse.CN[g]))
                Check(Globsubs::ParseNumber(back.CN[g]) == number);
    }

    // Each raw line of the bytes as the text of one item.
    for (const QByteArray &raw : QByteArray(bytes.data(), bytes.size()).split('\n')) {
        const QString item = QString::fromLatin1(raw);
        const std::optional<QByteArray> one = LocalItems::WriteItemLines({{item}});
        Check(one.has_value() == LocalItems::CanWriteItem(item));
        if (one)
            Check(LocalItems::ReadItemLines(*one) == QList<QStringList>{{item}});
    }
    return 0;
}
