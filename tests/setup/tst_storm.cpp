// The storm analysis window: records keyed by storm and rain gage, stored
// field by field into the grid, deleted by a right click, written at Accept.
#include "DialogScript.h"
#include "EntryDriver.h"

#include "core/FlexGrid.h"
#include "core/Help_Stuff.h"
#include "core/logic/IdentifierLists.h"
#include "sections/setup/logic/UnitSystem.h"
#include "sections/setup/frmStorm.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMenu>
#include <QTableWidget>

using namespace Qt::StringLiterals;

using namespace EntryDriver;
using namespace Editglob;

namespace {

const QString Name = QStringLiteral("frmStorm");
const QByteArray Header = QByteArray("STORM ANALYSIS:").leftJustified(40);

QByteArray record(QList<QByteArray> fields) { return tenColumns(10, fields); }

QByteArray file(QList<QByteArray> lines)
{
    QByteArray bytes = Header + "\r\n";
    for (const QByteArray &l : lines)
        bytes += l + "\r\n";
    return bytes;
}

frmStorm *openStorm() { return qobject_cast<frmStorm *>(open(Name)); }

QComboBox *combo(QWidget *form, int n)
{
    return control<QComboBox>(form, QStringLiteral("Cmbinp_") + QString::number(n));
}

// Types into an identifier combo and leaves it with Enter.
void enterId(QWidget *form, int n, const QString &text)
{
    QComboBox *c = combo(form, n);
    c->setFocus(Qt::MouseFocusReason);
    c->lineEdit()->selectAll();
    QTest::keyClick(c->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(c->lineEdit(), text);
    QTest::keyClick(c->lineEdit(), Qt::Key_Return);
}

// Types into a number box and leaves it with Enter.
void enterNumber(QWidget *form, int n, const QString &text)
{
    retype(form, n, text);
    enter(form, n);
}

void clickRow(QWidget *form, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTableWidget *t = grid(form);
    const QModelIndex index = t->model()->index(row, 0);
    t->scrollTo(index);
    QTest::mouseClick(t->viewport(), button, {}, t->visualRect(index).center());
}

QString cell(QWidget *form, int row, int col)
{
    const QTableWidgetItem *item = grid(form)->item(row, col);
    return item ? item->text() : QString();
}

QStringList rowTexts(QWidget *form, int row)
{
    QStringList texts;
    for (int c = 0; c < 7; ++c)
        texts << cell(form, row, c).trimmed();
    return texts;
}

QStringList boxTexts(QWidget *form)
{
    QStringList texts;
    for (int n = 1; n <= 7; ++n)
        texts << box(form, n)->text();
    return texts;
}

int checkedOption(QWidget *form)
{
    for (int k = 1; k <= 3; ++k)
        if (opt(form, QStringLiteral("opt1"), k)->isChecked())
            return k;
    return 0;
}

const QByteArray TwoRecords = file({record({"S1", "G1", "2.", "3.5", "Type II", "2", "1.2"}),
                                    record({"S2", "", "", "4.", "Type IA", "3", ""})});

} // namespace

class TestStorm : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void entersOneRecord();
    void loadsGridListsAndGageTable();
    void shortAndLongLines();
    void emptySection_data();
    void emptySection();
    void cancelWritesNothing();
    void checks_data();
    void checks();
    void keyLookup();
    void recordChosenByKeyIsInView();
    void firstIdentifierTakenWhenLeft_data();
    void firstIdentifierTakenWhenLeft();
    void popupsAndOtherWindowsDoNotLeave();
    void clearedGageNeverDuplicatesKey();
    void acceptRefusesRedField();
    void unstoredRecordIsNotDroppedSilently();
    void condition_data();
    void condition();
    void conditionOptionStores();
    void identifiersCutToTen();
    void deleteQuestion();
    void deleteKeepsOneBlankRow();
    void help();
};

void TestStorm::entersOneRecord()
{
    ProgramFolder folder;
    frmStorm *form = openStorm();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Storm Anaylsis   Current File - ") + FileName);
    QCOMPARE(label(form, u"lblHeader"_s)->text(), QStringLiteral("Storm Analysis:"));
    QCOMPARE(control<QPushButton>(form, u"cmdFinished"_s)->text(), QStringLiteral("Accept Changes  (Close)"));
    QCOMPARE(control<QPushButton>(form, u"cmdCancel"_s)->text(), QStringLiteral("      No Changes    (Close)"));
    QCOMPARE(grid(form)->rowCount(), 11);
    QCOMPARE(cell(form, 0, 4), QStringLiteral("Rain Table Id"));
    // The titles are readable on their grey row.
    QCOMPARE(grid(form)->item(0, 4)->foreground().color(), QColor(Qt::black));
    QCOMPARE(checkedOption(form), 2);
    QVERIFY(!box(form, 1)->isVisible());

    // Enter moves storm, rain gage, start, rain, rain table, 2-year, storm.
    enterId(form, 1, u"S1"_s);
    QCOMPARE(focused(), combo(form, 2));
    enterId(form, 2, u"G1"_s);
    QCOMPARE(focused(), box(form, 3));
    enterNumber(form, 3, u"2"_s);
    QCOMPARE(focused(), box(form, 4));
    enterNumber(form, 4, u"3.5"_s);
    QCOMPARE(focused(), combo(form, 5));
    QCOMPARE(grid(form)->item(1, 0), nullptr); // no rain table yet: not stored
    enterId(form, 5, u"Type II"_s);
    QCOMPARE(focused(), box(form, 7));
    QCOMPARE(rowTexts(form, 1), (QStringList{u"S1"_s, u"G1"_s, u"2"_s, u"3.5"_s, u"Type II"_s, u"2"_s, u""_s}));
    enterNumber(form, 7, u"1.2"_s);
    QCOMPARE(focused(), combo(form, 1));
    QCOMPARE(color(form, 7), Colors::Cyan);
    accept(form);
    QVERIFY(!form->isLoaded());
    QVERIFY(DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)), golden(u"storm_one.tmp"_s));
}

void TestStorm::loadsGridListsAndGageTable()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(
        folder.tmp(SecStorm),
        file({record({"S1", "G1", "2.", "3.5", "Type II", "2", "3.5"}),
              record({"S2", "G1", "", "4.", "MyTable", "3", "3.8"}),
              record({"S2", "G2", "", "4.", "mytable", "1", ""})}));
    ProgramFolder::writeBytes(folder.tmp(SecSubArea),
                              QByteArray("SUB-AREA:").leftJustified(40) + "\r\n" + QByteArray(10, ' ')
                                  + QByteArray("A1").leftJustified(10) + QByteArray("OUTLET").leftJustified(10)
                                  + "G9\r\n");
    frmStorm *form = openStorm();
    QCOMPARE(rowTexts(form, 3), (QStringList{u"S2"_s, u"G2"_s, u""_s, u"4."_s, u"mytable"_s, u"1"_s, u""_s}));
    QCOMPARE(grid(form)->rowCount(), 11);
    QCOMPARE(form->gridState().GridRowCount, 3);
    QCOMPARE(RainGageCount, 2);
    QCOMPARE(RainGageIds.mid(1, 2), (QList<QString>{u"G1"_s, u"G2"_s}));
    QCOMPARE(RainGageTwoYear.mid(1, 2), (QList<float>{3.8f, 0.0f}));
    QStringList gages;
    for (int i = 0; i < combo(form, 2)->count(); ++i)
        gages << combo(form, 2)->itemText(i);
    QCOMPARE(gages, (QStringList{u"G1"_s, u"G2"_s, u"G9"_s}));
    QCOMPARE(combo(form, 5)->count(), 11); // ten standard names and MyTable once
    QCOMPARE(combo(form, 5)->itemText(10), QStringLiteral("MyTable"));
    QCOMPARE(combo(form, 1)->count(), 2);
    QCOMPARE(combo(form, 1)->currentText(), QString());
    cancel(form);
}

void TestStorm::shortAndLongLines()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm),
                              Header + "\r\n" + QByteArray(10, ' ') + "S1        G1        1.\r\n"
                                  + record({"S2", "", "", "4.", "Type I", "2", "2.1"}) + "EXTRA\r\n");
    frmStorm *form = openStorm();
    QCOMPARE(rowTexts(form, 1), (QStringList{u"S1"_s, u"G1"_s, u"1."_s, u""_s, u""_s, u""_s, u""_s}));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)),
             file({record({"S1", "G1", "1.", "", "", "", ""}), record({"S2", "", "", "4.", "Type I", "2", "2.1"})}));
}

void TestStorm::emptySection_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("header only") << QByteArray(Header + "\r\n");
}

void TestStorm::emptySection()
{
    QFETCH(QByteArray, before);
    ProgramFolder folder;
    if (!before.isEmpty())
        ProgramFolder::writeBytes(folder.tmp(SecStorm), before);
    DataChanged = false;
    frmStorm *form = openStorm();
    QCOMPARE(form->gridState().GridRowCount, 0);
    accept(form);
    QVERIFY(DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)), QByteArray());
}

void TestStorm::cancelWritesNothing()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), TwoRecords);
    DataChanged = false;
    frmStorm *form = openStorm();
    clickRow(form, 1);
    enterNumber(form, 4, u"9"_s);
    QCOMPARE(cell(form, 1, 3), QStringLiteral("9"));
    cancel(form);
    QVERIFY(!DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)), TwoRecords);
}

void TestStorm::checks_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::newRow("start 0") << 3 << "0" << true;
    QTest::newRow("start negative") << 3 << "-1" << false;
    QTest::newRow("start text") << 3 << "abc" << false;
    QTest::newRow("rain 0") << 4 << "0" << false;
    QTest::newRow("rain 0.1") << 4 << "0.1" << true;
    QTest::newRow("rain text") << 4 << "1x" << false;
    QTest::newRow("2-yr 0") << 7 << "0" << false;
    QTest::newRow("2-yr 2") << 7 << "2" << true;
    QTest::newRow("blank") << 4 << "" << true;
}

void TestStorm::checks()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), TwoRecords);
    frmStorm *form = openStorm();
    clickRow(form, 1);
    QCOMPARE(boxTexts(form), (QStringList{u"S1"_s, u"G1"_s, u"2."_s, u"3.5"_s, u"Type II"_s, u"2"_s, u"1.2"_s}));
    const QString before = cell(form, 1, field - 1);
    enterNumber(form, field, text);
    QCOMPARE(color(form, field), ok ? (text.isEmpty() ? Colors::White : Colors::Cyan) : Colors::Red);
    // A failed field keeps the focus and leaves the grid alone.
    QWidget *next = field == 3 ? static_cast<QWidget *>(box(form, 4)) : combo(form, field == 4 ? 5 : 1);
    QCOMPARE(focused(), ok ? next : static_cast<QWidget *>(box(form, field)));
    QCOMPARE(cell(form, 1, field - 1), ok ? text : before);
    cancel(form);
}

void TestStorm::keyLookup()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), TwoRecords);
    frmStorm *form = openStorm();

    // A number before any storm identifier fails.
    enterNumber(form, 4, u"5"_s);
    QCOMPARE(color(form, 4), Colors::Red);
    QCOMPARE(focused(), box(form, 4));

    // A typed prefix of a listed storm stays as typed.
    enterId(form, 1, u"S"_s);
    QCOMPARE(box(form, 1)->text(), QStringLiteral("S"));

    // The pair of an existing row shows that row.
    enterId(form, 1, u"S1"_s);
    enterId(form, 2, u"G1"_s);
    QCOMPARE(form->gridState().GridRow, 1);
    QCOMPARE(boxTexts(form), (QStringList{u"S1"_s, u"G1"_s, u"2."_s, u"3.5"_s, u"Type II"_s, u"2"_s, u"1.2"_s}));

    // Letter case counts: s1 is another storm, a new record of the fields.
    enterId(form, 1, u"s1"_s);
    QCOMPARE(form->gridState().GridRowCount, 3);
    QCOMPARE(rowTexts(form, 3), (QStringList{u"s1"_s, u"G1"_s, u"2."_s, u"3.5"_s, u"Type II"_s, u"2"_s, u"1.2"_s}));
    QCOMPARE(rowTexts(form, 1), (QStringList{u"S1"_s, u"G1"_s, u"2."_s, u"3.5"_s, u"Type II"_s, u"2"_s, u"1.2"_s}));
    QCOMPARE(grid(form)->rowCount(), 11);

    // A blank rain table keeps a new record out and marks the field.
    clickRow(form, 4);
    QCOMPARE(boxTexts(form), (QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u"2"_s, u""_s}));
    enterId(form, 1, u"S7"_s);
    enterId(form, 5, u""_s);
    QCOMPARE(color(form, 5), Colors::Red);
    QCOMPARE(focused(), combo(form, 5));
    QCOMPARE(form->gridState().GridRowCount, 3);
    box(form, 3)->setFocus(Qt::MouseFocusReason);
    combo(form, 5)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(Globsubs::BackColor(combo(form, 5)), Colors::Red);
    cancel(form);
}

// The grid shows its title row and ten records, so a record that the key
// lookup scrolls to the ninth row shown is seen whole.
void TestStorm::recordChosenByKeyIsInView()
{
    ProgramFolder folder;
    QList<QByteArray> lines;
    for (int i = 1; i <= 45; ++i)
        lines << record({"S" + QByteArray::number(i), "G", "", "1.", "Type I", "2", ""});
    ProgramFolder::writeBytes(folder.tmp(SecStorm), file(lines));
    frmStorm *form = openStorm();
    enterId(form, 1, u"S42"_s);
    enterId(form, 2, u"G"_s);
    QCOMPARE(form->gridState().GridRow, 42);
    QCOMPARE(form->grid()->TopRow(), 34);
    QTableWidget *t = grid(form);
    QVERIFY(t->viewport()->rect().contains(t->visualRect(t->model()->index(42, 0))));
    QCOMPARE(box(form, 1)->text(), QStringLiteral("S42"));
    cancel(form);
}

void TestStorm::firstIdentifierTakenWhenLeft_data()
{
    QTest::addColumn<bool>("byTab");
    QTest::newRow("Tab") << true;
    QTest::newRow("mouse") << false;
}

void TestStorm::firstIdentifierTakenWhenLeft()
{
    QFETCH(bool, byTab);
    ProgramFolder folder;
    frmStorm *form = openStorm();
    // The storm identifier has the focus as the window opens: typing goes there.
    QCOMPARE(focused(), combo(form, 1));
    QTest::keyClicks(combo(form, 1)->lineEdit(), u"S1"_s);
    if (byTab) {
        QTest::keyClick(combo(form, 1)->lineEdit(), Qt::Key_Tab);
        QCOMPARE(focused(), combo(form, 2));
    } else {
        click(box(form, 3));
    }
    QCOMPARE(box(form, 1)->text(), QStringLiteral("S1"));
    enterNumber(form, 3, u"2"_s);
    QCOMPARE(color(form, 3), Colors::Cyan);
    enterId(form, 5, u"Type II"_s);
    QCOMPARE(rowTexts(form, 1), (QStringList{u"S1"_s, u""_s, u"2"_s, u""_s, u"Type II"_s, u"2"_s, u""_s}));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)),
             file({record({"S1", "", "2.", "", "Type II", "2", ""})}));
}

void TestStorm::popupsAndOtherWindowsDoNotLeave()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), TwoRecords);
    frmStorm *form = openStorm();
    QComboBox *storm = combo(form, 1);
    storm->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(storm->lineEdit(), u"S"_s);
    // Its own list, a context menu and another window take nothing: a
    // prefix would otherwise become a record's key.
    storm->showPopup();
    QTRY_VERIFY(storm->view()->isVisible());
    storm->hidePopup();
    QMenu menu;
    menu.addAction(QStringLiteral("Copy"));
    menu.popup(storm->mapToGlobal(QPoint(2, 2)));
    QTRY_VERIFY(menu.isVisible());
    menu.close();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(box(form, 1)->text(), QString());
    QTest::keyClicks(storm->lineEdit(), u"1"_s);
    storm->setFocus(Qt::OtherFocusReason);
    QCOMPARE(storm->currentText(), QStringLiteral("S1"));
    // Leaving it for a field of the window takes it once.
    QTest::keyClick(storm->lineEdit(), Qt::Key_Tab);
    QCOMPARE(box(form, 1)->text(), QStringLiteral("S1"));
    enterId(form, 2, u"G1"_s);
    QCOMPARE(form->gridState().GridRow, 1);
    QCOMPARE(boxTexts(form), (QStringList{u"S1"_s, u"G1"_s, u"2."_s, u"3.5"_s, u"Type II"_s, u"2"_s, u"1.2"_s}));
    cancel(form);
}

void TestStorm::clearedGageNeverDuplicatesKey()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), TwoRecords);
    frmStorm *form = openStorm();
    // S2 has a blank rain gage; giving it G1 and clearing it again must find
    // the S2 row, not turn the shown row into a second (S2, blank) record.
    clickRow(form, 2);
    enterId(form, 2, u"G1"_s);
    QCOMPARE(form->gridState().GridRowCount, 3);
    QCOMPARE(form->gridState().GridRow, 3);
    enterId(form, 2, u""_s);
    QCOMPARE(form->gridState().GridRow, 2);
    QCOMPARE(boxTexts(form), (QStringList{u"S2"_s, u""_s, u""_s, u"4."_s, u"Type IA"_s, u"3"_s, u""_s}));
    QCOMPARE(rowTexts(form, 3), (QStringList{u"S2"_s, u"G1"_s, u""_s, u"4."_s, u"Type IA"_s, u"3"_s, u""_s}));

    // Clearing the gage of S1's record makes a record of its own and keeps S1/G1.
    clickRow(form, 1);
    enterId(form, 2, u""_s);
    QCOMPARE(form->gridState().GridRowCount, 4);
    QCOMPARE(rowTexts(form, 1), (QStringList{u"S1"_s, u"G1"_s, u"2."_s, u"3.5"_s, u"Type II"_s, u"2"_s, u"1.2"_s}));
    QCOMPARE(rowTexts(form, 4), (QStringList{u"S1"_s, u""_s, u"2."_s, u"3.5"_s, u"Type II"_s, u"2"_s, u"1.2"_s}));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)),
             file({record({"S1", "G1", "2.", "3.5", "Type II", "2", "1.2"}),
                   record({"S2", "", "", "4.", "Type IA", "3", ""}),
                   record({"S2", "G1", "", "4.", "Type IA", "3", ""}),
                   record({"S1", "", "2.", "3.5", "Type II", "2", "1.2"})}));
}

// A stored record edited to a value that fails its check: Accept names the
// field instead of dropping the edit.
void TestStorm::acceptRefusesRedField()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), TwoRecords);
    frmStorm *form = openStorm();
    clickRow(form, 1);
    enterNumber(form, 4, "-1");
    QCOMPARE(color(form, 4), Colors::Red);
    DialogScript dialogs;
    dialogs.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY2(dialogs.messages().first().startsWith(QStringLiteral("\"Gage Rainfall\"")),
             qPrintable(dialogs.messages().first()));
    QVERIFY(form->isLoaded());
    QCOMPARE(focused(), box(form, 4));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)), TwoRecords);
}

void TestStorm::unstoredRecordIsNotDroppedSilently()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), TwoRecords);
    frmStorm *form = openStorm();
    enterId(form, 1, u"S9"_s);
    enterId(form, 2, u"G9"_s);
    enterNumber(form, 4, u"2.5"_s);
    QCOMPARE(form->gridState().GridRowCount, 2);

    DialogScript dialogs;
    dialogs.answer(Dialogs::Answer::No);
    accept(form);
    QCOMPARE(dialogs.asked().size(), 1);
    const Dialogs::Request &q = dialogs.asked().first();
    QCOMPARE(q.title, QStringLiteral("Storm Anaylsis"));
    QCOMPARE(q.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(q.icon, Dialogs::Icon::Question);
    QVERIFY(q.text.contains(QStringLiteral("Rain Table Identifier")));
    QVERIFY(form->isLoaded());
    QCOMPARE(color(form, 5), Colors::Red);
    QCOMPARE(Globsubs::BackColor(combo(form, 5)), Colors::Red);
    QCOMPARE(focused(), combo(form, 5));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)), TwoRecords);

    // Completing it stores it, and Accept asks nothing more.
    enterId(form, 5, u"Type III"_s);
    accept(form);
    QCOMPARE(dialogs.asked().size(), 1);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)),
             TwoRecords + record({"S9", "G9", "", "2.5", "Type III", "2", ""}) + "\r\n");

    // Yes drops the entries and writes the grid.
    form = openStorm();
    enterNumber(form, 3, u"1"_s);
    dialogs.answer(Dialogs::Answer::Yes);
    accept(form);
    QCOMPARE(dialogs.asked().size(), 2);
    QVERIFY(!form->isLoaded());
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)),
             TwoRecords + record({"S9", "G9", "", "2.5", "Type III", "2", ""}) + "\r\n");

    // A shown record, or blank fields, ask nothing.
    form = openStorm();
    clickRow(form, 2);
    clickRow(form, 5);
    QCOMPARE(boxTexts(form), (QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u"2"_s, u""_s}));
    accept(form);
    QCOMPARE(dialogs.asked().size(), 2);
    QVERIFY(!dialogs.unexpected());
}

void TestStorm::condition_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("option");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("1") << QByteArray("1") << 1 << QByteArray("1");
    QTest::newRow("2.5 to even") << QByteArray("2.5") << 2 << QByteArray("2.5");
    QTest::newRow("3.4") << QByteArray("3.4") << 3 << QByteArray("3.4");
    QTest::newRow("blank") << QByteArray("") << 2 << QByteArray("2");
    QTest::newRow("4") << QByteArray("4") << 0 << QByteArray("4");
    QTest::newRow("0.3") << QByteArray("0.3") << 0 << QByteArray("0.3");
    QTest::newRow("huge") << QByteArray("9999999999") << 0 << QByteArray("9999999999");
    QTest::newRow("text is the default") << QByteArray("X") << 2 << QByteArray("2");
    QTest::newRow("0 is the default") << QByteArray("0") << 2 << QByteArray("2");
}

void TestStorm::condition()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, option);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm),
                              file({record({"S1", "G1", "2.", "3.5", "Type II", stored, "1.2"})}));
    frmStorm *form = openStorm();
    clickRow(form, 1);
    QCOMPARE(checkedOption(form), option);
    QCOMPARE(box(form, 6)->text(), QString::fromLatin1(written));
    // Storing another field keeps the condition as shown.
    enterNumber(form, 4, u"3.6"_s);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)),
             file({record({"S1", "G1", "2.", "3.6", "Type II", written, "1.2"})}));
}

void TestStorm::conditionOptionStores()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), TwoRecords);
    frmStorm *form = openStorm();
    clickRow(form, 1);
    QRadioButton *three = opt(form, QStringLiteral("opt1"), 3);
    QTest::mouseClick(three, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(three->isChecked());
    QCOMPARE(cell(form, 1, 5), QStringLiteral("3"));
    QCOMPARE(color(form, 6), Colors::Cyan);
    // Tab follows the layout: storm, gage, start, rain, rain table, the
    // option (which passes the focus on) and the 2-year box.
    combo(form, 1)->setFocus(Qt::MouseFocusReason);
    const QList<QWidget *> order{combo(form, 2), box(form, 3), box(form, 4), combo(form, 5), box(form, 7)};
    for (QWidget *next : order) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), next);
    }
    QCOMPARE(rowTexts(form, 1), (QStringList{u"S1"_s, u"G1"_s, u"2."_s, u"3.5"_s, u"Type II"_s, u"3"_s, u"1.2"_s}));
    cancel(form);
}

void TestStorm::identifiersCutToTen()
{
    ProgramFolder folder;
    frmStorm *form = openStorm();
    enterId(form, 1, u"ABCDEFGHIJKLM"_s);
    QCOMPARE(combo(form, 1)->currentText(), QStringLiteral("ABCDEFGHIJ"));
    QCOMPARE(box(form, 1)->text(), QStringLiteral("ABCDEFGHIJ"));
    QVERIFY(combo(form, 1)->findText(u"ABCDEFGHIJ"_s) >= 0);
    // Picking from the list works like typing.
    combo(form, 5)->setFocus(Qt::MouseFocusReason);
    combo(form, 5)->setCurrentIndex(combo(form, 5)->findText(u"Type NM65"_s));
    QTest::keyClick(combo(form, 5)->lineEdit(), Qt::Key_Return);
    QCOMPARE(rowTexts(form, 1), (QStringList{u"ABCDEFGHIJ"_s, u""_s, u""_s, u""_s, u"Type NM65"_s, u"2"_s, u""_s}));
    cancel(form);
}

void TestStorm::deleteQuestion()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), TwoRecords);
    frmStorm *form = openStorm();
    DialogScript dialogs;

    // Title row with nothing selected, and the blank row, ask nothing.
    clickRow(form, 0, Qt::RightButton);
    clickRow(form, 3, Qt::RightButton);
    QCOMPARE(dialogs.asked().size(), 0);
    QCOMPARE(boxTexts(form), (QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u"2"_s, u""_s}));

    dialogs.answer(Dialogs::Answer::No);
    clickRow(form, 1, Qt::RightButton);
    QCOMPARE(dialogs.asked().size(), 1);
    const Dialogs::Request &q = dialogs.asked().first();
    QCOMPARE(q.text, QStringLiteral("Delete Storm Id - Rain Gage Id combination Row ?"));
    QCOMPARE(q.title, QStringLiteral("Storm Analysis"));
    QCOMPARE(q.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(q.icon, Dialogs::Icon::Question);
    QCOMPARE(form->gridState().GridRowCount, 2);

    // The title row asks about the selected record.
    dialogs.answer(Dialogs::Answer::Yes);
    clickRow(form, 0, Qt::RightButton);
    QCOMPARE(dialogs.asked().size(), 2);
    QCOMPARE(form->gridState().GridRowCount, 1);
    QCOMPARE(rowTexts(form, 1), (QStringList{u"S2"_s, u""_s, u""_s, u"4."_s, u"Type IA"_s, u"3"_s, u""_s}));
    QCOMPARE(boxTexts(form), (QStringList{u"S2"_s, u""_s, u""_s, u"4."_s, u"Type IA"_s, u"3"_s, u""_s}));
    QCOMPARE(checkedOption(form), 3);

    // Deleting the last record leaves blank fields with condition 2.
    dialogs.answer(Dialogs::Answer::Yes);
    clickRow(form, 1, Qt::RightButton);
    QCOMPARE(form->gridState().GridRowCount, 0);
    QCOMPARE(boxTexts(form), (QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u"2"_s, u""_s}));
    QCOMPARE(checkedOption(form), 2);
    QCOMPARE(grid(form)->rowCount(), 11);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)), QByteArray());
    QVERIFY(!dialogs.unexpected());
}

void TestStorm::deleteKeepsOneBlankRow()
{
    ProgramFolder folder;
    QList<QByteArray> lines;
    for (int i = 1; i <= 10; ++i)
        lines << record({"S" + QByteArray::number(i), "G", "", "1.", "Type I", "2", ""});
    ProgramFolder::writeBytes(folder.tmp(SecStorm), file(lines));
    frmStorm *form = openStorm();
    QCOMPARE(grid(form)->rowCount(), 12);
    // A key found below the ninth row scrolls the grid to it.
    enterId(form, 1, u"S10"_s);
    enterId(form, 2, u"G"_s);
    QCOMPARE(form->gridState().GridRow, 10);
    QCOMPARE(form->grid()->TopRow(), 2);

    DialogScript dialogs;
    dialogs.answer(Dialogs::Answer::Yes);
    clickRow(form, 3, Qt::RightButton);
    QCOMPARE(grid(form)->rowCount(), 11);
    QCOMPARE(form->gridState().GridRowCount, 9);
    QCOMPARE(rowTexts(form, 3).first(), QStringLiteral("S4"));
    QCOMPARE(box(form, 1)->text(), QStringLiteral("S4"));
    QCOMPARE(rowTexts(form, 10), (QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s}));

    // A new record after the last one adds the blank row back.
    clickRow(form, 10);
    enterId(form, 1, u"S11"_s);
    enterId(form, 5, u"Type II"_s);
    QCOMPARE(form->gridState().GridRowCount, 10);
    QCOMPARE(grid(form)->rowCount(), 12);
    accept(form);
    lines.removeAt(2);
    lines << record({"S11", "", "", "", "Type II", "2", ""});
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStorm)), file(lines));
}

void TestStorm::help()
{
    ProgramFolder folder;
    QFile::copy(QStringLiteral(QV_RESOURCES_DIR "/QuorvaleHelp.lst"), HelpListFile);
    frmStorm *form = openStorm();
    QCOMPARE(Help_Stuff::FormHelpKey, QStringLiteral("SA"));
    auto *help = control<QPlainTextEdit>(form, u"txtHelp"_s);
    QVERIFY(!help->isVisible());
    QTest::mouseClick(label(form, u"lblInput_4"_s), Qt::LeftButton);
    QVERIFY(help->isVisible());
    QVERIFY(help->toPlainText().contains(QStringLiteral("Gage Rainfall")));
    QTest::mouseClick(label(form, u"lblHeader"_s), Qt::LeftButton);
    QVERIFY(help->toPlainText().startsWith(QStringLiteral("          Storm Analysis ")));
    QTest::mouseClick(label(form, u"lblHeader"_s), Qt::LeftButton);
    QVERIFY(!help->isVisible());
    QCOMPARE(label(form, u"lblInUnit_3"_s)->text(), QStringLiteral("hr"));
    QCOMPARE(label(form, u"lblInUnit_7"_s)->text(), DepthUnit);
    cancel(form);
}

QTEST_MAIN(TestStorm)
#include "tst_storm.moc"
