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
    void segmentsGoToTheSubAreaShown();
};

void TestSubAreaTc::flowLengthComesBack()
{
    ProgramFolder folder;
    const QByteArray header = QByteArray("SUB-AREA:").leftJustified(40);
    const QByteArray main = at({{11, "SA1"}, {21, "R1"}, {41, "2."}}, 75);
    const QByteArray stored = file({header, main, at({{21, "SHEET"}, {31, "100."}, {41, ".01"}, {61, "F"}}, 70), ""});
    ProgramFolder::writeBytes(folder.tmp(SecSubArea), stored);
    const auto [form, tc] = openDetail(QStringLiteral("SA1"), "cmdSub_1", "frmTc");
    QVERIFY(tc && tc->isLoaded());
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

// Two sub-areas sharing an identifier: the window shows the last, and what is
// typed in the time-of-concentration window reaches that one.
void TestSubAreaTc::segmentsGoToTheSubAreaShown()
{
    ProgramFolder folder;
    const QByteArrayList lines = writeNamesakes(folder);
    const auto [form, tc] = openDetail(QStringLiteral("SA1"), "cmdSub_1", "frmTc");
    QVERIFY(tc && tc->isLoaded());
    QCOMPARE(combo(form, 2)->currentText(), QStringLiteral("R2"));
    QTest::keyClick(combo(tc, 1), Qt::Key_Return);
    for (auto [n, text] : {std::pair{12, "90"}, std::pair{13, ".02"}, std::pair{14, ".2"}}) {
        retype(tc, n, QString::fromLatin1(text));
        enter(tc, n);
    }
    click(button(tc, "cmdFinished"));
    QVERIFY(!tc->isLoaded());
    activate(form);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             file({lines[0], lines[1], lines[2], at({{21, "SHEET"}, {31, "90."}, {41, ".02"}, {51, ".2"}}, 70), ""}));
}

QTEST_MAIN(TestSubAreaTc)
#include "tst_subarea_tc.moc"
