// Stand-in for the QV-31 model engine.
//
// Reads the input file named on line 1 of "qv31.fil" in its own program folder
// (the folder the editor starts it in) and writes beside it base & "out"
// (printed page), "err", "dbg", "hyd" and "ecn". The hydrographs are synthetic:
// a smooth runoff hydrograph per sub-area from its area, curve number, time of
// concentration and the storm's rainfall, summed and lagged down the reaches.
// Only the base data are run (alternates are ignored).
//
// Markers anywhere in the input file (for example in the watershed
// description) choose other behaviours:
//   STANDIN:ERRORS    the error file gets several lines (the outputs are
//                     written as well)
//   STANDIN:SLOW      the run takes about three seconds
//   STANDIN:NOOUTPUT  nothing at all is written
//
// The printed page follows the layout the plot reader expects: page headers
// ("Quorvale" in columns 1-8, "Page" in 37-40, three lines after them), a
// storm line per storm (alternate 31-40, "STORM" 41-49, storm 50-59), per
// hydrograph a peak-flow banner, a location row (name 1-10, qualifier 21-30:
// "Upstream"/"Downstream" for reach ends, blank for sub-areas and the outlet),
// a "Line" header, a flow-values line and rows of seven flows; then the peak
// flow by storm table and the percent-of-peak flow-duration table. A page
// break is a form feed after column 80 of the last line of a page, where no
// field of the reader lies.
#include "standin_common.h"

#include <QHash>
#include <QThread>

#include <cmath>

using namespace Standin;

namespace {

constexpr double TimeStep = 0.1; // hours
constexpr int PointCount = 241;  // 0 to 24 hours
constexpr int PageLength = 60;

using Hydrograph = QList<double>;

struct SubArea
{
    QString id, receiving, gage;
    double area = 1, cn = 75, tc = 1;
};

struct Reach
{
    QString id, receiving;
};

struct Storm
{
    QString id;
    QHash<QString, double> rainByGage; // keys upper-cased
    double firstRain = 0;
};

QString key(const QString &id) { return id.trimmed().toUpper(); }

double number(const QString &text, double fallback)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : fallback;
}

// A number right-aligned in ten columns, never wider than nine characters.
QString num(double v, int decimals = 2)
{
    for (int d = decimals; d >= 0; --d) {
        const QString s = QString::number(v, 'f', d);
        if (s.size() <= 9)
            return s.rightJustified(10);
    }
    return QString::number(v, 'g', 3).rightJustified(10);
}

class PrintedPage
{
public:
    explicit PrintedPage(const QString &title) : title_(title) { header(); }

    // Lines that must stay on one page.
    void block(const QStringList &lines)
    {
        if (onPage_ + lines.size() > PageLength)
            breakPage();
        for (const QString &l : lines)
            lines_ << l;
        onPage_ += int(lines.size());
    }
    void line(const QString &l) { block({l}); }
    const QStringList &lines() const { return lines_; }

private:
    void header()
    {
        ++page_;
        lines_ << Field(QStringLiteral("Quorvale"), 36) + QStringLiteral("Page") + QString::number(page_).rightJustified(6)
               << QStringLiteral("  ") + title_ << QString() << QString();
        onPage_ = 4;
    }
    void breakPage()
    {
        while (!lines_.isEmpty() && lines_.last().trimmed().isEmpty())
            lines_.removeLast();
        if (!lines_.isEmpty())
            lines_.last() = Field(lines_.last(), 80) + QLatin1Char('\f');
        header();
    }

    QString title_;
    QStringList lines_;
    int page_ = 0;
    int onPage_ = 0;
};

Hydrograph runoff(const SubArea &s, double rain)
{
    const double cn = (s.cn >= 30 && s.cn <= 100) ? s.cn : 75;
    const double storage = 1000.0 / cn - 10.0;
    const double depth = rain > 0.2 * storage ? std::pow(rain - 0.2 * storage, 2) / (rain + 0.8 * storage) : 0.0;
    const double tc = s.tc > 0 ? s.tc : 1.0;
    // Runoff starts at hour 10 and peaks one lag time later.
    const double lag = 0.5 + 0.6 * tc;
    const double peak = 484.0 * std::max(s.area, 0.0) * depth / lag;
    Hydrograph h(PointCount, 0.0);
    for (int i = 0; i < PointCount; ++i) {
        const double r = (i * TimeStep - 10.0) / lag;
        h[i] = r <= 0 ? 0.0 : peak * std::pow(r, 3.7) * std::exp(3.7 * (1.0 - r));
    }
    return h;
}

void add(Hydrograph &to, const Hydrograph &from)
{
    for (int i = 0; i < PointCount; ++i)
        to[i] += from[i];
}

// The reach's routing: a lag of three steps and a five-point moving average.
Hydrograph route(const Hydrograph &in)
{
    Hydrograph out(PointCount, 0.0);
    for (int i = 0; i < PointCount; ++i) {
        double sum = 0;
        for (int k = -2; k <= 2; ++k) {
            const int j = i - 3 + k;
            if (j >= 0 && j < PointCount)
                sum += in[j];
        }
        out[i] = sum / 5.0;
    }
    return out;
}

double peakOf(const Hydrograph &h) { return h.isEmpty() ? 0 : *std::max_element(h.begin(), h.end()); }

struct Flows
{
    Hydrograph up, down;
    double area = 0;
};

class Network
{
public:
    QList<SubArea> subAreas;
    QList<Reach> reaches;
    QHash<QString, Hydrograph> subAreaFlow; // by key
    QHash<QString, Flows> reachFlow;

    void run(const Storm &storm)
    {
        subAreaFlow.clear();
        reachFlow.clear();
        for (const SubArea &s : subAreas) {
            double rain = storm.rainByGage.value(key(s.gage), storm.firstRain);
            subAreaFlow.insert(key(s.id), runoff(s, rain));
        }
        for (const Reach &r : reaches)
            reachOf(r.id, 0);
    }

    // The inflow into `receiver` (a reach or "OUTLET") and its drainage area.
    Hydrograph inflow(const QString &receiver, double &area, int depth)
    {
        Hydrograph h(PointCount, 0.0);
        area = 0;
        for (const SubArea &s : subAreas)
            if (key(s.receiving) == key(receiver)) {
                add(h, subAreaFlow.value(key(s.id)));
                area += s.area;
            }
        for (const Reach &r : reaches)
            if (key(r.receiving) == key(receiver)) {
                const Flows &f = reachOf(r.id, depth + 1);
                add(h, f.down);
                area += f.area;
            }
        return h;
    }

    const Flows &reachOf(const QString &id, int depth)
    {
        const QString k = key(id);
        auto it = reachFlow.find(k);
        if (it != reachFlow.end())
            return *it;
        Flows f;
        if (depth < 100) { // a loop in the network ends here
            reachFlow.insert(k, Flows{Hydrograph(PointCount, 0.0), Hydrograph(PointCount, 0.0), 0});
            f.up = inflow(id, f.area, depth);
            f.down = route(f.up);
        } else {
            f.up = f.down = Hydrograph(PointCount, 0.0);
        }
        reachFlow.insert(k, f);
        return reachFlow[k];
    }
};

void hydrographBlock(PrintedPage &out, const QString &name, const QString &qualifier, const Hydrograph &h)
{
    int peakAt = 0;
    for (int i = 1; i < h.size(); ++i)
        if (h[i] > h[peakAt])
            peakAt = i;
    out.block({QString(),
               QString(44, QLatin1Char(' ')) + QStringLiteral("------------ Peak Flow ------------"),
               QStringLiteral("Location            Qualifier            Peak Flow Peak Time"),
               QStringLiteral("----------          ----------          ---------- ----------"),
               QString(),
               Field(name, 10) + QString(10, QLatin1Char(' ')) + Field(qualifier, 10) + num(peakOf(h))
                   + num(peakAt * TimeStep),
               QString(),
               QStringLiteral("Line"),
               QString(26, QLatin1Char(' ')) + QStringLiteral("Flow Values ") + Field(QStringLiteral("(cfs)"), 20)
                   + QStringLiteral("0.1000 hr"),
               QStringLiteral("      Time  Flows at seven successive time steps"),
               QString()});
    for (int i = 0; i < h.size(); i += 7) {
        QString row = num(i * TimeStep);
        for (int k = i; k < qMin(i + 7, int(h.size())); ++k)
            row += num(h[k]);
        out.line(row);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString input = ControlledFile(QStringLiteral("qv31.fil"));
    if (input.isEmpty())
        return 1;
    const QString base = Base(input);

    QStringList lines;
    if (!ReadLines(input, lines)) {
        WriteLines(base + QStringLiteral("err"),
                   {QStringLiteral("QV-31 stand-in engine: errors found"),
                    QStringLiteral("*** ERROR: input file not found: ") + input});
        return 2;
    }
    const QString all = lines.join(QLatin1Char('\n'));
    if (all.contains(QLatin1String("STANDIN:NOOUTPUT")))
        return 0;
    if (all.contains(QLatin1String("STANDIN:SLOW")))
        QThread::sleep(3);

    Network net;
    QList<Storm> storms;
    QString title = QStringLiteral("Quorvale stand-in run");
    QStringList errors;
    QString section;
    bool atHeader = true;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty()) {
            atHeader = true;
            section.clear();
            continue;
        }
        if (atHeader) {
            section = line.left(40).trimmed().toUpper();
            atHeader = false;
            continue;
        }
        const QString id = Cols(line, 11, 20);
        if (section.startsWith(QLatin1String("QUORVALE:")) || section.startsWith(QLatin1String("QV-31:"))) {
            if (title == QLatin1String("Quorvale stand-in run") && !line.trimmed().isEmpty())
                title = line.trimmed();
        } else if (section == QLatin1String("SUB-AREA:") && !id.isEmpty()) {
            SubArea s;
            s.id = id;
            s.receiving = Cols(line, 21, 30);
            s.gage = Cols(line, 31, 40);
            s.area = number(Cols(line, 41, 50), 0);
            s.cn = number(Cols(line, 51, 60), 75);
            s.tc = number(Cols(line, 61, 70), 1);
            net.subAreas << s;
        } else if (section == QLatin1String("STREAM REACH:") && !id.isEmpty()) {
            net.reaches << Reach{id, Cols(line, 21, 30)};
        } else if (section == QLatin1String("STORM ANALYSIS:") && !id.isEmpty()) {
            const double rain = number(Cols(line, 41, 50), 0);
            auto it = std::find_if(storms.begin(), storms.end(), [&](const Storm &s) { return key(s.id) == key(id); });
            if (it == storms.end()) {
                storms << Storm{id, {}, rain};
                it = storms.end() - 1;
            }
            it->rainByGage.insert(key(Cols(line, 21, 30)), rain);
        }
    }
    if (net.subAreas.isEmpty())
        errors << QStringLiteral("*** ERROR: the input holds no sub-area");
    if (storms.isEmpty())
        errors << QStringLiteral("*** ERROR: the input holds no storm");
    for (const SubArea &s : net.subAreas) {
        const bool known = key(s.receiving) == QLatin1String("OUTLET")
                           || std::any_of(net.reaches.begin(), net.reaches.end(),
                                          [&](const Reach &r) { return key(r.id) == key(s.receiving); });
        if (!known)
            errors << QStringLiteral("*** WARNING: sub-area %1 drains to unknown reach %2").arg(s.id, s.receiving);
    }
    if (all.contains(QLatin1String("STANDIN:ERRORS")))
        errors << QStringLiteral("*** ERROR: errors requested by the input (STANDIN:ERRORS)")
               << QStringLiteral("*** ERROR: second error line");

    PrintedPage out(title);
    QStringList hyd, ecn;
    struct Peaks
    {
        QList<double> values; // by storm
        double area = 0;
    };
    QHash<QString, Peaks> peaks; // "S:" / "U:" / "D:" / "OUTLET" + key
    QStringList durationRows;
    auto duration = [](const Hydrograph &h, double fraction) {
        const double limit = peakOf(h) * fraction;
        int n = 0;
        for (double q : h)
            if (limit > 0 && q >= limit)
                ++n;
        return n * TimeStep;
    };
    auto durationRow = [&](const QString &name, const QString &storm, const Hydrograph &h) {
        QString row = Field(name, 10) + Field(QString(), 10) + Field(storm, 10) + Field(QString(), 10);
        for (double f : {0.5, 0.75, 0.9, 0.95})
            row += num(duration(h, f));
        durationRows << row;
    };
    auto keepPeak = [&](const QString &k, double area, const Hydrograph &h) {
        Peaks &p = peaks[k];
        p.area = area;
        p.values << peakOf(h);
    };

    for (const Storm &storm : storms) {
        net.run(storm);
        out.block({QString(), Field(QStringLiteral("Base data"), 30) + Field(QString(), 10)
                                  + QStringLiteral("STORM    ") + Field(storm.id, 10)});
        for (const SubArea &s : net.subAreas) {
            const Hydrograph &h = net.subAreaFlow[key(s.id)];
            hydrographBlock(out, s.id, QString(), h);
            keepPeak(QStringLiteral("S:") + key(s.id), s.area, h);
            durationRow(s.id, storm.id, h);
            hyd << Field(s.id, 10) + Field(storm.id, 10) + num(peakOf(h));
        }
        for (const Reach &r : net.reaches) {
            const Flows &f = net.reachFlow[key(r.id)];
            hydrographBlock(out, r.id, QStringLiteral("Upstream"), f.up);
            hydrographBlock(out, r.id, QStringLiteral("Downstream"), f.down);
            keepPeak(QStringLiteral("U:") + key(r.id), f.area, f.up);
            keepPeak(QStringLiteral("D:") + key(r.id), f.area, f.down);
            durationRow(r.id, storm.id, f.up);
            durationRow(QStringLiteral("DOWNSTREAM"), storm.id, f.down);
            hyd << Field(r.id, 10) + Field(storm.id, 10) + num(peakOf(f.down));
            ecn << Field(r.id, 10) + Field(storm.id, 10) + num(peakOf(f.down)) + num(f.area);
        }
        double outletArea = 0;
        const Hydrograph outlet = net.inflow(QStringLiteral("OUTLET"), outletArea, 0);
        hydrographBlock(out, QStringLiteral("OUTLET"), QString(), outlet);
        keepPeak(QStringLiteral("OUTLET"), outletArea, outlet);
        durationRow(QStringLiteral("OUTLET"), storm.id, outlet);
    }

    if (!storms.isEmpty()) {
        QString stormLine = QString(31, QLatin1Char(' '));
        for (int c = 0; c < qMin(5, int(storms.size())); ++c)
            stormLine += Field(storms[c].id, 10);
        out.block({QString(), QString(34, QLatin1Char(' ')) + QStringLiteral("----------- Peak Flow by Storm -----------"),
                   stormLine, QStringLiteral("Location  Area      Alternate"),
                   QStringLiteral("--------- --------- ---------")});
        auto peakRow = [&](const QString &name, const QString &k) {
            const Peaks p = peaks.value(k);
            QString row = Field(name, 10) + num(p.area) + Field(QString(), 10);
            for (int c = 0; c < qMin(5, int(p.values.size())); ++c)
                row += num(p.values[c]);
            out.line(row);
        };
        for (const SubArea &s : net.subAreas)
            peakRow(s.id, QStringLiteral("S:") + key(s.id));
        for (const Reach &r : net.reaches) {
            peakRow(r.id, QStringLiteral("U:") + key(r.id));
            peakRow(QStringLiteral("DOWNSTREAM"), QStringLiteral("D:") + key(r.id));
        }
        peakRow(QStringLiteral("OUTLET"), QStringLiteral("OUTLET"));

        out.block({QString(), QString(42, QLatin1Char(' ')) + QStringLiteral("Flow Duration @ selected Peak Flow %"),
                   Field(QStringLiteral("Location  Alternate Storm"), 40) + num(50, 0) + num(75, 0) + num(90, 0)
                       + num(95, 0),
                   QStringLiteral("(hours at or above the percentage of the peak flow)"), QString()});
        for (const QString &row : durationRows)
            out.line(row);
    }
    out.line(QString());
    out.line(QStringLiteral("  End of run"));

    QStringList err{QStringLiteral("QV-31 stand-in engine: run completed")};
    if (!errors.isEmpty())
        err = QStringList{QStringLiteral("QV-31 stand-in engine: errors found")} + errors;
    QStringList dbg{QStringLiteral("QV-31 stand-in engine debug output"),
                    QStringLiteral("input file: ") + input,
                    QStringLiteral("sub-areas: %1  reaches: %2  storms: %3")
                        .arg(net.subAreas.size())
                        .arg(net.reaches.size())
                        .arg(storms.size())};
    hyd.prepend(QStringLiteral("Location  Storm     Peak flow"));
    ecn.prepend(QStringLiteral("Flood-economics data (reach, storm, peak flow, drainage area)"));
    bool ok = WriteLines(base + QStringLiteral("out"), out.lines());
    ok = WriteLines(base + QStringLiteral("err"), err) && ok;
    ok = WriteLines(base + QStringLiteral("dbg"), dbg) && ok;
    ok = WriteLines(base + QStringLiteral("hyd"), hyd) && ok;
    ok = WriteLines(base + QStringLiteral("ecn"), ecn) && ok;
    return ok ? 0 : 3;
}
