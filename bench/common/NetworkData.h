#pragma once
// A synthetic watershed network for the benchmarks: sub-areas with land rows
// and flow segments, and a chain of reaches down to the outlet.
#include "sections/common/logic/SubAreaRecord.h"
#include "sections/network/logic/ReachRecord.h"

#include <QList>

namespace Bench {

// Sub-area `i`, with three land rows, a SHEET and a CHANNEL line.
SubAreaRecord MakeSubArea(int i);
// Reach `i` of `count`.
ReachRecord MakeReach(int i, int count);

// `count` sub-areas, each with three land rows, a SHEET and a CHANNEL line.
QList<SubAreaRecord> MakeSubAreas(int count);
// `count` reaches, each with a cross section, lengths and codes; one in ten
// with a base flow.
QList<ReachRecord> MakeReaches(int count);

} // namespace Bench
