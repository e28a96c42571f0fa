#pragma once
// The grid of the table windows: a QTableWidget seen through the members the
// grid routines use (Rows, Cols, Row, Col, Text and CellBackColor of the
// current cell, TopRow, MouseRow, AddItem), with its events as signals.
//
// A window builds its QTableWidget (objectName `MSFlexGrid1`, ...) in
// buildControls and wraps it: `grid_ = new FlexGrid(table)` (the adapter is a
// child of the table and goes with it). The table does no editing of its own:
// keys that produce a character reach the window as KeyPress(KeyAscii) (Tab 9,
// Enter 13, Backspace 8, "0" 48 ...), arrow keys move the current cell, and
// every change of the current cell, by the user or by code, raises
// RowColChange. Row indexes are the table's: with FixedRows 1 the title row is
// row 0 and data start at row 1. The fixed rows stay at the top while the
// rows below them scroll.
//
// Colours are &HBBGGRR numbers (core/Colors.h); a cell without a colour of its
// own is white.
//
// A click acts on the cell that was under the pointer when the button went
// down. The click first takes the focus from the box that had it, whose
// focus-out check may place and scroll rows; the grid then shows again what
// it showed before, with the row the pointer was on under it, so that the
// press and MouseRow find that cell.
#include <QList>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QString>

#include <optional>

class QMouseEvent;
class QTableView;
class QTableWidget;
class QTableWidgetItem;

class FlexGrid : public QObject
{
    Q_OBJECT
public:
    explicit FlexGrid(QTableWidget *table);

    QTableWidget *table() const { return table_; }

    int Rows() const;
    void setRows(int rows);
    int Cols() const;
    void setCols(int cols);
    // Rows at the top that hold titles: shown grey and never made current by
    // the user.
    int FixedRows() const { return fixedRows_; }
    void setFixedRows(int rows);

    // The current cell. Setting it raises RowColChange when it changes.
    int Row() const;
    void setRow(int row);
    int Col() const;
    void setCol(int col);
    void setCurrentCell(int row, int col);

    // Text and back colour of the current cell.
    QString Text() const;
    void setText(const QString &text);
    int CellBackColor() const;
    void setCellBackColor(int bgr);

    // Any cell; a cell outside the grid reads as empty and white, and writing
    // it does nothing.
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);
    int CellColor(int row, int col) const;
    void setCellColor(int row, int col, int bgr);

    // First row shown at the top of the view, below the fixed rows.
    int TopRow() const;
    void setTopRow(int row);
    // The grid is at least tall enough to show its fixed rows and `rows`
    // rows below them.
    void setRowsShown(int rows);
    // Row and column under the mouse at its last move or press over the grid.
    int MouseRow() const { return mouseRow_; }
    int MouseCol() const { return mouseCol_; }
    // The button of the last press over the grid.
    Qt::MouseButton MouseButton() const { return mouseButton_; }

    // Adds a row whose cells take the tab-separated texts of `item`, at row
    // `index` (the rows from it move down) or at the end when `index` < 0.
    void AddItem(const QString &item, int index = -1);
    void RemoveItem(int index);

signals:
    // A key that produces a character; set keyAscii to 0 to mark it handled.
    void KeyPress(int &keyAscii);
    void RowColChange();
    // A mouse button went down over a cell (after the current cell followed it).
    void MouseDown(int row, int col);
    void LostFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class FocusWatch;
    // A row seen in the view: where it was and how high.
    struct SeenRow
    {
        QPersistentModelIndex index;
        int top = 0;
        int height = 0;
    };
    struct SeenView
    {
        int vertical = 0;
        int horizontal = 0;
        QList<SeenRow> rows; // from the top row down
    };
    void noteViewSeen();
    void showViewSeen(QPoint pressed);

    QTableWidgetItem *cell(int row, int col) const;
    QTableWidgetItem *makeCell(int row, int col);
    void paintFixedRow(int row);
    bool tableAlive() const;
    int fixedHeight() const;
    void freezeFixedRows();
    void updateFrozen();
    void placeFixedView();
    bool forwardFromFixedView(QEvent *event);
    void noteMouse(const QTableView *view, const QMouseEvent *mouse);

    QTableWidget *table_;
    QObject *tableObject_;
    QObject *viewport_;
    // While the grid has rows below its fixed rows, the fixed rows are shown
    // by a view of the same cells in the table's top header, and the table's
    // own view starts below them.
    QTableView *fixedView_ = nullptr;
    QObject *fixedPort_ = nullptr;
    bool frozen_ = false;
    const QEvent *forwarded_ = nullptr; // a mouse event from the fixed rows, for the viewport's filters only
    int fixedRows_ = 0;
    int mouseRow_ = 0;
    int mouseCol_ = 0;
    Qt::MouseButton mouseButton_ = Qt::NoButton;
    // What the view showed when a click began to move the focus into it,
    // until that click's press (or the next pass of the event loop).
    std::optional<SeenView> seen_;
    quint64 seenCount_ = 0;
};
