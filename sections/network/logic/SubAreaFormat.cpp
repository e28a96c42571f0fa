#include "sections/network/logic/SubAreaFormat.h"

#include "core/logic/DetailLine.h"
#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/network/logic/NetworkLines.h"

using TextFile::cols;

namespace SubAreaFormat {

void ForEachSubArea(const QStringList &lines, const std::function<void(SubAreaRecord &&)> &take)
{
    using DetailLine::HasKeyword;
    SubAreaRecord s;
    bool open = false;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (TextFile::isBlank(line))
            break;
        auto &f = s.Field;
        if (!NetworkLines::BlankAt(line, 11, 20)) {
            if (open)
                take(std::move(s));
            s = SubAreaRecord();
            open = true;
            for (int i = 1; i <= 6; ++i)
                f[size_t(i)] = cols(line, 10 * i + 1, 10 * i + 10);
            for (int i = 7; i <= 11; ++i)
                f[size_t(i)] = cols(line, 64 + i, 64 + i);
            continue;
        }
        if (!open)
            continue;
        if (HasKeyword(line, QLatin1StringView("SHEET"))) {
            for (int i = 12; i <= 15; ++i)
                f[size_t(i)] = cols(line, 10 * i - 89, 10 * i - 80);
        } else if (HasKeyword(line, QLatin1StringView("SHALLOW"))) {
            f[16] = cols(line, 31, 40);
            f[17] = cols(line, 41, 50);
            f[18] = cols(line, 61, 70);
        } else if (HasKeyword(line, QLatin1StringView("CHANNEL"))) {
            if (!NetworkLines::BlankAt(line, 51, 80)) {
                for (int i = 19; i <= 23; ++i)
                    f[size_t(i)] = cols(line, 10 * i - 159, 10 * i - 150);
            } else {
                f[19] = cols(line, 31, 40);
                f[24] = cols(line, 41, 50);
            }
        } else if (DetailLine::IsLandRow(line)) {
            s.Land.append({cols(line, 31, 65), cols(line, 66, 70), cols(line, 71, 80)});
        }
    }
    if (open)
        take(std::move(s));
}

QList<SubAreaRecord> ParseSubAreas(const QStringList &lines)
{
    QList<SubAreaRecord> subAreas;
    subAreas.reserve(NetworkLines::CountMainLines(lines));
    ForEachSubArea(lines, [&](SubAreaRecord &&s) { subAreas.append(std::move(s)); });
    return subAreas;
}

QList<SubAreaRecord> ReadSubAreas(const QString &path) { return ParseSubAreas(TextFile::readLines(path)); }

QStringList SubAreaSectionLines(const QList<SubAreaRecord> &subAreas)
{
    QStringList lines;
    lines.reserve(1 + 6 * subAreas.size());
    QString header;
    Globsubs::AppendField(header, Header, HeaderWidth, false);
    lines.append(header);
    for (const SubAreaRecord &s : subAreas)
        NetworkLines::AppendSubAreaLines(lines, s, NetworkLines::SubAreaLineOptions::Section());
    if (lines.size() == 1)
        return {};
    lines.append(QString());
    return lines;
}

bool WriteSubAreaSection(const QString &path, const QList<SubAreaRecord> &subAreas, QString *error)
{
    return TextFile::writeLines(path, SubAreaSectionLines(subAreas), error);
}

} // namespace SubAreaFormat
