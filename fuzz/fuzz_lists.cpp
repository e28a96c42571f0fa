// Writes arbitrary bytes as every working file the identifier lists read and
// runs the fillers, the sub-area look-up and the rain-gage table over them.
#include "core/logic/Editglob.h"
#include "core/logic/IdentifierLists.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const bool ready = Editglob::InitProjectState(dir.path());
    if (!ready)
        return 0;
    using namespace Editglob;
    for (int slot : {SecAlternate, SecInpHyd, SecRainDist, SecXsect, SecReach, SecStorm, SecStruct, SecSubArea}) {
        QFile f(TmpFile[slot]);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
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
    return 0;
}
