#pragma once
// The record lines of the reach and sub-area records, shared by every writer
// that puts them into a file: the Stream Reach section, the Sub-Area section
// and the REACHES and AREAS blocks of the Alternate Analysis section. The
// writers differ in a few choices (trimming, when a detail line is written,
// which land rows count); each is an explicit option, and Section() and
// Alternate() give the two sets in use.
//
// A record whose identifier is blank gives no line at all: its main line
// would read back as a detail line of the record before it.
#include "sections/common/logic/SubAreaRecord.h"
#include "sections/network/logic/ReachRecord.h"

#include <QString>
#include <QStringList>

namespace NetworkLines {

constexpr int FieldWidth = 10;
constexpr int LandUseNameWidth = 35;
constexpr int SoilGroupWidth = 5;

struct ReachLineOptions
{
    // Codes trimmed before they take their column (else written as held).
    bool trimCodes = true;
    // SPLIT FLOW identifiers trimmed (else as held).
    bool trimSplitIds = true;
    // SPLIT FLOW line when any of fields 14 to 18 is given (else only when
    // the split reach, field 14, is).
    bool splitLineOnAnyField = true;
    // REACH LOSS values take the "." rule of numbers (else written as held).
    bool reachLossAsNumbers = true;

    static constexpr ReachLineOptions Section() { return {}; }
    static constexpr ReachLineOptions Alternate() { return {false, false, false, false}; }
};

struct SubAreaLineOptions
{
    // Identifiers (fields 1 to 3) and codes trimmed (else written as held).
    bool trimIdsAndCodes = true;
    // SHEET and SHALLOW lines when any of their fields is given (else only
    // when their length, field 12 or 16, is).
    bool flowLineOnAnyField = true;
    // Surface codes cut to their first character (else written whole).
    bool surfaceCodeFirstLetter = true;
    // Only land rows whose area is a number above 0 are written, with the "."
    // rule (else every row, its area as held).
    bool positiveLandRowsOnly = true;

    static constexpr SubAreaLineOptions Section() { return {}; }
    static constexpr SubAreaLineOptions Alternate() { return {false, false, false, false}; }
};

// Non-blank after trimming blanks.
bool IsGiven(const QString &value);

// Appends the main line of the reach and its BASE FLOW, SPLIT FLOW and REACH
// LOSS lines that apply; nothing for a reach without identifier.
void AppendReachLines(QStringList &out, const ReachRecord &reach, const ReachLineOptions &options);

// Appends the main line of the sub-area and its SHEET, SHALLOW, CHANNEL and
// LAND AREA lines that apply; nothing for a sub-area without identifier.
void AppendSubAreaLines(QStringList &out, const SubAreaRecord &subArea, const SubAreaLineOptions &options);

// Columns first to last (1-based) hold nothing but blanks, or lie past the end.
bool BlankAt(const QString &line, int first, int last);

// Record lines (columns 11-20 not blank) after the header, up to the first
// blank line: how many records a reader will make.
qsizetype CountMainLines(const QStringList &lines);

} // namespace NetworkLines
