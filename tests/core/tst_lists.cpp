#include "ProgramFolder.h"

#include "core/Colors.h"
#include "core/ControlArray.h"
#include "core/logic/Editglob.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Table3D.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace Editglob;
using Files = QMap<int, QStringList>;

namespace {

// A record line of 10-column fields, starting at column 1.
QString rec(const QStringList &fields)
{
    QString line;
    for (const QString &f : fields)
        line += f.leftJustified(10, QLatin1Char(' '));
    return line;
}

void writeFiles(const Files &files)
{
    for (int slot = 1; slot <= 15; ++slot)
        QFile::remove(TmpFile[slot]);
    for (auto it = files.begin(); it != files.end(); ++it) {
        QByteArray bytes;
        for (const QString &line : it.value())
            bytes += line.toLatin1() + "\r\n";
        ProgramFolder::writeBytes(TmpFile[it.key()], bytes);
    }
}

const QString Blank10(10, QLatin1Char(' '));

} // namespace

class TestLists : public QObject
{
    Q_OBJECT
private slots:
    void addUniqueItem_data();
    void addUniqueItem();
    void removeCurrentItem_data();
    void removeCurrentItem();
    void fillers_data();
    void fillers();
    void alterBlockScan_data();
    void alterBlockScan();
    void rainGageTable_data();
    void rainGageTable();
    void rainGageTableEmptiedWithoutStormFile_data();
    void rainGageTableEmptiedWithoutStormFile();
    void lookupSubAreaField();
    void widgetLists();
    void reDimPreserve3D();
    void copyTextAndColor();

private:
    // The working files of every test live in this folder's temp folder.
    ProgramFolder folder_;
};

void TestLists::addUniqueItem_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("trimmed into empty list") << QStringList{} << u"  R1  "_s << QStringList{u"R1"_s};
    QTest::newRow("other case is a duplicate") << QStringList{u"r1"_s} << u" R1 "_s << QStringList{u"r1"_s};
    QTest::newRow("untrimmed entry matches") << QStringList{u" R1 "_s} << u"r1"_s << QStringList{u" R1 "_s};
    QTest::newRow("new entry appended") << QStringList{u"R1"_s} << u"R2"_s << QStringList{u"R1"_s, u"R2"_s};
    QTest::newRow("blank added once") << QStringList{u"R1"_s} << u"   "_s << QStringList{u"R1"_s, u""_s};
    QTest::newRow("blank not twice") << QStringList{u"R1"_s, u""_s} << u""_s << QStringList{u"R1"_s, u""_s};
    QTest::newRow("blank matches blank entry") << QStringList{u"  "_s} << u""_s << QStringList{u"  "_s};
}

void TestLists::addUniqueItem()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, item);
    QFETCH(QStringList, expected);
    TextList list{entries, {}};
    Globsubs::AddUniqueItem(list, item);
    QCOMPARE(list.items, expected);
}

void TestLists::removeCurrentItem_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("exact entry removed") << QStringList{u"A"_s, u"B"_s} << u"B"_s << QStringList{u"A"_s};
    QTest::newRow("case counts") << QStringList{u"A"_s, u"B"_s} << u"b"_s << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("blanks count") << QStringList{u"A"_s, u"B"_s} << u"B "_s << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("first of two removed") << QStringList{u"B"_s, u"A"_s, u"B"_s} << u"B"_s << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("never added") << QStringList{u"A"_s} << u"C"_s << QStringList{u"A"_s};
}

void TestLists::removeCurrentItem()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, current);
    QFETCH(QStringList, expected);
    TextList list{entries, current};
    Globsubs::RemoveCurrentItem(list);
    QCOMPARE(list.items, expected);
}

void TestLists::fillers_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("filler");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("expected");

    const QString reachHeader = QStringLiteral("STREAM REACH:");
    const Files network{
        {SecInpHyd, {u"INPUT HYDROGRAPH:"_s, rec({u""_s, u"H1"_s, u"R5"_s, u"s1"_s}), rec({u""_s, u""_s, u"100."_s, u"200."_s}),
                     rec({u""_s, u"H2"_s, u""_s, u""_s})}},
        {SecReach, {reachHeader, rec({u""_s, u"R1"_s, u"OUTLET"_s, u"X1"_s, u""_s, u"1200."_s}),
                    rec({u""_s, u""_s, u"BASE FLOW"_s, u"2."_s}),
                    rec({u""_s, u"r2"_s, u"R1"_s, u""_s, u"ST2"_s}),
                    rec({u""_s, u""_s, u"SPLIT FLOW"_s, u"R3"_s, u"X2"_s, u"1."_s, u"2."_s, u"0.5"_s}),
                    rec({u""_s, u""_s, u"split flow"_s, u"r3"_s, u""_s}), u""_s}},
        {SecSubArea, {u"SUB-AREA:"_s, rec({u""_s, u"A1"_s, u"R4"_s, u"G3"_s, u"1.2"_s}), rec({u""_s, u""_s, u"SHEET"_s, u"100."_s}),
                      rec({u""_s, u"A2"_s, u"Outlet"_s, u""_s}), u""_s}},
        {SecAlternate, {u"ALTERNATE ANALYSIS:"_s, rec({u"ALT1"_s, u"first alternate"_s}), rec({u""_s, u"REACHES"_s}),
                        rec({u""_s, u"R6"_s, u"R1"_s, u"X7"_s, u"ST7"_s}), rec({u""_s, u""_s, u"SPLIT FLOW"_s, u"R8"_s, u"X8"_s}),
                        rec({u""_s, u"AREAS"_s}), rec({u""_s, u"A9"_s, u"R6"_s}), rec({u""_s, u""_s, u"LAND AREA"_s, u"Meadow"_s}),
                        rec({u"ALT2"_s, u"second"_s}), rec({u""_s, u"AREAS"_s}), rec({u""_s, u"a1"_s}), u""_s}},
        {SecStruct, {u"STRUCTURE RATING:"_s, rec({u""_s, u"ST1"_s}), rec({u""_s, u""_s, u"100."_s, u"0."_s}), rec({u""_s, u"st2"_s})}},
        {SecXsect, {u"STREAM CROSS SECTION:"_s, rec({u""_s, u"X1"_s}), rec({u""_s, u""_s, u"100."_s, u"0."_s})}},
        {SecStorm, {u"STORM ANALYSIS:"_s, rec({u""_s, u"S1"_s, u"G1"_s, u""_s, u""_s, u"type ii"_s, u""_s, u"3.5"_s}),
                    rec({u""_s, u"S2"_s, u"G2"_s, u""_s, u""_s, u"RT2"_s}), rec({u""_s, u"s2"_s, u"G1"_s, u""_s, u""_s, u"rt2"_s, u""_s, u"3.8"_s}),
                    rec({u""_s, u"S3"_s, u"G2"_s, u""_s, u""_s, u""_s})}},
        {SecRainDist, {u"RAINFALL DISTRIBUTION:"_s, rec({u""_s, u"RT1"_s, u"0.1"_s}), rec({u""_s, u""_s, u"0."_s, u"0.2"_s})}},
    };

    QTest::newRow("structures") << network << "structure" << false << QStringList{}
                                << QStringList{u"ST1"_s, u"st2"_s};
    QTest::newRow("cross sections: structure reach and split without section give one empty entry")
        << network << u"xsect"_s << false << QStringList{} << QStringList{u"X1"_s, u""_s, u"X2"_s};
    QTest::newRow("input hydrographs") << network << "inputhyd" << false << QStringList{}
                                       << QStringList{u"H1"_s, u"H2"_s};
    QTest::newRow("storms: blank storm of a hydrograph, first form kept")
        << network << u"storm"_s << false << QStringList{} << QStringList{u"s1"_s, u""_s, u"S2"_s, u"S3"_s};
    QTest::newRow("locations with outlet")
        << network << "location" << false << QStringList{}
        << QStringList{u"R5"_s, u""_s, u"R1"_s, u"OUTLET"_s, u"r2"_s, u"R3"_s, u"R4"_s, u"R6"_s};
    QTest::newRow("locations without outlet, also an entry already there")
        << network << u"location"_s << true << QStringList{u"outlet"_s, u"R1"_s}
        << QStringList{u"R1"_s, u"R5"_s, u""_s, u"r2"_s, u"R3"_s, u"R4"_s, u"R6"_s};
    QTest::newRow("sub-areas with alternates' areas")
        << network << u"subarea"_s << false << QStringList{} << QStringList{u"A1"_s, u"A2"_s, u"A9"_s};
    QTest::newRow("alternates with the blank entry")
        << network << u"alternate"_s << true << QStringList{} << QStringList{u"ALT1"_s, u"ALT2"_s, Blank10};
    QTest::newRow("alternates again add a second blank")
        << network << u"alternate"_s << true << QStringList{u"ALT1"_s, u"ALT2"_s, Blank10}
        << QStringList{u"ALT1"_s, u"ALT2"_s, Blank10, Blank10};
    QTest::newRow("alternates without the blank entry")
        << network << u"alternate"_s << false << QStringList{u"alt1"_s} << QStringList{u"alt1"_s, u"ALT2"_s};
    QStringList standard = Globsubs::StandardRainDistributions();
    QTest::newRow("rain tables with the standard names twice")
        << network << u"raindist"_s << true << standard << standard + standard + QStringList{u"RT1"_s, u"RT2"_s};
    QTest::newRow("rain tables: standard names in other case are left out")
        << network << u"raindist"_s << false << QStringList{} << QStringList{u"RT1"_s, u"RT2"_s};
    QTest::newRow("rain gages of storms and sub-areas")
        << network << u"raingage"_s << false << QStringList{} << QStringList{u"G1"_s, u"G2"_s, u"G3"_s, u""_s};
    QTest::newRow("filling twice adds no duplicates")
        << network << u"location"_s << false << QStringList{u"R5"_s, u""_s, u"R1"_s, u"OUTLET"_s, u"r2"_s, u"R3"_s, u"R4"_s, u"R6"_s}
        << QStringList{u"R5"_s, u""_s, u"R1"_s, u"OUTLET"_s, u"r2"_s, u"R3"_s, u"R4"_s, u"R6"_s};

    const Files missing;
    for (const char *filler : {"structure", "xsect", "inputhyd", "storm", "location", "subarea", "raingage"})
        QTest::addRow("no working files: %s", filler) << missing << filler << false << QStringList{u"keep"_s}
                                                      << QStringList{u"keep"_s};
    QTest::newRow("no working files: alternates still get the blank")
        << missing << "alternate" << true << QStringList{} << QStringList{Blank10};
    QTest::newRow("header only and empty file")
        << Files{{SecStruct, {u"STRUCTURE RATING:"_s}}, {SecReach, {}}} << u"structure"_s << false << QStringList{}
        << QStringList{};
}

void TestLists::fillers()
{
    QFETCH(Files, files);
    QFETCH(QString, filler);
    QFETCH(bool, flag);
    QFETCH(QStringList, before);
    QFETCH(QStringList, expected);
    writeFiles(files);
    TextList list{before, {}};
    if (filler == QLatin1String("structure"))
        Globsubs::FillStructureList(list);
    else if (filler == QLatin1String("xsect"))
        Globsubs::FillXsectList(list);
    else if (filler == QLatin1String("inputhyd"))
        Globsubs::FillInputHydList(list);
    else if (filler == QLatin1String("storm"))
        Globsubs::FillStormList(list);
    else if (filler == QLatin1String("location"))
        Globsubs::FillLocationList(list, flag);
    else if (filler == QLatin1String("subarea"))
        Globsubs::FillSubAreaList(list);
    else if (filler == QLatin1String("alternate"))
        Globsubs::FillAlternateList(list, flag);
    else if (filler == QLatin1String("raindist"))
        Globsubs::FillRainDistList(flag, list);
    else if (filler == QLatin1String("raingage"))
        Globsubs::FillRainGageList(list);
    else
        QFAIL("unknown filler");
    QCOMPARE(list.items, expected);
}

void TestLists::alterBlockScan_data()
{
    QTest::addColumn<QStringList>("alter");
    QTest::addColumn<QStringList>("locations");
    QTest::addColumn<QStringList>("subAreas");
    const QString header = QStringLiteral("ALTERNATE ANALYSIS:");
    const QString reaches = rec({u""_s, u"REACHES"_s});
    const QString areas = rec({u""_s, u"AREAS"_s});
    QTest::newRow("both blocks")
        << QStringList{header, rec({u"ALT1"_s, u"d"_s}), reaches, rec({u""_s, u"R1"_s, u"R2"_s}), areas, rec({u""_s, u"A1"_s, u"R1"_s}), u""_s}
        << QStringList{u"R1"_s} << QStringList{u"A1"_s};
    QTest::newRow("keyword in small letters, areas after areas keyword read as a record")
        << QStringList{header, rec({u"ALT1"_s, u"d"_s}), rec({u""_s, u"reaches"_s}), rec({u""_s, u"R1"_s}), rec({u""_s, u"Areas"_s}),
                       rec({u""_s, u"A1"_s})}
        << QStringList{u"R1"_s} << QStringList{u"A1"_s};
    QTest::newRow("areas keyword then reaches keyword")
        << QStringList{header, rec({u"ALT1"_s, u"d"_s}), areas, reaches, rec({u""_s, u"R1"_s})} << QStringList{u"R1"_s}
        << QStringList{};
    QTest::newRow("reaches keyword is the last line") << QStringList{header, rec({u"ALT1"_s, u"d"_s}), reaches}
                                                      << QStringList{} << QStringList{};
    QTest::newRow("areas keyword is the last line") << QStringList{header, rec({u"ALT1"_s, u"d"_s}), areas}
                                                    << QStringList{} << QStringList{};
    QTest::newRow("blank line right after a keyword ends the scan")
        << QStringList{header, rec({u"ALT1"_s, u"d"_s}), reaches, u"   "_s, rec({u"ALT2"_s, u"d"_s}), reaches, rec({u""_s, u"R9"_s})}
        << QStringList{} << QStringList{};
    QTest::newRow("next alternate right after a keyword")
        << QStringList{header, rec({u"ALT1"_s, u"d"_s}), areas, rec({u"ALT2"_s, u"WIDE"_s, u"AREA"_s}), reaches,
                       rec({u""_s, u"R2"_s}), areas, rec({u""_s, u"A2"_s})}
        << QStringList{u"R2"_s} << QStringList{u"A2"_s};
    QTest::newRow("next alternate right after reaches keyword")
        << QStringList{header, rec({u"ALT1"_s, u"d"_s}), reaches, rec({u"ALT2"_s, u"DESCRIBED"_s}), rec({u""_s, u"X"_s})}
        << QStringList{} << QStringList{};
    QTest::newRow("an alternate line closes the block")
        << QStringList{header, rec({u"ALT1"_s, u"d"_s}), reaches, rec({u""_s, u"R1"_s}), rec({u"ALT2"_s, u"d"_s}), rec({u""_s, u"R7"_s})}
        << QStringList{u"R1"_s} << QStringList{};
    QTest::newRow("blank line ends both scans")
        << QStringList{header, rec({u"ALT1"_s, u"d"_s}), reaches, rec({u""_s, u"R1"_s}), u""_s, rec({u"ALT2"_s, u"d"_s}), areas,
                       rec({u""_s, u"A5"_s})}
        << QStringList{u"R1"_s} << QStringList{};
    QTest::newRow("detail lines give nothing")
        << QStringList{header, rec({u"ALT1"_s, u"d"_s}), reaches, rec({u""_s, u"R1"_s, u"R2"_s, u"X1"_s, u"ST1"_s}),
                       rec({u""_s, u""_s, u"SPLIT FLOW"_s, u"R4"_s, u"X4"_s})}
        << QStringList{u"R1"_s} << QStringList{};
}

void TestLists::alterBlockScan()
{
    QFETCH(QStringList, alter);
    QFETCH(QStringList, locations);
    QFETCH(QStringList, subAreas);
    writeFiles({{SecAlternate, alter}});
    TextList locationList;
    Globsubs::FillLocationList(locationList, false);
    QCOMPARE(locationList.items, locations);
    TextList subAreaList;
    Globsubs::FillSubAreaList(subAreaList);
    QCOMPARE(subAreaList.items, subAreas);
}

void TestLists::rainGageTable_data()
{
    QTest::addColumn<QStringList>("storm");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QList<float>>("rain");
    const QString header = QStringLiteral("STORM ANALYSIS:");
    QTest::newRow("later value of a gage replaces")
        << QStringList{header, rec({u""_s, u"S1"_s, u"G1"_s, u""_s, u""_s, u""_s, u""_s, u"3.5"_s}), rec({u""_s, u"S2"_s, u"G1"_s, u""_s, u""_s, u""_s, u""_s, u"3.8"_s})}
        << QStringList{u"G1"_s} << QList<float>{3.8f};
    QTest::newRow("blank later value keeps the earlier")
        << QStringList{header, rec({u""_s, u"S1"_s, u"G1"_s, u""_s, u""_s, u""_s, u""_s, u"3.5"_s}), rec({u""_s, u"S2"_s, u"G1"_s})}
        << QStringList{u"G1"_s} << QList<float>{3.5f};
    QTest::newRow("gages compared exactly, 0 without a value")
        << QStringList{header, rec({u""_s, u"S1"_s, u"G1"_s}), rec({u""_s, u"S2"_s, u"g1"_s, u""_s, u""_s, u""_s, u""_s, u"2"_s})}
        << QStringList{u"G1"_s, u"g1"_s} << QList<float>{0.0f, 2.0f};
    QTest::newRow("text that is no number leaves the value")
        << QStringList{header, rec({u""_s, u"S1"_s, u"G1"_s, u""_s, u""_s, u""_s, u""_s, u"2.5"_s}), rec({u""_s, u"S2"_s, u"G1"_s, u""_s, u""_s, u""_s, u""_s, u"abc"_s}),
                       rec({u""_s, u"S3"_s, u"G2"_s, u""_s, u""_s, u""_s, u""_s, u"1e99"_s})}
        << QStringList{u"G1"_s, u"G2"_s} << QList<float>{2.5f, 0.0f};
    QTest::newRow("closing empty line gives an empty gage")
        << QStringList{header, rec({u""_s, u"S1"_s, u"G1"_s, u""_s, u""_s, u""_s, u""_s, u"3"_s}), u""_s} << QStringList{u"G1"_s, u""_s}
        << QList<float>{3.0f, 0.0f};
}

void TestLists::rainGageTable()
{
    QFETCH(QStringList, storm);
    QFETCH(QStringList, ids);
    QFETCH(QList<float>, rain);
    writeFiles({{SecStorm, storm}});
    TextList list;
    Globsubs::FillRainGageList(list);
    QCOMPARE(RainGageCount, int(ids.size()));
    QCOMPARE(RainGageIds.mid(1), ids);
    QCOMPARE(RainGageTwoYear.mid(1), rain);
}

void TestLists::rainGageTableEmptiedWithoutStormFile_data()
{
    QTest::addColumn<bool>("emptyFile");
    QTest::newRow("missing file") << false;
    QTest::newRow("empty file") << true;
}

// The table of an earlier data set must not survive a file without storms.
void TestLists::rainGageTableEmptiedWithoutStormFile()
{
    QFETCH(bool, emptyFile);
    writeFiles({{SecStorm, {u"STORM ANALYSIS:"_s, rec({u""_s, u"S1"_s, u"G1"_s, u""_s, u""_s, u""_s, u""_s, u"3.5"_s})}}});
    TextList first;
    Globsubs::FillRainGageList(first);
    QCOMPARE(RainGageCount, 1);
    if (emptyFile)
        writeFiles({{SecStorm, {}}});
    else
        writeFiles({});
    TextList second;
    Globsubs::FillRainGageList(second);
    QCOMPARE(RainGageCount, 0);
    QCOMPARE(RainGageIds.size(), 1);
    QCOMPARE(RainGageTwoYear.size(), 1);
    QVERIFY(second.items.isEmpty());
}

void TestLists::lookupSubAreaField()
{
    writeFiles({{SecSubArea, {u"SUB-AREA:"_s, rec({u""_s, u"A1"_s, u"R1"_s, u"G1"_s}), rec({u""_s, u""_s, u"SHEET"_s, u"A2"_s}),
                              rec({u""_s, u"A2"_s, u"R1"_s, u"G2  "_s}), rec({u""_s, u"A2"_s, u"R1"_s, u"G9"_s})}}});
    QString result = QStringLiteral("old");
    Globsubs::LookupSubAreaField(QStringLiteral("A2"), result);
    QCOMPARE(result, QStringLiteral("G2"));
    result = QStringLiteral("old");
    Globsubs::LookupSubAreaField(QStringLiteral("a2"), result);
    QCOMPARE(result, QStringLiteral("old"));
    Globsubs::LookupSubAreaField(QStringLiteral(" A2"), result);
    QCOMPARE(result, QStringLiteral("old"));
    writeFiles({});
    Globsubs::LookupSubAreaField(QStringLiteral("A1"), result);
    QCOMPARE(result, QStringLiteral("old"));
}

void TestLists::widgetLists()
{
    writeFiles({{SecStruct, {u"STRUCTURE RATING:"_s, rec({u""_s, u"ST1"_s}), rec({u""_s, u"ST2"_s})}}});
    QComboBox combo;
    combo.setEditable(true);
    combo.setEditText(QStringLiteral("typed"));
    Globsubs::FillStructureList(&combo);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(1), QStringLiteral("ST2"));
    QCOMPARE(combo.currentText(), QStringLiteral("typed"));
    combo.setEditText(QStringLiteral("ST1"));
    Globsubs::RemoveCurrentItem(&combo);
    QCOMPARE(combo.count(), 1);
    QCOMPARE(combo.itemText(0), QStringLiteral("ST2"));

    QListWidget listBox;
    Globsubs::FillStructureList(&listBox);
    Globsubs::AddUniqueItem(&listBox, QStringLiteral(" st1 "));
    QCOMPARE(listBox.count(), 2);
    listBox.setCurrentRow(1);
    QCOMPARE(ListRef(&listBox).Text(), QStringLiteral("ST2"));
    Globsubs::RemoveCurrentItem(&listBox);
    QCOMPARE(listBox.count(), 1);
    QCOMPARE(listBox.item(0)->text(), QStringLiteral("ST1"));
}

void TestLists::reDimPreserve3D()
{
    Table3D table(27, 2, 3);
    for (int i = 0; i <= 27; ++i)
        for (int j = 0; j <= 2; ++j)
            for (int k = 0; k <= 3; ++k)
                table(i, j, k) = QStringLiteral("%1.%2.%3").arg(i).arg(j).arg(k);

    Table3D grown = table;
    Globsubs::ReDimPreserve3D(grown, 27, 3, 3);
    QCOMPARE(grown.bound2(), 3);
    for (int i = 1; i <= 27; ++i)
        for (int j = 1; j <= 2; ++j)
            for (int k = 1; k <= 3; ++k)
                QCOMPARE(grown.value(i, j, k), QStringLiteral("%1.%2.%3").arg(i).arg(j).arg(k));
    QCOMPARE(grown.value(5, 3, 2), QString());
    QCOMPARE(grown.value(0, 1, 1), QString()); // index 0 is not kept

    Table3D shrunk = table;
    Globsubs::ReDimPreserve3D(shrunk, 27, 2, 2);
    QCOMPARE(shrunk.bound3(), 2);
    QCOMPARE(shrunk.value(27, 2, 2), QStringLiteral("27.2.2"));
    QCOMPARE(shrunk.value(27, 2, 3), QString());
    Globsubs::ReDimPreserve3D(shrunk, 27, 2, 3);
    QCOMPARE(shrunk.value(27, 2, 3), QString()); // dropped for good
}

void TestLists::copyTextAndColor()
{
    QWidget window;
    for (int i = 1; i <= 3; ++i) {
        auto *box = new QLineEdit(&window);
        box->setObjectName(QStringLiteral("txtinp_%1").arg(i));
        box->setText(QStringLiteral("V%1").arg(i));
        Globsubs::SetBackColor(box, i == 1 ? Colors::Red : Colors::Cyan);
    }
    auto *editable = new QComboBox(&window);
    editable->setObjectName(QStringLiteral("Cmbinp_1"));
    editable->setEditable(true);
    auto *dropDown = new QComboBox(&window);
    dropDown->setObjectName(QStringLiteral("Cmbinp_2"));
    dropDown->addItems({QStringLiteral("A"), QStringLiteral("B")});
    auto *dropDownWithEntry = new QComboBox(&window);
    dropDownWithEntry->setObjectName(QStringLiteral("Cmbinp_3"));
    dropDownWithEntry->addItems({QStringLiteral("V1"), QStringLiteral("V3")});

    const ControlArray txtinp = ControlArray::find(&window, QStringLiteral("txtinp"));
    const ControlArray cmbinp = ControlArray::find(&window, QStringLiteral("Cmbinp"));
    QCOMPARE(txtinp.indexes(), (QList<int>{1, 2, 3}));

    Globsubs::CopyTextAndColor(txtinp, cmbinp, 1);
    QCOMPARE(editable->currentText(), QStringLiteral("V1"));
    QCOMPARE(Globsubs::BackColor(editable), Colors::Red);

    Globsubs::CopyTextAndColor(txtinp, cmbinp, 2); // a text the list cannot take
    QCOMPARE(dropDown->currentText(), QStringLiteral("A"));
    QCOMPARE(Globsubs::BackColor(dropDown), Colors::Cyan);

    Globsubs::CopyTextAndColor(txtinp, cmbinp, 3);
    QCOMPARE(dropDownWithEntry->currentText(), QStringLiteral("V3"));

    Globsubs::CopyTextAndColor(txtinp, cmbinp, 7); // an index neither array has
    Globsubs::CopyTextAndColor(cmbinp, txtinp, 3);
    QCOMPARE(Globsubs::ControlText(txtinp.at(3)), QStringLiteral("V3"));
}

QTEST_MAIN(TestLists)
#include "tst_lists.moc"
