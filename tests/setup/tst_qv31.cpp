// The run identifier window and the program-wide unit system.
#include "EntryDriver.h"

#include "sections/setup/logic/UnitSystem.h"

using namespace Qt::StringLiterals;

using namespace EntryDriver;
using namespace Editglob;

namespace {
QByteArray header(const char *input, const char *output, const char *minimum, const char *screen)
{
    QByteArray line = QByteArray("Quorvale: Version 1.0").leftJustified(40);
    line += QByteArray(input).leftJustified(10) + QByteArray(output).leftJustified(10)
            + QByteArray(minimum).leftJustified(10) + QByteArray(screen).leftJustified(10);
    return line;
}
const QString Name = QStringLiteral("frmQV31");
} // namespace

class TestQV31 : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void missingFileGivesEnglishDefaults();
    void unitCaptions_data();
    void unitCaptions();
    void metricPressChangesOnlyItsLabel();
    void acceptWritesTheSection();
    void emptyWindowWritesHeaderLine();
    void checksAndFocus_data();
    void checksAndFocus();
    void focusOrder();
    void descriptionTrimmedOnlyByKey();
    void longDescriptionKeptUnlessTabbed();
    void screenOutputKeptUnlessPressed_data();
    void screenOutputKeptUnlessPressed();
    void screenCodeDrawnGrey();
    void secondDescriptionAlone();
};

void TestQV31::missingFileGivesEnglishDefaults()
{
    ProgramFolder folder;
    SetUnitSystem(false, false);
    EntryForm *form = open(Name);
    QVERIFY(opt(form, u"opt1"_s, 0)->isChecked());
    QVERIFY(opt(form, u"Opt2"_s, 0)->isChecked());
    QVERIFY(opt(form, u"opt4"_s, 0)->isChecked());
    for (int n : {3, 5, 6})
        QCOMPARE(box(form, n)->text(), QString());
    QVERIFY(EnglishUnits);
    QCOMPARE(FlowUnit, QString(u"cfs"_s));
    QCOMPARE(OutFlowUnit, QString(u"cfs"_s));
    QCOMPARE(label(form, u"lblInUnit_3"_s)->text(), QString(u"cfs"_s));
}

void TestQV31::unitCaptions_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("input");  // Area, DischargePerArea, SmallArea, Flow, Length, Depth,
                                             // Conductivity, Volume, Velocity, AlluviumStorage
    QTest::addColumn<QStringList>("output"); // OutFlow, OutDischargePerArea, OutArea
    const QStringList englishIn{u"sq mi"_s, u"csm"_s, u"sq ft"_s, u"cfs"_s, u"ft"_s, u"in"_s, u"in/sec"_s, u"ac ft"_s, u"ft/sec"_s,
                                u"cu ft/ft len"_s};
    const QStringList metricIn{u"sq km"_s, u"cu m/sec/sq km"_s, u"sq m"_s, u"cu m/sec"_s, u"m"_s, u"mm"_s, u"mm/sec"_s, u"ha m"_s,
                               u"m/sec"_s, u"cu m/m len"_s};
    const QStringList englishOut{u"cfs"_s, u"csm"_s, u"sq mi"_s};
    const QStringList metricOut{u"cms"_s, u"m^3/sec/sq km"_s, u"sq km"_s};
    QTest::newRow("English") << header("0", "0", "", "0") << true << englishIn << englishOut;
    QTest::newRow("metric input") << header("1", "0", "", "0") << false << metricIn << englishOut;
    QTest::newRow("metric output") << header("0", "1", "", "0") << true << englishIn << metricOut;
    QTest::newRow("both metric, padded code") << header("    1", "1", "", "") << false << metricIn << metricOut;
    QTest::newRow("other code is English") << header("2", "01", "", "") << true << englishIn << englishOut;
    QTest::newRow("short header line") << QByteArray("Quorvale: Version 1.0") << true << englishIn << englishOut;
}

void TestQV31::unitCaptions()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, english);
    QFETCH(QStringList, input);
    QFETCH(QStringList, output);
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecIdentifier), file + "\r\n");
    EntryForm *form = open(Name);
    QCOMPARE(EnglishUnits, english);
    QCOMPARE(opt(form, u"opt1"_s, 1)->isChecked(), !english);
    const QStringList gotIn{AreaUnit,  DischargePerAreaUnit, SmallAreaUnit, FlowUnit,
                            LengthUnit, DepthUnit,           ConductivityUnit, VolumeUnit,
                            VelocityUnit, AlluviumStorageUnit};
    QCOMPARE(gotIn, input);
    QCOMPARE((QStringList{OutFlowUnit, OutDischargePerAreaUnit, OutAreaUnit}), output);
    QCOMPARE(label(form, u"lblInUnit_3"_s)->text(), input[3]);
    QVERIFY(opt(form, u"opt4"_s, 0)->isChecked());
}

void TestQV31::metricPressChangesOnlyItsLabel()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    click(opt(form, u"opt1"_s, 1));
    QVERIFY(opt(form, u"opt1"_s, 1)->isChecked());
    QCOMPARE(label(form, u"lblInUnit_3"_s)->text(), QString(u"cu m/sec"_s));
    QCOMPARE(focused(), box(form, 3)); // the keyboard never rests on the option
    QVERIFY(EnglishUnits);
    QCOMPARE(FlowUnit, QString(u"cfs"_s));

    // A window opened before the accept keeps the English captions.
    EntryForm *timeA = open(u"frmTimeA"_s);
    QCOMPARE(label(timeA, u"lblInUnit_5"_s)->text(), QString(u"ft"_s));
    timeA->unload();

    cancel(form);
    QVERIFY(EnglishUnits);
    QCOMPARE(FlowUnit, QString(u"cfs"_s));

    form = open(Name);
    click(opt(form, u"opt1"_s, 1));
    accept(form);
    QVERIFY(!EnglishUnits);
    QCOMPARE(FlowUnit, QString(u"cu m/sec"_s));
    timeA = open(u"frmTimeA"_s);
    QCOMPARE(label(timeA, u"lblInUnit_5"_s)->text(), QString(u"m"_s));
}

void TestQV31::acceptWritesTheSection()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    click(opt(form, u"opt1"_s, 1));
    click(opt(form, u"Opt2"_s, 1));
    QVERIFY(opt(form, u"Opt2"_s, 1)->isChecked());
    type(form, 3, u"5"_s);
    tab(form, 3);
    QCOMPARE(focused(), box(form, 5));
    QTest::keyClicks(box(form, 5), u"Big Basin Creek"_s);
    enter(form, 5);
    QTest::keyClicks(box(form, 6), u"  Run 2"_s);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecIdentifier)), golden(u"qv31_metric.tmp"_s));
    QVERIFY(!EnglishUnits);
    QCOMPARE(OutFlowUnit, QString(u"cms"_s));
}

void TestQV31::emptyWindowWritesHeaderLine()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecIdentifier)), header("0", "0", "", "0") + "\r\n");
}

void TestQV31::checksAndFocus_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expectedColor");
    QTest::addColumn<int>("next"); // the box that has the focus after Tab
    QTest::newRow("minimum 0") << 3 << "0" << Colors::Cyan << 5;
    QTest::newRow("minimum 2.5") << 3 << "2.5" << Colors::Cyan << 5;
    QTest::newRow("negative minimum") << 3 << "-5" << Colors::Red << 3;
    QTest::newRow("not a number") << 3 << "1,5" << Colors::Red << 3;
    QTest::newRow("blank minimum keeps its colour") << 3 << "  " << Colors::White << 5;
    QTest::newRow("blank first description") << 5 << "" << Colors::Red << 5;
    QTest::newRow("first description") << 5 << "Basin" << Colors::Cyan << 6;
    QTest::newRow("blank second description") << 6 << " " << Colors::White << 3;
}

void TestQV31::checksAndFocus()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(int, expectedColor);
    QFETCH(int, next);
    ProgramFolder folder;
    EntryForm *form = open(Name);
    typeAndLeave(form, n, text, expectedColor, next);
}

void TestQV31::focusOrder()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 5, u"Basin"_s);
    box(form, 3)->setFocus();
    tab(form, 3);
    QCOMPARE(focused(), box(form, 5));
    enter(form, 5);
    QCOMPARE(focused(), box(form, 6));
    tab(form, 6);
    QCOMPARE(focused(), box(form, 3));
    // Leaving a box with the mouse checks nothing.
    retype(form, 3, u"-1"_s);
    box(form, 5)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(color(form, 3), Colors::White);
}

void TestQV31::descriptionTrimmedOnlyByKey()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 5, u"  first"_s);
    type(form, 6, u"  second"_s);
    tab(form, 6);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecIdentifier)),
             header("0", "0", "", "0") + "\r\n  first\r\nsecond\r\n");
}

void TestQV31::longDescriptionKeptUnlessTabbed()
{
    ProgramFolder folder;
    const QByteArray longText = QByteArray(85, 'x') + "yz";
    ProgramFolder::writeBytes(folder.tmp(SecIdentifier), header("0", "0", "", "0") + "\r\n" + longText + "\r\n" + longText + "\r\n");
    EntryForm *form = open(Name);
    QCOMPARE(box(form, 5)->text().toLatin1(), longText);
    tab(form, 6);
    QCOMPARE(box(form, 6)->text().toLatin1(), longText.left(80));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecIdentifier)),
             header("0", "0", "", "0") + "\r\n" + longText + "\r\n" + longText.left(80) + "\r\n");
}

void TestQV31::screenOutputKeptUnlessPressed_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::newRow("No Screen Output read") << QByteArray("1");
    QTest::newRow("Screen Output read") << QByteArray("0");
}

void TestQV31::screenOutputKeptUnlessPressed()
{
    QFETCH(QByteArray, code);
    ProgramFolder folder;
    const QByteArray file = header("0", "0", "", code.constData()) + "\r\nBasin\r\n";
    ProgramFolder::writeBytes(folder.tmp(SecIdentifier), file);
    EntryForm *form = open(Name);
    const int read = code == "1" ? 1 : 0;
    QVERIFY(opt(form, u"opt4"_s, read)->isChecked());
    // Not pressed, the code read is written back.
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecIdentifier)), file);
    // A press on either option gives "Screen Output".
    form = open(Name);
    click(opt(form, u"opt4"_s, 1));
    QVERIFY(opt(form, u"opt4"_s, 0)->isChecked());
    QCOMPARE(focused(), box(form, 5));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecIdentifier)),
             header("0", "0", "", "0") + "\r\nBasin\r\n");
}

void TestQV31::screenCodeDrawnGrey()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    const auto fill = [](const QWidget *w) {
        return w->autoFillBackground() ? Colors::ToBgr(w->palette().color(QPalette::Window)) : -1;
    };
    QCOMPARE(fill(label(form, u"lblInput_4"_s)), 0xC0C0C0);
    QCOMPARE(fill(opt(form, u"opt4"_s, 0)), 0xC0C0C0);
    QCOMPARE(fill(opt(form, u"opt4"_s, 1)), 0xC0C0C0);
    QCOMPARE(fill(label(form, u"lblInput_3"_s)), Colors::Yellow);
}

void TestQV31::secondDescriptionAlone()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    type(form, 6, u"Only the second"_s);
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecIdentifier)),
             header("0", "0", "", "0") + "\r\nOnly the second\r\n");
    form = open(Name);
    QCOMPARE(box(form, 5)->text(), QString(u"Only the second"_s));
    QCOMPARE(box(form, 6)->text(), QString());
}

QTEST_MAIN(TestQV31)
#include "tst_qv31.moc"
