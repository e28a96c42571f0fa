#pragma once
// Reader of the help list file: lines "key|title - description|English range|
// metric range|", where a description or an English range may run on over the
// following lines. QtCore only.
#include <QByteArrayView>
#include <QString>

namespace HelpList {

// Entry key of a help request: the window's key alone for help number 0, else
// the key, one blank and the number.
QString EntryKey(const QString &formKey, int helpId);

// The help text of every entry keyed `entryKey` in the bytes of a help list,
// in file order, as the help box shows it (lines ended by CR LF).
// `englishUnits` picks the range shown.
QString Compose(QByteArrayView bytes, const QString &entryKey, bool englishUnits);

// The same from a file; a file that cannot be opened gives an empty text.
QString ComposeFromFile(const QString &path, const QString &entryKey, bool englishUnits);

} // namespace HelpList
