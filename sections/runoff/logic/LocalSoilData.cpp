#include "sections/runoff/logic/LocalSoilData.h"
#include "core/logic/TextFile.h"
#include "sections/runoff/logic/LocalItems.h"

#include <array>

namespace LocalSoilData {

namespace {

QList<LocalSoil> FromLines(const QList<QStringList> &lines)
{
    QStringList items;
    for (const QStringList &line : lines)
        items << line;
    QList<LocalSoil> soils;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (TextFile::isBlank(items.at(i)))
            continue;
        LocalSoil s;
        s.Id = items.at(i);
        if (i + 1 < items.size())
            s.Groups = items.at(++i);
        soils << s;
    }
    return soils;
}

QList<QStringList> ToLines(const QList<LocalSoil> &soils)
{
    QList<QStringList> lines;
    for (const LocalSoil &s : soils)
        lines << QStringList{s.Id, s.Groups};
    lines << QStringList{QString()};
    return lines;
}

} // namespace

QList<LocalSoil> Parse(QByteArrayView bytes) { return FromLines(LocalItems::ReadItemLines(bytes)); }

QList<LocalSoil> Read(const QString &path, bool *opened) { return FromLines(LocalItems::ReadItemFile(path, opened)); }

std::array<bool, 4> GroupFlags(const QString &groups)
{
    const QString upper = groups.toUpper();
    std::array<bool, 4> flags{};
    for (int g = 0; g < 4; ++g)
        flags[g] = upper.contains(QLatin1Char(char('A' + g)));
    return flags;
}

QString GroupText(const std::array<bool, 4> &flags)
{
    QStringList letters;
    for (int g = 0; g < 4; ++g)
        if (flags[g])
            letters << QString(QLatin1Char(char('A' + g)));
    return letters.join(QLatin1Char('/'));
}

std::optional<QByteArray> Bytes(const QList<LocalSoil> &soils) { return LocalItems::WriteItemLines(ToLines(soils)); }

bool Write(const QString &path, const QList<LocalSoil> &soils, QString *error)
{
    return LocalItems::WriteItemFile(path, ToLines(soils), QStringLiteral("soil"), error);
}

} // namespace LocalSoilData
