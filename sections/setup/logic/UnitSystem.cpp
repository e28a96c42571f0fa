#include "sections/setup/logic/UnitSystem.h"
#include "core/logic/Editglob.h"

namespace Editglob {

void SetUnitSystem(bool englishInput, bool englishOutput)
{
    EnglishUnits = englishInput;
    const auto pick = [englishInput](const char *english, const char *metric) {
        return QString::fromLatin1(englishInput ? english : metric);
    };
    AreaUnit = pick("sq mi", "sq km");
    DischargePerAreaUnit = pick("csm", "cu m/sec/sq km");
    SmallAreaUnit = pick("sq ft", "sq m");
    FlowUnit = pick("cfs", "cu m/sec");
    LengthUnit = pick("ft", "m");
    DepthUnit = pick("in", "mm");
    ConductivityUnit = pick("in/sec", "mm/sec");
    VolumeUnit = pick("ac ft", "ha m");
    VelocityUnit = pick("ft/sec", "m/sec");
    AlluviumStorageUnit = pick("cu ft/ft len", "cu m/m len");

    OutFlowUnit = QString::fromLatin1(englishOutput ? "cfs" : "cms");
    OutDischargePerAreaUnit = QString::fromLatin1(englishOutput ? "csm" : "m^3/sec/sq km");
    OutAreaUnit = QString::fromLatin1(englishOutput ? "sq mi" : "sq km");
}

} // namespace Editglob
