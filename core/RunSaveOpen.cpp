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

void DeleteWorkingFiles()
{
    QDir temp(TempDir);
    const QStringList names = temp.entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
    for (const QString &n : names)
        temp.remove(n);
}

bool RememberFileName(const QString &name)
{
    // A save names the file that the open already remembered: rewritten
    // unchanged, it would cost a sync and nothing more.
    const QString path = TmpFile[FileNameSlot];
    if (TextFile::holdsBytes(path, TextFile::pathFileBytes(name, false)))
        return true;
    return TextFile::writePathFile(path, name, false);
}

void NewFile()
{
    SetFileName(UntitledName);
    ProposedSaveName.clear();
    emit ProjectEvents::instance().saveEnabledChanged(false);
    emit ProjectEvents::instance().saveAsEnabledChanged(true);
    DeleteWorkingFiles();
}

void OpenInputFile()
{
    if (FileName.isEmpty())
        return;
    ProposedSaveName.clear();
    DeleteWorkingFiles();

    const QFileInfo info(FileName);
    bool partial = false;
    if (!info.isFile()) {
        Dialogs::message(QStringLiteral("Error --- File ") + FileName + QStringLiteral(" Not Found"),
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation);
        SetFileName(UntitledName);
    } else {
        const InputFileStore::SplitResult result = InputFileStore::Split(FileName, TmpFile);
        if (result.writeFailed) {
            // Without its working files the project would only seem to be open.
            Dialogs::message(QStringLiteral("The working files in ") + TempDir
                                 + QStringLiteral(" could not be written, so ") + FileName
                                 + QStringLiteral(" could not be opened completely."),
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

    if (!IsUntitled() || partial) {
        if (!partial)
            RememberFileName(FileName);
        LocalLandUseSection::MergeLocalLandUse();
        Globsubs::ShowForm(QStringLiteral("frmQV31"));
    } else {
        Globsubs::ShowForm(QStringLiteral("frmMain"));
    }
}

bool SaveInputFile()
{
    QString error;
    if (!LocalLandUseSection::BuildLocalLandUseSection(&error)) {
        // Saved without it, the file could lose definitions its sub-areas name.
        Dialogs::message(QStringLiteral("The input file ") + FileName
                             + QStringLiteral(" could not be saved: the Local Land Use working file ")
                             + TmpFile[SecLocalLandUse] + QStringLiteral(" could not be written: ") + error
                             + QStringLiteral("\nNothing was changed; the data are still in the editor."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, QStringLiteral("Quorvale System"));
        return false;
    }
    if (!InputFileStore::Join(TmpFile, FileName, &error)) {
        Dialogs::message(QStringLiteral("The input file ") + FileName
                             + QStringLiteral(" could not be saved: ") + error
                             + QStringLiteral("\nNothing was changed; the data are still in the editor."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, QStringLiteral("Quorvale System"));
        return false;
    }
    ProposedSaveName.clear();
    RememberFileName(FileName);
    DataChanged = false;
    Dialogs::message(QStringLiteral("Data Saved in file: ") + FileName, Dialogs::Buttons::OK,
                     Dialogs::Icon::None, QStringLiteral("Quorvale System"));
    const QString base = StripExtension(FileName);
    for (const char *ext : {"out", "hyd", "ecn", "err", "dbg"}) {
        // An input file named like one of its outputs must survive its own save.
        const QString output = base + QLatin1String(ext);
        if (QFileInfo(output) != QFileInfo(FileName))
            QFile::remove(output);
    }
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
            emit ProjectEvents::instance().titleChanged(EditorTitle + QStringLiteral("   Current File - ") + FileName);
            DataChanged = false;
        } else {
            SetFileName(previous); // the project keeps the name it had
        }
    }
    emit ProjectEvents::instance().saveEnabledChanged(true);
    if (!IsUntitled())
        RememberFileName(FileName);
    return saved;
}

} // namespace Run_Save_Open
