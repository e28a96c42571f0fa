#include "sections/runoff/logic/LandUseGrid.h"
#include "core/logic/Fields.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <cmath>
#include <map>

namespace LandUseGrid {

QList<GridRow> BuildRows(const QList<LocalLandUseData::LocalLandUse> &local)
{
    using namespace Standard_Land_Use;
    QList<GridRow> rows;
    rows.reserve(local.size() + StdLandUseRows);
    for (const auto &l : local)
        rows << GridRow{l.Name, l.CN, true};
    for (int r = 1; r <= StdLandUseRows; ++r)
        rows << GridRow{StdLandUse[1][r], {StdLandUse[2][r], StdLandUse[3][r], StdLandUse[4][r], StdLandUse[5][r]},
                        false};
    return rows;
}

bool CellUsable(const GridRow &row, int group)
{
    // A name longer than the LAND AREA line's name field would shift the soil
    // group and the area out of their columns.
    if (TextFile::trimBlanks(row.Name).size() > LocalLandUseData::MaxNameLength)
        return false;
    return Globsubs::LeadingNumber(row.CN[group]) != 0;
}

double RoundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale;
}

Totals ComputeTotals(const QList<GridRow> &rows, const Areas &areas)
{
    Totals t;
    double area = 0;
    for (qsizetype r = 0; r < rows.size() && r < areas.size(); ++r) {
        for (int g = 0; g < 4; ++g) {
            const QString &text = areas[r][g];
            if (text.isEmpty() || !CellUsable(rows[r], g))
                continue;
            const double a = Globsubs::LeadingNumber(text);
            area += a;
            t.AreaCN += a * Globsubs::LeadingNumber(rows[r].CN[g]);
        }
    }
    t.Area = RoundHalfEven(area, 5);
    t.AreaText = Globsubs::NumberText(t.Area);
    if (t.Area > 0 && t.AreaCN > 0)
        t.WeightedText = Globsubs::NumberText(RoundHalfEven(t.AreaCN / t.Area, 1));
    return t;
}

int GroupOf(const QString &soilGroup)
{
    const QString g = TextFile::trimBlanks(soilGroup).toUpper();
    if (g.isEmpty())
        return 0;
    if (g.size() == 1 && g[0] >= QLatin1Char('A') && g[0] <= QLatin1Char('D'))
        return g[0].unicode() - 'A';
    return -1;
}

RowIndex::RowIndex(const QList<GridRow> &rows)
{
    exact_.reserve(rows.size());
    folded_.reserve(rows.size());
    for (qsizetype r = rows.size() - 1; r >= 0; --r) {
        const QString name = TextFile::trimBlanks(rows[r].Name);
        exact_.insert(name, int(r));
        folded_.insert(name.toUpper(), int(r));
    }
}

int RowIndex::rowOf(const QString &landUseName) const
{
    const QString name = TextFile::trimBlanks(landUseName);
    return exact_.value(name, folded_.value(name.toUpper(), -1));
}

namespace {

// The cell (grid row, group) of an entry, or nullopt where no usable cell can show it.
std::optional<std::pair<int, int>> CellOf(const QList<GridRow> &rows, const RowIndex &index, const LandRow &entry)
{
    const int row = index.rowOf(entry.LandUseName);
    const int group = GroupOf(entry.SoilGroup);
    if (row < 0 || row >= rows.size() || group < 0 || !CellUsable(rows[row], group))
        return std::nullopt;
    return std::pair{row, group};
}

} // namespace

Placement PlaceEntries(const QList<GridRow> &rows, const RowIndex &index, const QList<LandRow> &land)
{
    Placement p;
    p.areas.resize(rows.size());
    QHash<int, QStringList> byCell;
    QList<std::pair<int, int>> cells; // in the order first met
    for (const LandRow &entry : land) {
        if (const auto cell = CellOf(rows, index, entry)) {
            QStringList &areas = byCell[CellKey(cell->first, cell->second)];
            if (areas.isEmpty())
                cells << *cell;
            areas << entry.LandArea;
        } else {
            p.unseen << entry;
        }
    }
    for (const auto &[row, group] : cells) {
        const QStringList &areas = byCell[CellKey(row, group)];
        if (areas.size() == 1) {
            p.areas[row][std::size_t(group)] = areas.first();
        } else {
            p.areas[row][std::size_t(group)] = SumOfAreas(areas);
            p.parcels.insert(CellKey(row, group), areas);
        }
    }
    return p;
}

QString SumOfAreas(const QStringList &areas)
{
    double sum = 0;
    int decimals = 0;
    for (const QString &area : areas) {
        sum += Globsubs::LeadingNumber(area);
        const QString text = TextFile::trimBlanks(area);
        const qsizetype dot = text.indexOf(QLatin1Char('.'));
        if (dot < 0)
            continue;
        int d = 0;
        for (qsizetype i = dot + 1; i < text.size() && text[i].isDigit(); ++i)
            ++d;
        decimals = std::max(decimals, d);
    }
    // Summed in binary, decimal areas gain a tail of digits that none of them has.
    return Globsubs::NumberText(RoundHalfEven(sum, std::min(decimals, 10)));
}

bool AreaPasses(const QString &area)
{
    bool ok = true;
    Globsubs::CheckAtLeast(true, 0, area, ok);
    return ok;
}

std::optional<InvalidValue> FirstInvalidArea(const QList<GridRow> &rows, const RowIndex &index,
                                             const QList<LandRow> &land)
{
    // Every entry a cell shows is written, so each is checked; a cell names
    // the first of its entries that fails.
    std::map<std::pair<int, int>, QString> failing;
    for (const LandRow &entry : land)
        if (const auto cell = CellOf(rows, index, entry); cell && !AreaPasses(entry.LandArea))
            failing.try_emplace(*cell, entry.LandArea);
    if (failing.empty())
        return std::nullopt;
    const auto &[cell, area] = *failing.begin();
    return InvalidValue{0, cell.first, cell.second, area, {}, {}};
}

QList<LandRow> LandRowsFrom(const QList<GridRow> &rows, const Areas &areas, const Parcels &parcels,
                            const QList<LandRow> &unseen)
{
    static const QString Letters[4] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                       QStringLiteral("D")};
    QList<LandRow> land;
    for (qsizetype r = 0; r < rows.size() && r < areas.size(); ++r)
        for (int g = 0; g < 4; ++g) {
            if (TextFile::trimBlanks(areas[r][g]).isEmpty())
                continue;
            const auto kept = parcels.constFind(CellKey(int(r), g));
            if (kept == parcels.cend()) {
                land << LandRow{rows[r].Name, Letters[g], areas[r][g]};
                continue;
            }
            for (const QString &area : *kept)
                land << LandRow{rows[r].Name, Letters[g], area};
        }
    land << unseen;
    return land;
}

} // namespace LandUseGrid
