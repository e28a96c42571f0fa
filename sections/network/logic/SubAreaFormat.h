#pragma once
// The Sub-Area section's working file (~SubArea.tmp): the header, each
// sub-area's main line with its SHEET, SHALLOW, CHANNEL and LAND AREA lines,
// and one empty line. Each sub-area record holds its own land rows.
#include "sections/common/logic/SubAreaRecord.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace SubAreaFormat {

inline const QString Header = QStringLiteral("SUB-AREA:");
inline constexpr int HeaderWidth = 40;

// Reads the lines of a working file: the header line is skipped and reading
// stops at the first blank line. A line whose columns 11-20 are not blank
// starts a sub-area; any other line is a detail line of the sub-area before
// it (none before the first). "WEIGHT CN" lines are read as land rows.
QList<SubAreaRecord> ParseSubAreas(const QStringList &lines);
// The same, handing each sub-area over as soon as it is complete.
void ForEachSubArea(const QStringList &lines, const std::function<void(SubAreaRecord &&)> &take);
// A missing or unreadable file gives no sub-areas.
QList<SubAreaRecord> ReadSubAreas(const QString &path);

// The lines of the working file; none when no sub-area has an identifier,
// which leaves the section absent.
QStringList SubAreaSectionLines(const QList<SubAreaRecord> &subAreas);

// Rewrites the working file `path` from the records; false with the reason
// when it could not be written (the old file then stays whole).
bool WriteSubAreaSection(const QString &path, const QList<SubAreaRecord> &subAreas, QString *error = nullptr);

} // namespace SubAreaFormat
