// The dimensionless unit hydrograph window: typing into its grid, the working
// file it writes, clearing, inserting and deleting ordinates, and the plot.
#include "DialogScript.h"
#include "ValueGridDriver.h"

#include "core/Help_Stuff.h"
#include "sections/setup/logic/UnitSystem.h"
#include "sections/setup/frmDimHyd.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableWidget>

using namespace Qt::StringLiterals;

using namespace EntryDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmDimHyd");
const QByteArray Header = QByteArray("DIMENSIONLESS UNIT HYDROGRAPH:").leftJustified(40);

QByteArray values(QList<QByteArray> fields) { return tenColumns(20, fields); }

QByteArray file(QList<QList<QByteArray>> lines)
{
    QByteArray bytes = Header + "\r\n";
    for (const auto &l : lines)
        bytes += values(l) + "\r\n";
    return bytes;
}

int current(QWidget *form) { return grid(form)->currentRow() * 5 + grid(form)->currentColumn(); }

} // namespace

class TestDimHyd : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void cleanup() { closePlot(); }
    void emptyStart();
    void typedSeriesIsWritten();
    void acceptAfterLoading_data();
    void acceptAfterLoading();
    void valueTypedWithoutEnterCounts();
    void outOfRangeIsMarkedAndRefused();
    void deleteAll();
    void contextMenu();
    void contextMenuEdits_data();
    void contextMenuEdits();
    void displayData();
    void displayDataNeedsTwoOrdinates();
    void help();
};

void TestDimHyd::emptyStart()
{
    ProgramFolder folder;
    SetFileName(folder.file(u"basin.inp"_s));
    QWidget *form = open(Name);
    QVERIFY(qobject_cast<frmDimHyd *>(form));
    QCOMPARE(form->objectName(), Name);
    QCOMPARE(form->windowTitle(), u"Unit Hydrograph   Current File - "_s + folder.file(u"basin.inp"_s));
    QCOMPARE(cells(form, 2), (QStringList{u"0"_s, u""_s}));
    QCOMPARE(current(form), 1);
    QCOMPARE(cellColor(form, 1), Colors::Green);
    QVERIFY(!button(form, "CmdPlot")->isEnabled());
    QVERIFY(!button(form, "cmdDelAll")->isEnabled());
    QCOMPARE(focused(), grid(form));
    QCOMPARE(button(form, "cmdFinished")->text(), QString(u"Accept Changes  (Close)"_s));
    QCOMPARE(button(form, "cmdCancel")->text(), QString(u"    No Changes      (Close)"_s));
}

void TestDimHyd::typedSeriesIsWritten()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = open(Name);
    enterValues(form, {u"0.4"_s, u"1"_s, u"0.3"_s});
    QCOMPARE(current(form), 4);
    QVERIFY(button(form, "CmdPlot")->isEnabled());
    accept(form);
    QVERIFY(!form->isVisible());
    QVERIFY(DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecUnitHyd)), golden(u"dimhyd_typed.tmp"_s));

    // Read back and accepted again, the file stays as it is.
    form = open(Name);
    QCOMPARE(cells(form, 6), (QStringList{u"0."_s, u"0.4"_s, u"1."_s, u"0.3"_s, u"0."_s, u""_s}));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecUnitHyd)), golden(u"dimhyd_typed.tmp"_s));
}

void TestDimHyd::acceptAfterLoading_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("written");
    const QByteArray endsInZero = file({{"0.", "0.3", "1.", "0.4", "0."}, {"0."}});
    QTest::newRow("ends in 0: unchanged") << endsInZero << endsInZero;
    QTest::newRow("five ordinates: closing zero on a line of its own")
        << file({{"0", ".5", "1", "0.6", "0.2"}})
        << file({{"0.", ".5", "1.", "0.6", "0.2"}, {"0."}});
    QTest::newRow("only columns 21-70 are read")
        << (Header + "\r\n" + "NOTE 1-20 IS IGNORED" + values({"0", "1", "0.5", "0.2", "0."}).mid(20) + "TAIL 71-80\r\n")
        << file({{"0.", "1.", "0.5", "0.2", "0."}});
    QTest::newRow("two ordinates are kept") << file({{"0.", "1."}}) << file({{"0.", "1.", "0."}});
    QTest::newRow("one ordinate is no hydrograph") << file({{"0."}}) << QByteArray();
    QTest::newRow("reading stops at a blank line")
        << (file({{"0", "1"}}) + "   \r\n" + values({"0.5"}) + "\r\n") << file({{"0.", "1.", "0."}});
}

void TestDimHyd::acceptAfterLoading()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    QCOMPARE(acceptAsLoaded(folder, Name, SecUnitHyd, stored), written);
}

void TestDimHyd::valueTypedWithoutEnterCounts()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    QTest::keyClicks(grid(form), u"0.5"_s);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecUnitHyd)), file({{"0.", "0.5", "0."}}));

    // The same where the last ordinate was deleted and another typed in its place.
    ProgramFolder::writeBytes(folder.tmp(SecUnitHyd), file({{"0.", "0.5"}}));
    form = open(Name);
    clickCell(form, 1, Qt::RightButton);
    QTRY_VERIFY(popup(form)->isVisible());
    menuItem(form, 2)->trigger();
    QCOMPARE(cells(form, 2), (QStringList{u"0."_s, u""_s}));
    QCOMPARE(current(form), 1);
    QTest::keyClicks(grid(form), u"0.7"_s);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecUnitHyd)), file({{"0.", "0.7", "0."}}));
}

void TestDimHyd::outOfRangeIsMarkedAndRefused()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    enterValues(form, {u"1.5"_s, u"1"_s});
    QCOMPARE(cellColor(form, 1), Colors::Red);
    QCOMPARE(cellColor(form, 2), Colors::White);
    QCOMPARE(cellColor(form, 3), Colors::Green);
    // Letters and signs never reach a cell.
    QTest::keyClicks(grid(form), u"-a"_s);
    QCOMPARE(cell(form, 3), QString());
    // A red cell is never written: Accept names it and goes there.
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.messages(),
             QStringList{u"Dimensionless Hydrograph Points, row 1, column 2: \"1.5\" is not a valid value."_s});
    QVERIFY(form->isVisible());
    QCOMPARE(current(form), 1);
    QCOMPARE(focused(), grid(form));
    QVERIFY(!QFile::exists(folder.tmp(SecUnitHyd)) || ProgramFolder::readBytes(folder.tmp(SecUnitHyd)).isEmpty());
}

void TestDimHyd::deleteAll()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecUnitHyd), file({{"0.", "0.5", "1.", "0."}}));
    QWidget *form = open(Name);
    QVERIFY(button(form, "cmdDelAll")->isEnabled());
    {
        DialogScript dialogs;
        dialogs.answer(Dialogs::Answer::No);
        click(button(form, "cmdDelAll"));
        QCOMPARE(dialogs.asked().size(), 1);
        const Dialogs::Request &r = dialogs.asked().first();
        QCOMPARE(r.text, QString(u"Delete dimensionless unit hydrograph data ?"_s));
        QCOMPARE(r.title, QString(u"Dimensionless Unit Hydrograph"_s));
        QCOMPARE(r.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(r.icon, Dialogs::Icon::Question);
    }
    QCOMPARE(cells(form, 4), (QStringList{u"0."_s, u"0.5"_s, u"1."_s, u"0."_s}));
    {
        DialogScript dialogs;
        dialogs.answer(Dialogs::Answer::Yes);
        click(button(form, "cmdDelAll"));
    }
    QCOMPARE(cells(form, 4), (QStringList{u"0"_s, u""_s, u""_s, u""_s}));
    QCOMPARE(current(form), 1);
    QVERIFY(!button(form, "CmdPlot")->isEnabled());
    QVERIFY(!button(form, "cmdDelAll")->isEnabled());
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecUnitHyd)), QByteArray());
}

void TestDimHyd::contextMenu()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecUnitHyd), file({{"0.", "0.5"}}));
    QWidget *form = open(Name);
    QCOMPARE(popup(form)->title(), QString(u"Insert/Delete"_s));
    QCOMPARE(menuItem(form, 1)->text(), QString(u"Insert Point"_s));
    QCOMPARE(menuItem(form, 2)->text(), QString(u"Delete Point"_s));
    // A right click on the first cell offers the menu for the second.
    clickCell(form, 0, Qt::RightButton);
    QCOMPARE(current(form), 1);
    QTRY_VERIFY(popup(form)->isVisible());
    popup(form)->hide();
    // On an empty cell: no menu.
    clickCell(form, 7, Qt::RightButton);
    QCOMPARE(current(form), 2);
    QVERIFY(!popup(form)->isVisible());
    // A left click shows none either.
    clickCell(form, 1);
    QVERIFY(!popup(form)->isVisible());
}

void TestDimHyd::contextMenuEdits_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("delete") << 2 << QStringList{u"0."_s, u"0.2"_s, u"0.6"_s, u""_s, u""_s}
                            << file({{"0.", "0.2", "0.6", "0."}});
    QTest::newRow("insert") << 1 << QStringList{u"0."_s, u"0.2"_s, u"0.4"_s, u"0.4"_s, u"0.6"_s}
                            << file({{"0.", "0.2", "0.4", "0.4", "0.6"}, {"0."}});
}

void TestDimHyd::contextMenuEdits()
{
    QFETCH(int, item);
    QFETCH(QStringList, after);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecUnitHyd), file({{"0.", "0.2", "0.4", "0.6"}}));
    QWidget *form = open(Name);
    clickCell(form, 2, Qt::RightButton);
    QTRY_VERIFY(popup(form)->isVisible());
    menuItem(form, item)->trigger();
    QVERIFY(!popup(form)->isVisible());
    QCOMPARE(cells(form, 5), after);
    QCOMPARE(current(form), 2);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecUnitHyd)), written);
}

void TestDimHyd::displayData()
{
    ProgramFolder folder;
    SetUnitSystem(false, false);
    QWidget *form = open(Name);
    enterValues(form, {u"0.5"_s, u"1"_s, u"0.25"_s, u"0"_s});
    QVERIFY(button(form, "CmdPlot")->isEnabled());
    click(button(form, "CmdPlot"));
    QVERIFY(plot()->isVisible());
    QCOMPARE(plot()->windowModality(), Qt::ApplicationModal);
    const Plots::PlotSetup &setup = plot()->setup();
    QCOMPARE(setup.kind, int(Plots::KindDimensionless));
    QCOMPARE(setup.title, QString(u"Dimensionless Unit Hydrograph"_s));
    QCOMPARE(setup.count.at(1), 5);
    QCOMPARE(setup.X.at(1), (std::vector<double>{0, 0, 0.25, 0.5, 0.75, 1}));
    QCOMPARE(setup.Y.at(1), (std::vector<double>{0, 0, 0.5, 1, 0.25, 0}));
    QCOMPARE(plot()->request().FlowUnit, QString(u"cu m/sec"_s));
    plot()->unload();
    SetUnitSystem(true, true);

    // The plot keeps its own copy: later edits of the window leave it alone.
    clickCell(form, 2);
    QTest::keyClicks(grid(form), u"0.9"_s);
    QTest::keyClick(grid(form), Qt::Key_Return);
    QCOMPARE(cell(form, 2), QString(u"0.9"_s));
    QCOMPARE(plot()->request().PlotY.at(1), (std::vector<double>{0, 0, 0.5, 1, 0.25, 0}));
}

void TestDimHyd::displayDataNeedsTwoOrdinates()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecUnitHyd), file({{"0.", "1."}}));
    auto *form = qobject_cast<frmDimHyd *>(open(Name));
    // Two loaded ordinates are a hydrograph, as two typed ones are.
    QVERIFY(button(form, "CmdPlot")->isEnabled());
    click(button(form, "CmdPlot"));
    QVERIFY(plot()->isVisible());
    QCOMPARE(plot()->setup().X.at(1), (std::vector<double>{0, 0, 1}));
    plot()->unload();

    // After the second was deleted only one is left: refused.
    clickCell(form, 1, Qt::RightButton);
    menuItem(form, 2)->trigger();
    DialogScript dialogs;
    dialogs.answer(Dialogs::Answer::OK);
    form->CmdPlot_Click();
    QCOMPARE(dialogs.asked().size(), 1);
    const Dialogs::Request &r = dialogs.asked().first();
    QCOMPARE(r.text, QString(u" No Data Entered"_s));
    QCOMPARE(r.buttons, Dialogs::Buttons::OK);
    QCOMPARE(r.icon, Dialogs::Icon::None);
    QCOMPARE(r.title, QString());
    QVERIFY(!plot()->isLoaded());
}

void TestDimHyd::help()
{
    ProgramFolder folder;
    QFile::copy(QStringLiteral(QV_RESOURCES_DIR "/QuorvaleHelp.lst"), HelpListFile);
    QWidget *form = open(Name);
    auto *help = control<QPlainTextEdit>(form, u"txtHelp"_s);
    click(label(form, u"lblHeader"_s));
    QVERIFY(help->toPlainText().contains(u"Dimensionless Unit Hydrograph"_s));
    click(label(form, u"lblInput_1"_s));
    QVERIFY(help->isVisible());
    QVERIFY(help->toPlainText().contains(u"Dimensionless Hydrograph Points"_s));
    QVERIFY(help->toPlainText().contains(u"Range - 0 to 1"_s));
}

QTEST_MAIN(TestDimHyd)
#include "tst_dimhyd.moc"
