#pragma once
// The comma-and-quote item files of the program folder (the local land-use and
// local soil files). An item ends at a comma or at the line end (CR LF, LF or a
// lone CR); double quotes around an item are removed, and a quoted item may
// hold commas. An unquoted item loses its surrounding blanks, a quoted one
// keeps them. Text after a closing quote up to the next comma is dropped, and
// a quote that is never closed ends at its line end. Lines with no item (empty
// or blank) are passed over. Bytes are Latin-1.
//
// Every item is written quoted, items of a line joined by commas, each line
// ended by CR LF, so reading what was written gives back the same lines.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace LocalItems {

// The items of each line that holds any, in file order.
QList<QStringList> ReadItemLines(QByteArrayView bytes);

// The items of the file; an empty list (and `opened` false) when it could not
// be read.
QList<QStringList> ReadItemFile(const QString &path, bool *opened = nullptr);

// True when `text` can be written as one item and read back unchanged: no
// double quote, no line-end character, nothing outside Latin-1.
bool CanWriteItem(const QString &text);

// The bytes of the lines, every item quoted. Lines without items are left
// out; items must pass CanWriteItem.
QByteArray WriteItemLines(const QList<QStringList> &lines);

// Replaces the file through a save file: the old file stays whole on failure,
// and `error` then tells why.
bool WriteItemFile(const QString &path, const QList<QStringList> &lines, QString *error = nullptr);

} // namespace LocalItems
