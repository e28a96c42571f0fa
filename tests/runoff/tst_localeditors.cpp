// The editors of the local land-use file and the local soil file.
#include "../setup/EntryDriver.h"
#include "DialogScript.h"

#include "core/Help_Stuff.h"
#include "core/logic/Editglob.h"
#include "sections/runoff/frmLocalLanduse.h"
#include "sections/runoff/frmLocalSoil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTest>

using namespace EntryDriver;
using namespace Editglob;
using Dialogs::Answer;

namespace {

QComboBox *combo(QWidget *form) { return control<QComboBox>(form, QStringLiteral("Cmbinp_1")); }

// Types `id` into the identifier combo in place of its text and leaves it with Tab.
void chooseId(QWidget *form, const QString &id)
{
    combo(form)->setFocus(Qt::MouseFocusReason);
    combo(form)->clearEditText();
    QTest::keyClicks(combo(form), id);
    QTest::keyClick(combo(form), Qt::Key_Tab);
}

// Types the curve numbers into boxes 2 to 5, each left with Tab.
void typeCurveNumbers(QWidget *form, const QStringList &cns)
{
    for (int i = 0; i < cns.size(); ++i) {
        retype(form, i + 2, cns[i]);
        tab(form, i + 2);
    }
}

QStringList listed(QComboBox *c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items << c->itemText(i);
    return items;
}

} // namespace

class TestLocalEditors : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cleanupTestCase() { deleteWindows(); }

    void landUseLoadsAndWritesKeptRecords();
    void landUseNewAndChosenRecords();
    void landUseRefusesNames_data();
    void landUseRefusesNames();
    void landUseKeepsRecordsAsHeld_data();
    void landUseKeepsRecordsAsHeld();
    void landUseTypedCurveNumberKeepsItsWidth();
    void landUseCurveNumberChecks();
    void landUseOrderAfterNeighbourChanged_data();
    void landUseOrderAfterNeighbourChanged();
    void landUseDelete();
    void landUseWriteFailureKeepsWindow();
    void landUseHelp();

    void soilLoadsAndWrites();
    void soilStoresChecksBeforeNewIdentifier();
    void soilDeleteAndRefusal();
    void soilKeepsNameWithQuote();
    void soilWriteFailureKeepsWindow();

private:
    ProgramFolder *folder_ = nullptr;
    DialogScript *script_ = nullptr;
};

void TestLocalEditors::init()
{
    folder_ = new ProgramFolder;
    script_ = new DialogScript;
}

void TestLocalEditors::cleanup()
{
    QVERIFY2(!script_->unexpected(), "a dialog nobody expected");
    QCOMPARE(script_->pending(), 0);
    delete script_;
    delete folder_;
}

void TestLocalEditors::landUseLoadsAndWritesKeptRecords()
{
    ProgramFolder::writeBytes(LocalLandUseFile, "\"Orchard, irrigated\",\"45\",\"66\",\"77\",\"83\"\r\n"
                                                "\"Too low\",\"25\",\"\",\"\",\"\"\r\n"
                                                "\"Orchard, irrigated\",\"46\",\"\",\"\",\"\"\r\n"
                                                "\"Merged\",\"78.\",\"85.\",\"90.\",\"150\"\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Local Land Use   Current File - ") + LocalLandUseFile);
    QCOMPARE(listed(combo(form)),
             (QStringList{"Orchard, irrigated", "Too low", "Orchard, irrigated", "Merged"}));
    QVERIFY(combo(form)->currentText().isEmpty());
    // Of two equal identifiers the later is shown.
    chooseId(form, QStringLiteral("Orchard, irrigated"));
    QCOMPARE(box(form, 2)->text(), QStringLiteral("46"));
    QCOMPARE(box(form, 3)->text(), QString());
    accept(form);
    QVERIFY(!Forms::get(QStringLiteral("frmLocalLanduse"))->isLoaded());
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile),
             QByteArray("\"Orchard, irrigated\",\"45\",\"66\",\"77\",\"83\"\r\n"
                        "\"Orchard, irrigated\",\"46\",\"\",\"\",\"\"\r\n"
                        "\"Merged\",\"78.\",\"85.\",\"90.\",\"150\"\r\n\"\"\r\n"));

    // An empty file writes the terminator alone.
    QFile::remove(LocalLandUseFile);
    accept(open(QStringLiteral("frmLocalLanduse")));
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile), QByteArray("\"\"\r\n"));
}

void TestLocalEditors::landUseNewAndChosenRecords()
{
    ProgramFolder::writeBytes(LocalLandUseFile, "\"Orchard\",\"45\",\"66\",\"77\",\"83\"\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    chooseId(form, QStringLiteral("Orchard"));
    QCOMPARE(focused(), box(form, 2));
    typeCurveNumbers(form, {"50", "70"});
    // A name differing in case is another land use; the edits stay with Orchard.
    chooseId(form, QStringLiteral("  orchard "));
    QCOMPARE(box(form, 2)->text(), QString());
    QCOMPARE(color(form, 2), Colors::White);
    typeCurveNumbers(form, {"", "61", "75", "80"});
    chooseId(form, QStringLiteral("Gravel, wet"));
    typeCurveNumbers(form, {"76", "85", "89", "91"});
    QCOMPARE(listed(combo(form)), (QStringList{"Orchard", "Gravel, wet"})); // the list ignores case
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile),
             QByteArray("\"Orchard\",\"50\",\"70\",\"77\",\"83\"\r\n"
                        "\"orchard\",\"\",\"61\",\"75\",\"80\"\r\n"
                        "\"Gravel, wet\",\"76\",\"85\",\"89\",\"91\"\r\n\"\"\r\n"));
}

void TestLocalEditors::landUseRefusesNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("double quote") << "Lot \"B\"";
    QTest::newRow("36 characters") << QString(36, QLatin1Char('x'));
}

void TestLocalEditors::landUseRefusesNames()
{
    QFETCH(QString, name);
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    script_->answer(Answer::OK);
    chooseId(form, name);
    QCOMPARE(script_->asked().size(), 1);
    QCOMPARE(color(form, 1), Colors::Red);
    QCOMPARE(combo(form)->count(), 0);
    QCOMPARE(focused(), combo(form));
    // 35 characters fit.
    chooseId(form, QString(35, QLatin1Char('y')));
    typeCurveNumbers(form, {"60"});
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile),
             "\"" + QByteArray(35, 'y') + "\",\"60\",\"\",\"\",\"\"\r\n\"\"\r\n");
}

// A record the file holds is shown whole, and passed through it is written
// back as the file held it, whatever a name or a curve number typed here
// may be.
void TestLocalEditors::landUseKeepsRecordsAsHeld_data()
{
    QTest::addColumn<QByteArray>("record"); // the line as the file holds it
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("quote in the name")
        << QByteArray("Lot 5\" wide,40,60,70,80") << "Lot 5\" wide" << QStringList{"40", "60", "70", "80"}
        << QByteArray("Lot 5\" wide,\"40\",\"60\",\"70\",\"80\"");
    const QByteArray longName(40, 'x');
    QTest::newRow("name longer than one typed")
        << "\"" + longName + "\",\"60\",\"\",\"\",\"\"" << QString::fromLatin1(longName)
        << QStringList{"60", "", "", ""} << "\"" + longName + "\",\"60\",\"\",\"\",\"\"";
    QTest::newRow("curve numbers longer than one typed")
        << QByteArray("\"Lot\",\"77.125\",\"80.5\",\"70\",\"60\"") << "Lot"
        << QStringList{"77.125", "80.5", "70", "60"} << QByteArray("\"Lot\",\"77.125\",\"80.5\",\"70\",\"60\"");
    QTest::newRow("curve number with an exponent")
        << QByteArray("\"Lot\",\"7.25E1\",\"\",\"\",\"\"") << "Lot" << QStringList{"7.25E1", "", "", ""}
        << QByteArray("\"Lot\",\"7.25E1\",\"\",\"\",\"\"");
}

void TestLocalEditors::landUseKeepsRecordsAsHeld()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, name);
    QFETCH(QStringList, shown);
    QFETCH(QByteArray, written);
    ProgramFolder::writeBytes(LocalLandUseFile, record + "\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    chooseId(form, name); // no message: cleanup fails on one
    QCOMPARE(color(form, 1), Colors::White);
    for (int i = 2; i <= 5; ++i) {
        QCOMPARE(box(form, i)->text(), shown[i - 2]);
        QCOMPARE(color(form, i), Colors::White);
        tab(form, i);
        QCOMPARE(color(form, i), Colors::White);
    }
    accept(form);
    QVERIFY(!Forms::get(QStringLiteral("frmLocalLanduse"))->isLoaded());
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile), written + "\r\n\"\"\r\n");
}

// A curve number longer than one typed can be shortened; what is typed or
// pasted keeps the width of one typed, unless erasing alone could make it
// from the value shown.
void TestLocalEditors::landUseTypedCurveNumberKeepsItsWidth()
{
    ProgramFolder::writeBytes(LocalLandUseFile, "\"Lot\",\"77.125\",\"\",\"\",\"\"\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    chooseId(form, QStringLiteral("Lot"));
    QLineEdit *cn = box(form, 2);
    QCOMPARE(focused(), cn);
    QTest::keyClick(cn, Qt::Key_End);
    QTest::keyClick(cn, Qt::Key_9);
    QCOMPARE(cn->text(), QStringLiteral("77.125"));
    cn->setSelection(3, 3);
    cn->insert(QStringLiteral("999"));
    QCOMPARE(cn->text(), QStringLiteral("77.125"));
    QTest::keyClick(cn, Qt::Key_Home);
    QTest::keyClick(cn, Qt::Key_Delete);
    QCOMPARE(cn->text(), QStringLiteral("7.125"));
    QTest::keyClick(cn, Qt::Key_End);
    QTest::keyClick(cn, Qt::Key_9);
    QCOMPARE(cn->text(), QStringLiteral("7.125"));
    cn->selectAll();
    QTest::keyClicks(cn, QStringLiteral("80.1259"));
    QCOMPARE(cn->text(), QStringLiteral("80.12"));
    // Another land use: its boxes take five characters.
    chooseId(form, QStringLiteral("Other"));
    retype(form, 2, QStringLiteral("77.125"));
    QCOMPARE(cn->text(), QStringLiteral("77.12"));
    tab(form, 2);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile),
             QByteArray("\"Lot\",\"80.12\",\"\",\"\",\"\"\r\n\"Other\",\"77.12\",\"\",\"\",\"\"\r\n\"\"\r\n"));
}

void TestLocalEditors::landUseCurveNumberChecks()
{
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    chooseId(form, QStringLiteral("Lot"));
    for (const char *bad : {"29", "101", "7x"}) {
        retype(form, 2, QString::fromLatin1(bad));
        enter(form, 2);
        QCOMPARE(color(form, 2), Colors::Red);
        QCOMPARE(focused(), box(form, 2));
    }
    // A curve number that passes turns back to white, not to a colour of its own.
    typeCurveNumbers(form, {"70"});
    QCOMPARE(color(form, 2), Colors::White);
    retype(form, 3, QStringLiteral("65"));
    enter(form, 3);
    QCOMPARE(color(form, 3), Colors::Red);
    QCOMPARE(focused(), box(form, 3));
    // Left by the mouse it is checked too, and the focus goes on.
    retype(form, 3, QStringLiteral("60"));
    box(form, 4)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(color(form, 3), Colors::Red);
    QCOMPARE(focused(), box(form, 4));

    // Accept refuses a failed curve number, also when another land use is shown.
    chooseId(form, QStringLiteral("Other"));
    typeCurveNumbers(form, {"50"});
    script_->answer(Answer::OK);
    accept(form);
    QVERIFY(form->isVisible());
    QCOMPARE(script_->messages().last(),
             QStringLiteral("Local Land Use Lot - Curve Number \"B\": \"60\" is not a valid value."));
    QCOMPARE(combo(form)->currentText(), QStringLiteral("Lot"));
    QCOMPARE(box(form, 3)->text(), QStringLiteral("60"));
    QCOMPARE(color(form, 3), Colors::Red);
    QCOMPARE(focused(), box(form, 3));
    retype(form, 3, QStringLiteral("75"));
    tab(form, 3);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile),
             QByteArray("\"Lot\",\"70\",\"75\",\"\",\"\"\r\n\"Other\",\"50\",\"\",\"\",\"\"\r\n\"\"\r\n"));
}

// A value kept as the file held it is checked again against a neighbour
// that changed: the order rule holds for the pair, not for one value.
void TestLocalEditors::landUseOrderAfterNeighbourChanged_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("A raised above B") << QByteArray("\"Lot\",\"50\",\"60\",\"\",\"\"") << 0 << "70"
                                      << "Curve Number \"B\": \"60\"";
    QTest::newRow("B raised above C") << QByteArray("\"Lot\",\"50\",\"60\",\"65\",\"\"") << 1 << "70"
                                      << "Curve Number \"C\": \"65\"";
    QTest::newRow("A lowered") << QByteArray("\"Lot\",\"50\",\"60\",\"\",\"\"") << 0 << "40" << QString();
    QTest::newRow("pair out of order as read, other group typed")
        << QByteArray("\"Lot\",\"70\",\"60\",\"\",\"\"") << 2 << "80" << QString();
    QTest::newRow("B out of range as read, still above A")
        << QByteArray("\"Lot\",\"50\",\"150\",\"\",\"\"") << 0 << "60" << QString();
}

void TestLocalEditors::landUseOrderAfterNeighbourChanged()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, group);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    ProgramFolder::writeBytes(LocalLandUseFile, stored + "\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    chooseId(form, QStringLiteral("Lot"));
    retype(form, group + 2, typed);
    tab(form, group + 2);
    // The neighbour, left by Tab as the file held it.
    tab(form, group + 3);
    if (refusal.isEmpty()) {
        QCOMPARE(color(form, group + 3), Colors::White);
        accept(form);
        QVERIFY(!form->isVisible());
        return;
    }
    QCOMPARE(color(form, group + 3), Colors::Red);
    QCOMPARE(focused(), box(form, group + 3));
    box(form, 2)->setFocus(Qt::MouseFocusReason);
    script_->answer(Answer::OK);
    accept(form);
    QVERIFY(form->isVisible());
    QCOMPARE(script_->messages().last(),
             QStringLiteral("Local Land Use Lot - ") + refusal + QStringLiteral(" is not a valid value."));
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile), stored + "\r\n\"\"\r\n");
}

void TestLocalEditors::landUseDelete()
{
    ProgramFolder::writeBytes(LocalLandUseFile, "\"Orchard\",\"45\",\"\",\"\",\"\"\r\n\"Lot\",\"76\",\"\",\"\",\"\"\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    chooseId(form, QStringLiteral("Orchard"));
    script_->answer(Answer::No).answer(Answer::Yes);
    click(button(form, "cmdDelCur"));
    QCOMPARE(box(form, 2)->text(), QStringLiteral("45"));
    click(button(form, "cmdDelCur"));
    QCOMPARE(script_->asked()[1].text, QStringLiteral("Delete Current Local Land Use Data ?"));
    QCOMPARE(script_->asked()[1].title, QStringLiteral("Local Land Use"));
    QCOMPARE(listed(combo(form)), QStringList{"Lot"});
    QCOMPARE(box(form, 2)->text(), QString());
    QCOMPARE(focused(), combo(form));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile), QByteArray("\"Lot\",\"76\",\"\",\"\",\"\"\r\n\"\"\r\n"));
}

void TestLocalEditors::landUseWriteFailureKeepsWindow()
{
    QVERIFY(QDir().mkpath(LocalLandUseFile)); // a folder where the file should be
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    chooseId(form, QStringLiteral("Lot"));
    typeCurveNumbers(form, {"60"});
    script_->answer(Answer::OK);
    accept(form);
    QVERIFY(script_->messages().last().contains(LocalLandUseFile));
    QVERIFY(Forms::get(QStringLiteral("frmLocalLanduse"))->isLoaded());
    QCOMPARE(combo(form)->currentText(), QStringLiteral("Lot"));
    QCOMPARE(box(form, 2)->text(), QStringLiteral("60"));
}

void TestLocalEditors::landUseHelp()
{
    ProgramFolder::writeBytes(HelpListFile, "LL|Local - heading|||\r\nLL 2|Curve Number \"A\" - group A.|30 to 100||\r\n");
    QWidget *form = open(QStringLiteral("frmLocalLanduse"));
    auto *help = control<QPlainTextEdit>(form, QStringLiteral("txtHelp"));
    QTest::mouseClick(label(form, QStringLiteral("lblHeader")), Qt::LeftButton);
    QVERIFY(!help->isVisible());
    QTest::mouseClick(label(form, QStringLiteral("lblInput_2")), Qt::LeftButton);
    QVERIFY(help->isVisible());
    QVERIFY(help->toPlainText().contains(QStringLiteral("group A.")));
    cancel(form);
}

void TestLocalEditors::soilLoadsAndWrites()
{
    ProgramFolder::writeBytes(LocalSoilFile, "\"Amesbury loam\",\"b/c\"\r\n\"AMESBURY LOAM\",\"D\"\r\n"
                                             "\"No group\",\"\"\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalSoil"));
    auto *soil = qobject_cast<frmLocalSoil *>(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Local Soil / HSG"));
    QCOMPARE(listed(combo(form)), (QStringList{"Amesbury loam", "No group"}));
    chooseId(form, QStringLiteral("Amesbury loam"));
    QVERIFY(!soil->Check1(2)->isChecked());
    QVERIFY(soil->Check1(3)->isChecked());
    QVERIFY(soil->Check1(4)->isChecked());
    soil->Check1(5)->setChecked(true);
    chooseId(form, QStringLiteral("Riverwash, old"));
    QCOMPARE(focused(), soil->Check1(2)); // Tab goes on to the groups
    QVERIFY(!soil->Check1(3)->isChecked());
    soil->Check1(2)->setChecked(true);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(LocalSoilFile),
             QByteArray("\"Amesbury loam\",\"B/C/D\"\r\n\"AMESBURY LOAM\",\"D\"\r\n\"Riverwash, old\",\"A\"\r\n\"\"\r\n"));
}

void TestLocalEditors::soilStoresChecksBeforeNewIdentifier()
{
    ProgramFolder::writeBytes(LocalSoilFile, "\"Hollister clay\",\"C\"\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalSoil"));
    auto *soil = qobject_cast<frmLocalSoil *>(form);
    chooseId(form, QStringLiteral("Hollister clay"));
    soil->Check1(5)->setChecked(true);
    chooseId(form, QString()); // the list emptied and left
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(LocalSoilFile), QByteArray("\"Hollister clay\",\"C/D\"\r\n\"\"\r\n"));
}

void TestLocalEditors::soilDeleteAndRefusal()
{
    ProgramFolder::writeBytes(LocalSoilFile, "\"Hollister clay\",\"C\"\r\n\"Riverwash\",\"A\"\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalSoil"));
    chooseId(form, QStringLiteral("Hollister clay"));
    script_->answer(Answer::Yes);
    click(button(form, "cmdDelCur"));
    QCOMPARE(script_->asked()[0].text, QStringLiteral("Delete Current Local Soil Data ?"));
    QVERIFY(script_->asked()[0].title.isEmpty());
    QCOMPARE(listed(combo(form)), QStringList{"Riverwash"});
    script_->answer(Answer::OK);
    chooseId(form, QStringLiteral("Sandy \"A\""));
    QCOMPARE(script_->asked().size(), 2);
    QCOMPARE(listed(combo(form)), QStringList{"Riverwash"});
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(LocalSoilFile), QByteArray("\"Riverwash\",\"A\"\r\n\"\"\r\n"));
}

// A soil the file holds is chosen and kept though its name holds a quote;
// a new name may not.
void TestLocalEditors::soilKeepsNameWithQuote()
{
    ProgramFolder::writeBytes(LocalSoilFile, "Soil 5\" deep,\"A\"\r\n\"\"\r\n");
    QWidget *form = open(QStringLiteral("frmLocalSoil"));
    auto *soil = qobject_cast<frmLocalSoil *>(form);
    chooseId(form, QStringLiteral("Soil 5\" deep")); // no message: cleanup fails on one
    QVERIFY(soil->Check1(2)->isChecked());
    soil->Check1(5)->setChecked(true);
    script_->answer(Answer::OK);
    chooseId(form, QStringLiteral("soil 5\" deep"));
    QCOMPARE(script_->asked().size(), 1);
    QCOMPARE(listed(combo(form)), QStringList{"Soil 5\" deep"});
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(LocalSoilFile), QByteArray("Soil 5\" deep,\"A/D\"\r\n\"\"\r\n"));
}

void TestLocalEditors::soilWriteFailureKeepsWindow()
{
    QVERIFY(QDir().mkpath(LocalSoilFile));
    QWidget *form = open(QStringLiteral("frmLocalSoil"));
    chooseId(form, QStringLiteral("Riverwash"));
    qobject_cast<frmLocalSoil *>(form)->Check1(2)->setChecked(true);
    script_->answer(Answer::OK);
    accept(form);
    QVERIFY(script_->messages().last().contains(LocalSoilFile));
    QVERIFY(Forms::get(QStringLiteral("frmLocalSoil"))->isLoaded());
}

QTEST_MAIN(TestLocalEditors)
#include "tst_localeditors.moc"
