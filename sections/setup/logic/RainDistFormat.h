#pragma once
// The Rainfall Distribution section's working file (~RainDist.tmp): rain
// tables, each a header line (identifier, time increment) and its mass
// rainfall values five to a value line.
#include "sections/setup/logic/ValueLineFormat.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace RainDistFormat {

inline const QString Header = QStringLiteral("RAINFALL DISTRIBUTION:");
inline constexpr int HeaderWidth = 50;

// Header fields of a rain table item.
inline constexpr int IdField = 0;
inline constexpr int IncrementField = 1;
inline constexpr int HeaderFields = 2;

// A table needs this many values to be written.
inline constexpr int MinValues = 2;

// What the window keeps: one item per rain table, in the order read or made.
struct RainDistData
{
    QList<SetupFormat::FormatItem> tables;

    bool operator==(const RainDistData &) const = default;
};

SetupFormat::FormatItem MakeTable(const QString &id, const QString &increment,
                                  const QStringList &values = {});

// An identifier of blanks is no identifier; a longer one is cut to 10.
QString TableId(const QString &typed);
bool IsIdentifier(const QString &id);

// The check of a table's time increment: a number above 0.
bool IncrementPasses(const QString &increment);

// True when the table is written at Accept: it has an identifier and at
// least two values.
bool IsWritten(const SetupFormat::FormatItem &table);

// The values a table's grid starts from: a table without values starts like
// a new one, with the first value "0".
QStringList GridStartValues(const SetupFormat::FormatItem &table);

// Reads the lines of a working file: the header line is skipped and reading
// stops at the first blank line. Values before the first table header belong
// to no table and are dropped.
RainDistData ParseRainDist(const QStringList &lines);
RainDistData ReadRainDist(const QString &path);

// The lines the window writes at Accept: the header, each written table, and
// one empty line; no lines when no table is written (the section is absent).
QStringList RainDistLines(const RainDistData &data);

} // namespace RainDistFormat
