// The sub-area window: choosing and creating sub-areas, the field checks and
// codes, the detail state, the hand-over to the land-use and
// time-of-concentration windows, deleting, the working file it writes, and
// its alternate mode.
#include "ComboMouse.h"
#include "DialogScript.h"
#include "NetworkDriver.h"
#include "NetworkRecords.h"

#include "core/logic/Editglob.h"
#include "sections/common/SubAreaDetail.h"
#include "sections/network/frmSubArea.h"

#include <QDir>
#include <QLayout>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace NetworkDriver;
using NetworkRecords::land;
using NetworkRecords::subArea;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmSubArea");
const QByteArray Header = QByteArray("SUB-AREA:").leftJustified(40);

// Stands in for the land-use and time-of-concentration windows: it keeps the
// request it was opened on.
class FakeDetail : public QvForm, public SubAreaDetailWindow
{
public:
    void OpenOn(QWidget *owner, const SubAreaDetailRequest &request) override
    {
        lastOwner = owner;
        last = request;
        ++opened;
    }
    QWidget *lastOwner = nullptr;
    SubAreaDetailRequest last;
    int opened = 0;

protected:
    void buildControls(QWidget *) override {}
};

FakeDetail *landUse() { return dynamic_cast<FakeDetail *>(Forms::get(QStringLiteral("frmLandUse"))); }
FakeDetail *tc() { return dynamic_cast<FakeDetail *>(Forms::get(QStringLiteral("frmTc"))); }

QByteArray section(std::initializer_list<QByteArray> records) { return Header + "\r\n" + file(records) + "\r\n"; }

const QByteArray SA1 = at({{11, "SA1"}, {21, "R1"}, {31, "G1"}, {41, "640."}, {51, "75."}, {61, ".5"}, {71, "YN"}}, 75);
const QByteArray SA2 = at({{11, "SA2"}, {21, "R1"}, {41, "12.5"}}, 75);
const QByteArray SA3 = at({{11, "SA3"}, {21, "OUTLET"}}, 75);
const QByteArray Sheet2 = at({{21, "SHEET"}, {31, "100."}, {41, ".01"}, {61, "F"}}, 70);
const QByteArray Three = section({SA1, landLine("Woods", "B", "400."), landLine("Pasture", "C", "240."), SA2, Sheet2, SA3});

frmSubArea *subAreas(QWidget *form) { return qobject_cast<frmSubArea *>(form); }

QWidget *openOn(const ProgramFolder &folder, const QByteArray &stored)
{
    return openOnFile(folder, Name, SecSubArea, stored);
}

QStringList ids(const QList<SubAreaRecord> &records)
{
    QStringList out;
    for (const SubAreaRecord &r : records)
        out << r.SubAreaId();
    return out;
}
} // namespace

class TestSubArea : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Forms::registerForm(QStringLiteral("frmLandUse"), [] { return new FakeDetail; });
        Forms::registerForm(QStringLiteral("frmTc"), [] { return new FakeDetail; });
    }
    void cleanupTestCase() { deleteWindows(); }
    void cleanup() { closeWindows({"frmSubArea"}); }
    void opensOnBaseData();
    void acceptAsLoaded_data();
    void acceptAsLoaded();
    void chooseAndCreate();
    void fieldChecks_data();
    void fieldChecks();
    void detailState();
    void valuesBesideDetailsCanBeCleared();
    void controlsKeepTheirPlaces();
    void landUseDetails();
    void tcDetails();
    void detailWindowsTakeTheWindowsMode();
    void detailReturnAfterClose();
    void deleting();
    void unknownCodeKeepsItsLetter();
    void alternateMode();
    void failedWriteKeepsWindow();
    void fieldWidths();
    void help();
};

void TestSubArea::opensOnBaseData()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecStorm), QByteArray("STORM ANALYSIS:").leftJustified(40) + "\r\n"
                                                        + at({{11, "S1"}, {21, "G7"}}, 80) + "\r\n");
    SetFileName(folder.file("basin.inp"));
    QWidget *form = openOn(folder, Three);
    QVERIFY(subAreas(form));
    QCOMPARE(form->windowTitle(), "Sub-Area   Current File - " + folder.file("basin.inp"));
    QCOMPARE(combo(form, 1)->currentText(), QString());
    QCOMPARE(listed(form, 1), (QStringList{"SA1", "SA2", "SA3"}));
    QVERIFY(listed(form, 3).contains(QStringLiteral("G7")));
    QVERIFY(!shown(form, QStringLiteral("cmdSub_0")) && !shown(form, QStringLiteral("cmdSub_1")));
    QVERIFY(!shown(form, QStringLiteral("lblStatic_1")));
}

void TestSubArea::acceptAsLoaded_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("every line kind") << Three << Three;
    QTest::newRow("WEIGHT CN read as a land row")
        << (Header + "\r\n" + SA3 + "\r\n" + at({{21, "weight cn"}, {31, "Woods"}, {66, "B"}, {71, "3"}}))
        << section({SA3, landLine("Woods", "B", "3.")});
    QTest::newRow("code letters the window cannot show") << section({at({{11, "SA1"}, {71, "QyZ"}}, 75)})
                                                         << section({at({{11, "SA1"}, {71, "QyZ"}}, 75)});
    QTest::newRow("empty file") << QByteArray() << QByteArray();
}

void TestSubArea::acceptAsLoaded()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    QCOMPARE(EntryDriver::acceptAsLoaded(folder, Name, SecSubArea, stored), written);
    QVERIFY(DataChanged);
}

// Identifiers are found without regard to case; a new one starts empty with
// every code blank and no land rows.
void TestSubArea::chooseAndCreate()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three);
    choose(form, 1, QStringLiteral("   ")); // names no sub-area
    QCOMPARE(subAreas(form)->records().ItemCount, 3);
    // Picked with the mouse in the drop-down: taken as the focus goes on.
    QVERIFY(ComboMouse::Pick(combo(form, 1), 0));
    QTest::mouseClick(box(form, 4), Qt::LeftButton);
    QCOMPARE(box(form, 4)->text(), QString("640."));
    choose(form, 1, QStringLiteral("sa2"));
    QCOMPARE(combo(form, 2)->currentText(), QString("R1"));
    QCOMPARE(box(form, 4)->text(), QString("12.5"));
    QCOMPARE(listed(form, 1), (QStringList{"SA1", "SA2", "SA3"}));
    chooseAndClick(form, 3, QStringLiteral("G2"), 4);
    QCOMPARE(color(form, 3), Colors::Cyan);
    clickOption(form, 7); // peak summary Yes
    opt(form, QStringLiteral("opt1"), 4)->setFocus(); // an option hands the focus on
    QCOMPARE(focused(), combo(form, 1));
    choose(form, 1, QStringLiteral("SA4"));
    QCOMPARE(combo(form, 2)->currentText(), QString());
    QCOMPARE(box(form, 4)->text(), QString());
    for (int g = 0; g < 5; ++g)
        QVERIFY(opt(form, QStringLiteral("opt1"), 3 * g + 3)->isChecked());
    QVERIFY(shown(form, QStringLiteral("txtinp_4")) && shown(form, QStringLiteral("cmdSub_0")));
    QTest::keyClick(combo(form, 2), Qt::Key_Return);
    QCOMPARE(listed(form, 2).count(QString()), 1); // a combo left blank offers an empty entry, once
    QTest::keyClicks(combo(form, 2), QStringLiteral("R9"));
    QTest::keyClick(combo(form, 2), Qt::Key_Return);
    QCOMPARE(focused(), combo(form, 3));
    for (const auto &[n, text] : {std::pair{4, "2"}, {5, "80"}, {6, ".25"}}) {
        retype(form, n, QString::fromLatin1(text));
        enter(form, n);
        QCOMPARE(color(form, n), Colors::Cyan);
    }
    QCOMPARE(focused(), combo(form, 1)); // Enter goes round to the identifier
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             section({SA1, landLine("Woods", "B", "400."), landLine("Pasture", "C", "240."),
                      at({{11, "SA2"}, {21, "R1"}, {31, "G2"}, {41, "12.5"}, {71, "  Y"}}, 75), Sheet2, SA3,
                      at({{11, "SA4"}, {21, "R9"}, {41, "2."}, {51, "80."}, {61, ".25"}}, 75)}));
}

void TestSubArea::fieldChecks_data()
{
    QTest::addColumn<QString>("id"); // chosen first; empty: none
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("area above 0") << "SA3" << 4 << "0.01" << Colors::Cyan;
    QTest::newRow("area 0") << "SA3" << 4 << "0" << Colors::Red;
    QTest::newRow("area not a number") << "SA3" << 4 << "1,5" << Colors::Red;
    QTest::newRow("curve number 30") << "SA3" << 5 << "30" << Colors::Cyan;
    QTest::newRow("curve number 100") << "SA3" << 5 << "100" << Colors::Cyan;
    QTest::newRow("curve number 29.9") << "SA3" << 5 << "29.9" << Colors::Red;
    QTest::newRow("curve number 101") << "SA3" << 5 << "101" << Colors::Red;
    QTest::newRow("time of concentration below 0") << "SA3" << 6 << "-.5" << Colors::Red;
    QTest::newRow("blank is not tested") << "SA3" << 6 << "  " << Colors::White;
    QTest::newRow("area before any sub-area") << "" << 4 << "5" << Colors::Red;
}

void TestSubArea::fieldChecks()
{
    QFETCH(QString, id);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, expected);
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three);
    if (!id.isEmpty())
        choose(form, 1, id);
    retype(form, field, text);
    QTest::keyClick(box(form, field), Qt::Key_Tab);
    QCOMPARE(color(form, field), expected);
}

void TestSubArea::detailState()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three);
    choose(form, 1, QStringLiteral("SA1")); // land rows, and an area and CN of its own
    for (const char *name : {"txtinp_4", "txtinp_5", "lblInput_4", "lblInput_5", "lblInUnit_4"})
        QVERIFY2(shown(form, QString::fromLatin1(name)), name);
    QVERIFY(shown(form, QStringLiteral("cmdSub_0")));
    QVERIFY(shown(form, QStringLiteral("txtinp_6")) && !shown(form, QStringLiteral("cmdSub_1")));
    choose(form, 1, QStringLiteral("SA2")); // a SHEET line, a drainage area
    QVERIFY(shown(form, QStringLiteral("txtinp_4")) && !shown(form, QStringLiteral("cmdSub_0")));
    for (const char *name : {"txtinp_6", "lblInput_6", "lblInUnit_6"})
        QVERIFY2(!shown(form, QString::fromLatin1(name)), name);
    QVERIFY(shown(form, QStringLiteral("cmdSub_1")));
    choose(form, 1, QStringLiteral("SA9")); // new: boxes shown whatever SA2 had
    QVERIFY(shown(form, QStringLiteral("txtinp_6")) && shown(form, QStringLiteral("cmdSub_1")));
    choose(form, 1, QStringLiteral("SA1"));
    choose(form, 1, QStringLiteral("SA8"));
    QVERIFY(shown(form, QStringLiteral("txtinp_4")) && shown(form, QStringLiteral("cmdSub_0")));
    choose(form, 1, QStringLiteral("SA3")); // nothing yet
    QVERIFY(shown(form, QStringLiteral("cmdSub_0")) && shown(form, QStringLiteral("cmdSub_1")));
    retype(form, 4, QStringLiteral("3"));
    QTest::keyClick(box(form, 4), Qt::Key_Tab);
    QVERIFY(!shown(form, QStringLiteral("cmdSub_0")));
    QCOMPARE(focused(), box(form, 5));
}

// As a file written elsewhere may hold them: a drainage area, curve number
// and Tc beside land rows and a flow segment. Each box stays in sight while
// it holds a value; cleared, it gives way to the details.
void TestSubArea::valuesBesideDetailsCanBeCleared()
{
    ProgramFolder folder;
    const QByteArray both = at({{11, "N1"}, {21, "R1"}, {41, "1.25"}, {51, "78."}, {61, "1.1"}}, 75);
    const QByteArray woods = landLine("Woods", "B", "1.25");
    QWidget *form = openOn(folder, section({both, Sheet2, woods}));
    choose(form, 1, QStringLiteral("N1"));
    for (const char *name : {"txtinp_4", "txtinp_5", "txtinp_6", "lblInput_4", "lblInput_5", "lblInput_6", "lblInUnit_4",
                             "lblInUnit_6", "cmdSub_0", "cmdSub_1"})
        QVERIFY2(shown(form, QString::fromLatin1(name)), name);
    QCOMPARE(box(form, 5)->text(), QStringLiteral("78."));
    QCOMPARE(box(form, 6)->text(), QStringLiteral("1.1"));

    retype(form, 5, QString());
    tab(form, 5);
    QVERIFY(!shown(form, QStringLiteral("txtinp_5")) && !shown(form, QStringLiteral("lblInput_5")));
    QVERIFY(shown(form, QStringLiteral("txtinp_4")));
    retype(form, 6, QString());
    tab(form, 6);
    for (const char *name : {"txtinp_6", "lblInput_6", "lblInUnit_6"})
        QVERIFY2(!shown(form, QString::fromLatin1(name)), name);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             section({at({{11, "N1"}, {21, "R1"}, {41, "1.25"}}, 75), Sheet2, woods}));
}

// Boxes and detail buttons that hide keep their places, so that the controls
// below stay where the user aims; a taller window gives its spare height to
// no label.
void TestSubArea::controlsKeepTheirPlaces()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three);
    QLayout *layout = static_cast<QMainWindow *>(form)->centralWidget()->layout();
    QWidget *option = opt(form, QStringLiteral("opt1"), 1);
    QWidget *heading = label(form, QStringLiteral("lblHeader"));
    const auto place = [&] {
        layout->activate();
        return QRect(option->mapTo(form, QPoint()), option->size());
    };
    choose(form, 1, QStringLiteral("SA9")); // new: every box and both buttons shown
    const QRect before = place();
    const int headingHeight = heading->height();
    choose(form, 1, QStringLiteral("SA2")); // the Tc box and "Land Use Details" hide
    QVERIFY(!shown(form, QStringLiteral("txtinp_6")) && !shown(form, QStringLiteral("cmdSub_0")));
    QCOMPARE(place(), before);
    QCOMPARE(heading->height(), headingHeight);

    form->resize(form->width(), form->height() + 200);
    QCOMPARE(place(), before);
    QCOMPARE(heading->height(), headingHeight);
    // Nor do the field labels grow beside their taller boxes and option groups.
    for (int n = 1; n <= 11; ++n) {
        const QLabel *field = label(form, QStringLiteral("lblInput_") + QString::number(n));
        QCOMPARE(field->height(), field->sizeHint().height());
    }
}

// Land Use Details: the window gets copies of every sub-area with the boxes
// stored; its return gives back land rows alone, by place, and nothing is
// written before Accept.
void TestSubArea::landUseDetails()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three);
    choose(form, 1, QStringLiteral("SA3"));
    retype(form, 6, QStringLiteral("2"));
    const int before = landUse()->opened;
    click(button(form, "cmdSub_0"));
    QCOMPARE(landUse()->opened, before + 1);
    const SubAreaDetailRequest request = landUse()->last;
    QCOMPARE(landUse()->lastOwner, form);
    QCOMPARE(ids(request.SubAreas), (QStringList{"SA1", "SA2", "SA3"}));
    QCOMPARE(request.Current, 2);
    QCOMPARE(request.Alternate, 0);
    QCOMPARE(request.SubAreas[2].Field[6], QString("2"));
    QCOMPARE(request.SubAreas[0].Land.size(), 2);

    QList<SubAreaRecord> changed = request.SubAreas;
    changed[2].Land = {land("Lawns", "A", "1.5"), land("Woods", "D", "0")};
    changed[2].Field[4] = QStringLiteral("99"); // not the land-use window's to change
    changed[0].Land = {land("Meadow", "B", "640")};
    request.OnReturn({{2, changed[2]}, {0, changed[0]}});
    for (const char *name : {"txtinp_4", "txtinp_5"})
        QVERIFY2(!shown(form, QString::fromLatin1(name)), name);
    QVERIFY(shown(form, QStringLiteral("cmdSub_0")));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)), Three);
    QVERIFY(!DataChanged);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             section({SA1, landLine("Meadow", "B", "640."), SA2, Sheet2,
                      at({{11, "SA3"}, {21, "OUTLET"}, {61, "2."}}, 75), landLine("Lawns", "A", "1.5")}));
}

void TestSubArea::tcDetails()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three);
    choose(form, 1, QStringLiteral("SA2"));
    click(button(form, "cmdSub_1"));
    const SubAreaDetailRequest request = tc()->last;
    QCOMPARE(request.Current, 1);
    SubAreaRecord sa2 = request.SubAreas[1];
    sa2.Field[1] = QStringLiteral(" sa2"); // not the window's to change
    for (int f = 12; f <= 24; ++f)
        sa2.Field[size_t(f)].clear();
    sa2.Field[19] = QStringLiteral("300");
    sa2.Field[24] = QStringLiteral("2.5");
    sa2.Field[6] = QStringLiteral("9");      // not the window's to change
    sa2.Land = {land("Woods", "B", "1")};    // neither
    request.OnReturn({{1, sa2}});
    QVERIFY(shown(form, QStringLiteral("cmdSub_1")));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             section({SA1, landLine("Woods", "B", "400."), landLine("Pasture", "C", "240."), SA2,
                      at({{21, "CHANNEL"}, {31, "300."}, {41, "2.5"}}, 50), SA3}));
}

// A detail window works on the data of the sub-area window that opened it,
// whatever CurrentAlternate says.
void TestSubArea::detailWindowsTakeTheWindowsMode()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three);
    CurrentAlternate = 4;
    subAreas(form)->cmdSub_Click(0); // the button is hidden until a sub-area is chosen
    QCOMPARE(landUse()->last.Alternate, 0);
    QCOMPARE(landUse()->last.Current, -1);
    cancel(form);

    SubAreaAlternateRequest request;
    request.Alternate = 3;
    request.AlternateId = QStringLiteral("WET");
    request.Records = {subArea({{1, "SA9"}})};
    request.Current = 0;
    CurrentAlternate = 0;
    QVERIFY(subAreas(form)->OpenOnAlternate(request));
    activate(form);
    click(button(form, "cmdSub_1"));
    QCOMPARE(tc()->last.Alternate, 3);
    QCOMPARE(tc()->last.AlternateId, QString("WET"));
    QCOMPARE(ids(tc()->last.SubAreas), QStringList{"SA9"});
}

void TestSubArea::detailReturnAfterClose()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three);
    choose(form, 1, QStringLiteral("SA3"));
    click(button(form, "cmdSub_0"));
    const SubAreaDetailRequest request = landUse()->last;
    cancel(form);
    form = openOn(folder, Three);
    SubAreaRecord changed = request.SubAreas[2];
    changed.Land = {land("Lawns", "A", "1")};
    request.OnReturn({{2, changed}}); // belongs to the closed opening
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)), Three);
}

// Deleting the second of three: the third keeps its own land rows.
void TestSubArea::deleting()
{
    ProgramFolder folder;
    const QByteArray stored = section({SA3, SA1, landLine("Woods", "B", "400."), SA2, landLine("Lawns", "A", "1.")});
    QWidget *form = openOn(folder, stored);
    {
        DialogScript none;
        click(button(form, "cmdDelCur"));
        QVERIFY(none.asked().isEmpty());
    }
    choose(form, 1, QStringLiteral("SA1"));
    {
        DialogScript script;
        script.answer(Dialogs::Answer::Yes);
        click(button(form, "cmdDelCur"));
        QCOMPARE(script.asked().value(0).text, QString("Delete Current Sub-Area ?"));
        QCOMPARE(script.asked().value(0).title, QString("Sub-Area"));
    }
    QCOMPARE(focused(), combo(form, 1));
    QCOMPARE(listed(form, 1), (QStringList{"SA3", "SA2"}));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)), section({SA3, SA2, landLine("Lawns", "A", "1.")}));
}

void TestSubArea::unknownCodeKeepsItsLetter()
{
    ProgramFolder folder;
    const QByteArray stored = section({at({{11, "SA1"}, {72, "Q"}}, 75), at({{11, "SA2"}, {72, "N"}}, 75)});
    QWidget *form = openOn(folder, stored);
    choose(form, 1, QStringLiteral("SA2"));
    choose(form, 1, QStringLiteral("SA1"));
    for (int i = 4; i <= 6; ++i)
        QVERIFY(!opt(form, QStringLiteral("opt1"), i)->isChecked());
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)), stored);
}

// Opened on an alternate's records, the window hands them back at Accept,
// land rows included, and writes nothing.
void TestSubArea::alternateMode()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecSubArea), Three);
    QList<SubAreaRecord> handedBack;
    SubAreaAlternateRequest request;
    request.Alternate = 2;
    request.AlternateId = QStringLiteral("ALT2");
    request.Records = {subArea({{1, "SA1"}, {4, "5"}}, {land("Woods", "B", "5")}), subArea({{1, "SA7"}, {9, "Y"}})};
    request.Current = 0;
    request.OnAccept = [&](const QList<SubAreaRecord> &records) { handedBack = records; };
    CurrentAlternate = 2;
    auto *form = subAreas(Forms::get(Name));
    QVERIFY(form->OpenOnAlternate(request));
    activate(form);
    QCOMPARE(control<QLabel>(form, QStringLiteral("lblStatic_2"))->text(), QString("ALT2"));
    QVERIFY(shown(form, QStringLiteral("lblStatic_1")));
    QCOMPARE(combo(form, 1)->currentText(), QString("SA1"));
    // Its land rows replace the curve number; its own area stays in sight.
    QVERIFY(shown(form, QStringLiteral("cmdSub_0")) && !shown(form, QStringLiteral("txtinp_5")));
    QVERIFY(shown(form, QStringLiteral("txtinp_4")));
    choose(form, 1, QStringLiteral("SA7"));
    QVERIFY(opt(form, QStringLiteral("opt1"), 7)->isChecked());
    // A record no working file names yet enters the list once chosen.
    QCOMPARE(listed(form, 1), (QStringList{"SA1", "SA2", "SA3", "SA7"}));
    CurrentAlternate = 0;
    // A value shown red is not handed back to be written with the alternate.
    retype(form, 5, QStringLiteral("20"));
    retype(form, 6, QStringLiteral("1.5"));
    QCOMPARE(color(form, 5), Colors::Red);
    {
        DialogScript script;
        script.answer(Dialogs::Answer::OK);
        accept(form);
        QCOMPARE(script.asked().value(0).title, QString("Sub-Area"));
    }
    QVERIFY(form->isVisible() && handedBack.isEmpty());
    retype(form, 5, QString());
    accept(form);
    QCOMPARE(ids(handedBack), (QStringList{"SA1", "SA7"}));
    QCOMPARE(handedBack[0].Land.size(), 1);
    QCOMPARE(handedBack[0].Land[0].LandUseName, QString("Woods"));
    QCOMPARE(handedBack[1].Field[6], QString("1.5"));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)), Three);
    QVERIFY(!DataChanged);
}

void TestSubArea::failedWriteKeepsWindow()
{
    ProgramFolder folder;
    QDir().mkpath(folder.tmp(SecSubArea));
    QWidget *form = open(Name);
    choose(form, 1, QStringLiteral("SA1"));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QVERIFY(script.asked().value(0).text.contains(folder.tmp(SecSubArea)));
    QVERIFY(form->isVisible());
    QVERIFY(!DataChanged);
}

void TestSubArea::fieldWidths()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, Three);
    choose(form, 1, QStringLiteral("ABCDEFGHIJKL"));
    QCOMPARE(combo(form, 1)->currentText(), QString("ABCDEFGHIJ"));
    for (int n : {4, 5, 6}) {
        retype(form, n, QStringLiteral("123456.7891"));
        QCOMPARE(box(form, n)->text(), QString("123456.789"));
    }
}

void TestSubArea::help()
{
    ProgramFolder folder;
    folder.installTools();
    QWidget *form = open(Name);
    click(label(form, QStringLiteral("lblInput_5")));
    auto *helpBox = control<QPlainTextEdit>(form, QStringLiteral("txtHelp"));
    QVERIFY2(helpBox->toPlainText().contains(QStringLiteral("Weighted Curve Number")), qPrintable(helpBox->toPlainText()));
}

QTEST_MAIN(TestSubArea)
#include "tst_subarea.moc"
