// The verification window: 41 tick boxes, six of them hidden, written as a
// DATA PREP and a PROCESSING flag line.
#include "EntryDriver.h"

#include "core/Help_Stuff.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

using namespace EntryDriver;
using namespace Editglob;

namespace {

const QString Name = QStringLiteral("frmVerification");
const QByteArray Header = QByteArray("VERIFICATION:").leftJustified(40);

QCheckBox *check(QWidget *form, int n)
{
    return control<QCheckBox>(form, QStringLiteral("Check1_") + QString::number(n));
}

// A flag line with "Y" at the given flags (1-based) and `count` flags.
QByteArray flags(const QByteArray &key, QList<int> set, int count)
{
    QByteArray line = QByteArray(10, ' ') + key.leftJustified(10);
    QByteArray f(2 * count, ' ');
    for (int i : set)
        f[2 * (i - 1)] = 'Y';
    return line + f;
}

QList<int> ticked(QWidget *form)
{
    QList<int> list;
    for (int n = 1; n <= 41; ++n)
        if (check(form, n)->isChecked())
            list << n;
    return list;
}

} // namespace

class TestVerification : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void controls();
    void tickAndAccept_data();
    void tickAndAccept();
    void readsAndWritesBack();
    void clearingAllEmptiesFile();
    void cancelWritesNothing();
    void help();
};

void TestVerification::controls()
{
    ProgramFolder folder;
    EntryForm *form = open(Name);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Verification   Current File - ") + FileName);
    QCOMPARE(label(form, u"lblHeader"_s)->text(), QStringLiteral("Verification:"));
    QCOMPARE(control<QPushButton>(form, u"cmdCancel"_s)->text(), QStringLiteral("     No Changes   (Close)"));
    QCOMPARE(label(form, u"lblInput_2"_s)->text(), QStringLiteral("Dimensionless Unit  Hydrograph Read"));
    QCOMPARE(label(form, u"lblInput_41"_s)->text(), QStringLiteral("Flow Duration Computations"));
    for (int n = 1; n <= 41; ++n) {
        const bool hidden = (n >= 16 && n <= 20) || n == 30;
        QVERIFY2(check(form, n), qPrintable(QString::number(n)));
        QCOMPARE(check(form, n)->isVisible(), !hidden);
        QCOMPARE(label(form, QStringLiteral("lblInput_") + QString::number(n)) != nullptr, !hidden);
        QVERIFY(!check(form, n)->isChecked());
    }
    QCOMPARE(form->findChildren<QLabel *>(QRegularExpression(u"^lblYes_"_s)).size(), 3);
    cancel(form);
}

void TestVerification::tickAndAccept_data()
{
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("hydrograph generation") << QList<int>{36} << EntryDriver::golden(u"verif_generation.tmp"_s);
    QTest::newRow("first and last")
        << QList<int>{1, 41}
        << QByteArray(Header + "\r\n" + flags("DATA PREP", {1}, 30) + "\r\n" + flags("PROCESSING", {11}, 11)
                      + "\r\n\r\n");
    QTest::newRow("data prep only")
        << QList<int>{15, 29}
        << QByteArray(Header + "\r\n" + flags("DATA PREP", {15, 29}, 30) + "\r\n\r\n");
}

void TestVerification::tickAndAccept()
{
    QFETCH(QList<int>, boxes);
    QFETCH(QByteArray, expected);
    ProgramFolder folder;
    DataChanged = false;
    EntryForm *form = open(Name);
    for (int n : boxes)
        QTest::mouseClick(check(form, n), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(ticked(form), boxes);
    accept(form);
    QVERIFY(DataChanged);
    QVERIFY(!form->isLoaded());
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecVerif)), expected);
}

void TestVerification::readsAndWritesBack()
{
    ProgramFolder folder;
    QByteArray dataPrep = flags("DATA PREP", {3, 16, 30}, 30);
    dataPrep[22] = 'y';                           // flag 2 in small letters ticks
    dataPrep[24] = 'N';                           // flag 3: N clears
    dataPrep[26] = 'Y', dataPrep[27] = 'X';       // flag 4: "YX" clears
    QByteArray processing = flags("processing", {2}, 11) + "Y Y Y";
    ProgramFolder::writeBytes(folder.tmp(SecVerif),
                              Header + "\r\n" + flags("DATA PREP", {1}, 30) + "\r\n" + dataPrep + "\r\n"
                                  + processing + "\r\n\r\n");
    EntryForm *form = open(Name);
    // The later DATA PREP line wins; the hidden boxes hold flags 16 and 30.
    QCOMPARE(ticked(form), (QList<int>{2, 16, 30, 32}));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecVerif)),
             Header + "\r\n" + flags("DATA PREP", {2, 16, 30}, 30) + "\r\n" + flags("PROCESSING", {2}, 11)
                 + "\r\n\r\n");

    // Hidden flags alone still make a section.
    ProgramFolder::writeBytes(folder.tmp(SecVerif), Header + "\r\n" + flags("DATA PREP", {17}, 30) + "\r\n");
    form = open(Name);
    QCOMPARE(ticked(form), (QList<int>{17}));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecVerif)),
             Header + "\r\n" + flags("DATA PREP", {17}, 30) + "\r\n\r\n");
}

void TestVerification::clearingAllEmptiesFile()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(SecVerif), Header + "\r\n" + flags("PROCESSING", {6}, 11) + "\r\n\r\n");
    EntryForm *form = open(Name);
    QCOMPARE(ticked(form), (QList<int>{36}));
    QTest::mouseClick(check(form, 36), Qt::LeftButton, {}, QPoint(4, 4));
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecVerif)), QByteArray());
}

void TestVerification::cancelWritesNothing()
{
    ProgramFolder folder;
    const QByteArray before = Header + "\r\n" + flags("PROCESSING", {6}, 11) + "\r\n\r\n";
    ProgramFolder::writeBytes(folder.tmp(SecVerif), before);
    DataChanged = false;
    EntryForm *form = open(Name);
    QTest::mouseClick(check(form, 1), Qt::LeftButton, {}, QPoint(4, 4));
    cancel(form);
    QVERIFY(!DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecVerif)), before);
    // The next opening starts from the file again.
    form = open(Name);
    QCOMPARE(ticked(form), (QList<int>{36}));
    cancel(form);
}

void TestVerification::help()
{
    ProgramFolder folder;
    QFile::copy(QStringLiteral(QV_RESOURCES_DIR "/QuorvaleHelp.lst"), HelpListFile);
    EntryForm *form = open(Name);
    QCOMPARE(Help_Stuff::FormHelpKey, QStringLiteral("VE"));
    auto *help = control<QPlainTextEdit>(form, u"txtHelp"_s);
    QTest::mouseClick(label(form, u"lblInput_36"_s), Qt::LeftButton);
    QVERIFY(help->isVisible());
    QVERIFY(help->toPlainText().startsWith(QStringLiteral("          Hydrograph Generation ")));
    QTest::mouseClick(label(form, u"lblInput_36"_s), Qt::LeftButton);
    QVERIFY(!help->isVisible());
    cancel(form);
}

QTEST_MAIN(TestVerification)
#include "tst_verification.moc"
