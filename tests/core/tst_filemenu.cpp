#include "DialogScript.h"
#include "ProgramFolder.h"
#include "tests/ratings/RatingDriver.h"

#include "core/logic/CallShell.h"
#include "core/logic/Editglob.h"
#include "core/FileMenu.h"
#include "core/logic/InputFileStore.h"
#include "core/QvForm.h"
#include "core/RunSaveOpen.h"
#include "core/frmMain.h"
#include "core/ProjectEvents.h"
#include "core/logic/TextFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace Editglob;
using Dialogs::Answer;

namespace {

QByteArray crlf(const QByteArray &lfText)
{
    QByteArray out = lfText;
    out.replace("\n", "\r\n");
    return out;
}

const QString StartCaption = QStringLiteral("Quorvale System Controller /  Editor ");

QString caption(const QString &name) { return QStringLiteral("Quorvale Editor 2001   Current File - ") + name; }

frmMain *mainWindow() { return frmMain::instance(); }

QString StripExtensionOut(const QString &name) { return Run_Save_Open::StripExtension(name) + QStringLiteral("out"); }

void trigger(int item) { mainWindow()->mnuFileItem(item)->trigger(); }

bool shown(const char *name)
{
    QWidget *w = mainWindow()->findChild<QWidget *>(QString::fromLatin1(name));
    return w && w->isVisibleTo(mainWindow());
}

bool windowOpen(const QString &name)
{
    for (QvForm *form : Forms::created())
        if (form->objectName() == name)
            return form->isLoaded() && form->isVisible();
    return false;
}

// What a save would write from the working files as they are now.
QByteArray joinedNow()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("j.inp"));
    InputFileStore::Join(TmpFile, path, nullptr);
    return ProgramFolder::readBytes(path);
}

// Writes `bytes` as the input file `name` below the program folder, its
// folder made if need be, and opens it through File Open.
QString openInput(const ProgramFolder &folder, DialogScript &script, const QString &name, const QByteArray &bytes)
{
    const QString path = folder.file(name);
    QDir().mkpath(QFileInfo(path).path());
    ProgramFolder::writeBytes(path, bytes);
    script.chooseFile(path);
    trigger(2);
    return path;
}

// Every working file (the remembered file name included) as it is now; "-"
// for one that is missing.
QList<QByteArray> workingFilesNow()
{
    QList<QByteArray> files;
    for (int i = 1; i <= FileNameSlot; ++i)
        files << (QFile::exists(TmpFile[i]) ? ProgramFolder::readBytes(TmpFile[i]) : QByteArray("-"));
    return files;
}

// A named project with unsaved changes in its working files.
QString changedProject(const ProgramFolder &folder)
{
    const QString path = folder.file(QStringLiteral("old.inp"));
    ProgramFolder::writeBytes(path, crlf("Quorvale: Version 1.0\n\n"));
    ProgramFolder::writeBytes(TmpFile[13], crlf("Quorvale: Version 1.0\n"));
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\nR1\n"));
    SetFileName(path);
    DataChanged = true;
    mainWindow()->SetSaveEnabled(true);
    mainWindow()->SetSaveAsEnabled(true);
    return path;
}

// The file system refuses what a hook names, as a read-only folder or file
// refuses a user that permissions apply to, until this goes out of scope.
class Refusals
{
public:
    explicit Refusals(TextFile::AccessHook hook) : previous_(TextFile::setAccessHook(std::move(hook))) {}
    ~Refusals() { TextFile::setAccessHook(std::move(previous_)); }

private:
    TextFile::AccessHook previous_;
};

// The refusals that stand for `fault`, on the file `path` where it names one.
TextFile::AccessHook refusalsFor(const QString &fault, const QString &path)
{
    using TextFile::Access;
    const QString denied = QStringLiteral("Permission denied");
    if (fault == QLatin1String("temp read-only")) // files in it can still be written
        return [denied](const QString &p, Access a) {
            const bool newFile = a == Access::Replace || a == Access::Remove
                                 || (a == Access::InPlace && !QFile::exists(p));
            return p.startsWith(TempDir) && newFile ? denied : QString();
        };
    if (fault == QLatin1String("temp locked"))
        return [denied](const QString &p, Access a) { return p.startsWith(TempDir) && a != Access::Read ? denied : QString(); };
    if (fault == QLatin1String("locked"))
        return [denied, path](const QString &p, Access a) { return p == path && a != Access::Read ? denied : QString(); };
    if (fault == QLatin1String("kept"))
        return [denied, path](const QString &p, Access a) { return p == path && a == Access::Remove ? denied : QString(); };
    if (fault == QLatin1String("unreadable"))
        return [denied, path](const QString &p, Access a) { return p == path && a == Access::Read ? denied : QString(); };
    if (fault == QLatin1String("read breaks")) {
        // Each open passes and the read after it fails.
        auto reads = std::make_shared<int>(0);
        return [path, reads](const QString &p, Access a) {
            return p == path && a == Access::Read && ++*reads % 2 == 0 ? QStringLiteral("Input/output error") : QString();
        };
    }
    return nullptr;
}

QByteArray landUseLine(const char *name, const char *numbers) { return QByteArray(name).leftJustified(50) + numbers; }

// An input file as the program saves it, whose sub-areas name two local land uses.
const QByteArray DemoInput = "Quorvale: Version 1.0\r\n\r\n"
                             "SUB-AREA:\r\n          NORTH     OUTLET\r\n"
                             "                    LAND AREA Orchard                            A    1.\r\n"
                             "                    LAND AREA Vineyard                           A    1.\r\n\r\n"
                             "STREAM REACH:\r\nR1\r\n\r\n"
                             "LOCAL LAND USE:\r\n" + landUseLine("Orchard", "45.  66.  77.  83.  ") + "\r\n"
                             + landUseLine("Vineyard", "40.  60.  70.  80.  ") + "\r\n\r\n";

// Demo.inp opened through File Open under data/, and saved once.
QString openDemo(const ProgramFolder &folder, DialogScript &script)
{
    const QString demo = openInput(folder, script, QStringLiteral("data/Demo.inp"), DemoInput);
    script.answer(Answer::OK);
    trigger(14);
    script.clear();
    QDir().mkdir(folder.file(QStringLiteral("other")));
    return demo;
}

// `message` holds each text of `told` ("%demo" standing for `demo`), and the
// remembered name is `remembered`: "demo", "new" for `other`, or none.
void checkToldAndRemembered(const QString &message, QStringList told, const QString &remembered,
                            const QString &demo, const QString &other)
{
    for (QString &part : told)
        QVERIFY2(message.contains(part.replace(QStringLiteral("%demo"), demo)), qPrintable(message));
    const QString expected = remembered == QLatin1String("demo") ? demo
                             : remembered == QLatin1String("new") ? other
                                                                  : QString();
    QCOMPARE(TextFile::readPathFile(TmpFile[FileNameSlot]), expected);
}

QList<QByteArray> workingFiles()
{
    QList<QByteArray> files;
    for (int slot = 1; slot <= SectionCount; ++slot)
        files << ProgramFolder::readBytes(TmpFile[slot]);
    return files;
}

// An entry window that would write its section when it is accepted.
class frmTestEntry : public QvForm
{
public:
    bool IsEntryWindow() const override { return true; }
    int accepted = 0;

protected:
    void buildControls(QWidget *) override { setWindowTitle(QStringLiteral("Test Entry")); }
    bool Form_QueryUnload() override
    {
        ++accepted;
        return true;
    }
};

} // namespace

QV_REGISTER_FORM(frmTestEntry)

class TestFileMenu : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newFileWithoutChanges();
    void currentFileCheck_data();
    void currentFileCheck();
    void untitledChangesLeadToSaveAs();
    void openExisting_data();
    void openExisting();
    void openCancelled();
    void dialogCancelledOnSavedProject_data();
    void dialogCancelledOnSavedProject();
    void commandsCloseEntryWindows_data();
    void commandsCloseEntryWindows();
    void reOpenLastSession_data();
    void reOpenLastSession();
    void reOpenDamagedName_data();
    void reOpenDamagedName();
    void reOpenNameBeyondLatin1();
    void convertNotFound();
    void importNotFound_data();
    void importNotFound();
    void convertOpensConvertedFile();
    void importHecRas_data();
    void importHecRas();
    void convertedFileReplacedOnlyWhenAllowed_data();
    void convertedFileReplacedOnlyWhenAllowed();
    void importedStreamStaysText();
    void saveAndSaveAs();
    void saveKeepsDefinitionsOfEveryLandRow();
    void saveThatCannotDoItsWork_data();
    void saveThatCannotDoItsWork();
    void openAndNewKeepTheName_data();
    void openAndNewKeepTheName();
    void openAndNewLeaveNoWorkingFile_data();
    void openAndNewLeaveNoWorkingFile();
    void commandsAskAboutUnacceptedEntries_data();
    void commandsAskAboutUnacceptedEntries();
    void importClosesCrossSectionWindow_data();
    void importClosesCrossSectionWindow();
    void importIntoKeptProjectClosesWindowsAskedAbout();
    void importThatCannotReadOrWrite_data();
    void importThatCannotReadOrWrite();
    void importWithoutReformattedFile();
    void outputOfAnEarlierRunIsNotTaken_data();
    void outputOfAnEarlierRunIsNotTaken();
    void commandsRefusedWhileAProgramRuns_data();
    void commandsRefusedWhileAProgramRuns();
    void convertAsksAboutEntriesMadeDuringItsWait_data();
    void convertAsksAboutEntriesMadeDuringItsWait();
    void endingDuringAWaitStopsTheCommand_data();
    void endingDuringAWaitStopsTheCommand();
    void exitCommand_data();
    void exitCommand();
    void exitSaveDialog();
    void localWindowsKeepDisclaimer_data();
    void localWindowsKeepDisclaimer();

private:
    int ended_ = 0;
    FileMenu::EndProgramHandler previousEnd_;
};

void TestFileMenu::init()
{
    ended_ = 0;
    previousEnd_ = FileMenu::setEndProgramHandler([this] { ++ended_; });
}

void TestFileMenu::cleanup() { FileMenu::setEndProgramHandler(previousEnd_); }

void TestFileMenu::newFileWithoutChanges()
{
    ProgramFolder folder(true);
    DialogScript script;
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\nR1\n"));
    trigger(1);
    QVERIFY(script.asked().isEmpty());
    QCOMPARE(FileName, UntitledName);
    QVERIFY(OutFileName.isEmpty());
    QVERIFY(!QFile::exists(TmpFile[8]));
    QVERIFY(!mainWindow()->mnuFileItem(14)->isEnabled());
    QVERIFY(mainWindow()->mnuFileItem(15)->isEnabled());
    QCOMPARE(mainWindow()->windowTitle(), caption(UntitledName));
    QVERIFY(shown("Frame2"));
    QVERIFY(!shown("Frame1"));
    QVERIFY(!shown("cmdHelp"));
    QVERIFY(windowOpen(QStringLiteral("frmQV31")));
}

void TestFileMenu::currentFileCheck_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<Answer>("answer");
    const QList<QPair<int, QString>> commands = {
        {1, QStringLiteral("a new Quorvale input data file ?")},
        {2, QStringLiteral("another Quorvale input data file ?")},
        {6, QStringLiteral("converted old QV-31 input data ?")},
        {7, QStringLiteral("reformatted HEC-RAS cross section data ?")}};
    for (const auto &[item, line] : commands)
        for (Answer a : {Answer::Yes, Answer::No, Answer::Cancel})
            QTest::addRow("item %d, %s", item,
                          a == Answer::Yes ? "Yes" : a == Answer::No ? "No" : "Cancel")
                << item << line << a;
}

// New, Open, Convert and Import ask before unsaved changes go; Yes saves and
// clears, No goes on without saving, Cancel stops with everything kept.
void TestFileMenu::currentFileCheck()
{
    QFETCH(int, item);
    QFETCH(QString, lastLine);
    QFETCH(Answer, answer);
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = changedProject(folder);
    const QByteArray before = ProgramFolder::readBytes(path);
    const QByteArray joined = joinedNow();

    script.answer(answer);
    if (answer == Answer::Yes)
        script.answer(Answer::OK); // "Data Saved in file: "
    if (answer != Answer::Cancel && item != 1)
        script.cancelFile();
    trigger(item);

    const Dialogs::Request &question = script.asked().first();
    QCOMPARE(question.text, QStringLiteral("Save and Close current file before loading\r") + lastLine);
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNoCancel);
    QCOMPARE(question.icon, Dialogs::Icon::None);
    QVERIFY(question.title.isEmpty());
    QCOMPARE(script.pending(), 0);

    QCOMPARE(ProgramFolder::readBytes(path), answer == Answer::Yes ? joined : before);
    if (answer == Answer::Yes)
        QCOMPARE(script.messages().at(1), QStringLiteral("Data Saved in file: ") + path);
    // Convert clears the project only once an old data file was chosen.
    const bool cleared = item != 6 && (answer == Answer::Yes || (answer == Answer::No && item == 1));
    QCOMPARE(QFile::exists(TmpFile[8]), !cleared);
    QCOMPARE(FileName, cleared ? UntitledName : path);
    QCOMPARE(OutFileName, cleared ? QString() : folder.file(QStringLiteral("old.out")));
    if (answer == Answer::Cancel) {
        QVERIFY(DataChanged);
        QCOMPARE(mainWindow()->windowTitle(), caption(path));
    }
}

void TestFileMenu::untitledChangesLeadToSaveAs()
{
    ProgramFolder folder(true);
    DialogScript script;
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\nR1\n"));
    DataChanged = true;
    const QByteArray joined = joinedNow();
    const QString target = folder.file(QStringLiteral("kept.inp"));

    // The Save As dialog cancelled: nothing is cleared.
    script.answer(Answer::Yes).cancelFile();
    trigger(2);
    QCOMPARE(script.asked().at(1).title, QStringLiteral("Save Quorvale file"));
    QCOMPARE(script.asked().size(), 2);
    QVERIFY(QFile::exists(TmpFile[8]));
    QVERIFY(DataChanged);

    script.clear();
    script.answer(Answer::Yes).chooseFile(target).answer(Answer::Yes).answer(Answer::OK).cancelFile();
    trigger(2);
    QCOMPARE(script.pending(), 0);
    QCOMPARE(ProgramFolder::readBytes(target), joined);
    QVERIFY(!QFile::exists(TmpFile[8]));
    QCOMPARE(FileName, UntitledName);
}

void TestFileMenu::openExisting_data()
{
    QTest::addColumn<QString>("stem");
    QTest::newRow("plain name") << "run";
    QTest::newRow("name beginning with a dot") << ".run"; // an ordinary file here
}

void TestFileMenu::openExisting()
{
    QFETCH(QString, stem);
    ProgramFolder folder(true);
    DialogScript script;
    QDir(folder.path()).mkdir(QStringLiteral("data"));
    const QString path = folder.file(QStringLiteral("data/") + stem + QStringLiteral(".inp"));
    const QByteArray bytes = crlf("Quorvale: Version 1.0\n\nSUB-AREA:\nS1\n\nSTREAM REACH:\nR1\n\n");
    ProgramFolder::writeBytes(path, bytes);
    DataChanged = true;
    ProgramFolder::writeBytes(TmpFile[9], crlf("STORM ANALYSIS:\n"));
    script.answer(Answer::No).chooseFile(path);
    trigger(2);

    const Dialogs::Request &dialog = script.asked().at(1);
    QCOMPARE(dialog.kind, Dialogs::Kind::OpenFile);
    QCOMPARE(dialog.title, QStringLiteral("Open Quorvale file"));
    QCOMPARE(dialog.filter, QStringLiteral("Input Files (*.inp)|*.inp|All files (*.*)|*.*"));
    QCOMPARE(dialog.fileName, QStringLiteral("*.inp"));
    QCOMPARE(dialog.initialDir, AppDir);

    QCOMPARE(FileName, path);
    QCOMPARE(OutFileName, folder.file(QStringLiteral("data/") + stem + QStringLiteral(".out")));
    QCOMPARE(LastDir, folder.file(QStringLiteral("data/")));
    QCOMPARE(QDir::currentPath() + QLatin1Char('/'), AppDir);
    QVERIFY(!DataChanged);
    QVERIFY(mainWindow()->mnuFileItem(14)->isEnabled());
    QVERIFY(mainWindow()->mnuFileItem(15)->isEnabled());
    QCOMPARE(ProgramFolder::readBytes(TmpFile[11]), crlf("SUB-AREA:\nS1\n"));
    QVERIFY(!QFile::exists(TmpFile[9]));
    QCOMPARE(mainWindow()->windowTitle(), caption(path));
    QVERIFY(windowOpen(QStringLiteral("frmQV31")));
    // Opening it again starts from its folder.
    script.clear();
    script.cancelFile();
    trigger(2);
    QCOMPARE(script.asked().first().initialDir, folder.file(QStringLiteral("data/")));
}

void TestFileMenu::openCancelled()
{
    ProgramFolder folder(true);
    DialogScript script;
    script.cancelFile();
    trigger(2);
    // Ended at once: the caption is not updated and the list stays hidden.
    QCOMPARE(mainWindow()->windowTitle(), StartCaption);
    QVERIFY(!shown("Frame2"));
    QVERIFY(!shown("Frame1"));
    QCOMPARE(FileName, UntitledName);
    QVERIFY(!mainWindow()->mnuFileItem(14)->isEnabled());
}

void TestFileMenu::dialogCancelledOnSavedProject_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("captionUpdated");
    QTest::addColumn<bool>("kept");
    QTest::newRow("open") << 2 << false << false;
    QTest::newRow("convert") << 6 << true << true;
    QTest::newRow("import") << 7 << true << false;
}

// A saved project and a cancelled file dialog: Open and Import have cleared
// the project before their dialog, Convert clears it only for a chosen file.
void TestFileMenu::dialogCancelledOnSavedProject()
{
    QFETCH(int, item);
    QFETCH(bool, captionUpdated);
    QFETCH(bool, kept);
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = changedProject(folder);
    DataChanged = false;
    script.cancelFile();
    trigger(item);
    QCOMPARE(script.pending(), 0);
    QCOMPARE(script.asked().size(), 1);
    QCOMPARE(FileName, kept ? path : UntitledName);
    QCOMPARE(QFile::exists(TmpFile[8]), kept);
    QCOMPARE(mainWindow()->mnuFileItem(14)->isEnabled(), kept);
    QCOMPARE(mainWindow()->windowTitle(), captionUpdated ? caption(FileName) : StartCaption);
    QCOMPARE(shown("Frame2"), captionUpdated);
}

void TestFileMenu::commandsCloseEntryWindows_data()
{
    QTest::addColumn<int>("item");
    QTest::newRow("new") << 1;
    QTest::newRow("open") << 2;
    QTest::newRow("reopen") << 3;
    QTest::newRow("convert") << 6;
    QTest::newRow("import into a new project") << 7;
}

// An entry window left open would write the old project's section into the
// next project when accepted: the commands that replace the project close it.
void TestFileMenu::commandsCloseEntryWindows()
{
    QFETCH(int, item);
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = folder.file(QStringLiteral("next.inp"));
    ProgramFolder::writeBytes(path, crlf("Quorvale: Version 1.0\n\n"));
    Globsubs::ShowForm(QStringLiteral("frmTestEntry"));
    auto *entry = static_cast<frmTestEntry *>(Forms::get(QStringLiteral("frmTestEntry")));
    QVERIFY(entry->isLoaded());
    if (item == 2)
        script.chooseFile(path);
    if (item == 6 || item == 7)
        script.chooseFile(folder.file(QStringLiteral("in.dat"))).answer(Answer::OK); // NOT FOUND
    trigger(item);
    QCOMPARE(script.pending(), 0);
    QVERIFY(!entry->isLoaded());
    QVERIFY(!entry->isVisible());
    QCOMPARE(entry->accepted, 0);
}

void TestFileMenu::reOpenLastSession_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("changed");
    QTest::newRow("as saved") << "" << true << false;
    QTest::newRow("working file edited") << "working" << true << true;
    QTest::newRow("file changed on disk") << "disk" << true << true;
    QTest::newRow("file gone") << "gone" << true << true;
    QTest::newRow("no remembered name") << "forget" << false << true;
    QTest::newRow("no remembered name, no data") << "empty" << false << false;
}

void TestFileMenu::reOpenLastSession()
{
    QFETCH(QString, change);
    QFETCH(bool, named);
    QFETCH(bool, changed);
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = openInput(folder, script, QStringLiteral("run.inp"),
                                   crlf("Quorvale: Version 1.0\n\nSTREAM REACH:\nR1\n\n"));
    mainWindow()->Form_Activate(); // creates the missing working files
    script.answer(Answer::OK);
    trigger(14);
    QVERIFY(!DataChanged);

    if (change == QLatin1String("working"))
        ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\nR2\n"));
    else if (change == QLatin1String("disk"))
        ProgramFolder::writeBytes(path, crlf("Quorvale: Version 1.0\n\n"));
    else if (change == QLatin1String("gone"))
        QFile::remove(path);
    else if (change == QLatin1String("forget"))
        QFile::remove(TmpFile[16]);
    else if (change == QLatin1String("empty"))
        Run_Save_Open::DeleteWorkingFiles();

    // A later start of the program finds the files as they were left.
    mainWindow()->unload();
    mainWindow()->load();
    script.clear();
    trigger(3);
    QVERIFY(script.asked().isEmpty());
    QCOMPARE(FileName, named ? path : UntitledName);
    QCOMPARE(OutFileName, named ? folder.file(QStringLiteral("run.out")) : QString());
    QCOMPARE(DataChanged, changed);
    QCOMPARE(mainWindow()->mnuFileItem(14)->isEnabled(), named);
    QVERIFY(mainWindow()->mnuFileItem(15)->isEnabled());
    QVERIFY(windowOpen(QStringLiteral("frmQV31")));
    QCOMPARE(mainWindow()->windowTitle(), caption(FileName));
}

void TestFileMenu::reOpenDamagedName_data()
{
    QTest::addColumn<QByteArray>("remembered");
    QTest::newRow("random bytes") << QByteArray("\x8f\x01\xd3Z\x00\x7f\x90q\x02\r\n", 11);
    QTest::newRow("NUL inside a path") << QByteArray("/tmp/run\x00.inp\r\n", 15);
    QTest::newRow("control character") << QByteArray("/tmp/r\x1bun.inp\r\n");
}

// A damaged remembered name is never taken for the file to save to.
void TestFileMenu::reOpenDamagedName()
{
    QFETCH(QByteArray, remembered);
    ProgramFolder folder(true);
    DialogScript script;
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\nR1\n"));
    ProgramFolder::writeBytes(TmpFile[16], remembered);
    script.answer(Answer::OK);
    trigger(3);
    QCOMPARE(script.messages().size(), 1);
    QVERIFY(script.messages().first().contains(QStringLiteral("untitled")));
    QCOMPARE(FileName, UntitledName);
    QVERIFY(!mainWindow()->mnuFileItem(14)->isEnabled());
    QVERIFY(mainWindow()->mnuFileItem(15)->isEnabled());
    QVERIFY(DataChanged); // the working files hold data
    QCOMPARE(ProgramFolder::readBytes(TmpFile[8]), crlf("STREAM REACH:\nR1\n"));
}

// The remembered name comes back whole whatever characters its folder has.
void TestFileMenu::reOpenNameBeyondLatin1()
{
    ProgramFolder folder(true);
    DialogScript script;
    const QString path =
        openInput(folder, script, QStringLiteral("\u0432\u043e\u0434\u0430/run.inp"), crlf("Quorvale: Version 1.0\n\n"));
    mainWindow()->unload();
    mainWindow()->load();
    trigger(3);
    QCOMPARE(FileName, path);
}

// A converter that cannot start leaves the project untitled: named after the
// old data file, the next save would overwrite that file.
void TestFileMenu::convertNotFound()
{
    ProgramFolder folder(true);
    DialogScript script;
    const QString dat = folder.file(QStringLiteral("old.dat"));
    ProgramFolder::writeBytes(dat, "old data\r\n");
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\nR1\n"));
    script.chooseFile(dat).answer(Answer::OK);
    trigger(6);

    const Dialogs::Request &dialog = script.asked().at(0);
    QCOMPARE(dialog.title, QStringLiteral("Open old QV-31 file"));
    QCOMPARE(dialog.filter, QStringLiteral("Data Files (*.dat)|*.dat|All files (*.*)|*.*"));
    QCOMPARE(dialog.filterIndex, 1);
    QCOMPARE(dialog.fileName, QStringLiteral("*.dat"));
    const Dialogs::Request &message = script.asked().at(1);
    QCOMPARE(message.text, QStringLiteral("QV-31 Input Converter (QV31_Converter.exe) - NOT FOUND"));
    QCOMPARE(message.buttons, Dialogs::Buttons::OK);
    QCOMPARE(message.icon, Dialogs::Icon::None);
    QVERIFY(message.title.isEmpty());
    QCOMPARE(RunProgramTitle, QStringLiteral("QV-31 Input Converter (QV31_Converter.exe)"));

    QCOMPARE(FileName, UntitledName);
    QVERIFY(OutFileName.isEmpty());
    QCOMPARE(QFileInfo(TmpFile[8]).size(), 0); // cleared, then listed again
    // The caption shows the cleared project, not the file it replaced.
    QCOMPARE(mainWindow()->windowTitle(), caption(UntitledName));
    QCOMPARE(mainWindow()->cursor().shape(), mainWindow()->SavedPointer);
    QCOMPARE(QDir::currentPath() + QLatin1Char('/'), AppDir);
    QVERIFY(!mainWindow()->mnuFileItem(14)->isEnabled());

    // Saving now asks for a name and leaves the old data alone.
    script.clear();
    script.cancelFile();
    mainWindow()->mnuFileItem(15)->trigger();
    QCOMPARE(script.asked().first().kind, Dialogs::Kind::SaveFile);
    QCOMPARE(ProgramFolder::readBytes(dat), QByteArray("old data\r\n"));
}

void TestFileMenu::importNotFound_data()
{
    QTest::addColumn<bool>("keep");
    QTest::newRow("added to the current project") << true;
    QTest::newRow("new project") << false;
}

void TestFileMenu::importNotFound()
{
    QFETCH(bool, keep);
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = changedProject(folder);
    const QString txt = folder.file(QStringLiteral("ras.txt"));
    ProgramFolder::writeBytes(txt, "ras output\r\n");
    if (keep)
        script.answer(Answer::No);
    else
        script.answer(Answer::Yes).answer(Answer::OK);
    script.chooseFile(txt).answer(Answer::OK);
    trigger(7);

    const Dialogs::Request &dialog = script.asked().at(keep ? 1 : 2);
    QCOMPARE(dialog.title, QStringLiteral("Open HEC-RAS file"));
    QCOMPARE(dialog.filter, QStringLiteral("Text Files (*.txt)|*.txt|All files (*.*)|*.*"));
    QCOMPARE(dialog.fileName, QStringLiteral("*.txt"));
    QCOMPARE(script.messages().last(), QStringLiteral("HEC-RAS Reformatter (QV31_HECRAS_Rating.exe) - NOT FOUND"));
    QCOMPARE(FileName, keep ? path : UntitledName);
    QCOMPARE(OutFileName, keep ? folder.file(QStringLiteral("old.out")) : QString());
    QCOMPARE(QFile::exists(TmpFile[8]), keep);
    QCOMPARE(ProgramFolder::readBytes(txt), QByteArray("ras output\r\n"));
}

void TestFileMenu::convertOpensConvertedFile()
{
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    const QString dat = folder.file(QStringLiteral("DemoOld.dat"));
    const QByteArray old = ProgramFolder::readBytes(dat);
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\nR1\n"));
    script.chooseFile(dat);
    trigger(6);

    const QString inp = folder.file(QStringLiteral("DemoOld.inp"));
    QCOMPARE(FileName, inp);
    QCOMPARE(OutFileName, folder.file(QStringLiteral("DemoOld.out")));
    QVERIFY(!DataChanged);
    QVERIFY(mainWindow()->mnuFileItem(14)->isEnabled());
    QVERIFY(mainWindow()->mnuFileItem(15)->isEnabled());
    QCOMPARE(mainWindow()->windowTitle(), caption(inp));
    QVERIFY(windowOpen(QStringLiteral("frmQV31")));
    QVERIFY(ProgramFolder::readBytes(TmpFile[13]).startsWith("Quorvale: Version 1.0"));
    QVERIFY(!ProgramFolder::readBytes(TmpFile[8]).contains("R1\r\n")); // the old project is gone
    QCOMPARE(ProgramFolder::readBytes(TmpFile[16]), inp.toLatin1() + "\r\n");
    QCOMPARE(ProgramFolder::readBytes(dat), old);
    QCOMPARE(mainWindow()->cursor().shape(), mainWindow()->SavedPointer);
}

void TestFileMenu::importHecRas_data() { importNotFound_data(); }

void TestFileMenu::importHecRas()
{
    QFETCH(bool, keep);
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    const QString path = changedProject(folder);
    const QString txt = folder.file(QStringLiteral("DemoHecRas.txt"));
    if (keep)
        script.answer(Answer::No);
    else
        script.answer(Answer::Yes).answer(Answer::OK);
    script.chooseFile(txt);
    trigger(7);

    const QString named = keep ? path : folder.file(QStringLiteral("DemoHecRas.inp"));
    QCOMPARE(FileName, named);
    QCOMPARE(OutFileName, StripExtensionOut(named));
    QVERIFY(DataChanged);
    QCOMPARE(mainWindow()->mnuFileItem(14)->isEnabled(), keep);
    QVERIFY(mainWindow()->mnuFileItem(15)->isEnabled());
    QCOMPARE(mainWindow()->windowTitle(), caption(named));
    QVERIFY(windowOpen(QStringLiteral("frmQV31")));
    QVERIFY(ProgramFolder::readBytes(TmpFile[7]).startsWith("STREAM CROSS SECTION:"));
    // Kept, the project's own sections stay; cleared, only the import is there.
    QCOMPARE(ProgramFolder::readBytes(TmpFile[8]), keep ? crlf("STREAM REACH:\nR1\n") : QByteArray());
    // Only the answer Yes saved the old project.
    QCOMPARE(ProgramFolder::readBytes(path).contains("STREAM REACH:\r\nR1\r\n"), !keep);
}

void TestFileMenu::convertedFileReplacedOnlyWhenAllowed_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("changes"); // unsaved changes: none, or the answer to the save question
    QTest::addColumn<Answer>("replace");
    for (int item : {6, 7})
        for (const char *changes : {"none", "Yes", "No"})
            for (Answer replace : {Answer::No, Answer::Yes})
                QTest::addRow("%s, changes %s, replace %s", item == 6 ? "convert" : "import", changes,
                              replace == Answer::Yes ? "Yes" : "No")
                    << item << QString::fromLatin1(changes) << replace;
}

// The file a converter writes may be one the user converted, edited and saved:
// it is replaced only when the user agrees, and a No leaves everything as it
// was, whatever the user said about unsaved changes before.
void TestFileMenu::convertedFileReplacedOnlyWhenAllowed()
{
    QFETCH(int, item);
    QFETCH(QString, changes);
    QFETCH(Answer, replace);
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    const bool convert = item == 6;
    const QString source = folder.file(convert ? QStringLiteral("DemoOld.dat") : QStringLiteral("DemoHecRas.txt"));
    const QString target = folder.file(convert ? QStringLiteral("DemoOld.inp") : QStringLiteral("DemoHecRas.inp"));

    // Converted once, edited and saved under the converter's name.
    script.chooseFile(source);
    trigger(item);
    const QByteArray converted = ProgramFolder::readBytes(target);
    QVERIFY(!converted.isEmpty());
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\n          EDITED\n"));
    DataChanged = true;
    if (convert)
        script.answer(Answer::OK);
    else
        script.chooseFile(target).answer(Answer::Yes).answer(Answer::OK);
    trigger(convert ? 14 : 15);
    const QByteArray edited = ProgramFolder::readBytes(target);
    QVERIFY(edited.contains("EDITED"));
    QCOMPARE(FileName, target);

    if (changes != QLatin1String("none")) {
        ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\n          PENDING\n"));
        DataChanged = true;
    }
    Globsubs::ShowForm(QStringLiteral("frmTestEntry"));
    const QList<QByteArray> workingBefore = workingFilesNow();
    const bool changedBefore = DataChanged;
    const QString captionBefore = mainWindow()->windowTitle();

    // Saving, when the user asks for it, comes before the file is chosen.
    const bool save = changes == QLatin1String("Yes");
    const QByteArray keptBytes = save ? joinedNow() : edited;
    script.clear();
    if (changes != QLatin1String("none"))
        script.answer(save ? Answer::Yes : Answer::No);
    if (save)
        script.answer(Answer::OK); // "Data Saved in file: "
    script.chooseFile(source).answer(replace);
    trigger(item);
    QCOMPARE(script.pending(), 0);

    const Dialogs::Request &question = script.asked().last();
    QCOMPARE(question.text, QStringLiteral("The file ") + target
                                + QStringLiteral(" already exists.\nReplace it with the ")
                                + (convert ? QStringLiteral("converted old QV-31 data ?")
                                           : QStringLiteral("reformatted HEC-RAS cross sections ?")));
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
    if (replace == Answer::No) {
        QCOMPARE(ProgramFolder::readBytes(target), keptBytes);
        QCOMPARE(workingFilesNow(), workingBefore);
        QCOMPARE(FileName, target);
        QCOMPARE(DataChanged, changedBefore && !save);
        QCOMPARE(mainWindow()->windowTitle(), captionBefore);
        QVERIFY(Forms::get(QStringLiteral("frmTestEntry"))->isLoaded());
        return;
    }
    QCOMPARE(ProgramFolder::readBytes(target), converted);
    // The project was kept only when its changes were kept, by an import.
    QCOMPARE(Forms::get(QStringLiteral("frmTestEntry"))->isLoaded(), !convert && changes == QLatin1String("No"));
    QCOMPARE(FileName, target);
    QCOMPARE(script.messages().contains(QStringLiteral("Data Saved in file: ") + target),
             changes == QLatin1String("Yes"));
}

// The stream a cross section belongs to is a name: the import brings it into
// the cross-section window and the saved file as the HEC-RAS file has it.
void TestFileMenu::importedStreamStaysText()
{
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    script.chooseFile(folder.file(QStringLiteral("DemoHecRas.txt")));
    trigger(7);

    Globsubs::ShowForm(QStringLiteral("frmXsect"));
    QWidget *xsect = Forms::get(QStringLiteral("frmXsect"));
    for (const char *id : {"XSR1", "XSR2"}) {
        RatingDriver::chooseId(xsect, QString::fromLatin1(id));
        QCOMPARE(RatingDriver::combo(xsect, 4)->currentText(), QStringLiteral("MILLCR"));
    }
    Forms::get(QStringLiteral("frmXsect"))->unload();

    const QString saved = folder.file(QStringLiteral("saved.inp"));
    script.chooseFile(saved).answer(Answer::Yes).answer(Answer::OK);
    trigger(15);
    QCOMPARE(script.pending(), 0);
    const QByteArray bytes = ProgramFolder::readBytes(saved);
    QVERIFY(bytes.contains("          XSR1      210.5               204.      MILLCR    1250.     \r\n"));
    QVERIFY(bytes.contains("          XSR2      198.                192.      MILLCR    2400.     \r\n"));
}

void TestFileMenu::saveAndSaveAs()
{
    ProgramFolder folder(true);
    DialogScript script;
    QAction *run = mainWindow()->findChild<QAction *>(QStringLiteral("mnuRun"));
    trigger(1);
    // Save on an untitled project is Save As.
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\nR1\n"));
    DataChanged = true;
    mainWindow()->SetSaveEnabled(true);
    const QString first = folder.file(QStringLiteral("first.inp"));
    script.chooseFile(first).answer(Answer::Yes).answer(Answer::OK);
    trigger(14);
    QCOMPARE(script.asked().first().title, QStringLiteral("Save Quorvale file"));
    QCOMPARE(script.asked().first().kind, Dialogs::Kind::SaveFile);
    QCOMPARE(ProgramFolder::readBytes(first), joinedNow());
    QCOMPARE(FileName, first);
    QCOMPARE(OutFileName, folder.file(QStringLiteral("first.out")));
    QVERIFY(!DataChanged);
    QVERIFY(run->isVisible());
    QCOMPARE(mainWindow()->windowTitle(), caption(first));

    // Save of a named project writes it in place.
    run->setVisible(false);
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\nR2\n"));
    DataChanged = true;
    script.clear();
    script.answer(Answer::OK);
    trigger(14);
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Data Saved in file: ") + first});
    QVERIFY(ProgramFolder::readBytes(first).contains("R2"));
    QVERIFY(run->isVisible());

    // Save As to another name: the printed-page file follows the new name.
    const QString second = folder.file(QStringLiteral("second.inp"));
    script.clear();
    script.chooseFile(second).answer(Answer::Yes).answer(Answer::OK);
    trigger(15);
    QCOMPARE(script.asked().first().fileName, QStringLiteral("first.inp"));
    QCOMPARE(FileName, second);
    QCOMPARE(OutFileName, folder.file(QStringLiteral("second.out")));
    QCOMPARE(ProgramFolder::readBytes(second), ProgramFolder::readBytes(first));

    // A name without extension becomes an input file, so the viewer finds it.
    script.clear();
    script.chooseFile(folder.file(QStringLiteral("MyRun"))).answer(Answer::Yes).answer(Answer::OK);
    trigger(15);
    QCOMPARE(FileName, folder.file(QStringLiteral("MyRun.inp")));
    QVERIFY(QFile::exists(FileName));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("MyRun"))));
    QCOMPARE(script.asked().at(1).text, QStringLiteral("Save: ") + FileName);
}

// Land rows in small letters or keyed WEIGHT CN name their local land uses
// as LAND AREA rows do: opened and saved, the file keeps every definition.
// Each arrives in the local file, a name with a quote as a file written by
// hand holds it.
void TestFileMenu::saveKeepsDefinitionsOfEveryLandRow()
{
    ProgramFolder folder(true);
    DialogScript script;
    const QByteArray land = "                    ";
    const QByteArray input = "Quorvale: Version 1.0\r\n\r\n"
                             "SUB-AREA:\r\n          NORTH     OUTLET\r\n"
                             + land + "LAND AREA Orchard, local                     B    0.50\r\n"
                             + land + "land area Vineyard, local                    C    0.30\r\n"
                             + land + "WEIGHT CN Meadow, local                      C    0.20\r\n"
                             + land + "LAND AREA Lot 5\" wide                        A    0.10\r\n\r\n"
                             "LOCAL LAND USE:\r\n" + landUseLine("Orchard, local", "45.  66.  77.  83.  ") + "\r\n"
                             + landUseLine("Vineyard, local", "40.  60.  70.  80.  ") + "\r\n"
                             + landUseLine("Meadow, local", "30.  58.  71.  78.  ") + "\r\n"
                             + landUseLine("Lot 5\" wide", "40.  60.  70.  80.  ") + "\r\n\r\n";
    QFile::remove(LocalLandUseFile);
    const QString path = openInput(folder, script, QStringLiteral("run.inp"), input);
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile),
             QByteArray("\"Orchard, local\",\"45.\",\"66.\",\"77.\",\"83.\"\r\n"
                        "\"Vineyard, local\",\"40.\",\"60.\",\"70.\",\"80.\"\r\n"
                        "\"Meadow, local\",\"30.\",\"58.\",\"71.\",\"78.\"\r\n"
                        "Lot 5\" wide,\"40.\",\"60.\",\"70.\",\"80.\"\r\n\"\"\r\n"));
    script.answer(Answer::OK);
    trigger(14);
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Data Saved in file: ") + path});
    QCOMPARE(ProgramFolder::readBytes(path), input);
}

void TestFileMenu::saveThatCannotDoItsWork_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("slot"); // the working file it strikes
    QTest::addColumn<bool>("saveAs");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QStringList>("told"); // beyond the plain "Data Saved" or "could not be saved"
    QTest::addColumn<QString>("remembered");
    const QStringList notRemembered = {QStringLiteral("could not be remembered in"),
                                       QStringLiteral("will not name this file.")};
    QTest::newRow("Save As, temp takes no new file")
        << "temp read-only" << 0 << true << true << QStringList() << "new";
    QTest::newRow("Save As, temp and the name file locked")
        << "temp locked" << 0 << true << true
        << QStringList{QStringLiteral("could not be remembered in"), QStringLiteral("Permission denied"),
                       QStringLiteral("will not name this file; it will name %demo,")}
        << "demo";
    QTest::newRow("Save, temp locked, name as it was") << "temp locked" << 0 << false << true << QStringList() << "demo";
    QTest::newRow("Save, name file a folder") << "folder" << 16 << false << true << notRemembered << "";
    QTest::newRow("Save As, name file a folder") << "folder" << 16 << true << true << notRemembered << "";
    QTest::newRow("sub-area unreadable")
        << "unreadable" << int(SecSubArea) << false << false
        << QStringList{QStringLiteral("~SubArea.tmp could not be read: Permission denied")} << "demo";
    QTest::newRow("Save As, sub-area unreadable")
        << "unreadable" << int(SecSubArea) << true << false << QStringList{QStringLiteral("~SubArea.tmp")} << "demo";
    QTest::newRow("reach unreadable")
        << "unreadable" << int(SecReach) << false << false << QStringList{QStringLiteral("~Reach.tmp")} << "demo";
    QTest::newRow("local land use unreadable")
        << "unreadable" << int(SecLocalLandUse) << false << false << QStringList{QStringLiteral("~CurveNum.tmp")}
        << "demo";
    QTest::newRow("sub-area read breaks")
        << "read breaks" << int(SecSubArea) << false << false
        << QStringList{QStringLiteral("~SubArea.tmp could not be read: Input/output error")} << "demo";
    QTest::newRow("reach read breaks")
        << "read breaks" << int(SecReach) << false << false << QStringList{QStringLiteral("~Reach.tmp")} << "demo";
    QTest::newRow("sub-area missing") << "missing" << int(SecSubArea) << false << true << QStringList() << "demo";
    // Written into its five columns it would read back as other numbers.
    const QStringList tooLong{QStringLiteral("the local land use \"Orchard\" has the curve number 77.125 for soil group A")};
    QTest::newRow("curve number too long") << "long curve number" << 0 << false << false << tooLong << "demo";
    QTest::newRow("Save As, curve number too long") << "long curve number" << 0 << true << false << tooLong << "demo";
}

// A save that could not read a working file writes nothing; one that could
// not remember its file's name says so beside "Data Saved" and what that
// means at the next start.
void TestFileMenu::saveThatCannotDoItsWork()
{
    QFETCH(QString, fault);
    QFETCH(int, slot);
    QFETCH(bool, saveAs);
    QFETCH(bool, saved);
    QFETCH(QStringList, told);
    QFETCH(QString, remembered);
    ProgramFolder folder(true);
    DialogScript script;
    const QString orchard = QStringLiteral("\"Orchard\",\"45\",\"66\",\"77\",\"83\"\r\n\"\"\r\n");
    ProgramFolder::writeBytes(LocalLandUseFile, orchard.toLatin1());
    const QString demo = openDemo(folder, script);
    // Vineyard has left the local file since: the section keeps it from the
    // opened file, as long as its working file can be read.
    ProgramFolder::writeBytes(LocalLandUseFile, orchard.toLatin1());
    ProgramFolder::writeBytes(TmpFile[SecReach], crlf("STREAM REACH:\nR2\n"));
    DataChanged = true;
    const QString target = saveAs ? folder.file(QStringLiteral("other/New.inp")) : demo;
    const QByteArray before = ProgramFolder::readBytes(target);
    if (fault == QLatin1String("missing"))
        QFile::remove(TmpFile[slot]);
    if (fault == QLatin1String("folder")) {
        QFile::remove(TmpFile[slot]);
        QDir().mkdir(TmpFile[slot]);
    }
    if (fault == QLatin1String("long curve number"))
        ProgramFolder::writeBytes(LocalLandUseFile, "\"Orchard\",\"77.125\",\"80.5\",\"\",\"\"\r\n\"\"\r\n");
    const QByteArray whole = joinedNow();
    const QList<QByteArray> working = workingFiles();

    {
        Refusals refusals(refusalsFor(fault, slot ? TmpFile[slot] : QString()));
        if (saveAs)
            script.chooseFile(target).answer(Answer::Yes);
        script.answer(Answer::OK);
        trigger(saveAs ? 15 : 14);
    }

    QCOMPARE(script.pending(), 0);
    const QString message = script.messages().last();
    const QString plain = QStringLiteral("Data Saved in file: ") + target;
    if (saved) {
        QVERIFY2(told.isEmpty() ? message == plain : message.startsWith(plain + QStringLiteral("\n\n")),
                 qPrintable(message));
        QCOMPARE(ProgramFolder::readBytes(target), whole);
        QCOMPARE(FileName, target);
        QVERIFY(!DataChanged);
    } else {
        QVERIFY2(message.startsWith(QStringLiteral("The input file ") + target + QStringLiteral(" could not be saved: ")),
                 qPrintable(message));
        QCOMPARE(QFile::exists(target), !saveAs);
        QCOMPARE(ProgramFolder::readBytes(target), before);
        QCOMPARE(workingFiles(), working);
        QCOMPARE(FileName, demo);
        QVERIFY(DataChanged);
    }
    checkToldAndRemembered(message, told, remembered, demo, target);
}

void TestFileMenu::openAndNewKeepTheName_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QStringList>("told"); // in the last message
    QTest::addColumn<bool>("opened");      // the project is named after the file opened
    QTest::addColumn<QString>("remembered");
    // Open first clears the project, which cannot forget the old name either.
    QTest::newRow("Open, name file locked")
        << "locked" << 2 << 2
        << QStringList{QStringLiteral("could not be remembered in"), QStringLiteral("it will name %demo,")} << true
        << "demo";
    QTest::newRow("Open, name file a folder")
        << "folder" << 2 << 1 << QStringList{QStringLiteral("will not name this file.")} << true << "";
    QTest::newRow("Open, input file unreadable")
        << "input unreadable" << 2 << 1
        << QStringList{QStringLiteral("New.inp could not be read: Permission denied")} << false << "";
    QTest::newRow("Open, input read breaks")
        << "input read breaks" << 2 << 1
        << QStringList{QStringLiteral("New.inp could not be read to its end: Input/output error")} << false << "";
    QTest::newRow("New, name file can only be emptied") << "kept" << 1 << 0 << QStringList() << false << "";
    QTest::newRow("New, name file locked")
        << "locked" << 1 << 1
        << QStringList{QStringLiteral("could not be removed from"), QStringLiteral("will still name %demo:")} << false
        << "demo";
}

// Open and New leave the remembered name naming the project's file, or no
// file for an untitled project, or tell the user.
void TestFileMenu::openAndNewKeepTheName()
{
    QFETCH(QString, fault);
    QFETCH(int, item);
    QFETCH(int, messages);
    QFETCH(QStringList, told);
    QFETCH(bool, opened);
    QFETCH(QString, remembered);
    ProgramFolder folder(true);
    DialogScript script;
    const QString demo = openDemo(folder, script);
    const QString other = folder.file(QStringLiteral("other/New.inp"));
    ProgramFolder::writeBytes(other, crlf("Quorvale: Version 1.0\n\nSTREAM REACH:\nR9\n\n"));
    if (fault == QLatin1String("folder")) {
        QFile::remove(TmpFile[FileNameSlot]);
        QDir().mkdir(TmpFile[FileNameSlot]);
    }
    const QString struck = fault.startsWith(QLatin1String("input")) ? other : TmpFile[FileNameSlot];
    {
        Refusals refusals(refusalsFor(fault.startsWith(QLatin1String("input ")) ? fault.mid(6) : fault, struck));
        // The open dialog chooses the file, a message is acknowledged.
        for (int i = 0; i < messages + (item == 2 ? 1 : 0); ++i)
            script.respond([other](const Dialogs::Request &r) {
                return Dialogs::Response{Answer::OK, r.kind == Dialogs::Kind::OpenFile ? other : QString()};
            });
        trigger(item);
    }

    QCOMPARE(script.pending(), 0);
    QCOMPARE(script.messages().size(), messages);
    QCOMPARE(FileName, opened ? other : UntitledName);
    checkToldAndRemembered(script.messages().value(messages - 1), told, remembered, demo, other);
}

void TestFileMenu::openAndNewLeaveNoWorkingFile_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("changed"); // unsaved changes, answered No: Open does not clear first
    QTest::newRow("Open, temp read-only") << 2 << "temp read-only" << false;
    QTest::newRow("New, temp read-only") << 1 << "temp read-only" << false;
    QTest::newRow("Open, sub-areas locked") << 2 << "locked" << true;
    QTest::newRow("Open, sub-areas locked, nothing to save") << 2 << "locked" << false;
    QTest::newRow("New, sub-areas locked") << 1 << "locked" << false;
}

// Open and New leave no section of the last project in the working files: a
// file that cannot be removed is emptied; one that can be neither is named,
// and the file opened does not take the name that a save would write to.
void TestFileMenu::openAndNewLeaveNoWorkingFile()
{
    QFETCH(int, item);
    QFETCH(QString, fault);
    QFETCH(bool, changed);
    ProgramFolder folder(true);
    DialogScript script;
    openDemo(folder, script);
    DataChanged = changed;
    const QString other = folder.file(QStringLiteral("other/New.inp"));
    const QByteArray reachOnly = crlf("Quorvale: Version 1.0\n\nSTREAM REACH:\nR9\n\n");
    ProgramFolder::writeBytes(other, reachOnly);
    const bool locked = fault == QLatin1String("locked");
    {
        Refusals refusals(refusalsFor(fault, TmpFile[SecSubArea]));
        if (changed)
            script.answer(Answer::No);
        // A project that could not be cleared is not opened into.
        if (item == 2 && !(locked && !changed))
            script.chooseFile(other);
        if (locked)
            script.answer(Answer::OK);
        trigger(item);
        QCOMPARE(script.pending(), 0);
        if (!locked) {
            QVERIFY(script.messages().isEmpty());
            for (int slot = 1; slot <= SectionCount; ++slot)
                if (item == 1 || (slot != SecIdentifier && slot != SecReach))
                    QVERIFY2(QFileInfo(TmpFile[slot]).size() == 0, qPrintable(TmpFile[slot]));
            if (item == 1)
                return;
            script.answer(Answer::OK);
            trigger(14);
            QCOMPARE(script.messages().last(), QStringLiteral("Data Saved in file: ") + other);
            const QByteArray saved = ProgramFolder::readBytes(other);
            QVERIFY(saved.contains("R9"));
            QVERIFY2(!saved.contains("SUB-AREA") && !saved.contains("Orchard"), saved.constData());
            return;
        }
    }
    QVERIFY(!script.messages().isEmpty());
    const QString message = script.messages().last();
    QVERIFY2(message.contains(TmpFile[SecSubArea] + QStringLiteral(": Permission denied")), qPrintable(message));
    QCOMPARE(FileName, UntitledName);
    QVERIFY(Run_Save_Open::ProposedSaveName.isEmpty());
    QVERIFY(TextFile::readPathFile(TmpFile[FileNameSlot]).isEmpty());
    QCOMPARE(ProgramFolder::readBytes(other), reachOnly);
}

void TestFileMenu::commandsAskAboutUnacceptedEntries_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("goOn");
    QTest::addColumn<bool>("stay");
    const QList<QPair<int, QString>> commands = {
        {1, QStringLiteral("Start a new Quorvale file without them ?")},
        {2, QStringLiteral("Open another Quorvale input data file without them ?")},
        {3, QStringLiteral("ReOpen the last session without them ?")},
        {6, QStringLiteral("Convert old QV-31 data without them ?")},
        {7, QStringLiteral("Import HEC-RAS cross sections without them ?")}};
    for (const auto &[item, line] : commands)
        for (bool stay : {true, false})
            QTest::addRow("item %d, %s", item, stay ? "stay" : "go on") << item << line << stay;
}

// A command that closes the entry windows asks first, as ending the program
// does, about the entries they hold unaccepted. Staying keeps everything and
// brings the window forward with the focus where it was; going on leads to
// the command's own questions.
void TestFileMenu::commandsAskAboutUnacceptedEntries()
{
    QFETCH(int, item);
    QFETCH(QString, goOn);
    QFETCH(bool, stay);
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = changedProject(folder);
    Globsubs::ShowForm(mainWindow());
    EntryForm *durInc = EntryDriver::open(QStringLiteral("frmDurInc"));
    EntryDriver::type(durInc, 2, QStringLiteral("5"));
    const QList<QByteArray> before = workingFilesNow();
    QApplication::setActiveWindow(mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));

    script.answer(stay ? Answer::No : Answer::Yes);
    if (!stay && item != 3)
        script.answer(Answer::Cancel); // the save question
    trigger(item);
    QCOMPARE(script.pending(), 0);
    const Dialogs::Request &question = script.asked().first();
    QCOMPARE(question.text,
             QStringLiteral("The window \"Duration Increment\" holds entries that have not been accepted.\n") + goOn);
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(question.icon, Dialogs::Icon::Exclamation);
    QCOMPARE(question.title, QStringLiteral("Quorvale System"));
    if (stay) {
        QCOMPARE(script.asked().size(), 1);
        QVERIFY(durInc->isLoaded());
        QCOMPARE(EntryDriver::box(durInc, 2)->text(), QStringLiteral("5"));
        QCOMPARE(workingFilesNow(), before);
        QCOMPARE(FileName, path);
        QVERIFY(DataChanged);
        QTRY_VERIFY(durInc->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), EntryDriver::box(durInc, 2));
    } else if (item == 3) {
        QVERIFY(!durInc->isLoaded());
    } else {
        QVERIFY(script.asked().at(1).text.startsWith(QStringLiteral("Save and Close current file before loading")));
    }
}

void TestFileMenu::importClosesCrossSectionWindow_data()
{
    QTest::addColumn<bool>("openBefore"); // open when the command starts
    QTest::addColumn<bool>("openDuring"); // opened while the reformatter runs
    QTest::addColumn<bool>("typed");      // and entries typed into it then
    QTest::addColumn<Answer>("answer");   // to the question about them
    QTest::newRow("open before") << true << false << false << Answer::Yes;
    QTest::newRow("opened while the reformatter runs") << false << true << false << Answer::Yes;
    QTest::newRow("entries typed meanwhile, go on") << true << true << true << Answer::Yes;
    QTest::newRow("entries typed meanwhile, stay") << true << true << true << Answer::No;
}

// Cross sections imported into the project are in no open cross-section
// window's older copy, which its Accept would write back without them.
void TestFileMenu::importClosesCrossSectionWindow()
{
    QFETCH(bool, openBefore);
    QFETCH(bool, openDuring);
    QFETCH(bool, typed);
    QFETCH(Answer, answer);
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    const QString path = changedProject(folder);
    const QByteArray xsect = RatingDriver::ratingGolden(QStringLiteral("xsect_written.tmp"));
    ProgramFolder::writeBytes(TmpFile[SecXsect], xsect);
    const QString window = QStringLiteral("frmXsect");
    if (openBefore)
        EntryDriver::open(window);
    const QMetaObject::Connection during =
        QObject::connect(&ProjectEvents::instance(), &ProjectEvents::externalProgramStarted, [&] {
            if (!openDuring)
                return;
            QWidget *form = EntryDriver::open(window);
            if (typed) {
                RatingDriver::chooseId(form, QStringLiteral("X1"));
                EntryDriver::retype(form, 2, QStringLiteral("11"));
            }
        });
    const auto disconnect = qScopeGuard([during] { QObject::disconnect(during); });
    script.answer(Answer::No).chooseFile(folder.file(QStringLiteral("DemoHecRas.txt")));
    if (typed)
        script.answer(answer);
    trigger(7);
    QCOMPARE(script.pending(), 0);
    QCOMPARE(FileName, path);
    if (typed)
        QVERIFY(!script.messages().isEmpty() && script.messages().last().endsWith(QStringLiteral("Import HEC-RAS cross sections without them ?")));
    if (answer == Answer::No) {
        // Nothing imported: the window keeps what it holds, the section as it was.
        QVERIFY(windowOpen(window));
        QCOMPARE(EntryDriver::box(Forms::get(window), 2)->text(), QStringLiteral("11"));
        QCOMPARE(ProgramFolder::readBytes(TmpFile[SecXsect]), xsect);
        return;
    }
    QVERIFY(!windowOpen(window));
    EntryDriver::accept(EntryDriver::open(window));
    const QByteArray accepted = ProgramFolder::readBytes(TmpFile[SecXsect]);
    for (const char *id : {"X1 ", "X2 ", "XSR1 ", "XSR2 "})
        QVERIFY2(accepted.contains(id), id);
}

// Going on without a window's unaccepted entries drops the window too, also
// when the import adds to the kept project; a window holding nothing unaccepted
// stays with the project.
void TestFileMenu::importIntoKeptProjectClosesWindowsAskedAbout()
{
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    const QString path = changedProject(folder);
    Globsubs::ShowForm(QStringLiteral("frmTestEntry"));
    EntryForm *durInc = EntryDriver::open(QStringLiteral("frmDurInc"));
    EntryDriver::type(durInc, 2, QStringLiteral("5"));
    script.answer(Answer::Yes).answer(Answer::No).chooseFile(folder.file(QStringLiteral("DemoHecRas.txt")));
    trigger(7);

    QCOMPARE(script.pending(), 0);
    QCOMPARE(FileName, path);
    QVERIFY(ProgramFolder::readBytes(TmpFile[SecXsect]).contains("XSR1"));
    QVERIFY(!durInc->isLoaded());
    QVERIFY(Forms::get(QStringLiteral("frmTestEntry"))->isLoaded());
}

void TestFileMenu::importThatCannotReadOrWrite_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("workingFile"); // struck, else the reformatter's file
    QTest::addColumn<bool>("keep");        // added to the current project, else a new one
    QTest::addColumn<QString>("told");
    QTest::newRow("working file unreadable")
        << "unreadable" << true << true << "~Xsect.tmp could not be read: Permission denied";
    QTest::newRow("working file read breaks")
        << "read breaks" << true << true << "~Xsect.tmp could not be read: Input/output error";
    QTest::newRow("working file locked") << "locked" << true << true << "~Xsect.tmp could not be written";
    QTest::newRow("reformatted file unreadable")
        << "unreadable" << false << true << "DemoHecRas.inp could not be read: Permission denied";
    QTest::newRow("reformatted file read breaks, new project")
        << "read breaks" << false << false << "DemoHecRas.inp could not be read: Input/output error";
}

// An import that could not read or write a file says which and why, and
// leaves the cross sections as they were: an unread file is no empty one.
void TestFileMenu::importThatCannotReadOrWrite()
{
    QFETCH(QString, fault);
    QFETCH(bool, workingFile);
    QFETCH(bool, keep);
    QFETCH(QString, told);
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    const QString path = changedProject(folder);
    DataChanged = keep;
    const QByteArray xsect = RatingDriver::ratingGolden(QStringLiteral("xsect_written.tmp"));
    ProgramFolder::writeBytes(TmpFile[SecXsect], xsect);
    const QString struck = workingFile ? TmpFile[SecXsect] : folder.file(QStringLiteral("DemoHecRas.inp"));
    {
        Refusals refusals(refusalsFor(fault, struck));
        if (keep)
            script.answer(Answer::No);
        script.chooseFile(folder.file(QStringLiteral("DemoHecRas.txt"))).answer(Answer::OK);
        trigger(7);
    }
    QCOMPARE(script.pending(), 0);
    QVERIFY(!script.messages().isEmpty());
    const QString message = script.messages().last();
    QVERIFY2(message.contains(told) && message.endsWith(QStringLiteral("Nothing was imported.")), qPrintable(message));
    QCOMPARE(ProgramFolder::readBytes(TmpFile[SecXsect]), keep ? xsect : QByteArray());
    // Named after the reformatter's file, an empty new project would empty it at its save.
    QCOMPARE(FileName, keep ? path : UntitledName);
    QCOMPARE(DataChanged, keep);
    QVERIFY(!windowOpen(QStringLiteral("frmQV31")));
}

// A HEC-RAS file the reformatter cannot read leaves only its error file:
// nothing to import, so no project named after the missing output.
void TestFileMenu::importWithoutReformattedFile()
{
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    script.chooseFile(folder.file(QStringLiteral("gone.txt"))).answer(Answer::OK);
    trigger(7);

    QCOMPARE(script.pending(), 0);
    const QString message = script.messages().last();
    for (const char *named : {"gone.inp", "gone.err"})
        QVERIFY2(message.contains(folder.file(QString::fromLatin1(named))), qPrintable(message));
    QVERIFY2(message.endsWith(QStringLiteral("\nNothing was imported.")), qPrintable(message));
    QCOMPARE(FileName, UntitledName);
    QVERIFY(!DataChanged);
    QVERIFY(!windowOpen(QStringLiteral("frmQV31")));
}

void TestFileMenu::outputOfAnEarlierRunIsNotTaken_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QByteArray>("earlier");
    QTest::newRow("import") << 7 << QStringLiteral("wrote no cross sections into ")
                            << crlf("1\n2\n3\n4\nSTREAM CROSS SECTION:\n          XSOLD     1.\n");
    QTest::newRow("convert") << 6 << QStringLiteral("did not write ")
                             << crlf("Quorvale: Version 1.0\n\nSTREAM REACH:\nROLD\n\n");
}

// The file the converter or reformatter would write is there from an earlier
// run, and the user lets it be replaced; a run that cannot read its input
// leaves it as it was, and that is no output of this run.
void TestFileMenu::outputOfAnEarlierRunIsNotTaken()
{
    QFETCH(int, item);
    QFETCH(QString, told);
    QFETCH(QByteArray, earlier);
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    const QString output = folder.file(QStringLiteral("gone.inp"));
    ProgramFolder::writeBytes(output, earlier);
    const QString input = folder.file(item == 7 ? QStringLiteral("gone.txt") : QStringLiteral("gone.dat"));
    script.chooseFile(input).answer(Answer::Yes).answer(Answer::OK); // replace it; the message
    trigger(item);

    QCOMPARE(script.pending(), 0);
    const QString message = script.messages().last();
    QVERIFY2(message.contains(told + output), qPrintable(message));
    QVERIFY2(message.contains(folder.file(QStringLiteral("gone.err"))), qPrintable(message));
    QCOMPARE(ProgramFolder::readBytes(output), earlier);
    QCOMPARE(FileName, UntitledName);
    QVERIFY(!DataChanged);
    QVERIFY(!ProgramFolder::readBytes(TmpFile[SecXsect]).contains("XSOLD"));
    QVERIFY(!ProgramFolder::readBytes(TmpFile[SecReach]).contains("ROLD"));
    QVERIFY(!windowOpen(QStringLiteral("frmQV31")));
}

void TestFileMenu::commandsRefusedWhileAProgramRuns_data()
{
    QTest::addColumn<int>("waiting"); // 6 Convert, 7 Import, 0 Run
    QTest::addColumn<bool>("kept");   // Import adds to the project, which has changes
    QTest::addColumn<int>("item");
    const QList<std::pair<const char *, int>> commands = {{"new", 1},    {"open", 2},   {"reopen", 3},
                                                          {"convert", 6}, {"import", 7}, {"save as", 15}};
    for (const auto &[name, item] : commands)
        QTest::addRow("import waits, %s", name) << 7 << false << item;
    // Save is disabled in a cleared project.
    QTest::newRow("import into the kept project waits, save") << 7 << true << 14;
    QTest::newRow("convert waits, save as") << 6 << false << 15;
    QTest::newRow("run waits, save") << 0 << false << 14;
    QTest::newRow("run waits, save as") << 0 << false << 15;
}

// A command that would replace or write the project, chosen while a program
// runs, is refused: the waiting command then goes on with its own output and
// project, and no file is written with a project the caption does not name
// (Convert and Import clear the project before their wait).
void TestFileMenu::commandsRefusedWhileAProgramRuns()
{
    QFETCH(int, waiting);
    QFETCH(bool, kept);
    QFETCH(int, item);
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    const QByteArray demo = ProgramFolder::readBytes(folder.file(QStringLiteral("Demo.inp")));
    const QString project = openInput(folder, script, QStringLiteral("B.inp"), demo);
    QCOMPARE(script.pending(), 0);
    script.clear();
    if (kept) {
        DataChanged = true;
        script.answer(Answer::No);
    }
    bool chosen = false;
    QString captionDuringWait;
    QObject waitScope; // the command is chosen inside the wait, never after the test
    QObject::connect(&ProjectEvents::instance(), &ProjectEvents::externalProgramStarted, &waitScope, [&] {
        QTimer::singleShot(0, &waitScope, [&] {
            chosen = true;
            captionDuringWait = mainWindow()->windowTitle();
            trigger(item);
        });
    });
    if (waiting == 0) {
        script.answer(Answer::OK);
        mainWindow()->mnuRun_Click();
    } else {
        script.chooseFile(folder.file(waiting == 7 ? QStringLiteral("DemoHecRas.txt") : QStringLiteral("DemoOld.dat")))
            .answer(Answer::OK);
        trigger(waiting);
    }

    QVERIFY(chosen);
    QCOMPARE(captionDuringWait, caption(waiting == 0 || kept ? project : UntitledName));
    QCOMPARE(script.pending(), 0);
    QCOMPARE(script.messages().size(), kept ? 2 : 1);
    const QString refusal = script.messages().last();
    QVERIFY2(refusal.startsWith(RunProgramTitle + QStringLiteral(" is still running.\n")), qPrintable(refusal));
    QCOMPARE(ProgramFolder::readBytes(project), demo);
    const QString named = waiting == 7 && !kept ? folder.file(QStringLiteral("DemoHecRas.inp"))
                          : waiting == 6        ? folder.file(QStringLiteral("DemoOld.inp"))
                                                : project;
    QCOMPARE(FileName, named);
    QCOMPARE(mainWindow()->windowTitle(), caption(named));
    QCOMPARE(DataChanged, waiting == 7);
    if (waiting == 7)
        QVERIFY(ProgramFolder::readBytes(TmpFile[SecXsect]).contains("XSR1"));
    // The run's outputs are those of the file as saved.
    if (waiting == 0)
        QVERIFY(QFile::exists(folder.file(QStringLiteral("B.out"))));
}

void TestFileMenu::convertAsksAboutEntriesMadeDuringItsWait_data()
{
    QTest::addColumn<QString>("dataFile");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("goOn");
    QTest::newRow("typed, stay") << "DemoOld.dat" << false << false;
    QTest::newRow("typed, go on") << "DemoOld.dat" << false << true;
    QTest::newRow("accepted, stay") << "DemoOld.dat" << true << false;
    QTest::newRow("accepted, go on") << "DemoOld.dat" << true << true;
    // Nothing to replace them with: kept without a question.
    QTest::newRow("accepted, converter wrote nothing") << "gone.dat" << true << false;
}

// Entries made in the cleared project while the converter runs are replaced
// by the converted file only when the user lets them go.
void TestFileMenu::convertAsksAboutEntriesMadeDuringItsWait()
{
    QFETCH(QString, dataFile);
    QFETCH(bool, accepted);
    QFETCH(bool, goOn);
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    const bool converts = dataFile == QLatin1String("DemoOld.dat");
    QPointer<EntryForm> durInc;
    QObject waitScope;
    QObject::connect(&ProjectEvents::instance(), &ProjectEvents::externalProgramStarted, &waitScope, [&] {
        QTimer::singleShot(0, &waitScope, [&] {
            durInc = EntryDriver::open(QStringLiteral("frmDurInc"));
            EntryDriver::type(durInc, 2, QStringLiteral("5"));
            if (accepted)
                EntryDriver::accept(durInc);
        });
    });
    script.chooseFile(folder.file(dataFile));
    if (converts)
        script.answer(goOn ? Answer::Yes : Answer::No);
    else
        script.answer(Answer::OK);
    trigger(6);

    QVERIFY(durInc || accepted);
    QCOMPARE(script.pending(), 0);
    const QString told = script.messages().last();
    if (converts) {
        QVERIFY2(told.endsWith(QStringLiteral("Open the converted QV-31 data without them ?")), qPrintable(told));
        QCOMPARE(told.contains(folder.file(QStringLiteral("DemoOld.inp"))), accepted);
    } else {
        const QString missing = folder.file(QStringLiteral("gone.inp"));
        QVERIFY2(told.startsWith(QStringLiteral("Error --- File ") + missing + QStringLiteral(" Not Found\n")),
                 qPrintable(told));
        QVERIFY2(told.contains(folder.file(QStringLiteral("gone.err"))), qPrintable(told));
    }
    if (!accepted)
        QCOMPARE(durInc->isLoaded(), !goOn);
    QCOMPARE(FileName, goOn ? folder.file(QStringLiteral("DemoOld.inp")) : UntitledName);
    // Staying keeps what was accepted, and it is still unsaved work.
    QCOMPARE(DataChanged, accepted && !goOn);
    QCOMPARE(ProgramFolder::readBytes(TmpFile[SecDurInc]).isEmpty(), !accepted || goOn);
}

void TestFileMenu::endingDuringAWaitStopsTheCommand_data()
{
    QTest::addColumn<int>("waiting"); // 0 Run, 6 Convert, 7 Import
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("endsMeanwhile"); // the program ends while the question is open
    QTest::addColumn<QString>("busy");       // first chosen for the save: a file the program works on
    QTest::newRow("convert, Exit, Yes") << 6 << false << true << false << QString();
    QTest::newRow("convert, Exit, No") << 6 << false << false << false << QString();
    QTest::newRow("convert, close box, Yes") << 6 << true << true << false << QString();
    QTest::newRow("convert, close box, No") << 6 << true << false << false << QString();
    QTest::newRow("convert, Exit, No, converter ends meanwhile") << 6 << false << false << true << QString();
    QTest::newRow("import, Exit") << 7 << false << false << false << QString();
    QTest::newRow("convert, Exit, Yes, its output refused") << 6 << false << true << false << "DemoOld.inp";
    QTest::newRow("run, Exit, Yes, its input refused") << 0 << false << true << false << "proj.inp";
    QTest::newRow("run, close box, Yes, its input refused") << 0 << true << true << false << "proj.inp";
    QTest::newRow("run, Exit, Yes, a namesake of its outputs refused") << 0 << false << true << false << "proj.txt";
    QTest::newRow("run, Exit, No") << 0 << false << false << false << QString();
}

// Once the user has chosen to end, the command that waits for its program
// stops where it is: it removes no working file, forgets no name, tells
// nothing and opens nothing, so ReOpen Last Session finds the work. The save
// that ending asks for never goes to a file the program still reads or
// writes: it would be overwritten, or stand beside the program's results of
// other data as if they were its own.
void TestFileMenu::endingDuringAWaitStopsTheCommand()
{
    QFETCH(int, waiting);
    QFETCH(bool, closeBox);
    QFETCH(bool, save);
    QFETCH(bool, endsMeanwhile);
    QFETCH(QString, busy);
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    QByteArray input = ProgramFolder::readBytes(folder.file(QStringLiteral("Demo.inp")));
    if (waiting == 0) // a run long enough to end the editor in
        input.replace("Demo watershed:", "Demo watershed STANDIN:SLOW:");
    const QString project = openInput(folder, script, QStringLiteral("proj.inp"), input);
    script.clear();
    if (closeBox)
        Globsubs::ShowForm(mainWindow());
    const bool accepts = waiting != 7;
    const QString end = folder.file(QStringLiteral("end.inp"));
    const QString refused = busy.isEmpty() ? QString() : folder.file(busy);
    QByteArray acceptedEntry;
    QObject waitScope;
    QObject::connect(&ProjectEvents::instance(), &ProjectEvents::externalProgramStarted, &waitScope, [&] {
        QTimer::singleShot(0, &waitScope, [&] {
            if (accepts) {
                EntryForm *durInc = EntryDriver::open(QStringLiteral("frmDurInc"));
                EntryDriver::type(durInc, 2, QStringLiteral("5"));
                EntryDriver::accept(durInc);
                acceptedEntry = ProgramFolder::readBytes(TmpFile[SecDurInc]);
                if (save) {
                    script.answer(Answer::Yes);
                    if (!refused.isEmpty())
                        script.chooseFile(refused).answer(Answer::OK);
                    script.chooseFile(end).answer(Answer::OK);
                } else if (endsMeanwhile)
                    script.respond([](const Dialogs::Request &) {
                        (void)QTest::qWaitFor([] { return CallShell::RunningCount() == 0; });
                        return Dialogs::Response{Answer::No, {}};
                    });
                else
                    script.answer(Answer::No);
            }
            if (closeBox)
                mainWindow()->close();
            else
                trigger(18);
        });
    });
    if (waiting == 0) {
        mainWindow()->mnuRun_Click();
    } else {
        script.chooseFile(folder.file(waiting == 6 ? QStringLiteral("DemoOld.dat") : QStringLiteral("DemoHecRas.txt")));
        trigger(waiting);
    }
    // The program goes on after the editor has let it go.
    QTRY_COMPARE_WITH_TIMEOUT(CallShell::RunningCount(), 0, 10000);

    QCOMPARE(ended_, closeBox ? 0 : 1);
    QCOMPARE(script.pending(), 0);
    QStringList told;
    if (accepts)
        told << QStringLiteral("Changes have been made to the Quorvale input file - Do you want to save it?");
    if (!refused.isEmpty()) {
        const QString runFile = waiting == 0 ? project : folder.file(QStringLiteral("DemoOld.dat"));
        told << RunProgramTitle + QStringLiteral(" is still running on ") + runFile + QStringLiteral(".\nThe file ")
                    + refused + QStringLiteral(" would be overwritten by what it writes, or stand beside results that "
                                               "are not its own.\nChoose another name.");
    }
    if (save)
        told << QStringLiteral("Data Saved in file: ") + end;
    QCOMPARE(script.messages(), told);
    if (waiting != 0) // the run's project was open before
        QVERIFY(!windowOpen(QStringLiteral("frmQV31")));
    QVERIFY(!windowOpen(QStringLiteral("frmFileDisp")));
    if (accepts) {
        QVERIFY(acceptedEntry.contains('5'));
        QCOMPARE(ProgramFolder::readBytes(TmpFile[SecDurInc]), acceptedEntry);
        QCOMPARE(FileName, save ? end : waiting == 0 ? project : UntitledName);
        QCOMPARE(TextFile::readPathFile(TmpFile[FileNameSlot]), save ? end : QString());
        if (save)
            QVERIFY(ProgramFolder::readBytes(end).contains(acceptedEntry.trimmed()));
    }
    if (waiting == 0) {
        // The input keeps the data its outputs were made from, and the saved
        // file has none of them.
        QCOMPARE(ProgramFolder::readBytes(project), input);
        QVERIFY(QFile::exists(folder.file(QStringLiteral("proj.out"))));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("end.out"))));
    }
    if (!refused.isEmpty() && waiting == 6)
        QVERIFY(!ProgramFolder::readBytes(refused).contains(acceptedEntry.trimmed()));
}

void TestFileMenu::exitCommand_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("answers");
    QTest::newRow("no changes") << false << "";
    QTest::newRow("No") << true << "no";
    QTest::newRow("Yes, file chosen") << true << "yes";
    QTest::newRow("Yes, dialog cancelled") << true << "cancel";
    QTest::newRow("Yes, save fails") << true << "fails";
    QTest::newRow("Yes, a curve number does not fit") << true << "long curve number";
}

void TestFileMenu::exitCommand()
{
    QFETCH(bool, changed);
    QFETCH(QString, answers);
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = changedProject(folder);
    const QByteArray before = ProgramFolder::readBytes(path);
    Run_Save_Open::RememberFileName(path);
    DataChanged = changed;
    const QByteArray joined = joinedNow();
    const QString target = folder.file(QStringLiteral("exit.inp"));
    if (answers == QLatin1String("no"))
        script.answer(Answer::No);
    else if (answers == QLatin1String("yes"))
        script.answer(Answer::Yes).chooseFile(target).answer(Answer::OK);
    else if (answers == QLatin1String("cancel"))
        script.answer(Answer::Yes).cancelFile();
    else if (answers == QLatin1String("fails")) {
        QDir().mkdir(target); // a folder where the file should go
        script.answer(Answer::Yes).chooseFile(target).answer(Answer::OK);
    } else if (answers == QLatin1String("long curve number")) {
        ProgramFolder::writeBytes(LocalLandUseFile, "\"Lot\",\"77.125\",\"\",\"\",\"\"\r\n\"\"\r\n");
        ProgramFolder::writeBytes(TmpFile[SecSubArea], crlf("SUB-AREA:\n          NORTH     OUTLET\n") + QByteArray(20, ' ')
                                                           + "LAND AREA Lot                                A    1.\r\n");
        script.answer(Answer::Yes).chooseFile(target).answer(Answer::OK);
    }
    const QString captionBefore = mainWindow()->windowTitle();
    trigger(18);

    // A save that was cancelled or failed keeps the program open, the work in the editor.
    const bool kept = answers == QLatin1String("fails") || answers == QLatin1String("cancel")
                      || answers == QLatin1String("long curve number");
    QCOMPARE(ended_, kept ? 0 : 1);
    QCOMPARE(script.pending(), 0);
    QCOMPARE(mainWindow()->windowTitle(), captionBefore);
    if (!changed) {
        QVERIFY(script.asked().isEmpty());
        return;
    }
    const Dialogs::Request &question = script.asked().first();
    QCOMPARE(question.text, QStringLiteral("Changes have been made to the Quorvale input file - Do you want to save it?"));
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(question.icon, Dialogs::Icon::Question);
    QCOMPARE(question.title, QStringLiteral("Quorvale System"));
    QCOMPARE(QFile::exists(TmpFile[16]), answers != QLatin1String("no"));
    QCOMPARE(ProgramFolder::readBytes(path), before);
    if (answers == QLatin1String("yes")) {
        QCOMPARE(ProgramFolder::readBytes(target), joined);
        QCOMPARE(LastDir, folder.path() + QLatin1Char('/'));
    } else if (kept && answers != QLatin1String("cancel")) {
        QVERIFY(script.messages().last().contains(QStringLiteral("could not be saved")));
        if (answers == QLatin1String("long curve number")) {
            QVERIFY(script.messages().last().contains(QStringLiteral("\"Lot\" has the curve number 77.125")));
            QVERIFY(!QFile::exists(target));
        }
        QVERIFY(DataChanged);
        QCOMPARE(FileName, path);
    } else {
        QVERIFY(!QFile::exists(target));
    }
    QVERIFY(QFile::exists(TmpFile[8])); // the working files stay for ReOpen
}

// Exit saves through the Save As dialog, whichever dialog came last.
void TestFileMenu::exitSaveDialog()
{
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = openInput(folder, script, QStringLiteral("data/run.inp"), crlf("Quorvale: Version 1.0\n\n"));
    DataChanged = true;
    script.clear();
    script.answer(Answer::Yes).cancelFile();
    trigger(18);
    const Dialogs::Request &dialog = script.asked().at(1);
    QCOMPARE(dialog.kind, Dialogs::Kind::SaveFile);
    QCOMPARE(dialog.title, QStringLiteral("Save Quorvale file"));
    QCOMPARE(dialog.filter, QStringLiteral("Input File (*.inp)|*.inp|All files (*.*)|*.*"));
    QCOMPARE(dialog.fileName, QStringLiteral("run.inp"));
    QCOMPARE(dialog.initialDir, folder.file(QStringLiteral("data/")));
    QCOMPARE(ProgramFolder::readBytes(path), crlf("Quorvale: Version 1.0\n\n"));
    QCOMPARE(ended_, 0);
}

void TestFileMenu::localWindowsKeepDisclaimer_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("local land use") << 10 << "frmLocalLanduse" << "Local Land Use";
    QTest::newRow("local soil") << 11 << "frmLocalSoil" << "Local Soil / HSG";
}

void TestFileMenu::localWindowsKeepDisclaimer()
{
    QFETCH(int, item);
    QFETCH(QString, window);
    QFETCH(QString, title);
    ProgramFolder folder(true);
    DialogScript script;
    trigger(item);
    QVERIFY(windowOpen(window));
    QVERIFY(Forms::get(window)->windowTitle().startsWith(title));
    QVERIFY(shown("Frame1"));
    QVERIFY(shown("cmdHelp"));
    QVERIFY(shown("Frame2"));
    QCOMPARE(mainWindow()->windowTitle(), caption(UntitledName));
}

QTEST_MAIN(TestFileMenu)
#include "tst_filemenu.moc"
