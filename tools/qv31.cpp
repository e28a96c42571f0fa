// Stand-in for the QV-31 model engine.
//
// Reads the input file named on line 1 of "qv31.fil" in its own program folder
// (the folder the editor starts it in) and writes beside it base & "out"
// (printed page), "err", "dbg", "hyd" and "ecn". The hydrographs are synthetic:
// a smooth runoff hydrograph per sub-area from its area, curve number, time of
// concentration and the storm's rainfall, summed and lagged down the reaches.
// A sub-area without an area of its own has the sum of its LAND AREA lines.
// The base data are run, then each alternate with its own sub-area and reach
// records in place of the base ones.
//
// Markers anywhere in the input file (for example in the watershed
// description) choose other behaviours:
//   STANDIN:ERRORS    the error file gets several lines (the outputs are
//                     written as well)
//   STANDIN:SLOW      the run takes about three seconds
//   STANDIN:NOOUTPUT  nothing at all is written
//
// The printed page, in the layout the plot reader expects:
//   - pages of at most 60 lines, each begun by a page header ("Quorvale" in
//     columns 1-8, "Page" in 37-40) and three lines; every page header after
//     the first starts with a form feed in column 1;
//   - per alternate (the base data first) and storm, a storm line (alternate
//     31-40, "STORM" 41-49, storm 50-59), then per location a peak-flow
//     banner, three lines, the location row (name 1-10, qualifier 21-30:
//     "Upstream"/"Downstream" for reach ends, blank for sub-areas and the
//     outlet), a "Line" header, the flow-values line, two lines and the rows
//     of a time and seven flows;
//   - the peak flow by storm table of the first five storms: sub-areas, then
//     each reach followed by its DOWNSTREAM row, then the outlet, each
//     location's rows for the base data and every alternate that has it;
//   - with a time analysis, the flow-duration tables of its flow percentages
//     and of its elevation increments (a reach's DOWNSTREAM row after its own).
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
    bool areaGiven = true; // else the LAND AREA lines add up its area
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
            header();
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
        const QString feed = page_ > 1 ? QStringLiteral("\f") : QString();
        lines_ << feed + Field(QStringLiteral("Quorvale"), 36) + QStringLiteral("Page")
                          + QString::number(page_).rightJustified(6)
               << QStringLiteral("  ") + title_ << QString() << QString();
        onPage_ = 4;
    }

    QString title_;
    QStringList lines_;
    int page_ = 0;
    int onPage_ = 0;
};

// Runoff of one sub-area: the curve-number depth spread over a smooth unit
// shape. Larger storms satisfy the initial abstraction sooner, so they start
// to run off earlier.
Hydrograph runoff(const SubArea &s, double rain)
{
    const double cn = (s.cn >= 30 && s.cn <= 100) ? s.cn : 75;
    const double storage = 1000.0 / cn - 10.0;
    const double abstraction = 0.2 * storage;
    const double depth = rain > abstraction ? std::pow(rain - abstraction, 2) / (rain + 0.8 * storage) : 0.0;
    const double tc = s.tc > 0 ? s.tc : 1.0;
    const double start = rain > 0 ? 9.0 + 2.5 * std::min(1.0, abstraction / rain) : 12.0;
    const double lag = 0.5 + 0.6 * tc;
    const double peak = 484.0 * std::max(s.area, 0.0) * depth / lag;
    Hydrograph h(PointCount, 0.0);
    for (int i = 0; i < PointCount; ++i) {
        const double r = (i * TimeStep - start) / lag;
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
    Hydrograph outlet;
    double outletArea = 0;

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
        outlet = inflow(QStringLiteral("OUTLET"), outletArea, 0);
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

// One run of the network: the base data or an alternate.
struct Alternate
{
    QString id; // empty for the base data
    QList<SubArea> subAreas;
    QList<Reach> reaches;
};

template <class T> void replaceOrAppend(QList<T> &list, const T &item)
{
    for (T &t : list)
        if (key(t.id) == key(item.id)) {
            t = item;
            return;
        }
    list << item;
}

SubArea subAreaOf(const QString &line)
{
    SubArea s;
    s.id = Cols(line, 11, 20);
    s.receiving = Cols(line, 21, 30);
    s.gage = Cols(line, 31, 40);
    s.area = number(Cols(line, 41, 50), 0);
    s.areaGiven = !Cols(line, 41, 50).isEmpty();
    s.cn = number(Cols(line, 51, 60), 75);
    s.tc = number(Cols(line, 61, 70), 1);
    return s;
}

// A LAND AREA line of the last sub-area read.
void addLandArea(QList<SubArea> &subAreas, const QString &line)
{
    if (!subAreas.isEmpty() && !subAreas.last().areaGiven)
        subAreas.last().area += std::max(number(Cols(line, 71, 80), 0), 0.0);
}

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

// Hours during which `value(q)` reaches `limit`.
template <class Fn> double hoursAtOrAbove(const Hydrograph &h, double limit, Fn value)
{
    int n = 0;
    for (double q : h)
        if (limit > 0 && value(q) >= limit)
            ++n;
    return n * TimeStep;
}

// Depth of flow above the channel bottom for a flow: a wide-channel rating.
double stageOf(double flow) { return flow > 0 ? 0.35 * std::pow(flow, 0.4) : 0.0; }

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

    QList<Alternate> runs{Alternate{}};
    QList<Storm> storms;
    QStringList flowPercents, elevationIncrements;
    QString title = QStringLiteral("Quorvale stand-in run");
    QStringList errors;
    QString section;
    enum class Block { None, Reaches, Areas } block = Block::None;
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
            runs[0].subAreas << subAreaOf(line);
        } else if (section == QLatin1String("SUB-AREA:") && Cols(line, 21, 29) == QLatin1String("LAND AREA")) {
            addLandArea(runs[0].subAreas, line);
        } else if (section == QLatin1String("STREAM REACH:") && !id.isEmpty()) {
            runs[0].reaches << Reach{id, Cols(line, 21, 30)};
        } else if (section == QLatin1String("ALTERNATE ANALYSIS:")) {
            if (!Cols(line, 1, 10).isEmpty()) {
                runs << Alternate{Cols(line, 1, 10), {}, {}};
                block = Block::None;
            } else if (runs.size() > 1 && id.toUpper() == QLatin1String("REACHES")) {
                block = Block::Reaches;
            } else if (runs.size() > 1 && id.toUpper() == QLatin1String("AREAS")) {
                block = Block::Areas;
            } else if (runs.size() > 1 && block == Block::Areas && Cols(line, 21, 29) == QLatin1String("LAND AREA")) {
                addLandArea(runs.last().subAreas, line);
            } else if (runs.size() > 1 && !id.isEmpty()) {
                if (block == Block::Areas)
                    runs.last().subAreas << subAreaOf(line);
                else if (block == Block::Reaches)
                    runs.last().reaches << Reach{id, Cols(line, 21, 30)};
            }
        } else if (section == QLatin1String("STORM ANALYSIS:") && !id.isEmpty()) {
            const double rain = number(Cols(line, 41, 50), 0);
            auto it = std::find_if(storms.begin(), storms.end(), [&](const Storm &s) { return key(s.id) == key(id); });
            if (it == storms.end()) {
                storms << Storm{id, {}, rain};
                it = storms.end() - 1;
            }
            it->rainByGage.insert(key(Cols(line, 21, 30)), rain);
        } else if (section == QLatin1String("TIME ANALYSIS:")) {
            QStringList &values = id == QLatin1String("FLOW") ? flowPercents : elevationIncrements;
            if (id == QLatin1String("FLOW") || id == QLatin1String("ELEVATION")) {
                values.clear();
                for (int c = 21; c <= 51; c += 10)
                    if (!Cols(line, c, c + 9).isEmpty())
                        values << Cols(line, c, c + 9);
            }
        }
    }
    // An alternate's records replace the base records of the same name.
    for (int a = 1; a < runs.size(); ++a) {
        QList<SubArea> subAreas = runs[0].subAreas;
        QList<Reach> reaches = runs[0].reaches;
        for (const SubArea &s : runs[a].subAreas)
            replaceOrAppend(subAreas, s);
        for (const Reach &r : runs[a].reaches)
            replaceOrAppend(reaches, r);
        runs[a].subAreas = subAreas;
        runs[a].reaches = reaches;
    }

    const Alternate &baseRun = runs[0];
    if (baseRun.subAreas.isEmpty())
        errors << QStringLiteral("*** ERROR: the input holds no sub-area");
    if (storms.isEmpty())
        errors << QStringLiteral("*** ERROR: the input holds no storm");
    for (const SubArea &s : baseRun.subAreas) {
        const bool known = key(s.receiving) == QLatin1String("OUTLET")
                           || std::any_of(baseRun.reaches.begin(), baseRun.reaches.end(),
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
    // By run, then "S:" / "U:" / "D:" + key, or "OUTLET".
    QList<QHash<QString, Peaks>> peaks(runs.size());
    QStringList percentRows, stageRows;
    auto durationRow = [&](const QString &name, const QString &alternate, const QString &storm, const Hydrograph &h) {
        const QString start = Field(name, 10) + Field(alternate, 10) + Field(storm, 10) + Field(QString(), 10);
        QString percent = start, stage = start;
        for (const QString &p : flowPercents)
            percent += num(hoursAtOrAbove(h, peakOf(h) * number(p, 0) / 100.0, [](double q) { return q; }));
        for (const QString &e : elevationIncrements)
            stage += num(hoursAtOrAbove(h, number(e, 0), stageOf));
        percentRows << percent;
        stageRows << stage;
    };

    for (int a = 0; a < runs.size(); ++a) {
        const Alternate &run = runs[a];
        Network net;
        net.subAreas = run.subAreas;
        net.reaches = run.reaches;
        auto keepPeak = [&](const QString &k, double area, const Hydrograph &h) {
            Peaks &p = peaks[a][k];
            p.area = area;
            p.values << peakOf(h);
        };
        for (const Storm &storm : storms) {
            net.run(storm);
            out.block({QString(), Field(a == 0 ? QStringLiteral("Base data") : QStringLiteral("Alternate"), 30)
                                      + Field(run.id, 10) + QStringLiteral("STORM    ") + Field(storm.id, 10)});
            for (const SubArea &s : net.subAreas) {
                const Hydrograph &h = net.subAreaFlow[key(s.id)];
                hydrographBlock(out, s.id, QString(), h);
                keepPeak(QStringLiteral("S:") + key(s.id), s.area, h);
                durationRow(s.id, run.id, storm.id, h);
                if (a == 0)
                    hyd << Field(s.id, 10) + Field(storm.id, 10) + num(peakOf(h));
            }
            for (const Reach &r : net.reaches) {
                const Flows &f = net.reachFlow[key(r.id)];
                hydrographBlock(out, r.id, QStringLiteral("Upstream"), f.up);
                hydrographBlock(out, r.id, QStringLiteral("Downstream"), f.down);
                keepPeak(QStringLiteral("U:") + key(r.id), f.area, f.up);
                keepPeak(QStringLiteral("D:") + key(r.id), f.area, f.down);
                durationRow(r.id, run.id, storm.id, f.up);
                durationRow(QStringLiteral("DOWNSTREAM"), run.id, storm.id, f.down);
                if (a == 0) {
                    hyd << Field(r.id, 10) + Field(storm.id, 10) + num(peakOf(f.down));
                    ecn << Field(r.id, 10) + Field(storm.id, 10) + num(peakOf(f.down)) + num(f.area);
                }
            }
            hydrographBlock(out, QStringLiteral("OUTLET"), QString(), net.outlet);
            keepPeak(QStringLiteral("OUTLET"), net.outletArea, net.outlet);
            durationRow(QStringLiteral("OUTLET"), run.id, storm.id, net.outlet);
        }
    }

    if (!storms.isEmpty()) {
        QString stormLine = QString(31, QLatin1Char(' '));
        for (int c = 0; c < qMin(5, int(storms.size())); ++c)
            stormLine += Field(storms[c].id, 10);
        out.block({QString(), QString(34, QLatin1Char(' ')) + QStringLiteral("----------- Peak Flow by Storm -----------"),
                   stormLine, QStringLiteral("Location  Area      Alternate"),
                   QStringLiteral("--------- --------- ---------")});
        // One row per run that has the location.
        auto peakRows = [&](const QString &name, const QString &k) {
            for (int a = 0; a < runs.size(); ++a) {
                if (!peaks[a].contains(k))
                    continue;
                const Peaks &p = peaks[a][k];
                QString row = Field(name, 10) + num(p.area) + Field(runs[a].id, 10);
                for (int c = 0; c < qMin(5, int(p.values.size())); ++c)
                    row += num(p.values[c]);
                out.line(row);
            }
        };
        // Each name once, in the order the runs first give it.
        QStringList subAreaIds, reachIds, seen;
        for (const Alternate &run : runs) {
            for (const SubArea &s : run.subAreas)
                if (!seen.contains(QStringLiteral("S:") + key(s.id))) {
                    seen << QStringLiteral("S:") + key(s.id);
                    subAreaIds << s.id;
                }
            for (const Reach &r : run.reaches)
                if (!seen.contains(QStringLiteral("R:") + key(r.id))) {
                    seen << QStringLiteral("R:") + key(r.id);
                    reachIds << r.id;
                }
        }
        for (const QString &id : subAreaIds)
            peakRows(id, QStringLiteral("S:") + key(id));
        for (const QString &id : reachIds) {
            peakRows(id, QStringLiteral("U:") + key(id));
            peakRows(QStringLiteral("DOWNSTREAM"), QStringLiteral("D:") + key(id));
        }
        peakRows(QStringLiteral("OUTLET"), QStringLiteral("OUTLET"));

        auto captions = [](const QStringList &values) {
            QString line = Field(QStringLiteral("Location  Alternate Storm"), 40);
            for (const QString &v : values)
                line += QString::number(number(v, 0)).rightJustified(10);
            return line;
        };
        if (!flowPercents.isEmpty()) {
            out.block({QString(), QString(42, QLatin1Char(' ')) + QStringLiteral("Flow Duration @ selected Peak Flow %"),
                       captions(flowPercents), QStringLiteral("(hours at or above the percentage of the peak flow)"),
                       QString()});
            for (const QString &row : percentRows)
                out.line(row);
        }
        if (!elevationIncrements.isEmpty()) {
            out.block({QString(),
                       QString(32, QLatin1Char(' ')) + QStringLiteral("Base      Flow Duration @ stage above base elev."),
                       captions(elevationIncrements),
                       QStringLiteral("(hours at or above the stage above the channel bottom)"), QString()});
            for (const QString &row : stageRows)
                out.line(row);
        }
    }
    out.line(QString());
    out.line(QStringLiteral("  End of run"));

    QStringList err{QStringLiteral("QV-31 stand-in engine: run completed")};
    if (!errors.isEmpty())
        err = QStringList{QStringLiteral("QV-31 stand-in engine: errors found")} + errors;
    QStringList dbg{QStringLiteral("QV-31 stand-in engine debug output"),
                    QStringLiteral("input file: ") + input,
                    QStringLiteral("sub-areas: %1  reaches: %2  storms: %3  alternates: %4")
                        .arg(baseRun.subAreas.size())
                        .arg(baseRun.reaches.size())
                        .arg(storms.size())
                        .arg(runs.size() - 1)};
    hyd.prepend(QStringLiteral("Location  Storm     Peak flow"));
    ecn.prepend(QStringLiteral("Flood-economics data (reach, storm, peak flow, drainage area)"));
    bool ok = WriteLines(base + QStringLiteral("out"), out.lines());
    ok = WriteLines(base + QStringLiteral("err"), err) && ok;
    ok = WriteLines(base + QStringLiteral("dbg"), dbg) && ok;
    ok = WriteLines(base + QStringLiteral("hyd"), hyd) && ok;
    ok = WriteLines(base + QStringLiteral("ecn"), ecn) && ok;
    return ok ? 0 : 3;
}
