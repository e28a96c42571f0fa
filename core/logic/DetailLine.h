#pragma once
// The detail lines of a reach or sub-area record (BASE FLOW, SHEET, LAND
// AREA, ...) carry their keyword in columns 21-30, matched trimmed of blanks
// and in any letter case. Every reader of these lines asks here, so the
// Sub-Area and Alternate Analysis readers and the Local Land Use section
// agree on which lines are land rows.
#include <QLatin1StringView>
#include <QStringView>

namespace DetailLine {

bool HasKeyword(QStringView line, QLatin1StringView keyword);

// A land-use row of a sub-area: keyword "LAND AREA" or "WEIGHT CN" (the
// writers write both back as "LAND AREA"). Also for a line of Latin-1 bytes.
bool IsLandRow(QStringView line);
bool IsLandRow(QLatin1StringView line);

} // namespace DetailLine
