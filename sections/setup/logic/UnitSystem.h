#pragma once
// The program-wide unit system: the unit captions (in core/logic/Editglob.h)
// that the entry windows and the plots show beside their values.
#include "core/logic/Editglob.h"

namespace Editglob {

// Sets `EnglishUnits` and every unit caption: the input captions by
// `englishInput`, the output captions by `englishOutput`.
void SetUnitSystem(bool englishInput, bool englishOutput);

} // namespace Editglob
