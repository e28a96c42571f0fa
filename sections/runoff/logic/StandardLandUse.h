#pragma once
// The built-in table of standard land uses with their runoff curve numbers for
// the hydrologic soil groups A to D.
#include <QString>
#include <array>

namespace Standard_Land_Use {

constexpr int StdLandUseRows = 81;

// StdLandUse[field][row]: field 1 the name, 2 to 5 the curve numbers of soil
// groups A to D as whole-number texts (or empty); rows 1 to 81. Index 0 unused.
inline std::array<std::array<QString, StdLandUseRows + 1>, 6> StdLandUse;

// Fills StdLandUse from the table held in the program.
void LoadStandardLandUse();

// The row whose name equals `name`, trimmed and in any letter case; 0 for none.
int FindStandardLandUse(const QString &name);

} // namespace Standard_Land_Use
