// A value that failed its check never reaches a file, whichever way its record
// is left; and every window opened on the demo inputs accepts them as they are.
#include "../network/NetworkDriver.h"
#include "../setup/ValueGridDriver.h"
#include "DialogScript.h"

#include "core/RunSaveOpen.h"
#include "core/logic/Editglob.h"

#include <QListWidget>
#include <functional>

using namespace NetworkDriver;
using namespace Editglob;

namespace {

// Puts the working files in place, opens a window and leaves a record that
// holds a failed value; returns the window whose Accept (or Return) is pressed.
using Path = std::function<QWidget *(const ProgramFolder &)>;

// The local files rather than a working file.
constexpr int LocalLandUse = 0;
constexpr int LocalSoil = -1;

// The lines of a section without the empty line that closes it.
QList<QByteArray> records(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

QString writtenFile(const ProgramFolder &folder, int slot)
{
    if (slot == LocalLandUse)
        return LocalLandUseFile;
    return slot == LocalSoil ? LocalSoilFile : folder.tmp(slot);
}

QByteArray storm(const QByteArray &id, const QByteArray &gage)
{
    return EntryDriver::tenColumns(10, {id, gage, "0.", "6.2", "Type II", "2", "3.1"});
}

QByteArray subArea(const QByteArray &id, const QByteArray &cn = {})
{
    return at({{11, id}, {21, "R1"}, {41, cn.isEmpty() ? "" : "2."}, {51, cn}}, 75);
}

QByteArray reach(const QByteArray &id, const QByteArray &length)
{
    return at({{11, id}, {21, "OUTLET"}, {51, length}}, 76);
}

const QByteArray SubAreaHeader = QByteArray("SUB-AREA:").leftJustified(40);

// Opens a detail window with a button of the sub-area window `over`.
QWidget *detail(QWidget *over, const char *button, const char *name)
{
    click(EntryDriver::button(over, button));
    QvForm *window = Forms::get(QString::fromLatin1(name));
    if (!window->isLoaded())
        return nullptr;
    activate(window);
    return window;
}

// Chooses entry `id` of a drop-down list and leaves it for box `other`.
void pick(QWidget *form, const QString &id, int other)
{
    QComboBox *c = combo(form, 1);
    c->setFocus(Qt::MouseFocusReason);
    c->setCurrentIndex(c->findText(id));
    box(form, other)->setFocus(Qt::MouseFocusReason);
}

QWidget *stormRowClicked(const ProgramFolder &folder)
{
    ProgramFolder::writeBytes(folder.tmp(SecStorm), file({QByteArray("STORM ANALYSIS:").leftJustified(40),
                                                           storm("100YR", "GAGE1")}));
    QWidget *form = open(QStringLiteral("frmStorm"));
    choose(form, 1, QStringLiteral("25YR"));
    choose(form, 2, QStringLiteral("GAGE1"));
    retype(form, 3, QStringLiteral("0"));
    enter(form, 3);
    retype(form, 4, QStringLiteral("xyz"));
    enter(form, 4);
    // The rain table makes the record, which takes every field along.
    chooseAndClick(form, 5, QStringLiteral("W"), 4);
    QTableWidget *t = grid(form);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(1, 0)).center());
    return form;
}

QWidget *rainTableLeft(const ProgramFolder &)
{
    QWidget *form = open(QStringLiteral("frmRainDist"));
    choose(form, 1, QStringLiteral("R1"));
    retype(form, 2, QStringLiteral("1"));
    enter(form, 2);
    enterValues(form, {QStringLiteral("0.55"), QStringLiteral("0.35"), QStringLiteral("0.65")});
    choose(form, 1, QStringLiteral("R2"));
    retype(form, 2, QStringLiteral("1"));
    enter(form, 2);
    enterValues(form, {QStringLiteral("1")});
    return form;
}

QWidget *unitHydrographAsRead(const ProgramFolder &folder)
{
    ProgramFolder::writeBytes(folder.tmp(SecUnitHyd),
                              file({QByteArray("DIMENSIONLESS UNIT HYDROGRAPH:").leftJustified(40),
                                    EntryDriver::tenColumns(20, {"0.", "0.5", "1.5", "0.5", "0."})}));
    return open(QStringLiteral("frmDimHyd"));
}

QWidget *reachChosenAgain(const ProgramFolder &folder)
{
    ProgramFolder::writeBytes(folder.tmp(SecReach), file({QByteArray("STREAM REACH:").leftJustified(40),
                                                          reach("REACH1", "5200."), reach("REACH2", "3900.")}));
    QWidget *form = open(QStringLiteral("frmReaches"));
    choose(form, 1, QStringLiteral("REACH1"));
    enterBox(form, 5, QStringLiteral("-5"), box(form, 6));
    choose(form, 1, QStringLiteral("REACH2"));
    choose(form, 1, QStringLiteral("REACH1"));
    return form;
}

QWidget *subAreaLeft(const ProgramFolder &folder)
{
    ProgramFolder::writeBytes(folder.tmp(SecSubArea),
                              file({SubAreaHeader, subArea("S1", "70."), subArea("S2", "80.")}));
    QWidget *form = open(QStringLiteral("frmSubArea"));
    choose(form, 1, QStringLiteral("S1"));
    enterBox(form, 5, QStringLiteral("25"), box(form, 4));
    choose(form, 1, QStringLiteral("S2"));
    return form;
}

const QByteArray AlternateFile =
    file({"ALTERNATE ANALYSIS:", at({{1, "ALT1"}, {11, "Wider"}}, 80), "          AREAS", subArea("S1", "70."),
          subArea("S2", "80."), ""});

QWidget *subAreaHandedBack(const ProgramFolder &folder)
{
    ProgramFolder::writeBytes(folder.tmp(SecAlternate), AlternateFile);
    QWidget *alternate = open(QStringLiteral("frmAlternate"));
    chooseAndClick(alternate, 1, QStringLiteral("ALT1"), 2);
    QListWidget *list = control<QListWidget>(alternate, QStringLiteral("lstDisp_1"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QWidget *form = Forms::get(QStringLiteral("frmSubArea"));
    activate(form);
    enterBox(form, 5, QStringLiteral("25"), box(form, 4));
    choose(form, 1, QStringLiteral("S2"));
    return form;
}

QWidget *alternateAsRead(const ProgramFolder &folder)
{
    QByteArray stored = AlternateFile;
    stored.replace("70.", "25.");
    ProgramFolder::writeBytes(folder.tmp(SecAlternate), stored);
    return open(QStringLiteral("frmAlternate"));
}

QWidget *tcReturned(const ProgramFolder &folder)
{
    ProgramFolder::writeBytes(folder.tmp(SecSubArea), file({SubAreaHeader, subArea("S1"), subArea("S2"), ""}));
    QWidget *subAreas = open(QStringLiteral("frmSubArea"));
    choose(subAreas, 1, QStringLiteral("S1"));
    QWidget *form = detail(subAreas, "cmdSub_1", "frmTc");
    retype(form, 12, QStringLiteral("abc"));
    enter(form, 12);
    pick(form, QStringLiteral("S2"), 13);
    return form;
}

QWidget *landUseReturned(const ProgramFolder &folder)
{
    ProgramFolder::writeBytes(folder.tmp(SecSubArea), file({SubAreaHeader, subArea("S1"), subArea("S2"), ""}));
    QWidget *subAreas = open(QStringLiteral("frmSubArea"));
    choose(subAreas, 1, QStringLiteral("S1"));
    QWidget *form = detail(subAreas, "cmdSub_0", "frmLandUse");
    QTest::keyClicks(grid(form), QStringLiteral("."));
    pick(form, QStringLiteral("S2"), 26);
    return form;
}

QWidget *localLandUseLeft(const ProgramFolder &)
{
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    choose(form, 1, QStringLiteral("Lot"));
    for (const auto &[n, cn] : {std::pair{2, "70"}, std::pair{3, "25"}}) {
        retype(form, n, QString::fromLatin1(cn));
        tab(form, n);
    }
    choose(form, 1, QStringLiteral("Other"));
    retype(form, 2, QStringLiteral("50"));
    tab(form, 2);
    return form;
}

QWidget *hydrographLeft(const ProgramFolder &)
{
    QWidget *form = open(QStringLiteral("frmInpHyd"));
    for (const char *id : {"H1", "H2"}) {
        choose(form, 1, QString::fromLatin1(id));
        choose(form, 2, QStringLiteral("R1"));
        for (int n = 4; n <= 5; ++n) {
            retype(form, n, QStringLiteral("1"));
            enter(form, n);
        }
        enter(form, 6);
        enter(form, 7); // on to the flows
        enterValues(form, {QStringLiteral("4"), QString::fromLatin1(id[1] == '1' ? "1.2.3" : "5")});
    }
    return form;
}

} // namespace

Q_DECLARE_METATYPE(Path)

class TestInvalidValues : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeWindows({"frmTc", "frmLandUse", "frmSubArea", "frmReaches", "frmAlternate"});
    }
    void cleanupTestCase() { deleteWindows(); }
    void failedValueIsNeverWritten_data();
    void failedValueIsNeverWritten();
    void demoInputsAcceptUnchanged_data();
    void demoInputsAcceptUnchanged();
};

void TestInvalidValues::failedValueIsNeverWritten_data()
{
    QTest::addColumn<Path>("path");
    QTest::addColumn<int>("slot"); // the file Accept would write
    QTest::addColumn<QString>("message");
    QTest::newRow("storm analysis, another grid row")
        << Path(stormRowClicked) << int(SecStorm)
        << "Storm 25YR, Rain Gage GAGE1 - Gage Rainfall: \"xyz\" is not a valid value.";
    QTest::newRow("rainfall distribution, another table")
        << Path(rainTableLeft) << int(SecRainDist)
        << "Rain Table R1 - Mass Rainfall Points, row 1, column 3: \"0.35\" is not a valid value.";
    QTest::newRow("dimensionless unit hydrograph, as read")
        << Path(unitHydrographAsRead) << int(SecUnitHyd)
        << "Dimensionless Hydrograph Points, row 1, column 3: \"1.5\" is not a valid value.";
    QTest::newRow("stream reach, identifier chosen again")
        << Path(reachChosenAgain) << int(SecReach)
        << "Reach REACH1 - Reach Channel Length: \"-5\" is not a valid value.";
    QTest::newRow("sub-area, another identifier")
        << Path(subAreaLeft) << int(SecSubArea)
        << "Sub-Area S1 - Sub-Area Weighted Curve Number: \"25\" is not a valid value.";
    QTest::newRow("sub-area handed back to its alternate")
        << Path(subAreaHandedBack) << int(SecAlternate)
        << "Sub-Area S1 - Sub-Area Weighted Curve Number: \"25\" is not a valid value.";
    QTest::newRow("alternate, as read")
        << Path(alternateAsRead) << int(SecAlternate)
        << "Alternate ALT1, Sub-Area S1 - Sub-Area Weighted Curve Number: \"25.\" is not a valid value.";
    QTest::newRow("time of concentration, another sub-area, then Return")
        << Path(tcReturned) << int(SecSubArea)
        << "Sub-Area S1 - Sheet Length: \"abc\" is not a valid value.";
    QTest::newRow("land use, another sub-area, then Return")
        << Path(landUseReturned) << int(SecSubArea)
        << "Sub-Area S1 - Open Space (Poor), A Area: \".\" is not a valid value.";
    QTest::newRow("local land use, another land use")
        << Path(localLandUseLeft) << LocalLandUse
        << "Local Land Use Lot - Curve Number \"B\": \"25\" is not a valid value.";
    QTest::newRow("input hydrograph, another hydrograph")
        << Path(hydrographLeft) << int(SecInpHyd)
        << "Input Hydrograph H1 - Input Hydrograph Flows: \"1.2.3\" is not a valid value.";
}

void TestInvalidValues::failedValueIsNeverWritten()
{
    QFETCH(Path, path);
    QFETCH(int, slot);
    QFETCH(QString, message);
    ProgramFolder folder;
    QWidget *form = path(folder);
    QVERIFY(form);
    const QByteArray before = ProgramFolder::readBytes(writtenFile(folder, slot));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.messages(), QStringList{message});
    QVERIFY(form->isVisible());
    QCOMPARE(ProgramFolder::readBytes(writtenFile(folder, slot)), before);
    // The value's record is shown with the focus at the value, marked red
    // where it is a box, or at the record's entry in the alternate's list.
    QWidget *at = focused();
    QVERIFY(at && form->isAncestorOf(at));
    QVERIFY2(EntryForm::BackColor(at) == Colors::Red || qobject_cast<QAbstractItemView *>(at),
             qPrintable(at->objectName()));
}

void TestInvalidValues::demoInputsAcceptUnchanged_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("slot");        // the file it writes
    QTest::addColumn<QString>("subArea"); // a detail window's: shown from the sub-area window
    const QList<std::pair<const char *, int>> windows{
        {"frmQV31", SecIdentifier}, {"frmDurInc", SecDurInc},       {"frmGlobal", SecGlobal},
        {"frmTimeA", SecTimeA},     {"frmStorm", SecStorm},         {"frmRainDist", SecRainDist},
        {"frmDimHyd", SecUnitHyd},  {"frmVerification", SecVerif},  {"frmInpHyd", SecInpHyd},
        {"frmXsect", SecXsect},     {"frmStruct", SecStruct},       {"frmReaches", SecReach},
        {"frmSubArea", SecSubArea}, {"frmAlternate", SecAlternate}, {"frmLocalLanduse", LocalLandUse},
        {"frmLocalSoil", LocalSoil}};
    for (const char *input : {"Demo.inp", "Schematic.inp"})
        for (const auto &[window, slot] : windows)
            QTest::addRow("%s, %s", input, window) << QString::fromLatin1(input) << QString::fromLatin1(window) << slot
                                                   << QString();
    QTest::newRow("Demo.inp, frmTc") << "Demo.inp" << "frmTc" << int(SecSubArea) << "NORTH";
    QTest::newRow("Demo.inp, frmLandUse") << "Demo.inp" << "frmLandUse" << int(SecSubArea) << "SOUTH";
    // The schematic's sub-areas hold their own areas and curve numbers: none
    // has land-use details.
    QTest::newRow("Schematic.inp, frmTc") << "Schematic.inp" << "frmTc" << int(SecSubArea) << "SA06";
}

// Opened as a user opens the demo, each window accepts what it shows without
// a word and leaves its file as it was; the detail windows return to the
// sub-area window, whose Accept then writes.
void TestInvalidValues::demoInputsAcceptUnchanged()
{
    QFETCH(QString, input);
    QFETCH(QString, window);
    QFETCH(int, slot);
    QFETCH(QString, subArea);
    ProgramFolder folder;
    folder.installTools();
    DialogScript script; // any message fails the test
    SetFileName(folder.file(input));
    Run_Save_Open::OpenInputFile();
    Forms::get(QStringLiteral("frmQV31"))->unload();
    const QString written = writtenFile(folder, slot);
    const QByteArray before = ProgramFolder::readBytes(written);

    QWidget *form = open(subArea.isEmpty() ? window : QStringLiteral("frmSubArea"));
    if (!subArea.isEmpty()) {
        choose(form, 1, subArea);
        const bool tc = window == QLatin1String("frmTc");
        QWidget *shown = detail(form, tc ? "cmdSub_1" : "cmdSub_0", qPrintable(window));
        QVERIFY(shown);
        accept(shown);
        QVERIFY(!shown->isVisible());
        activate(form);
    }
    accept(form);
    QVERIFY(script.asked().isEmpty());
    QVERIFY(!form->isVisible());
    QCOMPARE(records(ProgramFolder::readBytes(written)), records(before));
}

QTEST_MAIN(TestInvalidValues)
#include "tst_invalidvalues.moc"
