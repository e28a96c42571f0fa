#pragma once
// The identifier lists of the entry windows, filled straight from the section
// working files (so a list also offers identifiers that only another section
// names), and the rain-gage table of the time-of-concentration window.
//
// Every filler appends to the list it is given and never empties it; missing,
// empty or unreadable working files add nothing. Identifiers are added with
// AddUniqueItem: trimmed, once, compared without regard to case. QtCore only.
#include "core/logic/Editglob.h"
#include "core/logic/ListRef.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <functional>

namespace Globsubs {

// Appends `item`, trimmed, unless an entry equal to it (both trimmed, case
// ignored) is there already. A blank item gives one empty entry.
void AddUniqueItem(const ListRef &list, const QString &item);

// Adds identifiers to one list as AddUniqueItem does, for a run of many: the
// entries' keys are gathered once, so a long run costs no scan of the list per
// identifier. Only this adder may add to the list while it lives.
class UniqueAdder
{
public:
    explicit UniqueAdder(const ListRef &list);
    void add(const QString &item);

private:
    ListRef list_;
    QSet<QString> keys_;
};

// Removes the first entry equal to the list's current text, exactly (case and
// blanks count); nothing when none is.
void RemoveCurrentItem(const ListRef &list);

// `result` = columns 31-40 (the rain gage) of the first sub-area line of
// ~SubArea.tmp whose columns 11-20 equal `name` exactly; unchanged when none.
void LookupSubAreaField(const QString &name, QString &result);

// Alternate identifiers of ~Alter.tmp; with `addBlank` a last entry of ten
// blanks (the base data), added even when the list already holds one.
void FillAlternateList(const ListRef &list, bool addBlank);
void FillInputHydList(const ListRef &list);
// Reaches named anywhere (input hydrographs, reaches and their receiving and
// split reaches, receiving reaches of sub-areas, alternates' reaches); with
// `removeOutlet` every "OUTLET" entry (any case) is removed afterwards.
void FillLocationList(const ListRef &list, bool removeOutlet);
void FillStormList(const ListRef &list);
// Rain gages of ~Storm.tmp and ~SubArea.tmp; rebuilds the rain-gage table
// (Editglob::RainGageIds, RainGageTwoYear, RainGageCount).
void FillRainGageList(const ListRef &list);
// With `addStandard` the ten standard distributions first (always added).
void FillRainDistList(bool addStandard, const ListRef &list);
void FillStructureList(const ListRef &list);
void FillSubAreaList(const ListRef &list);
void FillXsectList(const ListRef &list);

// The standard rainfall distributions in their order.
const QStringList &StandardRainDistributions();

// Where the lists read a section (slot 1..15) from: its working file, unless a
// source is set, which then gives the section's bytes (a null array when it has
// none). An empty function goes back to the working files.
using SectionBytesSource = std::function<QByteArray(int slot)>;
void SetSectionBytesSource(SectionBytesSource source);

} // namespace Globsubs
