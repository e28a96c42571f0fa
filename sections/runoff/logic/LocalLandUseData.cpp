#include "sections/runoff/logic/LocalLandUseData.h"

#include "core/logic/Fields.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"
#include "sections/runoff/logic/LocalItems.h"

namespace LocalLandUseData {

namespace {

QList<LocalLandUse> FromLines(const QList<QStringList> &lines)
{
    QList<LocalLandUse> records;
    for (const QStringList &line : lines) {
        if (TextFile::isBlank(line.value(0)))
            continue;
        LocalLandUse r;
        r.Name = line.at(0);
        for (int g = 0; g < 4; ++g)
            r.CN[g] = line.value(g + 1);
        records << r;
    }
    return records;
}

QList<QStringList> ToLines(const QList<LocalLandUse> &records)
{
    QList<QStringList> lines;
    for (const LocalLandUse &r : records)
        lines << QStringList{r.Name, r.CN[0], r.CN[1], r.CN[2], r.CN[3]};
    lines << QStringList{QString()};
    return lines;
}

bool EveryField(const LocalLandUse &record, bool (*passes)(const QString &))
{
    if (!passes(record.Name))
        return false;
    for (const QString &cn : record.CN)
        if (!passes(cn))
            return false;
    return true;
}

} // namespace

QList<LocalLandUse> Parse(QByteArrayView bytes) { return FromLines(LocalItems::ReadItemLines(bytes)); }

QList<LocalLandUse> Read(const QString &path, bool *opened)
{
    return FromLines(LocalItems::ReadItemFile(path, opened));
}

std::optional<QByteArray> Bytes(const QList<LocalLandUse> &records)
{
    return LocalItems::WriteItemLines(ToLines(records));
}

bool Write(const QString &path, const QList<LocalLandUse> &records, QString *error)
{
    return LocalItems::WriteItemFile(path, ToLines(records), QStringLiteral("land use"), error);
}

bool CanAdd(const LocalLandUse &record) { return EveryField(record, LocalItems::CanQuoteItem); }

bool CanHold(const LocalLandUse &record) { return EveryField(record, LocalItems::CanWriteItem); }

QString NameKey(const QString &name) { return TextFile::trimBlanks(name).toUpper(); }

bool CurveNumberInOrder(const std::array<QString, 4> &cn, int group)
{
    const QString &text = cn[std::size_t(group)];
    return TextFile::isBlank(text) || group == 0
           || Globsubs::LeadingNumber(text) >= Globsubs::LeadingNumber(cn[std::size_t(group - 1)]);
}

bool CurveNumberPasses(const std::array<QString, 4> &cn, int group)
{
    const QString &text = cn[std::size_t(group)];
    if (TextFile::isBlank(text))
        return true;
    bool ok = true;
    Globsubs::CheckRange(true, 30, 100, text, ok);
    return ok && CurveNumberInOrder(cn, group);
}

} // namespace LocalLandUseData
