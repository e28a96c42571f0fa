#pragma once
// A stream reach record as the reach window holds it: the 20 fields of the
// Stream Reach section, each a text held as typed or as read. The same record
// serves the base data and the alternates.
#include <QString>
#include <array>

struct ReachRecord
{
    // Fields 1 to 20 by their numbers in the section; index 0 is unused.
    std::array<QString, 21> Field;

    const QString &ReachId() const { return Field[1]; }
};
