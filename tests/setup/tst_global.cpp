// The global output window.
#include "EntryDriver.h"

#include "sections/setup/logic/UnitSystem.h"

using namespace Qt::StringLiterals;

using namespace EntryDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmGlobal");
const QByteArray Header = QByteArray("GLOBAL OUTPUT:").leftJustified(40) + "\r\n";
QByteArray line2(const char *p, const char *f, const char *t, const char *sub, const char *reach)
{
    return QByteArray(10, ' ') + QByteArray(p).leftJustified(10) + QByteArray(f).leftJustified(10)
           + QByteArray(t).leftJustified(10) + sub + "     " + reach;
}
} // namespace

class TestGlobal : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void emptyWindowLeavesFileEmpty();
    void onlyFloodEconomicsYes();
    void enteredValuesAndCodes();
    void checks_data();
    void checks();
    void focusOrder();
    void readsCodes_data();
    void readsCodes();
    void missingSecondLine();
    void flowUnitLabel();
};

void TestGlobal::emptyWindowLeavesFileEmpty()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecGlobal), Header + line2("1", "", "", "NNNNN", "NNNNNN") + "\r\n");
    EntryForm *form = open(Name);
    retype(form, 1, u""_s);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecGlobal)), QByteArray());
}

void TestGlobal::onlyFloodEconomicsYes()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    click(opt(form, u"Opt2"_s, 10));
    QVERIFY(opt(form, u"Opt2"_s, 10)->isChecked());
    QVERIFY(!opt(form, u"Opt2"_s, 11)->isChecked());
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecGlobal)),
             Header + line2("", "", "", "NNNNN", "NNNNNY") + "\r\n");
}

void TestGlobal::enteredValuesAndCodes()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 1, u"2"_s);
    tab(form, 1);
    QTest::keyClicks(box(form, 2), u"10"_s);
    tab(form, 2);
    QTest::keyClicks(box(form, 3), u".25"_s);
    tab(form, 3);
    QCOMPARE(focused(), box(form, 1));
    click(opt(form, u"opt1"_s, 0));
    QCOMPARE(focused(), box(form, 1));
    click(opt(form, u"opt1"_s, 6));
    click(opt(form, u"Opt2"_s, 2));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecGlobal)), golden(u"global_entered.tmp"_s));
    // and back again
    form = open(Name);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(opt(form, u"opt1"_s, 2 * k)->isChecked(), k == 0 || k == 3);
    for (int k = 0; k < 6; ++k)
        QCOMPARE(opt(form, u"Opt2"_s, 2 * k)->isChecked(), k == 1);
    QCOMPARE(box(form, 3)->text(), QString(u".25"_s));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecGlobal)), golden(u"global_entered.tmp"_s));
}

void TestGlobal::checks_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::newRow("precision 0") << 1 << "0" << true;
    QTest::newRow("precision 3") << 1 << "3" << true;
    QTest::newRow("precision 4") << 1 << "4" << false;
    QTest::newRow("precision -1") << 1 << "-1" << false;
    QTest::newRow("precision text") << 1 << "two" << false;
    QTest::newRow("precision empty") << 1 << "" << true;
    QTest::newRow("flow 0") << 2 << "0" << true;
    QTest::newRow("flow below 0") << 2 << "-0.1" << false;
    QTest::newRow("increment 0.01") << 3 << "0.01" << true;
    QTest::newRow("increment below 0.01") << 3 << "0.009" << false;
    QTest::newRow("increment empty") << 3 << "" << true;
}

void TestGlobal::checks()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    ProgramFolder folder;
    EntryForm *form = open(Name);
    typeAndLeave(form, n, text, ok ? Colors::Cyan : Colors::Red, ok ? n % 3 + 1 : n);
}

void TestGlobal::focusOrder()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    box(form, 1)->setFocus();
    for (int n : {1, 2, 3}) {
        enter(form, n);
        QCOMPARE(focused(), box(form, n % 3 + 1));
    }
    // Leaving with the mouse checks nothing.
    retype(form, 2, u"-5"_s);
    box(form, 3)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(color(form, 2), Colors::Cyan);
}

void TestGlobal::readsCodes_data()
{
    QTest::addColumn<QByteArray>("sub");
    QTest::addColumn<QByteArray>("reach");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("lower-case y") << QByteArray("yNn Y") << QByteArray("y?N Yx") << QByteArray("YNNNYYNNNYN");
    QTest::newRow("other characters") << QByteArray("1X-  ") << QByteArray("      ") << QByteArray("NNNNNNNNNNN");
}

void TestGlobal::readsCodes()
{
    QFETCH(QByteArray, sub);
    QFETCH(QByteArray, reach);
    QFETCH(QByteArray, written);
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecGlobal),
                              Header + line2("", "", "1", sub.constData(), reach.constData()) + "\r\n");
    EntryForm *form = open(Name);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(opt(form, u"opt1"_s, 2 * k)->isChecked(), written[k] == 'Y');
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecGlobal)),
             Header
                 + line2("", "", "1.", written.left(5).constData(), written.mid(5).constData())
                 + "\r\n");
}

void TestGlobal::missingSecondLine()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecGlobal), Header);
    EntryForm *form = open(Name);
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(box(form, n)->text(), QString());
    for (int k = 0; k < 5; ++k)
        QVERIFY(opt(form, u"opt1"_s, 2 * k + 1)->isChecked());
    for (int k = 0; k < 6; ++k)
        QVERIFY(opt(form, u"Opt2"_s, 2 * k + 1)->isChecked());
}

void TestGlobal::flowUnitLabel()
{
    ProgramFolder folder;
    SetUnitSystem(false, true);
    EntryForm *form = open(Name);
    QCOMPARE(label(form, u"lblInUnit_2"_s)->text(), QString(u"cu m/sec"_s));
    QCOMPARE(label(form, u"lblInUnit_3"_s)->text(), QString(u"hr"_s));
    SetUnitSystem(true, true);
}

QTEST_MAIN(TestGlobal)
#include "tst_global.moc"
