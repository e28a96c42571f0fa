#include "plots/logic/PlotModel.h"

#include "core/logic/FileNames.h"
#include "core/logic/TextFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>

namespace Plots {

namespace {

constexpr std::array<Rgb, 11> ColorTable{{{0, 0, 0},
                                          {255, 0, 0},
                                          {0, 255, 0},
                                          {0, 0, 255},
                                          {170, 85, 0},
                                          {85, 170, 0},
                                          {0, 170, 85},
                                          {0, 85, 170},
                                          {170, 0, 85},
                                          {85, 0, 170},
                                          {85, 85, 85}}};

using TextFile::isBlank;
QString trimmed(const QString &text) { return TextFile::trimBlanks(text); }

// Values of a list up to (not including) its first blank text.
std::vector<double> leadingValues(const QStringList &texts)
{
    std::vector<double> values{0.0};
    for (const QString &t : texts) {
        if (isBlank(t))
            break;
        values.push_back(LeadingNumber(t));
    }
    return values;
}

QString column(const QStringList &row, int i) { return i < row.size() ? row.at(i) : QString(); }

PlotRequest tableRequest(int kind, int item, const QString &id, const QList<QStringList> &rows, int series)
{
    PlotRequest r;
    r.PlotKind = kind;
    r.PlotItem = item;
    r.PlotSeriesCount = series;
    r.setHeader(1, 1, id);
    QStringList elevations;
    for (const QStringList &row : rows)
        elevations << column(row, 0);
    r.PlotX.assign(2, {});
    r.PlotX[1] = leadingValues(elevations);
    const int n = int(r.PlotX[1].size()) - 1;
    r.PlotY.assign(series + 1, {0.0});
    r.PlotPointCount.assign(series + 1, 0);
    for (int s = 1; s <= series; ++s) {
        QStringList texts;
        for (const QStringList &row : rows)
            texts << column(row, s);
        r.PlotY[s] = leadingValues(texts);
        r.PlotPointCount[s] = std::min(n, int(r.PlotY[s].size()) - 1);
    }
    return r;
}

PlotRequest timeRequest(int kind, const QStringList &values)
{
    PlotRequest r;
    r.PlotKind = kind;
    r.PlotSeriesCount = 1;
    r.PlotY.assign(2, {0.0});
    r.PlotY[1] = leadingValues(values);
    r.PlotPointCount = {0, int(r.PlotY[1].size()) - 1};
    return r;
}

// A step read from a text: nullopt-like NaN when it cannot space points apart.
double stepFrom(const QString &text)
{
    if (isBlank(text))
        return std::nan("");
    const double v = LeadingNumber(text);
    return (std::isfinite(v) && v != 0.0) ? v : std::nan("");
}

QString plainFixed(double v)
{
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (res.ec != std::errc())
        return QString::number(v, 'g', 15);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

QString plainFixed(float v)
{
    char buf[100];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (res.ec != std::errc())
        return QString::number(double(v), 'g', 7);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

bool autoScalePass(double lo, double hi, double step, double &a, double &b, double &n)
{
    a = std::nearbyint(lo / step) * step;
    if (a > lo)
        a -= step;
    b = std::nearbyint(hi / step) * step;
    if (b < hi)
        b += step;
    n = (b - a) / step;
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(n);
}

} // namespace

QString PlotRequest::header(int series, int field) const
{
    if (series < 0 || series >= ItemHeader.size())
        return QString();
    const QStringList &row = ItemHeader.at(series);
    return field >= 0 && field < row.size() ? row.at(field) : QString();
}

void PlotRequest::setHeader(int series, int field, const QString &text)
{
    while (ItemHeader.size() <= series)
        ItemHeader.append(QStringList());
    QStringList &row = ItemHeader[series];
    while (row.size() <= field)
        row.append(QString());
    row[field] = text;
}

PlotRequest DimensionlessRequest(const QStringList &ordinates)
{
    PlotRequest r = timeRequest(KindDimensionless, ordinates);
    int cells = int(ordinates.size());
    while (cells > 0 && isBlank(ordinates.at(cells - 1)))
        --cells;
    r.ItemCellCount = cells;
    return r;
}

PlotRequest InputHydrographRequest(int item, const QString &id, const QString &startTime,
                                   const QString &increment, const QStringList &flows)
{
    PlotRequest r = timeRequest(KindInputHydrograph, flows);
    r.PlotItem = item;
    r.setHeader(1, 1, id);
    r.setHeader(1, 4, startTime);
    r.setHeader(1, 5, increment);
    return r;
}

PlotRequest RainfallRequest(int item, const QString &id, const QString &increment, const QStringList &values)
{
    PlotRequest r = timeRequest(KindRainfall, values);
    r.PlotItem = item;
    r.setHeader(1, 1, id);
    r.setHeader(1, 2, increment);
    return r;
}

PlotRequest StructureRequest(int item, const QString &id, const QList<QStringList> &rows)
{
    return tableRequest(KindStructure, item, id, rows, 2);
}

PlotRequest CrossSectionRequest(int item, const QString &id, const QList<QStringList> &rows)
{
    return tableRequest(KindCrossSection, item, id, rows, 3);
}

Rgb SeriesColor(int entry)
{
    return entry >= 0 && entry <= 10 ? ColorTable[std::size_t(entry)] : Rgb{};
}

QString VerticalText(const QString &text)
{
    if (text.isEmpty())
        return QString();
    QString out(text.at(0));
    for (int i = 1; i < text.size(); ++i) {
        out += QLatin1Char('\r');
        out += text.at(i);
    }
    return out;
}

PlotSetup SetupPlot(const PlotRequest &rq)
{
    PlotSetup s;
    const int kind = rq.PlotKind;
    s.kind = kind;
    s.outFlowUnit = rq.OutFlowUnit;
    s.plotLines = kind != KindPeakFlow;
    const bool output = kind >= KindOutputHydrograph && kind <= KindTimeAnalysis;

    QString file = output ? Run_Save_Open::StripExtension(rq.FileName) + QStringLiteral("out") : rq.FileName;
    const int cut = std::max(file.lastIndexOf(QLatin1Char('/')), file.lastIndexOf(QLatin1Char('\\')));
    s.fileLabel = file.mid(cut + 1);

    const QString cr(QLatin1Char('\r'));
    switch (kind) {
    case 1: s.yText = QStringLiteral("DISCHARGE"); break;
    case 2: s.yText = QStringLiteral("DISCHARGE") + cr + rq.FlowUnit; break;
    case 3: s.yText = QStringLiteral("ACCUMULATED RAINFALL"); break;
    case 4: s.yText = QStringLiteral("FLOW - STORAGE"); break;
    case 5: s.yText = QStringLiteral("FLOW - END AREA - TOP WIDTH"); break;
    case 6:
    case 8: s.yText = QStringLiteral("DISCHARGE") + cr + rq.OutFlowUnit; break;
    case 7: s.yText = QStringLiteral("DISCHARGE") + cr + rq.PeakFlowUnit; break;
    default: break;
    }
    s.yLabel = VerticalText(s.yText);

    const QString item = trimmed(rq.header(1, 1));
    const QString time = QStringLiteral("T I M E (hr)");
    const QString elevation = QStringLiteral("E L E V A T I O N (") + rq.LengthUnit + QLatin1Char(')');
    const QString flow = QStringLiteral("F L O W (") + rq.FlowUnit + QLatin1Char(')');
    switch (kind) {
    case 1:
        s.seriesCount = 1;
        s.title = QStringLiteral("Dimensionless Unit Hydrograph");
        s.xLabel = QStringLiteral("D I M E N S I O N L E S S   T I M E");
        break;
    case 2:
        s.seriesCount = 1;
        s.title = QStringLiteral("Input Hydrograph - ") + item;
        s.xLabel = time;
        break;
    case 3:
        s.seriesCount = 1;
        s.title = QStringLiteral("Rainfall Distribution - ") + item;
        s.xLabel = time;
        break;
    case 4:
        s.seriesCount = 2;
        s.title = QStringLiteral("Structure - ") + item;
        s.xLabel = elevation;
        s.legend[1] = flow;
        s.legend[2] = QStringLiteral("S T O R A G E (") + rq.VolumeUnit + QLatin1Char(')');
        break;
    case 5:
        s.seriesCount = 3;
        s.title = QStringLiteral("Cross Section - ") + item;
        s.xLabel = elevation;
        s.legend[1] = flow;
        s.legend[2] = QStringLiteral("E N D   A R E A (") + rq.SmallAreaUnit + QLatin1Char(')');
        s.legend[3] = QStringLiteral("T O P   W I D T H (") + rq.LengthUnit + QLatin1Char(')');
        break;
    case 6:
    case 7:
    case 8:
        s.seriesCount = std::clamp(rq.PlotSeriesCount, 0, MaxSeries);
        break;
    default:
        break;
    }

    if (kind == KindPeakFlow) {
        s.title = QStringLiteral("Peak Flow");
        s.xLabel = QStringLiteral("DRAINAGE AREA (") + rq.OutAreaUnit + QLatin1Char(')');
        for (int i = 1; i <= s.seriesCount; ++i)
            s.legend[std::size_t(i)] = rq.header(i, 3);
    } else if (kind == KindOutputHydrograph || kind == KindTimeAnalysis) {
        s.xLabel = time;
        QString title = kind == KindOutputHydrograph ? QStringLiteral("Hydrograph (") : QStringLiteral("Time Analysis (");
        auto setLegend = [&](int i, const QString &text) {
            if (i >= 1 && i <= MaxSeries)
                s.legend[std::size_t(i)] = text;
        };
        if (rq.PlotStormCount == 1)
            title += QStringLiteral("Storm - ") + trimmed(rq.header(1, 2)) + QLatin1Char(' ');
        else
            for (int i = 1; i <= rq.PlotStormCount; ++i)
                setLegend(i, trimmed(rq.header(i, 2)));
        if (rq.PlotAltCount == 1) {
            if (!trimmed(rq.header(1, 1)).isEmpty())
                title += QStringLiteral("Alternate - ") + trimmed(rq.header(1, 1)) + QLatin1Char(' ');
        } else {
            for (int i = 1; i <= rq.PlotAltCount; ++i)
                setLegend(i, trimmed(rq.header(i, 1)));
        }
        if (rq.PlotStormCount > 1 || rq.PlotAltCount > 1) {
            const QString location = trimmed(rq.header(1, 3));
            const QString qualifier = trimmed(rq.header(1, 4));
            if (location == QStringLiteral("Outlet"))
                title += QStringLiteral("@ Outlet");
            else if (!qualifier.isEmpty())
                title += QStringLiteral("@ Reach - ") + location + QStringLiteral(" - ") + qualifier;
            else
                title += QStringLiteral("@ Sub-Area - ") + location;
        } else {
            for (int i = 1; i <= s.seriesCount; ++i) {
                QString text = trimmed(rq.header(i, 3));
                const QString qualifier = trimmed(rq.header(i, 4));
                if (!qualifier.isEmpty())
                    text += QStringLiteral(" - ") + qualifier;
                setLegend(i, text);
            }
        }
        s.title = trimmed(title) + QLatin1Char(')');
    }

    const int n = s.seriesCount;
    s.X.assign(std::size_t(n) + 1, {0.0});
    s.Y.assign(std::size_t(n) + 1, {0.0});
    s.count.assign(std::size_t(n) + 1, 0);
    s.xColumn.assign(std::size_t(n) + 1, 1);
    s.xAscending.assign(std::size_t(n) + 1, false);

    // Counts: kinds 1-5 as the builder found them, kinds 6-8 from field 7;
    // never more than the values that are there.
    for (int i = 1; i <= n; ++i) {
        if (std::size_t(i) < rq.PlotY.size())
            s.Y[std::size_t(i)] = rq.PlotY[std::size_t(i)];
        if (s.Y[std::size_t(i)].empty())
            s.Y[std::size_t(i)].push_back(0.0);
        int c = 0;
        if (output)
            c = int(std::clamp(std::nearbyint(LeadingNumber(rq.header(i, 7))), 0.0, 2.0e9));
        else if (std::size_t(i) < rq.PlotPointCount.size())
            c = rq.PlotPointCount[std::size_t(i)];
        s.count[std::size_t(i)] = std::clamp(c, 0, int(s.Y[std::size_t(i)].size()) - 1);
    }

    if (kind == KindTimeAnalysis && n >= 1) {
        auto &y = s.Y[1];
        std::stable_sort(y.begin() + 1, y.begin() + 1 + s.count[1], std::greater<double>());
        for (int f = 16; f <= 23; ++f) {
            s.refValue[std::size_t(f - 16)] = rq.header(1, f);
            s.refCaption[std::size_t(f - 16)] = rq.header(1, f - 8);
        }
    }

    // X columns.
    if (kind == KindStructure || kind == KindCrossSection) {
        if (rq.PlotX.size() > 1)
            s.X[1] = rq.PlotX[1];
        if (s.X[1].empty())
            s.X[1].push_back(0.0);
        for (int i = 1; i <= n; ++i)
            s.count[std::size_t(i)] = std::min(s.count[std::size_t(i)], int(s.X[1].size()) - 1);
    } else if (kind == KindPeakFlow) {
        for (int i = 1; i <= n; ++i) {
            const std::size_t c = std::size_t(i) < rq.PlotX.size() && !rq.PlotX[std::size_t(i)].empty() ? std::size_t(i) : 1;
            s.xColumn[std::size_t(i)] = int(c);
            if (c < rq.PlotX.size())
                s.X[c] = rq.PlotX[c];
            if (s.X[c].empty())
                s.X[c].push_back(0.0);
        }
        for (int i = 1; i <= n; ++i)
            s.count[std::size_t(i)] = std::min(s.count[std::size_t(i)], int(s.X[std::size_t(s.xColumn[std::size_t(i)])].size()) - 1);
    } else {
        for (int i = 1; i <= n; ++i) {
            double start = 0, step = std::nan("");
            switch (kind) {
            case 1:
                step = rq.ItemCellCount > 1 ? 1.0 / (rq.ItemCellCount - 1) : std::nan("");
                break;
            case 2:
                start = LeadingNumber(rq.header(1, 4));
                step = stepFrom(rq.header(1, 5));
                break;
            case 3:
                step = stepFrom(rq.header(1, 2));
                break;
            default:
                start = LeadingNumber(rq.header(i, 5));
                step = stepFrom(rq.header(i, 6));
                break;
            }
            const std::size_t col = output ? std::size_t(i) : 1;
            s.xColumn[std::size_t(i)] = int(col);
            // A series that cannot be laid out in time is not drawn.
            if (!std::isfinite(step)) {
                s.count[std::size_t(i)] = 0;
                continue;
            }
            const int c = s.count[std::size_t(i)];
            std::vector<double> &x = s.X[col];
            x.assign(std::size_t(c) + 1, 0.0);
            for (int j = 1; j <= c; ++j)
                x[std::size_t(j)] = start + step * (j - 1);
            s.xAscending[std::size_t(i)] = step > 0;
        }
    }

    // A value that is not finite ends its series.
    for (int i = 1; i <= n; ++i) {
        const auto &x = s.X[std::size_t(s.xColumn[std::size_t(i)])];
        const auto &y = s.Y[std::size_t(i)];
        int &c = s.count[std::size_t(i)];
        for (int j = 1; j <= c; ++j)
            if (!std::isfinite(x[std::size_t(j)]) || !std::isfinite(y[std::size_t(j)])) {
                c = j - 1;
                break;
            }
        if (kind == KindStructure || kind == KindCrossSection || kind == KindPeakFlow) {
            bool ascending = true;
            for (int j = 2; j <= c && ascending; ++j)
                ascending = x[std::size_t(j)] >= x[std::size_t(j - 1)];
            s.xAscending[std::size_t(i)] = ascending;
        }
    }

    // Ranges over the points that are drawn; a series without points adds nothing.
    bool any = false;
    for (int i = 1; i <= n; ++i) {
        const auto &x = s.X[std::size_t(s.xColumn[std::size_t(i)])];
        const auto &y = s.Y[std::size_t(i)];
        for (int j = 1; j <= s.count[std::size_t(i)]; ++j) {
            const double px = x[std::size_t(j)], py = y[std::size_t(j)];
            if (!any) {
                s.dataXMin = s.dataXMax = px;
                s.dataYMin = s.dataYMax = py;
                any = true;
            }
            s.dataXMin = std::min(s.dataXMin, px);
            s.dataXMax = std::max(s.dataXMax, px);
            s.dataYMin = std::min(s.dataYMin, py);
            s.dataYMax = std::max(s.dataYMax, py);
        }
    }

    if (kind >= KindStructure && kind <= KindTimeAnalysis)
        for (int i = 1; i <= n; ++i)
            s.legendVisible[std::size_t(i)] = true;
    return s;
}

bool AutoScale(double &min, double &max, int &n)
{
    if (!std::isfinite(min) || !std::isfinite(max) || min > max)
        return false;
    double lo = min, hi = max;
    if (lo == hi) {
        lo = lo - 0.1;
        hi = lo + 1;
    }
    const double range = hi - lo;
    if (!(range > 0) || !std::isfinite(range))
        return false;
    const double k = std::floor(std::log(range) / std::log(10.0));
    const double power = std::pow(10.0, k);
    const double m = range / power;
    double mantissa = 1;
    if (m <= 6)
        mantissa = 0.5;
    if (m <= 3)
        mantissa = 0.25;
    if (m <= 2.4)
        mantissa = 0.2;
    if (m <= 1.2)
        mantissa = 0.1;
    double step = mantissa * power;
    double a = 0, b = 0, steps = 0;
    if (!(step > 0) || !autoScalePass(lo, hi, step, a, b, steps))
        return false;
    if (steps > 12) {
        step *= 2;
        if (!autoScalePass(lo, hi, step, a, b, steps))
            return false;
    }
    const double whole = std::nearbyint(steps);
    // Past the precision of a double the steps no longer count up to the range.
    if (whole < 1 || whole > 100 || !(a < b))
        return false;
    min = a;
    max = b;
    n = int(whole);
    return true;
}

QString TickLabel(float value)
{
    const double v = value;
    const double scale = v >= 1 ? 100.0 : 100000.0;
    double r = std::nearbyint(v * scale) / scale;
    if (r == 0)
        r = 0; // no "-0"
    const QString text = plainFixed(r);
    return r < 0 ? text : QLatin1Char(' ') + text;
}

double EstimatedTextWidth(const QString &text)
{
    // The small bold font draws a digit about 6 pixels wide.
    return 6.0 * TwipsPerPixel * double(text.size());
}

QString FittedTickLabel(float value, double room, const TextWidth &width)
{
    const TextWidth measure = width ? width : TextWidth(EstimatedTextWidth);
    const QString plain = TickLabel(value);
    if (measure(plain) <= room)
        return plain;
    QString shorter = plain;
    if (shorter.contains(QLatin1Char('.'))) {
        while (shorter.endsWith(QLatin1Char('0')))
            shorter.chop(1);
        if (shorter.endsWith(QLatin1Char('.')))
            shorter.chop(1);
    }
    if (measure(shorter) <= room)
        return shorter;
    const double v = value;
    if (v == 0 || !std::isfinite(v))
        return shorter;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 5);
    if (res.ec != std::errc())
        return shorter;
    const QString sci = QString::fromLatin1(buf, int(res.ptr - buf));
    const qsizetype e = sci.indexOf(QLatin1Char('e'));
    QString mantissa = sci.left(e);
    while (mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);
    if (mantissa.endsWith(QLatin1Char('.')))
        mantissa.chop(1);
    const QString compact = mantissa + QLatin1Char('E') + QString::number(sci.mid(e + 1).toInt());
    return v < 0 ? compact : QLatin1Char(' ') + compact;
}

QString PlainValue(double value)
{
    float f = float(value);
    if (f == 0)
        f = 0;
    const QString text = plainFixed(f);
    return f < 0 ? text : QLatin1Char(' ') + text;
}

float Transform::xToScreen(double x) const { return float((x - view.xMin) / xScale + frame.originX()); }
float Transform::yToScreen(double y) const { return float(frame.originY() - (y - view.yMin) / yScale); }
double Transform::xFromScreen(double sx) const { return (sx - frame.leftMargin) * xScale + view.xMin; }
double Transform::yFromScreen(double sy) const { return (frame.originY() - sy) * yScale + view.yMin; }

namespace {

DrawCmd line(float x1, float y1, float x2, float y2, int width, Rgb color = {}, bool dotted = false)
{
    DrawCmd c;
    c.type = DrawCmd::Line;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.width = width;
    c.color = color;
    c.dotted = dotted && width <= 1;
    return c;
}

DrawCmd clip(float x1, float y1, float x2, float y2)
{
    DrawCmd c = line(x1, y1, x2, y2, 1);
    c.type = DrawCmd::Clip;
    return c;
}

DrawCmd text(float x, float y, const QString &t)
{
    DrawCmd c;
    c.type = DrawCmd::Text;
    c.x1 = x;
    c.y1 = y;
    c.text = t;
    return c;
}

} // namespace

bool DrawAxes(const Frame &frame, View &view, bool grid, Commands &out, Transform &t, const TextWidth &textWidth)
{
    View v = view;
    int nx = 0, ny = 0;
    if (!AutoScale(v.xMin, v.xMax, nx) || !AutoScale(v.yMin, v.yMax, ny))
        return false;
    view = v;
    t.frame = frame;
    t.view = v;
    const double width = (frame.plotRight - frame.leftMargin) * 0.95;
    const double height = (frame.plotBottom - frame.bottomMargin) * 0.95;
    t.xScale = (v.xMax - v.xMin) / width;
    t.yScale = (v.yMax - v.yMin) / height;
    const float ox = float(frame.originX()), oy = float(frame.originY());

    DrawCmd rect;
    rect.type = DrawCmd::Rect;
    rect.x1 = frame.leftMargin;
    rect.y1 = 0;
    rect.x2 = frame.plotRight;
    rect.y2 = oy;
    rect.width = 4;
    out.push_back(rect);

    // A label never reaches over the axis (Y) or far into its neighbour (X);
    // an X label may use the room of nine characters, as ordinary ones do.
    const double yRoom = frame.leftMargin - 40.0;
    const double xRoom = std::max(width / nx - 20.0, EstimatedTextWidth(QString(9, QLatin1Char('0'))));
    float tick = float(v.xMin), sx = ox;
    for (int i = 0; i <= nx; ++i) {
        out.push_back(line(sx, oy - 30, sx, oy + 30, 4));
        if (i > 0 && grid)
            out.push_back(line(sx, 0, sx, oy, 1, {}, true));
        out.push_back(text(sx - 100, oy + 100, FittedTickLabel(tick, xRoom, textWidth)));
        tick = float(double(tick) + (v.xMax - v.xMin) / nx);
        sx = float(double(sx) + width / nx);
    }
    tick = float(v.yMin);
    float sy = oy;
    for (int i = 0; i <= ny; ++i) {
        out.push_back(line(ox - 30, sy, ox + 30, sy, 4));
        if (i > 0 && grid)
            out.push_back(line(ox, sy, float(frame.plotRight), sy, 1, {}, true));
        out.push_back(text(0, sy - 50, FittedTickLabel(tick, yRoom, textWidth)));
        tick = float(double(tick) + (v.yMax - v.yMin) / ny);
        sy = float(double(sy) - height / ny);
    }
    return true;
}

void DrawPt(Commands &out, float x, float y, int shape, double size)
{
    if (shape >= 8 && shape <= 10)
        shape -= 7;
    if (shape < 1 || shape > 7)
        return;
    DrawCmd m;
    m.type = DrawCmd::Marker;
    m.x1 = x;
    m.y1 = y;
    m.x2 = float(std::nearbyint(size * 40));
    m.shape = shape;
    m.width = 3;
    out.push_back(m);
}

Commands MarkerStrokes(const DrawCmd &marker)
{
    Commands out;
    const float x = marker.x1, y = marker.y1, s = marker.x2;
    auto stroke = [&](float x1, float y1, float x2, float y2) { out.push_back(line(x1, y1, x2, y2, 3)); };
    switch (marker.shape) {
    case 1: {
        DrawCmd c;
        c.type = DrawCmd::FilledCircle;
        c.x1 = x;
        c.y1 = y;
        c.x2 = s;
        c.width = 3;
        out.push_back(c);
        break;
    }
    case 2:
        stroke(x - s, y - s, x + s, y + s);
        stroke(x - s, y + s, x + s, y - s);
        break;
    case 3:
        stroke(x - s, y, x, y + s);
        stroke(x, y + s, x + s, y);
        stroke(x + s, y, x, y - s);
        stroke(x, y - s, x - s, y);
        break;
    case 4:
        stroke(x + s, y - s, x - s, y - s);
        stroke(x - s, y - s, x, y + s);
        stroke(x, y + s, x + s, y - s);
        break;
    case 5: {
        DrawCmd c;
        c.type = DrawCmd::FilledRect;
        c.x1 = x - s;
        c.y1 = y - s;
        c.x2 = x + s;
        c.y2 = y + s;
        c.width = 3;
        out.push_back(c);
        break;
    }
    case 6:
        stroke(x - s, y - s, x + s, y + s);
        stroke(x - s, y + s, x + s, y - s);
        stroke(x - s, y, x + s, y);
        stroke(x, y - s, x, y + s);
        break;
    case 7:
        stroke(x - s, y, x + s, y);
        stroke(x, y - s, x, y + s);
        break;
    default:
        break;
    }
    return out;
}

void Intersect(float &a1, float &b1, float a2, float b2, float c)
{
    const float t = a1 == a2 ? 0.0f : (c - a1) / (a2 - a1);
    a1 = c;
    b1 = b1 + (b2 - b1) * t;
}

bool ClipSegment(const Frame &frame, float &px, float &py, float &qx, float &qy)
{
    const float L = float(frame.leftMargin), R = float(frame.plotRight), B = float(frame.originY());
    if ((px < L || px > R) && L <= qx && qx < R && py != qy) {
        if (px < L)
            Intersect(px, py, qx, qy, L);
        if (px > R)
            Intersect(px, py, qx, qy, R);
    }
    if (L < px && px < R && (qx < L || qx > R) && py != qy) {
        if (qx < L)
            Intersect(qx, qy, px, py, L);
        if (qx > R)
            Intersect(qx, qy, px, py, R);
    }
    if ((py < 0 || py > B) && 0 < qy && qy < B && px != qx) {
        if (py < 0)
            Intersect(py, px, qy, qx, 0);
        if (py > B)
            Intersect(py, px, qy, qx, B);
    }
    if (0 < py && py < B && (qy < 0 || qy > B) && px != qx) {
        if (qy < 0)
            Intersect(qy, qx, py, px, 0);
        if (qy > B)
            Intersect(qy, qx, py, px, B);
    }
    return L <= qx && qx <= R && 0 <= qy && qy <= B;
}

void InterpolateY(const PlotSetup &setup, int series, double x, double &result)
{
    if (series < 1 || series > setup.seriesCount)
        return;
    const auto &X = setup.X[std::size_t(setup.xColumn[std::size_t(series)])];
    const auto &Y = setup.Y[std::size_t(series)];
    const int n = setup.count[std::size_t(series)];
    for (int k = 2; k <= n; ++k) {
        if (x < X[std::size_t(k)]) {
            const float fraction = float((x - X[std::size_t(k - 1)]) / (X[std::size_t(k)] - X[std::size_t(k - 1)]));
            result = Y[std::size_t(k - 1)] + (Y[std::size_t(k)] - Y[std::size_t(k - 1)]) * fraction;
            return;
        }
    }
}

std::vector<ScreenPoint> SeriesScreenPoints(const PlotSetup &setup, const Transform &t, int i)
{
    std::vector<ScreenPoint> pts;
    if (i < 1 || i > setup.seriesCount)
        return pts;
    const auto &X = setup.X[std::size_t(setup.xColumn[std::size_t(i)])];
    const auto &Y = setup.Y[std::size_t(i)];
    const int n = setup.count[std::size_t(i)];
    pts.reserve(std::size_t(n));
    for (int j = 1; j <= n; ++j) {
        const double x = X[std::size_t(j)], y = Y[std::size_t(j)];
        pts.push_back({t.xToScreen(x), t.yToScreen(y), x, y});
    }
    return pts;
}

namespace {

// At least `margin` twips inside the frame's edges.
bool wellInside(const Frame &f, float x, float y, float margin)
{
    return f.leftMargin + margin <= x && x <= f.plotRight - margin && margin <= y && y <= f.originY() - margin;
}

bool insideFrame(const Frame &f, float x, float y) { return wellInside(f, x, y, 0); }

// How far past its point a data marker, and past its ends a series line, may
// paint: half the figure (48 twips at size 1.2) and half the pen, a pixel
// more for rounding.
constexpr float MarkerReach = 48 + 3 * TwipsPerPixel;
constexpr float LineReach = 3 * TwipsPerPixel;

// Lines between consecutive points, clipped to the frame.
void drawPolyline(const Frame &frame, const std::vector<std::pair<float, float>> &pts, Rgb color, Commands &out)
{
    float prevX = 0, prevY = 0;
    for (std::size_t j = 0; j < pts.size(); ++j) {
        float qx = pts[j].first, qy = pts[j].second;
        if (j > 0) {
            float px = prevX, py = prevY;
            if (ClipSegment(frame, px, py, qx, qy) && std::isfinite(px) && std::isfinite(py))
                out.push_back(line(qx, qy, px, py, 4, color));
        }
        prevX = qx;
        prevY = qy;
    }
}

// Keeps, per pixel column of the frame, the first, lowest, highest and last
// point in their order; points left of the frame only the last, right of it
// only the first. With ascending X the clipped lines look the same.
std::vector<std::pair<float, float>> thinned(const Frame &frame, const std::vector<std::pair<float, float>> &pts)
{
    std::vector<std::pair<float, float>> out;
    out.reserve(std::min<std::size_t>(pts.size(), 4 * std::size_t(frame.plotRight / TwipsPerPixel + 2)));
    const float L = float(frame.leftMargin), R = float(frame.plotRight);
    std::size_t j = 0;
    const std::size_t n = pts.size();
    while (j < n && pts[j].first < L)
        ++j;
    if (j > 0)
        out.push_back(pts[j - 1]);
    while (j < n && pts[j].first <= R) {
        const long colm = long(pts[j].first) / TwipsPerPixel;
        std::size_t first = j, lo = j, hi = j, last = j;
        ++j;
        while (j < n && pts[j].first <= R && long(pts[j].first) / TwipsPerPixel == colm) {
            if (pts[j].second < pts[lo].second)
                lo = j;
            if (pts[j].second > pts[hi].second)
                hi = j;
            last = j;
            ++j;
        }
        std::array<std::size_t, 4> keep{first, std::min(lo, hi), std::max(lo, hi), last};
        std::size_t prev = n;
        for (std::size_t k : keep) {
            if (k != prev)
                out.push_back(pts[k]);
            prev = k;
        }
    }
    if (j < n)
        out.push_back(pts[j]);
    return out;
}

} // namespace

Drawing Draw(const PlotSetup &setup, View &view, const DrawOptions &options, LegendState &legend)
{
    Drawing d;
    const Frame frame;
    View v = view;
    if (!DrawAxes(frame, v, options.grid, d.plot, d.transform, options.textWidth))
        return d;
    view = v;
    d.ok = true;
    const Transform &t = d.transform;
    const int columns = (frame.plotRight - frame.leftMargin) / TwipsPerPixel;
    const int rows = int(frame.originY()) / TwipsPerPixel + 1;
    std::vector<std::uint8_t> marked;
    // The clipped segments end on the frame, but a line 4 pixels wide would
    // still reach past it: the painter clips lines. A marker whose centre
    // lies in the frame, on its edge too, is drawn whole. The clip is switched
    // only for figures near the edge, whose drawing it changes, so the order
    // of markers and lines stays and a dense series costs no switch a point.
    bool clipped = false;
    auto clipLines = [&](bool on) {
        if (on == clipped)
            return;
        clipped = on;
        d.plot.push_back(on ? clip(float(frame.leftMargin), 0, float(frame.plotRight), float(frame.originY()))
                            : clip(0, 0, 0, 0));
    };

    for (int i = 1; i <= setup.seriesCount && i <= MaxSeries; ++i) {
        legend.lineVisible[std::size_t(i)] = false;
        const auto &X = setup.X[std::size_t(setup.xColumn[std::size_t(i)])];
        const auto &Y = setup.Y[std::size_t(i)];
        const int n = setup.count[std::size_t(i)];
        std::vector<std::pair<float, float>> pts(static_cast<std::size_t>(n));
        for (int j = 1; j <= n; ++j)
            pts[std::size_t(j - 1)] = {t.xToScreen(X[std::size_t(j)]), t.yToScreen(Y[std::size_t(j)])};
        const bool thin = options.thin && setup.xAscending[std::size_t(i)] && n > columns;

        if (!thin) {
            // Each point's marker, then the line that reaches it.
            float prevX = 0, prevY = 0;
            for (std::size_t j = 0; j < pts.size(); ++j) {
                float qx = pts[j].first, qy = pts[j].second;
                if (options.points && insideFrame(frame, qx, qy)) {
                    if (!wellInside(frame, qx, qy, MarkerReach))
                        clipLines(false);
                    DrawPt(d.plot, qx, qy, i, 1.2);
                }
                if (options.lines && j > 0) {
                    float px = prevX, py = prevY;
                    if (ClipSegment(frame, px, py, qx, qy) && std::isfinite(px) && std::isfinite(py)) {
                        if (!wellInside(frame, px, py, LineReach) || !wellInside(frame, qx, qy, LineReach))
                            clipLines(true);
                        d.plot.push_back(line(qx, qy, px, py, 4, SeriesColor(i)));
                    }
                }
                prevX = qx;
                prevY = qy;
            }
        } else {
            // One marker per pixel, lines over the thinned points.
            if (options.points) {
                clipLines(false);
                marked.assign(std::size_t(frame.plotRight / TwipsPerPixel + 1) * std::size_t(rows), 0);
                for (const auto &[x, y] : pts) {
                    if (!insideFrame(frame, x, y))
                        continue;
                    std::uint8_t &m = marked[std::size_t(int(x) / TwipsPerPixel) * std::size_t(rows)
                                             + std::size_t(int(y) / TwipsPerPixel)];
                    if (m)
                        continue;
                    m = 1;
                    DrawPt(d.plot, x, y, i, 1.2);
                }
            }
            if (options.lines) {
                clipLines(true);
                drawPolyline(frame, thinned(frame, pts), SeriesColor(i), d.plot);
            }
        }

        if (n > 0 && setup.seriesCount > 1) {
            if (options.lines) {
                legend.lineVisible[std::size_t(i)] = true;
                legend.lineColor[std::size_t(i)] = SeriesColor(i);
            }
            if (options.points)
                DrawPt(d.strip, 80, 120 + 360.0f * float(i - 1), i, 1.5);
        }
    }

    if (setup.kind == KindTimeAnalysis && options.lines) {
        int r = 1;
        double y = 0;
        for (int f = 0; f < 8; ++f) {
            const QString value = trimmed(setup.refValue[std::size_t(f)]);
            if (value.isEmpty())
                continue;
            const double x = LeadingNumber(value);
            if (!(x > 0))
                continue;
            InterpolateY(setup, 1, x, y);
            ++r;
            if (r > MaxSeries)
                break;
            legend.text[std::size_t(r)] = trimmed(setup.refCaption[std::size_t(f)]) + QStringLiteral(" (")
                + plainFixed(std::nearbyint(y) == 0 ? 0.0 : std::nearbyint(y)) + QLatin1Char(' ')
                + setup.outFlowUnit + QLatin1Char(')');
            legend.textVisible[std::size_t(r)] = true;
            legend.lineVisible[std::size_t(r)] = true;
            legend.lineColor[std::size_t(r)] = SeriesColor(r);
            const float sy = t.yToScreen(y);
            clipLines(true);
            d.plot.push_back(line(float(frame.originX()), sy, t.xToScreen(x), sy, 4, SeriesColor(r)));
        }
    }
    clipLines(false);
    return d;
}

QString PointValueText(const PlotSetup &setup, const Transform &t, double x, double y)
{
    // Compared pixel by pixel, as the marker is drawn at the pixel that holds
    // its point.
    auto pixel = [](double twips) { return std::floor(twips / TwipsPerPixel); };
    const double mx = pixel(x), my = pixel(y);
    QString result;
    for (int i = 1; i <= setup.seriesCount; ++i) {
        double best = -1;
        for (const ScreenPoint &p : SeriesScreenPoints(setup, t, i)) {
            const double dx = std::abs(pixel(p.x) - mx), dy = std::abs(pixel(p.y) - my);
            if (dx > ReadoutReach || dy > ReadoutReach)
                continue;
            const double distance = dx * dx + dy * dy;
            if (best < 0 || distance < best) {
                best = distance;
                result = PlainValue(p.dataX) + QStringLiteral(", ") + PlainValue(p.dataY);
            }
        }
    }
    return result;
}

void HoldInFrame(const Frame &frame, double &x, double &y)
{
    float fx = float(x), fy = float(y);
    fx = std::min(std::max(fx, float(frame.leftMargin)), float(frame.plotRight));
    fy = std::min(std::max(fy, 0.0f), float(frame.originY()));
    x = fx;
    y = fy;
}

bool ZoomView(const Transform &t, double x0, double y0, double x1, double y1, View &view)
{
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return false;
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 < y1)
        std::swap(y0, y1);
    const float xMax = std::min(float(t.view.xMax), float(t.xFromScreen(x1)));
    const float yMax = std::min(float(t.view.yMax), float(t.yFromScreen(y1)));
    const float xMin = std::max(float(t.view.xMin), float(t.xFromScreen(x0)));
    const float yMin = std::max(float(t.view.yMin), float(t.yFromScreen(y0)));
    if (!std::isfinite(xMin) || !std::isfinite(xMax) || !std::isfinite(yMin) || !std::isfinite(yMax))
        return false;
    if (!(xMin < xMax) || !(yMin < yMax))
        return false;
    view = {xMin, xMax, yMin, yMax};
    return true;
}

} // namespace Plots
