// The time analysis window: rows packed to the left, checks on every focus
// loss, and rows kept whole at Accept.
#include "EntryDriver.h"

#include "sections/setup/logic/UnitSystem.h"

using namespace Qt::StringLiterals;

using namespace EntryDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmTimeA");
const QByteArray Header = QByteArray("TIME ANALYSIS:").leftJustified(40);
QByteArray row(const char *key, QList<QByteArray> values)
{
    QByteArray line = QByteArray(10, ' ') + QByteArray(key).leftJustified(10);
    for (const QByteArray &v : values)
        line += v.leftJustified(10);
    return line;
}
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
    void blankFirstValueIsKept();
    void readsOnlyCapitalKeys();
    void emptyRowsLeaveFileEmpty();
    void lengthUnitLabels();
};

void TestTimeA::tabClosesTheGap()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecTimeA),
                              Header + "\r\n" + row("FLOW", {"50", "", "90", "200"}) + "\r\n");
    EntryForm *form = open(Name);
    QCOMPARE(texts(form, 1), (QStringList{u"50"_s, u""_s, u"90"_s, u"200"_s}));
    EntryForm::SetBackColor(box(form, 4), Colors::Red);
    box(form, 2)->setFocus(Qt::OtherFocusReason);
    QCOMPARE(focused(), box(form, 2));
    tab(form, 2);
    QCOMPARE(texts(form, 1), (QStringList{u"50"_s, u"90"_s, u"200"_s, u""_s}));
    QCOMPARE(color(form, 2), Colors::Cyan);
    QCOMPARE(color(form, 3), Colors::Red); // took the colour of box 4, unchecked
    QCOMPARE(color(form, 4), Colors::White);
    QCOMPARE(focused(), box(form, 3));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecTimeA)),
             Header + "\r\n" + row("FLOW", {"50.", "90.", "200.", ""}) + "\r\n");
}

void TestTimeA::emptyingFirstBoxShiftsRow()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecTimeA),
                              Header + "\r\n" + row("ELEVATION", {"10", "20", "30", "40"}) + "\r\n");
    EntryForm *form = open(Name);
    retype(form, 5, u""_s);
    box(form, 1)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(texts(form, 5), (QStringList{u"20"_s, u"30"_s, u"40"_s, u""_s}));
    QCOMPARE(color(form, 5), Colors::Cyan);
    QCOMPARE(color(form, 8), Colors::White);
}

void TestTimeA::clickBeyondGapLandsInOtherRow()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 1, u"10"_s);
    box(form, 3)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focused(), box(form, 5));
    type(form, 5, u"1"_s);
    box(form, 7)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focused(), box(form, 1));
    box(form, 6)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focused(), box(form, 6));
}

void TestTimeA::focusOrder()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 1, u"1"_s);
    for (int n = 1; n <= 3; ++n) {
        QTest::keyClicks(box(form, n), u"1"_s);
        tab(form, n);
        QCOMPARE(focused(), box(form, n + 1));
    }
    QTest::keyClicks(box(form, 4), u"1"_s);
    enter(form, 4);
    QCOMPARE(focused(), box(form, 5));
    // A Tab into a box whose left neighbour is empty lands in the other row.
    tab(form, 5);
    QCOMPARE(focused(), box(form, 1));
    for (int n = 5; n <= 8; ++n)
        box(form, n)->setText(u"2"_s);
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
        accept(form); // written as it stands
        QVERIFY(ProgramFolder::readBytes(folder.tmp(SecTimeA)).contains(text.toLatin1()));
    }
}

void TestTimeA::mouseLeaveChecksToo()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 1, u"500"_s);
    box(form, 5)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(color(form, 1), Colors::Red);
    QCOMPARE(focused(), box(form, 5));
}

void TestTimeA::blankFirstValueIsKept()
{
    ProgramFolder folder;
    const QByteArray stored = golden(u"timea_blank_first.tmp"_s);
    ProgramFolder::writeBytes(folder.tmp(SecTimeA), stored);
    EntryForm *form = open(Name);
    QCOMPARE(texts(form, 1), (QStringList{u""_s, u"20."_s, u"30."_s, u""_s}));
    box(form, 1)->setFocus(Qt::MouseFocusReason);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecTimeA)), stored);

    // A row holding only a later value is written too.
    form = open(Name);
    box(form, 2)->setText(u""_s);
    box(form, 3)->setText(u""_s);
    box(form, 6)->setText(u"7"_s);
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
    QCOMPARE(texts(form, 1), (QStringList{u"6"_s, u"7"_s, u""_s, u""_s}));
    QCOMPARE(texts(form, 5), (QStringList{u""_s, u""_s, u""_s, u""_s}));
}

void TestTimeA::emptyRowsLeaveFileEmpty()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecTimeA), Header + "\r\n" + row("FLOW", {"5"}) + "\r\n");
    DataChanged = false;
    EntryForm *form = open(Name);
    box(form, 1)->setText(u" "_s);
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
        QCOMPARE(label(form, QStringLiteral("lblInUnit_%1").arg(n))->text(), QString(u"m"_s));
    SetUnitSystem(true, true);
}

QTEST_MAIN(TestTimeA)
#include "tst_timea.moc"
