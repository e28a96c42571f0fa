#include "core/logic/LocalLandUseSection.h"
#include "core/logic/DetailLine.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "core/logic/InputFileStore.h"
#include "core/logic/TextFile.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <QSet>

#include <algorithm>

using LocalLandUseData::LocalLandUse;
using LocalLandUseData::NameKey;

namespace LocalLandUseSection {

const QString Header = QStringLiteral("LOCAL LAND USE:");

namespace {
constexpr int NameWidth = 50;
constexpr int CurveNumberWidth = 5;
} // namespace

QString SectionLine(const LocalLandUse &landUse)
{
    QString line;
    Globsubs::AppendField(line, landUse.Name, NameWidth, false);
    for (const QString &cn : landUse.CN)
        Globsubs::AppendField(line, cn, CurveNumberWidth, true);
    return line;
}

int CurveNumberTooLong(const LocalLandUse &landUse)
{
    for (int g = 0; g < 4; ++g) {
        QString field;
        Globsubs::AppendField(field, landUse.CN[std::size_t(g)], CurveNumberWidth, true);
        if (field.size() > CurveNumberWidth)
            return g;
    }
    return -1;
}

void CollectNamedLandUses(TextFile::LineReader &reader, QSet<QByteArray> &names)
{
    QByteArrayView piece;
    bool ended = true;
    while (reader.readLinePiece(piece, ended)) {
        // The first piece of a line is all of it or far longer than column 65.
        if (piece.size() > 30 && DetailLine::IsLandRow(QLatin1StringView(piece.data(), piece.size()))) {
            QByteArrayView name = piece.sliced(30, std::min<qsizetype>(35, piece.size() - 30));
            while (!name.isEmpty() && name.front() == ' ')
                name = name.sliced(1);
            while (!name.isEmpty() && name.back() == ' ')
                name.chop(1);
            // Looked up without a copy; copied only when new.
            if (!name.isEmpty() && !names.contains(QByteArray::fromRawData(name.data(), name.size())))
                names.insert(name.toByteArray());
        }
        // The rest of a long line lies past the name's columns.
        while (!ended && reader.readLinePiece(piece, ended))
            continue;
    }
}

LocalLandUse ParseSectionLine(const QString &line)
{
    LocalLandUse landUse;
    landUse.Name = TextFile::cols(line, 1, 50);
    for (int g = 0; g < 4; ++g)
        landUse.CN[g] = TextFile::cols(line, 51 + 5 * g, 55 + 5 * g);
    return landUse;
}

QStringList BuildSection(const QList<LocalLandUse> &local, const QStringList &named, const QStringList &oldSection,
                         QString *error)
{
    QSet<QString> wanted;
    for (const QString &name : named)
        if (!TextFile::isBlank(name))
            wanted.insert(NameKey(name));

    QStringList lines;
    QSet<QString> written;
    for (const LocalLandUse &landUse : local) {
        const QString key = NameKey(landUse.Name);
        if (wanted.contains(key) && !written.contains(key)) {
            if (const int g = CurveNumberTooLong(landUse); g >= 0) {
                if (error)
                    *error = QStringLiteral("the local land use \"%1\" has the curve number %2 for soil group %3, "
                                            "longer than the %4 columns the Local Land Use section gives it. "
                                            "Change it in File > Local Land Use.")
                                 .arg(TextFile::trimBlanks(landUse.Name),
                                      TextFile::trimBlanks(landUse.CN[std::size_t(g)]), QChar(u'A' + g))
                                 .arg(CurveNumberWidth);
                return {};
            }
            written.insert(key);
            lines << SectionLine(landUse);
        }
    }
    if (lines.isEmpty())
        return {};
    // A definition that came with the opened file and is still named stays,
    // also when this computer's local file lacks it.
    for (qsizetype i = 1; i < oldSection.size(); ++i) {
        const QString &line = oldSection.at(i);
        if (TextFile::isBlank(line))
            continue;
        const QString key = NameKey(ParseSectionLine(line).Name);
        if (wanted.contains(key) && !written.contains(key)) {
            written.insert(key);
            lines << line;
        }
    }
    lines.prepend(Header);
    lines << QString();
    return lines;
}

MergeResult MergeSection(QList<LocalLandUse> &local, const QStringList &sectionLines)
{
    MergeResult result;
    QSet<QString> known;
    for (const LocalLandUse &landUse : local)
        known.insert(NameKey(landUse.Name));
    for (qsizetype i = 1; i < sectionLines.size(); ++i) {
        const QString &line = sectionLines.at(i);
        if (TextFile::isBlank(line))
            continue;
        LocalLandUse landUse = ParseSectionLine(line);
        if (landUse.Name.isEmpty())
            continue;
        const QString found = landUse.Name;
        const bool cut = found.size() > LocalLandUseData::MaxNameLength;
        if (cut)
            landUse.Name = TextFile::trimBlanks(found.left(LocalLandUseData::MaxNameLength));
        const QString key = NameKey(landUse.Name);
        if (known.contains(key) || Standard_Land_Use::FindStandardLandUse(landUse.Name) > 0)
            continue;
        if (!LocalLandUseData::CanHold(landUse)) {
            result.refusedNames << found;
            continue;
        }
        if (cut)
            result.cutNames << found;
        known.insert(key);
        local << landUse;
        ++result.added;
    }
    return result;
}

bool BuildLocalLandUseSection(QString *error)
{
    using namespace Editglob;
    const QList<LocalLandUse> local = LocalLandUseData::Read(LocalLandUseFile);
    if (local.isEmpty())
        return true; // nothing could be named: the section stays as it is
    // A working file that is there and cannot be read whole would drop the
    // definitions of the names it holds: the section is then not rebuilt.
    QSet<QByteArray> namedBytes;
    const auto collect = [&namedBytes](TextFile::LineReader &reader) { CollectNamedLandUses(reader, namedBytes); };
    for (int section : {SecAlternate, SecSubArea})
        if (!InputFileStore::ReadWorkingFile(TmpFile[section], collect, error))
            return false;
    QStringList named;
    for (const QByteArray &name : std::as_const(namedBytes))
        named << QString::fromLatin1(name);
    const QString path = TmpFile[SecLocalLandUse];
    QStringList section;
    const auto keep = [&section](TextFile::LineReader &reader) {
        for (QString line; reader.readLine(line);)
            section << line;
    };
    if (!InputFileStore::ReadWorkingFile(path, keep, error))
        return false;
    QString tooLong;
    const QStringList lines = BuildSection(local, named, section, &tooLong);
    if (!tooLong.isEmpty()) {
        if (error)
            *error = tooLong;
        return false;
    }
    // Most saves build the section that the last one wrote: an unchanged
    // file is left alone, which spares a sync.
    if (lines.isEmpty() || TextFile::holdsBytes(path, TextFile::joinLines(lines)))
        return true;
    QString reason;
    if (TextFile::writeLines(path, lines, &reason))
        return true;
    if (error)
        *error = QStringLiteral("the Local Land Use working file ") + path + QStringLiteral(" could not be written: ")
                 + reason;
    return false;
}

void MergeLocalLandUse()
{
    using namespace Editglob;
    bool opened = false;
    const QStringList section = TextFile::readLines(TmpFile[SecLocalLandUse], &opened);
    if (!opened || section.isEmpty())
        return;
    QList<LocalLandUse> local = LocalLandUseData::Read(LocalLandUseFile);
    const MergeResult result = MergeSection(local, section);
    QString notes;
    if (!result.cutNames.isEmpty())
        notes += QStringLiteral("These land-use names are longer than %1 characters and were cut to %1:\n")
                     .arg(LocalLandUseData::MaxNameLength)
                 + result.cutNames.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (!result.refusedNames.isEmpty())
        notes += QStringLiteral("These land-use names hold characters the local land-use file cannot hold and "
                                "were not added:\n")
                 + result.refusedNames.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (!notes.isEmpty())
        Dialogs::message(QStringLiteral("Local Land Use section of the opened file:\n") + notes,
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, QStringLiteral("Local Land Use"));
    if (result.added == 0)
        return;
    QString error;
    if (!LocalLandUseData::Write(LocalLandUseFile, local, &error))
        Dialogs::message(QStringLiteral("The local land-use file ") + LocalLandUseFile
                             + QStringLiteral(" could not be written: ") + error
                             + QStringLiteral("\nIt was not updated with the land uses of the opened file."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, QStringLiteral("Local Land Use"));
}

} // namespace LocalLandUseSection
