#pragma once
// Starting the external programs (model engine, converters) and waiting for
// them while every window stays usable.
#include <QString>

class QvForm;

namespace Run_Save_Open {

// Writes the control file `controlFileName` (in the program folder) for the
// current file, starts `programFileName` from the program folder maximised and
// waits for it, then opens the output viewer as the run asks. Returns false
// when the control file could not be written or the program could not be
// started; the caller then shows RunProgramTitle & " - NOT FOUND".
bool RunProgram(const QString &controlFileName, const QString &programFileName);

// Appends the reformatter's Stream Cross Section records (from the file named
// by FileName) to the cross-section working file.
void AppendHecRasSection();

// Brings the View menu of `frm` (a window with the menu "mnuView" and the
// actions "mnuViewItem_<n>") up to date.
void UpdateViewMenu(QvForm *frm);

} // namespace Run_Save_Open

namespace Run_Save_Open {

// The viewer's file after a run: 5 (error file) when `errorFile` holds more
// than one line, else 4 (printed page) when the viewer is wanted, else
// `current`. Reads at most two lines.
int ChooseViewFileIndex(const QString &errorFile, int current, bool viewerWanted);

} // namespace Run_Save_Open
