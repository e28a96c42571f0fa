#pragma once
// The Alternate Analysis working file (~Alter.tmp): the header, then for each
// alternate that changes at least one record its alternate line (identifier
// and description), a REACHES block of reach records and an AREAS block of
// sub-area records, and one empty line. The record lines are those of the
// Stream Reach and Sub-Area sections, written with the alternate options of
// NetworkLines, and read back as untrimmed 10-column slices.
#include "sections/common/logic/SubAreaRecord.h"
#include "sections/network/logic/ReachRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Alternate
{
    QString Id;          // at most 10 characters
    QString Description; // at most 70 characters
    QList<ReachRecord> Reaches;
    QList<SubAreaRecord> SubAreas;
};

namespace AlternateFormat {

inline const QString Header = QStringLiteral("ALTERNATE ANALYSIS:");
inline constexpr int IdWidth = 10;
inline constexpr int DescriptionWidth = 70;

enum class Block { None, Reaches, Areas };

// The block a line opens while `current` is on: columns 11-20 read REACHES
// or AREAS (trimmed, any case) while columns 1-10 and 21-80 are blank, as the
// writer emits it. A record that bears such a name and any other value is an
// ordinary record. In a block, a line whose record would keep nothing but
// that name (a reach line ends at column 76, a sub-area line at 75) is the
// block line as well: written, that record would be it.
Block BlockOf(const QString &line, Block current = Block::None);
// Whether the record's main line would be read as a block line: it holds a
// block's name and nothing else.
bool ReadsAsBlockLine(const ReachRecord &reach);
bool ReadsAsBlockLine(const SubAreaRecord &subArea);

// Whether the alternate is written: it has a record with an identifier.
bool IsWritten(const Alternate &alternate);

// Reads the lines of a working file: the header line is skipped and reading
// stops at the first blank line. A line whose columns 1-10 are not blank
// starts an alternate; a block line switches between its REACHES and AREAS
// blocks; in a block, a line whose columns 11-20 are not blank starts a
// record and any other line is a detail line of the block's last record.
QList<Alternate> ParseAlternates(const QStringList &lines);
// A missing or unreadable file gives no alternates.
QList<Alternate> ReadAlternates(const QString &path);

// The lines of the working file; none when no alternate is written, which
// leaves the section absent. Alternates and records without identifier are
// left out: their lines would read back as part of the ones before them.
QStringList AlternateSectionLines(const QList<Alternate> &alternates);

// Rewrites the working file `path`, emptying it when no alternate is
// written; false with the reason when it could not be written (the old file
// then stays whole).
bool WriteAlternateSection(const QString &path, const QList<Alternate> &alternates, QString *error = nullptr);

} // namespace AlternateFormat
