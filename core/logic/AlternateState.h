#pragma once
// The alternate that the sub-area and reach windows edit: 0 is the base data.
// The main window's section list resets it; only the alternate window sets
// another number.
inline int CurrentAlternate = 0;
