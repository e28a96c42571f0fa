#include "DialogScript.h"
#include "ProgramFolder.h"
#include "tests/setup/ValueGridDriver.h"

#include "core/logic/Editglob.h"
#include "core/FileMenu.h"
#include "core/QvForm.h"
#include "core/RunSaveOpen.h"
#include "core/frmMain.h"
#include "core/logic/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

using namespace Editglob;
using Dialogs::Answer;

namespace {

frmMain *mainWindow() { return frmMain::instance(); }

QAction *action(const QString &name) { return mainWindow()->findChild<QAction *>(name); }

template <class T = QWidget> T *control(const QString &name) { return mainWindow()->findChild<T *>(name); }

bool shown(const QString &name)
{
    QWidget *w = control(name);
    return w && w->isVisibleTo(mainWindow());
}

bool menuShown(const QString &name) { return action(name) && action(name)->isVisible(); }

QvForm *openWindow(const QString &name)
{
    for (QvForm *form : Forms::created())
        if (form->objectName() == name && form->isLoaded() && form->isVisible())
            return form;
    return nullptr;
}

QStringList listEntries()
{
    QStringList entries;
    auto *list = control<QListWidget>(QStringLiteral("CurrentLst"));
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}

// Windows of other parts of the program may ask things of their own while
// they load; these tests only care that they open.
class AnyAnswer
{
public:
    AnyAnswer()
    {
        previous_ = Dialogs::setHandler([](const Dialogs::Request &) { return Dialogs::Response{Answer::OK, {}}; });
    }
    ~AnyAnswer() { Dialogs::setHandler(previous_); }

private:
    Dialogs::Handler previous_;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startState();
    void menuItems_data();
    void menuItems();
    void sectionListMarks();
    void activationMenus_data();
    void activationMenus();
    void sectionListOpensWindows_data();
    void sectionListOpensWindows();
    void sectionListWholeAndByKeys();
    void helpWindows_data();
    void helpWindows();
    void newUserButton();
    void viewAndPlotsOpenWindows();
    void runNotFound();
    void runWithoutOutputSaysSo();
    void viewOfMissingFileIsReported();
    void runOnceAtATime();
    void closeBox_data();
    void closeBox();
    void unacceptedEntries_data();
    void unacceptedEntries();
    void stayingShowsFirstWindowWithEntries();
};

void TestMainWindow::startState()
{
    ProgramFolder folder(true);
    QCOMPARE(mainWindow()->windowTitle(), QStringLiteral("Quorvale System Controller /  Editor "));
    QCOMPARE(control<QLabel>(QStringLiteral("lblQV31"))->text(), QStringLiteral("Quorvale System Controller / Editor"));
    QVERIFY(shown(QStringLiteral("Frame1")));
    QCOMPARE(control<QLabel>(QStringLiteral("Text1"))->text(), QStringLiteral("Disclaimer"));
    QVERIFY(!control<QLabel>(QStringLiteral("lblDisclaimer"))->text().isEmpty());
    QVERIFY(shown(QStringLiteral("cmdHelp")));
    QCOMPARE(control<QPushButton>(QStringLiteral("cmdHelp"))->text(), QStringLiteral(" New User ?    Click Here"));
    QVERIFY(!shown(QStringLiteral("Frame2")));
    QCOMPARE(control<QLabel>(QStringLiteral("Text2_0"))->text(), QStringLiteral("Click Data Section Name to Enter Data"));
    QCOMPARE(control<QLabel>(QStringLiteral("Text2_1"))->text(),
             QStringLiteral("(X indicates some data entered for section)"));

    QVERIFY(action(QStringLiteral("mnuFile")) || control<QMenu>(QStringLiteral("mnuFile")));
    QVERIFY(!menuShown(QStringLiteral("mnuView")));
    QVERIFY(!menuShown(QStringLiteral("mnuRun")));
    QVERIFY(!menuShown(QStringLiteral("mnuPlots")));
    QVERIFY(control<QMenu>(QStringLiteral("mnuHelp"))->menuAction()->isVisible());
    QVERIFY(!mainWindow()->mnuFileItem(14)->isEnabled());
    QVERIFY(!mainWindow()->mnuFileItem(15)->isEnabled());
    // The menu bar in its documented order, the gaps included.
    QStringList bar;
    for (QAction *a : mainWindow()->menuBar()->actions())
        bar << (a->menu() ? a->menu()->objectName() : a->objectName());
    QCOMPARE(bar, (QStringList{u"mnuFile"_s, u"mnuView"_s, u"mnuSpace1"_s, u"mnuRun"_s, u"mnuspace4"_s, u"mnuPlots"_s, u"mnuspace5"_s,
                               u"mnuHelp"_s}));
    // The menu bar's captions, exactly.
    for (const auto &[name, caption] : {std::pair{"mnuFile", "File"}, {"mnuView", "View"}, {"mnuRun", "Run"},
                                        {"mnuPlots", "Plots"}, {"mnuHelp", "Help"}})
        QCOMPARE(action(QLatin1String(name))->text(), QLatin1String(caption));
    QVERIFY(action(QStringLiteral("mnuSpace1"))->text().isEmpty());
}

void TestMainWindow::menuItems_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("array");
    QTest::addColumn<QStringList>("items"); // "index caption"
    QTest::newRow("File") << u"mnuFile"_s << u"mnuFileItem"_s
                          << QStringList{u"1 New Quorvale File"_s, u"2 Open Existing Quorvale File"_s,
                                         u"3 ReOpen Last Session"_s, u"5 -"_s, u"6 Convert old Data"_s, u"7 Import HEC-RAS"_s,
                                         u"9 -"_s, u"10 Local Land Use"_s, u"11 Local Soil / HSG"_s, u"13 -"_s, u"14 Save"_s,
                                         u"15 Save As"_s, u"17 -"_s, u"18 Exit"_s};
    QTest::newRow("View") << u"mnuView"_s << u"mnuViewItem"_s
                          << QStringList{u"0 Schematic"_s, u"1 Input File"_s, u"3 -"_s, u"4 Printed Page File"_s, u"5 Error File"_s,
                                         u"6 Debug File"_s, u"7 Hydrograph File"_s, u"8 FloodEcon File"_s};
    QTest::newRow("Help") << u"mnuHelp"_s << u"mnuHelpItem"_s
                          << QStringList{u"1 Quorvale System Diagram"_s, u"2 -"_s, u"3 Overview"_s, u"4 Help Facilities"_s,
                                         u"5 Getting Started"_s, u"6 -"_s, u"8 About Controller /  Editor"_s};
}

void TestMainWindow::menuItems()
{
    QFETCH(QString, menu);
    QFETCH(QString, array);
    QFETCH(QStringList, items);
    ProgramFolder folder(true);
    QStringList actual;
    for (QAction *a : control<QMenu>(menu)->actions()) {
        const QString index = a->objectName().mid(array.size() + 1);
        QVERIFY2(a->objectName().startsWith(array + QLatin1Char('_')), qPrintable(a->objectName()));
        actual << index + QLatin1Char(' ') + (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    QCOMPARE(actual, items);
}

void TestMainWindow::sectionListMarks()
{
    ProgramFolder folder;
    QDir().mkpath(TempDir);
    ProgramFolder::writeBytes(TmpFile[8], "STREAM REACH:\r\nR1\r\n");
    ProgramFolder::writeBytes(TmpFile[13], "Quorvale: Version 1.0\r\n"); // header alone
    ProgramFolder::writeBytes(TmpFile[1], "\r\n");                        // a blank line is a byte
    ProgramFolder::writeBytes(TmpFile[4], "");
    mainWindow()->unload();
    mainWindow()->load();

    // Marked already at start, while the file is untitled and the list hidden.
    QCOMPARE(FileName, UntitledName);
    QStringList expected;
    for (int i = 1; i <= 14; ++i)
        expected << ((i == 1 || i == 8 || i == 13) ? QStringLiteral("X   ") : QStringLiteral("     "))
                        + SectionNames[i];
    QCOMPARE(listEntries(), expected);
    QCOMPARE(listEntries().at(12), QStringLiteral("X   Quorvale: Version 1.0"));
    // Every section file 1 to 14 now exists; the Local Land Use file does not.
    for (int i = 1; i <= 14; ++i)
        QVERIFY2(QFile::exists(TmpFile[i]), qPrintable(TmpFile[i]));
    QVERIFY(!QFile::exists(TmpFile[15]));
    QCOMPARE(ProgramFolder::readBytes(TmpFile[8]), QByteArray("STREAM REACH:\r\nR1\r\n"));

    // Activation re-reads the files.
    QFile::remove(TmpFile[8]);
    ProgramFolder::writeBytes(TmpFile[2], "DIMENSIONLESS UNIT HYDROGRAPH:\r\n");
    mainWindow()->Form_Activate();
    QCOMPARE(listEntries().at(7), QStringLiteral("     Stream Reach:"));
    QCOMPARE(listEntries().at(1), QStringLiteral("X   Dimensionless Unit Hydrograph:"));
}

void TestMainWindow::activationMenus_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("outFile");
    QTest::addColumn<bool>("run");
    QTest::addColumn<bool>("plots");
    QTest::newRow("named, saved, output") << true << false << true << true << true;
    QTest::newRow("named, saved, no output") << true << false << false << true << false;
    QTest::newRow("named, changed, output") << true << true << true << false << false;
    QTest::newRow("untitled, unchanged") << false << false << true << false << false;
    QTest::newRow("untitled, changed") << false << true << true << false << false;
}

void TestMainWindow::activationMenus()
{
    QFETCH(bool, named);
    QFETCH(bool, changed);
    QFETCH(bool, outFile);
    QFETCH(bool, run);
    QFETCH(bool, plots);
    ProgramFolder folder(true);
    const QString path = folder.file(QStringLiteral("run.inp"));
    ProgramFolder::writeBytes(path, "Quorvale: Version 1.0\r\n\r\n");
    if (outFile)
        ProgramFolder::writeBytes(folder.file(QStringLiteral("run.out")), "page\r\n");
    SetFileName(named ? path : UntitledName);
    DataChanged = changed;
    // Shown from an earlier state: activation must hide what no longer applies.
    action(QStringLiteral("mnuRun"))->setVisible(true);
    action(QStringLiteral("mnuPlots"))->setVisible(true);
    control<QMenu>(QStringLiteral("mnuView"))->menuAction()->setVisible(true);
    mainWindow()->Form_Activate();
    QCOMPARE(menuShown(QStringLiteral("mnuRun")), run);
    QCOMPARE(menuShown(QStringLiteral("mnuPlots")), plots);
    if (!run)
        QVERIFY(!control<QMenu>(QStringLiteral("mnuView"))->menuAction()->isVisible());
    // The output file is only tested, never held open.
    if (outFile)
        QVERIFY(QFile::remove(folder.file(QStringLiteral("run.out"))));
}

void TestMainWindow::sectionListOpensWindows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    const QList<QPair<const char *, const char *>> windows = {
        {"frmAlternate", "Alternate Anaylsis"}, {"frmDimHyd", "Unit Hydrograph"},
        {"frmDurInc", "Duration Increment"},    {"frmGlobal", "Global Output"},
        {"frmInpHyd", "Input Hydrograph"},      {"frmRainDist", "Rainfall Distribution"},
        {"frmXsect", "Stream Cross Section"},    {"frmReaches", "Stream Reach"},
        {"frmStorm", "Storm Anaylsis"},         {"frmStruct", "Structure Rating"},
        {"frmSubArea", "Sub-Area"},             {"frmTimeA", "Time Analysis"},
        {"frmQV31", "Quorvale Identifier"},     {"frmVerification", "Verification"}};
    for (int i = 0; i < windows.size(); ++i)
        QTest::newRow(windows[i].first) << i << QString::fromLatin1(windows[i].first)
                                        << QString::fromLatin1(windows[i].second);
}

void TestMainWindow::sectionListOpensWindows()
{
    QFETCH(int, row);
    QFETCH(QString, window);
    QFETCH(QString, title);
    ProgramFolder folder(true);
    AnyAnswer answers;
    Globsubs::ShowForm(mainWindow());
    mainWindow()->mnuFileItem(10)->trigger(); // shows the list
    auto *list = control<QListWidget>(QStringLiteral("CurrentLst"));
    QTRY_VERIFY(list->isVisible());
    CurrentAlternate = 3;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QCOMPARE(mainWindow()->CurrentSection, row + 1);
    QCOMPARE(CurrentAlternate, 0);
    QvForm *form = openWindow(window);
    QVERIFY2(form, qPrintable(window));
    QVERIFY2(form->windowTitle().startsWith(title), qPrintable(form->windowTitle()));
}

// At its first size the window shows every section; Enter and Space open one.
void TestMainWindow::sectionListWholeAndByKeys()
{
    ProgramFolder folder(true);
    AnyAnswer answers;
    Globsubs::ShowForm(mainWindow());
    mainWindow()->mnuFileItem(10)->trigger();
    auto *list = control<QListWidget>(QStringLiteral("CurrentLst"));
    QTRY_VERIFY(list->isVisible());
    QApplication::processEvents();
    QCOMPARE(list->count(), 14);
    for (int i = 0; i < list->count(); ++i)
        QVERIFY2(list->viewport()->rect().contains(list->visualItemRect(list->item(i))), qPrintable(QString::number(i)));

    const QList<QPair<Qt::Key, int>> keys = {{Qt::Key_Return, 2}, {Qt::Key_Enter, 3}, {Qt::Key_Space, 11}};
    for (const auto &[key, row] : keys) {
        list->setCurrentRow(row);
        QTest::keyClick(list, key);
        QCOMPARE(mainWindow()->CurrentSection, row + 1);
    }
    QVERIFY(openWindow(QStringLiteral("frmDurInc")));
    QVERIFY(openWindow(QStringLiteral("frmGlobal")));
    QVERIFY(openWindow(QStringLiteral("frmTimeA")));
}

void TestMainWindow::helpWindows_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::newRow("diagram") << 1 << "frmDiagram" << "Quorvale System Diagram" << "";
    QTest::newRow("overview") << 3 << "frmOverview" << "Overviews Help" << "Overview";
    QTest::newRow("help facilities") << 4 << "frmHelpFac" << "Help Facilities Help" << "Help Facilities";
    QTest::newRow("getting started") << 5 << "frmGettingStarted" << "Getting Started Help" << "Getting Started";
    QTest::newRow("about") << 8 << "frmAbout" << "About Quorvale System Controller / Editor"
                           << "Quorvale System Controller / Editor";
}

void TestMainWindow::helpWindows()
{
    QFETCH(int, item);
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    ProgramFolder folder(true);
    DialogScript script;
    action(QStringLiteral("mnuHelpItem_%1").arg(item))->trigger();
    QvForm *form = openWindow(window);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), title);
    QCOMPARE(form->pos(), QPoint(0, 0));
    if (!heading.isEmpty())
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("lblHeading"))->text(), heading);
    if (window == QLatin1String("frmAbout"))
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("lblPlatform"))->text(),
                 QStringLiteral("32-bit Window Based Application"));
    if (window == QLatin1String("frmDiagram")) {
        // The diagram draws without failing.
        QWidget *picture = form->findChild<QWidget *>(QStringLiteral("picDiagram"));
        QVERIFY(picture);
        QVERIFY(!picture->grab().isNull());
    }
    auto *close = form->findChild<QPushButton *>(QStringLiteral("cmdClose"));
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!form->isLoaded());
    QVERIFY(!form->isVisible());
}

void TestMainWindow::newUserButton()
{
    ProgramFolder folder(true);
    DialogScript script;
    Globsubs::ShowForm(mainWindow());
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdHelp")), Qt::LeftButton);
    for (const char *name : {"frmGettingStarted", "frmHelpFac", "frmOverview"})
        QVERIFY2(openWindow(QString::fromLatin1(name)), name);
    QVERIFY(script.asked().isEmpty());
}

void TestMainWindow::viewAndPlotsOpenWindows()
{
    ProgramFolder folder(true);
    AnyAnswer answers;
    const QString path = folder.file(QStringLiteral("run.inp"));
    ProgramFolder::writeBytes(path, "Quorvale: Version 1.0\r\n\r\n");
    ProgramFolder::writeBytes(folder.file(QStringLiteral("run.err")), "error one\r\nerror two\r\n");
    ProgramFolder::writeBytes(TmpFile[8], "STREAM REACH:\r\n          R1\r\n");
    SetFileName(path);
    mainWindow()->Form_Activate(); // the View menu follows the files on disk
    action(QStringLiteral("mnuViewItem_5"))->trigger();
    QCOMPARE(ViewFileIndex, 5);
    QVERIFY(openWindow(QStringLiteral("frmFileDisp")));
    action(QStringLiteral("mnuViewItem_0"))->trigger();
    QCOMPARE(ViewFileIndex, 5);
    QVERIFY(Forms::get(QStringLiteral("frmTopoModel"))->windowTitle().startsWith(
        QStringLiteral("Quorvale Watershed Schematic")));
    action(QStringLiteral("mnuPlots"))->trigger();
    QVERIFY(openWindow(QStringLiteral("frmGraphicsOutput")));
    QVERIFY(Forms::get(QStringLiteral("frmGraphicsOutput"))->windowTitle().startsWith(QStringLiteral("Graphics Output")));
}

// Until the engine is there (and whenever it is missing) Run reports it.
void TestMainWindow::runNotFound()
{
    ProgramFolder folder(true);
    DialogScript script;
    SetFileName(folder.file(QStringLiteral("run.inp")));
    DisplayTitle = QStringLiteral(" ");
    script.answer(Answer::OK);
    action(QStringLiteral("mnuRun"))->trigger();
    QCOMPARE(script.asked().size(), 1);
    const Dialogs::Request &message = script.asked().first();
    QCOMPARE(message.text, QStringLiteral("Quorvale program file (QV31.exe) - NOT FOUND"));
    QCOMPARE(message.buttons, Dialogs::Buttons::OK);
    QCOMPARE(message.icon, Dialogs::Icon::None);
    QVERIFY(message.title.isEmpty());
    QCOMPARE(RunProgramTitle, QStringLiteral("Quorvale program file (QV31.exe)"));
    QCOMPARE(DisplayTitle, QStringLiteral("Quorvale Printed Page File"));
    QCOMPARE(mainWindow()->cursor().shape(), mainWindow()->SavedPointer);
    QCOMPARE(mainWindow()->LastAnswer, Answer::OK);
}

// A run that leaves nothing to show is not a click that did nothing.
void TestMainWindow::runWithoutOutputSaysSo()
{
    ProgramFolder folder(true);
    folder.installTools();
    DialogScript script;
    QByteArray input = ProgramFolder::readBytes(folder.file(QStringLiteral("Demo.inp")));
    input.replace("Demo watershed:", "Demo watershed STANDIN:NOOUTPUT:");
    const QString path = folder.file(QStringLiteral("quiet.inp"));
    ProgramFolder::writeBytes(path, input);
    script.chooseFile(path);
    action(QStringLiteral("mnuFileItem_2"))->trigger();
    QCOMPARE(FileName, path);

    script.clear();
    script.answer(Answer::OK);
    action(QStringLiteral("mnuRun"))->trigger();
    const QString expected = folder.file(QStringLiteral("quiet.out"));
    QCOMPARE(script.messages(), QStringList{QStringLiteral("The run of ") + path
                                            + QStringLiteral(" has ended, but its printed-page file ") + expected
                                            + QStringLiteral(" was not written.")});
    QCOMPARE(script.asked().first().icon, Dialogs::Icon::Exclamation);
    QVERIFY(!openWindow(QStringLiteral("frmFileDisp")));
    QCOMPARE(ProgramFolder::readBytes(path), input);
    for (const char *ext : {"out", "err", "dbg", "hyd", "ecn"})
        QVERIFY2(!QFile::exists(folder.file(QStringLiteral("quiet.") + QLatin1String(ext))), ext);
    QCOMPARE(mainWindow()->cursor().shape(), mainWindow()->SavedPointer);
}

void TestMainWindow::viewOfMissingFileIsReported()
{
    ProgramFolder folder(true);
    SetFileName(folder.file(QStringLiteral("gone.inp")));
    DialogScript script;
    script.answer(Answer::OK);
    action(QStringLiteral("mnuViewItem_1"))->trigger();
    QCOMPARE(script.messages(),
             QStringList{QStringLiteral("The file ") + folder.file(QStringLiteral("gone.inp")) + QStringLiteral(" could not be opened.")});
    QVERIFY(!openWindow(QStringLiteral("frmFileDisp")));
}

// A second engine on the same files is refused while the first runs.
void TestMainWindow::runOnceAtATime()
{
    ProgramFolder folder(true);
    folder.installTools();
    QByteArray input = ProgramFolder::readBytes(folder.file(QStringLiteral("Demo.inp")));
    input.replace("Demo watershed:", "Demo watershed STANDIN:SLOW:");
    const QString path = folder.file(QStringLiteral("slow.inp"));
    ProgramFolder::writeBytes(path, input);
    SetFileName(path);
    // Offered, as after an open or a save: a hidden action is never enabled.
    mainWindow()->ShowRunMenu(true);
    AnyAnswer answers; // the viewer that follows the run
    QStringList asked;
    bool duringRun = false;
    QTimer::singleShot(200, [&] {
        duringRun = !action(QStringLiteral("mnuRun"))->isEnabled();
        DialogScript script;
        script.answer(Answer::OK);
        mainWindow()->mnuRun_Click();
        asked = script.messages();
    });
    action(QStringLiteral("mnuRun"))->trigger();
    QVERIFY(duringRun);
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked.first().contains(QStringLiteral("still running")));
    QVERIFY(action(QStringLiteral("mnuRun"))->isEnabled());
    QVERIFY(QFile::exists(folder.file(QStringLiteral("slow.out"))));
}

void TestMainWindow::closeBox_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no changes") << false << "" << true;
    QTest::newRow("changes, No") << true << "no" << true;
    QTest::newRow("changes, Yes, dialog cancelled") << true << "cancel" << false;
    QTest::newRow("changes, Yes, saved") << true << "save" << true;
}

// The close box asks as Exit does, and no window outlives the main window.
void TestMainWindow::closeBox()
{
    QFETCH(bool, changed);
    QFETCH(QString, answers);
    QFETCH(bool, closes);
    ProgramFolder folder(true);
    Globsubs::ShowForm(mainWindow());
    {
        AnyAnswer any;
        Globsubs::ShowForm(QStringLiteral("frmTopoModel"));
        Globsubs::ShowForm(QStringLiteral("frmDurInc"));
    }
    QVERIFY(openWindow(QStringLiteral("frmDurInc")));
    DataChanged = changed;
    const QString target = folder.file(QStringLiteral("closed.inp"));
    DialogScript script;
    if (answers == QLatin1String("no"))
        script.answer(Answer::No);
    else if (answers == QLatin1String("cancel"))
        script.answer(Answer::Yes).cancelFile();
    else if (answers == QLatin1String("save"))
        script.answer(Answer::Yes).chooseFile(target).answer(Answer::OK);

    QCOMPARE(mainWindow()->close(), closes);
    QCOMPARE(script.pending(), 0);
    QCOMPARE(mainWindow()->isVisible(), !closes);
    QCOMPARE(openWindow(QStringLiteral("frmDurInc")) != nullptr, !closes);
    QCOMPARE(Forms::get(QStringLiteral("frmTopoModel"))->isLoaded(), !closes);
    QCOMPARE(QFile::exists(target), answers == QLatin1String("save"));
    QCOMPARE(DataChanged, changed && answers != QLatin1String("save"));
    // The working files stay for the next session.
    for (int i = 1; i <= 14; ++i)
        QVERIFY(QFile::exists(TmpFile[i]));
}

void TestMainWindow::unacceptedEntries_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("changed"); // the project holds unsaved changes too
    QTest::addColumn<bool>("byExit");  // File > Exit, else the close box
    QTest::addColumn<QString>("answers");
    QTest::addColumn<bool>("asked"); // the window is named in a question
    QTest::addColumn<bool>("ends");
    QTest::newRow("untouched") << "frmDurInc" << "" << false << false << "" << false << true;
    QTest::newRow("typed, stay") << "frmDurInc" << "type" << false << false << "no" << true << false;
    QTest::newRow("typed, end") << "frmDurInc" << "type" << false << false << "yes" << true << true;
    QTest::newRow("typed and erased") << "frmDurInc" << "erase" << false << false << "" << false << true;
    QTest::newRow("typed, changes, stay") << "frmDurInc" << "type" << true << false << "no" << true << false;
    QTest::newRow("typed, changes, end unsaved") << "frmDurInc" << "type" << true << false << "yes,no" << true << true;
    QTest::newRow("Exit, typed, stay") << "frmDurInc" << "type" << true << true << "no" << true << false;
    QTest::newRow("Exit, untouched") << "frmDurInc" << "" << false << true << "" << false << true;
    QTest::newRow("records browsed") << "frmStorm" << "browse" << false << false << "" << false << true;
    QTest::newRow("record stored") << "frmStorm" << "store" << false << false << "no" << true << false;
    QTest::newRow("grid cell typed") << "frmDimHyd" << "cell" << false << false << "no" << true << false;
}

// Entries typed into an entry window and never accepted are not lost without
// a question; staying keeps the program, the window and its entries.
void TestMainWindow::unacceptedEntries()
{
    QFETCH(QString, window);
    QFETCH(QString, edit);
    QFETCH(bool, changed);
    QFETCH(bool, byExit);
    QFETCH(QString, answers);
    QFETCH(bool, asked);
    QFETCH(bool, ends);
    ProgramFolder folder(true);
    Globsubs::ShowForm(mainWindow());
    ProgramFolder::writeBytes(folder.tmp(SecStorm),
                              EntryDriver::crlf("STORM ANALYSIS:\n"
                                                "          S1        G1        2.        3.5       Type II   2\n"));
    const QString remembered = folder.file(QStringLiteral("basin.inp"));
    Run_Save_Open::RememberFileName(remembered);
    int ended = 0;
    const FileMenu::EndProgramHandler previous = FileMenu::setEndProgramHandler([&ended] { ++ended; });

    EntryForm *form = EntryDriver::open(window);
    QVERIFY(form);
    if (edit == QLatin1String("type") || edit == QLatin1String("erase")) {
        EntryDriver::type(form, 2, QStringLiteral("5"));
        if (edit == QLatin1String("erase"))
            QTest::keyClick(EntryDriver::box(form, 2), Qt::Key_Backspace);
    } else if (edit == QLatin1String("browse") || edit == QLatin1String("store")) {
        QTableWidget *grid = EntryDriver::grid(form);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 0)).center());
        QCOMPARE(EntryDriver::box(form, 3)->text(), QStringLiteral("2."));
        if (edit == QLatin1String("store")) {
            EntryDriver::retype(form, 4, QStringLiteral("9"));
            EntryDriver::enter(form, 4);
        }
    } else if (edit == QLatin1String("cell")) {
        QTest::keyClicks(EntryDriver::grid(form), QStringLiteral("5"));
    }
    const QStringList shownBefore = [form] {
        QStringList texts;
        for (QLineEdit *box : form->findChildren<QLineEdit *>())
            texts << box->text();
        return texts;
    }();

    DataChanged = changed;
    // The user ends the program from the main window.
    QApplication::setActiveWindow(mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
    DialogScript script;
    for (const QString &a : answers.split(QLatin1Char(','), Qt::SkipEmptyParts))
        script.answer(a == QLatin1String("yes") ? Answer::Yes : Answer::No);
    if (byExit)
        mainWindow()->mnuFileItem(18)->trigger();
    else
        mainWindow()->close();
    FileMenu::setEndProgramHandler(previous);

    QCOMPARE(script.pending(), 0);
    QStringList questions = script.messages();
    const QString caption = form->ShortCaption();
    QCOMPARE(!questions.isEmpty() && questions.first().contains(QLatin1Char('"') + caption + QLatin1Char('"')),
             asked);
    if (asked) {
        QCOMPARE(script.asked().first().buttons, Dialogs::Buttons::YesNo);
        questions.removeFirst();
    }
    // The save question comes after, and only when the user goes on.
    QCOMPARE(questions.size(), changed && ends ? 1 : 0);
    if (byExit)
        QCOMPARE(ended, ends ? 1 : 0);
    else
        QCOMPARE(mainWindow()->isVisible(), !ends);
    if (!ends) {
        QVERIFY(form->isLoaded() && form->isVisible());
        // Staying for the entries brings their window to the front, with the focus in it.
        QTRY_VERIFY(form->isActiveWindow());
        QVERIFY(form->isAncestorOf(QApplication::focusWidget()));
        QStringList shownAfter;
        for (QLineEdit *box : form->findChildren<QLineEdit *>())
            shownAfter << box->text();
        QCOMPARE(shownAfter, shownBefore);
        QCOMPARE(DataChanged, changed);
        QCOMPARE(TextFile::readPathFile(TmpFile[FileNameSlot]), remembered);
    }
    for (QvForm *other : Forms::created())
        if (other != mainWindow())
            other->unload();
}

// Of several windows holding entries, staying brings the one named first to
// the front, with the focus where the user left it, not the one opened last.
void TestMainWindow::stayingShowsFirstWindowWithEntries()
{
    ProgramFolder folder(true);
    Globsubs::ShowForm(mainWindow());
    EntryForm *durInc = EntryDriver::open(QStringLiteral("frmDurInc"));
    EntryDriver::type(durInc, 2, QStringLiteral("5"));
    EntryForm *timeA = EntryDriver::open(QStringLiteral("frmTimeA"));
    EntryDriver::type(timeA, 2, QStringLiteral("5"));
    QApplication::setActiveWindow(mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
    DialogScript script;
    script.answer(Answer::No);
    mainWindow()->close();

    QCOMPARE(script.messages().size(), 1);
    QVERIFY(script.messages().first().startsWith(QStringLiteral("The windows \"Duration Increment\", \"Time Analysis\"")));
    // Asked over that window, which a window manager then gives the focus back to.
    QCOMPARE(script.asked().first().parent, durInc);
    QVERIFY(mainWindow()->isVisible());
    QTRY_VERIFY(durInc->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), EntryDriver::box(durInc, 2));
    durInc->unload();
    timeA->unload();
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
