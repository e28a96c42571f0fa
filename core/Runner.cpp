#include "core/Runner.h"

#include "core/logic/CallShell.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "core/ProjectEvents.h"
#include "core/QvForm.h"
#include "core/RunSaveOpen.h"
#include "core/logic/TextFile.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

using namespace Editglob;

namespace Run_Save_Open {

int ChooseViewFileIndex(const QString &errorFile, int current, bool viewerWanted)
{
    // Only whether a second line exists matters: an output file may be large.
    if (TextFile::countLines(errorFile, 2) >= 2)
        return 5;
    return viewerWanted ? 4 : current;
}

namespace {

// Without it the viewer cannot open and the run would seem to have done nothing.
void ReportMissingPrintedPage(const QString &input, const QString &printedPage)
{
    QFile file(printedPage);
    if (file.open(QIODevice::ReadOnly))
        return;
    const QString why = file.exists() ? QStringLiteral(" could not be opened.") : QStringLiteral(" was not written.");
    Dialogs::message(QStringLiteral("The run of ") + input + QStringLiteral(" has ended, but its printed-page file ")
                         + printedPage + why,
                     Dialogs::Buttons::OK, Dialogs::Icon::Exclamation);
}

} // namespace

CallShell::WaitResult RunProgram(const QString &controlFileName, const QString &programFileName, QString runFile)
{
    // Everything this run needs of the project is taken now: a command chosen
    // during the wait may open another file.
    const QString base = StripExtension(runFile);
    const QString appDir = AppDir;
    // Whether the command shows its output too: a viewer opened during the
    // wait puts its titles in DisplayTitle, but the command did not ask for it.
    const bool viewerWanted = !TextFile::isBlank(DisplayTitle);

    if (!TextFile::writePathFile(appDir + controlFileName, runFile, true))
        return CallShell::WaitResult::NotStarted;
    const CallShell::WaitResult result = CallShell::RunAndWait(appDir + programFileName, appDir, 3);
    if (result != CallShell::WaitResult::Finished)
        return result;

    DisplayFile = base;
    ViewFileIndex = ChooseViewFileIndex(base + QStringLiteral("err"), ViewFileIndex, viewerWanted);
    if (viewerWanted) {
        emit ProjectEvents::instance().runOutputReady(runFile);
        if (ViewFileIndex == 4)
            ReportMissingPrintedPage(runFile, base + ViewExt[4]);
    }
    emit ProjectEvents::instance().outputsChanged(runFile);
    return CallShell::WaitResult::Finished;
}

OutputStamp::OutputStamp(const QString &path) : path_(path)
{
    const QFileInfo info(path);
    existed_ = info.exists();
    if (existed_) {
        size_ = info.size();
        modified_ = info.lastModified();
    }
}

bool OutputStamp::unchanged() const
{
    const QFileInfo info(path_);
    if (info.exists() != existed_)
        return false;
    return !existed_ || (info.size() == size_ && info.lastModified() == modified_);
}

QString ErrorFileNote(const QString &output)
{
    const QString errorFile = StripExtension(output) + QStringLiteral("err");
    return QFileInfo::exists(errorFile) ? QStringLiteral("\nIts error file is ") + errorFile + QLatin1Char('.')
                                        : QString();
}

bool AppendHecRasSection(QString reformatted, const OutputStamp *before)
{
    auto nothingImported = [](const QString &why) {
        Dialogs::message(why + QStringLiteral("\nNothing was imported."), Dialogs::Buttons::OK,
                         Dialogs::Icon::Exclamation, QStringLiteral("Quorvale System"));
        return false;
    };
    // A reformatter that could not read its file writes only its error file,
    // which then says why.
    auto nothingWritten = [&nothingImported, &reformatted] {
        return nothingImported(QStringLiteral("The HEC-RAS reformatter wrote no cross sections into ") + reformatted
                               + QLatin1Char('.') + ErrorFileNote(reformatted));
    };
    // A file of an earlier run, left as it was, holds no cross sections of this one.
    if (before && before->unchanged())
        return nothingWritten();
    TextFile::LineReader reader;
    if (!reader.open(reformatted) && !QFileInfo::exists(reformatted))
        return nothingWritten();
    QString header;
    QString line;
    int read = 0;
    while (read < 5 && reader.readLine(line)) {
        header = line;
        ++read;
    }
    QStringList records;
    while (reader.readLine(line))
        records << line;
    // Part of the records, or none, would pass for all of them.
    if (reader.failed())
        return nothingImported(QStringLiteral("The file ") + reformatted + QStringLiteral(" could not be read: ")
                               + reader.errorString());
    reader.close();
    if (read == 0)
        return nothingWritten();
    QString rebuilt = header;
    if (read < 5 || InputFileStore::SectionOfHeader(InputFileStore::HeaderKey(header), rebuilt) != SecXsect)
        return nothingImported(QStringLiteral("The file ") + reformatted
                               + QStringLiteral(" holds no Stream Cross Section header on line 5."));

    // A working file that could not be read is no empty section: written
    // from what was read, it would lose the project's cross sections.
    const QString &workFile = TmpFile[SecXsect];
    QStringList lines;
    QString error;
    if (!InputFileStore::ReadWorkingFile(
            workFile,
            [&lines, &line](TextFile::LineReader &working) {
                while (working.readLine(line))
                    lines << line;
            },
            &error)) {
        // The store's reason reads as the end of a sentence.
        if (!error.isEmpty())
            error[0] = error[0].toUpper();
        return nothingImported(error + QLatin1Char('.'));
    }
    // The cross-section window stops reading at the first blank line, so the
    // records go right after the last line that holds something.
    while (!lines.isEmpty() && TextFile::isBlank(lines.last()))
        lines.removeLast();
    if (lines.isEmpty())
        lines << header;
    lines << records;
    if (!TextFile::writeLines(workFile, lines, &error))
        return nothingImported(QStringLiteral("The cross-section working file ") + workFile
                               + QStringLiteral(" could not be written:\n") + error);
    return true;
}

void UpdateViewMenu(QvForm *frm)
{
    if (!frm)
        return;
    auto *menu = frm->findChild<QMenu *>(QStringLiteral("mnuView"));
    auto item = [frm](int n) { return frm->findChild<QAction *>(QStringLiteral("mnuViewItem_%1").arg(n)); };
    auto enable = [&item](int n, bool on) {
        if (QAction *a = item(n))
            a->setEnabled(on);
    };
    for (int n : {0, 1, 4, 5, 6, 7, 8})
        enable(n, false);

    bool any = false;
    if (TextFile::countLines(TmpFile[SecReach], 2) >= 2) {
        enable(0, true);
        any = true;
    }
    if (DataChanged)
        return;
    if (!IsUntitled()) {
        enable(1, true);
        any = true;
    }
    const QString base = StripExtension(FileName);
    for (int n = 4; n <= 8; ++n) {
        if (TextFile::countLines(base + ViewExt[n], 2) >= 2) {
            enable(n, true);
            any = true;
        }
    }
    if (menu)
        menu->menuAction()->setVisible(any);
}

} // namespace Run_Save_Open
