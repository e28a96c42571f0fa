#pragma once
// The land-use grid behind the land-use window: the local land uses and the
// standard ones with their curve numbers by hydrologic soil group, the areas
// typed for one sub-area, the totals shown while typing, and the sub-area's
// LAND AREA rows made from the areas.
#include "sections/common/logic/InvalidValue.h"
#include "sections/common/logic/SubAreaRecord.h"
#include "sections/runoff/logic/LocalLandUseData.h"

#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace LandUseGrid {

struct GridRow
{
    QString Name;
    std::array<QString, 4> CN; // groups A to D, as texts
    bool Local = false;
};

// The local land uses in file order, then the standard table in its order.
QList<GridRow> BuildRows(const QList<LocalLandUseData::LocalLandUse> &local);

// An area cell takes an area only where its group has a curve number (its
// leading number is not 0) and the name fits a LAND AREA line (35 characters).
bool CellUsable(const GridRow &row, int group);

// Areas of one sub-area by grid row and group (texts as typed; empty: none).
using Areas = QList<std::array<QString, 4>>;

struct Totals
{
    double Area = 0;      // accumulated area, rounded to 5 decimals
    double AreaCN = 0;    // sum of area times curve number
    QString AreaText;     // the accumulated area as shown
    QString WeightedText; // the weighted curve number as shown, or empty
};

// Sums every usable cell of the grid afresh.
Totals ComputeTotals(const QList<GridRow> &rows, const Areas &areas);

// `value` rounded to `decimals` places, halves to the even neighbour.
double RoundHalfEven(double value, int decimals);

// The group (0 to 3) of a soil-group text; -1 when it names none. An empty
// text stands for group A.
int GroupOf(const QString &soilGroup);

// The grid rows by name, built once for every sub-area shown or checked: an
// entry's row is the first whose name equals it trimmed, else the first equal
// without regard to case; -1 for none.
class RowIndex
{
public:
    RowIndex() = default;
    explicit RowIndex(const QList<GridRow> &rows);
    int rowOf(const QString &landUseName) const;

private:
    QHash<QString, int> exact_;
    QHash<QString, int> folded_;
};

// A sub-area may list one land use on one soil group more than once (parcels):
// their cell shows the sum, and while the cell is not edited the parcels are
// handed back as they were. Keyed by CellKey; only cells of two or more.
using Parcels = QHash<int, QStringList>;
inline int CellKey(int row, int group) { return row * 4 + group; }

struct Placement
{
    Areas areas;            // what each cell shows: its entry's area, or its parcels' sum
    Parcels parcels;        // the areas of the cells that hold parcels, in file order
    QList<LandRow> unseen;  // entries that no usable cell of the grid can show
};

// Lays a sub-area's land rows into the grid of `rows`, whose index is `index`.
Placement PlaceEntries(const QList<GridRow> &rows, const RowIndex &index, const QList<LandRow> &land);

// The sum of areas as a cell shows it: exact, as plain decimal text (1E-3 and
// 1E-3 give 0.002); blank when every area is blank. A text that is no number
// counts as its leading number.
QString SumOfAreas(const QStringList &areas);

// The check of an area: blank (none) or a number of at least 0.
bool AreaPasses(const QString &area);

// The first cell showing an area of a sub-area's land rows that fails its
// check (by row, then group; every parcel counts): its row in `rows` (from 0)
// as `row`, its group (0 to 3) as `field`. Entries the grid cannot show are
// kept as they are and not checked. Takes time by the sub-area's rows, not the
// grid's.
std::optional<InvalidValue> FirstInvalidArea(const QList<GridRow> &rows, const RowIndex &index,
                                             const QList<LandRow> &land);

// The land rows of the grid in grid order (by row, then groups A to D) for
// every cell holding text, a cell with parcels as its parcels (whatever it
// shows), then the entries kept unseen, unchanged.
QList<LandRow> LandRowsFrom(const QList<GridRow> &rows, const Areas &areas, const Parcels &parcels,
                            const QList<LandRow> &unseen);

} // namespace LandUseGrid
