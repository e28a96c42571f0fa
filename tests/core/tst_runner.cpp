#include "DialogScript.h"
#include "ProgramFolder.h"

#include "core/logic/CallShell.h"
#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "core/logic/Pagination.h"
#include "core/RunSaveOpen.h"
#include "core/Runner.h"
#include "core/logic/TextFile.h"
#include "core/frmFileDisp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTimer>

using namespace Editglob;

namespace {
const QString Engine = QStringLiteral("qv31.exe");
const QString EngineControl = QStringLiteral("qv31.fil");

// A copy of the demo input with `marker` in its watershed description.
QString demoInput(const ProgramFolder &folder, const QString &name, const QString &marker = QString())
{
    QByteArray bytes = ProgramFolder::readBytes(folder.file(QStringLiteral("Demo.inp")));
    if (!marker.isEmpty())
        bytes.replace("Demo watershed:", "Demo watershed " + marker.toLatin1() + ":");
    const QString path = folder.file(name);
    ProgramFolder::writeBytes(path, bytes);
    return path;
}

frmFileDisp *viewer() { return Forms::instance<frmFileDisp>(); }

// The second mode of this program: a stand-in for the editor that exits while
// it waits for a slow run, as "Exit" does.
int exitDuringWait(const QString &folder)
{
    InitProjectState(folder);
    SetFileName(QDir(folder).filePath(QStringLiteral("Slow.inp")));
    DisplayTitle = QStringLiteral(" ");
    QTimer::singleShot(0, [] { Run_Save_Open::RunProgram(EngineControl, Engine); });
    QTimer::singleShot(500, [] { QCoreApplication::exit(0); });
    return QCoreApplication::exec();
}
} // namespace

class TestRunner : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlFileAndOutputs_data();
    void controlFileAndOutputs();
    void chooseViewFile_data();
    void chooseViewFile();
    void runShowsViewer_data();
    void runShowsViewer();
    void notFound_data();
    void notFound();
    void nestedRunWaitsForItsOwnProgram();
    void runKeepsItsOwnFile();
    void exitLeavesProgramRunning();
    void appendHecRas_data();
    void appendHecRas();
    void appendHecRasRefusesWithoutHeader_data();
    void appendHecRasRefusesWithoutHeader();
    void reformatterAndConverter();
    void printedPageHasEveryLocation();
    void demoOpensSavesAndRuns();

private:
    std::unique_ptr<ProgramFolder> folder_;
};

void TestRunner::init()
{
    folder_ = std::make_unique<ProgramFolder>();
    folder_->installTools();
    DisplayTitle = QStringLiteral(" ");
    ViewFileIndex = 0;
}

void TestRunner::cleanup()
{
    folder_.reset();
    QCOMPARE(CallShell::RunningCount(), 0);
}

void TestRunner::controlFileAndOutputs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("base");
    QTest::newRow("extension") << "Run.inp" << "Run.";
    QTest::newRow("no dot") << "RunNoDot" << "RunNoDot.";
    QTest::newRow("dotted folder") << "sub.dir/Run" << "sub.dir/Run.";
    QTest::newRow("folder beyond Latin-1") << QStringLiteral("\u0432\u043e\u0434\u0430/Run.inp")
                                           << QStringLiteral("\u0432\u043e\u0434\u0430/Run.");
}

void TestRunner::controlFileAndOutputs()
{
    QFETCH(QString, name);
    QFETCH(QString, base);
    QDir(folder_->path()).mkpath(QStringLiteral("sub.dir"));
    QDir(folder_->path()).mkpath(QStringLiteral("\u0432\u043e\u0434\u0430"));
    const QString input = demoInput(*folder_, name);
    SetFileName(input);
    QCOMPARE(Run_Save_Open::RunProgram(EngineControl, Engine), CallShell::WaitResult::Finished);
    QCOMPARE(ProgramFolder::readBytes(folder_->file(EngineControl)), QFile::encodeName(input) + "\r\n\r\n");
    for (const char *ext : {"out", "err", "dbg", "hyd", "ecn"})
        QVERIFY2(QFile::exists(folder_->file(base + QLatin1String(ext))), ext);
    QCOMPARE(DisplayFile, folder_->file(base));
    // " " asks for no viewer and leaves the index alone.
    QCOMPARE(ViewFileIndex, 0);
    QVERIFY(!viewer()->isLoaded());
}

void TestRunner::chooseViewFile_data()
{
    QTest::addColumn<QByteArray>("errBytes"); // "-" for no file
    QTest::addColumn<bool>("viewerWanted");
    QTest::addColumn<int>("expected");
    QTest::newRow("missing") << QByteArray("-") << true << 4;
    QTest::newRow("empty") << QByteArray() << true << 4;
    QTest::newRow("one line") << QByteArray("ok\r\n") << true << 4;
    QTest::newRow("one line no end") << QByteArray("ok") << true << 4;
    QTest::newRow("two lines") << QByteArray("errors\r\nline 2\r\n") << true << 5;
    QTest::newRow("blank second line") << QByteArray("errors\r\n\r\n") << true << 5;
    QTest::newRow("one line, no viewer") << QByteArray("ok\r\n") << false << 7;
    QTest::newRow("two lines, no viewer") << QByteArray("a\nb\n") << false << 5;
}

void TestRunner::chooseViewFile()
{
    QFETCH(QByteArray, errBytes);
    QFETCH(bool, viewerWanted);
    QFETCH(int, expected);
    const QString err = folder_->file(QStringLiteral("X.err"));
    if (errBytes != "-")
        ProgramFolder::writeBytes(err, errBytes);
    QCOMPARE(Run_Save_Open::ChooseViewFileIndex(err, 7, viewerWanted), expected);
}

void TestRunner::runShowsViewer_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("asked");         // the command asks for the viewer, as Run does
    QTest::addColumn<bool>("openDuringRun"); // on the input file
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("shown");
    QTest::newRow("clean run: printed page") << QString() << true << false << 4 << true;
    QTest::newRow("errors: error file") << QStringLiteral("STANDIN:ERRORS") << true << false << 5 << true;
    QTest::newRow("no output: viewer stays closed, the user is told")
        << QStringLiteral("STANDIN:NOOUTPUT") << true << false << 4 << false;
    QTest::newRow("errors, viewer open during the run") << QStringLiteral("STANDIN:ERRORS") << true << true << 5 << true;
    QTest::newRow("no output, viewer open during the run: closed")
        << QStringLiteral("STANDIN:NOOUTPUT") << true << true << 4 << false;
    // As Import's reformatter: the viewer opened during the wait stays on its file.
    QTest::newRow("not asked, viewer open during the run: kept") << QString() << false << true << 1 << true;
    QTest::newRow("not asked, no output, viewer open during the run: kept")
        << QStringLiteral("STANDIN:NOOUTPUT") << false << true << 1 << true;
}

void TestRunner::runShowsViewer()
{
    QFETCH(QString, marker);
    QFETCH(bool, asked);
    QFETCH(bool, openDuringRun);
    QFETCH(int, index);
    QFETCH(bool, shown);
    SetFileName(demoInput(*folder_, QStringLiteral("Run.inp"), marker));
    DisplayTitle = asked ? QStringLiteral("Quorvale Printed Page File") : QStringLiteral(" ");
    DialogScript script;
    if (!shown)
        script.answer(Dialogs::Answer::OK);
    bool openedDuringRun = false;
    QObject waitScope;
    if (openDuringRun)
        QTimer::singleShot(0, &waitScope, [&] {
            ViewFileIndex = 1;
            Globsubs::ShowForm(viewer());
            openedDuringRun = viewer()->ShownFile() == FileName;
        });
    QCOMPARE(Run_Save_Open::RunProgram(EngineControl, Engine), CallShell::WaitResult::Finished);
    QCOMPARE(openedDuringRun, openDuringRun);
    QCOMPARE(script.pending(), 0);
    QCOMPARE(script.asked().size(), shown ? 0 : 1);
    QCOMPARE(ViewFileIndex, index);
    QCOMPARE(viewer()->isLoaded(), shown);
    QCOMPARE(viewer()->isVisible(), shown);
    if (shown) {
        QCOMPARE(viewer()->ShownFile(), folder_->file(QStringLiteral("Run.") + ViewExt[index]));
        QCOMPARE(viewer()->findChild<QLabel *>(QStringLiteral("lblWindow"))->text(), frmFileDisp::Titles().at(index));
    }
}

void TestRunner::notFound_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("controlWritable");
    QTest::newRow("program missing") << "missing.exe" << true;
    QTest::newRow("not executable") << "Demo.inp" << true;
    QTest::newRow("control file not writable") << "qv31.exe" << false;
}

void TestRunner::notFound()
{
    QFETCH(QString, program);
    QFETCH(bool, controlWritable);
    SetFileName(demoInput(*folder_, QStringLiteral("Run.inp")));
    DisplayTitle = QStringLiteral("Quorvale Printed Page File");
    if (!controlWritable)
        QDir(folder_->path()).mkdir(EngineControl); // a folder where the control file should go
    QCOMPARE(Run_Save_Open::RunProgram(EngineControl, program), CallShell::WaitResult::NotStarted);
    QVERIFY(!QFile::exists(folder_->file(QStringLiteral("Run.out"))));
    QVERIFY(!viewer()->isLoaded());
    if (controlWritable)
        QCOMPARE(ProgramFolder::readBytes(folder_->file(EngineControl)), FileName.toLatin1() + "\r\n\r\n");
}

void TestRunner::nestedRunWaitsForItsOwnProgram()
{
    const QString slow = demoInput(*folder_, QStringLiteral("Slow.inp"), QStringLiteral("STANDIN:SLOW"));
    const QString fast = demoInput(*folder_, QStringLiteral("Fast.inp"));
    QStringList finished;
    bool innerRan = false;
    // A second run chosen while the first waits: it runs inside the wait. It
    // rewrites the control file, so it waits until the slow run has surely
    // read it (the slow run takes three seconds), even on a loaded machine.
    QTimer::singleShot(1000, [&] {
        QVERIFY(!QFile::exists(folder_->file(QStringLiteral("Slow.out"))));
        SetFileName(fast);
        innerRan = Run_Save_Open::RunProgram(EngineControl, Engine) == CallShell::WaitResult::Finished;
        finished << QStringLiteral("inner");
        QVERIFY(QFile::exists(folder_->file(QStringLiteral("Fast.out"))));
    });
    SetFileName(slow);
    QCOMPARE(Run_Save_Open::RunProgram(EngineControl, Engine), CallShell::WaitResult::Finished);
    finished << QStringLiteral("outer");
    QVERIFY(innerRan);
    QCOMPARE(finished, QStringList({QStringLiteral("inner"), QStringLiteral("outer")}));
    QVERIFY(QFile::exists(folder_->file(QStringLiteral("Slow.out"))));
    // The control file holds what the last run wrote.
    QCOMPARE(ProgramFolder::readBytes(folder_->file(EngineControl)), fast.toLatin1() + "\r\n\r\n");
}

void TestRunner::runKeepsItsOwnFile()
{
    const QString slow = demoInput(*folder_, QStringLiteral("Slow.inp"), QStringLiteral("STANDIN:SLOW"));
    const QString other = demoInput(*folder_, QStringLiteral("Other.inp"));
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("Other.out")), "other output\r\nline 2\r\n");
    // Another file opened while the engine runs on the first one.
    QTimer::singleShot(100, [&] { SetFileName(other); });
    SetFileName(slow);
    DisplayTitle = QStringLiteral("Quorvale Printed Page File");
    QCOMPARE(Run_Save_Open::RunProgram(EngineControl, Engine), CallShell::WaitResult::Finished);
    QCOMPARE(FileName, other);
    QCOMPARE(viewer()->ShownFile(), folder_->file(QStringLiteral("Slow.out")));
    QVERIFY(viewer()->windowTitle().endsWith(slow));
    QCOMPARE(DisplayFile, folder_->file(QStringLiteral("Slow.out")));
}

void TestRunner::exitLeavesProgramRunning()
{
    demoInput(*folder_, QStringLiteral("Slow.inp"), QStringLiteral("STANDIN:SLOW"));
    QProcess editor;
    editor.setStandardOutputFile(QProcess::nullDevice());
    editor.setStandardErrorFile(QProcess::nullDevice());
    editor.setEnvironment(QProcess::systemEnvironment() << QStringLiteral("QT_QPA_PLATFORM=offscreen"));
    editor.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--exit-during-wait"), folder_->path()});
    QVERIFY(editor.waitForFinished(30000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    // The editor has ended; the engine it started goes on and finishes.
    QVERIFY(!QFile::exists(folder_->file(QStringLiteral("Slow.out"))));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder_->file(QStringLiteral("Slow.ecn"))), 20000);
}

void TestRunner::appendHecRas_data()
{
    QTest::addColumn<QByteArray>("workFile"); // "-" for a missing file
    QTest::addColumn<QByteArray>("expected");
    const QByteArray header = "STREAM CROSS SECTION:                   \r\n";
    const QByteArray records = "          XSR1      210.5               204.      MILLCR    1250.     \r\n"
                               "                    204.      0.        0.        0.        0.0015    \r\n";
    const QByteArray existing = "          XS1       104.5               100.      1.        0.        \r\n";
    QTest::newRow("missing") << QByteArray("-") << header + records;
    QTest::newRow("empty") << QByteArray() << header + records;
    QTest::newRow("blank lines only") << QByteArray("\r\n  \r\n") << header + records;
    QTest::newRow("window-written, empty line at end")
        << "STREAM CROSS SECTION:\r\n" + existing + "\r\n" << "STREAM CROSS SECTION:\r\n" + existing + records;
    QTest::newRow("header only: no second header") << header << header + records;
    QTest::newRow("cut from input file, no end") << "STREAM CROSS SECTION:\r\n" + existing.chopped(2)
                                                  << "STREAM CROSS SECTION:\r\n" + existing + records;
}

void TestRunner::appendHecRas()
{
    QFETCH(QByteArray, workFile);
    QFETCH(QByteArray, expected);
    const QString reformatted = folder_->file(QStringLiteral("Ras.inp"));
    ProgramFolder::writeBytes(reformatted,
                              "title\r\nsource\r\n\r\nnote\r\nSTREAM CROSS SECTION:                   \r\n"
                              "          XSR1      210.5               204.      MILLCR    1250.     \r\n"
                              "                    204.      0.        0.        0.        0.0015    \r\n");
    if (workFile != "-")
        ProgramFolder::writeBytes(folder_->tmp(SecXsect), workFile);
    SetFileName(reformatted);
    DialogScript script;
    Run_Save_Open::AppendHecRasSection();
    QCOMPARE(ProgramFolder::readBytes(folder_->tmp(SecXsect)), expected);
    QVERIFY(script.asked().isEmpty());
}

void TestRunner::appendHecRasRefusesWithoutHeader_data()
{
    QTest::addColumn<QByteArray>("reformatted"); // "-" for a missing file
    QTest::addColumn<QString>("told");
    const QString noOutput = QStringLiteral("wrote no cross sections");
    const QString noHeader = QStringLiteral("Stream Cross Section header");
    QTest::newRow("missing") << QByteArray("-") << noOutput;
    QTest::newRow("empty") << QByteArray() << noOutput;
    QTest::newRow("other header on line 5") << QByteArray("1\r\n2\r\n3\r\n4\r\nSUB-AREA:\r\n          X\r\n") << noHeader;
    QTest::newRow("record on line 5") << QByteArray("1\r\n2\r\n3\r\n4\r\n          XS9       1.\r\n") << noHeader;
    QTest::newRow("header on line 4") << QByteArray("1\r\n2\r\n3\r\nSTREAM CROSS SECTION:\r\n") << noHeader;
    QTest::newRow("header without colon")
        << QByteArray("1\r\n2\r\n3\r\n4\r\nSTREAM CROSS SECTION\r\n          XS9       1.\r\n") << noHeader;
}

void TestRunner::appendHecRasRefusesWithoutHeader()
{
    QFETCH(QByteArray, reformatted);
    QFETCH(QString, told);
    const QString path = folder_->file(QStringLiteral("Ras.inp"));
    if (reformatted != "-")
        ProgramFolder::writeBytes(path, reformatted);
    const QByteArray before = "STREAM CROSS SECTION:\r\n          XS1       104.5\r\n\r\n";
    ProgramFolder::writeBytes(folder_->tmp(SecXsect), before);
    SetFileName(path);
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    QVERIFY(!Run_Save_Open::AppendHecRasSection());
    QCOMPARE(ProgramFolder::readBytes(folder_->tmp(SecXsect)), before);
    QCOMPARE(script.asked().size(), 1);
    const QString message = script.asked().first().text;
    QVERIFY2(message.contains(path) && message.contains(told), qPrintable(message));
}

void TestRunner::reformatterAndConverter()
{
    // The reformatter's output goes straight into the cross-section section.
    SetFileName(folder_->file(QStringLiteral("DemoHecRas.txt")));
    QCOMPARE(Run_Save_Open::RunProgram(QStringLiteral("qv31_HECRAS.fil"), QStringLiteral("QV31_HECRAS_Rating.exe")),
             CallShell::WaitResult::Finished);
    QCOMPARE(TextFile::countLines(folder_->file(QStringLiteral("DemoHecRas.err")), 5), 1);
    SetFileName(folder_->file(QStringLiteral("DemoHecRas.inp")));
    DialogScript script;
    Run_Save_Open::AppendHecRasSection();
    const QStringList xsect = TextFile::readLines(folder_->tmp(SecXsect));
    QCOMPARE(xsect.size(), 10);
    QCOMPARE(xsect.first().trimmed(), QStringLiteral("STREAM CROSS SECTION:"));
    QCOMPARE(TextFile::cols(xsect.at(1), 11, 20), QStringLiteral("XSR1"));
    QCOMPARE(TextFile::cols(xsect.at(2), 31, 40), QStringLiteral("0."));

    SetFileName(folder_->file(QStringLiteral("DemoOld.dat")));
    QCOMPARE(Run_Save_Open::RunProgram(QStringLiteral("qv31Conv.fil"), QStringLiteral("QV31_Converter.exe")),
             CallShell::WaitResult::Finished);
    QCOMPARE(TextFile::countLines(folder_->file(QStringLiteral("DemoOld.err")), 5), 1);
    const QStringList converted = TextFile::readLines(folder_->file(QStringLiteral("DemoOld.inp")));
    QVERIFY(converted.first().startsWith(QLatin1String("Quorvale: Version 1.0")));
    QCOMPARE(converted.first().mid(40), TextFile::readLines(folder_->file(QStringLiteral("Demo.inp"))).first().mid(40));
}

void TestRunner::printedPageHasEveryLocation()
{
    // What the plot reader needs: after each peak-flow banner, three lines,
    // then the location row; every sub-area and reach end and the outlet has
    // a hydrograph for each storm, for the base data and the alternate. Each
    // has a flow: a sub-area of land rows alone has their area.
    SetFileName(demoInput(*folder_, QStringLiteral("Run.inp")));
    QCOMPARE(Run_Save_Open::RunProgram(EngineControl, Engine), CallShell::WaitResult::Finished);
    const QStringList out = TextFile::readLines(folder_->file(QStringLiteral("Run.out")));
    QStringList locations;
    for (int i = 0; i + 4 < out.size(); ++i)
        if (TextFile::colsRaw(out.at(i), 45, 79) == QLatin1String("------------ Peak Flow ------------")) {
            const QString row = out.at(i + 4);
            locations << TextFile::cols(row, 1, 10) + QLatin1Char('/') + TextFile::cols(row, 21, 30);
            QVERIFY2(TextFile::cols(row, 31, 40).toDouble() > 0, qPrintable(row));
        }
    const QStringList oneStorm = {"NORTH/",           "SOUTH/",           "EAST/",  "REACH1/Upstream",
                                  "REACH1/Downstream", "REACH2/Upstream", "REACH2/Downstream", "OUTLET/"};
    QStringList everyRun;
    for (int run = 0; run < 2 * 3; ++run) // base data and one alternate, three storms each
        everyRun += oneStorm;
    QCOMPARE(locations, everyRun);
    int headers = 0;
    for (const QString &line : out) {
        const qsizetype ff = line.indexOf(QLatin1Char('\f'));
        // A form feed only ever opens a page header, in column 1.
        QVERIFY(ff < 0 || (ff == 0 && line.mid(1).startsWith(QLatin1String("Quorvale"))));
        const QString text = ff == 0 ? line.mid(1) : line;
        if (text.startsWith(QLatin1String("Quorvale"))) {
            QCOMPARE(TextFile::colsRaw(text, 37, 40), QStringLiteral("Page"));
            QCOMPARE(ff == 0, headers > 0);
            ++headers;
        }
    }
    QVERIFY(headers > 1);
    // Printed, each page header starts a sheet of its own.
    const QList<QStringList> pages = Pagination::Paginate(out, 1000, 0);
    QCOMPARE(pages.size(), headers);
    for (const QStringList &page : pages)
        QCOMPARE(TextFile::colsRaw(page.first(), 37, 40), QStringLiteral("Page"));
}

void TestRunner::demoOpensSavesAndRuns()
{
    const InputFileStore::SplitResult split = InputFileStore::Split(folder_->file(QStringLiteral("Demo.inp")), TmpFile);
    QVERIFY(split.opened);
    QVERIFY(split.unknownKey.isEmpty());
    for (int section : {SecIdentifier, SecSubArea, SecReach, SecAlternate, SecStorm, SecXsect, SecTimeA})
        QVERIFY2(TextFile::countLines(TmpFile[section], 2) == 2, qPrintable(SectionNames[section]));
    const QString saved = folder_->file(QStringLiteral("Saved.inp"));
    QString error;
    QVERIFY2(InputFileStore::Join(TmpFile, saved, &error), qPrintable(error));
    SetFileName(saved);
    QCOMPARE(Run_Save_Open::RunProgram(EngineControl, Engine), CallShell::WaitResult::Finished);
    QCOMPARE(TextFile::countLines(folder_->file(QStringLiteral("Saved.err")), 5), 1);
    QVERIFY(TextFile::countLines(folder_->file(QStringLiteral("Saved.out")), 100) == 100);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc >= 3 && QByteArray(argv[1]) == "--exit-during-wait")
        return exitDuringWait(QString::fromLocal8Bit(argv[2]));
    TestRunner test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_runner.moc"
