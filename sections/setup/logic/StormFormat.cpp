#include "sections/setup/logic/StormFormat.h"

#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/setup/logic/ValueLineFormat.h"

#include <cmath>

namespace StormFormat {

using namespace SetupFormat;

bool IsNumberField(int field)
{
    return field == StartingTime || field == Rainfall || field == TwoYearRainfall;
}

bool FieldPasses(int field, const QString &text)
{
    bool ok = true;
    if (field == StartingTime)
        Globsubs::CheckAtLeast(true, 0, text, ok);
    else if (field == Rainfall || field == TwoYearRainfall)
        Globsubs::CheckGreaterThan(true, 0, text, ok);
    return ok;
}

StormData ParseStorm(const QStringList &lines)
{
    StormData data;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (TextFile::isBlank(line))
            continue;
        QStringList record;
        for (int k = 1; k <= FieldCount; ++k)
            record.append(TextFile::cols(line, 10 * k + 1, 10 * k + 10));
        data.records.append(record);
    }
    return data;
}

StormData ReadStorm(const QString &path)
{
    return ParseStorm(TextFile::readLines(path));
}

QStringList StormLines(const StormData &data)
{
    QStringList lines;
    for (const QStringList &record : data.records) {
        if (NonBlankValues(record).isEmpty())
            continue;
        if (lines.isEmpty())
            lines.append(HeaderLine(Header, HeaderWidth));
        QString line;
        Globsubs::AppendField(line, QStringLiteral(" "), FieldWidth, false);
        for (int k = 0; k < FieldCount; ++k) {
            const QString value = k < record.size() ? record[k] : QString();
            if (IsNumberField(k))
                Globsubs::AppendField(line, FitNumber(value), FieldWidth, true);
            else
                Globsubs::AppendField(line, FitText(value), FieldWidth, false);
        }
        lines.append(line);
    }
    return lines;
}

ConditionChoice ConditionOption(const QString &stored)
{
    ConditionChoice choice;
    const double value = TextFile::isBlank(stored) ? 0 : LeadingNumber(stored);
    if (value <= 0) {
        choice.useDefault = true;
        return choice;
    }
    // Compared as a double first: a huge value must never reach an integer.
    const double rounded = value > 0 && value < 4 ? std::nearbyint(value) : 0;
    if (rounded >= 1 && rounded <= 3) {
        choice.option = int(rounded);
    } else {
        choice.option = 0;
        choice.inRange = false;
    }
    return choice;
}

} // namespace StormFormat
