#include "sections/setup/ValueLineFormat.h"

#include "core/Fields.h"
#include "core/TextFile.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace SetupFormat {

namespace {
bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
} // namespace

double LeadingNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if (text[i] == QLatin1Char('.') && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return 0;
    qsizetype end = i;
    bool negativeExponent = false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) {
            negativeExponent = text[j] == QLatin1Char('-');
            ++j;
        }
        const qsizetype expStart = j;
        while (j < n && isDigit(text[j]))
            ++j;
        if (j > expStart)
            end = j;
    }
    QByteArray bytes = text.mid(start, end - start).toLatin1();
    const bool negative = bytes.startsWith('-');
    if (bytes.startsWith('+') || negative)
        bytes.remove(0, 1);
    double value = 0;
    const auto res = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
    if (res.ec == std::errc::result_out_of_range)
        value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    else if (res.ec != std::errc())
        value = 0;
    return negative ? -value : value;
}

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

} // namespace SetupFormat
