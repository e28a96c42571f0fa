#pragma once
// Rules the reach and sub-area windows share on identifiers and output codes.
#include <QHash>
#include <QList>
#include <QString>

namespace NetworkFields {

constexpr int IdentifierWidth = 10;

// What the identifier combos keep of a typed text: its first 10 characters.
QString CutIdentifier(const QString &text);
// A text names a record when it is not blank.
bool IsIdentifier(const QString &text);
// Identifiers are compared trimmed and without regard to case.
bool SameIdentifier(const QString &a, const QString &b);
// The identifier as a look-up key: two identifiers are the same exactly when
// their keys are equal.
QString IdentifierKey(const QString &id);

// Index of the record whose identifier (field 1) is `id`; the last one when
// several are; -1 when none is.
template <class Record> int FindRecord(const QList<Record> &records, const QString &id)
{
    int found = -1;
    for (qsizetype i = 0; i < records.size(); ++i)
        if (SameIdentifier(records[i].Field[1], id))
            found = int(i);
    return found;
}

// The index of every record by its identifier's key, the last one where
// several share it (as FindRecord finds it): built once, it finds each
// record's counterpart without a search over all records.
template <class Record> QHash<QString, int> IndexByIdentifier(const QList<Record> &records)
{
    QHash<QString, int> index;
    index.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i)
        index.insert(IdentifierKey(records[i].Field[1]), int(i));
    return index;
}

// The option of a code group that a stored code selects: 1 "Yes" for Y, 2
// "No" for N (either case), 3 "Blank" for an empty or blank code, 0 for any
// other letter (no option: the stored code is kept).
int CodeOption(const QString &code);
// The code an option stores: "Y", "N" or " ".
QString OptionCode(int option);

} // namespace NetworkFields
