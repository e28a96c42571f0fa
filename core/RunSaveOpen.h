#pragma once
// Creating, opening, saving and save-as of the project.
#include "core/logic/Editglob.h"
#include "core/logic/FileNames.h"
#include <QString>
#include <QStringList>

namespace Run_Save_Open {

// False when a working file of the last project could be neither removed nor
// emptied; the user was told which and why.
bool NewFile();
void OpenInputFile();
// Returns false when the input file could not be written (the user was told).
bool SaveInputFile();
// Returns false when cancelled or when the save failed.
bool SaveAsInputFile(const QString &dialogTitle = QString());

// The main window's caption for the current project: the editor's title and
// the current file.
QString MainCaption();
// The main window's caption follows the project now, not at the end of the
// command: a project cleared before a wait is seen as such during it.
void ShowProjectInCaption();

// Deletes every "*.tmp" file of the temp folder. A file that cannot be
// removed is emptied in place, since an empty working file is an absent
// section. Returns, one line each, the sections' working files that could be
// neither, with the reason (the remembered file name is left to its own
// routines).
QStringList DeleteWorkingFiles();

// Writes `~filename.tmp` with the one line `name`; false, with the reason,
// when it failed.
bool RememberFileName(const QString &name, QString *error = nullptr);

// Makes `~filename.tmp` name no file, for a project that has none; tells the
// user when it still names one.
void ForgetFileName();

} // namespace Run_Save_Open
