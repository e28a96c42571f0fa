#include "core/RunSaveOpen.h"
#include "core/logic/FileNames.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "core/logic/LocalLandUseSection.h"
#include "core/ProjectEvents.h"
#include "core/QvForm.h"
#include "core/logic/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Editglob;

namespace Run_Save_Open {

namespace {

// What it means to the user that `name` could not be remembered.
QString NotRemembered(const QString &name, const QString &reason)
{
    const QString path = TmpFile[FileNameSlot];
    QString text = QStringLiteral("The name of this file could not be remembered in ") + path + QStringLiteral(": ")
                   + reason + QStringLiteral("\nAt the next start, ReOpen Last Session will not name this file");
    const QString held = TextFile::readPathFile(path);
    if (!held.isEmpty() && held != name)
        return text + QStringLiteral("; it will name ") + held
               + QStringLiteral(", and a Save after it would write over that file.");
    return text + QLatin1Char('.');
}

// Remembers `name`, and tells the user when it could not.
void RememberOrTell(const QString &name)
{
    QString error;
    if (!RememberFileName(name, &error))
        Dialogs::message(NotRemembered(name, error), Dialogs::Buttons::OK, Dialogs::Icon::Exclamation,
                         QStringLiteral("Quorvale System"));
}

// The working files that still hold data of the last project, and what
// follows from it.
QString NotCleared(const QStringList &kept, const QString &consequence)
{
    const bool one = kept.size() == 1;
    return (one ? QStringLiteral("This working file") : QStringLiteral("These working files"))
           + QStringLiteral(" of the last project could not be removed or emptied:\n") + kept.join(QLatin1Char('\n'))
           + (one ? QStringLiteral("\nIt still holds") : QStringLiteral("\nThey still hold"))
           + QStringLiteral(" data of that project, so ") + consequence;
}

} // namespace

QString MainCaption() { return EditorTitle + QStringLiteral("   Current File - ") + FileName; }

void ShowProjectInCaption() { emit ProjectEvents::instance().titleChanged(MainCaption()); }

QStringList DeleteWorkingFiles()
{
    QStringList kept;
    QDir temp(TempDir);
    const QStringList names = temp.entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
    for (const QString &n : names) {
        const QString path = temp.filePath(n);
        QString reason;
        if (TextFile::removeFile(path, &reason) || QFileInfo(path).size() == 0
            || TextFile::writeBytes(path, {}, TextFile::LineWriter::Truncate, &reason))
            continue;
        // Other files of the folder are no section of any project.
        for (int i = 1; i <= SectionCount; ++i)
            if (QFileInfo(TmpFile[i]) == QFileInfo(path))
                kept << path + QStringLiteral(": ") + reason;
    }
    return kept;
}

bool RememberFileName(const QString &name, QString *error)
{
    // A save names the file that the open already remembered: rewritten
    // unchanged, it would cost a sync and nothing more.
    const QString path = TmpFile[FileNameSlot];
    const QByteArray bytes = TextFile::pathFileBytes(name, false);
    if (TextFile::holdsBytes(path, bytes))
        return true;
    QString reason;
    if (TextFile::writePathFile(path, name, false, &reason))
        return true;
    // A temp folder that takes no new file may still let this one be
    // rewritten where it stands. One short write: a crash leaves little room
    // for anything between the old name and the new.
    if (QFileInfo(path).isFile() && TextFile::writeBytes(path, bytes, TextFile::LineWriter::Truncate))
        return true;
    if (error)
        *error = reason;
    return false;
}

void ForgetFileName()
{
    const QString path = TmpFile[FileNameSlot];
    // A folder in its place names nothing.
    if (!QFileInfo(path).isFile())
        return;
    // Emptied first, so that a file that cannot be removed names nothing.
    QString reason;
    const bool emptied =
        QFileInfo(path).size() == 0 || TextFile::writeBytes(path, {}, TextFile::LineWriter::Truncate, &reason);
    if (TextFile::removeFile(path, reason.isEmpty() ? &reason : nullptr) || emptied)
        return;
    Dialogs::message(QStringLiteral("The name of the last input file could not be removed from ") + path
                         + QStringLiteral(": ") + reason
                         + QStringLiteral("\nAt the next start, ReOpen Last Session will still name ")
                         + TextFile::readPathFile(path)
                         + QStringLiteral(": a Save after it would write what the working files then hold over that file."),
                     Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, QStringLiteral("Quorvale System"));
}

bool NewFile()
{
    SetFileName(UntitledName);
    ProposedSaveName.clear();
    emit ProjectEvents::instance().saveEnabledChanged(false);
    emit ProjectEvents::instance().saveAsEnabledChanged(true);
    const QStringList kept = DeleteWorkingFiles();
    if (!kept.isEmpty())
        Dialogs::message(NotCleared(kept, QStringLiteral("the project, untitled now, is not empty; no file was "
                                                         "opened or imported into it.")),
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, QStringLiteral("Quorvale System"));
    ForgetFileName();
    return kept.isEmpty();
}

void OpenInputFile()
{
    if (FileName.isEmpty())
        return;
    ProposedSaveName.clear();
    const QStringList kept = DeleteWorkingFiles();

    const QFileInfo info(FileName);
    bool partial = false;
    if (!kept.isEmpty()) {
        // Opened under its name, the file would take that data at the next save.
        Dialogs::message(NotCleared(kept, FileName + QStringLiteral(" was not opened: a save would write that "
                                                                    "data into it.")),
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, QStringLiteral("Quorvale System"));
        SetFileName(UntitledName);
    } else if (!info.isFile()) {
        Dialogs::message(QStringLiteral("Error --- File ") + FileName + QStringLiteral(" Not Found"),
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation);
        SetFileName(UntitledName);
    } else {
        const InputFileStore::SplitResult result = InputFileStore::Split(FileName, TmpFile);
        if (!result.opened) {
            // Opened empty under its name, the file would be overwritten by the next save.
            Dialogs::message(QStringLiteral("The input file ") + FileName + QStringLiteral(" could not be read: ")
                                 + result.readError,
                             Dialogs::Buttons::OK, Dialogs::Icon::Critical, QStringLiteral("Quorvale System"));
            SetFileName(UntitledName);
        } else if (result.writeFailed) {
            // Without its working files the project would only seem to be open.
            Dialogs::message(QStringLiteral("The working files in ") + TempDir
                                 + QStringLiteral(" could not be written, so ") + FileName
                                 + QStringLiteral(" could not be opened completely."),
                             Dialogs::Buttons::OK, Dialogs::Icon::Critical, QStringLiteral("Quorvale System"));
            partial = true;
            ProposedSaveName = FileName;
            SetFileName(UntitledName);
        } else if (!result.readError.isEmpty()) {
            Dialogs::message(QStringLiteral("The input file ") + FileName
                                 + QStringLiteral(" could not be read to its end: ") + result.readError
                                 + QStringLiteral("\nWhat was read is open as an untitled project."),
                             Dialogs::Buttons::OK, Dialogs::Icon::Critical, QStringLiteral("Quorvale System"));
            partial = true;
            ProposedSaveName = FileName;
            SetFileName(UntitledName);
        } else if (!result.unknownKey.isNull()) {
            // A foreign file's first line may be binary and of any length.
            Dialogs::message(QStringLiteral("Section Header: ") + TextFile::readable(result.unknownKey, 40)
                                 + QStringLiteral(" not found! "),
                             Dialogs::Buttons::OK, Dialogs::Icon::Exclamation);
            // What was read is only part of the file: the project becomes
            // untitled, so a save cannot overwrite the whole file with it.
            partial = true;
            ProposedSaveName = FileName;
            SetFileName(UntitledName);
        }
    }

    if (IsUntitled())
        ForgetFileName();
    else
        RememberOrTell(FileName);
    if (!IsUntitled() || partial) {
        LocalLandUseSection::MergeLocalLandUse();
        Globsubs::ShowForm(QStringLiteral("frmQV31"));
    } else {
        Globsubs::ShowForm(QStringLiteral("frmMain"));
    }
}

bool SaveInputFile()
{
    QString error;
    // Nothing is written unless every working file was read: saved without
    // one, the file would lose a section, or definitions its sub-areas name.
    if (!LocalLandUseSection::BuildLocalLandUseSection(&error) || !InputFileStore::Join(TmpFile, FileName, &error)) {
        Dialogs::message(QStringLiteral("The input file ") + FileName
                             + QStringLiteral(" could not be saved: ") + error
                             + QStringLiteral("\nNothing was changed; the data are still in the editor."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, QStringLiteral("Quorvale System"));
        return false;
    }
    ProposedSaveName.clear();
    const bool remembered = RememberFileName(FileName, &error);
    DataChanged = false;
    const QString saved = QStringLiteral("Data Saved in file: ") + FileName;
    if (remembered)
        Dialogs::message(saved, Dialogs::Buttons::OK, Dialogs::Icon::None, QStringLiteral("Quorvale System"));
    else
        Dialogs::message(saved + QStringLiteral("\n\n") + NotRemembered(FileName, error), Dialogs::Buttons::OK,
                         Dialogs::Icon::Exclamation, QStringLiteral("Quorvale System"));
    const QString base = StripExtension(FileName);
    for (const char *ext : {"out", "hyd", "ecn", "err", "dbg"}) {
        // An input file named like one of its outputs must survive its own save.
        const QString output = base + QLatin1String(ext);
        if (QFileInfo(output) != QFileInfo(FileName))
            QFile::remove(output);
    }
    emit ProjectEvents::instance().outputsChanged(FileName);
    return true;
}

bool SaveAsInputFile(const QString &dialogTitle)
{
    QString proposed;
    const QString current = IsUntitled() ? ProposedSaveName : FileName;
    if (!current.isEmpty())
        proposed = current.mid(LastSeparator(current) + 1);
    const QString chosen = WithInputExtension(Dialogs::saveFile(
        dialogTitle, QStringLiteral("Input File (*.inp)|*.inp|All files (*.*)|*.*"), 1, LastDir, proposed));
    QDir::setCurrent(AppDir);
    if (chosen.isEmpty())
        return false;
    LastDir = GetPath(chosen);

    bool saved = false;
    const Dialogs::Answer answer = Dialogs::message(QStringLiteral("Save: ") + chosen, Dialogs::Buttons::YesNo,
                                                    Dialogs::Icon::Question, QStringLiteral("Quorvale System"));
    if (answer == Dialogs::Answer::Yes) {
        const QString previous = FileName;
        SetFileName(chosen);
        saved = SaveInputFile();
        if (saved) {
            ShowProjectInCaption();
            DataChanged = false;
        } else {
            SetFileName(previous); // the project keeps the name it had
        }
    }
    emit ProjectEvents::instance().saveEnabledChanged(true);
    // A save remembered its file itself.
    if (!saved && !IsUntitled())
        RememberOrTell(FileName);
    return saved;
}

} // namespace Run_Save_Open
