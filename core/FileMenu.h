#pragma once
// The File-menu commands of the main window and the routines around them.
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace Run_Save_Open {

// Before a file replaces the current project: asks whether unsaved changes are
// to be saved ("Save and Close current file before loading" and `lastLine`),
// then clears the project unless the user answered No. `previousName` comes
// back as the name to restore when the project was kept, or " " when it was
// cleared; `cancelled` is set when the user stopped the command (also when a
// save the user asked for did not happen, and when the project could not be
// cleared).
void CheckCurrentFile(QString &previousName, const QString &lastLine, bool &cancelled);

// The question of CheckCurrentFile without the clearing: Yes when there was
// nothing to ask or the changes were saved, No when the user lets them go,
// Cancel when the command must stop (also when the save asked for failed).
Dialogs::Answer AskToSaveChanges(const QString &lastLine);
// The clearing of CheckCurrentFile after the answer `answer` (not Cancel):
// the name to restore when the project was kept (No), or " " when cleared.
// `stopped` is set when a working file of the last project could not be
// cleared (the user was told): the command must not go on.
QString CloseAsAnswered(Dialogs::Answer answer, bool &stopped);

// The section list entries 1 to 14: "X   " or five blanks, then the header.
// Opening each working file for appending creates the missing ones empty.
QStringList SectionListEntries();

// True when the working files, joined as a save joins them, give exactly the
// bytes of `inputFile`.
bool WorkingFilesMatch(const QString &inputFile);

// True when any working file of sections 1 to 15 holds a byte.
bool WorkingFilesHoldData();

} // namespace Run_Save_Open

namespace FileMenu {

// Each command returns false when it ended early, so that the main window
// leaves its caption and section frame as they were. The commands that close
// the entry windows first ask, as ending the program does, whether to go on
// without the entries that they hold unaccepted. The commands that replace
// the project (New, Open, ReOpen, Convert, Import) or write it (Save, Save As)
// are refused, with a message, while a command waits for an external program.
bool NewQuorvaleFile();
bool OpenExisting();
bool ReOpenLastSession();
bool ConvertOldData();
bool ImportHecRas();
bool LocalLandUse();
bool LocalSoil();
bool Save();
bool SaveAs();
// The questions of Exit and of the main window's close box: first whether to
// end without the entries that open windows hold unaccepted (No keeps the
// program), then the save question. Its save refuses, and offers the dialog
// again for, a file named like the one a waiting program works on, which goes
// on after the end. True when the program may end: nothing
// was changed, the user answered No, or the save the user asked for was made;
// false when the user stays, the save dialog was cancelled or the save failed.
bool ConfirmEnd();
// Ends the program when ConfirmEnd allows it, abandoning every wait for an
// external program; returns only when the program goes on.
bool Exit();

// Starts an external program as the commands do: RunProgramTitle, the
// hourglass on the main window, RunProgram, the pointer back; when the program
// could not be started, the " - NOT FOUND" message. False in that case, and
// when the editor is ending (the wait was abandoned): the command then stops
// where it is. The program works on `runFile`, by default the current file.
bool RunExternalProgram(const QString &title, const QString &controlFile, const QString &programFile,
                        const QString &runFile = Editglob::FileName);

// Closes every open entry window without accepting it, so that none writes
// the old project's data into the next one.
void CloseEntryWindows();

// How Exit ends the program: leaves the event loops without closing any
// window. Tests replace it; returns the previous handler.
using EndProgramHandler = std::function<void()>;
EndProgramHandler setEndProgramHandler(EndProgramHandler handler);

} // namespace FileMenu
