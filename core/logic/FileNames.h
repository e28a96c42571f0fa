#pragma once
// File-name routines of the project: the base name to which the output
// extensions are appended, and the folder of a file.
#include <QString>

namespace Run_Save_Open {

// The base of a file name to which an extension is appended: the name up to
// and including the last "." of its file part, or the name and a "." when the
// file part has none.
QString StripExtension(const QString &name);

// `name` with ".inp" added when its file part has no "." at all, so that the
// input file and its outputs share one base name.
QString WithInputExtension(const QString &name);

// True when `name` could name a file: not empty and free of control
// characters, NUL bytes and characters that could not be decoded.
bool IsPlausibleFileName(const QString &name);

// The folder of a full file name, with its final separator; the name itself
// when it holds no separator.
QString GetPath(const QString &name);

// Position of the last folder separator ("/" or "\"), -1 when there is none.
qsizetype LastSeparator(const QString &name);

} // namespace Run_Save_Open
