#pragma once
// Reach and sub-area records in a record window's work tables: record k is
// item k, its fields ItemHeader(1.., k); a sub-area's land rows are its
// points, three fields each (land use, soil group, area).
#include "core/logic/WorkTables.h"
#include "sections/common/logic/SubAreaRecord.h"
#include "sections/network/logic/ReachRecord.h"

#include <QList>

namespace NetworkTables {

constexpr int ReachFields = 20;
constexpr int SubAreaFields = 25;
constexpr int LandFields = 3;

// Appends the records to the tables (prepared with the field counts above).
void AppendReaches(WorkTables &work, QList<ReachRecord> reaches);
void AppendSubAreas(WorkTables &work, QList<SubAreaRecord> subAreas);
void AppendSubArea(WorkTables &work, SubAreaRecord &&subArea);

ReachRecord Reach(const WorkTables &work, int k);
SubAreaRecord SubArea(const WorkTables &work, int k);
QList<ReachRecord> Reaches(const WorkTables &work);
QList<SubAreaRecord> SubAreas(const WorkTables &work);

// Replaces the land rows of record k; the other records keep theirs.
void SetLandRows(WorkTables &work, int k, const QList<LandRow> &rows);
bool HasLandRows(const WorkTables &work, int k);

} // namespace NetworkTables
