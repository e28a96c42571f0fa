#include "sections/runoff/logic/LandUseGrid.h"
#include "core/logic/Fields.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

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

namespace {

// A number as decimal digits: (-1 if negative) * digits * 10^exponent.
struct Decimal
{
    bool negative = false;
    std::vector<int> digits; // least significant first, no zero at either end; empty for 0
    qint64 exponent = 0;
};

// The exact value of an area that the field check takes as a number; any
// other text counts as its leading number, as the totals read it.
Decimal DecimalOf(const QString &area)
{
    QString text = TextFile::trimBlanks(area);
    if (!Globsubs::ParseNumber(text))
        text = Globsubs::NumberText(Globsubs::LeadingNumber(area));
    const auto digitAt = [&text](qsizetype i) { return text[i].unicode() - '0'; };
    Decimal d;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        d.negative = text[i++] == QLatin1Char('-');
    std::vector<int> mostFirst;
    qint64 fractionDigits = 0;
    bool point = false;
    for (; i < text.size() && text[i] != QLatin1Char('e') && text[i] != QLatin1Char('E'); ++i) {
        if (text[i] == QLatin1Char('.')) {
            point = true;
            continue;
        }
        if (!mostFirst.empty() || digitAt(i) != 0)
            mostFirst.push_back(digitAt(i));
        fractionDigits += point;
    }
    qint64 exponent = 0;
    if (i < text.size()) {
        const bool negativeExponent = text[++i] == QLatin1Char('-');
        if (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))
            ++i;
        // Capped: an exponent that long goes with a number in range only
        // when the text is as long, or with no digit but zeros.
        for (; i < text.size(); ++i)
            exponent = std::min<qint64>(exponent * 10 + digitAt(i), 1'000'000'000);
        if (negativeExponent)
            exponent = -exponent;
    }
    d.exponent = exponent - fractionDigits;
    while (!mostFirst.empty() && mostFirst.back() == 0) {
        mostFirst.pop_back();
        ++d.exponent;
    }
    d.digits.assign(mostFirst.rbegin(), mostFirst.rend());
    return d;
}

// Adds `digits`, shifted up by `shift` places, to `sum` (both least significant first).
void AddShifted(std::vector<int> &sum, const std::vector<int> &digits, std::size_t shift)
{
    int carry = 0;
    for (std::size_t k = 0; k < digits.size() || carry; ++k) {
        if (shift + k >= sum.size())
            sum.resize(shift + k + 1, 0);
        const int v = sum[shift + k] + (k < digits.size() ? digits[k] : 0) + carry;
        sum[shift + k] = v % 10;
        carry = v / 10;
    }
}

// `larger` - `smaller`, where `larger` is not the smaller of the two.
std::vector<int> Difference(std::vector<int> larger, const std::vector<int> &smaller)
{
    int borrow = 0;
    for (std::size_t i = 0; i < larger.size(); ++i) {
        const int v = larger[i] - borrow - (i < smaller.size() ? smaller[i] : 0);
        borrow = v < 0;
        larger[i] = v + 10 * borrow;
    }
    while (!larger.empty() && larger.back() == 0)
        larger.pop_back();
    return larger;
}

bool LessMagnitude(const std::vector<int> &a, const std::vector<int> &b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}

} // namespace

QString SumOfAreas(const QStringList &areas)
{
    // Summed in decimal: in binary, 0.1 and 0.2 gain a tail of digits that
    // neither has.
    QList<Decimal> values;
    bool anyArea = false;
    for (const QString &area : areas) {
        if (TextFile::isBlank(area))
            continue;
        anyArea = true;
        if (Decimal d = DecimalOf(area); !d.digits.empty())
            values << d;
    }
    if (values.isEmpty())
        return anyArea ? QStringLiteral("0") : QString();
    qint64 low = values.first().exponent;
    for (const Decimal &d : values)
        low = std::min(low, d.exponent);
    std::vector<int> positive, negative; // units of 10^low
    for (const Decimal &d : values)
        AddShifted(d.negative ? negative : positive, d.digits, std::size_t(d.exponent - low));
    const bool negativeSum = LessMagnitude(positive, negative);
    const std::vector<int> sum = negativeSum ? Difference(negative, positive) : Difference(positive, negative);
    if (sum.empty())
        return QStringLiteral("0");

    // Plain decimal text, without exponent or trailing zeros of a fraction.
    QString digits;
    for (auto it = sum.rbegin(); it != sum.rend(); ++it)
        digits += QLatin1Char(char('0' + *it));
    QString text = negativeSum ? QStringLiteral("-") : QString();
    if (low >= 0)
        return text + digits + QString(qsizetype(low), QLatin1Char('0'));
    const qint64 whole = qint64(digits.size()) + low;
    if (whole > 0)
        text += digits.left(qsizetype(whole)) + QLatin1Char('.') + digits.mid(qsizetype(whole));
    else
        text += QStringLiteral("0.") + QString(qsizetype(-whole), QLatin1Char('0')) + digits;
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
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
            // Parcels go back as they were, also those whose cell shows blank.
            if (const auto kept = parcels.constFind(CellKey(int(r), g)); kept != parcels.cend()) {
                for (const QString &area : *kept)
                    land << LandRow{rows[r].Name, Letters[g], area};
            } else if (!TextFile::isBlank(areas[r][g])) {
                land << LandRow{rows[r].Name, Letters[g], areas[r][g]};
            }
        }
    land << unseen;
    return land;
}

} // namespace LandUseGrid
