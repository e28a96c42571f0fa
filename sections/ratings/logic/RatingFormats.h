#pragma once
// The working files of the rating and hydrograph sections: structure ratings
// (~Struct.tmp), stream cross sections (~Xsect.tmp) and input hydrographs
// (~InpHyd.tmp). Each reader takes the file's lines and gives records as
// texts, each writer gives the lines an entry window writes at Accept (none
// when the section is absent). Readers trim every field; writers keep every
// field inside its ten columns, so no value can push its neighbours out of
// place, and write no blank line but the one that closes the section.
//
// The records travel to and from the windows' work tables: an item's header
// fields are ItemHeader(1..), its rows PointTable(1.., point).
#include "core/logic/WorkTables.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace RatingFormats {

inline constexpr int FieldWidth = 10;
inline constexpr int HeaderWidth = 40;

// One record: its header fields and its rows of values, as texts.
struct Item
{
    QStringList header;
    QList<QStringList> rows;

    bool operator==(const Item &) const = default;
};
using Items = QList<Item>;

// The lines of a file's bytes as the line reader gives them: LF ends a line,
// a CR before it belongs to the line end, a last line without an end counts.
QStringList SplitLines(QByteArrayView bytes);

// Fills `work` (reset first) with the items, in order; an item's rows become
// its run of points.
void ToWorkTables(const Items &items, int headerFields, int pointFields, WorkTables &work);
// The items of the work tables in column order, each with its run of points.
Items FromWorkTables(const WorkTables &work, int headerFields, int pointFields);

// ---- Structure Rating: identifier, starting elevation; rows of elevation,
// discharge, storage. ----
namespace Struct {
inline const QString Header = QStringLiteral("STRUCTURE RATING:");
inline constexpr int HeaderFields = 2;
inline constexpr int PointFields = 3;
// Line 1 is the header; reading ends at the first blank line. A line with an
// identifier in columns 11-20 starts a structure; any other line with an
// elevation in columns 21-30 is a row of the latest one.
Items Parse(const QStringList &lines);
Items Read(const QString &path);
// The header, every structure with an identifier and its rows, one empty
// line; nothing when no structure has an identifier. Rows without an
// elevation are left out: they could not be read back.
QStringList Lines(const Items &items);
} // namespace Struct

// ---- Stream Cross Section: identifier, bankfull elevation, low ground
// elevation, stream, station; rows of elevation, discharge, end area, top
// width, friction slope. ----
namespace Xsect {
inline const QString Header = QStringLiteral("STREAM CROSS SECTION:");
inline constexpr int HeaderFields = 5;
inline constexpr int PointFields = 5;
inline constexpr int StreamField = 4; // header field written as text
// Line 1 is the header. Reading runs to the end of the file, over blank lines
// (the HEC-RAS import appends its records after the closing one) and over
// header lines (columns 1-10 not blank, as the import can leave).
Items Parse(const QStringList &lines);
Items Read(const QString &path);
bool IsHeaderLine(const QString &line);
QStringList Lines(const Items &items);
} // namespace Xsect

// ---- Input Hydrograph: identifier, reach, storm, start time, time
// increment, drainage area, base flow; one flow per row. ----
namespace InpHyd {
inline const QString Header = QStringLiteral("INPUT HYDROGRAPH:");
inline constexpr int HeaderFields = 7;
inline constexpr int PointFields = 1;
inline constexpr int TextFields = 3; // identifier, reach, storm
inline constexpr int MinFlows = 2;   // fewer and the hydrograph is not written
// Line 1 is the header; reading ends at the first blank line. Each non-blank
// ten-column slot from column 21 of a flow line is one flow.
Items Parse(const QStringList &lines);
Items Read(const QString &path);
// The non-blank flows of an item, in order.
QStringList Flows(const Item &item);
bool IsWritten(const Item &item);
// The header, every hydrograph with an identifier and two flows or more (a
// last flow above 0 followed by a closing "0."), one empty line; nothing when
// no hydrograph is written.
QStringList Lines(const Items &items);
} // namespace InpHyd

} // namespace RatingFormats
