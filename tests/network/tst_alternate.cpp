// The alternate window: the working file it reads and writes, choosing,
// creating and deleting alternates and their records, and the sub-area and
// reach windows it opens modal on the shown alternate.
#include "ComboMouse.h"
#include "DialogScript.h"
#include "NetworkDriver.h"

#include "core/Help_Stuff.h"
#include "core/logic/Editglob.h"
#include "sections/network/frmAlternate.h"
#include "sections/network/frmReaches.h"
#include "sections/network/frmSubArea.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <tuple>

using namespace NetworkDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmAlternate");

QByteArray alternateLine(const QByteArray &id, const QByteArray &description = {})
{
    return at({{1, id}, {11, description}}, 80);
}
QByteArray reachLine(const QByteArray &id, const QByteArray &receiving = {})
{
    return at({{11, id}, {21, receiving}}, 76);
}
QByteArray subAreaLine(const QByteArray &id, const QByteArray &area = {})
{
    return at({{11, id}, {41, area}}, 75);
}
const QByteArray Reaches = "          REACHES";
const QByteArray Areas = "          AREAS";

const QByteArray ThreeAlternates =
    file({"ALTERNATE ANALYSIS:", alternateLine("ALT1", "Widened channel"), Reaches, reachLine("R1", "OUTLET"), Areas,
          subAreaLine("S1", "12."), landLine("Woods", "B", "12"), landLine("Lawns", "A", "3"),
          alternateLine("ALT2", "second"), Reaches, reachLine("R1"), reachLine("R2"), reachLine("R3"), Areas,
          subAreaLine("S1", "5."), landLine("Pasture", "C", "5"), alternateLine("ALT3", "third"), Reaches,
          reachLine("R9"), ""});

frmAlternate *alternate(QWidget *form) { return qobject_cast<frmAlternate *>(form); }
QListWidget *list(QWidget *form, int n) { return control<QListWidget>(form, QStringLiteral("lstDisp_") + QString::number(n)); }

QStringList entries(QListWidget *l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text().trimmed();
    return out;
}

frmAlternate *openOn(const ProgramFolder &folder, const QByteArray &stored)
{
    return alternate(openOnFile(folder, Name, SecAlternate, stored));
}

void clickEntry(QListWidget *l, int row, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint where = row < l->count() ? l->visualItemRect(l->item(row)).center() : QPoint(4, l->viewport()->height() - 4);
    QTest::mouseClick(l->viewport(), button, {}, where);
}

// Shows alternate `alt` and adds record `id` to it through the record window
// a click below the entries of list n opens (1 sub-areas, 2 reaches).
void addRecord(frmAlternate *form, const QString &alt, int n, const QString &id)
{
    chooseAndClick(form, 1, alt, 2);
    clickEntry(list(form, n), 99);
    QvForm *recordWindow = Forms::get(QString::fromLatin1(n == 1 ? "frmSubArea" : "frmReaches"));
    activate(recordWindow);
    choose(recordWindow, 1, id);
    accept(recordWindow);
}
} // namespace

class TestAlternate : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void cleanup() { closeWindows({"frmReaches", "frmSubArea", "frmAlternate"}); }
    void acceptAsLoaded_data();
    void acceptAsLoaded();
    void choosingAndCreating();
    void longIdentifierNamesOneAlternate();
    void keysAndDescriptionCheck();
    void keysInAWindowNotActive_data();
    void keysInAWindowNotActive();
    void deletingAlternates();
    void deletingRecords();
    void recordWindowOnShownAlternate();
    void recordWindowIsModal();
    void subAreaRecordsKeepTheirLandRows();
    void weightRowsKeptAsLandRows_data();
    void weightRowsKeptAsLandRows();
    void cancelDropsEverything();
    void recordOnlyNamedLikeABlockIsRefused();
    void failedWriteKeepsWindow();
    void help();
};

// Accepting at once writes back what was read, and always counts as a change.
void TestAlternate::acceptAsLoaded_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("three alternates") << ThreeAlternates << ThreeAlternates;
    QTest::newRow("missing file stays empty") << QByteArray() << QByteArray();
    QTest::newRow("alternate without records dropped")
        << file({"ALTERNATE ANALYSIS:", alternateLine("A0", "none"), alternateLine("A1"), Areas, subAreaLine("S1")})
        << file({"ALTERNATE ANALYSIS:", alternateLine("A1"), Areas, subAreaLine("S1"), ""});
    QTest::newRow("only alternates without records: emptied")
        << file({"ALTERNATE ANALYSIS:", alternateLine("A0", "none"), Reaches}) << QByteArray();
}

void TestAlternate::acceptAsLoaded()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, stored);
    QCOMPARE(form->windowTitle(), QStringLiteral("Alternate Anaylsis   Current File - ") + FileName);
    QCOMPARE(combo(form, 1)->currentText(), QString());
    QCOMPARE(form->ShownAlternate(), 0);
    accept(form);
    QVERIFY(!form->isVisible());
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecAlternate)), written);
    QVERIFY(DataChanged);
}

void TestAlternate::choosingAndCreating()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    QCOMPARE(listed(form, 1), (QStringList{"ALT1", "ALT2", "ALT3"}));

    chooseAndClick(form, 1, QStringLiteral("alt2"), 2);
    QCOMPARE(form->ShownAlternate(), 2);
    QCOMPARE(CurrentAlternate, 2);
    QCOMPARE(box(form, 2)->text(), QString("second"));
    QCOMPARE(entries(list(form, 2)), (QStringList{"R1", "R2", "R3"}));
    QCOMPARE(entries(list(form, 1)), QStringList{"S1"});
    QCOMPARE(box(form, 1)->text(), QString("alt2")); // the capitals typed replace the stored ones
    QCOMPARE(listed(form, 1).size(), 3);

    chooseAndClick(form, 1, QStringLiteral("NEW_ALT_1234"), 2);
    QCOMPARE(form->AltCount(), 4);
    QCOMPARE(form->ShownAlternate(), 4);
    QCOMPARE(box(form, 1)->text(), QString("NEW_ALT_12"));
    QCOMPARE(listed(form, 1).last(), QString("NEW_ALT_12"));
    QVERIFY(entries(list(form, 1)).isEmpty() && entries(list(form, 2)).isEmpty());
    QCOMPARE(box(form, 2)->text(), QString());
    enterBox(form, 2, QStringLiteral("described"), combo(form, 1));

    // Choosing another alternate, here with the mouse in the drop-down,
    // stores the shown one's header first.
    QVERIFY(ComboMouse::Pick(combo(form, 1), combo(form, 1)->findText(QStringLiteral("ALT1"))));
    QCOMPARE(form->ShownAlternate(), 4); // taken as the focus goes on
    QTest::mouseClick(box(form, 2), Qt::LeftButton);
    QCOMPARE(form->ShownAlternate(), 1);
    QCOMPARE(form->Alternates()[3].Id, QString("NEW_ALT_12"));
    QCOMPARE(form->Alternates()[3].Description, QString("described"));
    QCOMPARE(form->Alternates()[1].Id, QString("alt2"));
    QCOMPARE(box(form, 2)->text(), QString("Widened channel"));

    accept(form); // the new alternate has no records: not written
    const QByteArray written = ProgramFolder::readBytes(folder.tmp(SecAlternate));
    QVERIFY(written.contains(alternateLine("alt2", "second")));
    QVERIFY(!written.contains("NEW_ALT"));
}

// An identifier typed too long is cut before it is listed or looked up: its
// entry, or the same text typed again, finds the alternate with its records.
void TestAlternate::longIdentifierNamesOneAlternate()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, QByteArray());
    addRecord(form, QStringLiteral("ABCDEFGHIJK"), 2, QStringLiteral("R1"));
    activate(form);
    chooseAndClick(form, 1, QStringLiteral("OTHER"), 2);
    QCOMPARE(listed(form, 1), (QStringList{"ABCDEFGHIJ", "OTHER"}));

    combo(form, 1)->setFocus(Qt::MouseFocusReason);
    combo(form, 1)->setCurrentIndex(0);
    box(form, 2)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(form->ShownAlternate(), 1);
    QCOMPARE(entries(list(form, 2)), QStringList{"R1"});

    chooseAndClick(form, 1, QStringLiteral("OTHER"), 2);
    chooseAndClick(form, 1, QStringLiteral("ABCDEFGHIJK"), 2);
    QCOMPARE(form->ShownAlternate(), 1);
    QCOMPARE(form->AltCount(), 2);
    QCOMPARE(combo(form, 1)->currentText(), QString("ABCDEFGHIJ"));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecAlternate)),
             file({"ALTERNATE ANALYSIS:", alternateLine("ABCDEFGHIJ"), Reaches, reachLine("R1"), ""}));
}

void TestAlternate::keysAndDescriptionCheck()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    enterBox(form, 2, QStringLiteral("typed too soon"), combo(form, 1));
    QCOMPARE(color(form, 2), Colors::Red);

    combo(form, 1)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(combo(form, 1), Qt::Key_Return); // empty: stays
    QCOMPARE(focused(), combo(form, 1)->lineEdit() ? static_cast<QWidget *>(combo(form, 1)) : nullptr);
    QTest::keyClicks(combo(form, 1), QStringLiteral("ALT3"));
    QTest::keyClick(combo(form, 1), Qt::Key_Return);
    QCOMPARE(focused(), box(form, 2));
    QCOMPARE(form->ShownAlternate(), 3);
    QCOMPARE(color(form, 2), Colors::White);
    QTest::keyClicks(box(form, 2), QString(80, QLatin1Char('d')));
    QCOMPARE(box(form, 2)->text().size(), 70);
    enter(form, 2);
    QCOMPARE(focused(), static_cast<QWidget *>(combo(form, 1)));
    QCOMPARE(combo(form, 1)->currentText(), QString("ALT3")); // mirrors the accepted identifier
}

void TestAlternate::keysInAWindowNotActive_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Tab") << Qt::Key_Tab;
    QTest::newRow("Shift+Tab") << Qt::Key_Backtab;
}

// Qt moves the focus of a window that is not the active one without focus
// events: a field left by a key there is still checked or taken.
void TestAlternate::keysInAWindowNotActive()
{
    QFETCH(Qt::Key, key);
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    QWidget other;
    QVERIFY(activateOther(other, form));

    type(form, 2, QStringLiteral("typed too soon"));
    QTest::keyClick(box(form, 2), key);
    QCOMPARE(color(form, 2), Colors::Red);

    // The second time the list gets the focus with no focus event at all.
    for (const auto &[id, shown, description] : {std::tuple{"ALT3", 3, "third"}, std::tuple{"ALT1", 1, "Widened channel"}}) {
        combo(form, 1)->setFocus(Qt::MouseFocusReason);
        combo(form, 1)->clearEditText();
        QTest::keyClicks(combo(form, 1), QString::fromLatin1(id));
        QTest::keyClick(combo(form, 1), key);
        QCOMPARE(form->ShownAlternate(), shown);
        QCOMPARE(box(form, 2)->text(), QString::fromLatin1(description));
    }
}

void TestAlternate::deletingAlternates()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    {
        DialogScript script; // nothing shown: nothing asked
        click(button(form, "cmdDelCur"));
    }
    chooseAndClick(form, 1, QStringLiteral(" alt2 "), 2);
    {
        DialogScript script;
        script.answer(Dialogs::Answer::No);
        click(button(form, "cmdDelCur"));
        QCOMPARE(script.asked().value(0).text, QString("Delete Current Alternate Data ?"));
        QCOMPARE(script.asked().value(0).title, QString("Alternate Analysis"));
        QCOMPARE(form->AltCount(), 3);
        script.answer(Dialogs::Answer::Yes);
        click(button(form, "cmdDelCur"));
    }
    // The entry typed in other capitals goes too.
    QCOMPARE(listed(form, 1), (QStringList{"ALT1", "ALT3"}));
    QCOMPARE(form->AltCount(), 2);
    QCOMPARE(form->Alternates()[1].Id, QString("ALT3"));
    QCOMPARE(form->Alternates()[1].Reaches.value(0).ReachId().trimmed(), QString("R9"));
    QCOMPARE(form->ShownAlternate(), 0);
    QCOMPARE(box(form, 1)->text(), QString());
    QCOMPARE(combo(form, 1)->currentText(), QString());
    QVERIFY(entries(list(form, 2)).isEmpty());
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecAlternate)),
             file({"ALTERNATE ANALYSIS:", alternateLine("ALT1", "Widened channel"), Reaches, reachLine("R1", "OUTLET"),
                   Areas, subAreaLine("S1", "12."), landLine("Woods", "B", "12"), landLine("Lawns", "A", "3"),
                   alternateLine("ALT3", "third"), Reaches, reachLine("R9"), ""}));
}

// The middle button deletes the entry after asking; the record at its place
// goes, the later ones move up.
void TestAlternate::deletingRecords()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    chooseAndClick(form, 1, QStringLiteral("ALT2"), 2);
    QListWidget *reaches = list(form, 2);
    const auto act = [&] { clickEntry(reaches, 1, Qt::MiddleButton); };
    DialogScript script;
    script.answer(Dialogs::Answer::No);
    act();
    QCOMPARE(script.asked().value(0).text, QString("Delete R2 from Current Alternate ?"));
    QCOMPARE(form->Alternates()[1].Reaches.size(), 3);
    script.answer(Dialogs::Answer::Yes);
    act();
    QCOMPARE(entries(reaches), (QStringList{"R1", "R3"}));
    QCOMPARE(form->Alternates()[1].Reaches[1].ReachId().trimmed(), QString("R3"));
    QCOMPARE(form->Alternates()[0].Reaches.size(), 1); // other alternates untouched
    QCOMPARE(script.pending(), 0);
}

// A click opens the reach window on the alternate shown, whatever
// CurrentAlternate became meanwhile; its Accept hands the records back to
// this window, and only this window's Accept writes them.
void TestAlternate::recordWindowOnShownAlternate()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    chooseAndClick(form, 1, QStringLiteral("ALT2"), 2);
    CurrentAlternate = 0; // the section list opened another window
    clickEntry(list(form, 2), 2);
    QCOMPARE(form->AltItem, 3);
    QCOMPARE(CurrentAlternate, 2);
    auto *reachWindow = qobject_cast<frmReaches *>(Forms::get(QStringLiteral("frmReaches")));
    QVERIFY(reachWindow->isVisible());
    QCOMPARE(reachWindow->EditedAlternate(), 2);
    QCOMPARE(combo(reachWindow, 1)->currentText().trimmed(), QString("R3"));
    QVERIFY(list(form, 2)->selectedItems().isEmpty());
    activate(reachWindow);
    enterBox(reachWindow, 5, QStringLiteral("300"), combo(reachWindow, 1));
    choose(reachWindow, 1, QStringLiteral("R4"));
    accept(reachWindow);
    QVERIFY(!reachWindow->isVisible());
    QCOMPARE(reachWindow->windowModality(), Qt::NonModal);
    QCOMPARE(entries(list(form, 2)), (QStringList{"R1", "R2", "R3", "R4"}));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecAlternate)), ThreeAlternates);

    // A click beside the entries opens the window for a new record.
    clickEntry(list(form, 2), 99);
    QCOMPARE(form->AltItem, 0);
    QCOMPARE(combo(reachWindow, 1)->currentText(), QString());
    cancel(reachWindow);

    accept(form);
    const QByteArray written = ProgramFolder::readBytes(folder.tmp(SecAlternate));
    QVERIFY(written.contains(at({{11, "R3"}, {51, "300."}}, 76) + "\r\n" + reachLine("R4") + "\r\n" + Areas));
    QVERIFY(written.startsWith(file({"ALTERNATE ANALYSIS:", alternateLine("ALT1", "Widened channel"), Reaches,
                                     reachLine("R1", "OUTLET")})));
}

// While a record window opened from here is open, this window cannot change
// the alternate, delete, accept or close under it.
void TestAlternate::recordWindowIsModal()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    chooseAndClick(form, 1, QStringLiteral("ALT1"), 2);
    clickEntry(list(form, 1), 0);
    QvForm *subAreaWindow = Forms::get(QStringLiteral("frmSubArea"));
    QVERIFY(subAreaWindow->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), subAreaWindow);
    QCOMPARE(form->RecordWindow(), subAreaWindow);

    DialogScript script; // nothing may be asked
    form->cmdDelCur_Click();
    form->cmdFinished_Click();
    combo(form, 1)->setEditText(QStringLiteral("ALT3"));
    int index = 1;
    form->Cmbinp_LostFocus(index);
    QVERIFY(!form->close());
    QCOMPARE(form->AltCount(), 3);
    QCOMPARE(form->ShownAlternate(), 1);
    QVERIFY(form->isVisible());
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecAlternate)), ThreeAlternates);

    cancel(subAreaWindow);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(form->RecordWindow(), nullptr);
    QCOMPARE(subAreaWindow->windowModality(), Qt::NonModal);
}

// Each sub-area record holds its own land rows: a sub-area window accepted on
// one alternate leaves every other alternate's records and rows as they were.
void TestAlternate::subAreaRecordsKeepTheirLandRows()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    addRecord(form, QStringLiteral("ALT2"), 1, QStringLiteral("S5"));
    QCOMPARE(entries(list(form, 1)), (QStringList{"S1", "S5"}));
    QCOMPARE(form->Alternates()[1].SubAreas[0].Land.size(), 1);
    QCOMPARE(form->Alternates()[0].SubAreas[0].Land.size(), 2);
    accept(form);
    const QByteArray written = ProgramFolder::readBytes(folder.tmp(SecAlternate));
    QVERIFY(written.contains(file({subAreaLine("S1", "12."), landLine("Woods", "B", "12"),
                                   landLine("Lawns", "A", "3"), alternateLine("ALT2", "second")})));
    QVERIFY(written.contains(file({subAreaLine("S1", "5."), landLine("Pasture", "C", "5"), subAreaLine("S5"),
                                   alternateLine("ALT3", "third")})));
}

void TestAlternate::weightRowsKeptAsLandRows_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QByteArray>("keyword");
    QTest::newRow("capitals") << 21 << QByteArray("WEIGHT CN");
    QTest::newRow("small letters, one column in") << 22 << QByteArray("weight cn");
}

// A WEIGHT CN row is a land row, as the Sub-Area section reads it: an
// alternate chosen and accepted unchanged keeps it, as a LAND AREA row.
void TestAlternate::weightRowsKeptAsLandRows()
{
    QFETCH(int, column);
    QFETCH(QByteArray, keyword);
    ProgramFolder folder;
    const auto stored = [](const QByteArray &woods) {
        return file({"ALTERNATE ANALYSIS:", alternateLine("ALT1"), Areas, subAreaLine("SA1"), woods,
                     landLine("Open Space (Good)", "A", "3"), ""});
    };
    frmAlternate *form = openOn(folder, stored(at({{column, keyword}, {31, "Woods (Good)"}, {66, "B"}, {71, "12."}}, 80)));
    chooseAndClick(form, 1, QStringLiteral("ALT1"), 2);
    QCOMPARE(form->ShownAlternate(), 1);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecAlternate)), stored(landLine("Woods (Good)", "B", "12.")));
}

void TestAlternate::cancelDropsEverything()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    addRecord(form, QStringLiteral("ALT3"), 2, QStringLiteral("R10"));
    QCOMPARE(entries(list(form, 2)), (QStringList{"R9", "R10"}));
    DataChanged = false;
    cancel(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecAlternate)), ThreeAlternates);
    QVERIFY(!DataChanged);
    form = alternate(open(Name));
    chooseAndClick(form, 1, QStringLiteral("ALT3"), 2);
    QCOMPARE(entries(list(form, 2)), QStringList{"R9"});
}

// A record that holds nothing but AREAS or REACHES would be written as a
// block line: Accept says which and keeps the window open.
void TestAlternate::recordOnlyNamedLikeABlockIsRefused()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    addRecord(form, QStringLiteral("ALT3"), 2, QStringLiteral("areas"));
    DataChanged = false;
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QVERIFY(script.asked().value(0).text.startsWith(QStringLiteral("Reach areas of alternate ALT3")));
    QVERIFY(form->isVisible());
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecAlternate)), ThreeAlternates);
    QVERIFY(!DataChanged);
}

void TestAlternate::failedWriteKeepsWindow()
{
    ProgramFolder folder;
    frmAlternate *form = openOn(folder, ThreeAlternates);
    chooseAndClick(form, 1, QStringLiteral("ALT1"), 2);
    QFile::remove(folder.tmp(SecAlternate));
    QDir().mkpath(folder.tmp(SecAlternate)); // a folder where the working file should be
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QVERIFY(script.asked().value(0).text.contains(folder.tmp(SecAlternate)));
    QCOMPARE(script.asked().value(0).title, QString("Alternate Analysis"));
    QVERIFY(form->isVisible());
    QCOMPARE(form->AltCount(), 3);
    QCOMPARE(box(form, 2)->text(), QString("Widened channel"));
    QVERIFY(!DataChanged);
}

void TestAlternate::help()
{
    ProgramFolder folder;
    folder.installTools();
    InitProjectState(folder.path());
    frmAlternate *form = openOn(folder, ThreeAlternates);
    QCOMPARE(Help_Stuff::FormHelpKey, QString("AA"));
    // Coming back to the window leaves the key of the window loaded since.
    Help_Stuff::FormHelpKey = QStringLiteral("SA");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form, &activate);
    QCOMPARE(Help_Stuff::FormHelpKey, QString("SA"));
    click(label(form, QStringLiteral("lblInput_2")));
    QVERIFY(form->txtHelp()->isVisible());
    QVERIFY(form->txtHelp()->toPlainText().contains(QStringLiteral("Alternate Description")));
    click(label(form, QStringLiteral("lblHeader")));
    QVERIFY(form->txtHelp()->toPlainText().contains(QStringLiteral("Named variants of the watershed")));
    QCOMPARE(Help_Stuff::FormHelpKey, QString("AA"));
}

QTEST_MAIN(TestAlternate)
#include "tst_alternate.moc"
