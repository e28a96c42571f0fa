// The stream reach window: choosing and creating reaches by identifier, the
// field checks, codes, deleting, the working file it writes, and its
// alternate mode.
#include "DialogScript.h"
#include "NetworkDriver.h"
#include "NetworkRecords.h"

#include "core/frmMain.h"
#include "core/logic/Editglob.h"
#include "sections/network/frmReaches.h"

#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace NetworkDriver;
using NetworkRecords::reach;
using namespace Editglob;

Q_DECLARE_METATYPE(QList<ReachRecord>)

namespace {
const QString Name = QStringLiteral("frmReaches");
const QByteArray Header = QByteArray("STREAM REACH:").leftJustified(40);

QByteArray section(std::initializer_list<QByteArray> records) { return Header + "\r\n" + file(records) + "\r\n"; }

QByteArray mainLine(const QByteArray &id, const QByteArray &receiving = {}, const QByteArray &rest = {})
{
    return at({{11, id}, {21, receiving}, {31, rest}}, 76);
}

const QByteArray TwoReaches =
    section({at({{11, "R1"}, {21, "R2"}, {31, "X1"}, {51, "1200."}, {61, "900."}, {71, "YN N Y"}}),
             at({{21, "BASE FLOW"}, {31, "2.5"}}, 40), at({{11, "R2"}, {21, "OUTLET"}, {41, "S1"}}, 76),
             at({{21, "SPLIT FLOW"}, {31, "R1"}, {51, "10."}, {61, "20."}, {71, ".5"}}, 80),
             at({{21, "REACH LOSS"}, {31, ".01"}, {41, "3."}}, 50)});

frmReaches *reaches(QWidget *form) { return qobject_cast<frmReaches *>(form); }

QWidget *openOn(const ProgramFolder &folder, const QByteArray &stored)
{
    return openOnFile(folder, Name, SecReach, stored);
}
} // namespace

class TestReaches : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void cleanup() { closeWindows({"frmReaches"}); }
    void sectionListOpensBaseData();
    void acceptAsLoaded_data();
    void acceptAsLoaded();
    void editSeveralReaches();
    void identifiers_data();
    void identifiers();
    void fieldChecks_data();
    void fieldChecks();
    void unknownCodeKeepsItsLetter();
    void deleting();
    void failedWriteKeepsWindow();
    void alternateMode();
    void alternateModeNewRecord();
    void fieldWidths();
    void help();
};

void TestReaches::sectionListOpensBaseData()
{
    ProgramFolder folder(true);
    ProgramFolder::writeBytes(folder.tmp(SecReach), TwoReaches);
    SetFileName(folder.file("basin.inp"));
    Globsubs::ShowForm(frmMain::instance());
    frmMain::instance()->mnuFileItem_Click(10); // shows the section list
    auto *list = frmMain::instance()->findChild<QListWidget *>(QStringLiteral("CurrentLst"));
    QVERIFY(list);
    CurrentAlternate = 2;
    list->setCurrentRow(7);
    frmMain::instance()->CurrentLst_Click();
    QWidget *form = Forms::get(Name);
    QVERIFY(reaches(form) && reaches(form)->isLoaded());
    QCOMPARE(reaches(form)->EditedAlternate(), 0);
    QCOMPARE(form->windowTitle(), "Stream Reach   Current File - " + folder.file("basin.inp"));
    QVERIFY(!shown(form, QStringLiteral("lblStatic_1")) && !shown(form, QStringLiteral("lblStatic_2")));
    QCOMPARE(combo(form, 1)->currentText(), QString());
    QCOMPARE(listed(form, 1), (QStringList{"R1", "R2"}));
    QCOMPARE(listed(form, 2), (QStringList{"R1", "R2", "OUTLET"}));
    QCOMPARE(listed(form, 3), (QStringList{"X1", ""})); // R2 names no cross section
    QCOMPARE(listed(form, 4), (QStringList{"S1"}));
    QVERIFY(!shown(form, QStringLiteral("Frame1_2")) && !shown(form, QStringLiteral("txtinp_19")));
    for (int g = 0; g < 6; ++g)
        QVERIFY(opt(form, QStringLiteral("opt1"), 3 * g + 3)->isChecked());
    frmMain::instance()->unload();
}

void TestReaches::acceptAsLoaded_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("every line kind") << TwoReaches << TwoReaches;
    QTest::newRow("file cut from an input file, lower-case keyword")
        << (Header + "\r\n" + mainLine("R1") + "\r\n" + at({{21, "reach loss"}, {31, "0.5"}, {41, "5"}}))
        << section({mainLine("R1"), at({{21, "REACH LOSS"}, {31, "0.5"}, {41, "5."}}, 50)});
    // The hidden peak summary code and a letter the window has no option for.
    QTest::newRow("codes the window cannot show") << section({at({{11, "R1"}, {71, "XNNQ Z"}})})
                                                  << section({at({{11, "R1"}, {71, "XNNQ Z"}})});
    QTest::newRow("empty file") << QByteArray() << QByteArray();
}

void TestReaches::acceptAsLoaded()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    QCOMPARE(EntryDriver::acceptAsLoaded(folder, Name, SecReach, stored), written);
    QVERIFY(DataChanged);
}

// Choosing stores the reach shown first; an identifier in other capitals
// chooses the reach; a new one starts empty with every code blank.
void TestReaches::editSeveralReaches()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, TwoReaches);
    choose(form, 1, QStringLiteral("r1"));
    QCOMPARE(combo(form, 2)->currentText(), QString("R2"));
    QCOMPARE(box(form, 5)->text(), QString("1200."));
    QVERIFY(opt(form, QStringLiteral("opt1"), 1)->isChecked()); // code Y
    QVERIFY(opt(form, QStringLiteral("opt1"), 5)->isChecked()); // code N
    enterBox(form, 5, QStringLiteral("1500"), box(form, 6));
    clickOption(form, 3); // peak output Blank
    choose(form, 1, QStringLiteral("R3"));
    QCOMPARE(box(form, 5)->text(), QString());
    QCOMPARE(box(form, 7)->text(), QString());
    for (int g = 0; g < 6; ++g)
        QVERIFY(opt(form, QStringLiteral("opt1"), 3 * g + 3)->isChecked());
    choose(form, 2, QStringLiteral("OUTLET"));
    enterBox(form, 7, QStringLiteral("4"), box(form, 6));
    clickOption(form, 16); // flood economics Yes
    QCOMPARE(listed(form, 1), (QStringList{"R1", "R2", "R3"}));
    accept(form);
    QVERIFY(!form->isVisible());
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecReach)),
             section({at({{11, "R1"}, {21, "R2"}, {31, "X1"}, {51, "1500."}, {61, "900."}, {71, " N N Y"}}),
                      at({{21, "BASE FLOW"}, {31, "2.5"}}, 40), at({{11, "R2"}, {21, "OUTLET"}, {41, "S1"}}, 76),
                      at({{21, "SPLIT FLOW"}, {31, "R1"}, {51, "10."}, {61, "20."}, {71, ".5"}}, 80),
                      at({{21, "REACH LOSS"}, {31, ".01"}, {41, "3."}}, 50),
                      at({{11, "R3"}, {21, "OUTLET"}, {71, "     Y"}}), at({{21, "BASE FLOW"}, {31, "4."}}, 40)}));
}

void TestReaches::identifiers_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen"); // the chosen reach's receiving reach, or "-" for none
    const QByteArray outletReach = section({mainLine("OUTLET", "R9")});
    QTest::newRow("blanks name no reach") << TwoReaches << "   " << "-";
    QTest::newRow("the outlet is no reach") << TwoReaches << "outlet" << "-";
    QTest::newRow("a reach read as OUTLET is chosen") << outletReach << "Outlet" << "R9";
    QTest::newRow("other capitals and blanks") << TwoReaches << " r2 " << "OUTLET";
}

// A text that names no reach creates none and leaves the box empty; then
// nothing else can be entered.
void TestReaches::identifiers()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    ProgramFolder folder;
    QWidget *form = openOn(folder, stored);
    choose(form, 1, typed);
    if (chosen == QLatin1String("-")) {
        QCOMPARE(combo(form, 1)->currentText(), QString());
        QCOMPARE(box(form, 1)->text(), QString());
        enterBox(form, 5, QStringLiteral("100"), box(form, 6));
        QCOMPARE(color(form, 5), Colors::Red);
        // The red value is refused, and nothing is written.
        DialogScript script;
        script.answer(Dialogs::Answer::OK);
        accept(form);
        QCOMPARE(script.pending(), 0);
        QVERIFY(form->isVisible());
        QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecReach)), stored);
        cancel(form);
    } else {
        QCOMPARE(combo(form, 2)->currentText(), chosen);
        QCOMPARE(combo(form, 1)->currentText(), typed);
    }
}

void TestReaches::fieldChecks_data()
{
    QTest::addColumn<int>("alternate");
    QTest::addColumn<QList<int>>("fields"); // set first, in this order
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("expected"); // colour of the last field
    const auto row = [](const char *name, int alt, QList<int> fields, QStringList texts, int color) {
        QTest::newRow(name) << alt << fields << texts << color;
    };
    row("channel length above 0", 0, {5}, {"0.1"}, Colors::White);
    row("channel length 0", 0, {5}, {"0"}, Colors::Red);
    row("base flow not a number", 0, {7}, {"1x"}, Colors::Red);
    row("valley length 0", 0, {6}, {"0"}, Colors::White);
    row("valley length below 0", 0, {6}, {"-1"}, Colors::Red);
    row("starting split flow with a split cross section", 0, {15, 16}, {"X1", "10"}, Colors::Red);
    row("split cross section with an ending flow", 0, {17, 15}, {"10", "X1"}, Colors::Red);
    row("ending split flow alone", 0, {17}, {"10"}, Colors::White);
    row("fraction below 0.001", 0, {18}, {"0.0005"}, Colors::Red);
    row("fraction 1", 0, {18}, {"1"}, Colors::White);
    row("fraction left blank with a split reach", 0, {14, 18}, {"R1", ""}, Colors::Red);
    row("fraction left blank with a split reach, alternate", 1, {14, 18}, {"R1", ""}, Colors::White);
}

void TestReaches::fieldChecks()
{
    QFETCH(int, alternate);
    QFETCH(QList<int>, fields);
    QFETCH(QStringList, texts);
    QFETCH(int, expected);
    ProgramFolder folder;
    QWidget *form = nullptr;
    if (alternate) {
        ReachAlternateRequest request;
        request.Alternate = alternate;
        request.Records = {reach({{1, "R1"}})};
        request.Current = 0;
        QVERIFY(reaches(Forms::get(Name))->OpenOnAlternate(request));
        form = Forms::get(Name);
        activate(form);
    } else {
        form = openOn(folder, TwoReaches);
        choose(form, 1, QStringLiteral("R2"));
    }
    for (int i = 0; i < fields.size(); ++i) {
        const int n = fields[i];
        if (combo(form, n))
            chooseAndClick(form, n, texts[i], 5);
        else
            enterBox(form, n, texts[i], box(form, n == 5 ? 6 : 5));
    }
    const int last = fields.last();
    QCOMPARE(combo(form, last) ? comboColor(form, last) : color(form, last), expected);
}

// A code letter the window has no option for leaves its group empty, so the
// previous reach's choice is not stored over it.
void TestReaches::unknownCodeKeepsItsLetter()
{
    ProgramFolder folder;
    const QByteArray stored = section({at({{11, "R1"}, {71, "Q"}}, 76), at({{11, "R2"}, {71, "Y"}}, 76)});
    QWidget *form = openOn(folder, stored);
    choose(form, 1, QStringLiteral("R2"));
    QVERIFY(opt(form, QStringLiteral("opt1"), 1)->isChecked());
    choose(form, 1, QStringLiteral("R1"));
    for (int i = 1; i <= 3; ++i)
        QVERIFY(!opt(form, QStringLiteral("opt1"), i)->isChecked());
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecReach)), stored);
}

void TestReaches::deleting()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, TwoReaches);
    enterBox(form, 5, QStringLiteral("100"), box(form, 6)); // no reach chosen yet
    QCOMPARE(color(form, 5), Colors::Red);
    {
        DialogScript none; // no reach chosen: no question
        click(button(form, "cmdDelCur"));
        QCOMPARE(focused(), combo(form, 1));
        QVERIFY(none.asked().isEmpty());
    }
    choose(form, 1, QStringLiteral("R1"));
    {
        DialogScript script;
        script.answer(Dialogs::Answer::No);
        click(button(form, "cmdDelCur"));
        QCOMPARE(script.asked().value(0).text, QString("Delete Current Reach ?"));
        QCOMPARE(script.asked().value(0).title, QString("Stream Reach"));
        QCOMPARE(combo(form, 1)->currentText(), QString("R1"));
        script.answer(Dialogs::Answer::Yes);
        click(button(form, "cmdDelCur"));
    }
    QCOMPARE(combo(form, 1)->currentText(), QString());
    QCOMPARE(box(form, 5)->text(), QString());
    QCOMPARE(listed(form, 1), QStringList{"R2"});
    enterBox(form, 6, QStringLiteral("3"), combo(form, 1));
    QCOMPARE(color(form, 6), Colors::Red);
    {
        // A red value is never written: Accept refuses until it is gone.
        DialogScript script;
        script.answer(Dialogs::Answer::OK);
        accept(form);
        QCOMPARE(script.pending(), 0);
        QVERIFY(form->isVisible());
    }
    box(form, 6)->clear();
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecReach)),
             section({at({{11, "R2"}, {21, "OUTLET"}, {41, "S1"}}, 76),
                      at({{21, "SPLIT FLOW"}, {31, "R1"}, {51, "10."}, {61, "20."}, {71, ".5"}}, 80),
                      at({{21, "REACH LOSS"}, {31, ".01"}, {41, "3."}}, 50)}));
}

void TestReaches::failedWriteKeepsWindow()
{
    ProgramFolder folder;
    QDir().mkpath(folder.tmp(SecReach)); // a folder where the working file should be
    QWidget *form = open(Name);
    choose(form, 1, QStringLiteral("R1"));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QVERIFY(script.asked().value(0).text.contains(folder.tmp(SecReach)));
    QVERIFY(form->isVisible());
    QCOMPARE(combo(form, 1)->currentText(), QString("R1"));
    QVERIFY(!DataChanged);
}

// Opened on an alternate's records, the window shows the chosen record and
// hands every record back at Accept, wherever CurrentAlternate has gone.
void TestReaches::alternateMode()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecReach), TwoReaches);
    QList<ReachRecord> handedBack;
    int calls = 0;
    ReachAlternateRequest request;
    request.Alternate = 2;
    request.AlternateId = QStringLiteral("ALT2");
    request.Records = {reach({{1, "R1"}, {5, "100."}}), reach({{1, "R7"}, {2, "R1"}, {8, "N"}, {19, "1 "}})};
    request.Current = 1;
    request.OnAccept = [&](const QList<ReachRecord> &records) {
        handedBack = records;
        ++calls;
    };
    CurrentAlternate = 2;
    auto *window = reaches(Forms::get(Name));
    QVERIFY(window->OpenOnAlternate(request));
    QWidget *form = window;
    activate(form);
    QCOMPARE(window->EditedAlternate(), 2);
    QVERIFY(shown(form, QStringLiteral("lblStatic_1")));
    QCOMPARE(control<QLabel>(form, QStringLiteral("lblStatic_2"))->text(), QString("ALT2"));
    QCOMPARE(combo(form, 1)->currentText(), QString("R7"));
    QCOMPARE(combo(form, 2)->currentText(), QString("R1"));
    QVERIFY(opt(form, QStringLiteral("opt1"), 2)->isChecked());

    ReachAlternateRequest other = request;
    other.Alternate = 3;
    QVERIFY(!window->OpenOnAlternate(other)); // open on alternate 2: refused
    CurrentAlternate = 0;                     // the section list opened another window
    Globsubs::ShowForm(window);               // brought forward, still on alternate 2
    QCOMPARE(window->EditedAlternate(), 2);

    enterBox(form, 6, QStringLiteral("50"), combo(form, 1));
    choose(form, 1, QStringLiteral("R8"));
    accept(form);
    QCOMPARE(calls, 1);
    QCOMPARE(handedBack.size(), 3);
    QCOMPARE(handedBack[1].Field[6], QString("50"));
    QCOMPARE(handedBack[1].Field[19], QString("1 "));
    QCOMPARE(handedBack[0].Field[5], QString("100."));
    QCOMPARE(handedBack[2].ReachId(), QString("R8"));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecReach)), TwoReaches);
    QVERIFY(DataChanged);

    // A later opening from the section list edits the base data again.
    form = open(Name);
    QCOMPARE(window->EditedAlternate(), 0);
    QVERIFY(!shown(form, QStringLiteral("lblStatic_1")));
    choose(form, 1, QStringLiteral("R7"));
    QCOMPARE(listed(form, 1), (QStringList{"R1", "R2", "R7"}));
    cancel(form);
    QCOMPARE(calls, 1);
}

void TestReaches::alternateModeNewRecord()
{
    ProgramFolder folder;
    ReachAlternateRequest request;
    request.Alternate = 1;
    request.Records = {reach({{1, "R1"}})};
    QList<ReachRecord> handedBack{reach({{1, "untouched"}})};
    request.OnAccept = [&](const QList<ReachRecord> &records) { handedBack = records; };
    auto *window = reaches(Forms::get(Name));
    QVERIFY(window->OpenOnAlternate(request));
    activate(window);
    enterBox(window, 5, QStringLiteral("100"), combo(window, 1));
    QCOMPARE(color(window, 5), Colors::Red);
    cancel(window);
    QCOMPARE(handedBack.value(0).ReachId(), QString("untouched"));
}

void TestReaches::fieldWidths()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, TwoReaches);
    choose(form, 1, QStringLiteral("ABCDEFGHIJKL"));
    QCOMPARE(combo(form, 1)->currentText(), QString("ABCDEFGHIJ"));
    for (int n : {5, 6, 7, 16, 17, 18}) {
        retype(form, n, QStringLiteral("123456789012"));
        QCOMPARE(box(form, n)->text(), QString("1234567890"));
    }
}

void TestReaches::help()
{
    ProgramFolder folder;
    folder.installTools();
    InitProjectState(folder.path());
    QWidget *form = open(Name);
    auto *helpBox = control<QPlainTextEdit>(form, QStringLiteral("txtHelp"));
    click(label(form, QStringLiteral("lblInput_5")));
    QVERIFY(helpBox->isVisible());
    QVERIFY2(helpBox->toPlainText().contains(QStringLiteral("Reach Channel Length")), qPrintable(helpBox->toPlainText()));
    click(label(form, QStringLiteral("lblHeader")));
    QVERIFY(helpBox->toPlainText().contains(QStringLiteral("The reaches of the watershed network")));
}

QTEST_MAIN(TestReaches)
#include "tst_reaches.moc"
