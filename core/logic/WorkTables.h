#pragma once
// The work tables of a table window: a table of items (a rain table, a
// structure, a reach ...) with their per-item fields, and one table of points
// (values or rows) in which the points of all items lie back to back, each
// item owning one unbroken run of them.
//
// Every table window owns its own WorkTables (a member of the window, usually
// inside a TableWindowData with the grid state, core/GridState.h), sizes and
// fills them when it loads and hands them to the grid routines
// (core/GridStuff.h) and to any window it opens on its data (the plot window).
// Two table windows open at once therefore never share data.
//
//     work.Reset(2, 1);                 // 2 header fields, 1 value per point
//     const int item = work.AddItem();  // an item with no points
//     work.ItemHeader(1, item) = id;
//     ... Grid_Stuff::GridSeriesToTable(grid, state, work, count);
//     for (int p = work.ItemFirstPoint[item]; p <= work.ItemLastPoint[item]; ++p)
//         write(work.PointTable(1, p));
//
// Invariants the routines keep: the runs of two items never overlap; a point
// that lies in no item's run is dead (never written or shown); a new item's
// run is appended after the last point in use. QtCore only.
#include <QString>
#include <QList>
#include <vector>

// A two-dimensional table of texts (field, index), both counted from 1.
class TextTable
{
public:
    int fieldCount() const { return fields_; }
    int count() const { return count_; }
    // Resizes, keeping every value that stays within the new size.
    void resize(int fields, int count);
    // Grows the index dimension to at least `count`, keeping the fields.
    void ensureCount(int count)
    {
        if (count > count_)
            resize(fields_, count);
    }
    // Value at (field, index); empty outside the table.
    QString value(int field, int index) const;
    // Writable value; (field, index) must lie within the table.
    QString &operator()(int field, int index);
    const QString &operator()(int field, int index) const;

    // Moves indexes first..last (all fields) `by` places up; the table must
    // already reach last + by. The places they leave keep their old texts.
    void moveUp(int first, int last, int by);

private:
    size_t at(int field, int index) const { return size_t(index - 1) * size_t(fields_) + size_t(field - 1); }
    int fields_ = 0;
    int count_ = 0;
    std::vector<QString> data_;
};

struct WorkTables
{
    TextTable ItemHeader;            // (field, item)
    QList<int> ItemFirstPoint{0};    // by item, from 1; 0 = no points
    QList<int> ItemLastPoint{0};     // by item; below the first = no points
    int ItemCount = 0;
    TextTable PointTable;            // (field, point); one field in the value-series windows
    int PointCount = 0;
    int CurrentItem = 0;             // the item the grid shows; 0 = none
    int SelectedItem = 0;            // the item the keyed-row store makes current next

    // Empties every table and sets the field counts.
    void Reset(int headerFields, int pointFields);
    // Appends an item without points and returns its number.
    int AddItem();
    // Sets the number of items, keeping the first ones; new items have no points.
    void SetItemCount(int count);

    bool HasItem(int item) const { return item >= 1 && item <= ItemCount; }
    bool HasPoints(int item) const;
    // Number of points of the item (0 when it has none).
    int ItemPointCount(int item) const;

    // Gives `item` a run of at least `n` points (n >= 1) and returns its first
    // point. An item without points gets a new run after the last point in
    // use; an item with fewer than n grows in place, moving the later points
    // up and the later items' runs with them; an item with n or more keeps its
    // run. The item's last point is not changed.
    int MakeRoom(int item, int n);
};
