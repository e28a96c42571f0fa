// The sub-area window with the time-of-concentration window itself: a flow
// length changed there reaches the Sub-Area section at the sub-area window's
// Accept, and not before.
#include "DialogScript.h"
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
    void segmentsGoToTheSubAreaShown_data();
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

namespace {

QByteArray sheetLine(const QByteArray &length, const QByteArray &slope = {}, const QByteArray &n = {})
{
    return at({{21, "SHEET"}, {31, length}, {41, slope}, {51, n}}, 70);
}

} // namespace

void TestSubAreaTc::segmentsGoToTheSubAreaShown_data()
{
    QTest::addColumn<bool>("deleteFirst");    // its segments deleted before the length is typed
    QTest::addColumn<QByteArray>("accepted"); // the SHEET line of R2 once accepted
    QTest::newRow("typed over its segments") << false << sheetLine("90.", ".02", ".2");
    QTest::newRow("typed after deleting its segments") << true << sheetLine("55.");
}

// Two sub-areas sharing an identifier: the window shows the last, and what is
// typed in the time-of-concentration window reaches that one, also once its
// list has shown its empty entry.
void TestSubAreaTc::segmentsGoToTheSubAreaShown()
{
    QFETCH(bool, deleteFirst);
    QFETCH(QByteArray, accepted);
    ProgramFolder folder;
    const QByteArray first = sheetLine("100.");
    const QByteArrayList lines = writeNamesakes(folder, {first}, {sheetLine("200.")});
    const auto [form, tc] = openDetail(QStringLiteral("SA1"), "cmdSub_1", "frmTc");
    QVERIFY(tc && tc->isLoaded());
    QCOMPARE(combo(form, 2)->currentText(), QStringLiteral("R2"));
    if (deleteFirst) {
        DialogScript script;
        script.answer(Dialogs::Answer::Yes);
        click(button(tc, "cmdDelCur"));
        QVERIFY(!script.unexpected());
        QCOMPARE(box(tc, 12)->text(), QString());
        combo(tc, 1)->setFocus(Qt::MouseFocusReason);
        retype(tc, 12, QStringLiteral("55"));
        enter(tc, 12);
    } else {
        QTest::keyClick(combo(tc, 1), Qt::Key_Return);
        for (auto [n, text] : {std::pair{12, "90"}, std::pair{13, ".02"}, std::pair{14, ".2"}}) {
            retype(tc, n, QString::fromLatin1(text));
            enter(tc, n);
        }
    }
    click(button(tc, "cmdFinished"));
    QVERIFY(!tc->isLoaded());
    activate(form);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecSubArea)),
             file({lines[0], lines[1], first, lines[3], accepted, ""}));
}

QTEST_MAIN(TestSubAreaTc)
#include "tst_subarea_tc.moc"
