#pragma once
// The number that a text starts with, read as far as it forms one: blanks are
// passed over, then an optional sign, digits with at most one ".", an optional
// exponent. A text that starts with no number, or one beyond the range of a
// double, gives 0. Used where values are compared or plotted rather than
// checked (grid keys, ascending series, plot values).
#include <QString>

namespace Globsubs {

double LeadingNumber(const QString &text);

} // namespace Globsubs

namespace Grid_Stuff {
using Globsubs::LeadingNumber;
}
