#include "core/logic/SeriesCheck.h"

#include "core/logic/Fields.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"

namespace SeriesCheck {

namespace {
// Every value of a series is written into a field of this many columns.
constexpr int FieldWidth = 10;
} // namespace

bool Passes(const QString &text, const Rule &rule, const std::optional<QString> &previous,
            const std::optional<QString> &next)
{
    if (TextFile::isBlank(text))
        return true;
    bool ok = true;
    if (rule.maxValue > 0)
        Globsubs::CheckRange(true, 0, rule.maxValue, text, ok);
    else
        Globsubs::CheckAtLeast(true, 0, text, ok);
    // A whole part that does not fit would be cut and change the value.
    if (!ok || !Globsubs::FitsNumberField(text, FieldWidth))
        return false;
    if (rule.ascending) {
        const double value = Globsubs::LeadingNumber(text);
        if (previous && value < Globsubs::LeadingNumber(*previous))
            return false;
        if (next && value > Globsubs::LeadingNumber(*next))
            return false;
    }
    return true;
}

int FirstFault(const QStringList &values, const Rule &rule, int from)
{
    std::optional<QString> previous;
    for (int i = 0; i < values.size(); ++i) {
        if (TextFile::isBlank(values[i]))
            continue;
        if (i >= from && !Passes(values[i], rule, previous))
            return i;
        previous = values[i];
    }
    return -1;
}

} // namespace SeriesCheck
