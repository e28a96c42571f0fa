#pragma once
// A sub-area record as the network windows hold it: the 25 fields of the
// Sub-Area section and the sub-area's own land rows. Every field is a text,
// held as typed. The same record serves the base data and the alternates.
#include "core/logic/TextFile.h"

#include <QList>
#include <QString>
#include <array>

struct LandRow
{
    QString LandUseName; // at most 35 characters
    QString SoilGroup;   // hydrologic soil group letter, "A" to "D"
    QString LandArea;    // the area, as typed
};

// The code of a surface field (15 sheet, 18 shallow): its first character
// that is not a blank, wherever in its columns a file holds it, in capitals; a
// null character for none. The lists, the check, the travel time and the
// change test all read a code through this, so "a" and "  A" are one code.
inline QChar SurfaceCodeOf(QStringView field)
{
    for (QChar c : field)
        if (c != QLatin1Char(' '))
            return c.toUpper();
    return QChar();
}

struct SubAreaRecord
{
    // Fields 1 to 25 by their numbers in the section; index 0 is unused.
    std::array<QString, 26> Field;
    // The sub-area's land rows in the order they are written.
    QList<LandRow> Land;

    const QString &SubAreaId() const { return Field[1]; }
    // A flow segment is there when its length is: sheet (12), shallow
    // concentrated (16) or channel (19).
    bool HasFlowSegments() const
    {
        return !TextFile::isBlank(Field[12]) || !TextFile::isBlank(Field[16]) || !TextFile::isBlank(Field[19]);
    }
};
