// Hands arbitrary bytes to the identifier lists as every section they read and
// runs the fillers, the sub-area look-up and the rain-gage table over them.
#include "core/logic/Editglob.h"
#include "core/logic/IdentifierLists.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Editglob;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Empty input stands for an empty working file, not a missing one.
    Globsubs::SetSectionBytesSource([&bytes](int) { return bytes.isNull() ? QByteArray("") : bytes; });
    TextList list;
    Globsubs::FillAlternateList(list, true);
    Globsubs::FillInputHydList(list);
    Globsubs::FillLocationList(list, true);
    Globsubs::FillStormList(list);
    Globsubs::FillRainGageList(list);
    Globsubs::FillRainDistList(true, list);
    Globsubs::FillStructureList(list);
    Globsubs::FillSubAreaList(list);
    Globsubs::FillXsectList(list);
    TextList locations;
    Globsubs::FillLocationList(locations, false);
    if (RainGageIds.size() != RainGageCount + 1 || RainGageTwoYear.size() != RainGageCount + 1)
        std::abort();
    QString result;
    for (int i = 0; i < locations.items.size() && i < 8; ++i)
        Globsubs::LookupSubAreaField(locations.items.at(i), result);
    list.text = list.items.value(0);
    Globsubs::RemoveCurrentItem(list);
    Globsubs::SetSectionBytesSource({});
    return 0;
}
