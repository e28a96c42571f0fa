#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace Globsubs {

namespace {

// Where the exponent of a number starts (the text's size when it has none),
// or -1 when the text is not a number: an optional sign, digits with at most
// one ".", an optional exponent. The text is trimmed.
qsizetype ExponentStart(QStringView t)
{
    const auto isDigit = [](QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; };
    const qsizetype n = t.size();
    qsizetype i = 0;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(t[i]))
            ++digits;
        else if (t[i] == QLatin1Char('.') && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return -1;
    const qsizetype exponent = i;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        int expDigits = 0;
        for (; i < n && isDigit(t[i]); ++i)
            ++expDigits;
        if (expDigits == 0)
            return -1;
    }
    return i == n ? exponent : -1;
}

// Where a trimmed number field takes its ".", or -1 when it takes none (it
// has one, is empty, or fills its width). A number's point goes before its
// exponent: after it, no reader would take the text as a number.
qsizetype DecimalPointPlace(QStringView text, int width)
{
    if (text.isEmpty() || text.size() >= width || text.contains(QLatin1Char('.')))
        return -1;
    const qsizetype exponent = ExponentStart(text);
    return exponent > 0 ? exponent : text.size();
}

} // namespace

void AddDecimalPoint(QString &text, int width)
{
    text = TextFile::trimBlanks(text);
    if (const qsizetype place = DecimalPointPlace(text, width); place >= 0)
        text.insert(place, QLatin1Char('.'));
}

void PadField(int width, QString &text)
{
    if (width > text.size())
        text += QString(width - text.size(), QLatin1Char(' '));
}

void AppendField(QString &line, const QString &value, int width, bool isNumber)
{
    // Built in place: the writers of large sections append many fields.
    const qsizetype start = line.size();
    if (isNumber) {
        QStringView v(value);
        while (!v.isEmpty() && v.front() == QLatin1Char(' '))
            v = v.sliced(1);
        while (!v.isEmpty() && v.back() == QLatin1Char(' '))
            v.chop(1);
        const qsizetype place = DecimalPointPlace(v, width);
        if (place < 0) {
            line += v;
        } else {
            line += v.first(place);
            line += QLatin1Char('.');
            line += v.sliced(place);
        }
    } else {
        line += value;
    }
    const qsizetype added = line.size() - start;
    if (added < width)
        line.resize(start + width, QLatin1Char(' '));
}

void AppendField(QString &line, int value, int width, bool isNumber)
{
    AppendField(line, QString::number(value), width, isNumber);
}

void AppendField(QString &line, double value, int width, bool isNumber)
{
    AppendField(line, NumberText(value), width, isNumber);
}

QString NumberText(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general);
    QString text = QString::fromLatin1(buf, res.ptr - buf);
    if (text.contains(QLatin1Char('e'))) {
        res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
        if (res.ec == std::errc())
            text = QString::fromLatin1(buf, res.ptr - buf);
    }
    return text;
}

std::optional<double> ParseNumber(const QString &text)
{
    const QString t = TextFile::trimBlanks(text);
    if (ExponentStart(t) < 0)
        return std::nullopt;
    const QByteArray bytes = t.toLatin1();
    const char *begin = bytes.constData();
    if (*begin == '+')
        ++begin;
    double value = 0;
    const auto res = std::from_chars(begin, bytes.constData() + bytes.size(), value);
    if (res.ec != std::errc() || !std::isfinite(value))
        return std::nullopt; // out of the double range
    return value;
}

bool FitsNumberField(const QString &text, int width)
{
    const QString trimmed = TextFile::trimBlanks(text);
    const auto value = ParseNumber(trimmed);
    if (!value)
        return false;
    return trimmed.size() <= width || QString::number(*value, 'f', 0).size() <= width;
}

namespace {

// The common blank and numeric rules; returns the number when a bound test
// must follow.
std::optional<double> CommonRules(bool allowBlank, const QString &text, bool &ok)
{
    ok = true;
    if (TextFile::isBlank(text)) {
        ok = allowBlank;
        return std::nullopt;
    }
    const auto value = ParseNumber(text);
    if (!value)
        ok = false;
    return value;
}

// The bound tests run in single precision on both sides, so that a bound typed
// as text (0.01) meets the same bound given as a number.
std::optional<float> AsSingle(double value)
{
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(value);
}

} // namespace

void CheckLength(int minLen, int maxLen, const QString &text, bool &ok, QString &result)
{
    ok = true;
    result = TextFile::trimBlanks(text);
    if (result.size() < minLen)
        ok = false;
    if (result.size() > maxLen)
        result = text.left(maxLen);
}

void CheckIntegerRange(bool allowBlank, double min, double max, const QString &text, bool &ok,
                       short &value)
{
    const auto number = CommonRules(allowBlank, text, ok);
    if (!number)
        return;
    // Only whole numbers within 16 bits are integers here; "2.5" is refused
    // rather than rounded, so no integer field is ever written with a fraction.
    if (std::floor(*number) != *number || *number < std::numeric_limits<short>::min()
        || *number > std::numeric_limits<short>::max()) {
        ok = false;
        return;
    }
    value = static_cast<short>(*number);
    if (value < min || value > max)
        ok = false;
}

void CheckAtLeast(bool allowBlank, double min, const QString &text, bool &ok)
{
    const auto number = CommonRules(allowBlank, text, ok);
    if (!number)
        return;
    const auto v = AsSingle(*number);
    if (!v || *v < static_cast<float>(min))
        ok = false;
}

void CheckGreaterThan(bool allowBlank, double min, const QString &text, bool &ok)
{
    const auto number = CommonRules(allowBlank, text, ok);
    if (!number)
        return;
    const auto v = AsSingle(*number);
    if (!v || *v <= static_cast<float>(min))
        ok = false;
}

void CheckNumeric(bool allowBlank, const QString &text, bool &ok)
{
    const auto number = CommonRules(allowBlank, text, ok);
    if (number && !AsSingle(*number))
        ok = false; // every number field is kept in single precision
}

void CheckRange(bool allowBlank, double min, double max, const QString &text, bool &ok)
{
    const auto number = CommonRules(allowBlank, text, ok);
    if (!number)
        return;
    const auto v = AsSingle(*number);
    if (!v || *v < static_cast<float>(min) || *v > static_cast<float>(max))
        ok = false;
}

} // namespace Globsubs
