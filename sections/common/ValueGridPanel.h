#pragma once
// The value grid of the series windows (unit hydrograph, rain tables): the grid
// `MSFlexGrid1` with its hint `Label4`, `lblDispBox`, "Display Data" (`CmdPlot`),
// the window's delete button and the Insert/Delete popup `mnupopup`, and the
// grid edits that do not depend on what the series means.
#include "core/GridState.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class FlexGrid;
class QEvent;
class QGridLayout;
class QMenu;
class QObject;
class QPushButton;
class QTableWidget;
class QWidget;

namespace Plots {
struct PlotRequest;
}

class ValueGridPanel
{
public:
    struct Layout
    {
        int firstRow = 0;   // the grid's row; hint, "Entered Data:" and the buttons follow it
        int columnSpan = 2; // of the grid and the hint
        int startRows = 10;
        QString hint;          // caption of Label4
        QString deleteCaption; // the delete button
        QString deleteName;
        QString separatorName; // the popup's first entry
    };
    struct Handlers
    {
        std::function<void()> plot;
        std::function<void()> remove;
        std::function<void(int)> menuItem;
        std::function<void(int &)> keyPress;
        std::function<void()> enterCell;
        std::function<void(int, int)> mouseDown;
    };

    // Builds the controls into `layout` and wires them to `handlers` for as
    // long as `context` lives; `context` also filters the grid's mouse presses.
    void build(QGridLayout *layout, QWidget *parent, QObject *context, const Layout &settings,
               const Handlers &handlers);

    // Keeps the button and place of a press on the grid for the popup.
    void notePress(const QObject *watched, const QEvent *event);
    // Opens the popup where the right button went down on a cell holding a value.
    void popupOnRightClick();

    // Empties every cell and takes its colour back to white.
    void blank();
    // Blanks the grid and forgets its series; whichever way the focus comes
    // back, keys go to the cell after the first.
    void clear(GridState &s);
    // Puts `values` into the grid from cell 0; an empty row always follows them.
    void fill(GridState &s, const QStringList &values);
    // Cells in use from cell 0, the current cell included when it holds text.
    int cellsInUse(const GridState &s) const;
    // The text of the cells in use.
    QStringList cells(const GridState &s) const;

    // The first of `values`, laid from cell 0 as the grid shows them, that
    // fails the grid's check (the state's maximum and order); -1 when none
    // does. The first value, which the grid never makes current, is only the
    // neighbour of the second.
    static int firstInvalidCell(const GridState &s, const QStringList &values);
    // Names cell `cell` in messages: "<field>, row r, column c".
    QString cellName(const QString &field, int cell) const;
    // Makes cell `cell` the current one, marked red, with the focus in the grid.
    void showInvalidCell(GridState &s, int cell);

    // A key typed into the grid; the grid grows a row when the last cell is reached.
    void keyEdit(GridState &s, int &KeyAscii);
    void moveTo(GridState &s, int row, int col);
    // The grid was left: the current cell loses its highlight, but a cell
    // marked red keeps its mark.
    void dropHighlight(GridState &s);
    // Moves to the grid's own current cell.
    void enterCurrentCell(GridState &s);
    // Popup item 1 inserts a value at the current cell, item 2 deletes it;
    // only while values of a shown record are in the grid. The popup closes.
    void insertOrDelete(GridState &s, int Index, bool recordShown = true);
    // A press on a cell moves there; true when the grid holds values of a
    // shown record, and then a right press opens the popup.
    bool pressCell(GridState &s, int row, int col, bool recordShown = true);

    QPointer<QTableWidget> table;
    QPointer<FlexGrid> grid;
    QPointer<QPushButton> cmdPlot;
    QPointer<QPushButton> cmdDelete;
    QPointer<QMenu> popup;

private:
    Qt::MouseButton pressedButton_ = Qt::NoButton;
    QPoint pressedAt_;
};

namespace SeriesPlot {
// Shows `request` in the plot window, modal, in the project's units.
void Show(Plots::PlotRequest request);
}
