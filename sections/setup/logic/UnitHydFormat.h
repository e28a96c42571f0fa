#pragma once
// The Dimensionless Unit Hydrograph section's working file (~Unit_Hyd.tmp):
// one series of ordinates, five to a value line.
#include <QString>
#include <QStringList>

namespace UnitHydFormat {

inline const QString Header = QStringLiteral("DIMENSIONLESS UNIT HYDROGRAPH:");
inline constexpr int HeaderWidth = 40;

// What the window keeps: its one item, which has no header fields.
struct UnitHydData
{
    QStringList ordinates;

    bool operator==(const UnitHydData &) const = default;
};

// Fewer stored ordinates than this make no hydrograph: the section is then
// absent. Loaded and typed series are judged alike.
inline constexpr int MinOrdinates = 2;

// The ordinates that count (blank ones left out).
int StoredOrdinates(const UnitHydData &data);
bool HasData(const UnitHydData &data);

// Reads the lines of a working file: the header line is skipped and reading
// stops at the first blank line.
UnitHydData ParseUnitHyd(const QStringList &lines);
// A missing or unreadable file gives no ordinates.
UnitHydData ReadUnitHyd(const QString &path);

// The lines the window writes at Accept: the header and the value lines, a
// closing "0." after a last ordinate above 0; no lines when the series is too
// short, which leaves the section absent. No empty line follows.
QStringList UnitHydLines(const UnitHydData &data);

} // namespace UnitHydFormat
