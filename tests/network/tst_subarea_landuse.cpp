// The sub-area window with the land-use window itself: an area typed there
// reaches the Sub-Area section as a LAND AREA line at the sub-area window's
// Accept, and not before; a Cancel drops it.
#include "NetworkDriver.h"

#include "core/FlexGrid.h"
#include "sections/network/frmSubArea.h"
#include "sections/runoff/frmLandUse.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace NetworkDriver;
using namespace Editglob;

class TestSubAreaLandUse : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Standard_Land_Use::LoadStandardLandUse(); }
    void cleanupTestCase() { deleteWindows(); }
    void landRowComesBack_data();
    void landRowComesBack();
    void landRowsGoToTheSubAreaShown();
    void landRowsGoToTheNamesakeShown();
    void parcelsOfOneLandUseKeepTheirArea_data();
    void parcelsOfOneLandUseKeepTheirArea();
};

namespace {

// Types `keys` into the area cell of land use `name`, soil group column `col`.
void typeArea(frmLandUse *landUse, const QString &name, int col, const QString &keys)
{
    FlexGrid *grid = landUse->grid();
    for (int r = 1; r < grid->Rows(); ++r) {
        if (grid->TextMatrix(r, 0) == name) {
            grid->setCurrentCell(r, col);
            QTest::keyClicks(grid->table(), keys);
            return;
        }
    }
    QFAIL("no such land use");
}

// The land-use window opened from the sub-area window on `id`.
frmLandUse *openLandUse(const QString &id, QWidget *&subArea)
{
    const DetailOpened o = openDetail(id, "cmdSub_0", "frmLandUse");
    subArea = o.subArea;
    return qobject_cast<frmLandUse *>(o.detail);
}

} // namespace

void TestSubAreaLandUse::landRowComesBack_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::newRow("accepted") << true;
    QTest::newRow("cancelled") << false;
}

void TestSubAreaLandUse::landRowComesBack()
{
    QFETCH(bool, accepted);
    ProgramFolder folder;
    const QByteArray header = QByteArray("SUB-AREA:").leftJustified(40);
    const QByteArray main = at({{11, "SA1"}, {21, "R1"}}, 75);
    const QByteArray stored = file({header, main, ""});
    ProgramFolder::writeBytes(folder.tmp(SecSubArea), stored);
    QWidget *form = nullptr;
    frmLandUse *landUse = openLandUse(QStringLiteral("SA1"), form);
    QVERIFY(landUse && landUse->isLoaded());
    typeArea(landUse, QStringLiteral("Open Space (Good)"), 3, QStringLiteral("2.5")); // soil group B
    landUse->cmdFinished_Click();
    QVERIFY(!landUse->isLoaded());
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)), stored);
    activate(form);
    if (!accepted) {
        cancel(form);
        QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)), stored);
        return;
    }
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             file({header, main, at({{21, "LAND AREA"}, {31, "Open Space (Good)"}, {66, "B"}, {71, "2.5"}}, 80), ""}));
}

// Two sub-areas whose identifiers differ only in case: what is typed for the
// one shown in the land-use window reaches that one, and the other keeps its
// own row.
void TestSubAreaLandUse::landRowsGoToTheSubAreaShown()
{
    ProgramFolder folder;
    const QByteArray header = QByteArray("SUB-AREA:").leftJustified(40);
    const QByteArray first = at({{11, "Sa1"}, {21, "R1"}}, 75);
    const QByteArray second = at({{11, "SA1"}, {21, "R1"}}, 75);
    const QByteArray impervious = at({{21, "LAND AREA"}, {31, "Impervious"}, {66, "C"}, {71, "7."}}, 80);
    ProgramFolder::writeBytes(folder.tmp(SecSubArea), file({header, first, second, impervious, ""}));
    QWidget *form = open(QStringLiteral("frmSubArea"));
    qobject_cast<frmSubArea *>(form)->cmdSub_Click(0);
    auto *landUse = qobject_cast<frmLandUse *>(Forms::get(QStringLiteral("frmLandUse")));
    QVERIFY(landUse && landUse->isLoaded());
    activate(landUse);
    QCOMPARE(landUse->Cmbinp()->itemText(1), QStringLiteral("Sa1"));
    landUse->Cmbinp()->setCurrentIndex(1);
    landUse->Cmbinp_Click();
    typeArea(landUse, QStringLiteral("Open Space (Good)"), 3, QStringLiteral("2.5"));
    landUse->cmdFinished_Click();
    QVERIFY(!landUse->isLoaded());
    activate(form);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             file({header, first, at({{21, "LAND AREA"}, {31, "Open Space (Good)"}, {66, "B"}, {71, "2.5"}}, 80),
                   second, impervious, ""}));
}

// Two sub-areas sharing an identifier: the window shows the last, and the
// land-use window opens on it and hands back to it.
void TestSubAreaLandUse::landRowsGoToTheNamesakeShown()
{
    ProgramFolder folder;
    const QByteArrayList lines = writeNamesakes(folder);
    QWidget *form = nullptr;
    frmLandUse *landUse = openLandUse(QStringLiteral("SA1"), form);
    QVERIFY(landUse && landUse->isLoaded());
    QCOMPARE(combo(form, 2)->currentText(), QStringLiteral("R2"));
    QCOMPARE(landUse->ShownSubArea(), 1);
    typeArea(landUse, QStringLiteral("Open Space (Good)"), 3, QStringLiteral("2.5"));
    landUse->cmdFinished_Click();
    activate(form);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             file({lines[0], lines[1], lines[2], landLine("Open Space (Good)", "B", "2.5"), ""}));
}

void TestSubAreaLandUse::parcelsOfOneLandUseKeepTheirArea_data()
{
    QTest::addColumn<QByteArrayList>("parcels"); // the areas of Open Space (Good) on B
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("weighted");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArrayList>("written");
    const QByteArray openB10 = landLine("Open Space (Good)", "B", "10.");
    const QByteArray openB5 = landLine("Open Space (Good)", "B", "5.");
    const QByteArray woodsC3 = landLine("Woods (Good)", "C", "3.");
    const QByteArray woodsC4 = landLine("Woods (Good)", "C", "4.");
    const QByteArrayList tenAndFive{"10.", "5."};
    // Nothing typed: the lines stay as the file held them.
    QTest::newRow("nothing changed") << tenAndFive << "15" << "18" << "62.5" // (15 * 61 + 3 * 70) / 18
                                     << QString() << 0 << QString() << QByteArrayList{openB10, woodsC3, openB5};
    // Another cell edited: the parcels go back as they were, in grid order.
    QTest::newRow("another cell edited") << tenAndFive << "15" << "18" << "62.5" << QStringLiteral("Woods (Good)") << 5
                                         << QStringLiteral("4") << QByteArrayList{openB10, openB5, woodsC4};
    // Their own cell edited: it holds what was typed.
    QTest::newRow("their cell edited") << tenAndFive << "15" << "18" << "62.5" << QStringLiteral("Open Space (Good)")
                                       << 3 << QStringLiteral("12")
                                       << QByteArrayList{landLine("Open Space (Good)", "B", "12."), woodsC3};
    // Areas with exponents: the cell and the totals count them whole.
    QTest::newRow("exponent, tenths") << QByteArrayList{"5.E-1", "1."} << "1.5" << "4.5" << "67" << QString() << 0
                                      << QString()
                                      << QByteArrayList{landLine("Open Space (Good)", "B", "5.E-1"), woodsC3,
                                                        landLine("Open Space (Good)", "B", "1.")};
    QTest::newRow("exponent, thousandths")
        << QByteArrayList{"1.E-3", "1.E-3"} << "0.002" << "3.002" << "70" << QStringLiteral("Woods (Good)") << 5
        << QStringLiteral("4")
        << QByteArrayList{landLine("Open Space (Good)", "B", "1.E-3"), landLine("Open Space (Good)", "B", "1.E-3"),
                          woodsC4};
    QTest::newRow("exponent, third decimal")
        << QByteArrayList{"1.25E-1", "1."} << "1.125" << "4.125" << "67.5" << QString() << 0 << QString()
        << QByteArrayList{landLine("Open Space (Good)", "B", "1.25E-1"), woodsC3,
                          landLine("Open Space (Good)", "B", "1.")};
    // A sum longer than an area is typed: a letter there types nothing and
    // leaves the parcels as they were.
    QTest::newRow("long sum, a letter in its cell")
        << QByteArrayList{"1500.25", ".000125"} << "1500.250125" << "1503.25012" << "61"
        << QStringLiteral("Open Space (Good)") << 3 << QStringLiteral("x")
        << QByteArrayList{landLine("Open Space (Good)", "B", "1500.25"), woodsC3,
                          landLine("Open Space (Good)", "B", ".000125")};
    QTest::newRow("long sum with an exponent, a letter in its cell")
        << QByteArrayList{"1.E10", "1."} << "10000000001" << "10000000004" << "61"
        << QStringLiteral("Open Space (Good)") << 3 << QStringLiteral("x")
        << QByteArrayList{landLine("Open Space (Good)", "B", "1.E10"), woodsC3, landLine("Open Space (Good)", "B", "1.")};
}

// Two LAND AREA lines of one land use on one soil group: their cell shows
// the sum, the totals count both, and an edit anywhere keeps their area.
void TestSubAreaLandUse::parcelsOfOneLandUseKeepTheirArea()
{
    QFETCH(QByteArrayList, parcels);
    QFETCH(QString, cell);
    QFETCH(QString, total);
    QFETCH(QString, weighted);
    QFETCH(QString, name);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QByteArrayList, written);
    ProgramFolder folder;
    const QByteArray header = QByteArray("SUB-AREA:").leftJustified(40);
    const QByteArray main = at({{11, "SA1"}, {21, "R1"}}, 75);
    const QByteArray stored =
        file({header, main, landLine("Open Space (Good)", "B", parcels.at(0)), landLine("Woods (Good)", "C", "3."),
              landLine("Open Space (Good)", "B", parcels.at(1)), ""});
    ProgramFolder::writeBytes(folder.tmp(SecSubArea), stored);
    QWidget *form = nullptr;
    frmLandUse *landUse = openLandUse(QStringLiteral("SA1"), form);
    QVERIFY(landUse && landUse->isLoaded());
    FlexGrid *grid = landUse->grid();
    for (int r = 1; r < grid->Rows(); ++r)
        if (grid->TextMatrix(r, 0) == QLatin1String("Open Space (Good)"))
            QCOMPARE(grid->TextMatrix(r, 3), cell);
    QCOMPARE(landUse->findChild<QLabel *>(QStringLiteral("txtlbl_27"))->text(), total);
    QCOMPARE(landUse->findChild<QLabel *>(QStringLiteral("txtlbl_28"))->text(), weighted);
    if (!typed.isEmpty())
        typeArea(landUse, name, col, typed);
    landUse->cmdFinished_Click();
    QVERIFY(!landUse->isLoaded());
    activate(form);
    accept(form);
    QByteArrayList lines{header, main};
    lines << written << QByteArray();
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)), lines.join("\r\n") + "\r\n");
}

QTEST_MAIN(TestSubAreaLandUse)
#include "tst_subarea_landuse.moc"
