#pragma once
// Creating, opening, saving and save-as of the project.
#include "core/logic/Editglob.h"
#include "core/logic/FileNames.h"
#include <QString>

namespace Run_Save_Open {

void NewFile();
void OpenInputFile();
// Returns false when the input file could not be written (the user was told).
bool SaveInputFile();
// Returns false when cancelled or when the save failed.
bool SaveAsInputFile(const QString &dialogTitle = QString());

// Deletes every "*.tmp" file of the temp folder.
void DeleteWorkingFiles();

// Writes `~filename.tmp` with the one line `name`; false, with the reason,
// when it failed.
bool RememberFileName(const QString &name, QString *error = nullptr);

// Makes `~filename.tmp` name no file, for a project that has none; tells the
// user when it still names one.
void ForgetFileName();

} // namespace Run_Save_Open
