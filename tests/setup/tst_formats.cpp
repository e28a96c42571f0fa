#include "ProgramFolder.h"

#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "core/logic/TextFile.h"
#include "sections/setup/logic/RainDistFormat.h"
#include "sections/setup/logic/StormFormat.h"
#include "sections/setup/logic/UnitHydFormat.h"
#include "sections/setup/logic/ValueLineFormat.h"
#include "sections/setup/logic/VerificationFormat.h"

#include <QTest>
#include <utility>

using namespace Qt::StringLiterals;

using namespace Editglob;
using SetupFormat::FormatItem;

Q_DECLARE_METATYPE(RainDistFormat::RainDistData)
Q_DECLARE_METATYPE(StormFormat::StormData)

namespace {

// A record line with texts placed at 1-based columns.
QString at(std::initializer_list<std::pair<int, QString>> fields)
{
    QString line;
    for (const auto &[column, text] : fields) {
        if (line.size() < column - 1)
            line += QString(column - 1 - line.size(), QLatin1Char(' '));
        line += text;
    }
    return line;
}

QString pad(const QString &text, int width = 10)
{
    return text.leftJustified(width, QLatin1Char(' '));
}

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

// Twenty blanks and the fields of a value line.
QString values(const QStringList &fields)
{
    QString line = blanks(20);
    for (const QString &f : fields)
        line += pad(f);
    return line;
}

const QString UhHeader = pad(QStringLiteral("DIMENSIONLESS UNIT HYDROGRAPH:"), 40);
const QString RdHeader = pad(QStringLiteral("RAINFALL DISTRIBUTION:"), 50);
const QString StHeader = pad(QStringLiteral("STORM ANALYSIS:"), 40);
const QString VeHeader = pad(QStringLiteral("VERIFICATION:"), 40);

// Reads a working file of `section` and gives the lines its window writes.
QStringList rewriteFile(int section, const QString &path)
{
    switch (section) {
    case SecUnitHyd: return UnitHydFormat::UnitHydLines(UnitHydFormat::ReadUnitHyd(path));
    case SecRainDist: return RainDistFormat::RainDistLines(RainDistFormat::ReadRainDist(path));
    case SecStorm: return StormFormat::StormLines(StormFormat::ReadStorm(path));
    case SecVerif:
        return VerificationFormat::VerificationLines(VerificationFormat::ReadVerification(path));
    }
    return {};
}

QStringList rewriteLines(int section, const QStringList &lines)
{
    switch (section) {
    case SecUnitHyd: return UnitHydFormat::UnitHydLines(UnitHydFormat::ParseUnitHyd(lines));
    case SecRainDist: return RainDistFormat::RainDistLines(RainDistFormat::ParseRainDist(lines));
    case SecStorm: return StormFormat::StormLines(StormFormat::ParseStorm(lines));
    case SecVerif:
        return VerificationFormat::VerificationLines(VerificationFormat::ParseVerification(lines));
    }
    return {};
}

} // namespace

class TestFormats : public QObject
{
    Q_OBJECT
private slots:
    void goldenRoundTrip_data();
    void goldenRoundTrip();
    void rewrite_data();
    void rewrite();
    void unitHydWriter_data();
    void unitHydWriter();
    void rainDistWriter_data();
    void rainDistWriter();
    void rainDistReader();
    void stormWriter_data();
    void stormWriter();
    void stormReader();
    void stormCondition_data();
    void stormCondition();
    void verificationWriter_data();
    void verificationWriter();
    void fitNumber_data();
    void fitNumber();
    void missingFilesAndLineEnds();
};

void TestFormats::goldenRoundTrip_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("golden");
    QTest::newRow("unit hydrograph") << int(SecUnitHyd) << "sample_Unit_Hyd.tmp";
    QTest::newRow("rainfall distribution") << int(SecRainDist) << "sample_RainDist.tmp";
    QTest::newRow("storm analysis") << int(SecStorm) << "sample_Storm.tmp";
    QTest::newRow("verification") << int(SecVerif) << "sample_Verif.tmp";
}

// The input file is split as Open does; the window's reader and writer then
// give the golden bytes, and a second pass over its own file changes nothing.
void TestFormats::goldenRoundTrip()
{
    QFETCH(int, section);
    QFETCH(QString, golden);
    ProgramFolder folder;
    const auto split = InputFileStore::Split(QStringLiteral(QV_TEST_DATA "/formats/sample.inp"), TmpFile);
    QVERIFY(split.opened);
    QVERIFY(split.unknownKey.isEmpty());

    const QByteArray expected = ProgramFolder::readBytes(QStringLiteral(QV_TEST_DATA "/formats/") + golden);
    QVERIFY(!expected.isEmpty());
    QString error;
    QVERIFY2(TextFile::writeLines(TmpFile[section], rewriteFile(section, TmpFile[section]), &error),
             qPrintable(error));
    QCOMPARE(ProgramFolder::readBytes(TmpFile[section]), expected);

    QVERIFY(TextFile::writeLines(TmpFile[section], rewriteFile(section, TmpFile[section])));
    QCOMPARE(ProgramFolder::readBytes(TmpFile[section]), expected);
}

void TestFormats::rewrite_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("expected");
    const int uh = SecUnitHyd, rd = SecRainDist, st = SecStorm, ve = SecVerif;

    for (const auto &[s, name] : {std::pair{uh, "uh"}, {rd, "rd"}, {st, "st"}, {ve, "ve"}}) {
        QTest::addRow("%s empty file", name) << s << QStringList{} << QStringList{};
        QTest::addRow("%s header only", name) << s << QStringList{QStringLiteral("HEADER:")} << QStringList{};
    }

    QTest::newRow("uh five ordinates, closing zero on its own line")
        << uh << QStringList{UhHeader, values({u"0"_s, u".5"_s, u"1"_s, u".6"_s, u".2"_s})}
        << QStringList{UhHeader, values({u"0."_s, u".5"_s, u"1."_s, u".6"_s, u".2"_s}), values({u"0."_s})};
    QTest::newRow("uh last ordinate 0 gets no closing zero")
        << uh << QStringList{UhHeader, values({u"0."_s, u".5"_s, u"0."_s})}
        << QStringList{UhHeader, values({u"0."_s, u".5"_s, u"0."_s})};
    QTest::newRow("uh negative last ordinate gets no closing zero")
        << uh << QStringList{UhHeader, values({u"0"_s, u"-.5"_s})}
        << QStringList{UhHeader, values({u"0."_s, u"-.5"_s})};
    QTest::newRow("uh text last ordinate counts as 0")
        << uh << QStringList{UhHeader, values({u"0"_s, u"abc"_s})}
        << QStringList{UhHeader, values({u"0."_s, u"abc."_s})};
    // Two loaded ordinates are kept, as two typed ones are.
    QTest::newRow("uh two loaded ordinates are written")
        << uh << QStringList{UhHeader, values({u"0"_s, u".5"_s})}
        << QStringList{UhHeader, values({u"0."_s, u".5"_s, u"0."_s})};
    QTest::newRow("uh one ordinate is no hydrograph")
        << uh << QStringList{UhHeader, values({u".5"_s})} << QStringList{};
    QTest::newRow("uh columns 1-20 and past 70 ignored")
        << uh << QStringList{UhHeader, at({{1, u"NOTE"_s}, {21, u"0"_s}, {31, u".4"_s}, {71, u"99"_s}})}
        << QStringList{UhHeader, values({u"0."_s, u".4"_s, u"0."_s})};
    QTest::newRow("uh gaps between fields close up")
        << uh << QStringList{UhHeader, at({{31, u"0"_s}, {61, u".3"_s}}), at({{41, u".1"_s}})}
        << QStringList{UhHeader, values({u"0."_s, u".3"_s, u".1"_s, u"0."_s})};
    QTest::newRow("uh reading stops at a blank line")
        << uh << QStringList{UhHeader, values({u"0"_s, u".5"_s}), blanks(5), values({u".7"_s, u"0"_s})}
        << QStringList{UhHeader, values({u"0."_s, u".5"_s, u"0."_s})};
    QTest::newRow("uh line without values skipped")
        << uh << QStringList{UhHeader, at({{1, u"COMMENT"_s}}), values({u"0"_s, u".5"_s, u"0"_s})}
        << QStringList{UhHeader, values({u"0."_s, u".5"_s, u"0."_s})};

    QTest::newRow("rd two tables in order, one empty line")
        << rd
        << QStringList{RdHeader, at({{11, u"R2"_s}, {31, u".5"_s}}), values({u"0"_s, u"1"_s}),
                       at({{11, u"R1"_s}, {31, u"1"_s}}), values({u"0"_s, u".1"_s, u".3"_s, u".6"_s, u".8"_s}), values({u"1"_s})}
        << QStringList{RdHeader, blanks(10) + pad(u"R2"_s) + blanks(10) + pad(u".5"_s), values({u"0."_s, u"1."_s}),
                       blanks(10) + pad(u"R1"_s) + blanks(10) + pad(u"1."_s),
                       values({u"0."_s, u".1"_s, u".3"_s, u".6"_s, u".8"_s}), values({u"1."_s}), QString()};
    QTest::newRow("rd values before the first table are dropped")
        << rd << QStringList{RdHeader, values({u".9"_s, u".9"_s}), at({{11, u"R1"_s}, {31, u".5"_s}}), values({u"0"_s, u"1"_s})}
        << QStringList{RdHeader, blanks(10) + pad(u"R1"_s) + blanks(10) + pad(u".5"_s), values({u"0."_s, u"1."_s}), QString()};
    QTest::newRow("rd table of one value is not written")
        << rd
        << QStringList{RdHeader, at({{11, u"R1"_s}, {31, u".5"_s}}), values({u"0"_s}), at({{11, u"R2"_s}, {31, u".5"_s}}),
                       values({u"0"_s, u"1"_s})}
        << QStringList{RdHeader, blanks(10) + pad(u"R2"_s) + blanks(10) + pad(u".5"_s), values({u"0."_s, u"1."_s}), QString()};
    QTest::newRow("rd only short tables: section absent")
        << rd << QStringList{RdHeader, at({{11, u"R1"_s}, {31, u".5"_s}}), values({u"0"_s}), at({{11, u"R2"_s}})}
        << QStringList{};
    QTest::newRow("rd reading stops at a blank line")
        << rd
        << QStringList{RdHeader, at({{11, u"R1"_s}, {31, u".5"_s}}), values({u"0"_s, u"1"_s}), QString(),
                       at({{11, u"R2"_s}, {31, u".5"_s}}), values({u"0"_s, u"1"_s})}
        << QStringList{RdHeader, blanks(10) + pad(u"R1"_s) + blanks(10) + pad(u".5"_s), values({u"0."_s, u"1."_s}), QString()};

    QTest::newRow("st full record")
        << st
        << QStringList{StHeader, at({{11, u"S1"_s}, {21, u"G1"_s}, {31, u"2"_s}, {41, u"3.5"_s}, {51, u"Type II"_s}, {61, u"2"_s}, {71, u"1.2"_s}})}
        << QStringList{StHeader, blanks(10) + pad(u"S1"_s) + pad(u"G1"_s) + pad(u"2."_s) + pad(u"3.5"_s) + pad(u"Type II"_s)
                                     + pad(u"2"_s) + pad(u"1.2"_s)};
    QTest::newRow("st short line gives blank fields, past 80 dropped")
        << st << QStringList{StHeader, at({{11, u"S1"_s}, {21, u"G1"_s}}), at({{11, u"S2"_s}, {71, u"1.25"_s}, {81, u"X"_s}})}
        << QStringList{StHeader, blanks(10) + pad(u"S1"_s) + pad(u"G1"_s) + blanks(50),
                       blanks(10) + pad(u"S2"_s) + blanks(50) + pad(u"1.25"_s)};
    // A blank line inside the file holds no record; the records after it stay.
    QTest::newRow("st blank line holds no record")
        << st << QStringList{StHeader, at({{11, u"S1"_s}, {51, u"T"_s}}), blanks(30), at({{11, u"S2"_s}, {51, u"T"_s}})}
        << QStringList{StHeader, blanks(10) + pad(u"S1"_s) + blanks(30) + pad(u"T"_s) + blanks(20),
                       blanks(10) + pad(u"S2"_s) + blanks(30) + pad(u"T"_s) + blanks(20)};
    QTest::newRow("st condition out of range kept")
        << st << QStringList{StHeader, at({{11, u"S1"_s}, {51, u"T"_s}, {61, u"0.3"_s}}), at({{11, u"S2"_s}, {51, u"T"_s}, {61, u"9"_s}})}
        << QStringList{StHeader, blanks(10) + pad(u"S1"_s) + blanks(30) + pad(u"T"_s) + pad(u"0.3"_s) + blanks(10),
                       blanks(10) + pad(u"S2"_s) + blanks(30) + pad(u"T"_s) + pad(u"9"_s) + blanks(10)};

    const QString dataPrepOnly21 = blanks(10) + u"DATA PREP "_s + u"Y "_s + blanks(58);
    const QString processingOnly41 = blanks(10) + u"PROCESSING"_s + blanks(20) + u"Y "_s;
    QTest::newRow("ve lower-case y ticks, N and YX do not")
        << ve << QStringList{VeHeader, at({{11, u"DATA PREP"_s}, {21, u"y"_s}, {23, u"N"_s}, {25, u"YX"_s}})}
        << QStringList{VeHeader, dataPrepOnly21, QString()};
    QTest::newRow("ve hidden box written back")
        << ve << QStringList{VeHeader, at({{11, u"DATA PREP"_s}, {51, u"Y"_s}})}
        << QStringList{VeHeader, blanks(10) + u"DATA PREP "_s + blanks(30) + u"Y "_s + blanks(28), QString()};
    QTest::newRow("ve processing flags past the eleventh ignored")
        << ve << QStringList{VeHeader, at({{11, u"PROCESSING"_s}, {41, u"Y"_s}, {43, u"Y"_s}, {79, u"Y"_s}})}
        << QStringList{VeHeader, processingOnly41, QString()};
    QTest::newRow("ve later key wins, reading goes past empty lines")
        << ve
        << QStringList{VeHeader, at({{11, u"DATA PREP"_s}, {23, u"Y"_s}}), QString(), at({{11, u"OTHER"_s}, {21, u"Y"_s}}),
                       at({{11, u"data prep"_s}, {21, u"Y"_s}}), at({{11, u"PROCESSING"_s}, {41, u"Y"_s}})}
        << QStringList{VeHeader, dataPrepOnly21, processingOnly41, QString()};
    QTest::newRow("ve key in columns 11-20 only")
        << ve << QStringList{VeHeader, at({{1, u"DATA PREP"_s}, {21, u"Y"_s}}), at({{11, u"PROCESS"_s}, {21, u"Y"_s}})}
        << QStringList{};
    QTest::newRow("ve flags all clear: section absent")
        << ve << QStringList{VeHeader, at({{11, u"DATA PREP"_s}, {21, u"n"_s}}), at({{11, u"PROCESSING"_s}})}
        << QStringList{};
}

void TestFormats::rewrite()
{
    QFETCH(int, section);
    QFETCH(QStringList, input);
    QFETCH(QStringList, expected);
    const QStringList written = rewriteLines(section, input);
    QCOMPARE(written, expected);
    // What the window writes reads back to the same lines.
    QCOMPARE(rewriteLines(section, written), expected);
}

void TestFormats::unitHydWriter_data()
{
    QTest::addColumn<QStringList>("ordinates");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("typed after the pre-entered 0")
        << QStringList{u"0"_s, u"0.4"_s, u"1"_s, u"0.3"_s} << QStringList{UhHeader, values({u"0."_s, u"0.4"_s, u"1."_s, u"0.3"_s, u"0."_s})};
    QTest::newRow("the 0 and one value") << QStringList{u"0"_s, u"0.5"_s} << QStringList{UhHeader, values({u"0."_s, u"0.5"_s, u"0."_s})};
    QTest::newRow("only the 0") << QStringList{u"0"_s} << QStringList{};
    QTest::newRow("no ordinates") << QStringList{} << QStringList{};
    // A blank ordinate is no ordinate: it neither counts nor leaves a gap, and
    // five of them never make a blank line that would end the section.
    QTest::newRow("blank ordinates left out")
        << QStringList{u"0"_s, u""_s, u" "_s, u"  "_s, u""_s, u""_s, u".5"_s, u" "_s} << QStringList{UhHeader, values({u"0."_s, u".5"_s, u"0."_s})};
    QTest::newRow("blank ordinates do not reach the threshold") << QStringList{u"0"_s, u""_s, u" "_s} << QStringList{};
    // A long typed ordinate is rounded to its 10 columns: the later ones stay in theirs.
    QTest::newRow("long ordinate rounded")
        << QStringList{u"0"_s, u"0.123456789012"_s, u".5"_s, u"0"_s} << QStringList{UhHeader, values({u"0."_s, u"0.12345679"_s, u".5"_s, u"0."_s})};
    QTest::newRow("ten-digit ordinate written whole")
        << QStringList{u"0"_s, u"0.12345678"_s, u"0"_s} << QStringList{UhHeader, values({u"0."_s, u"0.12345678"_s, u"0."_s})};
    QTest::newRow("blank-led ordinate trimmed") << QStringList{u"  0"_s, u" .5 "_s} << QStringList{UhHeader, values({u"0."_s, u".5"_s, u"0."_s})};
}

void TestFormats::unitHydWriter()
{
    QFETCH(QStringList, ordinates);
    QFETCH(QStringList, expected);
    const UnitHydFormat::UnitHydData data{ordinates};
    const QStringList lines = UnitHydFormat::UnitHydLines(data);
    QCOMPARE(lines, expected);
    QCOMPARE(UnitHydFormat::HasData(data), !expected.isEmpty());
    for (const QString &line : lines.mid(1))
        QVERIFY(line.size() <= 70);
}

void TestFormats::rainDistWriter_data()
{
    using RainDistFormat::MakeTable;
    QTest::addColumn<RainDistFormat::RainDistData>("data");
    QTest::addColumn<QStringList>("expected");
    const QString r1 = blanks(10) + pad(u"R1"_s) + blanks(10) + pad(u"0.25"_s);

    QTest::newRow("new table typed after the pre-entered 0")
        << RainDistFormat::RainDistData{{MakeTable(u"R1"_s, u"0.25"_s, {u"0"_s, u"0.1"_s, u"0.3"_s, u"0.6"_s, u"1.0"_s})}}
        << QStringList{RdHeader, r1, values({u"0."_s, u"0.1"_s, u"0.3"_s, u"0.6"_s, u"1.0"_s}), QString()};
    QTest::newRow("six values")
        << RainDistFormat::RainDistData{{MakeTable(u"R1"_s, u"0.25"_s, {u"0"_s, u".1"_s, u".2"_s, u".3"_s, u".4"_s, u".5"_s})}}
        << QStringList{RdHeader, r1, values({u"0."_s, u".1"_s, u".2"_s, u".3"_s, u".4"_s}), values({u".5"_s}), QString()};
    QTest::newRow("only the pre-entered 0: absent")
        << RainDistFormat::RainDistData{{MakeTable(u"R1"_s, u"0.25"_s, {u"0"_s})}} << QStringList{};
    QTest::newRow("deleted table keeps its slot, not written")
        << RainDistFormat::RainDistData{{MakeTable(u"R1"_s, u""_s), MakeTable(u"R2"_s, u"1"_s, {u"0"_s, u"1"_s})}}
        << QStringList{RdHeader, blanks(10) + pad(u"R2"_s) + blanks(10) + pad(u"1."_s), values({u"0."_s, u"1."_s}), QString()};
    QTest::newRow("no tables") << RainDistFormat::RainDistData{} << QStringList{};
    // A long identifier is cut to its 10 columns instead of shifting the increment.
    QTest::newRow("long identifier cut")
        << RainDistFormat::RainDistData{{MakeTable(u"LONGTABLE-12"_s, u"0.25"_s, {u"0"_s, u"1"_s})}}
        << QStringList{RdHeader, blanks(10) + u"LONGTABLE-"_s + blanks(10) + pad(u"0.25"_s), values({u"0."_s, u"1."_s}), QString()};
    // A table of blanks has no identifier: writing it would turn its header
    // into a value line of the table before.
    QTest::newRow("blank identifier is no table")
        << RainDistFormat::RainDistData{{MakeTable(u"R1"_s, u"0.25"_s, {u"0"_s, u"1"_s}), MakeTable(u"   "_s, u"2"_s, {u"0"_s, u"5"_s})}}
        << QStringList{RdHeader, r1, values({u"0."_s, u"1."_s}), QString()};
    QTest::newRow("blank values left out")
        << RainDistFormat::RainDistData{{MakeTable(u"R1"_s, u"0.25"_s, {u"0"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"1"_s, u""_s})}}
        << QStringList{RdHeader, r1, values({u"0."_s, u"1."_s}), QString()};
    QTest::newRow("long value and increment rounded")
        << RainDistFormat::RainDistData{{MakeTable(u"R1"_s, u"0.0833333333"_s, {u"0"_s, u"0.33333333333"_s, u"1"_s})}}
        << QStringList{RdHeader, blanks(10) + pad(u"R1"_s) + blanks(10) + u"0.08333333"_s, values({u"0."_s, u"0.33333333"_s, u"1."_s}),
                       QString()};
    QTest::newRow("missing header fields")
        << RainDistFormat::RainDistData{{FormatItem{{u"R1"_s}, {u"0"_s, u"1"_s}}}}
        << QStringList{RdHeader, blanks(10) + pad(u"R1"_s) + blanks(20), values({u"0."_s, u"1."_s}), QString()};
}

void TestFormats::rainDistWriter()
{
    QFETCH(RainDistFormat::RainDistData, data);
    QFETCH(QStringList, expected);
    QCOMPARE(RainDistFormat::RainDistLines(data), expected);
}

void TestFormats::rainDistReader()
{
    using RainDistFormat::MakeTable;
    const QStringList lines{RdHeader,
                            values({u".9"_s}),
                            at({{11, u"  R1"_s}, {21, u"X"_s}, {31, u" .25"_s}, {41, u"7"_s}}),
                            values({u"0"_s, u".5"_s}),
                            at({{1, u"NOTE"_s}, {21, u"1"_s}, {71, u"8"_s}}),
                            at({{11, u"R2"_s}}),
                            at({{11, u"R3"_s}, {31, u"1"_s}}),
                            values({u"0"_s, u"1"_s})};
    const RainDistFormat::RainDistData data = RainDistFormat::ParseRainDist(lines);
    const RainDistFormat::RainDistData expected{
        {MakeTable(u"R1"_s, u".25"_s, {u"0"_s, u".5"_s, u"1"_s}), MakeTable(u"R2"_s, u""_s), MakeTable(u"R3"_s, u"1"_s, {u"0"_s, u"1"_s})}};
    QCOMPARE(data, expected);

    // An empty table starts like a new one.
    QCOMPARE(RainDistFormat::GridStartValues(data.tables[1]), QStringList{u"0"_s});
    QCOMPARE(RainDistFormat::GridStartValues(data.tables[2]), (QStringList{u"0"_s, u"1"_s}));
    QCOMPARE(RainDistFormat::TableId(u"ABCDEFGHIJK"_s), QStringLiteral("ABCDEFGHIJ"));
    QCOMPARE(RainDistFormat::TableId(u"    "_s), QString());
    QVERIFY(!RainDistFormat::IsIdentifier(u"   "_s));
}

void TestFormats::stormWriter_data()
{
    QTest::addColumn<StormFormat::StormData>("data");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no records") << StormFormat::StormData{} << QStringList{};
    QTest::newRow("cells as held, untrimmed text")
        << StormFormat::StormData{{{u"S1"_s, u" G1"_s, u" 2 "_s, u"3.5"_s, u"Type II"_s, u"2"_s, u"1.2"_s}}}
        << QStringList{StHeader, blanks(10) + pad(u"S1"_s) + pad(u" G1"_s) + pad(u"2."_s) + pad(u"3.5"_s) + pad(u"Type II"_s)
                                     + pad(u"2"_s) + pad(u"1.2"_s)};
    QTest::newRow("record of blanks left out")
        << StormFormat::StormData{{{u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s}, {u"S1"_s, u""_s, u""_s, u""_s, u"T"_s, u"2"_s, u""_s}}}
        << QStringList{StHeader, blanks(10) + pad(u"S1"_s) + blanks(30) + pad(u"T"_s) + pad(u"2"_s) + blanks(10)};
    QTest::newRow("only blank records: absent") << StormFormat::StormData{{{u" "_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s}}}
                                                << QStringList{};
    QTest::newRow("short record padded")
        << StormFormat::StormData{{{u"S1"_s, u"G1"_s}}} << QStringList{StHeader, blanks(10) + pad(u"S1"_s) + pad(u"G1"_s) + blanks(50)};
    QTest::newRow("long fields kept in their columns")
        << StormFormat::StormData{{{u"STORM-NUMBER-1"_s, u"G1"_s, u"12.3456789012"_s, u"3"_s, u"TABLE-LONG-ID"_s, u"2"_s, u"1"_s}}}
        << QStringList{StHeader, blanks(10) + u"STORM-NUMB"_s + pad(u"G1"_s) + u"12.3456789"_s + pad(u"3."_s) + u"TABLE-LONG"_s
                                     + pad(u"2"_s) + pad(u"1."_s)};
}

void TestFormats::stormWriter()
{
    QFETCH(StormFormat::StormData, data);
    QFETCH(QStringList, expected);
    const QStringList lines = StormFormat::StormLines(data);
    QCOMPARE(lines, expected);
    for (const QString &line : lines.mid(1))
        QCOMPARE(line.size(), 80);
}

void TestFormats::stormReader()
{
    const StormFormat::StormData data = StormFormat::ParseStorm(
        {StHeader, at({{1, u"IGNORED"_s}, {11, u" S1"_s}, {21, u"G1  "_s}, {31, u"2"_s}, {41, u"3.5"_s}, {51, u"Type II"_s}, {61, u"2"_s}, {71, u"1.2"_s}}),
         at({{11, u"S2"_s}})});
    QCOMPARE(data.records.size(), 2);
    QCOMPARE(data.records[0], (QStringList{u"S1"_s, u"G1"_s, u"2"_s, u"3.5"_s, u"Type II"_s, u"2"_s, u"1.2"_s}));
    QCOMPARE(data.records[1], (QStringList{u"S2"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s}));
}

void TestFormats::stormCondition_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<bool>("useDefault");
    QTest::newRow("1") << "1" << 1 << true << false;
    QTest::newRow("3") << "3" << 3 << true << false;
    QTest::newRow("blank is the default") << "  " << 2 << true << true;
    QTest::newRow("2.4 rounds to 2") << "2.4" << 2 << true << false;
    QTest::newRow("2.5 rounds to even 2") << "2.5" << 2 << true << false;
    QTest::newRow("1.5 rounds to even 2") << "1.5" << 2 << true << false;
    QTest::newRow("leading number 3x") << "3x" << 3 << true << false;
    QTest::newRow("4") << "4" << 0 << false << false;
    QTest::newRow("3.5 rounds to 4") << "3.5" << 0 << false << false;
    QTest::newRow("0.3 rounds to 0") << "0.3" << 0 << false << false;
    QTest::newRow("0 is the default") << "0" << 2 << true << true;
    QTest::newRow("negative is the default") << "-2" << 2 << true << true;
    QTest::newRow("no number is the default") << "A" << 2 << true << true;
    QTest::newRow("huge") << "9999999999" << 0 << false << false;
    QTest::newRow("overflowing exponent is no number") << "1e999" << 2 << true << true;
}

void TestFormats::stormCondition()
{
    QFETCH(QString, stored);
    QFETCH(int, option);
    QFETCH(bool, inRange);
    QFETCH(bool, useDefault);
    const StormFormat::ConditionChoice choice = StormFormat::ConditionOption(stored);
    QCOMPARE(choice.option, option);
    QCOMPARE(choice.inRange, inRange);
    QCOMPARE(choice.useDefault, useDefault);
    // The text of an out-of-range condition survives a write.
    const QStringList lines = StormFormat::StormLines({{{u"S1"_s, u""_s, u""_s, u""_s, u"T"_s, stored, u""_s}}});
    QCOMPARE(TextFile::colsRaw(lines.value(1), 61, 70), pad(stored));
}

void TestFormats::verificationWriter_data()
{
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("none: absent") << QList<int>{} << QStringList{};
    QTest::newRow("Hydrograph Generation only")
        << QList<int>{36} << QStringList{VeHeader, blanks(10) + u"PROCESSING"_s + blanks(10) + u"Y "_s + blanks(10), QString()};
    QTest::newRow("Alternates Read and Flow Duration Computations")
        << QList<int>{1, 41}
        << QStringList{VeHeader, blanks(10) + u"DATA PREP "_s + u"Y "_s + blanks(58),
                       blanks(10) + u"PROCESSING"_s + blanks(20) + u"Y "_s, QString()};
    QTest::newRow("hidden boxes 16 and 30")
        << QList<int>{16, 30} << QStringList{VeHeader, blanks(10) + u"DATA PREP "_s + blanks(30) + u"Y "_s + blanks(26) + u"Y "_s, QString()};
}

void TestFormats::verificationWriter()
{
    QFETCH(QList<int>, boxes);
    QFETCH(QStringList, expected);
    VerificationFormat::VerificationData data;
    for (int box : boxes)
        data.setBox(box, true);
    const QStringList lines = VerificationFormat::VerificationLines(data);
    QCOMPARE(lines, expected);
    QCOMPARE(VerificationFormat::ParseVerification(lines), data);
}

void TestFormats::fitNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fitted");
    QTest::newRow("short kept, trimmed") << " 1.25 " << "1.25";
    QTest::newRow("ten kept") << "1234567890" << "1234567890";
    QTest::newRow("rounded") << "0.666666666667" << "0.66666667";
    QTest::newRow("trailing zeros dropped") << "2.000000000001" << "2.";
    QTest::newRow("leading zeros") << "0000000000.5" << "0.5";
    QTest::newRow("whole part too wide is cut") << "123456789012" << "1234567890";
    QTest::newRow("no number is cut") << "1.2.3.4.5.6.7" << "1.2.3.4.5.";
}

void TestFormats::fitNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, fitted);
    QCOMPARE(SetupFormat::FitNumber(text), fitted);
}

// Missing files read as absent sections; LF-only lines and a last line
// without its end read as CR LF ones do, and Latin-1 bytes survive.
void TestFormats::missingFilesAndLineEnds()
{
    ProgramFolder folder;
    const QString missing = folder.file(QStringLiteral("none.tmp"));
    QCOMPARE(UnitHydFormat::ReadUnitHyd(missing), UnitHydFormat::UnitHydData{});
    QCOMPARE(RainDistFormat::ReadRainDist(missing), RainDistFormat::RainDistData{});
    QCOMPARE(StormFormat::ReadStorm(missing), StormFormat::StormData{});
    QCOMPARE(VerificationFormat::ReadVerification(missing), VerificationFormat::VerificationData{});

    const QString path = folder.file(QStringLiteral("~RainDist.tmp"));
    ProgramFolder::writeBytes(path, "RAINFALL DISTRIBUTION:\n          R\xc9                  .5\n                    0         1");
    const auto data = RainDistFormat::ReadRainDist(path);
    QCOMPARE(data.tables.size(), 1);
    QCOMPARE(data.tables[0].header, (QStringList{QString::fromLatin1("R\xc9"), u".5"_s}));
    QCOMPARE(data.tables[0].values, (QStringList{u"0"_s, u"1"_s}));
    QVERIFY(TextFile::writeLines(path, RainDistFormat::RainDistLines(data)));
    QCOMPARE(ProgramFolder::readBytes(path),
             QByteArray(pad(u"RAINFALL DISTRIBUTION:"_s, 50).toLatin1() + "\r\n          R\xc9        "
                        "          .5        \r\n                    0.        1.        \r\n\r\n"));
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
