#pragma once
// Creating, opening, saving and save-as of the project, and the file-name
// routines around them.
#include <QString>

namespace Run_Save_Open {

// The base of a file name to which an extension is appended: the name up to
// and including the last "." of its file part, or the name and a "." when the
// file part has none.
QString StripExtension(const QString &name);

// The folder of a full file name, with its final separator; the name itself
// when it holds no separator.
QString GetPath(const QString &name);

void NewFile();
void OpenInputFile();
// Returns false when the input file could not be written (the user was told).
bool SaveInputFile();
// Returns false when cancelled or when the save failed.
bool SaveAsInputFile(const QString &dialogTitle = QString());

// The file proposed by the Save As dialog when the project is untitled: the
// file whose reading stopped at an unknown header.
inline QString ProposedSaveName;

// Deletes every "*.tmp" file of the temp folder.
void DeleteWorkingFiles();

// Writes `~filename.tmp` with the one line `name`; false when it failed.
bool RememberFileName(const QString &name);

} // namespace Run_Save_Open
