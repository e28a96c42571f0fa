#include "sections/setup/logic/UnitHydFormat.h"

#include "core/logic/TextFile.h"
#include "sections/setup/logic/ValueLineFormat.h"

namespace UnitHydFormat {

using namespace SetupFormat;

int StoredOrdinates(const UnitHydData &data)
{
    return int(NonBlankValues(data.ordinates).size());
}

bool HasData(const UnitHydData &data)
{
    return StoredOrdinates(data) >= MinOrdinates;
}

UnitHydData ParseUnitHyd(const QStringList &lines)
{
    UnitHydData data;
    for (const QString &line : RecordLines(lines))
        if (IsValueLine(line))
            data.ordinates += ValueLineFields(line);
    return data;
}

UnitHydData ReadUnitHyd(const QString &path)
{
    return ParseUnitHyd(TextFile::readLines(path));
}

QStringList UnitHydLines(const UnitHydData &data)
{
    QStringList values;
    for (const QString &value : NonBlankValues(data.ordinates))
        values.append(FitNumber(value));
    if (values.size() < MinOrdinates)
        return {};
    if (LeadingNumber(values.last()) > 0)
        values.append(QStringLiteral("0."));
    QStringList lines{HeaderLine(Header, HeaderWidth)};
    AppendValueLines(lines, values);
    return lines;
}

} // namespace UnitHydFormat
