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
};

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
    FlexGrid *grid = landUse->grid();
    int row = -1;
    for (int r = 1; r < grid->Rows() && row < 0; ++r)
        if (grid->TextMatrix(r, 0) == QLatin1String("Open Space (Good)"))
            row = r;
    QVERIFY(row > 0);
    grid->setCurrentCell(row, 3); // soil group B
    QTest::keyClicks(grid->table(), QStringLiteral("2.5"));
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

QTEST_MAIN(TestSubAreaLandUse)
#include "tst_subarea_landuse.moc"
