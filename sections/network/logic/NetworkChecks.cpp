#include "sections/network/logic/NetworkChecks.h"

#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/network/logic/NetworkFields.h"

namespace NetworkChecks {

bool ReachFieldPasses(int field, const std::function<QString(int)> &valueOf, bool alternate)
{
    const QString text = valueOf(field);
    const bool given = !TextFile::isBlank(text);
    const auto givenField = [&valueOf](int f) { return !TextFile::isBlank(valueOf(f)); };
    bool ok = true;
    switch (field) {
    case 5:
    case 7:
        Globsubs::CheckGreaterThan(true, 0, text, ok);
        break;
    case 6:
        Globsubs::CheckAtLeast(true, 0, text, ok);
        break;
    case 16:
    case 17:
        Globsubs::CheckAtLeast(true, 0, text, ok);
        if (given && givenField(15))
            ok = false;
        break;
    case 15:
        if (given && (givenField(16) || givenField(17)))
            ok = false;
        break;
    case 18:
        Globsubs::CheckRange(alternate || !givenField(14), 0.001, 1, text, ok);
        break;
    default:
        break;
    }
    return ok;
}

std::optional<InvalidValue> FirstReachFault(const QList<ReachRecord> &reaches, const QList<ReachRecord> &asRead,
                                            bool alternate)
{
    const QHash<QString, int> readIndex = NetworkFields::IndexByIdentifier(asRead);
    for (int k = 0; k < reaches.size(); ++k) {
        const ReachRecord &reach = reaches[k];
        const int read = readIndex.value(NetworkFields::IdentifierKey(reach.ReachId()), -1);
        const auto valueOf = [&reach](int f) { return reach.Field[std::size_t(f)]; };
        for (int f = 5; f <= 18; ++f) {
            const QString &text = reach.Field[std::size_t(f)];
            if (TextFile::isBlank(text) || (read >= 0 && asRead[read].Field[std::size_t(f)] == text))
                continue;
            if (!ReachFieldPasses(f, valueOf, alternate))
                return InvalidValue{k + 1, -1, f, text, {}, {}};
        }
    }
    return std::nullopt;
}

bool SubAreaFieldPasses(int field, const QString &text)
{
    bool ok = true;
    if (field == 4 || field == 6)
        Globsubs::CheckGreaterThan(true, 0, text, ok);
    else if (field == 5)
        Globsubs::CheckRange(true, 30, 100, text, ok);
    return ok;
}

QString SubAreaCaption(int field)
{
    static const char *const captions[] = {"Sub-Area Identifier", "Sub-Area Reach Identifier",
                                           "Sub-Area Rain Gage Identifier", "Sub-Area Drainage Area",
                                           "Sub-Area Weighted Curve Number", "Sub-Area Time of Concentration"};
    return field >= 1 && field <= 6 ? QString::fromLatin1(captions[field - 1]) : QString();
}

std::optional<InvalidValue> FirstSubAreaFault(const QList<SubAreaRecord> &subAreas)
{
    for (int k = 0; k < subAreas.size(); ++k)
        for (int f = 4; f <= 6; ++f) {
            const QString &text = subAreas[k].Field[std::size_t(f)];
            if (!TextFile::isBlank(text) && !SubAreaFieldPasses(f, text))
                return InvalidValue{k + 1, -1, f, text, {}, {}};
        }
    return std::nullopt;
}

} // namespace NetworkChecks
