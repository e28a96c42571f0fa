#pragma once
// The comma-and-quote item files of the program folder (the local land-use and
// local soil files). An item ends at a comma or at the line end (CR LF, LF or a
// lone CR); double quotes around an item are removed, and a quoted item may
// hold commas. An unquoted item loses its surrounding blanks, a quoted one
// keeps them. Text after a closing quote up to the next comma is dropped, and
// a quote that is never closed ends at its line end. Lines with no item (empty
// or blank) are passed over. Bytes are Latin-1.
//
// An item is written quoted when it holds no double quote. One that does
// was read bare and is written bare again, as long as the reader takes it
// back whole: no comma, no blank at either end, no quote first. So every item
// read from a file is written back as it was read.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace LocalItems {

// The items of each line that holds any, in file order.
QList<QStringList> ReadItemLines(QByteArrayView bytes);

// The items of the file; an empty list (and `opened` false) when it could not
// be read.
QList<QStringList> ReadItemFile(const QString &path, bool *opened = nullptr);

// True when `text` can be written between double quotes and read back
// unchanged: no double quote, no line-end character, nothing outside Latin-1.
// A name the program adds must pass it.
bool CanQuoteItem(const QString &text);

// True when `text` can be written as one item in some form and read back
// unchanged.
bool CanWriteItem(const QString &text);

// The bytes of the lines. Lines without items are left out. Nothing when an
// item fails CanWriteItem; `unwritableLine` then tells its line.
std::optional<QByteArray> WriteItemLines(const QList<QStringList> &lines, qsizetype *unwritableLine = nullptr);

// Replaces the file through a save file: the old file stays whole on failure,
// and `error` then tells why. An item that fails CanWriteItem writes nothing;
// `error` names its record by the record's first item and `recordNoun`
// ("land use").
bool WriteItemFile(const QString &path, const QList<QStringList> &lines, const QString &recordNoun,
                   QString *error = nullptr);

} // namespace LocalItems
