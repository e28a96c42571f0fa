// The Alternate Analysis working file: the writer byte for byte, the reader's
// block and record rules, and write-read-write on random alternates.
#include "NetworkRecords.h"

#include "core/logic/TextFile.h"
#include "sections/network/logic/AlternateFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

Q_DECLARE_METATYPE(QList<Alternate>)

using namespace NetworkRecords;

namespace {

Alternate alt(const char *id, const char *description, QList<ReachRecord> reaches = {},
              QList<SubAreaRecord> subAreas = {})
{
    return {L1(id), L1(description), reaches, subAreas};
}

const QString Header = QStringLiteral("ALTERNATE ANALYSIS:");
const QString Reaches = QStringLiteral("          REACHES");
const QString Areas = QStringLiteral("          AREAS");

// The alternates in a readable form: "id/description", then each record as
// "R:" or "S:" with its non-empty fields as n=[value] and land rows as
// L=[name/soil/area].
QString dump(const QList<Alternate> &alternates)
{
    QStringList out;
    const auto fields = [](const auto &f) {
        QStringList parts;
        for (size_t n = 1; n < f.size(); ++n)
            if (!f[n].isEmpty())
                parts << QStringLiteral("%1=[%2]").arg(n).arg(f[n]);
        return parts.join(QLatin1Char(' '));
    };
    for (const Alternate &a : alternates) {
        QStringList parts{a.Id + QLatin1Char('/') + a.Description};
        for (const ReachRecord &r : a.Reaches)
            parts << QStringLiteral("R:") + fields(r.Field);
        for (const SubAreaRecord &s : a.SubAreas) {
            QString text = QStringLiteral("S:") + fields(s.Field);
            for (const LandRow &row : s.Land)
                text += QStringLiteral(" L=[%1/%2/%3]").arg(row.LandUseName, row.SoilGroup, row.LandArea);
            parts << text;
        }
        out << parts.join(QStringLiteral(" | "));
    }
    return out.join(QStringLiteral(" || "));
}

} // namespace

class TestAlternateFormat : public QObject
{
    Q_OBJECT
private slots:
    void writer_data();
    void writer();
    void reader_data();
    void reader();
    void readBackWhatWasWritten();
    void randomAlternatesWriteReadWrite();
    void fileWriting();
};

void TestAlternateFormat::writer_data()
{
    QTest::addColumn<QList<Alternate>>("alternates");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("no alternates") << QList<Alternate>() << QStringList();
    QTest::newRow("alternates without records leave the section absent")
        << QList{alt("A1", "described"), alt("A2", "", {reach({{1, "  "}, {5, "3"}})})} << QStringList();
    QTest::newRow("only alternates with records, each block only when it has records")
        << QList{alt("A1", "no records"), alt("A2", "areas only", {}, {subArea({{1, "S1"}})}),
                 alt("A3", "reaches only", {reach({{1, "R1"}})})}
        << QStringList{Header,
                       at({{1, "A2"}, {11, "areas only"}}, 80), Areas, at({{11, "S1"}}, 75),
                       at({{1, "A3"}, {11, "reaches only"}}, 80), Reaches, at({{11, "R1"}}, 76),
                       QString()};
    QTest::newRow("reaches before areas; a full description fills column 80")
        << QList{alt("ALTERNATE1", "1234567890123456789012345678901234567890123456789012345678901234567890",
                     {reach({{1, "R1"}})}, {subArea({{1, "S1"}})})}
        << QStringList{Header,
                       L1("ALTERNATE11234567890123456789012345678901234567890123456789012345678901234567890"),
                       Reaches, at({{11, "R1"}}, 76), Areas, at({{11, "S1"}}, 75), QString()};
    QTest::newRow("reach lines: split flow only with its reach, reach loss as held")
        << QList{alt("A1", "d",
                     {reach({{1, "R1"}, {2, "OUTLET"}, {5, "1200"}, {6, "12.5"}, {7, "2"}, {8, "Y"}, {13, "N"},
                             {16, "10"}, {17, "20"}, {19, "5"}, {20, "0.5"}}),
                      reach({{1, "R2"}, {14, " R3"}, {15, "X3 "}, {18, "1"}})})}
        << QStringList{Header, at({{1, "A1"}, {11, "d"}}, 80), Reaches,
                       at({{11, "R1"}, {21, "OUTLET"}, {51, "1200."}, {61, "12.5"}, {71, "Y"}, {76, "N"}}),
                       at({{21, "BASE FLOW"}, {31, "2."}}, 40), at({{21, "REACH LOSS"}, {31, "5"}, {41, "0.5"}}, 50),
                       at({{11, "R2"}}, 76), at({{21, "SPLIT FLOW"}, {32, "R3"}, {41, "X3"}, {71, "1."}}, 80),
                       QString()};
    QTest::newRow("sub-area lines: flow lines by their lengths, surface codes whole, every land row")
        << QList{alt("A1", "d", {},
                     {subArea({{1, " SA1"}, {4, "12"}, {5, "75.5"}, {7, "Y"}, {9, " "}, {13, ".02"}, {16, "300"},
                               {18, "P"}},
                              {land("Woods", "B", "12"), land("Lawns", "A", "0"), land("Pasture", "C", "")}),
                      subArea({{1, "SA2"}, {12, "100"}, {15, "Grass"}, {19, "2500"}, {20, ".01"}, {21, ".04"},
                               {22, "10"}, {23, "12"}, {24, "3"}}),
                      subArea({{1, "SA3"}, {17, ".05"}, {19, "900"}, {21, ".04"}, {24, "2.5"}})})}
        << QStringList{Header, at({{1, "A1"}, {11, "d"}}, 80), Areas,
                       at({{12, "SA1"}, {41, "12."}, {51, "75.5"}, {71, "Y"}}, 75),
                       at({{21, "SHALLOW"}, {31, "300."}, {61, "P"}}, 70),
                       at({{21, "LAND AREA"}, {31, "Woods"}, {66, "B"}, {71, "12"}}, 80),
                       at({{21, "LAND AREA"}, {31, "Lawns"}, {66, "A"}, {71, "0"}}, 80),
                       at({{21, "LAND AREA"}, {31, "Pasture"}, {66, "C"}}, 80),
                       at({{11, "SA2"}}, 75), at({{21, "SHEET"}, {31, "100."}, {61, "Grass"}}, 70),
                       at({{21, "CHANNEL"}, {31, "2500."}, {41, ".01"}, {51, ".04"}, {61, "10."}, {71, "12."}}, 80),
                       at({{11, "SA3"}}, 75), at({{21, "CHANNEL"}, {31, "900."}, {41, "2.5"}}, 50), QString()};
    // Written, a blank identifier would read back as part of the record or
    // alternate before it.
    QTest::newRow("records and alternates without identifier left out")
        << QList{alt("A1", "d", {reach({{1, "R1"}}), reach({{1, " "}, {7, "9"}})}, {subArea({{1, ""}, {4, "1"}})}),
                 alt("  ", "nameless", {reach({{1, "R9"}})})}
        << QStringList{Header, at({{1, "A1"}, {11, "d"}}, 80), Reaches, at({{11, "R1"}}, 76), QString()};
}

void TestAlternateFormat::writer()
{
    QFETCH(QList<Alternate>, alternates);
    QFETCH(QStringList, lines);
    QCOMPARE(AlternateFormat::AlternateSectionLines(alternates), lines);
}

void TestAlternateFormat::reader_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("alternates");

    QTest::newRow("header and description trimmed, record fields as 10-column slices, codes trimmed")
        << QStringList{Header, at({{1, " A1"}, {13, "first "}}, 80), Reaches,
                       at({{11, "R1"}, {21, "OUTLET"}, {51, "12."}, {71, "Y N  y"}}),
                       at({{22, "base flow"}, {31, " 5."}}), Areas, at({{11, "S1"}, {41, "1.5"}, {71, "YN"}}, 75)}
        << "A1/first | R:1=[R1        ] 2=[OUTLET    ] 3=[          ] 4=[          ] 5=[12.       ] "
           "6=[          ] 7=[ 5.] 8=[Y] 10=[N] 13=[y] | S:1=[S1        ] 2=[          ] 3=[          ] "
           "4=[1.5       ] 5=[          ] 6=[          ] 7=[Y] 8=[N]";
    QTest::newRow("detail lines of both kinds; land rows trimmed, weight lines among them")
        << QStringList{Header, at({{1, "A1"}}), Reaches, at({{11, "R1"}}),
                       at({{21, "SPLIT FLOW"}, {31, "R2"}, {71, ".5"}}), at({{21, "REACH LOSS"}, {31, "0.5"}}),
                       Areas, at({{11, "S1"}}), at({{21, "SHEET"}, {31, "100."}, {61, "A"}}),
                       at({{21, "shallow"}, {31, "300."}, {51, "9"}, {61, "Paved"}}),
                       at({{21, "CHANNEL"}, {31, "900."}, {41, "2.5"}}),
                       at({{21, "LAND AREA"}, {31, " Woods"}, {66, "B"}, {71, "12 "}}),
                       at({{21, "WEIGHT CN"}, {31, "Lawns"}, {71, "3"}})}
        << "A1/ | R:1=[R1] 14=[R2        ] 15=[          ] 16=[          ] 17=[          ] 18=[.5] 19=[0.5] "
           "| S:1=[S1] 12=[100.      ] 13=[          ] 14=[          ] 15=[A] 16=[300.      ] "
           "17=[          ] 18=[Paved] 19=[900.      ] 24=[2.5] L=[Woods/B/12] L=[Lawns//3]";
    QTest::newRow("channel long form when columns 51-80 hold anything")
        << QStringList{Header, at({{1, "A1"}}), Areas, at({{11, "S1"}}),
                       at({{21, "CHANNEL"}, {31, "1"}, {41, "2"}, {51, "3"}, {61, "4"}, {71, "5"}}),
                       at({{21, "CHANNEL"}, {31, "6"}, {80, "x"}})}
        << "A1/ | S:1=[S1] 19=[6         ] 20=[          ] 21=[          ] 22=[          ] 23=[         x]";
    // A record may bear the name of a block: only a line with nothing else is
    // a block line.
    QTest::newRow("records named AREAS and REACHES stay in their block")
        << QStringList{Header, at({{1, "A1"}}), Reaches, at({{11, "AREAS"}, {21, "R2"}}), at({{11, "R1"}}),
                       at({{11, "reaches"}, {71, "Y"}}), at({{21, "BASE FLOW"}, {31, "2."}}), Areas,
                       at({{11, "REACHES"}, {41, "1."}}), at({{11, "S2"}})}
        << "A1/ | R:1=[AREAS     ] 2=[R2] | R:1=[R1] | R:1=[reaches   ] 2=[          ] 3=[          ] "
           "4=[          ] 5=[          ] 6=[          ] 7=[2.] 8=[Y] | S:1=[REACHES   ] 2=[          ] "
           "3=[          ] 4=[1.] | S:1=[S2]";
    QTest::newRow("a block's name with nothing a record of the block keeps is the block line")
        << QStringList{Header, at({{1, "A1"}}), Reaches, at({{11, "R1"}}), at({{11, "AREAS"}, {78, "x"}}),
                       at({{11, "S1"}})}
        << "A1/ | R:1=[R1] | S:1=[S1]";
    QTest::newRow("block lines in any case, padded, switch either way")
        << QStringList{Header, at({{1, "A1"}}), at({{13, "Areas"}}, 80), at({{11, "S1"}}), at({{11, "reaches"}}, 40),
                       at({{11, "R1"}})}
        << "A1/ | R:1=[R1] | S:1=[S1]";
    QTest::newRow("a block line does not swallow the alternate line after it")
        << QStringList{Header, at({{1, "A1"}}), Reaches, at({{1, "A2"}, {11, "R9"}}), Areas, at({{11, "S1"}})}
        << "A1/ || A2/R9 | S:1=[S1]";
    QTest::newRow("lines outside any block, and detail lines before a record, are ignored")
        << QStringList{Header, Reaches, at({{11, "R0"}}), at({{1, "A1"}}), at({{11, "R1"}}), Reaches,
                       at({{21, "BASE FLOW"}, {31, "2."}}), at({{11, "R2"}})}
        << "A1/ | R:1=[R2]";
    QTest::newRow("each alternate has its own blocks")
        << QStringList{Header, at({{1, "A1"}}), Reaches, at({{11, "R1"}}), at({{1, "A2"}}), at({{11, "R2"}}),
                       Areas, at({{11, "S2"}})}
        << "A1/ | R:1=[R1] || A2/ | S:1=[S2]";
    QTest::newRow("reading stops at the first blank line")
        << QStringList{Header, at({{1, "A1"}}), Reaches, at({{11, "R1"}}), L1("   "), at({{1, "A2"}}), Reaches,
                       at({{11, "R2"}})}
        << "A1/ | R:1=[R1]";
    QTest::newRow("header only") << QStringList{Header} << QString();
    QTest::newRow("empty file") << QStringList() << QString();
}

void TestAlternateFormat::reader()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, alternates);
    QCOMPARE(dump(AlternateFormat::ParseAlternates(lines)), alternates);
}

// What the reader gives back of what the writer wrote, and the same bytes
// when that is written again.
void TestAlternateFormat::readBackWhatWasWritten()
{
    const QList<Alternate> tables{
        alt("A1", "first", {reach({{1, "AREAS"}, {2, "R2"}, {5, "100"}, {19, "5"}})},
            {subArea({{1, "S1"}, {7, "Y"}, {12, "50"}}, {land("Woods", "B", "1"), land("Lawns", "A", "")}),
             subArea({{1, "S2"}}, {land("Pasture", "C", "3")})}),
        alt("A2", "", {reach({{1, "R1"}})})};
    const QStringList written = AlternateFormat::AlternateSectionLines(tables);
    const QList<Alternate> read = AlternateFormat::ParseAlternates(written);
    QCOMPARE(dump(read),
             QStringLiteral("A1/first | R:1=[AREAS     ] 2=[R2        ] 3=[          ] 4=[          ] "
                            "5=[100.      ] 6=[          ] 19=[5         ] 20=[          ] | "
                            "S:1=[S1        ] 2=[          ] 3=[          ] 4=[          ] 5=[          ] "
                            "6=[          ] 7=[Y] 12=[50.       ] 13=[          ] 14=[          ] 15=[          ] "
                            "L=[Woods/B/1] L=[Lawns/A/] | S:1=[S2        ] 2=[          ] 3=[          ] "
                            "4=[          ] 5=[          ] 6=[          ] L=[Pasture/C/3] || "
                            "A2/ | R:1=[R1        ] 2=[          ] 3=[          ] 4=[          ] "
                            "5=[          ] 6=[          ]"));
    QCOMPARE(AlternateFormat::AlternateSectionLines(read), written);
}

// Random alternates as the windows make them (values of at most their field
// width; land names, soil groups and areas without surrounding blanks, which
// the reader trims), with names of the blocks among the identifiers: write,
// read and write again give the same bytes.
void TestAlternateFormat::randomAlternatesWriteReadWrite()
{
    for (const quint32 seed : {1u, 7u, 42u, 2024u, 99991u}) {
        QRandomGenerator rng(seed);
        const auto pick = [&](const QStringList &from) { return from[int(rng.bounded(quint32(from.size())))]; };
        const auto chance = [&](int percent) { return int(rng.bounded(100u)) < percent; };
        const QStringList ids{QStringLiteral("R1"), QStringLiteral(" R2"), QStringLiteral("AREAS"),
                              QStringLiteral("reaches"), QStringLiteral("S 10"), QStringLiteral("ABCDEFGHIJ"),
                              QStringLiteral("\xe9t\xe9")};
        const QStringList values{QString(), QStringLiteral("5"), QStringLiteral("12.5"), QStringLiteral(" 7 "),
                                 QStringLiteral("1234567890"), QStringLiteral("abc"), QStringLiteral("0")};
        const QStringList codes{QString(), QStringLiteral(" "), QStringLiteral("Y"), QStringLiteral("N")};
        const auto value = [&] { return chance(50) ? QString() : pick(values); };

        QList<Alternate> tables;
        const int alternates = 1 + int(rng.bounded(6u));
        const auto namesBlock = [](const QString &id) {
            const QString name = id.trimmed().toUpper();
            return name == QLatin1String("AREAS") || name == QLatin1String("REACHES");
        };
        for (int a = 0; a < alternates; ++a) {
            Alternate &alternate = tables.emplace_back();
            alternate.Id = QStringLiteral("ALT%1").arg(a);
            alternate.Description = chance(30) ? QString() : QStringLiteral("Description %1 \xfc").arg(seed);
            const int subAreas = int(rng.bounded(5u));
            const int reaches = subAreas == 0 ? 1 + int(rng.bounded(4u)) : int(rng.bounded(5u));
            for (int i = 0; i < reaches; ++i) {
                auto &f = alternate.Reaches.emplace_back().Field;
                f[1] = pick(ids);
                for (int n : {2, 3, 4})
                    f[size_t(n)] = chance(50) ? QString() : pick(ids);
                for (int n : {5, 6, 7, 16, 17, 18, 19, 20})
                    f[size_t(n)] = value();
                for (int n = 8; n <= 13; ++n)
                    f[size_t(n)] = pick(codes);
                if (chance(40)) {
                    f[14] = pick(ids);
                    f[15] = chance(50) ? QString() : pick(ids);
                }
                if (namesBlock(f[1]))
                    f[2] = QStringLiteral("R9"); // a block's name with nothing else is the block line
            }
            for (int i = 0; i < subAreas; ++i) {
                SubAreaRecord &s = alternate.SubAreas.emplace_back();
                auto &f = s.Field;
                f[1] = pick(ids);
                f[2] = chance(50) ? QString() : pick(ids);
                f[3] = chance(50) ? QString() : QStringLiteral("G1");
                for (int n = 4; n <= 6; ++n)
                    f[size_t(n)] = value();
                for (int n = 7; n <= 11; ++n)
                    f[size_t(n)] = pick(codes);
                if (chance(50)) {
                    f[12] = QStringLiteral("100");
                    f[13] = value();
                    f[14] = value();
                    f[15] = pick({QString(), QStringLiteral("A"), QStringLiteral("Grass")});
                }
                if (chance(50)) {
                    f[16] = QStringLiteral("300");
                    f[17] = value();
                    f[18] = pick({QStringLiteral("P"), QStringLiteral("Unpaved")});
                }
                if (chance(30)) {
                    for (int n = 19; n <= 23; ++n)
                        f[size_t(n)] = pick({QStringLiteral("1"), QStringLiteral(".5")});
                } else if (chance(40)) {
                    f[19] = QStringLiteral("900");
                    f[24] = value();
                }
                if (namesBlock(f[1]))
                    f[2] = QStringLiteral("R9");
                const int rows = int(rng.bounded(4u));
                for (int r = 0; r < rows; ++r)
                    s.Land.append({pick({QStringLiteral("Woods (Good)"), QStringLiteral("Row crops"),
                                         QStringLiteral("Land use name of thirty-five chars.")}),
                                   pick({QStringLiteral("A"), QStringLiteral("D"), QString()}),
                                   pick({QStringLiteral("12"), QStringLiteral("0"), QString(), QStringLiteral("1.5")})});
            }
        }
        const QStringList first = AlternateFormat::AlternateSectionLines(tables);
        const QStringList second = AlternateFormat::AlternateSectionLines(AlternateFormat::ParseAlternates(first));
        const QByteArray where = QByteArray("seed ") + QByteArray::number(seed);
        QVERIFY2(first == second, where.constData());
        // Every record came back in its own alternate and block.
        const QList<Alternate> read = AlternateFormat::ParseAlternates(first);
        QCOMPARE(read.size(), tables.size());
        for (qsizetype a = 0; a < read.size(); ++a) {
            QCOMPARE(read[a].Reaches.size(), tables[a].Reaches.size());
            QCOMPARE(read[a].SubAreas.size(), tables[a].SubAreas.size());
        }
    }
}

void TestAlternateFormat::fileWriting()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("~Alter.tmp"));
    const QList<Alternate> tables{alt("A1", "d", {reach({{1, "R1"}})})};
    QVERIFY(AlternateFormat::WriteAlternateSection(path, tables));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("ALTERNATE ANALYSIS:\r\n")
                                 + at({{1, "A1"}, {11, "d"}}, 80).toLatin1() + "\r\n" + Reaches.toLatin1() + "\r\n"
                                 + at({{11, "R1"}}, 76).toLatin1() + "\r\n\r\n");
    file.close();
    QCOMPARE(dump(AlternateFormat::ReadAlternates(path)), QStringLiteral("A1/d | R:1=[R1        ] 2=[          ] 3=[          ] 4=[          ] 5=[          ] 6=[          ]"));

    // No alternate with records: the file is emptied, the section absent.
    QVERIFY(AlternateFormat::WriteAlternateSection(path, {alt("A1", "d")}));
    QCOMPARE(QFileInfo(path).size(), 0);
    QVERIFY(AlternateFormat::ReadAlternates(dir.filePath(QStringLiteral("missing.tmp"))).isEmpty());

    QString reason;
    QVERIFY(!AlternateFormat::WriteAlternateSection(dir.filePath(QStringLiteral("no/such/folder/~Alter.tmp")), tables,
                                                    &reason));
    QVERIFY(!reason.isEmpty());
}

QTEST_GUILESS_MAIN(TestAlternateFormat)
#include "tst_alternateformat.moc"
