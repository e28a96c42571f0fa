#pragma once
// The number that a text starts with, read as far as it forms one: leading
// blanks, an optional sign, digits with at most one ".", an optional exponent.
// A text that starts with no number gives 0. Used where a grid compares
// values (keys, ascending series) rather than checks them.
#include <QString>

namespace Grid_Stuff {

double LeadingNumber(const QString &text);

} // namespace Grid_Stuff
