#include "sections/runoff/logic/TravelTime.h"

#include "core/logic/Fields.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"
#include "sections/common/logic/SubAreaRecord.h"

#include <charconv>
#include <cmath>

namespace TravelTime {

namespace {

struct Surface
{
    const char *text;
    const char *n;
};

constexpr std::array<Surface, SheetSurfaceCount> Surfaces{{
    {"A Smooth Surface", ".011"},
    {"B Fallow (no residue)", ".05"},
    {"C Cultivated < 20% residue", ".06"},
    {"D Cultivated > 20% residue", ".17"},
    {"E Grass (Range, short)", ".15"},
    {"F Grass (Dense)", ".24"},
    {"G Grass (Bermuda)", ".41"},
    {"H Woods (Light)", ".4"},
    {"I Woods (Dense)", ".8"},
    {"J Range (Natural)", ".13"},
}};

constexpr double PavedCoefficient = 20.3282;
constexpr double UnpavedCoefficient = 16.1345;

bool blank(const QString &text) { return TextFile::isBlank(text); }

// The strict value of a text (Globsubs::ParseNumber's rule), read without
// allocating: blanks around, an optional sign, digits with at most one ".", an
// optional exponent, nothing else; finite.
std::optional<double> strict(QStringView text)
{
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    char buf[64];
    const qsizetype n = text.size();
    if (n == 0 || n >= qsizetype(sizeof buf))
        return n == 0 ? std::nullopt : Globsubs::ParseNumber(text.toString());
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return text[k].unicode(); };
    if (at(0) == '+' || at(0) == '-')
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        const char16_t c = at(i);
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (at(i) == 'e' || at(i) == 'E')) {
        ++i;
        if (i < n && (at(i) == '+' || at(i) == '-'))
            ++i;
        int expDigits = 0;
        for (; i < n && at(i) >= '0' && at(i) <= '9'; ++i)
            ++expDigits;
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    qsizetype from = at(0) == '+' ? 1 : 0;
    for (qsizetype k = from; k < n; ++k)
        buf[k - from] = char(at(k));
    double value = 0;
    const auto res = std::from_chars(buf, buf + (n - from), value);
    if (res.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The lenient value of one of the texts this computation wrote (a time), or of
// the rainfall: its leading number, 0 for none.
double lenient(const QString &text)
{
    if (const auto v = strict(text))
        return *v;
    return Globsubs::LeadingNumber(text);
}

// A strict value that is not negative (a length, or a value under a power).
std::optional<double> nonNegative(const QString &text)
{
    const auto v = strict(text);
    return v && *v >= 0 ? v : std::nullopt;
}

std::optional<double> positive(const QString &text)
{
    const auto v = strict(text);
    return v && *v > 0 ? v : std::nullopt;
}

std::optional<double> finiteTime(double t) { return std::isfinite(t) && t >= 0 ? std::optional(t) : std::nullopt; }

QString resultText(const std::optional<double> &value) { return value ? ValueText(Round3(*value)) : QString(); }

} // namespace

const QStringList &SheetSurfaceTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (const Surface &s : Surfaces)
            list << QString::fromLatin1(s.text);
        return list;
    }();
    return texts;
}

int SheetSurfaceRow(const QString &text)
{
    const QChar c = SurfaceCodeOf(text);
    return c >= QLatin1Char('A') && c <= QLatin1Char('J') ? c.unicode() - 'A' + 1 : 0;
}

float SheetSurfaceN(int row)
{
    static const std::array<float, SheetSurfaceCount> values = [] {
        std::array<float, SheetSurfaceCount> v{};
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] = static_cast<float>(strict(QString::fromLatin1(Surfaces[i].n)).value_or(0.0));
        return v;
    }();
    if (row < 1 || row > SheetSurfaceCount)
        return 0.0f;
    return values[std::size_t(row - 1)];
}

const QStringList &ShallowSurfaceTexts()
{
    static const QStringList texts{QStringLiteral("Paved"), QStringLiteral("Unpaved")};
    return texts;
}

int ShallowSurfaceRow(const QString &text)
{
    const QChar c = SurfaceCodeOf(text);
    if (c == QLatin1Char('P'))
        return 1;
    if (c == QLatin1Char('U'))
        return 2;
    return 0;
}

double Round3(double value)
{
    const double r = std::nearbyint(value * 1000.0) / 1000.0;
    return r == 0 ? 0.0 : r; // no "-0"
}

QString ValueText(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buf, res.ptr - buf);
    if (text.contains(QLatin1Char('e'))) {
        // Very large or small: the same 15 digits written out in full.
        double rounded = value;
        std::from_chars(buf, res.ptr, rounded);
        res = std::to_chars(buf, buf + sizeof buf, rounded, std::chars_format::fixed);
        if (res.ec == std::errc())
            text = QString::fromLatin1(buf, res.ptr - buf);
    }
    if (text.startsWith(QLatin1String("-.")))
        text.insert(1, QLatin1Char('0'));
    else if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    return text;
}

QString SingleText(float value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    char buf[128];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    QString text = QString::fromLatin1(buf, res.ptr - buf);
    if (text.contains(QLatin1Char('e'))) {
        res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
        if (res.ec == std::errc())
            text = QString::fromLatin1(buf, res.ptr - buf);
    }
    return text;
}

std::optional<double> SheetTime(const QString &twoYearRain, const QString &length, const QString &slope,
                                const QString &manningN, const QString &surfaceCode)
{
    if (blank(twoYearRain) || blank(length) || blank(slope) || (blank(manningN) && blank(surfaceCode)))
        return std::nullopt;
    const double p2 = lenient(twoYearRain);
    if (!(p2 > 0))
        return std::nullopt;
    // The surface code, when it names a surface, decides n; otherwise the
    // typed n does. n is kept in single precision. Length, slope, rain and a
    // typed n count by their leading number, as a box that failed its check
    // still shows it.
    float n = 0.0f;
    if (const int row = SheetSurfaceRow(surfaceCode); row > 0)
        n = SheetSurfaceN(row);
    else
        n = static_cast<float>(lenient(manningN));
    // A zero n would show a time of 0 for a surface that was never given.
    if (!(n > 0) || !std::isfinite(n))
        return std::nullopt;
    const double L = lenient(length), s = lenient(slope);
    return finiteTime(0.007 * std::pow(double(n) * L, 0.8) / (std::pow(p2, 0.5) * std::pow(s, 0.4)));
}

ShallowResult ShallowTime(const QString &length, const QString &slope, const QString &surfaceCode)
{
    ShallowResult r;
    if (blank(length) || blank(slope) || blank(surfaceCode))
        return r;
    const int row = ShallowSurfaceRow(surfaceCode);
    const auto s = nonNegative(slope);
    if (row == 0 || !s)
        return r;
    const double v = Round3((row == 1 ? PavedCoefficient : UnpavedCoefficient) * std::pow(*s, 0.5));
    // The time is taken with the velocity as shown, rounded.
    if (!(v > 0) || !std::isfinite(v))
        return r;
    const auto L = nonNegative(length);
    if (!L)
        return r;
    r.velocity = v;
    r.time = finiteTime(*L / v / 3600.0);
    if (!r.time)
        r.velocity.reset();
    return r;
}

std::optional<double> ChannelVelocity(const QString &slope, const QString &manningN, const QString &endArea,
                                      const QString &wettedPerimeter)
{
    const double s = lenient(slope), n = lenient(manningN), A = lenient(endArea), P = lenient(wettedPerimeter);
    const double v = Round3(1.49 * std::pow(A / P, 2.0 / 3.0) * std::sqrt(s) / n);
    return std::isfinite(v) ? std::optional(v) : std::nullopt;
}

std::optional<double> ChannelTime(const QString &length, const QString &velocity)
{
    if (blank(length) || blank(velocity))
        return std::nullopt;
    const auto L = nonNegative(length);
    const auto v = positive(velocity);
    if (!L || !v)
        return std::nullopt;
    return finiteTime(*L / *v / 3600.0);
}

void ComputeTravelTime(int index, TcFields &f)
{
    bool complete = false;
    if (index >= SheetLength && index <= SheetSurfaceCode) {
        const auto t = SheetTime(f[TwoYearRain], f[SheetLength], f[SheetSlope], f[SheetManningN],
                                 f[SheetSurfaceCode]);
        f[SheetTravelTime] = resultText(t);
        complete = t.has_value();
    } else if (index >= ShallowLength && index <= ShallowSurfaceCode) {
        const ShallowResult r = ShallowTime(f[ShallowLength], f[ShallowSlope], f[ShallowSurfaceCode]);
        f[ShallowVelocity] = r.velocity ? ValueText(*r.velocity) : QString();
        f[ShallowTravelTime] = resultText(r.time);
        complete = r.time.has_value();
    } else if (index >= ChannelFlowLength && index <= ChannelFlowVelocity) {
        if (!blank(f[ChannelFlowSlope]) && !blank(f[ChannelFlowManningN]) && !blank(f[ChannelFlowEndArea])
            && !blank(f[ChannelFlowWettedPerimeter])) {
            // A velocity that the geometry does not give is not left standing
            // beside it.
            const auto v = ChannelVelocity(f[ChannelFlowSlope], f[ChannelFlowManningN], f[ChannelFlowEndArea],
                                           f[ChannelFlowWettedPerimeter]);
            f[ChannelFlowVelocity] = v ? ValueText(*v) : QString();
        }
        const auto t = ChannelTime(f[ChannelFlowLength], f[ChannelFlowVelocity]);
        f[ChannelTravelTime] = resultText(t);
        complete = t.has_value();
    }
    if (!complete) {
        f[TcTotal].clear();
        return;
    }
    f[TcTotal] = ValueText((lenient(f[SheetTravelTime]) + lenient(f[ShallowTravelTime]))
                           + lenient(f[ChannelTravelTime]));
}

void ComputeAll(TcFields &fields)
{
    for (int index : {int(SheetLength), int(ShallowLength), int(ChannelFlowLength)})
        ComputeTravelTime(index, fields);
}

bool FieldPasses(int field, const QString &text, bool english)
{
    using namespace Globsubs;
    bool ok = true;
    switch (field) {
    case 12:
        CheckRange(true, 0, english ? 100 : 30.5, text, ok);
        break;
    case 13:
    case 16:
    case 17:
    case 19:
    case 20:
    case 22:
    case 23:
    case 24:
        CheckGreaterThan(true, 0, text, ok);
        break;
    case 14:
    case 21:
        CheckRange(true, 0.0005, 1, text, ok);
        break;
    case 18: {
        const QChar code = SurfaceCodeOf(text);
        ok = code.isNull() || code == QLatin1Char('P') || code == QLatin1Char('U');
        break;
    }
    default:
        break;
    }
    return ok;
}

} // namespace TravelTime
