#pragma once
// The check of a value of a series (unit hydrograph ordinates, rainfall mass
// values): the value grid runs it on a cell as the cell is left, and Accept
// on every value that the window would write.
#include <QString>
#include <QStringList>
#include <optional>

namespace SeriesCheck {

struct Rule
{
    double maxValue = -999; // above 0: the largest value allowed
    bool ascending = false; // every value between its neighbours
};

// Blank passes; otherwise a number of at least 0 (at most maxValue when that
// is above 0) whose whole part fits the ten columns it is written in, and
// with `ascending` not below `previous` nor above `next`, where given.
bool Passes(const QString &text, const Rule &rule, const std::optional<QString> &previous = std::nullopt,
            const std::optional<QString> &next = std::nullopt);

// The index of the first value from `from` on that fails, -1 when none does;
// the values before `from` are only compared with. Out of order, the value
// that falls below the one before it is the one that fails. Blank values are
// not written: they are passed over.
int FirstFault(const QStringList &values, const Rule &rule, int from = 0);

} // namespace SeriesCheck
