// The input hydrograph window: entering a hydrograph, its flows in the value
// grid, the closing flow, the checks, "Display Data" and Accept.
#include "DialogScript.h"
#include "RatingDriver.h"

#include "../setup/ValueGridDriver.h"
#include "sections/ratings/frmInpHyd.h"

#include <QDir>

using namespace RatingDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmInpHyd");
const QByteArray Header = QByteArray("INPUT HYDROGRAPH:").leftJustified(40) + "\r\n";

frmInpHyd *window(QWidget *form) { return qobject_cast<frmInpHyd *>(form); }

QWidget *openOn(const ProgramFolder &folder, const QByteArray &stored, const QString &id = QString())
{
    return openOnId(folder, Name, SecInpHyd, stored, id);
}

// Chooses hydrograph `id`, gives it a reach and the time increment, and enters its flows.
void enterHydrograph(QWidget *form, const QString &id, const QString &increment, const QStringList &flows)
{
    chooseId(form, id);
    QTest::keyClicks(combo(form, 2), "R1");
    QTest::keyClick(combo(form, 2), Qt::Key_Return);
    QTest::keyClick(combo(form, 3), Qt::Key_Return);
    QTest::keyClicks(box(form, 4), "2"), QTest::keyClick(box(form, 4), Qt::Key_Return);
    QTest::keyClicks(box(form, 5), increment), QTest::keyClick(box(form, 5), Qt::Key_Return);
    QTest::keyClick(box(form, 6), Qt::Key_Return);
    QTest::keyClick(box(form, 7), Qt::Key_Return);
    enterValues(form, flows);
}
} // namespace

class TestInpHyd : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void cleanup() { closePlot(); }
    void writesNewHydrographs_data();
    void writesNewHydrographs();
    void goldenIsKept();
    void typingRestartsInEveryCell();
    void flowsKeepTheirColumns();
    void emptyIdentifierClearsWindow();
    void displayData();
    void acceptRefusesInvalidValue();
    void unwritableFileKeepsWindowOpen();
};

void TestInpHyd::writesNewHydrographs_data()
{
    QTest::addColumn<QStringList>("flows"); // after the fixed first flow 0
    QTest::addColumn<QByteArray>("flowLines");
    const QByteArray b20(20, ' ');
    QTest::newRow("closing 0 in the last slot") << QStringList{"5", "10", "5"}
                                                << QByteArray(b20 + "0.        5.        10.       5.        0.        \r\n");
    QTest::newRow("closing 0 on a line of its own")
        << QStringList{"5", "10", "5", "2"}
        << QByteArray(b20 + "0.        5.        10.       5.        2.        \r\n" + b20 + "0.        \r\n");
    QTest::newRow("ends in 0") << QStringList{"7", "0"} << QByteArray(b20 + "0.        7.        0.        \r\n");
    QTest::newRow("one flow: not written") << QStringList{} << QByteArray();
}

void TestInpHyd::writesNewHydrographs()
{
    QFETCH(QStringList, flows);
    QFETCH(QByteArray, flowLines);
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = open(Name);
    QVERIFY(window(form));
    QVERIFY(!shown(form, "CmdPlot"));
    enterHydrograph(form, "H1", "1", flows);
    QCOMPARE(cell(form, 0), QString("0"));
    accept(form);
    QVERIFY(!form->isVisible());
    QVERIFY(DataChanged);
    const QByteArray written = flowLines.isEmpty()
                                   ? QByteArray()
                                   : Header + "          H1        R1                  2.        1.                            \r\n"
                                         + flowLines + "\r\n";
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecInpHyd)), written);
}

void TestInpHyd::goldenIsKept()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, ratingGolden("inphyd_written.tmp"));
    QCOMPARE(listed(combo(form)), (QStringList{"H1", "H2", "H3"}));
    QVERIFY(listed(combo(form, 2)).contains("OUTLET"));
    chooseId(form, "h2");
    QCOMPARE(cells(form, 7), (QStringList{"0.", "5.", "10.", "5.", "2.", "0.", ""}));
    QCOMPARE(box(form, 6)->text(), QString("3.2"));
    QVERIFY(shown(form, "CmdPlot"));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecInpHyd)), ratingGolden("inphyd_written.tmp"));
}

void TestInpHyd::typingRestartsInEveryCell()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    enterHydrograph(form, "H1", "1", {"12", "7"});
    clickCell(form, 1);
    QTest::keyClicks(grid(form), "5");
    QCOMPARE(cell(form, 1), QString("5"));
    QTest::keyClicks(grid(form), "3");
    QCOMPARE(cell(form, 1), QString("53"));
    QTest::keyClick(grid(form), Qt::Key_Backspace);
    QCOMPARE(cell(form, 1), QString("5"));
    // The first flow stays as it is.
    clickCell(form, 0);
    QTest::keyClicks(grid(form), "9");
    QCOMPARE(cell(form, 0), QString("0"));
    QCOMPARE(cell(form, 1), QString("9"));
}

void TestInpHyd::flowsKeepTheirColumns()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    enterHydrograph(form, "H1", "1", {});
    QTest::keyClicks(grid(form), "123456789012");
    QCOMPARE(cell(form, 1), QString("1234567890"));
    for (int n : {4, 5, 6, 7})
        QCOMPARE(box(form, n)->maxLength(), 10);
    QCOMPARE(combo(form, 2)->lineEdit()->maxLength(), 10);
}

void TestInpHyd::emptyIdentifierClearsWindow()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    enterHydrograph(form, "H1", "0.5", {"4", "2"});
    retype(form, 7, "3");
    chooseId(form, "");
    QCOMPARE(box(form, 7)->text(), QString(" "));
    QCOMPARE(cells(form, 2), (QStringList{"", ""}));
    QCOMPARE(EntryForm::BackColor(combo(form)), Colors::Red);
    chooseId(form, "H1");
    QCOMPARE(box(form, 7)->text(), QString("3"));
    QCOMPARE(cells(form, 4), (QStringList{"0", "4", "2", ""}));
}

void TestInpHyd::displayData()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    enterHydrograph(form, "H1", "0", {"4"});
    QVERIFY(!shown(form, "CmdPlot"));
    retype(form, 5, "0.5");
    QTest::keyClick(box(form, 5), Qt::Key_Return);
    QVERIFY(shown(form, "CmdPlot"));
    click(button(form, "CmdPlot"));
    QVERIFY(plot()->isVisible());
    QCOMPARE(window(form)->Tag, QString("1"));
    QCOMPARE(plot()->request().PlotKind, int(Plots::KindInputHydrograph));
    QCOMPARE(plot()->request().PlotY.at(1), (std::vector<double>{0, 0, 4}));
    plot()->unload();
    // Deleting the second flow leaves one: nothing to plot.
    clickCell(form, 1, Qt::RightButton);
    QTRY_VERIFY(control<QMenu>(form, "mnuPopUp")->isVisible());
    menuItem(form, 2)->trigger();
    QVERIFY(!shown(form, "CmdPlot"));
    window(form)->CmdPlot_Click();
    QVERIFY(!plot()->isVisible());
}

void TestInpHyd::acceptRefusesInvalidValue()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = open(Name);
    enterHydrograph(form, "H1", "1", {"4", "1.2.3"});
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.messages(),
             QStringList{"Input Hydrograph H1 - Input Hydrograph Flows: \"1.2.3\" is not a valid value."});
    QVERIFY(form->isVisible());
    QVERIFY(!DataChanged);
    QCOMPARE(focused(), grid(form));
    QCOMPARE(grid(form)->currentColumn(), 2);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecInpHyd)), QByteArray());
}

void TestInpHyd::unwritableFileKeepsWindowOpen()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = open(Name);
    enterHydrograph(form, "H1", "1", {"4", "2"});
    QVERIFY(QDir().mkpath(folder.tmp(SecInpHyd)));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.asked().size(), 1);
    QVERIFY(script.messages().first().startsWith("The working file " + folder.tmp(SecInpHyd) + " could not be written: "));
    QVERIFY(form->isVisible());
    QVERIFY(!DataChanged);
}

QTEST_MAIN(TestInpHyd)
#include "tst_inphyd.moc"
