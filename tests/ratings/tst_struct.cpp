// The structure rating window: choosing and creating structures, rating rows
// in elevation order, their checks, deleting rows and structures, "Display
// Data", and Accept with its refusals.
#include "DialogScript.h"
#include "RatingDriver.h"
#include "WindowLayout.h"

#include "sections/ratings/frmStruct.h"

#include <QDir>

using namespace RatingDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmStruct");
const QByteArray Header = QByteArray("STRUCTURE RATING:").leftJustified(40) + "\r\n";

QByteArray structure(const QByteArray &id, const QByteArray &start)
{
    return tenColumns(10, {id, start}) + "\r\n";
}
QByteArray point(const QByteArray &e, const QByteArray &d, const QByteArray &s)
{
    return tenColumns(20, {e, d, s}) + "\r\n";
}

const QByteArray Three = Header + structure("S1", "100.") + point("100.", "0.", "0.") + point("101.", "5.", "1.")
                         + point("102.", "15.", "2.5") + structure("S2", "90.5") + structure("S3", "")
                         + point("7.", "1.", "1.") + "\r\n";

frmStruct *window(QWidget *form) { return qobject_cast<frmStruct *>(form); }

QWidget *openOn(const ProgramFolder &folder, const QByteArray &stored, const QString &id = QString())
{
    return openOnId(folder, Name, SecStruct, stored, id);
}
} // namespace

class TestStruct : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void cleanup() { closePlot(); }
    void opensEmpty();
    void showsItsTextsWhole();
    void entersAndWritesStructure();
    void rowsStayInElevationOrder();
    void valuesRiseWithElevation_data();
    void valuesRiseWithElevation();
    void identifierLookup_data();
    void identifierLookup();
    void deletingRows();
    void deletingStructure();
    void displayData();
    void acceptRefusesInvalidValues_data();
    void acceptRefusesInvalidValues();
    void acceptRefusesInvalidStoredRow();
    void acceptWithoutStructures_data();
    void acceptWithoutStructures();
    void unwritableFileKeepsWindowOpen();
};

void TestStruct::opensEmpty()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecReach),
                              QByteArray("STREAM REACH:").leftJustified(40) + "\r\n" + QByteArray(10, ' ')
                                  + "R1        OUTLET    X1        DAM       \r\n");
    SetFileName(folder.file("basin.inp"));
    QWidget *form = openOn(folder, Three);
    QVERIFY(window(form));
    QCOMPARE(form->windowTitle(), "Structure Rating   Current File - " + folder.file("basin.inp"));
    QCOMPARE(listed(combo(form)), (QStringList{"S1", "S2", "S3", "DAM"}));
    QCOMPARE(combo(form)->currentText(), QString());
    QCOMPARE(gridRow(form, 0), (QStringList{"Elevation", "Discharge", "Storage"}));
    QCOMPARE(grid(form)->rowCount(), 11);
    QVERIFY(!shown(form, "CmdPlot"));
    QCOMPARE(button(form, "cmdCancel")->text(), QString("    No Changes     (Close)"));
    QCOMPARE(label(form, "lblComment_1")->text(),
             QString("Click row in grid to edit previously entered data.  RIGHT click to delete row."));
    QCOMPARE(box(form, 3)->maxLength(), 10);
}

// The grid's titles show whole, and no control lies over another (the
// buttons under the grid least of all).
void TestStruct::showsItsTextsWhole()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three, "S1");
    QVERIFY(shown(form, "CmdPlot"));
    QCOMPARE(cutGridTitles(form), QStringList());
    const QStringList overlapping = WindowLayout::OverlappingControls(form);
    QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join(QStringLiteral(", "))));
}

void TestStruct::entersAndWritesStructure()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = open(Name);
    chooseId(form, "S1");
    QCOMPARE(focused(), box(form, 2));
    enterBox(form, 2, "100");
    QCOMPARE(focused(), box(form, 3));
    // Without an elevation the row's values cannot be reached.
    QTest::keyClick(box(form, 3), Qt::Key_Return);
    QCOMPARE(focused(), box(form, 3));
    for (const char *value : {"100", "0", "0", "102", "15", "2.5"})
        QTest::keyClicks(focused(), value), QTest::keyClick(focused(), Qt::Key_Return);
    // After the last box the entry goes on in the next, empty row.
    QCOMPARE(focused(), box(form, 3));
    QCOMPARE(box(form, 3)->text(), QString());
    QCOMPARE(gridRow(form, 2), (QStringList{"102", "15", "2.5"}));
    accept(form);
    QVERIFY(!form->isVisible());
    QVERIFY(DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStruct)),
             Header + structure("S1", "100.") + point("100.", "0.", "0.") + point("102.", "15.", "2.5") + "\r\n");
}

void TestStruct::rowsStayInElevationOrder()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three, "S1");
    enterBox(form, 3, "100.5");
    QCOMPARE(gridRow(form, 2), (QStringList{"100.5", "", ""}));
    QCOMPARE(gridRow(form, 3), (QStringList{"101.", "5.", "1."}));
    // An elevation the table holds selects its row and shows its values.
    enterBox(form, 3, "102");
    QCOMPARE(box(form, 4)->text(), QString("15."));
    QCOMPARE(box(form, 5)->text(), QString("2.5"));
    QCOMPARE(grid(form)->currentRow(), 4);
    enterBox(form, 3, "103");
    QCOMPARE(gridRow(form, 5), (QStringList{"103", "", ""}));
    QCOMPARE(gridRow(form, 6), (QStringList{"", "", ""}));
}

void TestStruct::valuesRiseWithElevation_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("color");
    QTest::newRow("discharge above the next row") << 4 << "20" << Colors::Red;
    QTest::newRow("discharge equal to the row above") << 4 << "5" << Colors::Red;
    QTest::newRow("discharge between") << 4 << "12" << Colors::White;
    QTest::newRow("storage between") << 5 << "2" << Colors::White;
    QTest::newRow("storage below 0") << 5 << "-1" << Colors::Red;
    QTest::newRow("storage not a number") << 5 << "abc" << Colors::Red;
}

void TestStruct::valuesRiseWithElevation()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(int, color);
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three, "S1");
    enterBox(form, 3, "101.5");
    enterBox(form, field, value);
    QCOMPARE(EntryDriver::color(form, field), color);
    // A failing value keeps the focus.
    QCOMPARE(focused(), box(form, color == Colors::Red ? field : field + 1 > 5 ? 3 : field + 1));
}

void TestStruct::identifierLookup_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("start"); // starting elevation shown; null: a new structure
    QTest::newRow("other letter case") << "s1" << "100.";
    QTest::newRow("cut to 10 before the lookup") << "S3xxxxxxxxYY" << QString();
    QTest::newRow("second structure") << "S2" << "90.5";
}

void TestStruct::identifierLookup()
{
    QFETCH(QString, typed);
    QFETCH(QString, start);
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three, typed);
    QCOMPARE(combo(form)->currentText(), typed.left(10));
    if (start.isNull()) {
        QCOMPARE(window(form)->selectedRecord(), 4);
        QCOMPARE(box(form, 2)->text(), QString());
        QVERIFY(listed(combo(form)).contains(typed.left(10)));
    } else {
        QCOMPARE(box(form, 2)->text(), start);
    }
}

void TestStruct::deletingRows()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = openOn(folder, Three, "S1");
    QVERIFY(shown(form, "CmdPlot"));
    {
        DialogScript script;
        script.answer(Dialogs::Answer::Yes);
        clickRow(form, 2, Qt::RightButton);
        QCOMPARE(script.messages(), QStringList{"Delete Structure Rating Row ?"});
        QCOMPARE(script.asked().first().title, QString("Structure Rating"));
    }
    QCOMPARE(gridRow(form, 2), (QStringList{"102.", "15.", "2.5"}));
    QCOMPARE(box(form, 3)->text(), QString("102."));
    QVERIFY(shown(form, "CmdPlot"));
    {
        // Down to one row there is nothing to plot.
        DialogScript script;
        script.answer(Dialogs::Answer::Yes);
        clickRow(form, 1, Qt::RightButton);
    }
    QCOMPARE(gridRow(form, 1), (QStringList{"102.", "15.", "2.5"}));
    QVERIFY(!shown(form, "CmdPlot"));
    {
        DialogScript script;
        script.answer(Dialogs::Answer::No);
        clickRow(form, 1, Qt::RightButton);
    }
    QCOMPARE(gridRow(form, 1), (QStringList{"102.", "15.", "2.5"}));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStruct)),
             Header + structure("S1", "100.") + point("102.", "15.", "2.5") + structure("S2", "90.5")
                 + structure("S3", "") + point("7.", "1.", "1.") + "\r\n");

    // Every structure is read back, also those after the shortened one.
    QWidget *again = open(Name);
    chooseId(again, "S3");
    QCOMPARE(gridRow(again, 1), (QStringList{"7.", "1.", "1."}));
}

void TestStruct::deletingStructure()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three, "S1");
    {
        DialogScript script;
        script.answer(Dialogs::Answer::Yes);
        click(button(form, "cmdDelCur"));
        QCOMPARE(script.messages(), QStringList{"Delete Current Structure Data ?"});
    }
    QCOMPARE(combo(form)->currentText(), QString());
    QCOMPARE(box(form, 2)->text(), QString());
    QCOMPARE(gridRow(form, 1), (QStringList{"", "", ""}));
    QVERIFY(!shown(form, "CmdPlot"));
    QVERIFY(!listed(combo(form)).contains("S1"));
    QCOMPARE(focused(), combo(form));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStruct)),
             Header + structure("S2", "90.5") + structure("S3", "") + point("7.", "1.", "1.") + "\r\n");
}

void TestStruct::displayData()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three, "S2");
    QVERIFY(!shown(form, "CmdPlot"));
    enterBox(form, 3, "90");
    enterBox(form, 4, "0");
    QVERIFY(!shown(form, "CmdPlot"));
    QTest::keyClick(box(form, 5), Qt::Key_Return);
    enterBox(form, 3, "95");
    QVERIFY(shown(form, "CmdPlot"));
    enterBox(form, 4, "3");
    click(button(form, "CmdPlot"));
    QVERIFY(plot()->isVisible());
    QCOMPARE(window(form)->Tag, QString("2"));
    const Plots::PlotRequest &request = plot()->request();
    QCOMPARE(request.PlotKind, int(Plots::KindStructure));
    QCOMPARE(request.header(1, 1), QString("S2"));
    QCOMPARE(request.PlotX.at(1), (std::vector<double>{0, 90, 95}));
    QCOMPARE(request.PlotY.at(1), (std::vector<double>{0, 0, 3}));
    plot()->unload();

    // A structure with fewer rows hides it again, whatever was shown before.
    chooseId(form, "S3");
    QVERIFY(!shown(form, "CmdPlot"));
    chooseId(form, "S1");
    QVERIFY(shown(form, "CmdPlot"));
    chooseId(form, "NEW");
    QVERIFY(!shown(form, "CmdPlot"));
    // Called with one row it asks for no plot.
    chooseId(form, "S3");
    window(form)->CmdPlot_Click();
    QVERIFY(!plot()->isVisible());
}

void TestStruct::acceptRefusesInvalidValues_data()
{
    QTest::addColumn<QString>("id");     // structure to type into; empty: none chosen
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("switchTo"); // chosen before Accept; empty: none
    QTest::addColumn<QString>("message");
    QTest::newRow("starting elevation shown") << "S1" << 2 << "abc" << "" << "Structure S1 - Structure Starting Elevation: \"abc\" is not a valid value.";
    QTest::newRow("starting elevation of a structure left") << "S1" << 2 << "1.2.3" << "S2" << "Structure S1 - Structure Starting Elevation: \"1.2.3\" is not a valid value.";
    QTest::newRow("no structure chosen") << "" << 2 << "100" << "" << "Structure Starting Elevation: \"100\" belongs to no structure. Choose or type its identifier first.";
}

void TestStruct::acceptRefusesInvalidValues()
{
    QFETCH(QString, id);
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QString, switchTo);
    QFETCH(QString, message);
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = openOn(folder, Three, id);
    if (field > 3)
        clickRow(form, 1);
    retype(form, field, value);
    QTest::keyClick(box(form, field), Qt::Key_Return);
    QCOMPARE(EntryDriver::color(form, field), Colors::Red);
    if (!switchTo.isEmpty())
        chooseId(form, switchTo);
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.messages(), QStringList{message});
    QVERIFY(form->isVisible());
    QVERIFY(!DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStruct)), Three);
    // The record is shown again with the value marked, and the focus is there.
    if (!id.isEmpty())
        QCOMPARE(combo(form)->currentText(), id);
    QCOMPARE(box(form, field)->text(), value);
    QCOMPARE(EntryDriver::color(form, field), Colors::Red);
    QCOMPARE(focused(), box(form, field));
}

void TestStruct::acceptRefusesInvalidStoredRow()
{
    // A value edited elsewhere into the working file is never written as a number.
    ProgramFolder folder;
    const QByteArray stored = Header + structure("S1", "1.") + structure("S2", "2.") + point("1.", "0.", "0.")
                              + point("2.", "abc", "1.") + "\r\n";
    QWidget *form = openOn(folder, stored, "S1");
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.messages(), QStringList{"Structure S2 - Structure Discharge: \"abc\" is not a valid value."});
    QCOMPARE(combo(form)->currentText(), QString("S2"));
    QCOMPARE(grid(form)->currentRow(), 2);
    QCOMPARE(box(form, 3)->text(), QString("2."));
    QCOMPARE(EntryDriver::color(form, 4), Colors::Red);
    QCOMPARE(focused(), box(form, 4));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStruct)), stored);
}

void TestStruct::acceptWithoutStructures_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("changed");
    QTest::newRow("empty section, nothing entered") << QByteArray() << false;
    QTest::newRow("header only") << Header << false;
    QTest::newRow("only structure deleted") << QByteArray(Header + structure("S1", "1.") + "\r\n") << true;
}

void TestStruct::acceptWithoutStructures()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, changed);
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = openOn(folder, stored);
    if (changed) {
        chooseId(form, "S1");
        DialogScript script;
        script.answer(Dialogs::Answer::Yes);
        click(button(form, "cmdDelCur"));
    }
    accept(form);
    QVERIFY(!form->isVisible());
    QCOMPARE(DataChanged, changed);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStruct)), QByteArray());
}

void TestStruct::unwritableFileKeepsWindowOpen()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = open(Name);
    chooseId(form, "S1");
    enterBox(form, 2, "5");
    // A folder where the working file should be: it cannot be replaced.
    QVERIFY(QDir().mkpath(folder.tmp(SecStruct)));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.asked().size(), 1);
    QVERIFY2(script.messages().first().startsWith("The working file " + folder.tmp(SecStruct) + " could not be written: "),
             qPrintable(script.messages().first()));
    QVERIFY(form->isVisible());
    QVERIFY(!DataChanged);
    QCOMPARE(box(form, 2)->text(), QString("5"));
}

QTEST_MAIN(TestStruct)
#include "tst_struct.moc"
