// The Stream Reach and Sub-Area working files: the writers byte for byte, the
// readers' keyword and blank-line rules, and file round trips.
#include "NetworkRecords.h"

#include "core/logic/TextFile.h"
#include "sections/network/logic/NetworkLines.h"
#include "sections/network/logic/NetworkTables.h"
#include "sections/network/logic/ReachFormat.h"
#include "sections/network/logic/SubAreaFormat.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

Q_DECLARE_METATYPE(QList<ReachRecord>)
Q_DECLARE_METATYPE(QList<SubAreaRecord>)

using namespace NetworkRecords;

namespace {

const QString ReachHeader = at({{1, QStringLiteral("STREAM REACH:")}}, 40);
const QString SubAreaHeader = at({{1, QStringLiteral("SUB-AREA:")}}, 40);

// The records as "n=value" for every field that is not empty, land rows as
// "L=name/soil/area", records apart by "|": a readable form for the tables.
template <class Record> QString dump(const QList<Record> &records)
{
    QStringList out;
    for (const Record &r : records) {
        QStringList parts;
        for (size_t n = 1; n < r.Field.size(); ++n)
            if (!r.Field[n].isEmpty())
                parts << QString::number(n) + QLatin1Char('=') + r.Field[n];
        if constexpr (std::is_same_v<Record, SubAreaRecord>)
            for (const LandRow &row : r.Land)
                parts << QStringLiteral("L=") + row.LandUseName + QLatin1Char('/') + row.SoilGroup
                             + QLatin1Char('/') + row.LandArea;
        out << parts.join(QLatin1Char(' '));
    }
    return out.join(QLatin1Char('|'));
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

} // namespace

class TestNetworkFormats : public QObject
{
    Q_OBJECT
private slots:
    void reachWriter_data();
    void reachWriter();
    void reachReader_data();
    void reachReader();
    void subAreaWriter_data();
    void subAreaWriter();
    void subAreaReader_data();
    void subAreaReader();
    void alternateOptions();
    void landRowsInWorkTables();
    void fileRoundTrip_data();
    void fileRoundTrip();
    void unwritableFile();
};

void TestNetworkFormats::reachWriter_data()
{
    QTest::addColumn<QList<ReachRecord>>("reaches");
    QTest::addColumn<QStringList>("lines");
    const QString R1 = QStringLiteral("R1");
    QTest::newRow("identifier only") << QList{reach({{1, "R1"}})}
                                     << QStringList{ReachHeader, at({{11, R1}}, 76), QString()};
    QTest::newRow("point rule and codes")
        << QList{reach({{1, "R1"}, {2, "OUTLET"}, {3, "X1"}, {5, "1200"}, {6, "12.5"},
                        {8, "Y"}, {9, " N "}, {11, " "}, {13, "N"}})}
        << QStringList{ReachHeader,
                       at({{11, R1}, {21, QStringLiteral("OUTLET")}, {31, QStringLiteral("X1")},
                           {51, QStringLiteral("1200.")}, {61, QStringLiteral("12.5")}, {71, QStringLiteral("YN")},
                           {76, QStringLiteral("N")}}),
                       QString()};
    QTest::newRow("ten digits and letters")
        << QList{reach({{1, "R1"}, {5, "1234567890"}, {6, "abc"}})}
        << QStringList{ReachHeader,
                       at({{11, R1}, {51, QStringLiteral("1234567890abc.")}}, 76), QString()};
    QTest::newRow("identifier keeps its leading blank")
        << QList{reach({{1, " R1"}})} << QStringList{ReachHeader, at({{12, R1}}, 76), QString()};
    QTest::newRow("split flow with the fraction alone")
        << QList{reach({{1, "R1"}, {18, ".5"}})}
        << QStringList{ReachHeader, at({{11, R1}}, 76),
                       at({{21, QStringLiteral("SPLIT FLOW")}, {71, QStringLiteral(".5")}}, 80), QString()};
    QTest::newRow("every detail line in order")
        << QList{reach({{1, "R1"}, {7, "5"}, {14, " R2 "}, {15, "X2"}, {16, "10"}, {17, "20.5"}, {19, "0.5       "},
                        {20, "5"}})}
        << QStringList{ReachHeader, at({{11, R1}}, 76),
                       at({{21, QStringLiteral("BASE FLOW")}, {31, QStringLiteral("5.")}}, 40),
                       at({{21, QStringLiteral("SPLIT FLOW")}, {31, QStringLiteral("R2")}, {41, QStringLiteral("X2")},
                           {51, QStringLiteral("10.")}, {61, QStringLiteral("20.5")}},
                          80),
                       at({{21, QStringLiteral("REACH LOSS")}, {31, QStringLiteral("0.5")}, {41, QStringLiteral("5.")}},
                          50),
                       QString()};
    // Written, a blank identifier would hand its base flow to R1.
    QTest::newRow("reach without identifier left out")
        << QList{reach({{1, "R1"}}), reach({{1, "   "}, {7, "9"}}), reach({{1, "R3"}})}
        << QStringList{ReachHeader, at({{11, R1}}, 76), at({{11, QStringLiteral("R3")}}, 76), QString()};
    QTest::newRow("no identifier at all") << QList{reach({{1, "  "}, {5, "3"}})} << QStringList();
    QTest::newRow("no reaches") << QList<ReachRecord>() << QStringList();
}

void TestNetworkFormats::reachWriter()
{
    QFETCH(QList<ReachRecord>, reaches);
    QFETCH(QStringList, lines);
    QCOMPARE(ReachFormat::ReachSectionLines(reaches), lines);
}

void TestNetworkFormats::reachReader_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("reaches");
    const QString header = ReachHeader;
    const auto R = [](const char *id) { return at({{11, L1(id)}}); };
    QTest::newRow("main line fields trimmed, codes by column")
        << QStringList{header, at({{11, QStringLiteral(" R1")}, {21, QStringLiteral("OUT")}, {51, QStringLiteral("12.")},
                                   {71, QStringLiteral("Y N  y")}})}
        << "1=R1 2=OUT 5=12. 8=Y 10=N 13=y";
    QTest::newRow("keywords in any case")
        << QStringList{header, R("R1"), at({{22, QStringLiteral("base flow")}, {31, QStringLiteral(" 5.")}}),
                       at({{21, QStringLiteral("split flow")}, {31, QStringLiteral("R3")}, {71, QStringLiteral("0.5")}}),
                       at({{21, QStringLiteral("Reach Loss")}, {31, QStringLiteral("0.5")}, {41, QStringLiteral("7")}})}
        << "1=R1 7=5. 14=R3 18=0.5 19=0.5        20=7";
    QTest::newRow("keyword columns of a main line are data")
        << QStringList{header, at({{11, QStringLiteral("R2")}, {21, QStringLiteral("BASE FLOW")}, {31, QStringLiteral("5")}})}
        << "1=R2 2=BASE FLOW 3=5";
    QTest::newRow("a second detail line replaces the first")
        << QStringList{header, R("R1"), at({{21, QStringLiteral("BASE FLOW")}, {31, QStringLiteral("1.")}}),
                       at({{21, QStringLiteral("BASE FLOW")}, {31, QStringLiteral("2.")}})}
        << "1=R1 7=2.";
    QTest::newRow("stops at the first blank line")
        << QStringList{header, R("R1"), QStringLiteral("   "), R("R2")} << "1=R1";
    QTest::newRow("detail line before any reach and unknown keyword ignored")
        << QStringList{header, at({{21, QStringLiteral("BASE FLOW")}, {31, QStringLiteral("1.")}}), R("R1"),
                       at({{21, QStringLiteral("SHEET")}, {31, QStringLiteral("1.")}})}
        << "1=R1";
    QTest::newRow("short reach-loss line keeps what it has")
        << QStringList{header, R("R1"), at({{21, QStringLiteral("REACH LOSS")}, {31, QStringLiteral("0.5")}})}
        << "1=R1 19=0.5";
    QTest::newRow("header line only") << QStringList{header} << QString();
    QTest::newRow("empty file") << QStringList() << QString();
}

void TestNetworkFormats::reachReader()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, reaches);
    QCOMPARE(dump(ReachFormat::ParseReaches(lines)), reaches);
}

void TestNetworkFormats::subAreaWriter_data()
{
    QTest::addColumn<QList<SubAreaRecord>>("subAreas");
    QTest::addColumn<QStringList>("lines");
    const QString S1 = QStringLiteral("SA1");
    const QString main = at({{11, S1}}, 75);
    QTest::newRow("main line")
        << QList{subArea({{1, " SA1 "}, {2, "R1"}, {3, " G1"}, {4, "12.5"}, {5, "75"}, {6, ".5"}, {7, "Y"}, {9, " N"}})}
        << QStringList{SubAreaHeader,
                       at({{11, S1}, {21, QStringLiteral("R1")}, {31, QStringLiteral("G1")}, {41, QStringLiteral("12.5")},
                           {51, QStringLiteral("75.")}, {61, QStringLiteral(".5")}, {71, QStringLiteral("Y N")}},
                          75),
                       QString()};
    QTest::newRow("surface codes cut to their letter")
        << QList{subArea({{1, "SA1"}, {12, "100"}, {13, ".01"}, {15, "A Smooth Surface"}, {16, "200"}, {18, "Paved"}})}
        << QStringList{SubAreaHeader, main,
                       at({{21, QStringLiteral("SHEET")}, {31, QStringLiteral("100.")}, {41, QStringLiteral(".01")},
                           {61, QStringLiteral("A")}},
                          70),
                       at({{21, QStringLiteral("SHALLOW")}, {31, QStringLiteral("200.")}, {61, QStringLiteral("P")}}, 70),
                       QString()};
    QTest::newRow("surface code alone, starting with a blank")
        << QList{subArea({{1, "SA1"}, {15, " A"}})}
        << QStringList{SubAreaHeader, main, at({{21, QStringLiteral("SHEET")}}, 70), QString()};
    QTest::newRow("channel long form")
        << QList{subArea({{1, "SA1"}, {19, "300"}, {20, ".01"}, {21, ".035"}, {22, "20"}, {23, "12"}, {24, "3"}})}
        << QStringList{SubAreaHeader, main,
                       at({{21, QStringLiteral("CHANNEL")}, {31, QStringLiteral("300.")}, {41, QStringLiteral(".01")},
                           {51, QStringLiteral(".035")}, {61, QStringLiteral("20.")}, {71, QStringLiteral("12.")}},
                          80),
                       QString()};
    // The long form needs all four of slope, n, end area and wetted perimeter.
    QTest::newRow("channel with part of its geometry in short form")
        << QList{subArea({{1, "SA1"}, {19, "300"}, {20, ".01"}, {21, ".035"}, {22, "20"}, {24, "3"}})}
        << QStringList{SubAreaHeader, main,
                       at({{21, QStringLiteral("CHANNEL")}, {31, QStringLiteral("300.")}, {41, QStringLiteral("3.")}}, 50),
                       QString()};
    QTest::newRow("channel slope alone")
        << QList{subArea({{1, "SA1"}, {20, ".01"}})}
        << QStringList{SubAreaHeader, main, at({{21, QStringLiteral("CHANNEL")}}, 50), QString()};
    QTest::newRow("land rows with an area above 0")
        << QList{subArea({{1, "SA1"}},
                         {land("Woods", "B", "12.5"), land("Pasture", "C", "0"), land("Meadow", "A", ""),
                          land("Row crops", "D", "abc"), land(" Lawns", "B", "3")})}
        << QStringList{SubAreaHeader, main,
                       at({{21, QStringLiteral("LAND AREA")}, {31, QStringLiteral("Woods")}, {66, QStringLiteral("B")},
                           {71, QStringLiteral("12.5")}},
                          80),
                       at({{21, QStringLiteral("LAND AREA")}, {31, QStringLiteral(" Lawns")}, {66, QStringLiteral("B")},
                           {71, QStringLiteral("3.")}},
                          80),
                       QString()};
    QTest::newRow("sub-area without identifier left out")
        << QList{subArea({{1, "SA1"}}), subArea({{1, " "}, {12, "100"}}, {land("Woods", "B", "1")}),
                 subArea({{1, "SA3"}})}
        << QStringList{SubAreaHeader, main, at({{11, QStringLiteral("SA3")}}, 75), QString()};
    QTest::newRow("no sub-areas") << QList<SubAreaRecord>() << QStringList();
}

void TestNetworkFormats::subAreaWriter()
{
    QFETCH(QList<SubAreaRecord>, subAreas);
    QFETCH(QStringList, lines);
    QCOMPARE(SubAreaFormat::SubAreaSectionLines(subAreas), lines);
}

void TestNetworkFormats::subAreaReader_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("subAreas");
    const QString header = SubAreaHeader;
    const auto S = [](const char *id) { return at({{11, L1(id)}}); };
    const auto landLine = [](const char *name, const char *soil, const char *area, const char *keyword = "LAND AREA") {
        return at({{21, L1(keyword)}, {31, L1(name)}, {66, L1(soil)}, {71, L1(area)}});
    };
    QTest::newRow("main line")
        << QStringList{header, at({{11, QStringLiteral("SA1")}, {21, QStringLiteral("R1")}, {31, QStringLiteral("G1")},
                                   {41, QStringLiteral("12.5")}, {51, QStringLiteral("75.")}, {71, QStringLiteral("Y N Y")}})}
        << "1=SA1 2=R1 3=G1 4=12.5 5=75. 7=Y 9=N 11=Y";
    QTest::newRow("flow lines, keywords in any case")
        << QStringList{header, S("SA1"),
                       at({{21, QStringLiteral("sheet")}, {31, QStringLiteral("100.")}, {61, QStringLiteral("F")}}),
                       at({{21, QStringLiteral("Shallow")}, {31, QStringLiteral("200.")}, {51, QStringLiteral("9")},
                           {61, QStringLiteral("U")}})}
        << "1=SA1 12=100. 15=F 16=200. 18=U";
    QTest::newRow("channel short form when 51-80 are blank")
        << QStringList{header, S("SA1"), at({{21, QStringLiteral("CHANNEL")}, {31, QStringLiteral("300.")},
                                             {41, QStringLiteral("2.5")}})}
        << "1=SA1 19=300. 24=2.5";
    QTest::newRow("channel long form when 51-80 hold anything")
        << QStringList{header, S("SA1"), at({{21, QStringLiteral("CHANNEL")}, {31, QStringLiteral("300.")},
                                             {41, QStringLiteral(".01")}, {80, QStringLiteral("x")}})}
        << "1=SA1 19=300. 20=.01 23=x";
    QTest::newRow("land rows stay with their sub-area")
        << QStringList{header, S("SA1"), landLine("Woods", "B", "12.5"), landLine("Pasture", "C", "3.", "weight cn"),
                       S("SA2"), S("SA3"), landLine("Lawns", "A", "1.")}
        << "1=SA1 L=Woods/B/12.5 L=Pasture/C/3.|1=SA2|1=SA3 L=Lawns/A/1.";
    QTest::newRow("stops at the first blank line")
        << QStringList{header, S("SA1"), QString(), S("SA2")} << "1=SA1";
    QTest::newRow("detail line before any sub-area ignored")
        << QStringList{header, landLine("Woods", "B", "1."), S("SA1")} << "1=SA1";
}

void TestNetworkFormats::subAreaReader()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, subAreas);
    QCOMPARE(dump(SubAreaFormat::ParseSubAreas(lines)), subAreas);
}

// The alternate writer's choices: values as held, detail lines keyed by their
// first field, every land row.
void TestNetworkFormats::alternateOptions()
{
    using namespace NetworkLines;
    QStringList lines;
    AppendReachLines(lines, reach({{1, "R1"}, {8, "Y"}, {16, "10"}}), ReachLineOptions::Alternate());
    AppendReachLines(lines, reach({{1, "R2"}, {14, " R3"}, {16, "10"}, {19, "5"}}), ReachLineOptions::Alternate());
    QCOMPARE(lines, (QStringList{at({{11, QStringLiteral("R1")}, {71, QStringLiteral("Y")}}, 76),
                                 at({{11, QStringLiteral("R2")}}, 76),
                                 at({{21, QStringLiteral("SPLIT FLOW")}, {32, QStringLiteral("R3")},
                                     {51, QStringLiteral("10.")}},
                                    80),
                                 at({{21, QStringLiteral("REACH LOSS")}, {31, QStringLiteral("5")}}, 50)}));
    lines.clear();
    AppendSubAreaLines(lines,
                       subArea({{1, " SA1"}, {13, ".01"}, {16, "200"}, {18, "Paved"}},
                               {land("Woods", "B", "0"), land("Lawns", "A", "3")}),
                       SubAreaLineOptions::Alternate());
    QCOMPARE(lines, (QStringList{at({{12, QStringLiteral("SA1")}}, 75),
                                 at({{21, QStringLiteral("SHALLOW")}, {31, QStringLiteral("200.")},
                                     {61, QStringLiteral("Paved")}},
                                    70),
                                 at({{21, QStringLiteral("LAND AREA")}, {31, QStringLiteral("Woods")},
                                     {66, QStringLiteral("B")}, {71, QStringLiteral("0")}},
                                    80),
                                 at({{21, QStringLiteral("LAND AREA")}, {31, QStringLiteral("Lawns")},
                                     {66, QStringLiteral("A")}, {71, QStringLiteral("3")}},
                                    80)}));
}

// Each sub-area keeps its own land rows in the window's tables while other
// sub-areas' rows grow, shrink and vanish around them.
void TestNetworkFormats::landRowsInWorkTables()
{
    using namespace NetworkTables;
    WorkTables work;
    work.Reset(SubAreaFields, LandFields);
    AppendSubAreas(work, {subArea({{1, "SA1"}, {6, ".5"}}, {land("Woods", "B", "1"), land("Lawns", "A", "2")}),
                          subArea({{1, "SA2"}}), subArea({{1, "SA3"}}, {land("Pasture", "C", "3")})});
    QCOMPARE(dump(SubAreas(work)), QStringLiteral("1=SA1 6=.5 L=Woods/B/1 L=Lawns/A/2|1=SA2|1=SA3 L=Pasture/C/3"));
    SetLandRows(work, 1, {land("a", "A", "1"), land("b", "B", "2"), land("c", "C", "3")});
    SetLandRows(work, 2, {land("d", "D", "4")});
    SetLandRows(work, 3, {});
    QCOMPARE(dump(SubAreas(work)), QStringLiteral("1=SA1 6=.5 L=a/A/1 L=b/B/2 L=c/C/3|1=SA2 L=d/D/4|1=SA3"));
    SetLandRows(work, 1, {land("e", "A", "5")});
    QCOMPARE(dump(SubAreas(work)), QStringLiteral("1=SA1 6=.5 L=e/A/5|1=SA2 L=d/D/4|1=SA3"));
    QVERIFY(HasLandRows(work, 2) && !HasLandRows(work, 3));
}

void TestNetworkFormats::fileRoundTrip_data()
{
    QTest::addColumn<bool>("isReach");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("written");

    const QString reachMain = at({{11, QStringLiteral("R1")}, {21, QStringLiteral("OUTLET")}, {31, QStringLiteral("X1")},
                                  {41, QStringLiteral("S1")}, {51, QStringLiteral("1200.")}, {61, QStringLiteral("900.")},
                                  {71, QStringLiteral("YNYNYN")}});
    const QString baseFlow = at({{21, QStringLiteral("BASE FLOW")}, {31, QStringLiteral("2.5")}}, 40);
    const QString split = at({{21, QStringLiteral("SPLIT FLOW")}, {31, QStringLiteral("R2")}, {51, QStringLiteral("10.")},
                              {61, QStringLiteral("20.")}, {71, QStringLiteral("0.5")}},
                             80);
    const QString loss = at({{21, QStringLiteral("REACH LOSS")}, {31, QStringLiteral("0.5")}, {41, QStringLiteral("7.")}}, 50);
    const QStringList reachFile{ReachHeader, reachMain, baseFlow, split, loss, QString()};
    QTest::newRow("reach, every line kind, CR LF") << true << crlf(reachFile) << reachFile;
    QTest::newRow("reach, LF and no end on the last line")
        << true << (ReachHeader + QLatin1Char('\n') + reachMain + QLatin1Char('\n') + baseFlow).toLatin1()
        << QStringList{ReachHeader, reachMain, baseFlow, QString()};
    QTest::newRow("reach, Latin-1 names")
        << true << crlf({ReachHeader, at({{11, L1("Ca\xF1on")}, {21, L1("R\xE9")}})})
        << QStringList{ReachHeader, at({{11, L1("Ca\xF1on")}, {21, L1("R\xE9")}}, 76), QString()};
    QTest::newRow("reach, short and long lines")
        << true << crlf({ReachHeader, QStringLiteral("          R1"), split + QStringLiteral("extra columns"),
                         at({{11, QStringLiteral("R2")}, {71, QStringLiteral("YYYYYYYYYY")}})})
        << QStringList{ReachHeader, at({{11, QStringLiteral("R1")}}, 76), split,
                       at({{11, QStringLiteral("R2")}, {71, QStringLiteral("YYYYYY")}}), QString()};

    const QString subMain = at({{11, QStringLiteral("SA1")}, {21, QStringLiteral("R1")}, {31, QStringLiteral("G1")},
                                {41, QStringLiteral("640.")}, {51, QStringLiteral("75.")}, {61, QStringLiteral(".5")},
                                {71, QStringLiteral("YNYNY")}});
    const QString sheet = at({{21, QStringLiteral("SHEET")}, {31, QStringLiteral("100.")}, {41, QStringLiteral(".01")},
                              {51, QStringLiteral(".24")}, {61, QStringLiteral("F")}},
                             70);
    const QString shallow = at({{21, QStringLiteral("SHALLOW")}, {31, QStringLiteral("200.")}, {41, QStringLiteral(".02")},
                                {61, QStringLiteral("U")}},
                               70);
    const QString channel = at({{21, QStringLiteral("CHANNEL")}, {31, QStringLiteral("300.")}, {41, QStringLiteral(".01")},
                                {51, QStringLiteral(".035")}, {61, QStringLiteral("20.")}, {71, QStringLiteral("12.")}},
                               80);
    const QString landArea = at({{21, QStringLiteral("LAND AREA")}, {31, L1("For\xEAt")}, {66, QStringLiteral("B")},
                                 {71, QStringLiteral("12.5")}},
                                80);
    const QStringList subFile{SubAreaHeader, subMain, sheet, shallow, channel, landArea, QString()};
    QTest::newRow("sub-area, every line kind, LF")
        << false << subFile.join(QLatin1Char('\n')).toLatin1() << subFile;
    QTest::newRow("sub-area, short and long lines, detail lines put in order")
        << false << crlf({SubAreaHeader, QStringLiteral("          SA1   "), landArea + QStringLiteral("  tail"),
                          at({{21, QStringLiteral("CHANNEL")}, {31, QStringLiteral("300.")}, {41, QStringLiteral("2.")}})})
        << QStringList{SubAreaHeader, at({{11, QStringLiteral("SA1")}}, 75),
                       at({{21, QStringLiteral("CHANNEL")}, {31, QStringLiteral("300.")}, {41, QStringLiteral("2.")}}, 50),
                       landArea, QString()};
}

// Bytes in a working file are read and written back as the windows do; the
// result is CR LF lines, and a second pass changes nothing.
void TestNetworkFormats::fileRoundTrip()
{
    QFETCH(bool, isReach);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("~work.tmp"));
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 0) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(input);
        }
        QString error;
        const bool ok = isReach
                            ? ReachFormat::WriteReachSection(path, ReachFormat::ReadReaches(path), &error)
                            : SubAreaFormat::WriteSubAreaSection(path, SubAreaFormat::ReadSubAreas(path), &error);
        QVERIFY2(ok, qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), crlf(written));
    }
}

void TestNetworkFormats::unwritableFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/~SubArea.tmp"));
    QString error;
    QVERIFY(!SubAreaFormat::WriteSubAreaSection(path, {subArea({{1, "SA1"}})}, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!ReachFormat::WriteReachSection(path, {reach({{1, "R1"}})}, &error));
}

QTEST_GUILESS_MAIN(TestNetworkFormats)
#include "tst_networkformats.moc"
