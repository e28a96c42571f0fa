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
    QTest::newRow("trimmed into empty list") << QStringList{} << "  R1  " << QStringList{"R1"};
    QTest::newRow("other case is a duplicate") << QStringList{"r1"} << " R1 " << QStringList{"r1"};
    QTest::newRow("untrimmed entry matches") << QStringList{" R1 "} << "r1" << QStringList{" R1 "};
    QTest::newRow("new entry appended") << QStringList{"R1"} << "R2" << QStringList{"R1", "R2"};
    QTest::newRow("blank added once") << QStringList{"R1"} << "   " << QStringList{"R1", ""};
    QTest::newRow("blank not twice") << QStringList{"R1", ""} << "" << QStringList{"R1", ""};
    QTest::newRow("blank matches blank entry") << QStringList{"  "} << "" << QStringList{"  "};
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
    QTest::newRow("exact entry removed") << QStringList{"A", "B"} << "B" << QStringList{"A"};
    QTest::newRow("case counts") << QStringList{"A", "B"} << "b" << QStringList{"A", "B"};
    QTest::newRow("blanks count") << QStringList{"A", "B"} << "B " << QStringList{"A", "B"};
    QTest::newRow("first of two removed") << QStringList{"B", "A", "B"} << "B" << QStringList{"A", "B"};
    QTest::newRow("never added") << QStringList{"A"} << "C" << QStringList{"A"};
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
        {SecInpHyd, {"INPUT HYDROGRAPH:", rec({"", "H1", "R5", "s1"}), rec({"", "", "100.", "200."}),
                     rec({"", "H2", "", ""})}},
        {SecReach, {reachHeader, rec({"", "R1", "OUTLET", "X1", "", "1200."}),
                    rec({"", "", "BASE FLOW", "2."}),
                    rec({"", "r2", "R1", "", "ST2"}),
                    rec({"", "", "SPLIT FLOW", "R3", "X2", "1.", "2.", "0.5"}),
                    rec({"", "", "split flow", "r3", ""}), ""}},
        {SecSubArea, {"SUB-AREA:", rec({"", "A1", "R4", "G3", "1.2"}), rec({"", "", "SHEET", "100."}),
                      rec({"", "A2", "Outlet", ""}), ""}},
        {SecAlternate, {"ALTERNATE ANALYSIS:", rec({"ALT1", "first alternate"}), rec({"", "REACHES"}),
                        rec({"", "R6", "R1", "X7", "ST7"}), rec({"", "", "SPLIT FLOW", "R8", "X8"}),
                        rec({"", "AREAS"}), rec({"", "A9", "R6"}), rec({"", "", "LAND AREA", "Meadow"}),
                        rec({"ALT2", "second"}), rec({"", "AREAS"}), rec({"", "a1"}), ""}},
        {SecStruct, {"STRUCTURE RATING:", rec({"", "ST1"}), rec({"", "", "100.", "0."}), rec({"", "st2"})}},
        {SecXsect, {"STREAM CROSS SECTION:", rec({"", "X1"}), rec({"", "", "100.", "0."})}},
        {SecStorm, {"STORM ANALYSIS:", rec({"", "S1", "G1", "", "", "type ii", "", "3.5"}),
                    rec({"", "S2", "G2", "", "", "RT2"}), rec({"", "s2", "G1", "", "", "rt2", "", "3.8"}),
                    rec({"", "S3", "G2", "", "", ""})}},
        {SecRainDist, {"RAINFALL DISTRIBUTION:", rec({"", "RT1", "0.1"}), rec({"", "", "0.", "0.2"})}},
    };

    QTest::newRow("structures") << network << "structure" << false << QStringList{}
                                << QStringList{"ST1", "st2"};
    QTest::newRow("cross sections: structure reach and split without section give one empty entry")
        << network << "xsect" << false << QStringList{} << QStringList{"X1", "", "X2"};
    QTest::newRow("input hydrographs") << network << "inputhyd" << false << QStringList{}
                                       << QStringList{"H1", "H2"};
    QTest::newRow("storms: blank storm of a hydrograph, first form kept")
        << network << "storm" << false << QStringList{} << QStringList{"s1", "", "S2", "S3"};
    QTest::newRow("locations with outlet")
        << network << "location" << false << QStringList{}
        << QStringList{"R5", "", "R1", "OUTLET", "r2", "R3", "R4", "R6"};
    QTest::newRow("locations without outlet, also an entry already there")
        << network << "location" << true << QStringList{"outlet", "R1"}
        << QStringList{"R1", "R5", "", "r2", "R3", "R4", "R6"};
    QTest::newRow("sub-areas with alternates' areas")
        << network << "subarea" << false << QStringList{} << QStringList{"A1", "A2", "A9"};
    QTest::newRow("alternates with the blank entry")
        << network << "alternate" << true << QStringList{} << QStringList{"ALT1", "ALT2", Blank10};
    QTest::newRow("alternates again add a second blank")
        << network << "alternate" << true << QStringList{"ALT1", "ALT2", Blank10}
        << QStringList{"ALT1", "ALT2", Blank10, Blank10};
    QTest::newRow("alternates without the blank entry")
        << network << "alternate" << false << QStringList{"alt1"} << QStringList{"alt1", "ALT2"};
    QStringList standard = Globsubs::StandardRainDistributions();
    QTest::newRow("rain tables with the standard names twice")
        << network << "raindist" << true << standard << standard + standard + QStringList{"RT1", "RT2"};
    QTest::newRow("rain tables: standard names in other case are left out")
        << network << "raindist" << false << QStringList{} << QStringList{"RT1", "RT2"};
    QTest::newRow("rain gages of storms and sub-areas")
        << network << "raingage" << false << QStringList{} << QStringList{"G1", "G2", "G3", ""};
    QTest::newRow("filling twice adds no duplicates")
        << network << "location" << false << QStringList{"R5", "", "R1", "OUTLET", "r2", "R3", "R4", "R6"}
        << QStringList{"R5", "", "R1", "OUTLET", "r2", "R3", "R4", "R6"};

    const Files missing;
    for (const char *filler : {"structure", "xsect", "inputhyd", "storm", "location", "subarea", "raingage"})
        QTest::addRow("no working files: %s", filler) << missing << filler << false << QStringList{"keep"}
                                                      << QStringList{"keep"};
    QTest::newRow("no working files: alternates still get the blank")
        << missing << "alternate" << true << QStringList{} << QStringList{Blank10};
    QTest::newRow("header only and empty file")
        << Files{{SecStruct, {"STRUCTURE RATING:"}}, {SecReach, {}}} << "structure" << false << QStringList{}
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
    const QString reaches = rec({"", "REACHES"});
    const QString areas = rec({"", "AREAS"});
    QTest::newRow("both blocks")
        << QStringList{header, rec({"ALT1", "d"}), reaches, rec({"", "R1", "R2"}), areas, rec({"", "A1", "R1"}), ""}
        << QStringList{"R1"} << QStringList{"A1"};
    QTest::newRow("keyword in small letters, areas after areas keyword read as a record")
        << QStringList{header, rec({"ALT1", "d"}), rec({"", "reaches"}), rec({"", "R1"}), rec({"", "Areas"}),
                       rec({"", "A1"})}
        << QStringList{"R1"} << QStringList{"A1"};
    QTest::newRow("areas keyword then reaches keyword")
        << QStringList{header, rec({"ALT1", "d"}), areas, reaches, rec({"", "R1"})} << QStringList{"R1"}
        << QStringList{};
    QTest::newRow("reaches keyword is the last line") << QStringList{header, rec({"ALT1", "d"}), reaches}
                                                      << QStringList{} << QStringList{};
    QTest::newRow("areas keyword is the last line") << QStringList{header, rec({"ALT1", "d"}), areas}
                                                    << QStringList{} << QStringList{};
    QTest::newRow("blank line right after a keyword ends the scan")
        << QStringList{header, rec({"ALT1", "d"}), reaches, "   ", rec({"ALT2", "d"}), reaches, rec({"", "R9"})}
        << QStringList{} << QStringList{};
    QTest::newRow("next alternate right after a keyword")
        << QStringList{header, rec({"ALT1", "d"}), areas, rec({"ALT2", "WIDE", "AREA"}), reaches,
                       rec({"", "R2"}), areas, rec({"", "A2"})}
        << QStringList{"R2"} << QStringList{"A2"};
    QTest::newRow("next alternate right after reaches keyword")
        << QStringList{header, rec({"ALT1", "d"}), reaches, rec({"ALT2", "DESCRIBED"}), rec({"", "X"})}
        << QStringList{} << QStringList{};
    QTest::newRow("an alternate line closes the block")
        << QStringList{header, rec({"ALT1", "d"}), reaches, rec({"", "R1"}), rec({"ALT2", "d"}), rec({"", "R7"})}
        << QStringList{"R1"} << QStringList{};
    QTest::newRow("blank line ends both scans")
        << QStringList{header, rec({"ALT1", "d"}), reaches, rec({"", "R1"}), "", rec({"ALT2", "d"}), areas,
                       rec({"", "A5"})}
        << QStringList{"R1"} << QStringList{};
    QTest::newRow("records named like the blocks stay in their block")
        << QStringList{header, rec({"ALT1", "d"}), reaches, rec({"", "AREAS", "R2"}), rec({"", "R1"}), areas,
                       rec({"", "reaches", "R1"}), rec({"", "A1"})}
        << QStringList{"AREAS", "R1"} << QStringList{"reaches", "A1"};
    QTest::newRow("detail lines give nothing")
        << QStringList{header, rec({"ALT1", "d"}), reaches, rec({"", "R1", "R2", "X1", "ST1"}),
                       rec({"", "", "SPLIT FLOW", "R4", "X4"})}
        << QStringList{"R1"} << QStringList{};
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
        << QStringList{header, rec({"", "S1", "G1", "", "", "", "", "3.5"}), rec({"", "S2", "G1", "", "", "", "", "3.8"})}
        << QStringList{"G1"} << QList<float>{3.8f};
    QTest::newRow("blank later value keeps the earlier")
        << QStringList{header, rec({"", "S1", "G1", "", "", "", "", "3.5"}), rec({"", "S2", "G1"})}
        << QStringList{"G1"} << QList<float>{3.5f};
    QTest::newRow("gages compared exactly, 0 without a value")
        << QStringList{header, rec({"", "S1", "G1"}), rec({"", "S2", "g1", "", "", "", "", "2"})}
        << QStringList{"G1", "g1"} << QList<float>{0.0f, 2.0f};
    QTest::newRow("text that is no number leaves the value")
        << QStringList{header, rec({"", "S1", "G1", "", "", "", "", "2.5"}), rec({"", "S2", "G1", "", "", "", "", "abc"}),
                       rec({"", "S3", "G2", "", "", "", "", "1e99"})}
        << QStringList{"G1", "G2"} << QList<float>{2.5f, 0.0f};
    QTest::newRow("closing empty line gives an empty gage")
        << QStringList{header, rec({"", "S1", "G1", "", "", "", "", "3"}), ""} << QStringList{"G1", ""}
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
    writeFiles({{SecStorm, {"STORM ANALYSIS:", rec({"", "S1", "G1", "", "", "", "", "3.5"})}}});
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
    writeFiles({{SecSubArea, {"SUB-AREA:", rec({"", "A1", "R1", "G1"}), rec({"", "", "SHEET", "A2"}),
                              rec({"", "A2", "R1", "G2  "}), rec({"", "A2", "R1", "G9"})}}});
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
    writeFiles({{SecStruct, {"STRUCTURE RATING:", rec({"", "ST1"}), rec({"", "ST2"})}}});
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
