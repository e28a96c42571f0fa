// The duration increment window.
#include "EntryDriver.h"

using namespace Qt::StringLiterals;

using namespace EntryDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmDurInc");
QByteArray line(const char *unit, const char *d1, const char *d2, const char *d3)
{
    return QByteArray("DURATION INCREMENT:").leftJustified(40) + QByteArray(unit).leftJustified(10)
           + QByteArray(d1).leftJustified(10) + QByteArray(d2).leftJustified(10) + QByteArray(d3).leftJustified(10);
}
} // namespace

class TestDurInc : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void readsUnit_data();
    void readsUnit();
    void acceptWritesTheLine();
    void daysWithoutDurationsLeavesFileEmpty();
    void checks_data();
    void checks();
    void focusOrder();
    void unitOptionChangesLabels();
};

void TestDurInc::readsUnit_data()
{
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<bool>("days");
    QTest::newRow("days") << QByteArray("days") << true;
    QTest::newRow("Days") << QByteArray("Days") << true;
    QTest::newRow("DAYS padded") << QByteArray("  DAYS") << true;
    QTest::newRow("Hours") << QByteArray("Hours") << false;
    QTest::newRow("blank") << QByteArray("") << false;
    QTest::newRow("Day") << QByteArray("Day") << false;
}

void TestDurInc::readsUnit()
{
    QFETCH(QByteArray, unit);
    QFETCH(bool, days);
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecDurInc), line(unit.constData(), "6", "", "72") + "\r\nignored\r\n");
    EntryForm *form = open(Name);
    QCOMPARE(opt(form, u"opt1"_s, 1)->isChecked(), days);
    for (int n = 2; n <= 4; ++n)
        QCOMPARE(label(form, QStringLiteral("lblUnits_%1").arg(n))->text(), QString(days ? u"days"_s : u"hr"_s));
    QCOMPARE(box(form, 2)->text(), QString(u"6"_s));
    QCOMPARE(box(form, 3)->text(), QString());
    QCOMPARE(box(form, 4)->text(), QString(u"72"_s));
}

void TestDurInc::acceptWritesTheLine()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 2, u"24"_s);
    tab(form, 2);
    tab(form, 3);
    QTest::keyClicks(box(form, 4), u" 72 "_s);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecDurInc)), golden(u"durinc_24_72.tmp"_s));
}

void TestDurInc::daysWithoutDurationsLeavesFileEmpty()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecDurInc), line("Days", "1", "", "") + "\r\n");
    DataChanged = false;
    EntryForm *form = open(Name);
    retype(form, 2, u"   "_s);
    accept(form);
    QVERIFY(QFile::exists(folder.tmp(SecDurInc)));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecDurInc)), QByteArray());
    QVERIFY(DataChanged);
}

void TestDurInc::checks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expectedColor");
    QTest::addColumn<int>("next");
    QTest::newRow("zero") << "0" << Colors::Cyan << 3;
    QTest::newRow("fraction") << ".5" << Colors::Cyan << 3;
    QTest::newRow("negative") << "-1" << Colors::Red << 2;
    QTest::newRow("text") << "one" << Colors::Red << 2;
    QTest::newRow("empty") << "" << Colors::Cyan << 3;
    QTest::newRow("blanks") << "  " << Colors::Cyan << 3;
}

void TestDurInc::checks()
{
    QFETCH(QString, text);
    QFETCH(int, expectedColor);
    QFETCH(int, next);
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 2, text);
    enter(form, 2);
    QCOMPARE(color(form, 2), expectedColor);
    QCOMPARE(focused(), box(form, next));
    if (expectedColor == Colors::Red) {
        // A red box is written as it stands.
        accept(form);
        QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecDurInc)),
                 line("Hours", (text + u"."_s).toLatin1().constData(), "", "") + "\r\n");
    }
}

void TestDurInc::focusOrder()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    box(form, 2)->setFocus();
    tab(form, 2);
    QCOMPARE(focused(), box(form, 3));
    tab(form, 3);
    QCOMPARE(focused(), box(form, 4));
    enter(form, 4);
    QCOMPARE(focused(), box(form, 2));
    // No check when the box is left otherwise.
    type(form, 3, u"x"_s);
    box(form, 4)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(color(form, 3), Colors::Cyan);
}

void TestDurInc::unitOptionChangesLabels()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    QCOMPARE(label(form, u"lblUnits_3"_s)->text(), QString(u"hr"_s));
    click(opt(form, u"opt1"_s, 1));
    QVERIFY(opt(form, u"opt1"_s, 1)->isChecked());
    QCOMPARE(label(form, u"lblUnits_3"_s)->text(), QString(u"days"_s));
    QCOMPARE(focused(), box(form, 2));
    type(form, 2, u"3"_s);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecDurInc)), line("Days", "3.", "", "") + "\r\n");
}

QTEST_MAIN(TestDurInc)
#include "tst_durinc.moc"
