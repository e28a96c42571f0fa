// The sub-area window with the time-of-concentration window itself: a flow
// length changed there reaches the Sub-Area section at the sub-area window's
// Accept, and not before.
#include "NetworkDriver.h"

#include "sections/network/frmSubArea.h"

#include <QPushButton>

using namespace NetworkDriver;
using namespace Editglob;

class TestSubAreaTc : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void flowLengthComesBack();
};

void TestSubAreaTc::flowLengthComesBack()
{
    ProgramFolder folder;
    const QByteArray header = QByteArray("SUB-AREA:").leftJustified(40);
    const QByteArray main = at({{11, "SA1"}, {21, "R1"}, {41, "2."}}, 75);
    const QByteArray stored = file({header, main, at({{21, "SHEET"}, {31, "100."}, {41, ".01"}, {61, "F"}}, 70), ""});
    ProgramFolder::writeBytes(folder.tmp(SecSubArea), stored);
    QWidget *form = open(QStringLiteral("frmSubArea"));
    choose(form, 1, QStringLiteral("SA1"));
    click(button(form, "cmdSub_1"));
    QvForm *tc = Forms::get(QStringLiteral("frmTc"));
    QVERIFY(tc && tc->isLoaded());
    activate(tc);
    retype(tc, 12, QStringLiteral("80"));
    enter(tc, 12);
    click(button(tc, "cmdFinished"));
    QVERIFY(!tc->isLoaded());
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)), stored);
    activate(form);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             file({header, main, at({{21, "SHEET"}, {31, "80."}, {41, ".01"}, {61, "F"}}, 70), ""}));
}

QTEST_MAIN(TestSubAreaTc)
#include "tst_subarea_tc.moc"
