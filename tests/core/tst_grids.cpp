#include "core/Colors.h"
#include "core/ControlArray.h"
#include "core/FlexGrid.h"
#include "core/GridState.h"
#include "core/GridStuff.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/WorkTables.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using namespace Grid_Stuff;

namespace {

// A window with a value grid of five columns, bound as the value-series
// windows bind theirs.
struct ValueWindow
{
    QWidget window;
    QTableWidget *table = nullptr;
    FlexGrid *grid = nullptr;
    TableWindowData data;
    GridState &s = data.Grid;

    // `values` go into cells 0.. in reading order; CellCount counts them and,
    // with `withEmpty`, the empty cell after them.
    explicit ValueWindow(const QStringList &values, bool withEmpty = true)
    {
        auto *layout = new QVBoxLayout(&window);
        table = new QTableWidget(&window);
        table->setObjectName(QStringLiteral("MSFlexGrid1"));
        layout->addWidget(table);
        grid = new FlexGrid(table);
        grid->setCols(5);
        grid->setRows(std::max(2, int(values.size()) / 5 + 1));
        for (int k = 0; k < values.size(); ++k)
            grid->setTextMatrix(k / 5, k % 5, values.at(k));
        s.CellCount = int(values.size()) + (withEmpty ? 1 : 0);
        BindValueGrid(*grid, s);
        window.resize(600, 400);
        window.show();
        table->setFocus();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }

    void start(int row = 0, int col = 1)
    {
        s.GridRow = row;
        s.GridCol = col;
        MoveToGridCell(*grid, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
    }
    void click(int row, int col)
    {
        const QRect rect = table->visualRect(table->model()->index(row, col));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
    void type(const QString &keys) { QTest::keyClicks(table, keys); }
    void key(Qt::Key k) { QTest::keyClick(table, k); }
    QString cell(int k) const { return grid->TextMatrix(k / 5, k % 5); }
    int colour(int k) const { return grid->CellColor(k / 5, k % 5); }
    QStringList cells(int n) const
    {
        QStringList out;
        for (int k = 0; k < n; ++k)
            out << cell(k);
        return out;
    }
    int current() const { return grid->Row() * 5 + grid->Col(); }
};

// A rating window: a title row, three columns (elevation, discharge,
// storage) shown in boxes txtinp_3..txtinp_5, the elevation box being the key.
struct RowWindow
{
    QWidget window;
    QTableWidget *table = nullptr;
    FlexGrid *grid = nullptr;
    QLineEdit *keyBox = nullptr;
    ControlArray boxes;
    TableWindowData data;
    GridState &s = data.Grid;

    explicit RowWindow(const QStringList &keys, int extraRows = 1)
    {
        auto *layout = new QVBoxLayout(&window);
        for (int i = 3; i <= 5; ++i) {
            auto *box = new QLineEdit(&window);
            box->setObjectName(QStringLiteral("txtinp_%1").arg(i));
            layout->addWidget(box);
        }
        table = new QTableWidget(&window);
        layout->addWidget(table);
        grid = new FlexGrid(table);
        grid->setCols(3);
        grid->setRows(1 + int(keys.size()) + extraRows);
        grid->setFixedRows(1);
        grid->setTextMatrix(0, 0, QStringLiteral("Elevation"));
        for (int r = 0; r < keys.size(); ++r) {
            grid->setTextMatrix(r + 1, 0, keys.at(r));
            grid->setTextMatrix(r + 1, 1, QStringLiteral("q%1").arg(keys.at(r)));
            grid->setTextMatrix(r + 1, 2, QStringLiteral("s%1").arg(keys.at(r)));
        }
        boxes = ControlArray::find(&window, QStringLiteral("txtinp"));
        keyBox = qobject_cast<QLineEdit *>(boxes.at(3));
        s.KeyBox = keyBox;
        s.BoxBase = 3;
        s.GridRowCount = int(keys.size());
        // The windows' handlers: a key typed into the elevation box is placed
        // and highlighted; a row picked in the grid is shown in the boxes.
        QObject::connect(keyBox, &QLineEdit::returnPressed, &window, [this] {
            FindOrInsertGridRow(*grid, s);
            SelectGridRow(*grid, s, boxes, false);
        });
        QObject::connect(grid, &FlexGrid::MouseDown, &window, [this](int row, int) {
            if (row < s.FirstDataRow)
                return;
            s.GridRow = row;
            SelectGridRow(*grid, s, boxes, true);
        });
        window.resize(500, 600);
        window.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
    void enterKey(const QString &key)
    {
        keyBox->clear();
        QTest::keyClicks(keyBox, key);
        QTest::keyClick(keyBox, Qt::Key_Return);
    }
    void click(int row)
    {
        const QRect rect = table->visualRect(table->model()->index(row, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
    QStringList keys() const
    {
        QStringList out;
        for (int r = 1; r < grid->Rows(); ++r)
            out << grid->TextMatrix(r, 0);
        return out;
    }
    bool rowIs(int row, int colour) const
    {
        for (int c = 0; c < grid->Cols(); ++c)
            if (grid->CellColor(row, c) != colour)
                return false;
        return true;
    }
};

// Work tables with items of the given point counts, laid back to back; each
// point's fields read "item.point.field".
WorkTables tablesWith(const QList<int> &counts, int fields)
{
    WorkTables work;
    work.Reset(1, fields);
    for (int n : counts) {
        const int item = work.AddItem();
        if (n == 0)
            continue;
        const int first = work.MakeRoom(item, n);
        work.ItemLastPoint[item] = first + n - 1;
        for (int p = 0; p < n; ++p)
            for (int f = 1; f <= fields; ++f)
                work.PointTable(f, first + p) = QStringLiteral("%1.%2.%3").arg(item).arg(p + 1).arg(f);
    }
    return work;
}

QStringList pointsOf(const WorkTables &work, int item, int field = 1)
{
    QStringList out;
    if (work.HasPoints(item))
        for (int p = work.ItemFirstPoint[item]; p <= work.ItemLastPoint[item]; ++p)
            out << work.PointTable(field, p);
    return out;
}

QStringList expectedPoints(int item, int n, int field = 1)
{
    QStringList out;
    for (int p = 1; p <= n; ++p)
        out << QStringLiteral("%1.%2.%3").arg(item).arg(p).arg(field);
    return out;
}

} // namespace

class TestGrids : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    // Value grids.
    void newSeriesByKeys();
    void enterOnLastColumnAddsRow();
    void enterOnEmptyCellClosesUp();
    void clicksAreClamped();
    void scrollingKeepsRowInView();
    void typingStartsAfreshInEveryCell();
    void backspaceAndOtherKeys();
    void validation_data();
    void validation();
    void deleteValues();
    void insertValue_data();
    void insertValue();
    void seriesToTable();
    void windowsKeepTheirOwnTables();
    // Keyed-row grids.
    void findOrInsertByKeys_data();
    void findOrInsertByKeys();
    void firstKeyIntoEmptyGrid();
    void clickShowsRowInBoxes();
    void deleteRows_data();
    void deleteRows();
    void selectClampsRow();
    void rowsToTable();
    void emptyItemSharesNoRun();
    void clearAndLoadRows();
    void titleRowStaysWhileRowsScroll();
};

void TestGrids::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "0.25" << 0.25;
    QTest::newRow("leading blanks and trailing text") << "  12.5ft" << 12.5;
    QTest::newRow("sign and exponent") << "-1.5e2x" << -150.0;
    QTest::newRow("exponent without digits ignored") << "3e" << 3.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
}

void TestGrids::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingNumber(text), value);
}

void TestGrids::newSeriesByKeys()
{
    ValueWindow w({QStringLiteral("0")}, false);
    w.s.CellCount = 0;
    QVERIFY(w.exposed());
    w.start(0, 0);
    QCOMPARE(w.current(), 1);
    QCOMPARE(w.colour(1), Colors::Green);
    w.type(QStringLiteral("0.5"));
    w.key(Qt::Key_Return);
    QCOMPARE(w.s.CellCount, 3);
    QCOMPARE(w.current(), 2);
    QCOMPARE(w.cell(1), QStringLiteral("0.5"));
    QCOMPARE(w.colour(1), Colors::White);
    QCOMPARE(w.colour(2), Colors::Green);
    w.type(QStringLiteral("0.7"));
    w.key(Qt::Key_Tab);
    w.type(QStringLiteral("1"));
    QTest::keyClick(w.table, Qt::Key_Apostrophe);
    QCOMPARE(w.cells(5), (QStringList{"0", "0.5", "0.7", "1", ""}));
    QCOMPARE(w.s.CellCount, 5);
    QCOMPARE(w.current(), 4);
    QVERIFY(!w.s.GridBusy);
}

void TestGrids::enterOnLastColumnAddsRow()
{
    ValueWindow w({"0", "1", "2", "3"});
    w.grid->setRows(1);
    QVERIFY(w.exposed());
    w.start(0, 4);
    w.type(QStringLiteral("4"));
    w.key(Qt::Key_Enter);
    QCOMPARE(w.grid->Rows(), 2);
    QCOMPARE(w.grid->Row(), 1);
    QCOMPARE(w.grid->Col(), 0);
    QCOMPARE(w.s.CellCount, 6);
    // Arrow keys move the cursor and are followed.
    w.key(Qt::Key_Up);
    QCOMPARE(w.current(), 0 * 5 + 0 + 1); // cell 0 is never current
    QCOMPARE(w.colour(5), Colors::White);
}

void TestGrids::enterOnEmptyCellClosesUp()
{
    ValueWindow w({"0", "0.2", "", "0.6"});
    QVERIFY(w.exposed());
    w.start(0, 1);
    w.click(0, 2);
    QCOMPARE(w.current(), 2);
    w.key(Qt::Key_Return);
    QCOMPARE(w.cells(5), (QStringList{"0", "0.2", "0.6", "", ""}));
    QCOMPARE(w.s.CellCount, 4);
    QCOMPARE(w.current(), 2);
    QCOMPARE(w.colour(2), Colors::Green);
}

void TestGrids::clicksAreClamped()
{
    ValueWindow w({"0", "0.2", "0.4"}, false); // CellCount 3, no empty cell counted yet
    QVERIFY(w.exposed());
    w.start(0, 1);
    w.click(1, 3);
    QCOMPARE(w.current(), 3); // the empty cell after the last value
    QCOMPARE(w.s.CellCount, 4);
    QCOMPARE(w.s.GridRow, 0);
    QCOMPARE(w.s.GridCol, 3);
    w.click(0, 0);
    QCOMPARE(w.current(), 1);
    QCOMPARE(w.colour(3), Colors::White);
    QCOMPARE(w.colour(1), Colors::Green);
}

void TestGrids::scrollingKeepsRowInView()
{
    QStringList values;
    for (int k = 0; k < 150; ++k)
        values << QString::number(k);
    ValueWindow w(values);
    QVERIFY(w.exposed());
    w.start(0, 1);
    QCOMPARE(w.grid->TopRow(), 0);
    w.s.GridRow = 20;
    w.s.GridCol = 0;
    MoveToGridCell(*w.grid, w.s, w.s.GridRow, w.s.GridCol, w.s.CellCount, w.s.FieldOK, w.s.Typing);
    QCOMPARE(w.grid->TopRow(), 11);
    w.s.GridRow = 29;
    w.s.GridCol = 4;
    MoveToGridCell(*w.grid, w.s, w.s.GridRow, w.s.GridCol, w.s.CellCount, w.s.FieldOK, w.s.Typing);
    w.key(Qt::Key_Return); // onto a new row 30
    QCOMPARE(w.grid->Row(), 30);
    QVERIFY(w.grid->TopRow() <= 30);
    QCOMPARE(w.grid->TopRow(), std::min(21, w.table->verticalScrollBar()->maximum()));
}

// Moving to a cell that holds a value and typing replaces the value; before,
// typing once anywhere made every later key append.
void TestGrids::typingStartsAfreshInEveryCell()
{
    ValueWindow w({"0", "0.5", "0.8"});
    QVERIFY(w.exposed());
    w.start(0, 1);
    w.type(QStringLiteral("3"));
    QCOMPARE(w.cell(1), QStringLiteral("3"));
    w.type(QStringLiteral("5"));
    QCOMPARE(w.cell(1), QStringLiteral("35"));
    w.key(Qt::Key_Right);
    w.type(QStringLiteral("9"));
    QCOMPARE(w.cell(2), QStringLiteral("9"));
    w.click(0, 1);
    w.type(QStringLiteral("4"));
    QCOMPARE(w.cell(1), QStringLiteral("4"));
    w.key(Qt::Key_Return); // confirm moves on to cell 2
    w.type(QStringLiteral("7"));
    QCOMPARE(w.cell(2), QStringLiteral("7"));
    // Insert Point leaves the value in its cell to be typed over.
    InsertGridValue(*w.grid, w.s, w.s.GridRow, w.s.GridCol, w.s.CellCount, w.s.FieldOK, w.s.Typing);
    w.type(QStringLiteral("6"));
    QCOMPARE(w.cells(4), (QStringList{"0", "4", "6", "7"}));
}

void TestGrids::backspaceAndOtherKeys()
{
    ValueWindow w({"0", "0.5"});
    QVERIFY(w.exposed());
    w.start(0, 1);
    w.key(Qt::Key_Backspace); // not typing yet: the value stays
    QCOMPARE(w.cell(1), QStringLiteral("0.5"));
    w.type(QStringLiteral("12"));
    w.key(Qt::Key_Backspace);
    QCOMPARE(w.cell(1), QStringLiteral("1"));
    w.type(QStringLiteral("-a, e"));
    QCOMPARE(w.cell(1), QStringLiteral("1"));
    w.key(Qt::Key_Backspace);
    w.key(Qt::Key_Backspace);
    QCOMPARE(w.cell(1), QString());
}

void TestGrids::validation_data()
{
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("ok");
    QTest::newRow("max 1: 1 passes") << 1 << false << QStringList{"0", "1"} << 1 << true;
    QTest::newRow("max 1: 1.5 fails") << 1 << false << QStringList{"0", "1.5"} << 1 << false;
    QTest::newRow("max 1: negative fails") << 1 << false << QStringList{"0", "-0.1"} << 1 << false;
    QTest::newRow("no max: 250 passes") << -999 << false << QStringList{"0", "250"} << 1 << true;
    QTest::newRow("no max: negative fails") << -999 << false << QStringList{"0", "-1"} << 1 << false;
    QTest::newRow("not a number fails") << -999 << false << QStringList{"0", "1..2"} << 1 << false;
    // A cell is written into 10 columns: the decimals may be rounded away, never the whole part.
    QTest::newRow("whole part of 10 digits passes") << -999 << false << QStringList{"0", "1234567890"} << 1 << true;
    QTest::newRow("long decimals pass") << -999 << false << QStringList{"0", "12345.6789012"} << 1 << true;
    QTest::newRow("whole part of 11 digits fails") << -999 << false << QStringList{"0", "12345678901"} << 1 << false;
    QTest::newRow("rounding up to 11 digits fails") << -999 << false << QStringList{"0", "9999999999.7"} << 1 << false;
    QTest::newRow("blank passes") << 1 << true << QStringList{"0", "0.3", ""} << 2 << true;
    QTest::newRow("ascending with equal neighbours") << -999 << true << QStringList{"0", "0.2", "0.2", "0.5"} << 2
                                                     << true;
    QTest::newRow("ascending: above the next") << -999 << true << QStringList{"0", "0.3", "0.2"} << 1 << false;
    QTest::newRow("ascending: below the previous") << -999 << true << QStringList{"0", "0.3", "0.2"} << 2 << false;
    QTest::newRow("ascending: last only against previous")
        << -999 << true << QStringList{"0", "0.3", "0.4"} << 2 << true;
    QTest::newRow("ascending across rows")
        << -999 << true << QStringList{"0", "1", "2", "3", "4", "3.5", "6"} << 5 << false;
}

void TestGrids::validation()
{
    QFETCH(int, maxValue);
    QFETCH(bool, ascending);
    QFETCH(QStringList, values);
    QFETCH(int, cell);
    QFETCH(bool, ok);
    ValueWindow w(values);
    w.s.GridMaxValue = maxValue;
    w.s.GridAscending = ascending;
    QVERIFY(w.exposed());
    w.start(cell / 5, cell % 5);
    const int other = cell == 1 ? 2 : 1;
    w.click(other / 5, other % 5);
    QCOMPARE(w.s.FieldOK, ok);
    QCOMPARE(w.colour(cell), ok ? Colors::White : Colors::Red);
    QCOMPARE(w.colour(w.current()), Colors::Green);
}

void TestGrids::deleteValues()
{
    ValueWindow w({"0", "0.2", "0.4", "0.6"});
    QVERIFY(w.exposed());
    w.start(0, 2);
    DeleteGridValue(*w.grid, w.s, w.s.GridRow, w.s.GridCol, w.s.CellCount, w.s.FieldOK, w.s.Typing);
    QCOMPARE(w.cells(5), (QStringList{"0", "0.2", "0.6", "", ""}));
    QCOMPARE(w.s.CellCount, 4);
    QCOMPARE(w.current(), 2);
    QCOMPARE(w.colour(2), Colors::Green);
    // Deleting the empty cell at the end keeps the cursor green there.
    w.click(0, 3);
    DeleteGridValue(*w.grid, w.s, w.s.GridRow, w.s.GridCol, w.s.CellCount, w.s.FieldOK, w.s.Typing);
    QCOMPARE(w.s.CellCount, 3);
    QCOMPARE(w.colour(w.current()), Colors::Green);
    QVERIFY(!w.s.GridBusy);
}

void TestGrids::insertValue_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<bool>("withEmpty");
    QTest::addColumn<int>("rows"); // 0: as many as the values need
    QTest::addColumn<int>("at");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("inside the values") << QStringList{"0", "0.2", "0.4", "0.6"} << true << 0 << 2
                                       << QStringList{"0", "0.2", "0.4", "0.4", "0.6", ""};
    // A full last row gets a row appended before the values move on.
    QTest::newRow("full last row") << QStringList{"0", "1", "2", "3", "4"} << false << 1 << 1
                                   << QStringList{"0", "1", "1", "2", "3", "4"};
    // An emptied cell moves on with the values after it; no value is copied
    // into its place.
    QTest::newRow("emptied cell after the place") << QStringList{"0", "0.2", "", "0.8"} << false << 0 << 1
                                                  << QStringList{"0", "0.2", "0.2", "", "0.8"};
}

void TestGrids::insertValue()
{
    QFETCH(QStringList, values);
    QFETCH(bool, withEmpty);
    QFETCH(int, rows);
    QFETCH(int, at);
    QFETCH(QStringList, after);

    ValueWindow w(values, withEmpty);
    if (rows > 0)
        w.grid->setRows(rows);
    QVERIFY(w.exposed());
    w.start(0, at);
    InsertGridValue(*w.grid, w.s, w.s.GridRow, w.s.GridCol, w.s.CellCount, w.s.FieldOK, w.s.Typing);
    QCOMPARE(w.cells(int(after.size())), after);
    QCOMPARE(w.s.CellCount, int(after.size()));
    QCOMPARE(w.current(), at);
    QVERIFY(!w.s.GridBusy);
}

void TestGrids::seriesToTable()
{
    ValueWindow w({"0", "0.1", "0.3", "0.6", "1"});
    QVERIFY(w.exposed());
    // Item 2 of three items of 3 points each takes 6 cells, the last empty.
    WorkTables work = tablesWith({3, 3, 3}, 1);
    work.CurrentItem = 2;
    GridSeriesToTable(*w.grid, w.s, work, 6);
    QCOMPARE(work.PointCount, 12);
    QCOMPARE(pointsOf(work, 2), (QStringList{"0", "0.1", "0.3", "0.6", "1"}));
    QCOMPARE(work.ItemLastPoint[2], work.ItemFirstPoint[2] + 4);
    QCOMPARE(pointsOf(work, 1), expectedPoints(1, 3));
    QCOMPARE(pointsOf(work, 3), expectedPoints(3, 3));
    QCOMPARE(work.ItemFirstPoint[3], 10);
    QVERIFY(!w.s.GridBusy);

    // Fewer cells than points: the item keeps its slots and its range shrinks.
    WorkTables shrink = tablesWith({6, 2}, 1);
    shrink.CurrentItem = 1;
    GridSeriesToTable(*w.grid, w.s, shrink, 3);
    QCOMPARE(shrink.PointCount, 8);
    QCOMPARE(pointsOf(shrink, 1), (QStringList{"0", "0.1", "0.3"}));
    QCOMPARE(pointsOf(shrink, 2), expectedPoints(2, 2));

    // A new item gets its run after the last point; one cell stores nothing.
    WorkTables fresh = tablesWith({2, 0, 0}, 1);
    fresh.CurrentItem = 2;
    GridSeriesToTable(*w.grid, w.s, fresh, 4);
    QCOMPARE(fresh.ItemFirstPoint[2], 3);
    QCOMPARE(pointsOf(fresh, 2), (QStringList{"0", "0.1", "0.3", "0.6"}));
    fresh.CurrentItem = 3;
    GridSeriesToTable(*w.grid, w.s, fresh, 1);
    QCOMPARE(fresh.ItemFirstPoint[3], 0);
    QCOMPARE(fresh.ItemLastPoint[3], 0);
    QCOMPARE(fresh.PointCount, 6);

    // After storing, the cursor keys are followed again.
    w.start(0, 1);
    w.key(Qt::Key_Right);
    QCOMPARE(w.s.GridCol, 2);
}

void TestGrids::windowsKeepTheirOwnTables()
{
    ValueWindow a({"0", "0.5"});
    ValueWindow b({"0", "0.9", "1"});
    QVERIFY(a.exposed());
    QVERIFY(b.exposed());
    a.data.Work.Reset(2, 1);
    b.data.Work.Reset(2, 1);
    a.data.Work.CurrentItem = a.data.Work.AddItem();
    b.data.Work.CurrentItem = b.data.Work.AddItem();
    a.start(0, 1);
    b.start(0, 2);
    a.type(QStringLiteral("7"));
    b.type(QStringLiteral("3"));
    QCOMPARE(a.cell(1), QStringLiteral("7"));
    QCOMPARE(b.cell(2), QStringLiteral("3"));
    QCOMPARE(a.s.GridCol, 1);
    QCOMPARE(b.s.GridCol, 2);
    GridSeriesToTable(*a.grid, a.s, a.data.Work, a.s.CellCount);
    GridSeriesToTable(*b.grid, b.s, b.data.Work, b.s.CellCount);
    QCOMPARE(pointsOf(a.data.Work, 1), (QStringList{"0", "7"}));
    QCOMPARE(pointsOf(b.data.Work, 1), (QStringList{"0", "0.9", "3"}));
}

void TestGrids::findOrInsertByKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("count");
    QTest::newRow("between keys") << "107" << 3 << QStringList{"100", "105", "107", "110", ""} << 4;
    QTest::newRow("same whole key with a point") << "105.0" << 2 << QStringList{"100", "105.0", "110", ""} << 3;
    QTest::newRow("above all keys") << "120" << 4 << QStringList{"100", "105", "110", "120", ""} << 4;
    QTest::newRow("below all keys") << "95.5" << 1 << QStringList{"95.5", "100", "105", "110", ""} << 4;
    QTest::newRow("text without a number is key 0") << "x" << 1 << QStringList{"x", "100", "105", "110", ""} << 4;
}

void TestGrids::findOrInsertByKeys()
{
    QFETCH(QString, key);
    QFETCH(int, row);
    QFETCH(QStringList, keys);
    QFETCH(int, count);
    RowWindow w({"100", "105", "110"});
    QVERIFY(w.exposed());
    w.enterKey(key);
    QCOMPARE(w.s.GridRow, row);
    QCOMPARE(w.s.GridRowCount, count);
    QCOMPARE(w.keys().mid(0, keys.size()), keys);
    QCOMPARE(w.s.SelectedRow, row);
    QVERIFY(w.rowIs(row, Colors::Green));
    for (int r = 1; r <= count; ++r)
        if (r != row)
            QVERIFY2(w.rowIs(r, Colors::White), qPrintable(QString::number(r)));
    // The moved rows keep their other columns.
    QCOMPARE(w.grid->TextMatrix(int(keys.indexOf(QStringLiteral("110"))) + 1, 1), QStringLiteral("q110"));
}

void TestGrids::firstKeyIntoEmptyGrid()
{
    RowWindow w({}, 0);
    QVERIFY(w.exposed());
    QCOMPARE(w.grid->Rows(), 1);
    w.keyBox->setText(QStringLiteral("50"));
    FindOrInsertGridRow(*w.grid, w.s);
    QCOMPARE(w.grid->Rows(), 2);
    QCOMPARE(w.s.GridRow, 1);
    QCOMPARE(w.s.GridRowCount, 1);
    QCOMPARE(w.grid->TextMatrix(1, 0), QStringLiteral("50"));
    QCOMPARE(w.s.SelectedRow, GridState::None);
    QVERIFY(w.rowIs(1, Colors::White));
}

void TestGrids::clickShowsRowInBoxes()
{
    RowWindow w({"100", "105", "110"});
    QVERIFY(w.exposed());
    Globsubs::SetBackColor(w.boxes.at(4), Colors::Red);
    w.grid->setTextMatrix(2, 1, QStringLiteral("  7.5 "));
    w.click(2);
    QCOMPARE(w.s.GridRow, 2);
    QCOMPARE(Globsubs::ControlText(w.boxes.at(3)), QStringLiteral("105"));
    QCOMPARE(Globsubs::ControlText(w.boxes.at(4)), QStringLiteral("7.5"));
    QCOMPARE(Globsubs::ControlText(w.boxes.at(5)), QStringLiteral("s105"));
    QCOMPARE(Globsubs::BackColor(w.boxes.at(4)), Colors::White);
    QVERIFY(w.rowIs(2, Colors::Green));
    w.click(3);
    QVERIFY(w.rowIs(2, Colors::White));
    QVERIFY(w.rowIs(3, Colors::Green));
    w.click(0); // the title row is never picked
    QCOMPARE(w.s.GridRow, 3);
}

void TestGrids::deleteRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("middle row") << 2 << QStringList{"100", "110", "115", "", ""} << "110";
    QTest::newRow("last row") << 4 << QStringList{"100", "105", "110", "", ""} << "";
    QTest::newRow("row after the data") << 5 << QStringList{"100", "105", "110", "115", ""} << "";
}

void TestGrids::deleteRows()
{
    QFETCH(int, row);
    QFETCH(QStringList, keys);
    QFETCH(QString, shown);
    RowWindow w({"100", "105", "110", "115"});
    QVERIFY(w.exposed());
    w.click(2);
    w.s.GridRow = row;
    DeleteGridRow(*w.grid, w.s, w.boxes);
    QCOMPARE(w.keys(), keys);
    QCOMPARE(w.s.GridRowCount, row == 5 ? 4 : 3);
    QCOMPARE(Globsubs::ControlText(w.boxes.at(3)), shown);
    // The highlight stays where it was.
    QCOMPARE(w.s.SelectedRow, 2);
    QVERIFY(w.rowIs(2, Colors::Green));
    QVERIFY(w.rowIs(3, Colors::White));
    QCOMPARE(w.grid->Rows(), 6);
}

void TestGrids::selectClampsRow()
{
    RowWindow w({"100", "105", "110", "115"});
    QVERIFY(w.exposed());
    w.s.GridRow = 9;
    SelectGridRow(*w.grid, w.s, w.boxes, true);
    QCOMPARE(w.s.GridRow, 5);
    QCOMPARE(w.s.SelectedRow, 5);
    QCOMPARE(w.grid->Row(), 5);
    QCOMPARE(Globsubs::ControlText(w.boxes.at(3)), QString());
    UnhighlightGridRow(*w.grid, w.s);
    QCOMPARE(w.s.SelectedRow, GridState::None);
    QVERIFY(w.rowIs(5, Colors::White));
}

void TestGrids::rowsToTable()
{
    RowWindow w({"100", "105", "110", "115"});
    QVERIFY(w.exposed());
    {
        // 4 rows into an item of 6 points: the item ends with 4.
        WorkTables work = tablesWith({6, 2}, 3);
        work.CurrentItem = 1;
        work.SelectedItem = 2;
        GridRowsToTable(*w.grid, w.s, work);
        QCOMPARE(pointsOf(work, 1), (QStringList{"100", "105", "110", "115"}));
        QCOMPARE(pointsOf(work, 1, 3), (QStringList{"s100", "s105", "s110", "s115"}));
        QCOMPARE(pointsOf(work, 2), expectedPoints(2, 2));
        QCOMPARE(work.PointCount, 8);
        QCOMPARE(work.CurrentItem, 2);
    }
    {
        // 4 rows into an item of 2 points: the later items move up by 2.
        WorkTables work = tablesWith({3, 2, 4}, 3);
        work.CurrentItem = 2;
        GridRowsToTable(*w.grid, w.s, work);
        QCOMPARE(work.PointCount, 11);
        QCOMPARE(pointsOf(work, 2, 2), (QStringList{"q100", "q105", "q110", "q115"}));
        QCOMPARE(pointsOf(work, 1, 2), expectedPoints(1, 3, 2));
        QCOMPARE(pointsOf(work, 3, 3), expectedPoints(3, 4, 3));
        QCOMPARE(work.ItemFirstPoint[3], 8);
    }
    {
        WorkTables work = tablesWith({2}, 3);
        work.CurrentItem = 0;
        work.SelectedItem = 1;
        w.s.GridBusy = true;
        GridRowsToTable(*w.grid, w.s, work);
        QCOMPARE(pointsOf(work, 1), expectedPoints(1, 2));
        QCOMPARE(work.CurrentItem, 0);
        QVERIFY(!w.s.GridBusy);
    }
}

// An item stored without rows used to get the first point after the table,
// the same first point the next new item got; rows given to it later then
// overwrote that item's points.
void TestGrids::emptyItemSharesNoRun()
{
    RowWindow w({});
    QVERIFY(w.exposed());
    WorkTables work = tablesWith({2, 0, 0}, 3);
    work.CurrentItem = work.SelectedItem = 2;
    GridRowsToTable(*w.grid, w.s, work); // no rows
    QVERIFY(!work.HasPoints(2));
    QCOMPARE(work.ItemFirstPoint[2], 0);

    for (const char *key : {"10", "20"})
        w.enterKey(QString::fromLatin1(key));
    work.CurrentItem = work.SelectedItem = 3;
    GridRowsToTable(*w.grid, w.s, work);
    QCOMPARE(pointsOf(work, 3), (QStringList{"10", "20"}));

    ClearGridRows(*w.grid, w.s);
    for (const char *key : {"1", "2", "3"})
        w.enterKey(QString::fromLatin1(key));
    work.CurrentItem = work.SelectedItem = 2;
    GridRowsToTable(*w.grid, w.s, work);
    QCOMPARE(pointsOf(work, 2), (QStringList{"1", "2", "3"}));
    QCOMPARE(pointsOf(work, 3), (QStringList{"10", "20"}));
    QCOMPARE(pointsOf(work, 1), expectedPoints(1, 2));

    // An item emptied of its rows and given rows again leaves the others alone too.
    ClearGridRows(*w.grid, w.s);
    work.CurrentItem = 3;
    GridRowsToTable(*w.grid, w.s, work);
    QVERIFY(!work.HasPoints(3));
    for (const char *key : {"5", "6", "7", "8"})
        w.enterKey(QString::fromLatin1(key));
    work.CurrentItem = 3;
    GridRowsToTable(*w.grid, w.s, work);
    QCOMPARE(pointsOf(work, 3), (QStringList{"5", "6", "7", "8"}));
    QCOMPARE(pointsOf(work, 2), (QStringList{"1", "2", "3"}));
    QCOMPARE(pointsOf(work, 1), expectedPoints(1, 2));
}

void TestGrids::clearAndLoadRows()
{
    RowWindow w({"100", "105", "110"});
    QVERIFY(w.exposed());
    w.click(2);
    ClearGridRows(*w.grid, w.s);
    QCOMPARE(w.s.GridRowCount, 0);
    QCOMPARE(w.s.SelectedRow, GridState::None);
    QCOMPARE(w.keys(), (QStringList{"", "", "", ""}));
    QCOMPARE(w.grid->TextMatrix(0, 0), QStringLiteral("Elevation"));

    WorkTables work = tablesWith({2, 3}, 3);
    LoadGridRows(*w.grid, w.s, work, 2);
    QCOMPARE(w.s.GridRowCount, 3);
    QCOMPARE(w.grid->Rows(), 5);
    QCOMPARE(w.keys(), (QStringList{"2.1.1", "2.2.1", "2.3.1", ""}));
    QCOMPARE(w.grid->TextMatrix(3, 2), QStringLiteral("2.3.3"));
    work.CurrentItem = work.SelectedItem = 2;
    GridRowsToTable(*w.grid, w.s, work);
    QCOMPARE(pointsOf(work, 2, 2), expectedPoints(2, 3, 2));
    QCOMPARE(work.PointCount, 5);
}

QTEST_MAIN(TestGrids)
// A long keyed grid scrolled by its scroll bar, by TopRow and by the
// keyboard: the title row stays at the top as it was, the rows below it are
// the rows scrolled to, and the mouse finds each where it is seen.
void TestGrids::titleRowStaysWhileRowsScroll()
{
    QStringList keys;
    for (int k = 0; k < 60; ++k)
        keys << QString::number(100 + k);
    RowWindow w(keys);
    QVERIFY(w.exposed());
    const int frame = w.table->frameWidth();
    const int titleHeight = w.table->rowHeight(0);
    const QRect titles(frame, frame, w.table->viewport()->width(), titleHeight);
    auto titlesShown = [&] { return w.table->grab(titles).toImage(); };
    // The first row whose middle lies below the titles.
    auto firstRowShown = [&] {
        const QPoint below = w.table->viewport()->mapFrom(w.table, QPoint(titles.left() + 4, titles.bottom() + 1));
        return w.table->rowAt(below.y() + w.table->rowHeight(1) / 2);
    };
    auto clickAt = [&](QPoint inTable) {
        QWidget *target = w.table->childAt(inTable);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(w.table, inTable));
    };
    const QImage unscrolled = titlesShown();
    QCOMPARE(unscrolled.pixelColor(w.table->columnWidth(0) + 4, titleHeight / 2), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(firstRowShown(), 1);

    QScrollBar *bar = w.table->verticalScrollBar();
    bar->setValue(bar->maximum());
    QVERIFY(w.grid->TopRow() > 30);
    QCOMPARE(firstRowShown(), w.grid->TopRow());
    QCOMPARE(titlesShown(), unscrolled);

    w.grid->setTopRow(20);
    QCOMPARE(w.grid->TopRow(), 20);
    QCOMPARE(firstRowShown(), 20);
    QCOMPARE(titlesShown(), unscrolled);

    // The row above the first one shown comes into sight below the titles.
    w.grid->setCurrentCell(20, 1);
    QTest::keyClick(w.table, Qt::Key_Up);
    QCOMPARE(w.grid->Row(), 19);
    QCOMPARE(firstRowShown(), 19);
    QCOMPARE(titlesShown(), unscrolled);

    // A click on the titles picks no row, the hidden ones behind them
    // included; one just below them picks the row seen there.
    const int x = w.table->columnWidth(0) + 10;
    clickAt(QPoint(x, titles.center().y()));
    QCOMPARE(w.grid->MouseRow(), 0);
    QCOMPARE(w.s.GridRow, GridState::None);
    clickAt(QPoint(x, titles.bottom() + w.table->rowHeight(19) / 2));
    QCOMPARE(w.grid->MouseRow(), 19);
    QCOMPARE(w.s.GridRow, 19);
    QCOMPARE(Globsubs::ControlText(w.boxes.at(3)), QStringLiteral("118"));
    QCOMPARE(titlesShown(), unscrolled);

    // Scrolled sideways, the titles move with their columns.
    for (int c = 0; c < 3; ++c)
        w.table->setColumnWidth(c, 300);
    QScrollBar *across = w.table->horizontalScrollBar();
    QTRY_VERIFY(across->maximum() > 0);
    const QImage left = titlesShown();
    across->setValue(1);
    const int shift = -w.table->columnViewportPosition(0);
    QVERIFY(shift > 0 && shift < left.width());
    const QImage right = titlesShown();
    QCOMPARE(right.copy(0, 0, left.width() - shift, left.height()), left.copy(shift, 0, left.width() - shift, left.height()));
}

#include "tst_grids.moc"
