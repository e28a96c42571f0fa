#include "sections/setup/logic/VerificationFormat.h"

#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/setup/logic/ValueLineFormat.h"

#include <algorithm>

namespace VerificationFormat {

namespace {

constexpr int FlagWidth = 2;

void readFlags(const QString &line, VerificationData &data, int firstBox, int count)
{
    for (int i = 0; i < count; ++i) {
        const int first = 21 + FlagWidth * i;
        const QString field = TextFile::cols(line, first, first + FlagWidth - 1).toUpper();
        data.setBox(firstBox + i, field == QLatin1String("Y"));
    }
}

QString flagLine(const QString &key, const VerificationData &data, int firstBox, int count)
{
    QString line;
    Globsubs::AppendField(line, QStringLiteral(" "), SetupFormat::FieldWidth, false);
    Globsubs::AppendField(line, key, SetupFormat::FieldWidth, false);
    for (int i = 0; i < count; ++i)
        Globsubs::AppendField(line, data.box(firstBox + i) ? QStringLiteral("Y") : QStringLiteral(" "),
                              FlagWidth, false);
    return line;
}

} // namespace

bool VerificationData::any() const
{
    return std::any_of(flags.begin(), flags.end(), [](bool f) { return f; });
}

VerificationData ParseVerification(const QStringList &lines)
{
    VerificationData data;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString key = TextFile::cols(lines[i], 11, 20).toUpper();
        if (key == DataPrepKey)
            readFlags(lines[i], data, 1, DataPrepFlags);
        else if (key == ProcessingKey)
            readFlags(lines[i], data, DataPrepFlags + 1, ProcessingFlags);
    }
    return data;
}

VerificationData ReadVerification(const QString &path)
{
    return ParseVerification(TextFile::readLines(path));
}

QStringList VerificationLines(const VerificationData &data)
{
    if (!data.any())
        return {};
    QStringList lines{SetupFormat::HeaderLine(Header, HeaderWidth)};
    const QString dataPrep = flagLine(DataPrepKey, data, 1, DataPrepFlags);
    if (!TextFile::isBlank(TextFile::colsRaw(dataPrep, 21, 80)))
        lines.append(dataPrep);
    const QString processing = flagLine(ProcessingKey, data, DataPrepFlags + 1, ProcessingFlags);
    if (!TextFile::isBlank(processing.mid(20)))
        lines.append(processing);
    lines.append(QString());
    return lines;
}

} // namespace VerificationFormat
