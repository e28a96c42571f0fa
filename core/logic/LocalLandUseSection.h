#pragma once
// The Local Land Use section of the input file (working file ~CurveNum.tmp),
// kept in step with the local land-use file of the program folder: a save
// writes the definitions of the local land uses that the sub-areas and the
// alternates name, an open adds the file's own definitions to the local file.
// Land-use names are matched trimmed and without regard to case throughout.
#include "core/logic/TextFile.h"
#include "sections/runoff/logic/LocalLandUseData.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

namespace LocalLandUseSection {

// "LOCAL LAND USE:" (never padded).
extern const QString Header;

// One section line: the name blank-filled to 50 columns, the curve numbers as
// number fields of 5.
QString SectionLine(const LocalLandUseData::LocalLandUse &landUse);

// Adds to `names` the land-use names (columns 31-65, trimmed, as the bytes
// stand) of the land rows from `reader` (DetailLine::IsLandRow); a blank
// name adds nothing. The lines pass one at a time, so a working file of any
// size costs a small buffer and the set of its distinct names.
void CollectNamedLandUses(TextFile::LineReader &reader, QSet<QByteArray> &names);

// The land use of a section line (name columns 1-50, curve numbers 51-55,
// 56-60, 61-65, 66-70, all trimmed).
LocalLandUseData::LocalLandUse ParseSectionLine(const QString &line);

// The first curve number of `landUse` that its five columns cannot hold as
// written (with the point the writer adds): 0 for group A to 3 for D, or -1
// when all fit. A longer one would run into the next field and read back as
// other numbers.
int CurveNumberTooLong(const LocalLandUseData::LocalLandUse &landUse);

// The lines of the section for the named land uses: the local definitions in
// local-file order, then, for a named land use that the local file lacks, its
// line from the section as it stood (`oldSection`, header first). Each name
// once. Empty when no local land use is named: the section then stays as it
// was. Empty too when a named local definition has a curve number its field
// cannot hold (CurveNumberTooLong); `error` then names the land use.
QStringList BuildSection(const QList<LocalLandUseData::LocalLandUse> &local, const QStringList &named,
                         const QStringList &oldSection, QString *error = nullptr);

struct MergeResult
{
    int added = 0;        // land uses appended to `local`
    QStringList cutNames;     // added names that were longer than a LAND AREA line holds, as found
    QStringList refusedNames; // names the local file cannot hold in any form, not added
};

// Appends to `local` the land uses of the section (`sectionLines`, header
// first) that are neither local nor standard. A line with an empty name adds
// nothing; a name longer than 35 characters is cut to 35; a land use with a
// text that no form of the local file carries is refused.
MergeResult MergeSection(QList<LocalLandUseData::LocalLandUse> &local, const QStringList &sectionLines);

// Rewrites ~CurveNum.tmp from the local land-use file before a save. False,
// with the file and the reason, when a working file it reads could not be
// read, a named land use has a curve number its field cannot hold, or
// ~CurveNum.tmp could not be written.
bool BuildLocalLandUseSection(QString *error = nullptr);

// Adds the opened file's own local land uses to the local land-use file, and
// tells the user of names it cut and of a local file it could not write.
void MergeLocalLandUse();

} // namespace LocalLandUseSection
