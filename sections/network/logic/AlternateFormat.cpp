#include "sections/network/logic/AlternateFormat.h"

#include "core/logic/DetailLine.h"
#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/network/logic/NetworkLines.h"

using TextFile::cols;
using TextFile::colsRaw;

namespace AlternateFormat {

namespace {

// The 10-column slice that starts at `column`, as it stands.
QString Slice(const QString &line, int column) { return colsRaw(line, column, column + 9); }

void ReadReachLine(Alternate &alternate, const QString &line)
{
    if (!cols(line, 11, 20).isEmpty()) {
        auto &f = alternate.Reaches.emplace_back().Field;
        for (int i = 1; i <= 6; ++i)
            f[size_t(i)] = Slice(line, 10 * i + 1);
        for (int i = 8; i <= 13; ++i)
            f[size_t(i)] = cols(line, 63 + i, 63 + i);
        return;
    }
    if (alternate.Reaches.isEmpty())
        return;
    auto &f = alternate.Reaches.last().Field;
    const auto keyword = [&line](const char *word) { return DetailLine::HasKeyword(line, QLatin1StringView(word)); };
    if (keyword("BASE FLOW")) {
        f[7] = Slice(line, 31);
    } else if (keyword("SPLIT FLOW")) {
        for (int i = 14; i <= 18; ++i)
            f[size_t(i)] = Slice(line, 10 * i - 109);
    } else if (keyword("REACH LOSS")) {
        f[19] = Slice(line, 31);
        f[20] = Slice(line, 41);
    }
}

void ReadSubAreaLine(Alternate &alternate, const QString &line)
{
    if (!cols(line, 11, 20).isEmpty()) {
        auto &f = alternate.SubAreas.emplace_back().Field;
        for (int i = 1; i <= 6; ++i)
            f[size_t(i)] = Slice(line, 10 * i + 1);
        for (int i = 7; i <= 11; ++i)
            f[size_t(i)] = cols(line, 64 + i, 64 + i);
        return;
    }
    if (alternate.SubAreas.isEmpty())
        return;
    SubAreaRecord &s = alternate.SubAreas.last();
    auto &f = s.Field;
    const auto keyword = [&line](const char *word) { return DetailLine::HasKeyword(line, QLatin1StringView(word)); };
    if (keyword("SHEET")) {
        for (int i = 12; i <= 15; ++i)
            f[size_t(i)] = Slice(line, 10 * i - 89);
    } else if (keyword("SHALLOW")) {
        f[16] = Slice(line, 31);
        f[17] = Slice(line, 41);
        f[18] = Slice(line, 61);
    } else if (keyword("CHANNEL")) {
        if (!cols(line, 51, 80).isEmpty()) {
            for (int i = 19; i <= 23; ++i)
                f[size_t(i)] = Slice(line, 10 * i - 159);
        } else {
            f[19] = Slice(line, 31);
            f[24] = Slice(line, 41);
        }
    } else if (DetailLine::IsLandRow(line)) {
        s.Land.append({cols(line, 31, 65), cols(line, 66, 70), cols(line, 71, 80)});
    }
}

bool HasId(const QString &id) { return NetworkLines::IsGiven(id); }

} // namespace

Block BlockOf(const QString &line, Block current)
{
    const int lastColumn = current == Block::Reaches ? 76 : current == Block::Areas ? 75 : 80;
    if (!cols(line, 1, 10).isEmpty() || !cols(line, 21, lastColumn).isEmpty())
        return Block::None;
    const QString name = cols(line, 11, 20).toUpper();
    if (name == QLatin1String("REACHES"))
        return Block::Reaches;
    if (name == QLatin1String("AREAS"))
        return Block::Areas;
    return Block::None;
}

bool ReadsAsBlockLine(const ReachRecord &reach)
{
    QStringList lines;
    NetworkLines::AppendReachLines(lines, reach, NetworkLines::ReachLineOptions::Alternate());
    return !lines.isEmpty() && BlockOf(lines.first(), Block::Reaches) != Block::None;
}

bool ReadsAsBlockLine(const SubAreaRecord &subArea)
{
    SubAreaRecord mainOnly;
    mainOnly.Field = subArea.Field;
    QStringList lines;
    NetworkLines::AppendSubAreaLines(lines, mainOnly, NetworkLines::SubAreaLineOptions::Alternate());
    return !lines.isEmpty() && BlockOf(lines.first(), Block::Areas) != Block::None;
}

bool IsWritten(const Alternate &alternate)
{
    if (!HasId(alternate.Id))
        return false;
    for (const ReachRecord &r : alternate.Reaches)
        if (HasId(r.ReachId()))
            return true;
    for (const SubAreaRecord &s : alternate.SubAreas)
        if (HasId(s.SubAreaId()))
            return true;
    return false;
}

QList<Alternate> ParseAlternates(const QStringList &lines)
{
    QList<Alternate> alternates;
    Block block = Block::None;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (TextFile::isBlank(line))
            break;
        if (!cols(line, 1, 10).isEmpty()) {
            Alternate &a = alternates.emplace_back();
            a.Id = cols(line, 1, 10);
            a.Description = cols(line, 11, 80);
            block = Block::None;
            continue;
        }
        if (const Block opened = BlockOf(line, block); opened != Block::None) {
            block = opened;
            continue;
        }
        if (alternates.isEmpty()) // lines before the first alternate belong to none
            continue;
        if (block == Block::Reaches)
            ReadReachLine(alternates.last(), line);
        else if (block == Block::Areas)
            ReadSubAreaLine(alternates.last(), line);
    }
    return alternates;
}

QList<Alternate> ReadAlternates(const QString &path) { return ParseAlternates(TextFile::readLines(path)); }

QStringList AlternateSectionLines(const QList<Alternate> &alternates)
{
    QStringList lines;
    for (const Alternate &a : alternates) {
        if (!IsWritten(a))
            continue;
        if (lines.isEmpty())
            lines.append(Header);
        QString line;
        Globsubs::AppendField(line, a.Id, IdWidth, false);
        Globsubs::AppendField(line, a.Description, DescriptionWidth, false);
        lines.append(line);
        const qsizetype reachStart = lines.size();
        for (const ReachRecord &r : a.Reaches)
            NetworkLines::AppendReachLines(lines, r, NetworkLines::ReachLineOptions::Alternate());
        if (lines.size() > reachStart)
            lines.insert(reachStart, QStringLiteral("          REACHES"));
        const qsizetype areaStart = lines.size();
        for (const SubAreaRecord &s : a.SubAreas)
            NetworkLines::AppendSubAreaLines(lines, s, NetworkLines::SubAreaLineOptions::Alternate());
        if (lines.size() > areaStart)
            lines.insert(areaStart, QStringLiteral("          AREAS"));
    }
    if (!lines.isEmpty())
        lines.append(QString());
    return lines;
}

bool WriteAlternateSection(const QString &path, const QList<Alternate> &alternates, QString *error)
{
    return TextFile::writeLines(path, AlternateSectionLines(alternates), error);
}

} // namespace AlternateFormat
