// Context help: the help list reader, the show/switch/hide states and the
// help list shipped with the program.
#include "ProgramFolder.h"

#include "core/logic/Editglob.h"
#include "core/Help_Stuff.h"
#include "core/logic/HelpList.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QString composeText(const QByteArray &file, const QString &key, bool english)
{
    return HelpList::Compose(file, key, english);
}
const QString Ten(10, QLatin1Char(' '));
} // namespace

class TestHelp : public QObject
{
    Q_OBJECT
private slots:
    void entryKey();
    void compose_data();
    void compose();
    void missingFileGivesEmptyText();
    void labelPresses();
    void unknownKeyShowsEmptyBox();
    void shippedListCoversEveryField_data();
    void shippedListCoversEveryField();
    void shippedListIsCrLfLatin1();
};

void TestHelp::entryKey()
{
    QCOMPARE(HelpList::EntryKey(u"QV"_s, 0), QString(u"QV"_s));
    QCOMPARE(HelpList::EntryKey(u"QV"_s, 12), QString(u"QV 12"_s));
}

void TestHelp::compose_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("expected");

    const QByteArray emptyMetric = "QV 1|T - D|R||\r\n";
    const QString shownR = Ten + u"T \r\nD\r\n"_s + Ten + u"Range - R\r\n\r\n"_s;
    QTest::newRow("English range") << emptyMetric << "QV 1" << true << shownR;
    QTest::newRow("empty metric falls back") << emptyMetric << "QV 1" << false << shownR;
    QTest::newRow("metric range") << QByteArray("QV 1|T - D|R|M|\r\n") << "QV 1" << false
                                  << Ten + u"T \r\nD\r\n"_s + Ten + u"Range - M\r\n\r\n"_s;
    QTest::newRow("unclosed metric falls back") << QByteArray("QV 1|T - D|R|M\r\n") << "QV 1" << false
                                                << shownR;
    QTest::newRow("unclosed metric on the next line")
        << QByteArray("GO 3|T - D|\nR|M\n") << u"GO 3"_s << false << Ten + u"T \r\nD\r\n"_s + Ten + u"Range - R\r\n\r\n"_s;
    QTest::newRow("no range line") << QByteArray("QV|Head - About|||\n") << "QV" << true
                                   << Ten + u"Head \r\nAbout\r\n\r\n"_s;
    QTest::newRow("description on two lines")
        << QByteArray("DI 2|T - first \r\npart|R||\r\n") << "DI 2" << true
        << Ten + u"T \r\nfirst part\r\n"_s + Ten + u"Range - R\r\n\r\n"_s;
    QTest::newRow("joined without a blank") << QByteArray("DI 2|T - ab\ncd|R||\n") << "DI 2" << true
                                            << Ten + u"T \r\nabcd\r\n"_s + Ten + u"Range - R\r\n\r\n"_s;
    QTest::newRow("range on the next line")
        << QByteArray("GO 3|T - D|\nR|M|\nGO 3|U - E|S||\n") << "GO 3" << false
        << Ten + u"T \r\nD\r\n"_s + Ten + u"Range - M\r\n\r\n"_s + Ten + u"U \r\nE\r\n"_s + Ten + u"Range - S\r\n\r\n"_s;
    QTest::newRow("two lines, one key")
        << QByteArray("QV 2|A - one|||\nQV 3|X - other|||\nQV 2|B - two|||\n") << "QV 2" << true
        << Ten + u"A \r\none\r\n\r\n"_s + Ten + u"B \r\ntwo\r\n\r\n"_s;
    QTest::newRow("heading is the key alone")
        << QByteArray("QV 0|Zero - no|||\nQV|Head - yes|||\n") << u"QV"_s << true << Ten + u"Head \r\nyes\r\n\r\n"_s;
    QTest::newRow("lower case does not match") << QByteArray("qv 1|T - D|R||\n") << "QV 1" << true << "";
    QTest::newRow("two blanks do not match") << QByteArray("QV  1|T - D|R||\n") << "QV 1" << true << "";
    QTest::newRow("bar in column 1 starts nothing") << QByteArray("|T - D|R||\n") << "" << true << "";
    QTest::newRow("title ends at the first separator")
        << QByteArray("TA 5|Depth - x - y|R||\n") << "TA 5" << true
        << Ten + u"Depth \r\nx - y\r\n"_s + Ten + u"Range - R\r\n\r\n"_s;
    QTest::newRow("Latin-1 text") << QByteArray("QV|Caf\xe9 - d\xe9j\xe0|||\n") << "QV" << true
                                  << Ten + QString::fromLatin1("Caf\xe9 \r\nd\xe9j\xe0\r\n\r\n");
    QTest::newRow("unclosed description ends at the end")
        << QByteArray("QV|T - open\nstill open") << u"QV"_s << true << Ten + u"T \r\nopenstill open\r\n\r\n"_s;
}

void TestHelp::compose()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(bool, english);
    QFETCH(QString, expected);
    QCOMPARE(composeText(file, key, english), expected);
}

void TestHelp::missingFileGivesEmptyText()
{
    QCOMPARE(HelpList::ComposeFromFile(u"/nonexistent/QuorvaleHelp.lst"_s, u"QV"_s, true), QString());
}

void TestHelp::labelPresses()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(Editglob::HelpListFile,
                              "QV 3|Three - t|||\r\nQV 4|Four - f|||\r\n");
    Help_Stuff::CurrentHelpId = Help_Stuff::NoHelp;
    QPlainTextEdit box;
    box.setVisible(false);

    Help_Stuff::ShowHelp(3, nullptr, &box, u"QV"_s);
    QCOMPARE(Help_Stuff::CurrentHelpId, 3);
    QVERIFY(!box.isHidden());
    QCOMPARE(box.toPlainText(), Ten + u"Three \nt\n\n"_s);

    Help_Stuff::ShowHelp(4, nullptr, &box, u"QV"_s);
    QCOMPARE(Help_Stuff::CurrentHelpId, 4);
    QCOMPARE(box.toPlainText(), Ten + u"Four \nf\n\n"_s);

    Help_Stuff::ShowHelp(4, nullptr, &box, u"QV"_s);
    QCOMPARE(Help_Stuff::CurrentHelpId, Help_Stuff::NoHelp);
    QVERIFY(box.isHidden());
    QCOMPARE(box.toPlainText(), QString());

    // The file is read again on every press.
    ProgramFolder::writeBytes(Editglob::HelpListFile, "QV 3|Changed - c|||\r\n");
    Help_Stuff::ShowHelp(3, nullptr, &box, u"QV"_s);
    QCOMPARE(box.toPlainText(), Ten + u"Changed \nc\n\n"_s);
}

void TestHelp::unknownKeyShowsEmptyBox()
{
    ProgramFolder folder;
    QFile::remove(Editglob::HelpListFile);
    Help_Stuff::CurrentHelpId = Help_Stuff::NoHelp;
    QPlainTextEdit box;
    box.setVisible(false);
    Help_Stuff::ShowHelp(7, nullptr, &box, u"QV"_s);
    QVERIFY(!box.isHidden());
    QCOMPARE(box.toPlainText(), QString());
    Help_Stuff::ShowHelp(7, nullptr, &box, u"QV"_s);
    QVERIFY(box.isHidden());
    QCOMPARE(Help_Stuff::CurrentHelpId, Help_Stuff::NoHelp);
}

void TestHelp::shippedListCoversEveryField_data()
{
    QTest::addColumn<QString>("key");
    for (const char *key : {"QV", "QV 1", "QV 2", "QV 3", "QV 5", "DI", "DI 1", "DI 2", "DI 3", "DI 4", "GO",
                            "GO 1", "GO 2", "GO 3", "GO 4", "GO 5", "GO 6", "GO 7", "GO 8", "GO 9", "TA",
                            "TA 1", "TA 4", "TA 5"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void TestHelp::shippedListCoversEveryField()
{
    QFETCH(QString, key);
    const QString file = QStringLiteral(QV_RESOURCES_DIR "/QuorvaleHelp.lst");
    const QString text = HelpList::ComposeFromFile(file, key, true);
    QVERIFY2(text.startsWith(Ten) && text.count(Ten) <= 2 && text.size() > 30, qPrintable(key));
    const int entries = text.count(QStringLiteral("\r\n\r\n"));
    QCOMPARE(entries, 1);
}

void TestHelp::shippedListIsCrLfLatin1()
{
    QFile f(QStringLiteral(QV_RESOURCES_DIR "/QuorvaleHelp.lst"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
