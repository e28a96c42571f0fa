#include "core/GridStuff.h"

#include "core/Colors.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/SeriesCheck.h"
#include "core/logic/TextFile.h"

#include <QTableWidget>
#include <algorithm>
#include <tuple>

namespace Grid_Stuff {

namespace {

bool holdsText(const QString &text) { return !TextFile::isBlank(text); }

int columnsOf(const FlexGrid &grid) { return std::max(grid.Cols(), 1); }

QString cellText(const FlexGrid &grid, int cell)
{
    const int cols = columnsOf(grid);
    return grid.TextMatrix(cell / cols, cell % cols);
}

void ensureRow(FlexGrid &grid, int row)
{
    if (row >= grid.Rows())
        grid.setRows(row + 1);
}

// Sets GridBusy for the life of a routine's own cursor moves.
class BusyGuard
{
public:
    explicit BusyGuard(GridState &s) : s_(s) { s_.GridBusy = true; }
    ~BusyGuard() { s_.GridBusy = false; }

private:
    GridState &s_;
};

} // namespace

// ---- Value grids ----

void MoveToGridCell(FlexGrid &grid, GridState &s, int &row, int &col, int &cellCount, bool &ok, bool &typing)
{
    BusyGuard busy(s);
    const int cols = columnsOf(grid);
    if (row < 0 || col < 0) {
        row = 0;
        col = 1;
    }
    col = std::min(col, cols - 1);
    if (cellCount <= 0) {
        row = 0;
        col = 1;
    } else if (row * cols + col >= cellCount) {
        int k = cellCount - 1;
        if (holdsText(cellText(grid, k))) {
            ++cellCount;
            k = cellCount - 1;
        }
        row = k / cols;
        col = k % cols;
    }
    if (row == 0 && col == 0)
        col = 1;
    ensureRow(grid, row);

    if (s.SelectedRow != GridState::None && s.SelectedCol != GridState::None) {
        grid.setCellColor(s.SelectedRow, s.SelectedCol, Colors::White);
        ValidateGridCell(grid, s, s.SelectedRow, s.SelectedCol, cellCount, ok);
    }
    grid.setCurrentCell(row, col);
    grid.setCellColor(row, col, Colors::Green);
    s.SelectedRow = row;
    s.SelectedCol = col;

    const int visible = s.GridVisibleRows;
    if (row - visible > 0 && (row < grid.TopRow() || row > grid.TopRow() + visible))
        grid.setTopRow(row - visible);
    // A new current cell starts its typing afresh: the first key replaces its text.
    typing = false;
}

void ValidateGridCell(FlexGrid &grid, const GridState &s, int row, int col, int cellCount, bool &ok)
{
    const int cols = columnsOf(grid);
    const int cell = row * cols + col;
    std::optional<QString> previous;
    std::optional<QString> next;
    if (cell > 0)
        previous = cellText(grid, cell - 1);
    if (cell + 2 < cellCount)
        next = cellText(grid, cell + 1);
    const SeriesCheck::Rule rule{double(s.GridMaxValue), s.GridAscending};
    ok = SeriesCheck::Passes(grid.TextMatrix(row, col), rule, previous, next);
    if (!ok)
        grid.setCellColor(row, col, Colors::Red);
}

void GridKeyEdit(int &keyAscii, FlexGrid &grid, GridState &s, int &row, int &col, int &cellCount, bool &typing,
                 int firstCol, int colSkip)
{
    if (keyAscii == 9 || keyAscii == 13 || keyAscii == 39) {
        const int cols = columnsOf(grid);
        if (holdsText(grid.TextMatrix(row, col))) {
            cellCount = std::max(cellCount, row * cols + col + 2);
            if (col + colSkip + 1 >= cols) {
                if (row + 1 >= grid.Rows())
                    grid.setRows(row + 2);
                ++row;
                col = firstCol;
            } else {
                col += colSkip + 1;
            }
            const int visible = s.GridVisibleRows;
            if (row - visible > 0 && row >= grid.TopRow() + visible)
                grid.setTopRow(row - visible);
        } else if (cellCount > 0) {
            bool deleteOk = true;
            DeleteGridValue(grid, s, row, col, cellCount, deleteOk, typing);
        }
        keyAscii = 0;
        bool moveOk = true;
        MoveToGridCell(grid, s, row, col, cellCount, moveOk, typing);
        return;
    }
    if (grid.Row() < 0 || grid.Col() < 0)
        return;
    if (keyAscii == 8) {
        const QString text = TextFile::trimBlanks(grid.Text());
        if (typing && !text.isEmpty())
            grid.setText(text.left(text.size() - 1));
        return;
    }
    if (keyAscii == 46 || (keyAscii >= 48 && keyAscii <= 57)) {
        QString text = grid.Text();
        TypeIntoCell(text, QLatin1Char(char(keyAscii)), typing);
        grid.setText(text);
    }
}

void TypeIntoCell(QString &text, QChar c, bool &typing)
{
    if (typing) {
        text += c;
    } else {
        text = QString(c);
        typing = true;
    }
}

void DeleteGridValue(FlexGrid &grid, GridState &s, int &row, int &col, int &cellCount, bool &ok, bool &typing)
{
    MoveToGridCell(grid, s, row, col, cellCount, ok, typing);
    BusyGuard busy(s);
    const int cols = columnsOf(grid);
    const int k = row * cols + col;
    int last = k;
    if (k < cellCount - 1) {
        for (int i = k; i <= cellCount - 2; ++i) {
            grid.setTextMatrix(i / cols, i % cols, cellText(grid, i + 1));
            if (i >= k + 1)
                grid.setCellColor(i / cols, i % cols, grid.CellColor((i + 1) / cols, (i + 1) % cols));
        }
        last = cellCount - 1;
    }
    grid.setTextMatrix(last / cols, last % cols, QString());
    grid.setCellColor(last / cols, last % cols, Colors::White);
    row = k / cols;
    col = k % cols;
    grid.setCurrentCell(row, col);
    grid.setCellColor(row, col, Colors::Green);
    if (cellCount > 1)
        --cellCount;
}

void InsertGridValue(FlexGrid &grid, GridState &s, int &row, int &col, int &cellCount, bool &ok, bool &typing)
{
    MoveToGridCell(grid, s, row, col, cellCount, ok, typing);
    BusyGuard busy(s);
    const int cols = columnsOf(grid);
    const int k = row * cols + col;
    auto isLastCell = [&](int r, int c) { return r == grid.Rows() - 1 && c == cols - 1; };
    if (holdsText(grid.TextMatrix(grid.Rows() - 1, cols - 1)))
        grid.AddItem(QStringLiteral(" "));
    for (int i = cellCount; i >= k + 1; --i) {
        const int r = i / cols;
        const int c = i % cols;
        if (isLastCell(r, c))
            grid.AddItem(QStringLiteral(" "));
        ensureRow(grid, r);
        // A blank cell moves on too: left behind, the value before it would
        // stand there twice.
        grid.setTextMatrix(r, c, cellText(grid, i - 1));
        if (i > k + 2)
            grid.setCellColor(r, c, grid.CellColor((i - 1) / cols, (i - 1) % cols));
    }
    row = k / cols;
    col = k % cols;
    grid.setCurrentCell(row, col);
    ++cellCount;
}

void GridSeriesToTable(FlexGrid &grid, GridState &s, WorkTables &work, int count)
{
    BusyGuard busy(s);
    const int item = work.CurrentItem;
    if (!work.HasItem(item))
        return;
    if (work.PointTable.fieldCount() < 1)
        work.PointTable.resize(1, work.PointTable.count());
    int first = 0;
    if (count > 1)
        first = work.MakeRoom(item, count);
    else if (work.HasPoints(item))
        first = work.ItemFirstPoint[item];
    else
        return; // stays without points
    count = std::max(count, 0);
    work.PointTable.ensureCount(first + count - 1);
    for (int i = 1; i <= count; ++i)
        work.PointTable(1, first + i - 1) = cellText(grid, i - 1);
    int last = first + count - 1;
    if (count > 0 && !holdsText(cellText(grid, count - 1)))
        --last;
    work.ItemFirstPoint[item] = first;
    work.ItemLastPoint[item] = last;
}

void BindValueGrid(FlexGrid &grid, GridState &s)
{
    QObject::connect(&grid, &FlexGrid::KeyPress, &grid, [&grid, &s](int &keyAscii) {
        GridKeyEdit(keyAscii, grid, s, s.GridRow, s.GridCol, s.CellCount, s.Typing, 0, 0);
    });
    QObject::connect(&grid, &FlexGrid::RowColChange, &grid, [&grid, &s] {
        if (s.GridBusy)
            return;
        s.GridRow = grid.Row();
        s.GridCol = grid.Col();
        MoveToGridCell(grid, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
    });
}

// ---- Keyed-row grids ----

void HighlightGridRow(FlexGrid &grid, const GridState &s)
{
    if (s.SelectedRow < 0 || s.SelectedRow >= grid.Rows())
        return;
    for (int c = std::max(s.FirstDataCol, 0); c < grid.Cols(); ++c)
        grid.setCellColor(s.SelectedRow, c, Colors::Green);
}

void UnhighlightGridRow(FlexGrid &grid, GridState &s)
{
    if (s.SelectedRow < 0)
        return;
    if (s.SelectedRow < grid.Rows())
        for (int c = std::max(s.FirstDataCol, 0); c < grid.Cols(); ++c)
            grid.setCellColor(s.SelectedRow, c, Colors::White);
    if (grid.Rows() > 0)
        grid.setRow(std::clamp(grid.MouseRow(), 0, grid.Rows() - 1));
    s.SelectedRow = GridState::None;
}

void FindOrInsertGridRow(FlexGrid &grid, GridState &s)
{
    if (!s.KeyBox)
        return;
    const QString keyText = s.KeyBox->text();
    const float key = float(LeadingNumber(keyText));
    if (s.GridRowCount < 1) {
        s.GridRowCount = 1;
        s.GridRow = 1;
        if (grid.Rows() <= 1) {
            ensureRow(grid, 0);
            grid.AddItem(QString(), 1);
        }
    } else {
        int r = s.FirstDataRow;
        bool match = false;
        for (; r <= s.GridRowCount; ++r) {
            const float value = float(LeadingNumber(grid.TextMatrix(r, s.KeyCol)));
            if (value == key) {
                match = true;
                break;
            }
            if (value > key)
                break;
        }
        s.GridRow = r;
        if (match) {
            grid.setRow(r);
        } else {
            const int examined = std::min(r, s.GridRowCount);
            const bool keyed = examined >= s.FirstDataRow && holdsText(grid.TextMatrix(examined, s.KeyCol));
            if (keyed || s.GridRow < s.GridRowCount) {
                ++s.GridRowCount;
                UnhighlightGridRow(grid, s);
                grid.AddItem(QString(), s.GridRow);
                s.SelectedRow = s.GridRow;
                HighlightGridRow(grid, s);
            } else if (s.GridRow > s.GridRowCount) {
                s.GridRowCount = s.GridRow;
            }
        }
    }
    ensureRow(grid, s.GridRow);
    grid.setTextMatrix(s.GridRow, s.KeyCol, keyText);
}

void SelectGridRow(FlexGrid &grid, GridState &s, const ControlArray &boxes, bool showInBoxes)
{
    if (s.SelectedRow > 0)
        UnhighlightGridRow(grid, s);
    if (s.GridRow > s.GridRowCount + 1)
        s.GridRow = s.GridRowCount + 1;
    if (s.GridRow < 0)
        return;
    ensureRow(grid, s.GridRow);
    grid.setRow(s.GridRow);
    s.SelectedRow = s.GridRow;
    HighlightGridRow(grid, s);
    if (showInBoxes)
        Globsubs::GridRowToBoxes(boxes, grid, s);
}

void DeleteGridRow(FlexGrid &grid, GridState &s, const ControlArray &boxes)
{
    const int row = s.GridRow;
    if (row < s.FirstDataRow || row >= grid.Rows())
        return;
    if (row > s.GridRowCount) {
        // Not a data row: nothing to remove but what the boxes show.
        for (int c = 0; c < grid.Cols(); ++c)
            grid.setTextMatrix(row, c, QString());
    } else if (row == s.GridRowCount) {
        --s.GridRowCount;
        for (int c = 0; c < grid.Cols(); ++c)
            grid.setTextMatrix(row, c, QString());
    } else {
        --s.GridRowCount;
        // The texts move up a row; the colours stay where they are.
        std::vector<std::tuple<int, int, int>> coloured;
        const int rows = grid.Rows();
        const int cols = grid.Cols();
        for (int r = row; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                if (const int colour = grid.CellColor(r, c); colour != Colors::White)
                    coloured.emplace_back(r, c, colour);
        grid.RemoveItem(row);
        grid.AddItem(QString());
        for (const auto &[r, c, colour] : coloured)
            if (r - 1 >= row)
                grid.setCellColor(r - 1, c, Colors::White);
        for (const auto &[r, c, colour] : coloured)
            grid.setCellColor(r, c, colour);
        for (int c = 0; c < cols; ++c)
            grid.setTextMatrix(s.GridRowCount + 1, c, QString());
    }
    Globsubs::GridRowToBoxes(boxes, grid, s);
}

void ClearGridRows(FlexGrid &grid, GridState &s)
{
    UnhighlightGridRow(grid, s);
    for (int r = s.FirstDataRow; r <= s.GridRowCount; ++r)
        for (int c = std::max(s.FirstDataCol, 0); c < grid.Cols(); ++c)
            grid.setTextMatrix(r, c, QString());
    s.GridRowCount = 0;
}

void GridRowsToTable(FlexGrid &grid, GridState &s, WorkTables &work)
{
    BusyGuard busy(s);
    const int item = work.CurrentItem;
    if (!work.HasItem(item))
        return;
    const int firstCol = std::max(s.FirstDataCol, 0);
    const int fields = grid.Cols() - firstCol;
    if (work.PointTable.fieldCount() < fields)
        work.PointTable.resize(fields, work.PointTable.count());
    const int rows = std::max(s.GridRowCount - s.FirstDataRow + 1, 0);
    if (rows == 0) {
        if (work.HasPoints(item)) {
            work.ItemLastPoint[item] = work.ItemFirstPoint[item] - 1;
        } else {
            // No run at all, so no later item can come to share it.
            work.ItemFirstPoint[item] = 0;
            work.ItemLastPoint[item] = 0;
        }
    } else {
        const int first = work.MakeRoom(item, rows);
        for (int r = 0; r < rows; ++r)
            for (int f = 1; f <= fields; ++f)
                work.PointTable(f, first + r) = grid.TextMatrix(s.FirstDataRow + r, firstCol + f - 1);
        work.ItemFirstPoint[item] = first;
        work.ItemLastPoint[item] = first + rows - 1;
    }
    work.CurrentItem = work.SelectedItem;
}

void LoadGridRows(FlexGrid &grid, GridState &s, const WorkTables &work, int item)
{
    ClearGridRows(grid, s);
    const int n = work.ItemPointCount(item);
    const int firstCol = std::max(s.FirstDataCol, 0);
    const int fields = std::min(grid.Cols() - firstCol, work.PointTable.fieldCount());
    QTableWidget *table = grid.table();
    const bool updates = table->updatesEnabled();
    table->setUpdatesEnabled(false);
    grid.setRows(std::max(s.FirstDataRow + n + 1, grid.FixedRows() + 1));
    const int first = n > 0 ? work.ItemFirstPoint[item] : 0;
    for (int r = 0; r < n; ++r)
        for (int f = 1; f <= fields; ++f)
            grid.setTextMatrix(s.FirstDataRow + r, firstCol + f - 1, work.PointTable(f, first + r));
    table->setUpdatesEnabled(updates);
    s.GridRowCount = s.FirstDataRow - 1 + n;
}

} // namespace Grid_Stuff

namespace Globsubs {

void GridRowToBoxes(const ControlArray &boxes, FlexGrid &grid, const GridState &s)
{
    if (s.GridRow < 0 || s.GridRow >= grid.Rows())
        return;
    grid.setRow(s.GridRow);
    for (int c = std::max(s.FirstDataCol, 0); c < grid.Cols(); ++c) {
        QWidget *box = boxes.at(s.BoxBase + c);
        if (!box)
            continue;
        SetControlText(box, TextFile::trimBlanks(grid.TextMatrix(s.GridRow, c)));
        SetBackColor(box, Colors::White);
    }
}

} // namespace Globsubs
