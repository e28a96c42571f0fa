#pragma once
// The program-wide unit system: the unit captions that the entry windows and
// the plots show beside their values. Empty from start-up until the run
// identifier window first loads; it sets them again whenever it loads and
// whenever it is accepted. `EnglishUnits` itself lives in core/Editglob.h.
#include <QString>

namespace Editglob {

// Input units (chosen by the input-units option of the run identifier).
inline QString AreaUnit;
inline QString DischargePerAreaUnit;
inline QString SmallAreaUnit;
inline QString FlowUnit;
inline QString LengthUnit;
inline QString DepthUnit;
inline QString ConductivityUnit;
inline QString VolumeUnit;
inline QString VelocityUnit;
inline QString AlluviumStorageUnit;

// Output units (chosen by the output-units option).
inline QString OutFlowUnit;
inline QString OutDischargePerAreaUnit;
inline QString OutAreaUnit;

// Sets `EnglishUnits` and every caption above.
void SetUnitSystem(bool englishInput, bool englishOutput);

} // namespace Editglob
