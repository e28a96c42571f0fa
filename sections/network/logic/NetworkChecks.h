#pragma once
// The checks of the reach and sub-area windows' fields on the texts of a
// record: the windows run them as a box is left, and Accept on every record
// it would write or hand back. A blank value is never refused here: a field
// left out is the window's own question.
#include "sections/common/logic/InvalidValue.h"
#include "sections/common/logic/SubAreaRecord.h"
#include "sections/network/logic/ReachRecord.h"

#include <QList>
#include <functional>
#include <optional>

namespace NetworkChecks {

// Field `field` of a reach whose fields `valueOf` gives: lengths, base flow
// and split flows are numbers, a split goes by a cross section or by its
// flows (not both), and its drainage area is a fraction, which the base
// data (not an alternate, `alternate`) need wherever a split reach is named.
bool ReachFieldPasses(int field, const std::function<QString(int)> &valueOf, bool alternate);

// The first value of `reaches` that fails its check (record from 1), in
// file order. A value that the reach of the same identifier held in `asRead`
// passes: a file made elsewhere may give a split both a cross section and
// flows.
std::optional<InvalidValue> FirstReachFault(const QList<ReachRecord> &reaches, const QList<ReachRecord> &asRead,
                                            bool alternate);

// Field `field` of a sub-area: its drainage area and time of concentration
// are above 0, its weighted curve number from 30 to 100; the other fields
// have no check.
bool SubAreaFieldPasses(int field, const QString &text);

// The caption of sub-area field 1 to 6.
QString SubAreaCaption(int field);

// The first of a sub-area's own values (fields 4 to 6) in `subAreas` that
// fails (record from 1); its land rows and flow segments are their detail
// windows' to check.
std::optional<InvalidValue> FirstSubAreaFault(const QList<SubAreaRecord> &subAreas);

} // namespace NetworkChecks
