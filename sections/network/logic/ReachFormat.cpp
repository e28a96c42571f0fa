#include "sections/network/logic/ReachFormat.h"

#include "core/logic/DetailLine.h"
#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/network/logic/NetworkLines.h"

using TextFile::cols;

namespace ReachFormat {

QList<ReachRecord> ParseReaches(const QStringList &lines)
{
    QList<ReachRecord> reaches;
    reaches.reserve(NetworkLines::CountMainLines(lines));
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (TextFile::isBlank(line))
            break;
        if (!NetworkLines::BlankAt(line, 11, 20)) {
            ReachRecord &r = reaches.emplace_back();
            for (int i = 1; i <= 6; ++i)
                r.Field[size_t(i)] = cols(line, 10 * i + 1, 10 * i + 10);
            for (int i = 8; i <= 13; ++i)
                r.Field[size_t(i)] = cols(line, 63 + i, 63 + i);
            continue;
        }
        if (reaches.isEmpty())
            continue;
        auto &f = reaches.last().Field;
        using DetailLine::HasKeyword;
        if (HasKeyword(line, QLatin1StringView("BASE FLOW"))) {
            f[7] = cols(line, 31, 40);
        } else if (HasKeyword(line, QLatin1StringView("SPLIT FLOW"))) {
            for (int i = 14; i <= 18; ++i)
                f[size_t(i)] = cols(line, 10 * i - 109, 10 * i - 100);
        } else if (HasKeyword(line, QLatin1StringView("REACH LOSS"))) {
            // Held as read; the writer trims them.
            f[19] = TextFile::colsRaw(line, 31, 40);
            f[20] = TextFile::colsRaw(line, 41, 50);
        }
    }
    return reaches;
}

QList<ReachRecord> ReadReaches(const QString &path) { return ParseReaches(TextFile::readLines(path)); }

QStringList ReachSectionLines(const QList<ReachRecord> &reaches)
{
    QStringList lines;
    lines.reserve(1 + 2 * reaches.size());
    QString header;
    Globsubs::AppendField(header, Header, HeaderWidth, false);
    lines.append(header);
    for (const ReachRecord &r : reaches)
        NetworkLines::AppendReachLines(lines, r, NetworkLines::ReachLineOptions::Section());
    if (lines.size() == 1)
        return {};
    lines.append(QString());
    return lines;
}

bool WriteReachSection(const QString &path, const QList<ReachRecord> &reaches, QString *error)
{
    return TextFile::writeLines(path, ReachSectionLines(reaches), error);
}

} // namespace ReachFormat
