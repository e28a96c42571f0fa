#pragma once
// The records of a record window, kept in its work tables: record k is item k,
// its fields are ItemHeader(1.., k) and its rows or values the item's points.
// The window's grid and combo lists only show what these hold.
//
// Identifiers are compared trimmed of blanks; by default without regard to
// case, as the identifier lists compare them. QtCore only.
#include "core/logic/WorkTables.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace RecordList {

enum class Pick { First, Last };

// True when two identifiers name the same record.
bool SameIdentifier(const QString &a, const QString &b, Qt::CaseSensitivity cs = Qt::CaseInsensitive);

// The record whose field `field` names `id`; 0 when none does. With two such
// records (a file edited elsewhere) `pick` chooses.
int Find(const WorkTables &work, const QString &id, int field = 1, Qt::CaseSensitivity cs = Qt::CaseInsensitive,
         Pick pick = Pick::First);

// The first record whose fields `fields` hold `values` (a key of several
// fields; a blank value is a key part like any other); 0 when none does.
int FindKey(const WorkTables &work, const QList<int> &fields, const QStringList &values,
            Qt::CaseSensitivity cs = Qt::CaseSensitive);

// Appends a record without points whose fields 1.. take `fields` (the
// others empty) and returns its number.
int Add(WorkTables &work, const QStringList &fields);

// Fields 1 to ItemHeader.fieldCount() of record k.
QStringList Fields(const WorkTables &work, int k);
// Record k's fields 1.. take `fields`; fields beyond them keep their texts.
void SetFields(WorkTables &work, int k, const QStringList &fields);

// Gives record k the identifier `id` in field `field`; false (and nothing
// changes) when another record bears it already or k is no record.
bool Rename(WorkTables &work, int k, const QString &id, int field = 1,
            Qt::CaseSensitivity cs = Qt::CaseInsensitive);

// Drops the points of record k: the later points close up, so no dead points
// stay behind. The record keeps its place and fields.
void ClearPoints(WorkTables &work, int k);

// Removes record k with its points; the later records move down one place.
// CurrentItem and SelectedItem follow the records they name (0 when it was
// record k).
void Remove(WorkTables &work, int k);

} // namespace RecordList
