#pragma once
// The Stream Reach section's working file (~Reach.tmp): the header, each
// reach's main line with its BASE FLOW, SPLIT FLOW and REACH LOSS lines, and
// one empty line.
#include "sections/network/logic/ReachRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ReachFormat {

inline const QString Header = QStringLiteral("STREAM REACH:");
inline constexpr int HeaderWidth = 40;

// Reads the lines of a working file: the header line is skipped and reading
// stops at the first blank line. A line whose columns 11-20 are not blank
// starts a reach; any other line is a detail line of the reach before it
// (none before the first reach).
QList<ReachRecord> ParseReaches(const QStringList &lines);
// A missing or unreadable file gives no reaches.
QList<ReachRecord> ReadReaches(const QString &path);

// The lines of the working file; none when no reach has an identifier, which
// leaves the section absent.
QStringList ReachSectionLines(const QList<ReachRecord> &reaches);

// Rewrites the working file `path` from the records; false with the reason
// when it could not be written (the old file then stays whole).
bool WriteReachSection(const QString &path, const QList<ReachRecord> &reaches, QString *error = nullptr);

} // namespace ReachFormat
