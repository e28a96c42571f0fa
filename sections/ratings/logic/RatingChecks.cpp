#include "sections/ratings/logic/RatingChecks.h"

#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"

namespace RatingChecks {

namespace {
enum class Rule { None, Numeric, AtLeastZero, AboveZero };

Rule ruleOf(Section section, int box)
{
    switch (section) {
    case Section::Structure:
        if (box == 2 || box == 3)
            return Rule::Numeric;
        return box == 4 || box == 5 ? Rule::AtLeastZero : Rule::None;
    case Section::CrossSection:
        if (box == 2 || box == 3 || box == 6)
            return Rule::Numeric;
        if (box == 5 || box == 7 || box == 8 || box == 9)
            return Rule::AtLeastZero;
        return box == 10 ? Rule::AboveZero : Rule::None;
    case Section::Hydrograph:
        if (box == 4 || box == 6 || box == 7 || box == 8)
            return Rule::AtLeastZero;
        return box == 5 ? Rule::AboveZero : Rule::None;
    }
    return Rule::None;
}
} // namespace

bool Passes(Section section, int box, const QString &text, bool firstRow)
{
    const bool blank = TextFile::isBlank(text);
    // Below the first row a cross section's top width must be given.
    if (section == Section::CrossSection && box == 9 && !firstRow && blank)
        return false;
    bool ok = true;
    switch (ruleOf(section, box)) {
    case Rule::None: break;
    case Rule::Numeric: Globsubs::CheckNumeric(true, text, ok); break;
    case Rule::AtLeastZero: Globsubs::CheckAtLeast(true, 0, text, ok); break;
    case Rule::AboveZero: Globsubs::CheckGreaterThan(true, 0, text, ok); break;
    }
    return ok;
}

int HeaderBox(Section section, int field)
{
    switch (section) {
    case Section::Structure: return field == 2 ? 2 : 0;
    case Section::CrossSection: return field >= 2 && field <= 5 ? field : 0;
    case Section::Hydrograph: return field >= 4 && field <= 7 ? field : 0;
    }
    return 0;
}

int RowBox(Section section, int field)
{
    switch (section) {
    case Section::Structure: return 2 + field;
    case Section::CrossSection: return 5 + field;
    case Section::Hydrograph: return 8;
    }
    return 0;
}

std::optional<Fault> FirstFault(Section section, const RatingFormats::Items &items)
{
    for (int i = 0; i < items.size(); ++i) {
        const RatingFormats::Item &item = items[i];
        const bool written = section == Section::Hydrograph ? RatingFormats::InpHyd::IsWritten(item)
                                                            : !TextFile::isBlank(item.header.value(0));
        if (!written)
            continue;
        for (int f = 1; f <= item.header.size(); ++f) {
            const int box = HeaderBox(section, f);
            if (box > 0 && !Passes(section, box, item.header[f - 1]))
                return Fault{i, -1, box};
        }
        int shown = 0; // rows the grid shows: a rating row needs its elevation
        for (int r = 0; r < item.rows.size(); ++r) {
            const QStringList &row = item.rows[r];
            if (section != Section::Hydrograph && TextFile::isBlank(row.value(0)))
                continue;
            for (int f = 1; f <= row.size(); ++f) {
                const int box = RowBox(section, f);
                if (!Passes(section, box, row[f - 1], shown == 0))
                    return Fault{i, r, box};
            }
            ++shown;
        }
    }
    return std::nullopt;
}

} // namespace RatingChecks
