// The local land-use and soil files (item reader and writer, records) and the
// Local Land Use section built from them at a save and merged into them at an
// open.
#include "DialogScript.h"
#include "ProgramFolder.h"

#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "core/RunSaveOpen.h"
#include "core/logic/LocalLandUseSection.h"
#include "core/logic/TextFile.h"
#include "sections/runoff/logic/LocalItems.h"
#include "sections/runoff/logic/LocalLandUseData.h"
#include "sections/runoff/logic/LocalSoilData.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <QDir>
#include <QTest>

using namespace Editglob;
using LocalLandUseData::LocalLandUse;
using Lines = QList<QStringList>;

namespace {

LocalLandUse landUse(const QString &name, const QString &a, const QString &b, const QString &c, const QString &d)
{
    return LocalLandUse{name, {a, b, c, d}};
}

QString landAreaLine(const QString &name, const QString &group, const QString &area)
{
    return QString(20, QLatin1Char(' ')) + QStringLiteral("LAND AREA ") + name.leftJustified(35)
           + group.leftJustified(5) + area.leftJustified(10);
}

QStringList names(const QList<LocalLandUse> &records)
{
    QStringList out;
    for (const LocalLandUse &r : records)
        out << r.Name;
    return out;
}

} // namespace

class TestLocalFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Standard_Land_Use::LoadStandardLandUse(); }
    void items_data();
    void items();
    void itemsWrittenQuotedLatin1();
    void landUseRecords();
    void soilRecords();
    void writeFailureKeepsOldFile_data();
    void writeFailureKeepsOldFile();

    void sectionLine();
    void buildSection_data();
    void buildSection();
    void mergeSection();
    void saveBuildsWorkingFile();
    void collectNamedLandUses();
    void saveOfSubAreasAndAlternates();
    void openMergesIntoLocalFile();
    void openReportsUnwritableLocalFile();
    void demoCarriesItsLocalLandUses();
    void demoOpenedAndSavedOnAnotherComputer();
    void saveStopsWhenSectionCannotBeWritten_data();
    void saveStopsWhenSectionCannotBeWritten();
};

void TestLocalFiles::items_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Lines>("expected");
    QTest::newRow("no terminator, no line end")
        << QByteArray("\"No end\",\"70\",\"80\"") << Lines{{"No end", "70", "80"}};
    QTest::newRow("blank-name record in the middle")
        << QByteArray("\"A\",\"70\"\r\n\"\",\"1\"\r\n\"B\",\"71\"\r\n")
        << Lines{{"A", "70"}, {"", "1"}, {"B", "71"}};
    QTest::newRow("unquoted items lose their blanks")
        << QByteArray(" Open lot , 61 ,75\r\n") << Lines{{"Open lot", "61", "75"}};
    QTest::newRow("quoted items keep blanks and commas")
        << QByteArray("\" Orchard, irrigated \", \"45\"\r\n") << Lines{{" Orchard, irrigated ", "45"}};
    QTest::newRow("lone quote ends at its line end")
        << QByteArray("\"lone, quote\r\n\"ok\"\r\n") << Lines{{"lone, quote"}, {"ok"}};
    QTest::newRow("quote inside an unquoted item")
        << QByteArray("Lot 5\" wide,40\r\n") << Lines{{"Lot 5\" wide", "40"}};
    QTest::newRow("text after a closing quote is dropped")
        << QByteArray("\"a\"bc,\"d\"\n") << Lines{{"a", "d"}};
    QTest::newRow("CR only") << QByteArray("\"A\",\"1\"\r\"B\"\r") << Lines{{"A", "1"}, {"B"}};
    QTest::newRow("LF only and blank lines")
        << QByteArray("\n\"A\"\n   \n\r\n\"B\"\n") << Lines{{"A"}, {"B"}};
    QTest::newRow("empty items from commas")
        << QByteArray(",\"x\",\r\n,\n") << Lines{{"", "x", ""}, {"", ""}};
    QTest::newRow("Latin-1 names") << QByteArray("\"Pr\xe9 sal\xe9\",\"\xc5\"\r\n")
                                   << Lines{{QString::fromLatin1("Pr\xe9 sal\xe9"), QString::fromLatin1("\xc5")}};
    QTest::newRow("terminator only") << QByteArray("\"\"\r\n") << Lines{{""}};
    QTest::newRow("empty file") << QByteArray() << Lines{};
}

void TestLocalFiles::items()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Lines, expected);
    const Lines lines = LocalItems::ReadItemLines(bytes);
    QCOMPARE(lines, expected);
    // Every record is written back: what was read must read back the same.
    const std::optional<QByteArray> written = LocalItems::WriteItemLines(lines);
    QVERIFY(written);
    QCOMPARE(LocalItems::ReadItemLines(*written), lines);
}

void TestLocalFiles::itemsWrittenQuotedLatin1()
{
    const Lines lines{{QString::fromLatin1("Pr\xe9, sal\xe9"), "", " 7 "}, {"Lot 5\" wide", "40"}, {""}};
    QCOMPARE(LocalItems::WriteItemLines(lines),
             QByteArray("\"Pr\xe9, sal\xe9\",\"\",\" 7 \"\r\nLot 5\" wide,\"40\"\r\n\"\"\r\n"));
    QVERIFY(LocalItems::CanQuoteItem(QString::fromLatin1("Pr\xe9")));
    QVERIFY(!LocalItems::CanQuoteItem(QStringLiteral("a\"b")));
    for (const QString &bad : {QStringLiteral("a\", b"), QStringLiteral("\"ab"), QStringLiteral(" a\"b"),
                               QStringLiteral("a\"b "), QStringLiteral("a\nb"), QStringLiteral("a\rb"),
                               QString(QChar(0x20AC))}) {
        QVERIFY2(!LocalItems::CanWriteItem(bad), qPrintable(bad));
        QVERIFY2(!LocalItems::WriteItemLines({{"ok"}, {"name", bad}}), qPrintable(bad));
    }
}

void TestLocalFiles::landUseRecords()
{
    // The terminator and a blank-named record in the middle name nothing; the
    // records behind them are still read. Short records are completed empty,
    // extra items are passed over, so no record shifts the next.
    const QByteArray bytes("\"First\",\"70\",\"80\",\"85\",\"90\"\r\n"
                           "\"\",\"1\",\"2\",\"3\",\"4\"\r\n"
                           "\"\"\r\n"
                           "\"Short\",\"60\"\r\n"
                           "\"Long\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"\r\n"
                           "Plain,61,,75,\r\n");
    const QList<LocalLandUse> records = LocalLandUseData::Parse(bytes);
    QCOMPARE(names(records), (QStringList{"First", "Short", "Long", "Plain"}));
    QCOMPARE(records[1].CN, (std::array<QString, 4>{"60", "", "", ""}));
    QCOMPARE(records[2].CN, (std::array<QString, 4>{"1", "2", "3", "4"}));
    QCOMPARE(records[3].CN, (std::array<QString, 4>{"61", "", "75", ""}));

    QCOMPARE(LocalLandUseData::Bytes({landUse("Orchard, irrigated", "45", "66", "", "83")}),
             std::optional(QByteArray("\"Orchard, irrigated\",\"45\",\"66\",\"\",\"83\"\r\n\"\"\r\n")));
    QCOMPARE(LocalLandUseData::Bytes({}), std::optional(QByteArray("\"\"\r\n")));
}

void TestLocalFiles::soilRecords()
{
    // A blank identifier stands alone: the item after it is the next identifier.
    const QList<LocalSoilData::LocalSoil> soils =
        LocalSoilData::Parse("\"Amesbury loam\",\"b/c\"\r\n\"\",\"B\"\r\n\"A/D\"\r\n\"\"\r\n\"Lone\"");
    QCOMPARE(soils.size(), 3);
    QCOMPARE(soils[0].Id, QStringLiteral("Amesbury loam"));
    QCOMPARE(LocalSoilData::GroupFlags(soils[0].Groups), (std::array<bool, 4>{false, true, true, false}));
    QCOMPARE(soils[1].Id, QStringLiteral("B"));
    QCOMPARE(soils[1].Groups, QStringLiteral("A/D"));
    QCOMPARE(soils[2].Id, QStringLiteral("Lone"));
    QVERIFY(soils[2].Groups.isEmpty());
    QCOMPARE(LocalSoilData::GroupText({true, false, true, true}), QStringLiteral("A/C/D"));
    QCOMPARE(LocalSoilData::Bytes({{QStringLiteral(" Riverwash "), QStringLiteral("A")}}),
             std::optional(QByteArray("\" Riverwash \",\"A\"\r\n\"\"\r\n")));
}

void TestLocalFiles::writeFailureKeepsOldFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("told");
    // A file stands where the folder should be: nothing can be written there.
    QTest::newRow("no folder") << "old/Local_Land_Use_Data.txt" << "New" << "";
    // No record of the file can carry a quote beside a comma.
    QTest::newRow("field no form carries") << "old" << "Lot 5\", wide" << "the land use \"Lot 5\", wide\"";
}

void TestLocalFiles::writeFailureKeepsOldFile()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QString, told);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old"));
    ProgramFolder::writeBytes(old, "old");
    QString error;
    QVERIFY(!LocalLandUseData::Write(dir.filePath(file), {landUse("Orchard", "45", "", "", ""),
                                                          landUse(name, "70", "", "", "")}, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(told), qPrintable(error));
    QCOMPARE(ProgramFolder::readBytes(old), QByteArray("old"));
}

void TestLocalFiles::sectionLine()
{
    QCOMPARE(LocalLandUseSection::SectionLine(landUse("Orchard, irrigated", "45", "66.5", "", "100")),
             QStringLiteral("Orchard, irrigated").leftJustified(50) + QStringLiteral("45.  66.5      100. "));
    const LocalLandUse back = LocalLandUseSection::ParseSectionLine(
        QStringLiteral("Orchard, irrigated").leftJustified(50) + QStringLiteral("45.  66.5      100. "));
    QCOMPARE(back.Name, QStringLiteral("Orchard, irrigated"));
    QCOMPARE(back.CN, (std::array<QString, 4>{"45.", "66.5", "", "100."}));
}

void TestLocalFiles::buildSection_data()
{
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QStringList>("oldSection");
    QTest::addColumn<QStringList>("expectedNames");

    const QString gone = QStringLiteral("Gone lot").leftJustified(50) + QStringLiteral("50.  60.  70.  80.  ");
    const QStringList old{QStringLiteral("LOCAL LAND USE:"), gone, QString()};
    QTest::newRow("local order, each once") << QStringList{"Parking", "Orchard", "Parking"} << QStringList{}
                                            << QStringList{"Orchard", "Parking"};
    QTest::newRow("names compared trimmed, without case")
        << QStringList{"  orchard  "} << QStringList{} << QStringList{"Orchard"};
    QTest::newRow("first of two equal local names") << QStringList{"Twice"} << QStringList{} << QStringList{"Twice"};
    QTest::newRow("nothing local named: section stays")
        << QStringList{"Pasture (Good)", "Gone lot"} << old << QStringList{};
    QTest::newRow("named but no longer local: kept from the old section")
        << QStringList{"GONE LOT", "Orchard"} << old << QStringList{"Orchard", "Gone lot"};
    QTest::newRow("old definitions no longer named are dropped")
        << QStringList{"Orchard"} << old << QStringList{"Orchard"};
}

void TestLocalFiles::buildSection()
{
    QFETCH(QStringList, named);
    QFETCH(QStringList, oldSection);
    QFETCH(QStringList, expectedNames);
    const QList<LocalLandUse> local{landUse("Orchard", "45", "66", "77", "83"),
                                    landUse("Parking", "76", "85", "89", "91"),
                                    landUse("Twice", "30", "", "", ""), landUse("TWICE", "99", "", "", "")};
    const QStringList lines = LocalLandUseSection::BuildSection(local, named, oldSection);
    if (expectedNames.isEmpty()) {
        QVERIFY(lines.isEmpty());
        return;
    }
    QCOMPARE(lines.first(), QStringLiteral("LOCAL LAND USE:"));
    QCOMPARE(lines.last(), QString());
    QStringList got;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        got << LocalLandUseSection::ParseSectionLine(lines[i]).Name;
    QCOMPARE(got, expectedNames);
    if (expectedNames.contains(QStringLiteral("Twice")))
        QCOMPARE(LocalLandUseSection::ParseSectionLine(lines[1]).CN[0], QStringLiteral("30."));
    if (expectedNames.contains(QStringLiteral("Gone lot")))
        QCOMPARE(lines[2], oldSection[1]);
}

void TestLocalFiles::mergeSection()
{
    const QString longName = QStringLiteral("A very long local land-use name that overruns");
    QList<LocalLandUse> local{landUse("Orchard", "45", "66", "77", "83")};
    const QStringList section{
        QStringLiteral("LOCAL LAND USE:"),
        QStringLiteral("ORCHARD").leftJustified(50) + QStringLiteral("1.   2.   3.   4.   "),
        QStringLiteral("pasture (good)").leftJustified(50) + QStringLiteral("1.   2.   3.   4.   "),
        QString(50, QLatin1Char(' ')) + QStringLiteral("70.  80.  85.  90.  "),
        // The local file holds a quote in a name written bare, as it was read.
        QStringLiteral("Lot 5\" wide").leftJustified(50) + QStringLiteral("40.  60.  70.  80.  "),
        // No form of it carries a quote first, or a quote beside a comma.
        QStringLiteral("\"Quoted\" lot").leftJustified(50) + QStringLiteral("70.  "),
        QStringLiteral("Lot 6\", wide").leftJustified(50) + QStringLiteral("70.  "),
        QStringLiteral("Meadow, wet").leftJustified(50) + QStringLiteral("78.  85.  90.  92.  "),
        longName.leftJustified(50) + QStringLiteral("60.  "),
        QStringLiteral("MEADOW, WET").leftJustified(50) + QStringLiteral("1.   "),
    };
    const LocalLandUseSection::MergeResult result = LocalLandUseSection::MergeSection(local, section);
    QCOMPARE(result.added, 3);
    QCOMPARE(names(local), (QStringList{"Orchard", "Lot 5\" wide", "Meadow, wet", longName.left(35).trimmed()}));
    QCOMPARE(local[1].CN, (std::array<QString, 4>{"40.", "60.", "70.", "80."}));
    QCOMPARE(local[2].CN, (std::array<QString, 4>{"78.", "85.", "90.", "92."}));
    QCOMPARE(result.cutNames, QStringList{longName});
    QCOMPARE(result.refusedNames, (QStringList{"\"Quoted\" lot", "Lot 6\", wide"}));
}

void TestLocalFiles::saveBuildsWorkingFile()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(LocalLandUseFile, "\"Orchard, irrigated\",\"45\",\"66\",\"77\",\"83\"\r\n"
                                                "\"Parking lot\",\"76\",\"85\",\"89\",\"91\"\r\n\"\"\r\n");
    TextFile::writeLines(TmpFile[SecSubArea],
                         {QStringLiteral("SUB-AREA:").leftJustified(40),
                          QStringLiteral("          NORTH     OUTLET    G1"),
                          landAreaLine(QStringLiteral("Pasture (Good)"), QStringLiteral("B"), QStringLiteral("1.")),
                          landAreaLine(QStringLiteral("Gone lot"), QStringLiteral("C"), QStringLiteral("2."))});
    TextFile::writeLines(TmpFile[SecAlternate],
                         {QStringLiteral("ALTERNATE ANALYSIS:").leftJustified(40),
                          landAreaLine(QStringLiteral("orchard, IRRIGATED"), QStringLiteral("A"), QStringLiteral("3."))});
    const QByteArray gone = QStringLiteral("Gone lot").leftJustified(50).toLatin1() + "50.  60.  70.  80.  ";
    ProgramFolder::writeBytes(TmpFile[SecLocalLandUse], "LOCAL LAND USE:\r\n" + gone + "\r\n");
    QVERIFY(LocalLandUseSection::BuildLocalLandUseSection());
    QCOMPARE(ProgramFolder::readBytes(TmpFile[SecLocalLandUse]),
             "LOCAL LAND USE:\r\n" + QByteArray("Orchard, irrigated").leftJustified(50) + "45.  66.  77.  83.  \r\n"
                 + gone + "\r\n\r\n");

    // With no local land use named the section is left as it stands.
    TextFile::writeLines(TmpFile[SecAlternate], {});
    ProgramFolder::writeBytes(TmpFile[SecLocalLandUse], "LOCAL LAND USE:\r\n" + gone + "\r\n");
    QVERIFY(LocalLandUseSection::BuildLocalLandUseSection());
    QCOMPARE(ProgramFolder::readBytes(TmpFile[SecLocalLandUse]), "LOCAL LAND USE:\r\n" + gone + "\r\n");
}

void TestLocalFiles::collectNamedLandUses()
{
    // Lines of either end, a line far longer than a read piece, a last line
    // without its end; the keyword anywhere in columns 21-30, in any case,
    // "LAND AREA" or "WEIGHT CN" and nothing longer.
    const QByteArray land = QByteArray(20, ' ') + "LAND AREA ";
    const QByteArray name35 = QByteArray("N").repeated(35);
    const QByteArray bytes = "SUB-AREA:\r\n" + land + QByteArray("Orchard").leftJustified(35) + "B    1.\r\n" + land + "  Pr\xe9 de fauche\n" + land
                             + "Long" + QByteArray(TextFile::LineReader::MaxPiece * 2, 'x') + "\r\n" + land
                             + "After the long line\r\n" + land + "Orchard\r\n" + land + name35 + "B    2.\r\n"
                             + QByteArray(20, ' ') + "land area Lower case\r\n" + QByteArray(21, ' ')
                             + "LAND AREA Shifted\r\n" + QByteArray(20, ' ') + "Weight CN Weighted\r\n"
                             + QByteArray(20, ' ') + "LAND AREAS Longer keyword\r\n" + land + "     \r\n"
                             + QByteArray(20, ' ') + "LAND AREA\r\n" + land + "Last line";
    TextFile::LineReader reader;
    reader.openBytes(bytes);
    QSet<QByteArray> names{"Kept"};
    LocalLandUseSection::CollectNamedLandUses(reader, names);
    QCOMPARE(names, (QSet<QByteArray>{"Kept", "Orchard", "Pr\xe9 de fauche", "Long" + QByteArray(31, 'x'),
                                      "After the long line", name35, "Lower case", "Shifted", "Weighted",
                                      "Last line"}));
}

void TestLocalFiles::saveOfSubAreasAndAlternates()
{
    // Names repeated, in other letter case, indented, with a Latin-1 letter,
    // in the sub-areas and the alternates; land rows whose keyword is in
    // small letters or one column in; an old definition still named, one
    // named that the local file defines anew, and one no longer named.
    ProgramFolder folder;
    DialogScript script;
    ProgramFolder::writeBytes(LocalLandUseFile, "\"Orchard, irrigated\",\"45\",\"66\",\"77\",\"83\"\r\n"
                                                "\"Parking lot\",\"76\",\"85\",\"89\",\"91\"\r\n"
                                                "\"Pr\xe9 de fauche\",\"30\",\"58\",\"71\",\"78\"\r\n"
                                                "\"Woods lot\",\"36\",\"60\",\"73\",\"79\"\r\n"
                                                "\"ORCHARD, IRRIGATED\",\"1\",\"2\",\"3\",\"4\"\r\n"
                                                "\"Wet meadow\",\"78\",\"85\",\"90\",\"92\"\r\n"
                                                "\"Not named\",\"10\",\"20\",\"30\",\"40\"\r\n\"\"\r\n");
    QVERIFY(InputFileStore::Split(QStringLiteral(QV_TEST_DATA "/runoff/landuse_open.inp"), TmpFile).opened);
    const QString saved = folder.file(QStringLiteral("Saved.inp"));
    SetFileName(saved);
    script.answer(Dialogs::Answer::OK);
    QVERIFY(Run_Save_Open::SaveInputFile());
    QCOMPARE(ProgramFolder::readBytes(TmpFile[SecLocalLandUse]),
             "LOCAL LAND USE:\r\n" + QByteArray("Orchard, irrigated").leftJustified(50) + "45.  66.  77.  83.  \r\n"
                 + QByteArray("Parking lot").leftJustified(50) + "76.  85.  89.  91.  \r\n"
                 + QByteArray("Pr\xe9 de fauche").leftJustified(50) + "30.  58.  71.  78.  \r\n"
                 + QByteArray("Woods lot").leftJustified(50) + "36.  60.  73.  79.  \r\n"
                 + QByteArray("Wet meadow").leftJustified(50) + "78.  85.  90.  92.  \r\n"
                 + QByteArray("Gone lot").leftJustified(50) + "50.  60.  70.  80.  \r\n\r\n");
    QCOMPARE(ProgramFolder::readBytes(saved),
             ProgramFolder::readBytes(QStringLiteral(QV_TEST_DATA "/runoff/landuse_saved.inp")));
}

void TestLocalFiles::openMergesIntoLocalFile()
{
    ProgramFolder folder;
    DialogScript script;
    // A record written by hand, its name holding a quote, is written back as
    // it reads.
    const QByteArray local("\"Orchard\",\"45\",\"66\",\"77\",\"83\"\r\nLot 5\" wide,40,60,70,80\r\n\"\"\r\n");
    ProgramFolder::writeBytes(LocalLandUseFile, local);
    const QByteArray longName("Long name of a land use brought in by a file");
    ProgramFolder::writeBytes(TmpFile[SecLocalLandUse],
                              "LOCAL LAND USE:\r\n" + QByteArray("orchard").leftJustified(50) + "1.   \r\n");
    LocalLandUseSection::MergeLocalLandUse();
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile), local); // nothing new: not rewritten

    // A name with a quote that came with the file arrives as a file written
    // by hand holds it.
    ProgramFolder::writeBytes(TmpFile[SecLocalLandUse],
                              "LOCAL LAND USE:\r\n" + QByteArray("Meadow, wet").leftJustified(50)
                                  + "78.  85.  90.  92.  \r\n" + QByteArray("Lot 6\" wide").leftJustified(50)
                                  + "45.  65.  \r\n" + longName.leftJustified(50) + "60.  \r\n\r\n");
    script.answer(Dialogs::Answer::OK);
    LocalLandUseSection::MergeLocalLandUse();
    QCOMPARE(script.asked().size(), 1);
    QVERIFY(script.messages().first().contains(QString::fromLatin1(longName)));
    QVERIFY(!script.messages().first().contains(QStringLiteral("not added")));
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile),
             QByteArray("\"Orchard\",\"45\",\"66\",\"77\",\"83\"\r\n"
                        "Lot 5\" wide,\"40\",\"60\",\"70\",\"80\"\r\n"
                        "\"Meadow, wet\",\"78.\",\"85.\",\"90.\",\"92.\"\r\n"
                        "Lot 6\" wide,\"45.\",\"65.\",\"\",\"\"\r\n\"")
                 + longName.left(35).trimmed() + "\",\"60.\",\"\",\"\",\"\"\r\n\"\"\r\n");
}

void TestLocalFiles::openReportsUnwritableLocalFile()
{
    ProgramFolder folder;
    DialogScript script;
    // A folder where the file should be: it can be neither read nor replaced.
    QVERIFY(QDir().mkpath(LocalLandUseFile));
    ProgramFolder::writeBytes(TmpFile[SecLocalLandUse],
                              "LOCAL LAND USE:\r\n" + QByteArray("Wet meadow").leftJustified(50) + "78.  \r\n");
    script.answer(Dialogs::Answer::OK);
    LocalLandUseSection::MergeLocalLandUse();
    QCOMPARE(script.messages().size(), 1);
    QVERIFY(script.messages().first().contains(LocalLandUseFile));
    QVERIFY(script.messages().first().contains(QStringLiteral("not updated")));
}

void TestLocalFiles::demoCarriesItsLocalLandUses()
{
    // The demo's section is exactly what a save builds from the demo folder's
    // local file, and opening the demo adds nothing to that file.
    ProgramFolder folder;
    DialogScript script;
    const QString demo = QStringLiteral(QV_RESOURCES_DIR "/demo/");
    const QByteArray local = ProgramFolder::readBytes(demo + QStringLiteral("Local_Land_Use_Data.txt"));
    ProgramFolder::writeBytes(LocalLandUseFile, local);
    QVERIFY(InputFileStore::Split(demo + QStringLiteral("Demo.inp"), TmpFile).opened);
    const QStringList opened = TextFile::readLines(TmpFile[SecLocalLandUse]);
    QCOMPARE(opened.size(), 3);
    LocalLandUseSection::MergeLocalLandUse();
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile), local);
    QVERIFY(LocalLandUseSection::BuildLocalLandUseSection());
    QCOMPARE(TextFile::readLines(TmpFile[SecLocalLandUse]), opened + QStringList{QString()});
}

void TestLocalFiles::demoOpenedAndSavedOnAnotherComputer()
{
    // A computer without a local land-use file opens the demo: its land uses
    // arrive in the local file as the section holds them, and the save writes
    // the section back unchanged.
    ProgramFolder folder(true);
    DialogScript script;
    const QByteArray input = ProgramFolder::readBytes(QStringLiteral(QV_RESOURCES_DIR "/demo/Demo.inp"));
    const auto section = [](const QByteArray &file) {
        const qsizetype from = file.indexOf("LOCAL LAND USE:");
        return from < 0 ? QByteArray() : file.mid(from, file.indexOf("\r\n\r\n", from) + 4 - from);
    };
    QCOMPARE(section(input), QByteArray("LOCAL LAND USE:\r\n") + QByteArray("Orchard, irrigated").leftJustified(50)
                                 + "45.  66.  77.  83.  \r\n" + QByteArray("Parking lot, gravel").leftJustified(50)
                                 + "76.  85.  89.  91.  \r\n\r\n");
    const QString path = folder.file(QStringLiteral("Demo.inp"));
    ProgramFolder::writeBytes(path, input);
    QFile::remove(LocalLandUseFile);
    SetFileName(path);
    Run_Save_Open::OpenInputFile();
    QCOMPARE(ProgramFolder::readBytes(LocalLandUseFile),
             QByteArray("\"Orchard, irrigated\",\"45.\",\"66.\",\"77.\",\"83.\"\r\n"
                        "\"Parking lot, gravel\",\"76.\",\"85.\",\"89.\",\"91.\"\r\n\"\"\r\n"));
    DataChanged = true;
    script.answer(Dialogs::Answer::OK);
    QVERIFY(Run_Save_Open::SaveInputFile());
    QCOMPARE(section(ProgramFolder::readBytes(path)), section(input));
}

void TestLocalFiles::saveStopsWhenSectionCannotBeWritten_data()
{
    QTest::addColumn<QByteArray>("local");
    QTest::addColumn<bool>("folder"); // a folder where the working file should be
    QTest::addColumn<QString>("told"); // empty: the save goes on
    const QByteArray unused("\"Unused\",\"77.125\",\"\",\"\",\"\"\r\n");
    QTest::newRow("working file cannot be written")
        << QByteArray("\"Orchard\",\"45\",\"66\",\"77\",\"83\"\r\n") << true << "~CurveNum.tmp";
    // Written whole it would run into the next field and read back as
    // 77.12 and 580.5.
    QTest::newRow("curve number with three decimals")
        << QByteArray("\"Orchard\",\"77.125\",\"80.5\",\"70\",\"60\"\r\n") << false
        << "the local land use \"Orchard\" has the curve number 77.125 for soil group A";
    QTest::newRow("curve number with an exponent")
        << QByteArray("\"Orchard\",\"45\",\"7.25E1\",\"\",\"\"\r\n") << false
        << "the local land use \"Orchard\" has the curve number 7.25E1 for soil group B";
    // Not named, it is not written.
    QTest::newRow("long curve number of a land use not named")
        << QByteArray("\"Orchard\",\"45\",\"1E2\",\"100\",\"99.5\"\r\n") + unused << false << "";
}

void TestLocalFiles::saveStopsWhenSectionCannotBeWritten()
{
    QFETCH(QByteArray, local);
    QFETCH(bool, folder);
    QFETCH(QString, told);
    ProgramFolder programFolder;
    DialogScript script;
    ProgramFolder::writeBytes(LocalLandUseFile, local + "\"\"\r\n");
    TextFile::writeLines(TmpFile[SecSubArea], {QStringLiteral("SUB-AREA:").leftJustified(40),
                                               QStringLiteral("          NORTH     OUTLET"),
                                               landAreaLine(QStringLiteral("Orchard"), QStringLiteral("A"),
                                                            QStringLiteral("1."))});
    const QByteArray section = "LOCAL LAND USE:\r\n" + QByteArray("Orchard").leftJustified(50) + "45.  \r\n\r\n";
    if (folder)
        QVERIFY(QDir().mkpath(TmpFile[SecLocalLandUse]));
    else
        ProgramFolder::writeBytes(TmpFile[SecLocalLandUse], section);
    const QString saved = programFolder.file(QStringLiteral("Saved.inp"));
    SetFileName(saved);
    DataChanged = true;
    script.answer(Dialogs::Answer::OK);
    if (told.isEmpty()) {
        QVERIFY(Run_Save_Open::SaveInputFile());
        QVERIFY(ProgramFolder::readBytes(saved).contains(QByteArray("Orchard").leftJustified(50)
                                                         + "45.  1.E2 100. 99.5 \r\n"));
        return;
    }
    QVERIFY(!Run_Save_Open::SaveInputFile());
    QVERIFY2(script.messages().first().contains(told), qPrintable(script.messages().first()));
    QVERIFY(!QFile::exists(saved));
    QVERIFY(DataChanged);
    if (!folder)
        QCOMPARE(ProgramFolder::readBytes(TmpFile[SecLocalLandUse]), section);
}

QTEST_MAIN(TestLocalFiles)
#include "tst_localfiles.moc"
