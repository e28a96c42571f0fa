#include "core/logic/LocalLandUseSection.h"

namespace LocalLandUseSection {

// Both are placeholders until the land-use data come: the Local Land Use
// working file then stays as the input file had it.
void BuildLocalLandUseSection() {}
void MergeLocalLandUse() {}

} // namespace LocalLandUseSection
