#pragma once
// Grid editing shared by the table windows, on a FlexGrid (core/FlexGrid.h),
// the window's GridState (core/GridState.h) and its WorkTables
// (core/WorkTables.h).
//
// Value grids (unit hydrograph ordinates, rainfall mass curves, input
// hydrograph flows): five columns, no fixed rows; cells are numbered in
// reading order from 0 (cell k is row k / Cols, column k % Cols). Cell 0 holds
// the series' first value, put there by the window, and is never made
// current. A window sets GridAscending, GridMaxValue and GridVisibleRows,
// fills the grid and CellCount, and calls BindValueGrid once after building
// the grid; typing, Tab/Enter, clicks and arrow keys then run the routines.
// Its context menu calls InsertGridValue / DeleteGridValue with
// (s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing), and storing the
// series (accept, plot, another item) calls GridSeriesToTable(grid, s, work,
// s.CellCount) with work.CurrentItem set to the item shown.
//
// Keyed-row grids (structure and cross-section ratings, storm records):
// row 0 holds titles (FixedRows 1), data rows are FirstDataRow..GridRowCount,
// found or inserted in ascending order of the number in column KeyCol. A
// window lays an item's rows in with LoadGridRows (or its own code, keeping
// GridRowCount), places a key typed into KeyBox with FindOrInsertGridRow and
// highlights it with SelectGridRow, shows a clicked row with GridRow = the
// row and SelectGridRow(..., true), removes it with DeleteGridRow, and stores
// with GridRowsToTable before showing another item and on accept. Rows are
// picked on FlexGrid::MouseDown, not on RowColChange: the routines move the
// current row themselves (UnhighlightGridRow returns it to the row under the
// mouse).
//
// A value grid's window, after filling the grid, makes the first cell current
// with MoveToGridCell(grid, s, s.GridRow = 0, s.GridCol = 1, ...); the
// rainfall and input hydrograph windows call UnhighlightGridRow on
// FlexGrid::LostFocus.
//
// Colours: the current cell of a value grid and the highlighted row of a
// keyed-row grid are green, a cell that failed its check red, others white.
#include "core/ControlArray.h"
#include "core/FlexGrid.h"
#include "core/GridState.h"
#include "core/logic/WorkTables.h"

namespace Grid_Stuff {

// ---- Value grids ----

// The key handler: digits and "." type into the current cell (replacing its
// text when typing has not started in it), Backspace removes the last
// character, Tab / Enter / apostrophe confirm the cell and move on (an empty
// cell is removed and the later values close up). keyAscii is 0 afterwards.
void GridKeyEdit(int &keyAscii, FlexGrid &grid, GridState &s, int &row, int &col, int &cellCount,
                 bool &typing, int firstCol, int colSkip);

// A digit or "." typed into a cell's text: the first one since the cell
// became current (typing false) replaces the text, later ones are added to it.
void TypeIntoCell(QString &text, QChar c, bool &typing);

// Makes (row, col) the current cell, clamped to the cells in use (the empty
// cell after the last value at most; never cell 0), checks the cell it leaves
// (result in ok) and starts typing afresh. Rows are added when the target
// lies below the grid.
void MoveToGridCell(FlexGrid &grid, GridState &s, int &row, int &col, int &cellCount, bool &ok,
                    bool &typing);

// Checks cell (row, col): blank passes; otherwise a number of at least 0 (at
// most GridMaxValue when that is above 0), and with GridAscending not below
// the previous cell nor above the next value. A failing cell turns red.
void ValidateGridCell(FlexGrid &grid, const GridState &s, int row, int col, int cellCount, bool &ok);

// Removes the value of cell (row, col): the later values move one cell back.
void DeleteGridValue(FlexGrid &grid, GridState &s, int &row, int &col, int &cellCount, bool &ok,
                     bool &typing);

// Opens a place at cell (row, col): its text and every later cell's, blank
// ones too, move one cell on; the cell keeps its text to be typed over.
void InsertGridValue(FlexGrid &grid, GridState &s, int &row, int &col, int &cellCount, bool &ok,
                     bool &typing);

// Stores cells 0..count-1 as the points (field 1) of work.CurrentItem; the
// empty cell after the last value is not counted.
void GridSeriesToTable(FlexGrid &grid, GridState &s, WorkTables &work, int count);

// Connects the grid's key presses and cell changes to the routines above with
// the state's GridRow, GridCol, CellCount, FieldOK and Typing. `s` must live
// as long as the grid (the window owns both).
void BindValueGrid(FlexGrid &grid, GridState &s);

// ---- Keyed-row grids ----

// Finds the row whose key equals the number in KeyBox, or inserts an empty row
// in key order (highlighted); sets GridRow and writes KeyBox's text into the
// row's key cell.
void FindOrInsertGridRow(FlexGrid &grid, GridState &s);
// Highlights row GridRow (at most the row after the data) and, with
// showInBoxes, shows it in the boxes.
void SelectGridRow(FlexGrid &grid, GridState &s, const ControlArray &boxes, bool showInBoxes);
void HighlightGridRow(FlexGrid &grid, const GridState &s);
void UnhighlightGridRow(FlexGrid &grid, GridState &s);
// Removes data row GridRow (the rows below move up) and shows the row now at
// GridRow in the boxes. Colours and SelectedRow stay.
void DeleteGridRow(FlexGrid &grid, GridState &s, const ControlArray &boxes);
// Empties every data row; the grid keeps its rows.
void ClearGridRows(FlexGrid &grid, GridState &s);
// Stores the data rows as the points of work.CurrentItem (grid column c in
// field c + 1 - FirstDataCol), then makes work.SelectedItem current.
void GridRowsToTable(FlexGrid &grid, GridState &s, WorkTables &work);
// Lays the points of `item` into the data rows (after clearing them), with one
// empty row below the data, and sets GridRowCount.
void LoadGridRows(FlexGrid &grid, GridState &s, const WorkTables &work, int item);

} // namespace Grid_Stuff

namespace Globsubs {

// Shows grid row GridRow in the boxes: box BoxBase + c takes the trimmed text
// of column c (from FirstDataCol) and turns white.
void GridRowToBoxes(const ControlArray &boxes, FlexGrid &grid, const GridState &s);

} // namespace Globsubs
