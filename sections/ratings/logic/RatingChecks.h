#pragma once
// The checks of the rating and hydrograph windows' boxes, by box number, and
// the search for a stored value that fails them (Accept writes no record
// while one does).
//
// Box numbers: structure 2 starting elevation, 3-5 a row's elevation,
// discharge, storage; cross section 2 bankfull, 3 low ground, 4 stream,
// 5 station, 6-10 a row's elevation, discharge, end area, top width,
// friction slope; input hydrograph 4 start time, 5 time increment,
// 6 drainage area, 7 base flow, 8 a flow.
#include "sections/ratings/logic/RatingFormats.h"

#include <optional>

namespace RatingChecks {

enum class Section { Structure, CrossSection, Hydrograph };

// The value check of a box: blank passes where the box may stay empty.
// `firstRow` tells a rating row whether it is the table's first (a cross
// section's top width may be blank there only).
bool Passes(Section section, int box, const QString &text, bool firstRow = true);

// The box of a header field (1-based), 0 when the field has no check box.
int HeaderBox(Section section, int field);
// The box of a row field (1-based).
int RowBox(Section section, int field);

// A stored value that fails its check: the item (from 0), the row (from 0;
// -1 for a header field) and the box.
struct Fault
{
    int item = 0;
    int row = -1;
    int box = 0;
};

// The first failing value of the items that Accept would write, in file order.
std::optional<Fault> FirstFault(Section section, const RatingFormats::Items &items);

} // namespace RatingChecks
