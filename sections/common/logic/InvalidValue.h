#pragma once
// A value that Accept would write although it fails its field's check. Each
// window finds the first one in its records with its own field checks and
// shows that record with the field red; nothing is written while one is left.
#include <QString>

struct InvalidValue
{
    int record = 0;     // the record, as the window numbers them
    int row = -1;       // a row or value of the record; -1 for a field of the record itself
    int field = 0;      // the box (or grid column) that edits the value
    QString text;       // the value as it would be written
    QString recordName; // names the record ("Structure S1"); empty where the window holds one
    QString fieldName;  // the field's caption
};

namespace InvalidValues {

// `<record> - <field>: "<text>" is not a valid value.`
QString Message(const InvalidValue &value);
// Tells the user in a message box titled `title`.
void Tell(const InvalidValue &value, const QString &title);

} // namespace InvalidValues
