#include "sections/setup/logic/ValueLineFormat.h"

#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace SetupFormat {

QString FitNumber(const QString &text, int width)
{
    const QString trimmed = TextFile::trimBlanks(text);
    if (trimmed.size() <= width)
        return trimmed;
    if (const auto value = Globsubs::ParseNumber(trimmed)) {
        for (int decimals = 17; decimals >= 0; --decimals) {
            QString s = QString::number(*value, 'f', decimals);
            if (decimals > 0) {
                while (s.endsWith(QLatin1Char('0')))
                    s.chop(1);
            }
            if (s.size() <= width)
                return s;
        }
    }
    return trimmed.left(width);
}

QString FitText(const QString &text, int width)
{
    if (text.size() <= width)
        return text;
    return TextFile::trimBlanks(text).left(width);
}

bool IsValueLine(const QString &line)
{
    return !TextFile::isBlank(TextFile::colsRaw(line, 21, 70));
}

QStringList ValueLineFields(const QString &line)
{
    QStringList values;
    for (int k = 0; k < ValuesPerLine; ++k) {
        const int first = 21 + FieldWidth * k;
        const QString value = TextFile::cols(line, first, first + FieldWidth - 1);
        if (!value.isEmpty())
            values.append(value);
    }
    return values;
}

QStringList NonBlankValues(const QStringList &values)
{
    QStringList kept;
    for (const QString &value : values)
        if (!TextFile::isBlank(value))
            kept.append(value);
    return kept;
}

void AppendValueLines(QStringList &lines, const QStringList &values)
{
    for (qsizetype i = 0; i < values.size(); i += ValuesPerLine) {
        QString line(20, QLatin1Char(' '));
        for (qsizetype j = i; j < std::min(i + ValuesPerLine, values.size()); ++j)
            Globsubs::AppendField(line, FitNumber(values[j]), FieldWidth, true);
        lines.append(line);
    }
}

QString HeaderLine(const QString &text, int width)
{
    QString line;
    Globsubs::AppendField(line, text, width, false);
    return line;
}

QStringList RecordLines(const QStringList &lines)
{
    QStringList records;
    for (qsizetype i = 1; i < lines.size() && !TextFile::isBlank(lines[i]); ++i)
        records.append(lines[i]);
    return records;
}

} // namespace SetupFormat
