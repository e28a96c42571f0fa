// The land-use window and its weighted curve number: totals and land rows
// worked by hand, the grid's greyed cells and cursor, and the hand-back of the
// changed records to the sub-area window.
#include "DialogScript.h"
#include "ProgramFolder.h"

#include "core/Colors.h"
#include "core/ControlArray.h"
#include "core/FlexGrid.h"
#include "core/logic/Editglob.h"
#include "sections/runoff/frmLandUse.h"
#include "sections/runoff/logic/LandUseGrid.h"
#include "sections/runoff/logic/StandardLandUse.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace Editglob;
using LandUseGrid::GridRow;
using Land = QList<LandRow>;
using Cells = QList<QPair<QString, QString>>; // "row name|group" and the area typed there

namespace {

// Rows: two local ones (the second with no CN for group B), then the standard table.
QList<GridRow> SampleRows()
{
    return LandUseGrid::BuildRows({{QStringLiteral("Orchard"), {"45", "66", "77", "83"}},
                                   {QStringLiteral("Gravel lot"), {"76", "", "89", "91"}}});
}

// Row index of a name in SampleRows().
int RowOf(const QString &name)
{
    const QList<GridRow> rows = SampleRows();
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].Name == name)
            return i;
    return -1;
}

SubAreaRecord Record(const QString &id, const Land &land = {}, const QString &area = QString())
{
    SubAreaRecord r;
    r.Field[1] = id;
    r.Field[4] = area;
    r.Land = land;
    return r;
}

bool SameLand(const Land &a, const Land &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].LandUseName != b[i].LandUseName || a[i].SoilGroup != b[i].SoilGroup || a[i].LandArea != b[i].LandArea)
            return false;
    return true;
}

QString Describe(const Land &land)
{
    QStringList parts;
    for (const LandRow &r : land)
        parts << r.LandUseName + QLatin1Char('/') + r.SoilGroup + QLatin1Char('/') + r.LandArea;
    return parts.join(QStringLiteral("; "));
}

} // namespace

class TestLandUse : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Standard_Land_Use::LoadStandardLandUse(); }
    void totals_data();
    void totals();
    void placeAndStore();
    void sumOfAreas_data();
    void sumOfAreas();

    void init();
    void cleanup();
    void gridRowsAndGreyCells();
    void typingUpdatesTotalsAndReturnHandsBackChanged();
    void firstKeyStartsTheCellAfresh();
    void closeBoxHandsBackNothing();
    void removingEveryAreaLeavesNoRows();
    void deleteLandUseDetails();
    void leavingTheListTakesItsSubArea();
    void choosingTheShownSubAreaAgainKeepsTheGrid();
    void failingAreaOfOneOfTwoNamesAlike();
    void failingParcelOfAPassingSum();
    void keysInACellOfParcels_data();
    void keysInACellOfParcels();
    void firstKeyAfterAnotherSubAreaStartsAfresh();
    void subAreaWithAnAreaOfItsOwnAndLandRows();
    void cursorStaysOffGreyCells();
    void entriesKeptUnseen();
    void rowsBuiltAtEveryLoad();
    void localSoilsOverTheModalWindow();

private:
    frmLandUse *open(const QList<SubAreaRecord> &records, int current, int alternate = 0);
    QString summary(int n) const;
    void typeInto(int row, int col, const QString &keys);

    ProgramFolder *folder_ = nullptr;
    frmLandUse *form_ = nullptr;
    QList<QList<SubAreaRecord>> returned_;
    QList<QList<int>> returnedPlaces_; // in the list handed over
};

void TestLandUse::totals_data()
{
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("weighted");
    QTest::newRow("10 on CN 61 and 5 on CN 75")
        << Cells{{"Open Space (Good)|1", "10"}, {"Residential (38% imp)|1", "5"}} << "15" << "65.7";
    QTest::newRow("area on a cell without CN counts nowhere")
        << Cells{{"Gravel lot|0", "10"}, {"Gravel lot|1", "10"}} << "10" << "76";
    QTest::newRow("area rounded to 5 decimals")
        << Cells{{"Orchard|0", "0.000004"}, {"Orchard|1", "0.000002"}} << "0.00001" << "31.2"; // 0.000312 / 0.00001
    QTest::newRow("leading number of a text") << Cells{{"Orchard|2", "2."}, {"Orchard|3", "."}} << "2" << "77";
    QTest::newRow("no areas") << Cells{} << "0" << "";
    QTest::newRow("greyed group A of a range row")
        << Cells{{"Range (Sagebrush - Good)|0", "5"}} << "0" << "";
}

void TestLandUse::totals()
{
    QFETCH(Cells, cells);
    QFETCH(QString, area);
    QFETCH(QString, weighted);
    const QList<GridRow> rows = SampleRows();
    LandUseGrid::Areas areas(rows.size());
    for (const auto &[where, text] : cells) {
        const QStringList parts = where.split(QLatin1Char('|'));
        areas[RowOf(parts[0])][parts[1].toInt()] = text;
    }
    const LandUseGrid::Totals t = LandUseGrid::ComputeTotals(rows, areas);
    QCOMPARE(t.AreaText, area);
    QCOMPARE(t.WeightedText, weighted);

    // Half to even where the quotient is exact: 1 on 62 and 3 on 61 is 61.25.
    LandUseGrid::Areas exact(rows.size());
    exact[RowOf(QStringLiteral("Woods - Grass (Good)"))][2] = QStringLiteral("3"); // CN 72
    exact[RowOf(QStringLiteral("Meadow"))][2] = QStringLiteral("1");               // CN 71
    QCOMPARE(LandUseGrid::ComputeTotals(rows, exact).WeightedText, QStringLiteral("71.8")); // 71.75 -> 71.8
    QCOMPARE(LandUseGrid::RoundHalfEven(61.25, 1), 61.2);
    QCOMPARE(LandUseGrid::RoundHalfEven(2.25, 1), 2.2);

    const GridRow tooLong{QString(36, QLatin1Char('x')), {"70", "80", "85", "90"}, true};
    QVERIFY(!LandUseGrid::CellUsable(tooLong, 1));
    QVERIFY(LandUseGrid::CellUsable(GridRow{QString(35, QLatin1Char('x')), {"70", "80", "85", "90"}, true}, 1));
}

void TestLandUse::placeAndStore()
{
    const QList<GridRow> rows = SampleRows();
    const Land land{{"Pasture (Good)", "B", "1"},
                    {"orchard", "a", "2"},            // case differs: still found
                    {"OPEN SPACE (POOR)", "D", "3"},  // above an earlier entry, any case
                    {"Removed lot", "C", "4"},        // no longer local
                    {"Gravel lot", "B", "5"},         // no CN for group B
                    {"Meadow", "X", "6"},             // no such group
                    {"Meadow", "", "7"},              // no group: group A
                    {"Pasture (Good)", "B", "8.25"},  // same cell: a second parcel
                    {"Woods (Good)", "C", ""},        // two parcels without area
                    {"Woods (Good)", "C", " "}};
    const LandUseGrid::Placement p = LandUseGrid::PlaceEntries(rows, LandUseGrid::RowIndex(rows), land);
    QCOMPARE(p.areas[RowOf("Orchard")][0], QStringLiteral("2"));
    QCOMPARE(p.areas[RowOf("Open Space (Poor)")][3], QStringLiteral("3"));
    QCOMPARE(p.areas[RowOf("Meadow")][0], QStringLiteral("7"));
    QCOMPARE(p.areas[RowOf("Pasture (Good)")][1], QStringLiteral("9.25"));
    QCOMPARE(p.areas[RowOf("Woods (Good)")][2], QString());
    QCOMPARE(p.parcels.size(), 2);
    QVERIFY2(SameLand(p.unseen, Land{{"Removed lot", "C", "4"}, {"Gravel lot", "B", "5"}, {"Meadow", "X", "6"}}),
             qPrintable(Describe(p.unseen)));
    const Land stored = LandUseGrid::LandRowsFrom(rows, p.areas, p.parcels, p.unseen);
    QVERIFY2(SameLand(stored, Land{{"Orchard", "A", "2"},
                                   {"Open Space (Poor)", "D", "3"},
                                   {"Pasture (Good)", "B", "1"},
                                   {"Pasture (Good)", "B", "8.25"},
                                   {"Meadow", "A", "7"},
                                   {"Woods (Good)", "C", ""},
                                   {"Woods (Good)", "C", " "},
                                   {"Removed lot", "C", "4"},
                                   {"Gravel lot", "B", "5"},
                                   {"Meadow", "X", "6"}}),
             qPrintable(Describe(stored)));
}

void TestLandUse::sumOfAreas_data()
{
    QTest::addColumn<QStringList>("areas");
    QTest::addColumn<QString>("sum");
    QTest::newRow("no binary tail") << QStringList{"0.1", "0.2"} << "0.3";
    QTest::newRow("text counts as its leading number") << QStringList{"10.", " 5", "abc", "2x"} << "17";
    QTest::newRow("point before exponent") << QStringList{"5.E-1", "1."} << "1.5";
    QTest::newRow("exponents only") << QStringList{"1E-3", "1E-3"} << "0.002";
    QTest::newRow("decimals from an exponent") << QStringList{"1.25E-1", "1."} << "1.125";
    QTest::newRow("positive exponent") << QStringList{"+2e2", ".5"} << "200.5";
    QTest::newRow("far apart") << QStringList{"1E-20", "1E3"} << "1000.00000000000000000001";
    QTest::newRow("signs") << QStringList{"-1", "2"} << "1";
    QTest::newRow("negative sum") << QStringList{"-3.5", "1"} << "-2.5";
    QTest::newRow("zeros") << QStringList{"0.0", "0E99999"} << "0";
    QTest::newRow("a blank beside an area") << QStringList{"", "2."} << "2";
    QTest::newRow("blanks only") << QStringList{"", "  "} << "";
}

// A cell of parcels shows their exact sum in plain decimals.
void TestLandUse::sumOfAreas()
{
    QFETCH(QStringList, areas);
    QFETCH(QString, sum);
    QCOMPARE(LandUseGrid::SumOfAreas(areas), sum);
}

void TestLandUse::init()
{
    folder_ = new ProgramFolder;
    AreaUnit = QStringLiteral("sq mi");
    ProgramFolder::writeBytes(LocalLandUseFile, "\"Orchard\",\"45\",\"66\",\"77\",\"83\"\r\n"
                                                "\"Gravel lot\",\"76\",\"\",\"89\",\"91\"\r\n\"\"\r\n");
    returned_.clear();
    returnedPlaces_.clear();
}

void TestLandUse::cleanup()
{
    delete folder_;
    folder_ = nullptr;
    form_ = nullptr;
}

frmLandUse *TestLandUse::open(const QList<SubAreaRecord> &records, int current, int alternate)
{
    SubAreaDetailRequest request;
    request.SubAreas = records;
    request.Current = current;
    request.Alternate = alternate;
    request.AlternateId = alternate ? QStringLiteral("ALT1") : QString();
    request.OnReturn = [this](const QList<ReturnedSubArea> &changed) {
        QList<SubAreaRecord> records;
        QList<int> places;
        for (const ReturnedSubArea &r : changed) {
            records << r.Record;
            places << r.Index;
        }
        returned_ << records;
        returnedPlaces_ << places;
    };
    form_ = qobject_cast<frmLandUse *>(Forms::get(QStringLiteral("frmLandUse")));
    if (form_)
        form_->OpenOn(nullptr, request);
    return form_;
}

QString TestLandUse::summary(int n) const
{
    return form_->findChild<QLabel *>(QStringLiteral("txtlbl_") + QString::number(n))->text();
}

void TestLandUse::typeInto(int row, int col, const QString &keys)
{
    form_->grid()->setCurrentCell(row, col);
    QTest::keyClicks(form_->grid()->table(), keys);
}

void TestLandUse::gridRowsAndGreyCells()
{
    QVERIFY(open({Record("S1")}, 0));
    FlexGrid *g = form_->grid();
    QCOMPARE(g->Rows(), 1 + 2 + 81);
    QCOMPARE(g->Cols(), 9);
    QCOMPARE(g->TextMatrix(0, 0), QStringLiteral("Land Use Area Identifier "));
    QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("Orchard"));
    QCOMPARE(g->TextMatrix(3, 0), QStringLiteral("Open Space (Poor)"));
    QCOMPARE(g->CellColor(1, 0), frmLandUse::LocalGrey);
    QCOMPARE(g->CellColor(1, 4), frmLandUse::LocalGrey);
    QCOMPARE(g->CellColor(2, 3), frmLandUse::StandardGrey); // local row without CN B
    QCOMPARE(g->CellColor(3, 0), frmLandUse::StandardGrey);
    QCOMPARE(g->CellColor(3, 2), frmLandUse::StandardGrey);
    QCOMPARE(g->CellColor(2 + 78, 1), frmLandUse::StandardGrey); // "Range (Sagebrush - Good)" group A
    QCOMPARE(g->TextMatrix(2 + 78, 0), QStringLiteral("Range (Sagebrush - Good)"));
    QCOMPARE(g->CellColor(2 + 79, 1), Colors::White); // the desert shrub rows have group A
    QVERIFY(form_->windowTitle().startsWith(QStringLiteral("Sub-Area Land Use   Current File - ")));
    QCOMPARE(form_->findChild<QLabel *>(QStringLiteral("lblInUnit_27"))->text(), QStringLiteral("sq mi"));
    QVERIFY(form_->isModal());
    // The cursor starts in the first area cell, green.
    QCOMPARE(g->Row(), 1);
    QCOMPARE(g->Col(), 1);
    QCOMPARE(g->CellColor(1, 1), Colors::Green);
}

void TestLandUse::typingUpdatesTotalsAndReturnHandsBackChanged()
{
    const Land north{{"Pasture (Good)", "B", "1.25"}};
    QVERIFY(open({Record("NORTH", north), Record("SOUTH"), Record("EAST", {}, "2.1")}, 1));
    QCOMPARE(form_->Cmbinp()->count(), 3); // empty entry, NORTH, SOUTH: EAST has its own area
    QCOMPARE(form_->Cmbinp()->currentText(), QStringLiteral("SOUTH"));
    const int openGood = 2 + 3, residential38 = 2 + 14;
    typeInto(openGood, 3, QStringLiteral("1x.2.3"));
    QCOMPARE(form_->grid()->TextMatrix(openGood, 3), QStringLiteral("1.23"));
    typeInto(openGood, 3, QStringLiteral("\b\b\b"));
    typeInto(openGood, 3, QStringLiteral("0"));
    typeInto(residential38, 3, QStringLiteral("5"));
    QCOMPARE(summary(27), QStringLiteral("15"));
    QCOMPARE(summary(28), QStringLiteral("65.7"));
    typeInto(residential38, 5, QStringLiteral("12345678901"));
    QCOMPARE(form_->grid()->TextMatrix(residential38, 5), QStringLiteral("1234567890"));
    typeInto(residential38, 5, QStringLiteral("\b\b\b\b\b\b\b\b\b\b\b"));
    QCOMPARE(form_->grid()->TextMatrix(residential38, 5), QString());

    // Another sub-area in the list: SOUTH is stored, NORTH shown.
    form_->Cmbinp()->setCurrentIndex(1);
    form_->Cmbinp_Click();
    QCOMPARE(form_->grid()->TextMatrix(2 + 55, 3), QStringLiteral("1.25"));
    QCOMPARE(summary(27), QStringLiteral("1.25"));
    QCOMPARE(summary(28), QStringLiteral("61"));
    form_->cmdFinished_Click();
    QVERIFY(!form_->isLoaded());
    QCOMPARE(returned_.size(), 1);
    QCOMPARE(returned_[0].size(), 1); // NORTH was only shown
    QCOMPARE(returned_[0][0].SubAreaId(), QStringLiteral("SOUTH"));
    QVERIFY2(SameLand(returned_[0][0].Land, Land{{"Open Space (Good)", "B", "10"}, {"Residential (38% imp)", "B", "5"}}),
             qPrintable(Describe(returned_[0][0].Land)));
}

// The list's entry of the sub-area shown, chosen again, reloads the grid from
// what it held.
void TestLandUse::choosingTheShownSubAreaAgainKeepsTheGrid()
{
    const int openGood = 2 + 3;
    QVERIFY(open({Record("SA1")}, 0));
    typeInto(openGood, 3, QStringLiteral("2.5"));
    QCOMPARE(form_->Cmbinp()->currentIndex(), 1);
    form_->Cmbinp_Click();
    QCOMPARE(form_->grid()->TextMatrix(openGood, 3), QStringLiteral("2.5"));
    QCOMPARE(summary(27), QStringLiteral("2.5"));
    form_->cmdFinished_Click();
    QCOMPARE(returned_.size(), 1);
    QVERIFY2(SameLand(returned_[0].value(0).Land, Land{{"Open Space (Good)", "B", "2.5"}}),
             qPrintable(Describe(returned_[0].value(0).Land)));
}

// Two sub-areas named alike: Return shows the one whose area failed, by its
// place in the list, and hands its corrected area back to it.
void TestLandUse::failingAreaOfOneOfTwoNamesAlike()
{
    const int openGood = 2 + 3;
    QVERIFY(open({Record("S1", {{"Open Space (Good)", "B", "abc"}}), Record("S1", {{"Meadow", "B", "5"}})}, 1));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    form_->cmdFinished_Click();
    QCOMPARE(script.messages().size(), 1);
    QVERIFY(form_->isLoaded());
    QCOMPARE(form_->ShownSubArea(), 0);
    QCOMPARE(form_->Cmbinp()->currentIndex(), 1);
    QCOMPARE(form_->grid()->TextMatrix(openGood, 3), QStringLiteral("abc"));
    QCOMPARE(form_->grid()->CellColor(openGood, 3), Colors::Red);

    typeInto(openGood, 3, QStringLiteral("4"));
    form_->cmdFinished_Click();
    QVERIFY(!form_->isLoaded());
    QVERIFY(!script.unexpected());
    QCOMPARE(returnedPlaces_, QList<QList<int>>{{0}});
    QVERIFY2(SameLand(returned_[0][0].Land, Land{{"Open Space (Good)", "B", "4"}}),
             qPrintable(Describe(returned_[0][0].Land)));
}

// Parcels -1 and 2 show 1, which passes; Return still refuses the -1 that
// would be written.
void TestLandUse::failingParcelOfAPassingSum()
{
    const int openGood = 2 + 3;
    QVERIFY(open({Record("S1", {{"Open Space (Good)", "B", "-1"}, {"Open Space (Good)", "B", "2"}})}, 0));
    QCOMPARE(form_->grid()->TextMatrix(openGood, 3), QStringLiteral("1"));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    form_->cmdFinished_Click();
    QCOMPARE(script.messages().size(), 1);
    QVERIFY(!script.unexpected());
    QVERIFY(form_->isLoaded());
    QCOMPARE(form_->grid()->CellColor(openGood, 3), Colors::Red);
    QVERIFY(returned_.isEmpty());
}

void TestLandUse::keysInACellOfParcels_data()
{
    QTest::addColumn<QStringList>("parcels"); // of Open Space (Good) on B, CN 61
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("handed"); // the areas handed back; empty: nothing handed back

    const QStringList exact{"1500.25", ".000125"};
    const QStringList exponent{"1E10", "1"};
    // Keys that type nothing leave the sum whole, longer than an area though it is.
    QTest::newRow("a letter") << exact << "x" << "1500.250125" << "1500.25012" << QStringList();
    QTest::newRow("a letter, exponent") << exponent << "x" << "10000000001" << "10000000001" << QStringList();
    QTest::newRow("keys typing nothing, then Return")
        << exact << "x -+/\r" << "1500.250125" << "1500.25012" << QStringList();
    // Keys that type or erase replace the parcels with what the cell shows.
    QTest::newRow("a digit after a letter") << exact << "x7" << "7" << "7" << QStringList{"7"};
    QTest::newRow("Backspace") << exact << "\b" << "1500.25012" << "1500.25012" << QStringList{"1500.25012"};
    QTest::newRow("Backspace, exponent") << exponent << "\b" << "1000000000" << "1000000000"
                                         << QStringList{"1000000000"};
    QTest::newRow("Backspace, then a digit that does not fit")
        << exact << "\b5" << "1500.25012" << "1500.25012" << QStringList{"1500.25012"};
}

// A cell of parcels shows their exact sum, which may be longer than an area
// can be typed: only a key that types or erases replaces the parcels.
void TestLandUse::keysInACellOfParcels()
{
    QFETCH(QStringList, parcels);
    QFETCH(QString, keys);
    QFETCH(QString, cell);
    QFETCH(QString, total);
    QFETCH(QStringList, handed);
    const int openGood = 2 + 3;
    Land land;
    for (const QString &area : parcels)
        land << LandRow{"Open Space (Good)", "B", area};
    QVERIFY(open({Record("S1", land)}, 0));
    typeInto(openGood, 3, keys);
    QCOMPARE(form_->grid()->TextMatrix(openGood, 3), cell);
    QCOMPARE(summary(27), total);
    QCOMPARE(summary(28), QStringLiteral("61"));
    form_->cmdFinished_Click();
    QCOMPARE(returned_.size(), 1);
    if (handed.isEmpty()) {
        QVERIFY(returned_[0].isEmpty());
        return;
    }
    Land expected;
    for (const QString &area : handed)
        expected << LandRow{"Open Space (Good)", "B", area};
    QCOMPARE(returned_[0].size(), 1);
    QVERIFY2(SameLand(returned_[0][0].Land, expected), qPrintable(Describe(returned_[0][0].Land)));
}

// With the grid's first area cell greyed, the cursor stays on its cell when
// another sub-area is shown; the first key there starts that cell afresh.
void TestLandUse::firstKeyAfterAnotherSubAreaStartsAfresh()
{
    ProgramFolder::writeBytes(LocalLandUseFile, "\"Bare lot\",\"\",\"66\",\"77\",\"83\"\r\n\"\"\r\n");
    const int openGood = 1 + 3;
    QVERIFY(open({Record("S1"), Record("S2", {{"Open Space (Good)", "B", "2"}})}, 0));
    typeInto(openGood, 3, QStringLiteral("5"));
    form_->Cmbinp()->setCurrentIndex(2);
    form_->Cmbinp_Click();
    FlexGrid *g = form_->grid();
    QCOMPARE(g->Row(), openGood);
    QCOMPARE(g->Col(), 3);
    QTest::keyClicks(g->table(), QStringLiteral("3"));
    QCOMPARE(g->TextMatrix(openGood, 3), QStringLiteral("3"));
    QCOMPARE(summary(27), QStringLiteral("3"));
    form_->cmdFinished_Click();
    QCOMPARE(returned_.size(), 1);
    QCOMPARE(returned_[0].size(), 2);
    QVERIFY(SameLand(returned_[0][0].Land, Land{{"Open Space (Good)", "B", "5"}}));
    QVERIFY2(SameLand(returned_[0][1].Land, Land{{"Open Space (Good)", "B", "3"}}),
             qPrintable(Describe(returned_[0][1].Land)));
}

void TestLandUse::firstKeyStartsTheCellAfresh()
{
    // Open Space (Good) and Residential (38% imp) have CN B 61 and 75.
    const int openGood = 2 + 3, residential38 = 2 + 14;
    QVERIFY(open({Record("S1", {{"Open Space (Good)", "B", "0.50"}, {"Residential (38% imp)", "B", "2"}})}, 0));
    FlexGrid *g = form_->grid();
    QTableWidget *table = g->table();
    QCOMPARE(summary(27), QStringLiteral("2.5"));

    // Clicked: the keys replace 0.50, a "." of their own included.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(openGood, 3)).center());
    QCOMPARE(g->Row(), openGood);
    QTest::keyClicks(table, QStringLiteral("1.5"));
    QCOMPARE(g->TextMatrix(openGood, 3), QStringLiteral("1.5"));
    QCOMPARE(summary(27), QStringLiteral("3.5"));
    QCOMPARE(summary(28), QStringLiteral("69")); // (1.5 * 61 + 2 * 75) / 3.5

    // Tabbed to: the same. Keys that follow add to what was typed.
    g->setCurrentCell(residential38, 1);
    QTest::keyClick(table, Qt::Key_Tab);
    QCOMPARE(g->Col(), 3);
    QTest::keyClicks(table, QStringLiteral("4"));
    QTest::keyClicks(table, QStringLiteral("5"));
    QCOMPARE(g->TextMatrix(residential38, 3), QStringLiteral("45"));
    QCOMPARE(summary(27), QStringLiteral("46.5"));

    // Backspace edits the text the cell holds.
    g->setCurrentCell(openGood, 3);
    QTest::keyClicks(table, QStringLiteral("\b2"));
    QCOMPARE(g->TextMatrix(openGood, 3), QStringLiteral("1.2"));

    form_->cmdFinished_Click();
    QCOMPARE(returned_.size(), 1);
    QVERIFY2(SameLand(returned_[0][0].Land, Land{{"Open Space (Good)", "B", "1.2"}, {"Residential (38% imp)", "B", "45"}}),
             qPrintable(Describe(returned_[0][0].Land)));
}

void TestLandUse::closeBoxHandsBackNothing()
{
    QVERIFY(open({Record("S1", {{"Meadow", "B", "2"}})}, 0));
    typeInto(2 + 56, 3, QStringLiteral("5"));
    form_->close();
    QVERIFY(!form_->isLoaded());
    QVERIFY(returned_.isEmpty());
}

void TestLandUse::removingEveryAreaLeavesNoRows()
{
    // 0.7 on CN 77 and 0.1 on CN 98: a running sum would not come back to 0.
    QVERIFY(open({Record("S1", {{"Open Space (Good)", "C", "0.7"}, {"Impervious", "D", "0.1"}})}, 0));
    QCOMPARE(summary(27), QStringLiteral("0.8"));
    form_->grid()->setCurrentCell(2 + 3, 5);
    form_->mnuDelInsItem_Click(2);
    QCOMPARE(summary(27), QStringLiteral("0.1"));
    QCOMPARE(summary(28), QStringLiteral("98"));
    form_->grid()->setCurrentCell(2 + 4, 7);
    form_->mnuDelInsItem_Click(2);
    QCOMPARE(summary(27), QStringLiteral("0"));
    QCOMPARE(summary(28), QString());
    form_->mnuDelInsItem_Click(2); // an empty cell: nothing changes
    QCOMPARE(summary(27), QStringLiteral("0"));
    form_->cmdFinished_Click();
    QCOMPARE(returned_.size(), 1);
    QCOMPARE(returned_[0].size(), 1);
    QVERIFY(returned_[0][0].Land.isEmpty());
}

void TestLandUse::deleteLandUseDetails()
{
    DialogScript script;
    QVERIFY(open({Record("S1"), Record("S2", {{"Meadow", "B", "2"}})}, 0));
    auto *button = form_->findChild<QPushButton *>(QStringLiteral("cmdDelCur"));
    QVERIFY(button->isVisible());
    // Asked also for a sub-area without land-use areas; nothing changes.
    script.answer(Dialogs::Answer::Yes);
    form_->cmdDelCur_Click();
    QCOMPARE(script.asked().size(), 1);

    form_->Cmbinp()->setCurrentIndex(2);
    form_->Cmbinp_Click();
    script.answer(Dialogs::Answer::No);
    form_->cmdDelCur_Click();
    QCOMPARE(form_->grid()->TextMatrix(2 + 56, 3), QStringLiteral("2"));
    script.answer(Dialogs::Answer::Yes);
    form_->cmdDelCur_Click();
    QCOMPARE(script.asked().size(), 3);
    QCOMPARE(script.asked()[2].text, QStringLiteral("Delete Current Sub-Area Land Use Data ?"));
    QCOMPARE(script.asked()[2].title, QStringLiteral("Sub-area Land Use"));
    QCOMPARE(form_->grid()->TextMatrix(2 + 56, 3), QString());
    QVERIFY(summary(27).isEmpty());

    // The empty entry: the grid is cleared, the list turns red, the button hides.
    form_->Cmbinp()->setCurrentIndex(0);
    form_->Cmbinp_Click();
    QCOMPARE(Globsubs::BackColor(form_->Cmbinp()), Colors::Red);
    QVERIFY(!button->isVisible());
    form_->cmdFinished_Click();
    QCOMPARE(returned_.size(), 1);
    QCOMPARE(returned_[0].size(), 1);
    QCOMPARE(returned_[0][0].SubAreaId(), QStringLiteral("S2"));
    QVERIFY(returned_[0][0].Land.isEmpty());
}

void TestLandUse::leavingTheListTakesItsSubArea()
{
    QVERIFY(open({Record("S1"), Record("S2", {{"Meadow", "B", "2"}})}, 0));
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_));
    typeInto(2 + 3, 1, QStringLiteral("7"));
    form_->Cmbinp()->setFocus(Qt::MouseFocusReason);
    form_->Cmbinp()->setCurrentIndex(2); // S2, set without being picked
    form_->grid()->table()->setFocus(Qt::MouseFocusReason);
    QCOMPARE(form_->grid()->TextMatrix(2 + 56, 3), QStringLiteral("2"));
    QCOMPARE(form_->grid()->TextMatrix(2 + 3, 1), QString());
    // Leaving it again unchanged shows nothing new and keeps what was typed.
    typeInto(2 + 56, 3, QStringLiteral("5"));
    form_->Cmbinp()->setFocus(Qt::MouseFocusReason);
    form_->grid()->table()->setFocus(Qt::MouseFocusReason);
    QCOMPARE(form_->grid()->TextMatrix(2 + 56, 3), QStringLiteral("5"));
    form_->cmdFinished_Click();
    QCOMPARE(returned_.size(), 1);
    QCOMPARE(returned_[0].size(), 2);
    QVERIFY(SameLand(returned_[0][0].Land, Land{{"Open Space (Good)", "A", "7"}}));
    QVERIFY(SameLand(returned_[0][1].Land, Land{{"Meadow", "B", "5"}}));
}

void TestLandUse::subAreaWithAnAreaOfItsOwnAndLandRows()
{
    // As a file written elsewhere may hold it: listed and chosen, its rows edited.
    QVERIFY(open({Record("EAST", {}, "2.1"), Record("SOUTH", {{"Meadow", "B", "2"}}, "0.80")}, 1));
    QCOMPARE(form_->Cmbinp()->count(), 2);
    QCOMPARE(form_->Cmbinp()->currentText(), QStringLiteral("SOUTH"));
    QVERIFY(form_->findChild<QPushButton *>(QStringLiteral("cmdDelCur"))->isVisible());
    QCOMPARE(summary(27), QStringLiteral("2"));
    typeInto(2 + 56, 5, QStringLiteral("1"));
    form_->cmdFinished_Click();
    QCOMPARE(returned_.size(), 1);
    QCOMPARE(returned_[0].size(), 1);
    QCOMPARE(returned_[0][0].SubAreaId(), QStringLiteral("SOUTH"));
    QVERIFY(SameLand(returned_[0][0].Land, Land{{"Meadow", "B", "2"}, {"Meadow", "C", "1"}}));
}

void TestLandUse::cursorStaysOffGreyCells()
{
    QVERIFY(open({Record("S1")}, 0));
    FlexGrid *g = form_->grid();
    const int sagebrushGood = 2 + 78;
    g->setCurrentCell(5, 3);
    QCOMPARE(g->CellColor(5, 3), Colors::Green);
    g->setCurrentCell(5, 4); // a standard CN cell: the cursor stays
    QCOMPARE(g->Row(), 5);
    QCOMPARE(g->Col(), 3);
    g->setCurrentCell(sagebrushGood, 1); // greyed group A
    QCOMPARE(g->Row(), 5);
    QCOMPARE(g->Col(), 3);
    g->setCurrentCell(1, 4); // a local CN cell: the area cell on its left
    QCOMPARE(g->Row(), 1);
    QCOMPARE(g->Col(), 3);
    g->setCurrentCell(1, 4); // just left of it: the area cell on its right
    QCOMPARE(g->Col(), 5);
    QCOMPARE(g->CellColor(1, 3), Colors::White);
    g->setCurrentCell(2, 3); // local cell without a CN takes no area
    QCOMPARE(g->Row(), 1);
    QCOMPARE(g->Col(), 5);
    // Tab moves to the next group's area cell; in column 7 to the next row.
    g->setCurrentCell(4, 5);
    QTest::keyClick(g->table(), Qt::Key_Tab);
    QCOMPARE(g->Col(), 7);
    QTest::keyClick(g->table(), Qt::Key_Tab);
    QCOMPARE(g->Row(), 5);
    QCOMPARE(g->Col(), 1);
    // Above the range rows, the next row's group A is greyed: the cursor stays.
    g->setCurrentCell(sagebrushGood - 12, 7);
    QTest::keyClick(g->table(), Qt::Key_Tab);
    QCOMPARE(g->Row(), sagebrushGood - 12);
    QCOMPARE(g->Col(), 7);
    // Tab in the identifier list goes on to the first area cell.
    QTest::keyClick(form_->Cmbinp(), Qt::Key_Tab);
    QCOMPARE(g->Row(), 1);
    QCOMPARE(g->Col(), 1);
}

void TestLandUse::entriesKeptUnseen()
{
    const Land land{{"Removed lot", "C", "4"}, {"open space (good)", "A", "10"}, {"Gravel lot", "B", "5"}};
    QVERIFY(open({Record("S1", land)}, 0));
    auto *kept = form_->findChild<QLabel *>(QStringLiteral("lblKept"));
    QVERIFY(kept->isVisible());
    QVERIFY(kept->text().contains(QStringLiteral("Removed lot (C) 4")));
    QVERIFY(kept->text().contains(QStringLiteral("Gravel lot (B) 5")));
    QCOMPARE(form_->grid()->TextMatrix(2 + 3, 1), QStringLiteral("10"));
    QCOMPARE(summary(27), QStringLiteral("10"));
    typeInto(2 + 3, 1, QStringLiteral("\b5"));
    form_->cmdFinished_Click();
    QCOMPARE(returned_.size(), 1);
    QVERIFY2(SameLand(returned_[0][0].Land,
                      Land{{"Open Space (Good)", "A", "15"}, {"Removed lot", "C", "4"}, {"Gravel lot", "B", "5"}}),
             qPrintable(Describe(returned_[0][0].Land)));
}

void TestLandUse::rowsBuiltAtEveryLoad()
{
    QVERIFY(open({Record("S1")}, 0, 2));
    QVERIFY(form_->findChild<QLabel *>(QStringLiteral("lblStatic_2"))->isVisible());
    QCOMPARE(form_->findChild<QLabel *>(QStringLiteral("lblStatic_2"))->text(), QStringLiteral("ALT1"));
    form_->close();
    QFile::remove(LocalLandUseFile);
    QVERIFY(open({Record("S1")}, 0));
    QCOMPARE(form_->grid()->Rows(), 1 + 81);
    QVERIFY(!form_->findChild<QLabel *>(QStringLiteral("lblStatic_2"))->isVisible());
    QVERIFY(!form_->findChild<QPushButton *>(QStringLiteral("CmdPopup"))->isVisible());
}

void TestLandUse::localSoilsOverTheModalWindow()
{
    ProgramFolder::writeBytes(LocalSoilFile, "\"Riverwash\",\"A\"\r\n\"\"\r\n");
    QVERIFY(open({Record("S1")}, 0));
    auto *button = form_->findChild<QPushButton *>(QStringLiteral("CmdPopup"));
    QVERIFY(button->isVisible());
    QCOMPARE(button->text(), QStringLiteral("    Display          Local Soils"));
    form_->CmdPopup_Click();
    QvForm *soils = Forms::get(QStringLiteral("frmDisplaySoil"));
    QVERIFY(soils->isLoaded() && soils->isVisible());
    // Over the modal land-use window the list must be modal too to be usable.
    QCOMPARE(soils->windowModality(), Qt::ApplicationModal);
    soils->close();
    form_->close();
    QVERIFY(returned_.isEmpty());
}

QTEST_MAIN(TestLandUse)
#include "tst_landuse.moc"
