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
        << uh << QStringList{UhHeader, values({"0", ".5", "1", ".6", ".2"})}
        << QStringList{UhHeader, values({"0.", ".5", "1.", ".6", ".2"}), values({"0."})};
    QTest::newRow("uh last ordinate 0 gets no closing zero")
        << uh << QStringList{UhHeader, values({"0.", ".5", "0."})}
        << QStringList{UhHeader, values({"0.", ".5", "0."})};
    QTest::newRow("uh negative last ordinate gets no closing zero")
        << uh << QStringList{UhHeader, values({"0", "-.5"})}
        << QStringList{UhHeader, values({"0.", "-.5"})};
    QTest::newRow("uh text last ordinate counts as 0")
        << uh << QStringList{UhHeader, values({"0", "abc"})}
        << QStringList{UhHeader, values({"0.", "abc."})};
    // Two loaded ordinates are kept, as two typed ones are.
    QTest::newRow("uh two loaded ordinates are written")
        << uh << QStringList{UhHeader, values({"0", ".5"})}
        << QStringList{UhHeader, values({"0.", ".5", "0."})};
    QTest::newRow("uh one ordinate is no hydrograph")
        << uh << QStringList{UhHeader, values({".5"})} << QStringList{};
    QTest::newRow("uh columns 1-20 and past 70 ignored")
        << uh << QStringList{UhHeader, at({{1, "NOTE"}, {21, "0"}, {31, ".4"}, {71, "99"}})}
        << QStringList{UhHeader, values({"0.", ".4", "0."})};
    QTest::newRow("uh gaps between fields close up")
        << uh << QStringList{UhHeader, at({{31, "0"}, {61, ".3"}}), at({{41, ".1"}})}
        << QStringList{UhHeader, values({"0.", ".3", ".1", "0."})};
    QTest::newRow("uh reading stops at a blank line")
        << uh << QStringList{UhHeader, values({"0", ".5"}), blanks(5), values({".7", "0"})}
        << QStringList{UhHeader, values({"0.", ".5", "0."})};
    QTest::newRow("uh line without values skipped")
        << uh << QStringList{UhHeader, at({{1, "COMMENT"}}), values({"0", ".5", "0"})}
        << QStringList{UhHeader, values({"0.", ".5", "0."})};

    QTest::newRow("rd two tables in order, one empty line")
        << rd
        << QStringList{RdHeader, at({{11, "R2"}, {31, ".5"}}), values({"0", "1"}),
                       at({{11, "R1"}, {31, "1"}}), values({"0", ".1", ".3", ".6", ".8"}), values({"1"})}
        << QStringList{RdHeader, blanks(10) + pad("R2") + blanks(10) + pad(".5"), values({"0.", "1."}),
                       blanks(10) + pad("R1") + blanks(10) + pad("1."),
                       values({"0.", ".1", ".3", ".6", ".8"}), values({"1."}), QString()};
    QTest::newRow("rd values before the first table are dropped")
        << rd << QStringList{RdHeader, values({".9", ".9"}), at({{11, "R1"}, {31, ".5"}}), values({"0", "1"})}
        << QStringList{RdHeader, blanks(10) + pad("R1") + blanks(10) + pad(".5"), values({"0.", "1."}), QString()};
    QTest::newRow("rd table of one value is not written")
        << rd
        << QStringList{RdHeader, at({{11, "R1"}, {31, ".5"}}), values({"0"}), at({{11, "R2"}, {31, ".5"}}),
                       values({"0", "1"})}
        << QStringList{RdHeader, blanks(10) + pad("R2") + blanks(10) + pad(".5"), values({"0.", "1."}), QString()};
    QTest::newRow("rd only short tables: section absent")
        << rd << QStringList{RdHeader, at({{11, "R1"}, {31, ".5"}}), values({"0"}), at({{11, "R2"}})}
        << QStringList{};
    QTest::newRow("rd reading stops at a blank line")
        << rd
        << QStringList{RdHeader, at({{11, "R1"}, {31, ".5"}}), values({"0", "1"}), QString(),
                       at({{11, "R2"}, {31, ".5"}}), values({"0", "1"})}
        << QStringList{RdHeader, blanks(10) + pad("R1") + blanks(10) + pad(".5"), values({"0.", "1."}), QString()};

    QTest::newRow("st full record")
        << st
        << QStringList{StHeader, at({{11, "S1"}, {21, "G1"}, {31, "2"}, {41, "3.5"}, {51, "Type II"}, {61, "2"}, {71, "1.2"}})}
        << QStringList{StHeader, blanks(10) + pad("S1") + pad("G1") + pad("2.") + pad("3.5") + pad("Type II")
                                     + pad("2") + pad("1.2")};
    QTest::newRow("st short line gives blank fields, past 80 dropped")
        << st << QStringList{StHeader, at({{11, "S1"}, {21, "G1"}}), at({{11, "S2"}, {71, "1.25"}, {81, "X"}})}
        << QStringList{StHeader, blanks(10) + pad("S1") + pad("G1") + blanks(50),
                       blanks(10) + pad("S2") + blanks(50) + pad("1.25")};
    // A blank line inside the file holds no record; the records after it stay.
    QTest::newRow("st blank line holds no record")
        << st << QStringList{StHeader, at({{11, "S1"}, {51, "T"}}), blanks(30), at({{11, "S2"}, {51, "T"}})}
        << QStringList{StHeader, blanks(10) + pad("S1") + blanks(30) + pad("T") + blanks(20),
                       blanks(10) + pad("S2") + blanks(30) + pad("T") + blanks(20)};
    QTest::newRow("st condition out of range kept")
        << st << QStringList{StHeader, at({{11, "S1"}, {51, "T"}, {61, "0.3"}}), at({{11, "S2"}, {51, "T"}, {61, "9"}})}
        << QStringList{StHeader, blanks(10) + pad("S1") + blanks(30) + pad("T") + pad("0.3") + blanks(10),
                       blanks(10) + pad("S2") + blanks(30) + pad("T") + pad("9") + blanks(10)};

    const QString dataPrepOnly21 = blanks(10) + "DATA PREP " + "Y " + blanks(58);
    const QString processingOnly41 = blanks(10) + "PROCESSING" + blanks(20) + "Y ";
    QTest::newRow("ve lower-case y ticks, N and YX do not")
        << ve << QStringList{VeHeader, at({{11, "DATA PREP"}, {21, "y"}, {23, "N"}, {25, "YX"}})}
        << QStringList{VeHeader, dataPrepOnly21, QString()};
    QTest::newRow("ve hidden box written back")
        << ve << QStringList{VeHeader, at({{11, "DATA PREP"}, {51, "Y"}})}
        << QStringList{VeHeader, blanks(10) + "DATA PREP " + blanks(30) + "Y " + blanks(28), QString()};
    QTest::newRow("ve processing flags past the eleventh ignored")
        << ve << QStringList{VeHeader, at({{11, "PROCESSING"}, {41, "Y"}, {43, "Y"}, {79, "Y"}})}
        << QStringList{VeHeader, processingOnly41, QString()};
    QTest::newRow("ve later key wins, reading goes past empty lines")
        << ve
        << QStringList{VeHeader, at({{11, "DATA PREP"}, {23, "Y"}}), QString(), at({{11, "OTHER"}, {21, "Y"}}),
                       at({{11, "data prep"}, {21, "Y"}}), at({{11, "PROCESSING"}, {41, "Y"}})}
        << QStringList{VeHeader, dataPrepOnly21, processingOnly41, QString()};
    QTest::newRow("ve key in columns 11-20 only")
        << ve << QStringList{VeHeader, at({{1, "DATA PREP"}, {21, "Y"}}), at({{11, "PROCESS"}, {21, "Y"}})}
        << QStringList{};
    QTest::newRow("ve flags all clear: section absent")
        << ve << QStringList{VeHeader, at({{11, "DATA PREP"}, {21, "n"}}), at({{11, "PROCESSING"}})}
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
        << QStringList{"0", "0.4", "1", "0.3"} << QStringList{UhHeader, values({"0.", "0.4", "1.", "0.3", "0."})};
    QTest::newRow("the 0 and one value") << QStringList{"0", "0.5"} << QStringList{UhHeader, values({"0.", "0.5", "0."})};
    QTest::newRow("only the 0") << QStringList{"0"} << QStringList{};
    QTest::newRow("no ordinates") << QStringList{} << QStringList{};
    // A blank ordinate is no ordinate: it neither counts nor leaves a gap, and
    // five of them never make a blank line that would end the section.
    QTest::newRow("blank ordinates left out")
        << QStringList{"0", "", " ", "  ", "", "", ".5", " "} << QStringList{UhHeader, values({"0.", ".5", "0."})};
    QTest::newRow("blank ordinates do not reach the threshold") << QStringList{"0", "", " "} << QStringList{};
    // A long typed ordinate is rounded to its 10 columns: the later ones stay in theirs.
    QTest::newRow("long ordinate rounded")
        << QStringList{"0", "0.123456789012", ".5", "0"} << QStringList{UhHeader, values({"0.", "0.12345679", ".5", "0."})};
    QTest::newRow("ten-digit ordinate written whole")
        << QStringList{"0", "0.12345678", "0"} << QStringList{UhHeader, values({"0.", "0.12345678", "0."})};
    QTest::newRow("blank-led ordinate trimmed") << QStringList{"  0", " .5 "} << QStringList{UhHeader, values({"0.", ".5", "0."})};
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
    const QString r1 = blanks(10) + pad("R1") + blanks(10) + pad("0.25");

    QTest::newRow("new table typed after the pre-entered 0")
        << RainDistFormat::RainDistData{{MakeTable("R1", "0.25", {"0", "0.1", "0.3", "0.6", "1.0"})}}
        << QStringList{RdHeader, r1, values({"0.", "0.1", "0.3", "0.6", "1.0"}), QString()};
    QTest::newRow("six values")
        << RainDistFormat::RainDistData{{MakeTable("R1", "0.25", {"0", ".1", ".2", ".3", ".4", ".5"})}}
        << QStringList{RdHeader, r1, values({"0.", ".1", ".2", ".3", ".4"}), values({".5"}), QString()};
    QTest::newRow("only the pre-entered 0: absent")
        << RainDistFormat::RainDistData{{MakeTable("R1", "0.25", {"0"})}} << QStringList{};
    QTest::newRow("deleted table keeps its slot, not written")
        << RainDistFormat::RainDistData{{MakeTable("R1", ""), MakeTable("R2", "1", {"0", "1"})}}
        << QStringList{RdHeader, blanks(10) + pad("R2") + blanks(10) + pad("1."), values({"0.", "1."}), QString()};
    QTest::newRow("no tables") << RainDistFormat::RainDistData{} << QStringList{};
    // A long identifier is cut to its 10 columns instead of shifting the increment.
    QTest::newRow("long identifier cut")
        << RainDistFormat::RainDistData{{MakeTable("LONGTABLE-12", "0.25", {"0", "1"})}}
        << QStringList{RdHeader, blanks(10) + "LONGTABLE-" + blanks(10) + pad("0.25"), values({"0.", "1."}), QString()};
    // A table of blanks has no identifier: writing it would turn its header
    // into a value line of the table before.
    QTest::newRow("blank identifier is no table")
        << RainDistFormat::RainDistData{{MakeTable("R1", "0.25", {"0", "1"}), MakeTable("   ", "2", {"0", "5"})}}
        << QStringList{RdHeader, r1, values({"0.", "1."}), QString()};
    QTest::newRow("blank values left out")
        << RainDistFormat::RainDistData{{MakeTable("R1", "0.25", {"0", "", "", "", "", "", "1", ""})}}
        << QStringList{RdHeader, r1, values({"0.", "1."}), QString()};
    QTest::newRow("long value and increment rounded")
        << RainDistFormat::RainDistData{{MakeTable("R1", "0.0833333333", {"0", "0.33333333333", "1"})}}
        << QStringList{RdHeader, blanks(10) + pad("R1") + blanks(10) + "0.08333333", values({"0.", "0.33333333", "1."}),
                       QString()};
    QTest::newRow("missing header fields")
        << RainDistFormat::RainDistData{{FormatItem{{"R1"}, {"0", "1"}}}}
        << QStringList{RdHeader, blanks(10) + pad("R1") + blanks(20), values({"0.", "1."}), QString()};
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
                            values({".9"}),
                            at({{11, "  R1"}, {21, "X"}, {31, " .25"}, {41, "7"}}),
                            values({"0", ".5"}),
                            at({{1, "NOTE"}, {21, "1"}, {71, "8"}}),
                            at({{11, "R2"}}),
                            at({{11, "R3"}, {31, "1"}}),
                            values({"0", "1"})};
    const RainDistFormat::RainDistData data = RainDistFormat::ParseRainDist(lines);
    const RainDistFormat::RainDistData expected{
        {MakeTable("R1", ".25", {"0", ".5", "1"}), MakeTable("R2", ""), MakeTable("R3", "1", {"0", "1"})}};
    QCOMPARE(data, expected);

    // An empty table starts like a new one.
    QCOMPARE(RainDistFormat::GridStartValues(data.tables[1]), QStringList{"0"});
    QCOMPARE(RainDistFormat::GridStartValues(data.tables[2]), (QStringList{"0", "1"}));
    QCOMPARE(RainDistFormat::TableId("ABCDEFGHIJK"), QStringLiteral("ABCDEFGHIJ"));
    QCOMPARE(RainDistFormat::TableId("    "), QString());
    QVERIFY(!RainDistFormat::IsIdentifier("   "));
}

void TestFormats::stormWriter_data()
{
    QTest::addColumn<StormFormat::StormData>("data");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no records") << StormFormat::StormData{} << QStringList{};
    QTest::newRow("cells as held, untrimmed text")
        << StormFormat::StormData{{{"S1", " G1", " 2 ", "3.5", "Type II", "2", "1.2"}}}
        << QStringList{StHeader, blanks(10) + pad("S1") + pad(" G1") + pad("2.") + pad("3.5") + pad("Type II")
                                     + pad("2") + pad("1.2")};
    QTest::newRow("record of blanks left out")
        << StormFormat::StormData{{{"", "", "", "", "", "", ""}, {"S1", "", "", "", "T", "2", ""}}}
        << QStringList{StHeader, blanks(10) + pad("S1") + blanks(30) + pad("T") + pad("2") + blanks(10)};
    QTest::newRow("only blank records: absent") << StormFormat::StormData{{{" ", "", "", "", "", "", ""}}}
                                                << QStringList{};
    QTest::newRow("short record padded")
        << StormFormat::StormData{{{"S1", "G1"}}} << QStringList{StHeader, blanks(10) + pad("S1") + pad("G1") + blanks(50)};
    QTest::newRow("long fields kept in their columns")
        << StormFormat::StormData{{{"STORM-NUMBER-1", "G1", "12.3456789012", "3", "TABLE-LONG-ID", "2", "1"}}}
        << QStringList{StHeader, blanks(10) + "STORM-NUMB" + pad("G1") + "12.3456789" + pad("3.") + "TABLE-LONG"
                                     + pad("2") + pad("1.")};
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
        {StHeader, at({{1, "IGNORED"}, {11, " S1"}, {21, "G1  "}, {31, "2"}, {41, "3.5"}, {51, "Type II"}, {61, "2"}, {71, "1.2"}}),
         at({{11, "S2"}})});
    QCOMPARE(data.records.size(), 2);
    QCOMPARE(data.records[0], (QStringList{"S1", "G1", "2", "3.5", "Type II", "2", "1.2"}));
    QCOMPARE(data.records[1], (QStringList{"S2", "", "", "", "", "", ""}));
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
    const QStringList lines = StormFormat::StormLines({{{"S1", "", "", "", "T", stored, ""}}});
    QCOMPARE(TextFile::colsRaw(lines.value(1), 61, 70), pad(stored));
}

void TestFormats::verificationWriter_data()
{
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("none: absent") << QList<int>{} << QStringList{};
    QTest::newRow("Hydrograph Generation only")
        << QList<int>{36} << QStringList{VeHeader, blanks(10) + "PROCESSING" + blanks(10) + "Y " + blanks(10), QString()};
    QTest::newRow("Alternates Read and Flow Duration Computations")
        << QList<int>{1, 41}
        << QStringList{VeHeader, blanks(10) + "DATA PREP " + "Y " + blanks(58),
                       blanks(10) + "PROCESSING" + blanks(20) + "Y ", QString()};
    QTest::newRow("hidden boxes 16 and 30")
        << QList<int>{16, 30} << QStringList{VeHeader, blanks(10) + "DATA PREP " + blanks(30) + "Y " + blanks(26) + "Y ", QString()};
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
    QCOMPARE(data.tables[0].header, (QStringList{QString::fromLatin1("R\xc9"), ".5"}));
    QCOMPARE(data.tables[0].values, (QStringList{"0", "1"}));
    QVERIFY(TextFile::writeLines(path, RainDistFormat::RainDistLines(data)));
    QCOMPARE(ProgramFolder::readBytes(path),
             QByteArray(pad("RAINFALL DISTRIBUTION:", 50).toLatin1() + "\r\n          R\xc9        "
                        "          .5        \r\n                    0.        1.        \r\n\r\n"));
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
