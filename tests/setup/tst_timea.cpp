// The time analysis window: rows packed to the left, checks on every focus
// loss, and rows kept whole at Accept.
#include "DialogScript.h"
#include "EntryDriver.h"

#include "sections/setup/logic/UnitSystem.h"

#include <QFocusEvent>

using namespace EntryDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmTimeA");
const QByteArray Header = QByteArray("TIME ANALYSIS:").leftJustified(40);
QByteArray row(const char *key, QList<QByteArray> values) { return tenColumns(10, QList<QByteArray>{key} + values); }
QStringList texts(QWidget *form, int first)
{
    QStringList list;
    for (int n = first; n < first + 4; ++n)
        list << box(form, n)->text();
    return list;
}
} // namespace

class TestTimeA : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void tabClosesTheGap();
    void emptyingFirstBoxShiftsRow();
    void clickBeyondGapLandsInOtherRow();
    void focusOrder();
    void checks_data();
    void checks();
    void mouseLeaveChecksToo();
    void contextMenuIsNotLeaving();
    void blankFirstValueIsKept();
    void readsOnlyCapitalKeys();
    void emptyRowsLeaveFileEmpty();
    void lengthUnitLabels();
};

void TestTimeA::tabClosesTheGap()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecTimeA),
                              Header + "\r\n" + row("FLOW", {"50", "", "90", "95"}) + "\r\n");
    EntryForm *form = open(Name);
    QCOMPARE(texts(form, 1), (QStringList{"50", "", "90", "95"}));
    EntryForm::SetBackColor(box(form, 4), Colors::Red);
    box(form, 2)->setFocus(Qt::OtherFocusReason);
    QCOMPARE(focused(), box(form, 2));
    tab(form, 2);
    QCOMPARE(texts(form, 1), (QStringList{"50", "90", "95", ""}));
    QCOMPARE(color(form, 2), Colors::Cyan);
    QCOMPARE(color(form, 3), Colors::Red); // took the colour of box 4, unchecked
    QCOMPARE(color(form, 4), Colors::White);
    QCOMPARE(focused(), box(form, 3));
    tab(form, 3); // checked again, the red goes
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecTimeA)),
             Header + "\r\n" + row("FLOW", {"50.", "90.", "95.", ""}) + "\r\n");
}

void TestTimeA::emptyingFirstBoxShiftsRow()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecTimeA),
                              Header + "\r\n" + row("ELEVATION", {"10", "20", "30", "40"}) + "\r\n");
    EntryForm *form = open(Name);
    retype(form, 5, "");
    box(form, 1)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(texts(form, 5), (QStringList{"20", "30", "40", ""}));
    QCOMPARE(color(form, 5), Colors::Cyan);
    QCOMPARE(color(form, 8), Colors::White);
}

void TestTimeA::clickBeyondGapLandsInOtherRow()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 1, "10");
    box(form, 3)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focused(), box(form, 5));
    type(form, 5, "1");
    box(form, 7)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focused(), box(form, 1));
    box(form, 6)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focused(), box(form, 6));
}

void TestTimeA::focusOrder()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 1, "1");
    for (int n = 1; n <= 3; ++n) {
        QTest::keyClicks(box(form, n), "1");
        tab(form, n);
        QCOMPARE(focused(), box(form, n + 1));
    }
    QTest::keyClicks(box(form, 4), "1");
    enter(form, 4);
    QCOMPARE(focused(), box(form, 5));
    // A Tab into a box whose left neighbour is empty lands in the other row.
    tab(form, 5);
    QCOMPARE(focused(), box(form, 1));
    for (int n = 5; n <= 8; ++n)
        box(form, n)->setText("2");
    box(form, 8)->setFocus(Qt::OtherFocusReason);
    tab(form, 8);
    QCOMPARE(focused(), box(form, 1));
}

void TestTimeA::checks_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::newRow("flow 0.001") << 1 << "0.001" << true;
    QTest::newRow("flow 100") << 1 << "100" << true;
    QTest::newRow("flow 0") << 1 << "0" << false;
    QTest::newRow("flow above 100") << 1 << "100.5" << false;
    QTest::newRow("flow text") << 1 << "half" << false;
    QTest::newRow("elevation 0.5") << 5 << "0.5" << true;
    QTest::newRow("elevation 0") << 5 << "0" << false;
    QTest::newRow("elevation negative") << 5 << "-2" << false;
}

void TestTimeA::checks()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    ProgramFolder folder;
    EntryForm *form = open(Name);
    typeAndLeave(form, n, text, ok ? Colors::Cyan : Colors::Red, ok ? n + 1 : n);
    if (QTest::currentTestFailed())
        return;
    if (!ok) {
        // A red box is never written.
        DialogScript script;
        script.answer(Dialogs::Answer::OK);
        accept(form);
        QVERIFY(form->isLoaded());
        QVERIFY(!ProgramFolder::readBytes(folder.tmp(SecTimeA)).contains(text.toLatin1()));
    }
}

void TestTimeA::mouseLeaveChecksToo()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 1, "500");
    box(form, 5)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(color(form, 1), Colors::Red);
    QCOMPARE(focused(), box(form, 5));
}

// Opening a box's context menu (to paste, say) is not leaving it: the gap
// before it stays open for what is pasted.
void TestTimeA::contextMenuIsNotLeaving()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecTimeA), Header + "\r\n" + row("FLOW", {"50", "", "90", ""}) + "\r\n");
    EntryForm *form = open(Name);
    box(form, 2)->setFocus(Qt::OtherFocusReason);
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(box(form, 2), &out);
    QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(box(form, 2), &in);
    QCOMPARE(texts(form, 1), (QStringList{"50", "", "90", ""}));
    QCOMPARE(color(form, 2), Colors::White);
    QCOMPARE(focused(), box(form, 2));
}

void TestTimeA::blankFirstValueIsKept()
{
    ProgramFolder folder;
    const QByteArray stored = golden("timea_blank_first.tmp");
    ProgramFolder::writeBytes(folder.tmp(SecTimeA), stored);
    EntryForm *form = open(Name);
    QCOMPARE(texts(form, 1), (QStringList{"", "20.", "30.", ""}));
    box(form, 1)->setFocus(Qt::MouseFocusReason);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecTimeA)), stored);

    // A row holding only a later value is written too.
    form = open(Name);
    box(form, 2)->setText("");
    box(form, 3)->setText("");
    box(form, 6)->setText("7");
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecTimeA)),
             Header + "\r\n" + row("ELEVATION", {"0.5", "7.", "", ""}) + "\r\n");
}

void TestTimeA::readsOnlyCapitalKeys()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecTimeA),
                              Header + "\r\n" + row("flow", {"1"}) + "\r\n" + row("FLOW", {"5"}) + "\r\n"
                                  + row("FLOW", {"6", "7"}) + "\r\n" + row("OTHER", {"9"}) + "\r\n");
    EntryForm *form = open(Name);
    QCOMPARE(texts(form, 1), (QStringList{"6", "7", "", ""}));
    QCOMPARE(texts(form, 5), (QStringList{"", "", "", ""}));
}

void TestTimeA::emptyRowsLeaveFileEmpty()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecTimeA), Header + "\r\n" + row("FLOW", {"5"}) + "\r\n");
    DataChanged = false;
    EntryForm *form = open(Name);
    box(form, 1)->setText(" ");
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecTimeA)), QByteArray());
    QVERIFY(DataChanged);
}

void TestTimeA::lengthUnitLabels()
{
    ProgramFolder folder;
    SetUnitSystem(false, false);
    EntryForm *form = open(Name);
    for (int n = 5; n <= 8; ++n)
        QCOMPARE(label(form, QStringLiteral("lblInUnit_%1").arg(n))->text(), QString("m"));
    SetUnitSystem(true, true);
}

QTEST_MAIN(TestTimeA)
#include "tst_timea.moc"
