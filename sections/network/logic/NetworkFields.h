#pragma once
// Rules the reach and sub-area windows share on identifiers and output codes.
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

// The option of a code group that a stored code selects: 1 "Yes" for Y, 2
// "No" for N (either case), 3 "Blank" for an empty or blank code, 0 for any
// other letter (no option: the stored code is kept).
int CodeOption(const QString &code);
// The code an option stores: "Y", "N" or " ".
QString OptionCode(int option);

} // namespace NetworkFields
