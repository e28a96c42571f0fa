#pragma once
// The Storm Analysis section's working file (~Storm.tmp): one 80-column line
// per storm and rain gage combination.
#include <QList>
#include <QString>
#include <QStringList>

namespace StormFormat {

inline const QString Header = QStringLiteral("STORM ANALYSIS:");
inline constexpr int HeaderWidth = 40;

// Field indexes of a record (0-based; field k + 1 of the record, columns
// 10k + 11 to 10k + 20).
enum Field {
    StormId, RainGageId, StartingTime, Rainfall, RainTableId, Condition, TwoYearRainfall,
    FieldCount
};

bool IsNumberField(int field);

// The check of a field's text: the starting time at least 0, the rainfall and
// the 2-year rainfall above 0; blank passes, and the other fields have none.
bool FieldPasses(int field, const QString &text);

// What the window keeps: its grid rows, each the seven field texts.
struct StormData
{
    QList<QStringList> records;

    bool operator==(const StormData &) const = default;
};

// Reads the lines of a working file: the header line is skipped; every other
// line up to the end is a record, except blank ones, which hold none.
StormData ParseStorm(const QStringList &lines);
StormData ReadStorm(const QString &path);

// The lines the window writes at Accept: the header and one line per record
// (a record of blanks only is left out, as its blank line would end the
// section); no lines without records; no empty line after them.
QStringList StormLines(const StormData &data);

// The option button a stored antecedent runoff condition selects. A blank
// condition, or one whose leading number is not above 0, selects the default
// 2 and is to be stored as "2". A condition whose value, rounded half to even,
// is not 1, 2 or 3 selects none: its text is kept as it is and `inRange` is
// false.
struct ConditionChoice
{
    int option = 2; // 1..3, or 0 for none
    bool inRange = true;
    bool useDefault = false;
};
ConditionChoice ConditionOption(const QString &stored);

inline const QString DefaultCondition = QStringLiteral("2");

} // namespace StormFormat
