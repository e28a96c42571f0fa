#pragma once
// The grid state of a table window: where its value grid or keyed-row grid
// stands. Each table window owns one (usually in a TableWindowData together
// with its work tables) and hands it to the grid routines (core/GridStuff.h).
//
// Value grids (unit hydrograph, rainfall distribution, input hydrograph) set
// GridAscending, GridMaxValue and GridVisibleRows when they load and keep
// their cell count, typing flag and check result in CellCount, Typing and
// FieldOK. Keyed-row grids (structure, cross section, storm) set FirstDataRow,
// FirstDataCol, KeyCol, NameKeyCol, BoxBase and KeyBox.
#include "core/logic/WorkTables.h"

#include <QLineEdit>
#include <QPointer>

struct GridState
{
    static constexpr int None = -999;

    int GridRow = None;        // value grid: current row; keyed grid: row the boxes edit
    int GridCol = 0;           // value grid: current column
    int GridRowCount = 0;      // keyed grid: data rows are FirstDataRow..GridRowCount
    int SelectedRow = None;    // highlighted row (cell)
    int SelectedCol = None;
    // Set while a routine moves the grid's cursor itself: the window's
    // cell-change handlers must then do nothing.
    bool GridBusy = false;

    // Value grids.
    bool GridAscending = false;  // every value between its neighbours
    int GridMaxValue = None;     // upper bound when above 0
    int GridVisibleRows = 9;     // rows kept in view
    int CellCount = 0;           // cells in use from cell 0
    bool Typing = false;         // a key typed into the current cell appends to it
    bool FieldOK = true;         // result of the last check

    // Keyed-row grids.
    int FirstDataRow = 1;
    int FirstDataCol = 0;
    int KeyCol = 0;
    int NameKeyCol = None;       // a second key column is never used: rows match on the key
    int BoxBase = 0;             // grid column c shows in box BoxBase + c
    QPointer<QLineEdit> KeyBox;  // the box whose text is the key to find or insert
};

// What a table window owns: its work tables and its grid state.
struct TableWindowData
{
    WorkTables Work;
    GridState Grid;
};
