// The sub-area window with the land-use window itself: an area typed there
// reaches the Sub-Area section as a LAND AREA line at the sub-area window's
// Accept, and not before; a Cancel drops it.
#include "NetworkDriver.h"

#include "core/FlexGrid.h"
#include "sections/network/frmSubArea.h"
#include "sections/runoff/frmLandUse.h"
#include "sections/runoff/logic/StandardLandUse.h"

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
    QWidget *form = open(QStringLiteral("frmSubArea"));
    choose(form, 1, QStringLiteral("SA1"));
    click(button(form, "cmdSub_0"));
    auto *landUse = qobject_cast<frmLandUse *>(Forms::get(QStringLiteral("frmLandUse")));
    QVERIFY(landUse && landUse->isLoaded());
    activate(landUse);
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

QTEST_MAIN(TestSubAreaLandUse)
#include "tst_subarea_landuse.moc"
