#include "core/FileMenu.h"
#include "core/logic/CallShell.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "core/ProjectEvents.h"
#include "core/QvForm.h"
#include "core/RunSaveOpen.h"
#include "core/Runner.h"
#include "core/logic/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

using namespace Editglob;

namespace {

const QString QvSystemTitle = QStringLiteral("Quorvale System");
const QString SaveAsTitle = QStringLiteral("Save Quorvale file");
const QString InputFilter = QStringLiteral("Input File (*.inp)|*.inp|All files (*.*)|*.*");

FileMenu::EndProgramHandler &endProgram()
{
    static FileMenu::EndProgramHandler handler = [] { QCoreApplication::exit(0); };
    return handler;
}

// An open dialog; the chosen name or empty. Afterwards the program folder is
// current again and LastDir follows the chosen file.
QString OpenDialog(const QString &title, const QString &filter, int filterIndex, const QString &proposed)
{
    const QString chosen = Dialogs::openFile(title, filter, filterIndex, LastDir, proposed);
    QDir::setCurrent(AppDir);
    if (!chosen.isEmpty())
        LastDir = Run_Save_Open::GetPath(chosen);
    return chosen;
}

void EnableSave(bool save, bool saveAs)
{
    emit ProjectEvents::instance().saveEnabledChanged(save);
    emit ProjectEvents::instance().saveAsEnabledChanged(saveAs);
}

void EnableSaveAs() { emit ProjectEvents::instance().saveAsEnabledChanged(true); }

// After a save: the Run menu is offered and the View menu follows the files.
void OfferRun() { emit ProjectEvents::instance().runOffered(); }

bool SameBytes(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    if (fa.size() != fb.size())
        return false;
    constexpr qint64 Block = 64 * 1024;
    while (!fa.atEnd()) {
        if (fa.read(Block) != fb.read(Block))
            return false;
    }
    return fb.atEnd();
}

// Entries typed into a window and never accepted are in no working file, so
// the save question cannot keep them. This is asked before it, about the
// `windows` that are to close, `goOn` saying what happens without them:
// staying then leaves the project, its remembered name and every window as
// they were. Going on, the windows asked about come back in `asked`. A
// command that would replace accepted entries too names them in `accepted`,
// which makes the question asked even when no window holds anything.
bool GoOnWithoutUnacceptedEntries(const QString &goOn, const QList<QvForm *> &windows = Forms::created(),
                                  QList<QvForm *> *asked = nullptr, const QString &accepted = QString())
{
    QList<QvForm *> holding;
    for (QvForm *form : windows)
        if (form->isLoaded() && form->HoldsUnacceptedEntries())
            holding << form;
    if (asked)
        *asked = holding;
    if (holding.isEmpty() && accepted.isEmpty())
        return true;
    std::sort(holding.begin(), holding.end(),
              [](const QvForm *a, const QvForm *b) { return a->ShortCaption() < b->ShortCaption(); });
    QStringList captions;
    for (const QvForm *form : holding)
        captions << QLatin1Char('"') + form->ShortCaption() + QLatin1Char('"');
    QStringList lines;
    if (!accepted.isEmpty())
        lines << accepted;
    if (captions.size() == 1)
        lines << QStringLiteral("The window ") + captions.first()
                     + QStringLiteral(" holds entries that have not been accepted.");
    else if (!captions.isEmpty())
        lines << QStringLiteral("The windows ") + captions.join(QStringLiteral(", "))
                     + QStringLiteral(" hold entries that have not been accepted.");
    Dialogs::Request question;
    question.text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n') + goOn;
    question.buttons = Dialogs::Buttons::YesNo;
    question.icon = Dialogs::Icon::Exclamation;
    question.title = QvSystemTitle;
    // Asked over the first window named: closing the question gives the focus
    // back to it, not to the main window.
    question.parent = holding.value(0);
    if (Dialogs::ask(question).answer == Dialogs::Answer::Yes)
        return true;
    // Staying is for those entries: the first window named is where the user
    // goes on, not hidden behind the main window.
    if (!holding.isEmpty())
        Globsubs::BringToFront(holding.first());
    return false;
}

// The cross-section window when it is open.
QvForm *OpenCrossSectionWindow()
{
    for (QvForm *form : Forms::created())
        if (form->isLoaded() && form->objectName() == QLatin1String("frmXsect"))
            return form;
    return nullptr;
}

// The converters write their input file beside the file they read, whether
// or not one is there: it may be a file the user has edited since.
bool MayReplace(const QString &output, const QString &data)
{
    if (!QFileInfo::exists(output))
        return true;
    const QString question = QStringLiteral("The file ") + output
                             + QStringLiteral(" already exists.\nReplace it with the ") + data + QStringLiteral(" ?");
    return Dialogs::message(question, Dialogs::Buttons::YesNo, Dialogs::Icon::Question) == Dialogs::Answer::Yes;
}

// The programs that commands wait for, each with the file it works on: every
// file it writes is named after that one.
struct WaitingProgram
{
    QString title;
    QString runFile;
};
QList<WaitingProgram> waitingPrograms;

// Why `name` cannot be saved while a program works on a file of the same base
// name, or empty. Saved there, the data would be overwritten by what the
// program writes, or stand beside the program's results as if they were theirs.
QString UsedByWaitingProgram(const QString &name)
{
    const QFileInfo chosen(name);
    for (const WaitingProgram &program : waitingPrograms) {
        const QFileInfo used(program.runFile);
        if (chosen.completeBaseName() == used.completeBaseName() && chosen.absoluteDir() == used.absoluteDir())
            return program.title + QStringLiteral(" is still running on ") + program.runFile
                   + QStringLiteral(".\nThe file ") + name
                   + QStringLiteral(" would be overwritten by what it writes, or stand beside results that are not "
                                    "its own.\nChoose another name.");
    }
    return QString();
}

// The waiting command goes on with its project when its program ends: a
// command that replaces the project must not run before then, nor one that
// writes it (a Save would write the project that Convert or Import has
// cleared, or delete the outputs that the engine is writing from the input as
// it was).
bool RefusedDuringWait()
{
    if (waitingPrograms.isEmpty())
        return false;
    Dialogs::message(RunProgramTitle + QStringLiteral(" is still running.\nChoose this command again when it has ended."),
                     Dialogs::Buttons::OK, Dialogs::Icon::Exclamation);
    return true;
}

} // namespace

namespace Run_Save_Open {

// The question of the current-file check alone. Yes saves; the answer comes
// back, Cancel also when the save the user asked for did not happen.
Dialogs::Answer AskToSaveChanges(const QString &lastLine)
{
    // An untitled project with changes is asked about too: its work would
    // otherwise vanish with the working files.
    if (!DataChanged)
        return Dialogs::Answer::Yes;
    const Dialogs::Answer answer =
        Dialogs::message(QStringLiteral("Save and Close current file before loading") + QChar(13) + lastLine,
                         Dialogs::Buttons::YesNoCancel, Dialogs::Icon::None);
    emit ProjectEvents::instance().mainAnswer(answer);
    if (answer != Dialogs::Answer::Yes)
        return answer;
    // Nothing saved: going on would lose the work.
    const bool saved = IsUntitled() ? SaveAsInputFile(SaveAsTitle) : SaveInputFile();
    return saved ? Dialogs::Answer::Yes : Dialogs::Answer::Cancel;
}

QString CloseAsAnswered(Dialogs::Answer answer, bool &stopped)
{
    stopped = false;
    if (answer == Dialogs::Answer::No)
        return FileName;
    FileMenu::CloseEntryWindows();
    stopped = !NewFile();
    return QStringLiteral(" ");
}

void CheckCurrentFile(QString &previousName, const QString &lastLine, bool &cancelled)
{
    previousName = FileName;
    DisplayTitle = QStringLiteral(" ");
    const Dialogs::Answer answer = AskToSaveChanges(lastLine);
    cancelled = answer == Dialogs::Answer::Cancel;
    if (!cancelled)
        previousName = CloseAsAnswered(answer, cancelled);
}

QStringList SectionListEntries()
{
    QStringList entries;
    for (int i = 1; i < SectionCount; ++i) {
        QString mark = QStringLiteral("     ");
        QFile file(TmpFile[i]);
        if (!TmpFile[i].isEmpty() && file.open(QIODevice::Append)) {
            if (file.size() > 0)
                mark = QStringLiteral("X   ");
            file.close();
        }
        entries << mark + SectionNames[i];
    }
    return entries;
}

bool WorkingFilesMatch(const QString &inputFile)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const QString joined = dir.filePath(QStringLiteral("joined.inp"));
    if (!InputFileStore::Join(TmpFile, joined, nullptr))
        return false;
    return SameBytes(joined, inputFile);
}

bool WorkingFilesHoldData()
{
    for (int i = 1; i <= SectionCount; ++i)
        if (QFileInfo(TmpFile[i]).size() > 0)
            return true;
    return false;
}

} // namespace Run_Save_Open

namespace FileMenu {

using namespace Run_Save_Open;

EndProgramHandler setEndProgramHandler(EndProgramHandler handler)
{
    EndProgramHandler previous = endProgram();
    endProgram() = std::move(handler);
    return previous;
}

void CloseEntryWindows()
{
    for (QvForm *form : Forms::created())
        if (form->IsEntryWindow() && form->isLoaded())
            form->unload();
}

bool RunExternalProgram(const QString &title, const QString &controlFile, const QString &programFile,
                        const QString &runFile)
{
    RunProgramTitle = title;
    ProjectEvents &events = ProjectEvents::instance();
    waitingPrograms.append({title, runFile});
    emit events.externalProgramStarted();
    const CallShell::WaitResult result = RunProgram(controlFile, programFile, runFile);
    // A wait chosen during this one has ended before it.
    waitingPrograms.removeLast();
    emit events.externalProgramEnded(!waitingPrograms.isEmpty());
    if (result == CallShell::WaitResult::NotStarted) {
        const Dialogs::Answer answer = Dialogs::message(RunProgramTitle + QStringLiteral(" - NOT FOUND"));
        QDir::setCurrent(AppDir);
        emit events.mainAnswer(answer);
    }
    // Abandoned, the editor is ending: the command stops where it is.
    return result == CallShell::WaitResult::Finished;
}

bool NewQuorvaleFile()
{
    if (RefusedDuringWait())
        return false;
    if (!GoOnWithoutUnacceptedEntries(QStringLiteral("Start a new Quorvale file without them ?")))
        return true;
    QString previous;
    bool cancelled = false;
    CheckCurrentFile(previous, QStringLiteral("a new Quorvale input data file ?"), cancelled);
    if (cancelled)
        return true;
    // Cleared once is enough: a second time would repeat a failure's message.
    if (previous != QLatin1String(" ")) {
        CloseEntryWindows();
        if (!NewFile())
            return true;
    }
    Globsubs::ShowForm(QStringLiteral("frmQV31"));
    return true;
}

bool OpenExisting()
{
    if (RefusedDuringWait())
        return false;
    if (!GoOnWithoutUnacceptedEntries(QStringLiteral("Open another Quorvale input data file without them ?")))
        return true;
    QString previous;
    bool cancelled = false;
    CheckCurrentFile(previous, QStringLiteral("another Quorvale input data file ?"), cancelled);
    if (cancelled)
        return true;
    const QString chosen = OpenDialog(QStringLiteral("Open Quorvale file"),
                                      QStringLiteral("Input Files (*.inp)|*.inp|All files (*.*)|*.*"),
                                      1, QStringLiteral("*.inp"));
    if (chosen.isEmpty())
        return false;
    CloseEntryWindows();
    SetFileName(chosen);
    OpenInputFile();
    EnableSave(true, true);
    DataChanged = false;
    Globsubs::ShowForm(QStringLiteral("frmQV31"));
    return true;
}

bool ReOpenLastSession()
{
    if (RefusedDuringWait())
        return false;
    if (!GoOnWithoutUnacceptedEntries(QStringLiteral("ReOpen the last session without them ?")))
        return true;
    CloseEntryWindows();
    QString name = TextFile::readPathFile(TmpFile[FileNameSlot]);
    if (!name.isEmpty() && !IsPlausibleFileName(name)) {
        // A damaged record must never become the name a save writes to.
        Dialogs::message(QStringLiteral("The name of the last input file, kept in ") + TmpFile[FileNameSlot]
                             + QStringLiteral(", is damaged.\nThe working files are opened as an untitled project: "
                                              "use Save As to give it a name."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, QvSystemTitle);
        name.clear();
    }
    SetFileName(name.isEmpty() ? UntitledName : name);
    if (!IsUntitled())
        EnableSave(true, true);
    EnableSaveAs();
    // The working files may hold changes that were never saved: only when
    // they join into exactly the named file is there nothing to lose.
    DataChanged = IsUntitled() ? WorkingFilesHoldData() : !WorkingFilesMatch(FileName);
    Globsubs::ShowForm(QStringLiteral("frmQV31"));
    return true;
}

bool ConvertOldData()
{
    if (RefusedDuringWait())
        return false;
    if (!GoOnWithoutUnacceptedEntries(QStringLiteral("Convert old QV-31 data without them ?")))
        return true;
    // The project is cleared only once an old data file was chosen and the
    // converter may write its input file: a cancelled dialog or a No leaves
    // it as it was.
    DisplayTitle = QStringLiteral(" ");
    if (AskToSaveChanges(QStringLiteral("converted old QV-31 input data ?")) == Dialogs::Answer::Cancel)
        return true;
    const QString chosen = OpenDialog(QStringLiteral("Open old QV-31 file"),
                                      QStringLiteral("Data Files (*.dat)|*.dat|All files (*.*)|*.*"), 1,
                                      QStringLiteral("*.dat"));
    const QString converted = StripExtension(chosen) + QStringLiteral("inp");
    if (chosen.isEmpty() || !MayReplace(converted, QStringLiteral("converted old QV-31 data")))
        return true;
    CloseEntryWindows();
    if (!NewFile())
        return true;
    // The cleared project holds nothing to save: from here on DataChanged
    // tells what was accepted during the wait.
    DataChanged = false;
    emit ProjectEvents::instance().sectionsChanged();
    ShowProjectInCaption();
    // The project is not named after the old data file, even during the wait:
    // a Save then would write the project over it.
    const OutputStamp before(converted);
    if (!RunExternalProgram(QStringLiteral("QV-31 Input Converter (QV31_Converter.exe)"),
                            QStringLiteral("qv31Conv.fil"), QStringLiteral("QV31_Converter.exe"), chosen))
        return false;
    // Nothing to open: the project stays as it is, with whatever was entered
    // during the wait.
    if (!QFileInfo::exists(converted)) {
        Dialogs::message(QStringLiteral("Error --- File ") + converted + QStringLiteral(" Not Found")
                             + ErrorFileNote(converted) + QStringLiteral("\nNothing was converted."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation);
        return true;
    }
    // An input file of an earlier conversion, left as it was, is not this one's.
    if (before.unchanged()) {
        Dialogs::message(QStringLiteral("The QV-31 input converter did not write ") + converted
                             + QStringLiteral(": it holds what it held before the conversion.") + ErrorFileNote(converted)
                             + QStringLiteral("\nNothing was converted."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, QvSystemTitle);
        return true;
    }
    // Entries made during the wait belong to the cleared project, which the
    // converted file replaces, whether they were accepted or not.
    const QString accepted = DataChanged ? QStringLiteral("Entries were accepted while the QV-31 input converter wrote ")
                                               + converted + QLatin1Char('.')
                                         : QString();
    if (!GoOnWithoutUnacceptedEntries(QStringLiteral("Open the converted QV-31 data without them ?"), Forms::created(),
                                      nullptr, accepted))
        return true;
    CloseEntryWindows();
    DataChanged = false;
    SetFileName(converted);
    OpenInputFile();
    EnableSave(true, true);
    DataChanged = false;
    Globsubs::ShowForm(QStringLiteral("frmQV31"));
    return true;
}

bool ImportHecRas()
{
    if (RefusedDuringWait())
        return false;
    const QString without = QStringLiteral("Import HEC-RAS cross sections without them ?");
    QList<QvForm *> holding;
    if (!GoOnWithoutUnacceptedEntries(without, Forms::created(), &holding))
        return true;
    // The question about unsaved changes (and the save it asks for) comes
    // first; the project is cleared only once the reformatter may write its
    // file, so that a No to replacing it leaves the project as it was.
    DisplayTitle = QStringLiteral(" ");
    const Dialogs::Answer changes = AskToSaveChanges(QStringLiteral("reformatted HEC-RAS cross section data ?"));
    if (changes == Dialogs::Answer::Cancel)
        return true;
    const QString chosen = OpenDialog(QStringLiteral("Open HEC-RAS file"),
                                      QStringLiteral("Text Files (*.txt)|*.txt|All files (*.*)|*.*"), 1,
                                      QStringLiteral("*.txt"));
    const QString reformatted = StripExtension(chosen) + QStringLiteral("inp");
    if (!chosen.isEmpty() && !MayReplace(reformatted, QStringLiteral("reformatted HEC-RAS cross sections")))
        return true;
    bool stopped = false;
    const QString previous = CloseAsAnswered(changes, stopped);
    if (stopped || chosen.isEmpty())
        return true;
    const bool kept = previous != QLatin1String(" ");
    if (!kept)
        ShowProjectInCaption();
    // The user went on without these windows' entries, also for a kept
    // project: left open, a later Accept would still write them.
    for (QvForm *form : holding)
        if (form->isLoaded())
            form->unload();
    // The cross-section window, holding the section as it was, would write
    // it back without the imported records at its Accept.
    if (QvForm *xsect = OpenCrossSectionWindow())
        xsect->unload();
    // The project keeps its name during the wait: named after the HEC-RAS
    // file, a Save then would write the project over it.
    const OutputStamp before(reformatted);
    if (!RunExternalProgram(QStringLiteral("HEC-RAS Reformatter (QV31_HECRAS_Rating.exe)"),
                            QStringLiteral("qv31_HECRAS.fil"), QStringLiteral("QV31_HECRAS_Rating.exe"), chosen))
        return false;
    // Opened again while the reformatter ran: closed the same way, asking
    // first about what was typed into it since.
    if (QvForm *xsect = OpenCrossSectionWindow()) {
        if (!GoOnWithoutUnacceptedEntries(without, {xsect}))
            return true;
        xsect->unload();
    }
    // Nothing imported: a new project named after the reformatter's file
    // would empty that file at its first save.
    if (!AppendHecRasSection(reformatted, &before))
        return true;
    DataChanged = true;
    if (!kept)
        SetFileName(reformatted);
    Globsubs::ShowForm(QStringLiteral("frmQV31"));
    return true;
}

bool LocalLandUse()
{
    Globsubs::ShowForm(QStringLiteral("frmLocalLanduse"));
    return true;
}

bool LocalSoil()
{
    Globsubs::ShowForm(QStringLiteral("frmLocalSoil"));
    return true;
}

bool Save()
{
    if (RefusedDuringWait())
        return false;
    if (IsUntitled())
        return SaveAs();
    if (SaveInputFile())
        OfferRun();
    return true;
}

bool SaveAs()
{
    if (RefusedDuringWait())
        return false;
    SaveAsInputFile(SaveAsTitle);
    if (!DataChanged && !IsUntitled())
        OfferRun();
    return true;
}

bool ConfirmEnd()
{
    if (!GoOnWithoutUnacceptedEntries(QStringLiteral("End the program without them ?")))
        return false;
    if (!DataChanged)
        return true;
    const Dialogs::Answer answer =
        Dialogs::message(QStringLiteral("Changes have been made to the Quorvale input file - Do you want to save it?"),
                         Dialogs::Buttons::YesNo, Dialogs::Icon::Question, QvSystemTitle);
    emit ProjectEvents::instance().mainAnswer(answer);
    if (answer == Dialogs::Answer::No) {
        ForgetFileName();
        return true;
    }
    // The Save As dialog, whatever dialog came last: an open dialog's
    // settings would offer to overwrite the old data or HEC-RAS file.
    const QString current = IsUntitled() ? ProposedSaveName : FileName;
    QString chosen;
    for (;;) {
        chosen = WithInputExtension(Dialogs::saveFile(SaveAsTitle, InputFilter, 1, LastDir,
                                                      current.mid(current.lastIndexOf(QLatin1Char('/')) + 1)));
        // The user asked for a save and none happened: the work stays in the editor.
        if (chosen.isEmpty())
            return false;
        LastDir = GetPath(chosen);
        // The program goes on after the editor has ended.
        const QString used = UsedByWaitingProgram(chosen);
        if (used.isEmpty())
            break;
        Dialogs::message(used, Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, QvSystemTitle);
    }
    const QString previous = FileName;
    SetFileName(chosen);
    // A save that failed was reported.
    if (!SaveInputFile()) {
        SetFileName(previous);
        return false;
    }
    return true;
}

bool Exit()
{
    if (!ConfirmEnd())
        return false;
    // Ends at once: a command waiting for its program stops where it is.
    CallShell::AbandonWaits();
    endProgram()();
    return false;
}

} // namespace FileMenu
