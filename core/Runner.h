#pragma once
// Starting the external programs (model engine, converters) and waiting for
// them while every window stays usable.
#include "core/logic/CallShell.h"
#include "core/logic/Editglob.h"

#include <QDateTime>
#include <QString>

class QvForm;

namespace Run_Save_Open {

// Writes the control file `controlFileName` (in the program folder) for
// `runFile` (by default the current file), starts `programFileName` from the
// program folder maximised and waits for it, then opens the output viewer as
// the run asks. The file to process, the base of its outputs and whether the
// viewer is wanted (DisplayTitle not blank) are taken before the program
// starts, so a file or a viewer opened during the wait does not change what is
// shown after it. NotStarted when the control file could not be
// written or the program could not be started; the caller then shows
// RunProgramTitle & " - NOT FOUND". Abandoned when the user chose to end the
// editor during the wait: the program goes on running, nothing is shown, and
// the caller must stop where it is.
CallShell::WaitResult RunProgram(const QString &controlFileName, const QString &programFileName,
                                 QString runFile = Editglob::FileName);

// What an output file was before a program ran: a file that the program left
// as it was is no output of that run, though an older run may have written it.
class OutputStamp
{
public:
    explicit OutputStamp(const QString &path);
    // The file is still as it was when stamped (also: still missing).
    bool unchanged() const;

private:
    QString path_;
    bool existed_ = false;
    qint64 size_ = 0;
    QDateTime modified_;
};

// "\nIts error file is <output's base>err." when the program left one; else empty.
QString ErrorFileNote(const QString &output);

// Appends the reformatter's Stream Cross Section records (from `reformatted`,
// by default the file named by FileName, line 6 on) to the cross-section
// working file, after its last
// non-blank line. Its header (line 5) starts a missing or empty working file.
// When the file is missing or empty, or it or the working file cannot be read
// whole, line 5 is no Stream Cross Section header, or the working file cannot
// be written, the user is told which file and why (for a missing or empty
// file, with the reformatter's error file when there is one), the working file
// stays as it was, and the result is false. A file that `before` finds
// unchanged by the run counts as missing.
bool AppendHecRasSection(QString reformatted = Editglob::FileName, const OutputStamp *before = nullptr);

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
