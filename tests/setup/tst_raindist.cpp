// The rainfall distribution window: choosing and creating rain tables by
// identifier, their increments and values, deleting, the working file it
// writes, and the plot.
#include "DialogScript.h"
#include "ValueGridDriver.h"

#include "sections/setup/frmRainDist.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableWidget>

using namespace Qt::StringLiterals;

using namespace EntryDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmRainDist");
const QByteArray Header = QByteArray("RAINFALL DISTRIBUTION:").leftJustified(50);

QByteArray tableLine(const QByteArray &id, const QByteArray &increment)
{
    return tenColumns(10, {id, "", increment}) + "\r\n";
}

// Value lines of five.
QByteArray valueLines(const QList<QByteArray> &values)
{
    QByteArray out;
    for (int i = 0; i < values.size(); i += 5)
        out += tenColumns(20, values.mid(i, 5)) + "\r\n";
    return out;
}

QByteArray table(const QByteArray &id, const QByteArray &increment, const QList<QByteArray> &values)
{
    return tableLine(id, increment) + valueLines(values);
}

QByteArray section(const QByteArray &tables) { return Header + "\r\n" + tables + "\r\n"; }

frmRainDist *rain(QWidget *form) { return qobject_cast<frmRainDist *>(form); }
QComboBox *combo(QWidget *form) { return control<QComboBox>(form, QStringLiteral("Cmbinp_1")); }

// Puts the focus into the identifier box and types `id` in place of its text.
void typeId(QWidget *form, const QString &id)
{
    combo(form)->setFocus(Qt::MouseFocusReason);
    combo(form)->clearEditText();
    QTest::keyClicks(combo(form), id);
}

// Chooses or creates a table: its identifier, Enter, its increment, Enter.
void chooseTable(QWidget *form, const QString &id, const QString &increment = QString())
{
    typeId(form, id);
    QTest::keyClick(combo(form), Qt::Key_Return);
    if (!increment.isNull()) {
        box(form, 2)->clear();
        QTest::keyClicks(box(form, 2), increment);
        QTest::keyClick(box(form, 2), Qt::Key_Return);
    }
}

void deleteValue(QWidget *form, int k)
{
    clickCell(form, k, Qt::RightButton);
    QTRY_VERIFY(popup(form)->isVisible());
    menuItem(form, 2)->trigger();
}

QStringList listed(QWidget *form)
{
    QStringList out;
    for (int i = 0; i < combo(form)->count(); ++i)
        out << combo(form)->itemText(i);
    return out;
}

const QByteArray TwoTables = section(table("R1", "0.25", {"0.", "0.2", "0.5", "0.8", "1."})
                                     + table("TYPE-B", "1.", {"0.", "0.4", "0.7", "0.9", "0.95", "1."}));
// Opens the window on TwoTables and chooses table `id`.
QWidget *openOnTable(const ProgramFolder &folder, const QString &id)
{
    ProgramFolder::writeBytes(folder.tmp(SecRainDist), TwoTables);
    QWidget *form = open(Name);
    chooseTable(form, id);
    return form;
}
} // namespace

class TestRainDist : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void cleanup() { closePlot(); }
    void opensWithoutTable();
    void newTableIsWritten();
    void acceptAfterLoading_data();
    void acceptAfterLoading();
    void choosesTableIgnoringCase();
    void switchingTablesKeepsBoth();
    void gridReachedByTabChain();
    void identifierIsCut_data();
    void identifierIsCut();
    void blankIdentifierIsNone();
    void incrementCheck();
    void valuesOutOfOrderAreMarkedAndRefused();
    void leavingGridConfirmsValue();
    void deletedValuesStayDeleted();
    void deleteTable();
    void deleteTableAnsweredNo();
    void deleteAnsweredNoChangesNothing();
    void deletedTableStartsAsNew();
    void displayData();
    void displayDataRefusals();
    void help();
};

void TestRainDist::opensWithoutTable()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecRainDist), TwoTables);
    ProgramFolder::writeBytes(folder.tmp(SecStorm),
                              QByteArray("STORM ANALYSIS:").leftJustified(40) + "\r\n"
                                  + QByteArray(50, ' ') + "GAGE-T    \r\n" + QByteArray(50, ' ') + "TYPE II   \r\n");
    SetFileName(folder.file(u"basin.inp"_s));
    QWidget *form = open(Name);
    QVERIFY(rain(form));
    QCOMPARE(form->objectName(), Name);
    QCOMPARE(form->windowTitle(), u"Rainfall Distribution   Current File - "_s + folder.file(u"basin.inp"_s));
    // The section's tables and the other tables storms name; no standard names.
    QCOMPARE(listed(form), (QStringList{u"R1"_s, u"TYPE-B"_s, u"GAGE-T"_s}));
    QCOMPARE(combo(form)->currentText(), QString());
    QCOMPARE(cells(form, 2), (QStringList{u""_s, u""_s}));
    QCOMPARE(box(form, 2)->text(), QString());
    QCOMPARE(label(form, u"lblInUnit_2"_s)->text(), QString(u"hr"_s));
    QVERIFY(!button(form, "CmdPlot")->isEnabled());
    QCOMPARE(button(form, "cmdDelCur")->text(), QString(u"Delete Distribution"_s));
    // Nothing can be typed into the grid before a table is chosen.
    grid(form)->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(grid(form), u"5"_s);
    QCOMPARE(cells(form, 2), (QStringList{u""_s, u""_s}));
    QCOMPARE(focused(), combo(form));
}

void TestRainDist::newTableIsWritten()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = open(Name);
    typeId(form, u"R1"_s);
    QTest::keyClick(combo(form), Qt::Key_Return);
    QCOMPARE(focused(), box(form, 2));
    QCOMPARE(cells(form, 2), (QStringList{u"0"_s, u""_s}));
    QCOMPARE(listed(form), QStringList{u"R1"_s});
    QTest::keyClicks(box(form, 2), u"0.25"_s);
    QTest::keyClick(box(form, 2), Qt::Key_Return);
    QCOMPARE(focused(), grid(form));
    QCOMPARE(grid(form)->currentColumn(), 1);
    enterValues(form, {u"0.1"_s, u"0.3"_s, u"0.6"_s, u"1.0"_s});
    QVERIFY(button(form, "CmdPlot")->isEnabled());
    accept(form);
    QVERIFY(DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)), golden(u"raindist_r1.tmp"_s));
}

void TestRainDist::acceptAfterLoading_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("two tables, six values: unchanged") << TwoTables << TwoTables;
    QTest::newRow("values before the first table are dropped")
        << (Header + "\r\n" + valueLines({"9."}) + table("R1", "1.", {"0.", "1."}))
        << section(table("R1", "1.", {"0.", "1."}));
    QTest::newRow("a table of one value is dropped")
        << section(table("R1", "1.", {"0."}) + table("R2", "2", {"0", "1"}))
        << section(table("R2", "2.", {"0.", "1."}));
    QTest::newRow("only table of one value: section absent") << section(table("R1", "1.", {"0."})) << QByteArray();
}

void TestRainDist::acceptAfterLoading()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    QCOMPARE(acceptAsLoaded(folder, Name, SecRainDist, stored), written);
}

void TestRainDist::choosesTableIgnoringCase()
{
    ProgramFolder folder;
    QWidget *form = openOnTable(folder, u"type-b"_s);
    QCOMPARE(rain(form)->selectedTable(), 2);
    QCOMPARE(box(form, 2)->text(), QString(u"1."_s));
    QCOMPARE(cells(form, 7), (QStringList{u"0."_s, u"0.4"_s, u"0.7"_s, u"0.9"_s, u"0.95"_s, u"1."_s, u""_s}));
    QVERIFY(button(form, "CmdPlot")->isEnabled());
    QCOMPARE(listed(form).size(), 2);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)),
             section(table("R1", "0.25", {"0.", "0.2", "0.5", "0.8", "1."})
                     + table("type-b", "1.", {"0.", "0.4", "0.7", "0.9", "0.95", "1."})));
}

void TestRainDist::switchingTablesKeepsBoth()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    chooseTable(form, u"R1"_s, u"0.5"_s);
    enterValues(form, {u"0.4"_s, u"1"_s});
    chooseTable(form, u"R2"_s, u"2"_s);
    QCOMPARE(cells(form, 2), (QStringList{u"0"_s, u""_s}));
    enterValues(form, {u"1"_s});
    // Back to R1 with the mouse: it shows what was typed into it.
    typeId(form, u"R1"_s);
    click(box(form, 2));
    QCOMPARE(box(form, 2)->text(), QString(u"0.5"_s));
    QCOMPARE(cells(form, 4), (QStringList{u"0"_s, u"0.4"_s, u"1"_s, u""_s}));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)),
             section(table("R1", "0.5", {"0.", "0.4", "1."}) + table("R2", "2.", {"0.", "1."})));
}

void TestRainDist::gridReachedByTabChain()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    chooseTable(form, u"R1"_s, u"1"_s);
    enterValues(form, {u"0.5"_s, u"0.6"_s, u"0.7"_s, u"0.8"_s});
    // A table made with the mouse, its grid then reached through the focus
    // chain rather than Enter or a click: keys go to its second cell.
    typeId(form, u"R2"_s);
    click(box(form, 2));
    grid(form)->setFocus(Qt::BacktabFocusReason);
    enterValues(form, {u"1"_s});
    QCOMPARE(cells(form, 6), (QStringList{u"0"_s, u"1"_s, u""_s, u""_s, u""_s, u""_s}));
}

void TestRainDist::identifierIsCut_data()
{
    QTest::addColumn<int>("how"); // 0 Enter, 1 Tab, 2 the mouse
    QTest::newRow("Enter") << 0;
    QTest::newRow("Tab") << 1;
    QTest::newRow("mouse") << 2;
}

void TestRainDist::identifierIsCut()
{
    QFETCH(int, how);
    ProgramFolder folder;
    QWidget *form = open(Name);
    typeId(form, u"ABCDEFGHIJKLM"_s);
    if (how == 0)
        QTest::keyClick(combo(form), Qt::Key_Return);
    else if (how == 1)
        QTest::keyClick(combo(form), Qt::Key_Tab);
    else
        click(box(form, 2));
    QCOMPARE(focused(), box(form, 2));
    QCOMPARE(combo(form)->currentText(), QString(u"ABCDEFGHIJ"_s));
    QCOMPARE(listed(form), QStringList{u"ABCDEFGHIJ"_s});
    QTest::keyClicks(box(form, 2), u"1"_s);
    QTest::keyClick(box(form, 2), Qt::Key_Return);
    enterValues(form, {u"1"_s});
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)), section(table("ABCDEFGHIJ", "1.", {"0.", "1."})));
}

void TestRainDist::blankIdentifierIsNone()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    chooseTable(form, u"R1"_s, u"1"_s);
    enterValues(form, {u"0.5"_s});
    QTest::keyClicks(grid(form), u"0.8"_s);
    // Blanks confirmed with Enter: red, the focus stays, no table is made, and
    // what was typed into R1 stays with it.
    typeId(form, u"   "_s);
    QTest::keyClick(combo(form), Qt::Key_Return);
    QCOMPARE(EntryForm::BackColor(combo(form)), Colors::Red);
    QCOMPARE(focused(), combo(form));
    QCOMPARE(cells(form, 3), (QStringList{u""_s, u""_s, u""_s}));
    QCOMPARE(box(form, 2)->text(), QString());
    QCOMPARE(listed(form), QStringList{u"R1"_s});
    // Blanks left with the mouse make no table either.
    click(box(form, 2));
    QCOMPARE(rain(form)->tables().Work.ItemCount, 1);
    QCOMPARE(rain(form)->selectedTable(), 0);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)), section(table("R1", "1.", {"0.", "0.5", "0.8"})));
}

void TestRainDist::incrementCheck()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    chooseTable(form, u"R1"_s);
    QCOMPARE(focused(), box(form, 2));
    QTest::keyClick(box(form, 2), Qt::Key_Return);
    QCOMPARE(color(form, 2), Colors::Red);
    QCOMPARE(focused(), box(form, 2));
    QTest::keyClicks(box(form, 2), u"0"_s);
    QTest::keyClick(box(form, 2), Qt::Key_Tab);
    QCOMPARE(color(form, 2), Colors::Red);
    QCOMPARE(focused(), box(form, 2));
    QTest::keyClicks(box(form, 2), u".5"_s);
    QTest::keyClick(box(form, 2), Qt::Key_Tab);
    QCOMPARE(color(form, 2), Colors::White);
    QCOMPARE(focused(), grid(form));
}

void TestRainDist::valuesOutOfOrderAreMarkedAndRefused()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    chooseTable(form, u"R1"_s, u"1"_s);
    enterValues(form, {u"0.5"_s, u"0.3"_s, u"0.6"_s});
    QCOMPARE(cellColor(form, 1), Colors::White);
    QCOMPARE(cellColor(form, 2), Colors::Red);
    QCOMPARE(cellColor(form, 3), Colors::White);
    // Leaving the grid takes away the highlight, not the mark.
    click(box(form, 2));
    QCOMPARE(cellColor(form, 2), Colors::Red);
    QCOMPARE(cellColor(form, 4), Colors::White);
    // A value typed and left unconfirmed is checked as the grid is left, and
    // its mark stays too.
    clickCell(form, 4);
    QTest::keyClicks(grid(form), u"0.1"_s);
    click(box(form, 2));
    QCOMPARE(cellColor(form, 4), Colors::Red);
    // A value out of order is never written: Accept names its cell.
    DialogScript dialogs;
    dialogs.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(dialogs.messages(),
             QStringList{u"Rain Table R1 - Mass Rainfall Points, row 1, column 3: \"0.3\" is not a valid value."_s});
    QVERIFY(form->isVisible());
    QVERIFY(ProgramFolder::readBytes(folder.tmp(SecRainDist)).isEmpty());
}

void TestRainDist::leavingGridConfirmsValue()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    chooseTable(form, u"R1"_s, u"1"_s);
    enterValues(form, {u"0.5"_s});
    QTest::keyClicks(grid(form), u"0.7"_s);
    click(box(form, 2));
    QCOMPARE(cells(form, 4), (QStringList{u"0"_s, u"0.5"_s, u"0.7"_s, u""_s}));
    QCOMPARE(cellColor(form, 3), Colors::White); // no highlight left behind
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)), section(table("R1", "1.", {"0.", "0.5", "0.7"})));
}

void TestRainDist::deletedValuesStayDeleted()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecRainDist),
                              section(table("R1", "1.", {"0.", "1."}) + table("R2", "1.", {"0.", "0.3", "1."})));
    QWidget *form = open(Name);
    chooseTable(form, u"R1"_s);
    deleteValue(form, 1);
    QCOMPARE(cells(form, 2), (QStringList{u"0."_s, u""_s}));
    chooseTable(form, u"R2"_s);
    deleteValue(form, 1);
    QCOMPARE(cells(form, 3), (QStringList{u"0."_s, u"1."_s, u""_s}));
    // R1 now holds one value: it is no longer written.
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)), section(table("R2", "1.", {"0.", "1."})));
}

void TestRainDist::deleteTable()
{
    ProgramFolder folder;
    QWidget *form = openOnTable(folder, u"R1"_s);
    {
        DialogScript dialogs;
        dialogs.answer(Dialogs::Answer::Yes);
        click(button(form, "cmdDelCur"));
        QCOMPARE(dialogs.asked().size(), 1);
        const Dialogs::Request &r = dialogs.asked().first();
        QCOMPARE(r.text, QString(u"Delete Current rainfall distribution ?"_s));
        QCOMPARE(r.title, QString(u"Rainfall Distribution"_s));
        QCOMPARE(r.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(r.icon, Dialogs::Icon::Question);
    }
    QCOMPARE(listed(form), QStringList{u"TYPE-B"_s});
    QCOMPARE(combo(form)->currentText(), QString());
    QCOMPARE(focused(), combo(form));
    QCOMPARE(box(form, 2)->text(), QString());
    QCOMPARE(cells(form, 3), (QStringList{u""_s, u""_s, u""_s}));
    QVERIFY(!button(form, "CmdPlot")->isEnabled());
    QCOMPARE(rain(form)->selectedTable(), 0);

    // Nothing typed now can go astray: the grid sends the user to the
    // identifier, an increment without a table is marked, and there is no
    // table to plot.
    clickCell(form, 1);
    QCOMPARE(focused(), combo(form));
    QTest::keyClicks(grid(form), u"7"_s);
    QCOMPARE(cells(form, 3), (QStringList{u""_s, u""_s, u""_s}));
    box(form, 2)->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(box(form, 2), u"2"_s);
    QTest::keyClick(box(form, 2), Qt::Key_Return);
    QCOMPARE(color(form, 2), Colors::Red);
    {
        DialogScript dialogs;
        dialogs.answer(Dialogs::Answer::OK);
        rain(form)->CmdPlot_Click();
        QCOMPARE(dialogs.messages(), QStringList{u"None Selected"_s});
        QCOMPARE(dialogs.asked().first().buttons, Dialogs::Buttons::OK);
        QCOMPARE(dialogs.asked().first().icon, Dialogs::Icon::None);
        QCOMPARE(dialogs.asked().first().title, QString());
    }
    QVERIFY(!plot()->isLoaded());
    // The marked increment belongs to no table: Accept names it rather than
    // dropping it unseen; cleared, it is no longer in the way.
    {
        DialogScript dialogs;
        dialogs.answer(Dialogs::Answer::OK);
        accept(form);
        QCOMPARE(dialogs.messages().size(), 1);
        QVERIFY(dialogs.messages().first().startsWith(QStringLiteral("\"Rain Table Time Increment\"")));
        QCOMPARE(focused(), box(form, 2));
    }
    box(form, 2)->clear();
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)),
             section(table("TYPE-B", "1.", {"0.", "0.4", "0.7", "0.9", "0.95", "1."})));

    // Deleting the only table leaves the section absent.
    form = open(Name);
    chooseTable(form, u"TYPE-B"_s);
    DialogScript dialogs;
    dialogs.answer(Dialogs::Answer::Yes);
    click(button(form, "cmdDelCur"));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)), QByteArray());
}

void TestRainDist::deleteTableAnsweredNo()
{
    ProgramFolder folder;
    QWidget *form = openOnTable(folder, u"R1"_s);
    clickCell(form, 7);
    QTest::keyClicks(grid(form), u"1.5"_s);
    DialogScript dialogs;
    dialogs.answer(Dialogs::Answer::No);
    click(button(form, "cmdDelCur"));
    QCOMPARE(dialogs.asked().size(), 1);
    // The identifier comes back into the box; the table is chosen again when it is left.
    QCOMPARE(combo(form)->currentText(), QString(u"R1"_s));
    QTest::keyClick(combo(form), Qt::Key_Return);
    QCOMPARE(rain(form)->selectedTable(), 1);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)),
             section(table("R1", "0.25", {"0.", "0.2", "0.5", "0.8", "1.", "1.5"})
                     + table("TYPE-B", "1.", {"0.", "0.4", "0.7", "0.9", "0.95", "1."})));
}

void TestRainDist::deleteAnsweredNoChangesNothing()
{
    ProgramFolder folder;
    QWidget *form = openOnTable(folder, u"R1"_s);
    DialogScript dialogs;
    dialogs.answer(Dialogs::Answer::No);
    click(button(form, "cmdDelCur"));
    QCOMPARE(dialogs.asked().size(), 1);
    // Still table R1, shown and chosen, without leaving the identifier box.
    QCOMPARE(combo(form)->currentText(), QString(u"R1"_s));
    QCOMPARE(box(form, 1)->text(), QString(u"R1"_s));
    QCOMPARE(rain(form)->selectedTable(), 1);
    QCOMPARE(rain(form)->tables().Work.CurrentItem, 1);
    QCOMPARE(box(form, 2)->text(), QString(u"0.25"_s));
    QCOMPARE(cells(form, 6), (QStringList{u"0."_s, u"0.2"_s, u"0.5"_s, u"0.8"_s, u"1."_s, u""_s}));
    QVERIFY(button(form, "CmdPlot")->isEnabled());
    QCOMPARE(listed(form), (QStringList{u"R1"_s, u"TYPE-B"_s}));
    // What is typed next goes into R1; no table is made.
    clickCell(form, 5);
    QTest::keyClicks(grid(form), u"1.5"_s);
    click(box(form, 2));
    QCOMPARE(rain(form)->tables().Work.ItemCount, 2);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)),
             section(table("R1", "0.25", {"0.", "0.2", "0.5", "0.8", "1.", "1.5"})
                     + table("TYPE-B", "1.", {"0.", "0.4", "0.7", "0.9", "0.95", "1."})));
}

void TestRainDist::deletedTableStartsAsNew()
{
    ProgramFolder folder;
    QWidget *form = openOnTable(folder, u"R1"_s);
    DialogScript dialogs;
    dialogs.answer(Dialogs::Answer::Yes);
    click(button(form, "cmdDelCur"));
    // Its identifier chooses the emptied slot, which starts from "0" as a new table does.
    chooseTable(form, u"R1"_s, u"0.5"_s);
    QCOMPARE(rain(form)->selectedTable(), 1);
    QCOMPARE(cells(form, 2), (QStringList{u"0"_s, u""_s}));
    enterValues(form, {u"1"_s});
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecRainDist)),
             section(table("R1", "0.5", {"0.", "1."}) + table("TYPE-B", "1.", {"0.", "0.4", "0.7", "0.9", "0.95", "1."})));
}

void TestRainDist::displayData()
{
    ProgramFolder folder;
    QWidget *form = openOnTable(folder, u"TYPE-B"_s);
    clickCell(form, 4);
    QTest::keyClicks(grid(form), u"0.93"_s);
    click(button(form, "CmdPlot"));
    QVERIFY(plot()->isVisible());
    QCOMPARE(plot()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(rain(form)->Tag, QString(u"2"_s));
    const Plots::PlotSetup &setup = plot()->setup();
    QCOMPARE(setup.kind, int(Plots::KindRainfall));
    QCOMPARE(setup.title, QString(u"Rainfall Distribution - TYPE-B"_s));
    QCOMPARE(setup.xLabel, QString(u"T I M E (hr)"_s));
    QCOMPARE(setup.count.at(1), 6);
    QCOMPARE(setup.X.at(1), (std::vector<double>{0, 0, 1, 2, 3, 4, 5}));
    QCOMPARE(setup.Y.at(1), (std::vector<double>{0, 0, 0.4, 0.7, 0.9, 0.93, 1}));
    plot()->unload();

    // The plot keeps its own copy of the series.
    clickCell(form, 5);
    QTest::keyClicks(grid(form), u"2"_s);
    chooseTable(form, u"R1"_s);
    QCOMPARE(plot()->request().PlotY.at(1), (std::vector<double>{0, 0, 0.4, 0.7, 0.9, 0.93, 1}));
    QCOMPARE(plot()->request().header(1, 1), QString(u"TYPE-B"_s));
}

void TestRainDist::displayDataRefusals()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    chooseTable(form, u"R1"_s, u"1"_s);
    enterValues(form, {u"0.5"_s, u"1"_s});
    QVERIFY(button(form, "CmdPlot")->isEnabled());
    // An increment changed without Enter is not checked until the plot needs it.
    for (const char *increment : {"", "0", "-1", "abc"}) {
        box(form, 2)->setFocus(Qt::MouseFocusReason);
        box(form, 2)->setText(u"1"_s);
        QTest::keyClick(box(form, 2), Qt::Key_Return);
        QVERIFY(button(form, "CmdPlot")->isEnabled());
        box(form, 2)->setFocus(Qt::MouseFocusReason);
        box(form, 2)->setText(QString::fromLatin1(increment));
        DialogScript dialogs; // nothing is asked
        click(button(form, "CmdPlot"));
        QVERIFY2(!plot()->isLoaded(), increment);
        QCOMPARE(color(form, 2), Colors::Red);
        QCOMPARE(focused(), box(form, 2));
    }
}

void TestRainDist::help()
{
    ProgramFolder folder;
    QFile::copy(QStringLiteral(QV_RESOURCES_DIR "/QuorvaleHelp.lst"), HelpListFile);
    QWidget *form = open(Name);
    auto *help = control<QPlainTextEdit>(form, u"txtHelp"_s);
    const QList<QPair<QString, QString>> expected{{u"lblHeader"_s, u"Rainfall Distribution"_s},
                                                  {u"lblInput_1"_s, u"Rain Table Identifier"_s},
                                                  {u"lblInput_2"_s, u"Range - greater than 0 hr"_s},
                                                  {u"lblInput_3"_s, u"Mass Rainfall Points"_s}};
    for (const auto &[name, text] : expected) {
        click(label(form, name));
        QVERIFY2(help->isVisible(), qPrintable(name));
        QVERIFY2(help->toPlainText().contains(text), qPrintable(name));
    }
}

QTEST_MAIN(TestRainDist)
#include "tst_raindist.moc"
