#pragma once
// Travel times of a sub-area's flow path (sheet, shallow concentrated and
// channel flow) and their sum, the time of concentration. The formulas are
// the English-unit forms (feet, inches, feet per second, hours) whatever the
// unit system.
//
// The sheet-flow entries, the rainfall and the channel geometry count by
// their leading number ("12x" is 12, letters are 0); the other lengths, slopes
// and velocities must be whole numbers. A segment whose entries give no time
// (a blank entry, text where a whole number is needed, an unknown surface
// code, a zero n or divisor, a negative value under a power, a velocity that
// rounds to 0) is incomplete: its time is empty, never 0 or a value left from
// another entry. QtCore only.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace TravelTime {

// The window's numbered fields: 0 the 2-year rainfall, 12 to 24 the segment
// entries (the sub-area record's fields of the same numbers), 25 to 29 the
// results. Other numbers are unused here.
enum Field {
    TwoYearRain = 0,
    SheetLength = 12, SheetSlope, SheetManningN, SheetSurfaceCode,
    ShallowLength, ShallowSlope, ShallowSurfaceCode,
    ChannelFlowLength, ChannelFlowSlope, ChannelFlowManningN, ChannelFlowEndArea,
    ChannelFlowWettedPerimeter, ChannelFlowVelocity,
    ShallowVelocity, SheetTravelTime, ShallowTravelTime, ChannelTravelTime, TcTotal,
};
constexpr int FieldCount = 31;
using TcFields = std::array<QString, FieldCount>;

// Sheet-flow surfaces "A" to "J": the list texts and Manning n in code order.
constexpr int SheetSurfaceCount = 10;
const QStringList &SheetSurfaceTexts();
// Row 1 to 10 of the surface whose code is the first character of `text`
// trimmed, in any letter case; 0 when none is.
int SheetSurfaceRow(const QString &text);
// Manning n of row 1 to 10, in single precision.
float SheetSurfaceN(int row);

// Shallow-flow surfaces: "P" paved, "U" unpaved.
const QStringList &ShallowSurfaceTexts();
// 1 for "P", 2 for "U" (first character of `text` trimmed, any case); else 0.
int ShallowSurfaceRow(const QString &text);

// `value` rounded to 3 decimals, an exact half to the even digit.
double Round3(double value);
// The shortest decimal text of `value` with at most 15 significant digits and
// no exponent ("0.061", "2.875", "1"); empty for a value that is not finite.
QString ValueText(double value);
// The shortest text of a single-precision value ("2.7", not the 15 digits of
// its double).
QString SingleText(float value);

// The segment times in hours, unrounded; nullopt when the segment is
// incomplete.
std::optional<double> SheetTime(const QString &twoYearRain, const QString &length, const QString &slope,
                                const QString &manningN, const QString &surfaceCode);
struct ShallowResult
{
    std::optional<double> velocity; // rounded to 3 decimals, greater than 0
    std::optional<double> time;
};
ShallowResult ShallowTime(const QString &length, const QString &slope, const QString &surfaceCode);
// Velocity from the channel geometry, rounded to 3 decimals (a very small one
// shows as 0); nullopt when the geometry gives no number.
std::optional<double> ChannelVelocity(const QString &slope, const QString &manningN, const QString &endArea,
                                      const QString &wettedPerimeter);
std::optional<double> ChannelTime(const QString &length, const QString &velocity);

// Recomputes the segment of field `index` (12-15 sheet, 16-18 shallow, 19-24
// channel) into the result fields, then the total: shown only when that
// segment is complete. Any other index computes nothing and empties the total.
// A channel with all four geometry fields filled has its velocity (field 24)
// replaced by the computed one, or emptied when the geometry gives none.
void ComputeTravelTime(int index, TcFields &fields);

// Shows a sub-area: the three segments in order sheet, shallow, channel.
void ComputeAll(TcFields &fields);

// The check of an entered field (12 to 24) of a sub-area's flow segments:
// lengths, slopes, end area, wetted perimeter and velocity above 0, the sheet
// length at most 100 ft (30.5 m with `english` off), the n values from 0.0005
// to 1, the shallow surface code P or U; the sheet surface is a choice of its
// list. Blank passes.
bool FieldPasses(int field, const QString &text, bool english);

} // namespace TravelTime
