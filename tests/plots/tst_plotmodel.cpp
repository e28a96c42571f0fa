#include "plots/logic/PlotModel.h"
#include "plots/PlotPainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

using namespace Plots;

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

// A plot of free X and Y per series (the peak-flow kind takes both as given).
PlotRequest xyRequest(const std::vector<std::vector<double>> &xs, const std::vector<std::vector<double>> &ys)
{
    PlotRequest r;
    r.PlotKind = KindPeakFlow;
    r.PlotSeriesCount = int(xs.size());
    r.PlotX.assign(xs.size() + 1, {0.0});
    r.PlotY.assign(ys.size() + 1, {0.0});
    for (std::size_t s = 0; s < xs.size(); ++s) {
        r.PlotX[s + 1].insert(r.PlotX[s + 1].end(), xs[s].begin(), xs[s].end());
        r.PlotY[s + 1].insert(r.PlotY[s + 1].end(), ys[s].begin(), ys[s].end());
        r.setHeader(int(s + 1), 7, QString::number(xs[s].size()));
    }
    return r;
}

// An output hydrograph request: one series per flow list, start and step per series.
PlotRequest hydrographRequest(int kind, const QList<std::vector<double>> &flows, const QStringList &starts,
                              const QStringList &steps)
{
    PlotRequest r;
    r.PlotKind = kind;
    r.PlotSeriesCount = int(flows.size());
    r.PlotY.assign(std::size_t(flows.size()) + 1, {0.0});
    for (int s = 1; s <= flows.size(); ++s) {
        r.PlotY[std::size_t(s)].insert(r.PlotY[std::size_t(s)].end(), flows[s - 1].begin(), flows[s - 1].end());
        r.setHeader(s, 5, starts.value(s - 1));
        r.setHeader(s, 6, steps.value(s - 1));
        r.setHeader(s, 7, QString::number(flows[s - 1].size()));
    }
    r.OutFlowUnit = QStringLiteral("cfs");
    return r;
}

std::vector<DrawCmd> seriesLines(const Commands &cmds, int series)
{
    std::vector<DrawCmd> out;
    for (const DrawCmd &c : cmds)
        if (c.type == DrawCmd::Line && c.width == 4 && c.color == SeriesColor(series))
            out.push_back(c);
    return out;
}

int countType(const Commands &cmds, DrawCmd::Type type)
{
    return int(std::count_if(cmds.begin(), cmds.end(), [type](const DrawCmd &c) { return c.type == type; }));
}

// Markers of a shape (series 1 and 8 draw shape 1, the filled circle).
int countMarkers(const Commands &cmds, int shape)
{
    return int(std::count_if(cmds.begin(), cmds.end(),
                             [shape](const DrawCmd &c) { return c.type == DrawCmd::Marker && c.shape == shape; }));
}

Drawing drawAt(const PlotSetup &setup, View view, DrawOptions options = {}, LegendState *legendOut = nullptr)
{
    LegendState legend;
    Drawing d = Draw(setup, view, options, legend);
    if (legendOut)
        *legendOut = legend;
    return d;
}

} // namespace

class TestPlotModel : public QObject
{
    Q_OBJECT
private slots:
    void autoScale_data();
    void autoScale();
    void autoScaleRefusesBadRanges_data();
    void autoScaleRefusesBadRanges();
    void tickLabel_data();
    void tickLabel();
    void transforms_data();
    void transforms();
    void axesTicksAndGrid();

    void setupTitlesAndLabels_data();
    void setupTitlesAndLabels();
    void setupValuesByKind();
    void verticalLabel();
    void leadingNumber_data();
    void leadingNumber();

    void degenerateRequestsShowAxesOnly_data();
    void degenerateRequestsShowAxesOnly();
    void blankValueEndsItsOwnSeries();
    void emptySeriesDoesNotWidenAxes();
    void zoomBoxThatCannotScaleKeepsView_data();
    void zoomBoxThatCannotScaleKeepsView();
    void holdInFrameKeepsTopBand();

    void markersOnFrameEdge();
    void clipping();
    void legendRows();
    void linesOffPointsOn();
    void markerShapes();
    void durationLines();
    void pointerReadout();
    void fittedTickLabel_data();
    void fittedTickLabel();
    void largeTickLabelsFit();
    void thinnedSeriesLooksTheSame();
};

void TestPlotModel::autoScale_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("newMin");
    QTest::addColumn<double>("newMax");
    QTest::addColumn<int>("n");
    QTest::newRow("0..97") << 0.0 << 97.0 << 0.0 << 100.0 << 10;
    QTest::newRow("0..130") << 0.0 << 130.0 << 0.0 << 140.0 << 7;
    QTest::newRow("0.3..9.7") << 0.3 << 9.7 << 0.0 << 10.0 << 10;
    QTest::newRow("-3.2..7.9 (12 steps kept)") << -3.2 << 7.9 << -4.0 << 8.0 << 12;
    QTest::newRow("0..6") << 0.0 << 6.0 << 0.0 << 6.0 << 12;
    QTest::newRow("4.5..16.5 second pass") << 4.5 << 16.5 << 4.0 << 18.0 << 7;
    QTest::newRow("all zero") << 0.0 << 0.0 << -0.1 << 0.9 << 10;
    QTest::newRow("rounded view stays") << 0.0 << 100.0 << 0.0 << 100.0 << 10;
    QTest::newRow("power of ten") << 0.0 << 1000.0 << 0.0 << 1000.0 << 10;
    QTest::newRow("negative, second pass") << -250.0 << -10.0 << -280.0 << 0.0 << 7;
}

void TestPlotModel::autoScale()
{
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, newMin);
    QFETCH(double, newMax);
    QFETCH(int, n);
    int steps = -1;
    QVERIFY(AutoScale(min, max, steps));
    QVERIFY2(std::abs(min - newMin) < 1e-9, qPrintable(QString::number(min)));
    QVERIFY2(std::abs(max - newMax) < 1e-9, qPrintable(QString::number(max)));
    QCOMPARE(steps, n);
}

void TestPlotModel::autoScaleRefusesBadRanges_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::newRow("inverted") << 5.0 << 1.0;
    QTest::newRow("nan min") << NaN << 1.0;
    QTest::newRow("nan max") << 0.0 << NaN;
    QTest::newRow("infinite") << 0.0 << Inf;
    QTest::newRow("minus infinite") << -Inf << 0.0;
    QTest::newRow("huge range") << -1e308 << 1e308;
}

void TestPlotModel::autoScaleRefusesBadRanges()
{
    QFETCH(double, min);
    QFETCH(double, max);
    double a = min, b = max;
    int n = 77;
    QVERIFY(!AutoScale(a, b, n));
    QVERIFY(a == min || (std::isnan(a) && std::isnan(min)));
    QVERIFY(b == max || (std::isnan(b) && std::isnan(max)));
    QCOMPARE(n, 77);
}

void TestPlotModel::tickLabel_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.5") << 2.5f << " 2.5";
    QTest::newRow("whole") << 100.0f << " 100";
    QTest::newRow("two decimals from 1") << 12.345f << " 12.35";
    QTest::newRow("six decimals keep five") << 0.123456f << " 0.12346";
    QTest::newRow("negative half") << -0.5f << "-0.5";
    QTest::newRow("negative below 1 keeps five") << -12.3456789f << "-12.34568";
    QTest::newRow("zero") << 0.0f << " 0";
    QTest::newRow("tiny negative is zero") << -0.000001f << " 0";
    QTest::newRow("single accumulated") << 0.1f << " 0.1";
    QTest::newRow("large without exponent") << 1.0e7f << " 10000000";
}

void TestPlotModel::tickLabel()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(TickLabel(value), text);
}

void TestPlotModel::transforms_data()
{
    QTest::addColumn<double>("xMin");
    QTest::addColumn<double>("xMax");
    QTest::addColumn<double>("yMin");
    QTest::addColumn<double>("yMax");
    QTest::newRow("0..100") << 0.0 << 100.0 << 0.0 << 100.0;
    QTest::newRow("negative") << -4.0 << 8.0 << -250.0 << 0.0;
    QTest::newRow("small") << 0.0 << 0.001 << 10.0 << 10.5;
}

void TestPlotModel::transforms()
{
    QFETCH(double, xMin);
    QFETCH(double, xMax);
    QFETCH(double, yMin);
    QFETCH(double, yMax);
    View view{xMin, xMax, yMin, yMax};
    Commands cmds;
    Transform t;
    QVERIFY(DrawAxes(Frame{}, view, false, cmds, t));
    const double xEnd = 750 + 0.95 * (6362 - 750);
    const double yEnd = 4638 - 0.95 * 4638;
    QCOMPARE(t.xFromScreen(750), view.xMin);
    QVERIFY(std::abs(t.xFromScreen(xEnd) - view.xMax) < 1e-9 * std::max(1.0, std::abs(view.xMax)));
    QCOMPARE(t.yFromScreen(4638), view.yMin);
    QVERIFY(std::abs(t.yFromScreen(yEnd) - view.yMax) < 1e-9 * std::max(1.0, std::abs(view.yMax)));
    QCOMPARE(t.xToScreen(view.xMin), 750.0f);
    QVERIFY(std::abs(t.xToScreen(view.xMax) - xEnd) < 0.01);
    QCOMPARE(t.yToScreen(view.yMin), 4638.0f);
    QVERIFY(std::abs(t.yToScreen(view.yMax) - yEnd) < 0.01);
}

void TestPlotModel::axesTicksAndGrid()
{
    View view{0.3, 9.7, 0, 97};
    Commands cmds;
    Transform t;
    QVERIFY(DrawAxes(Frame{}, view, true, cmds, t));
    QCOMPARE(view, (View{0, 10, 0, 100}));
    // Frame, 11 + 11 ticks, 10 + 10 grid lines (none on the axes), 22 labels.
    QCOMPARE(countType(cmds, DrawCmd::Rect), 1);
    int vertical = 0, horizontal = 0, labels = 0;
    for (const DrawCmd &c : cmds) {
        if (c.type == DrawCmd::Text)
            ++labels;
        if (c.type != DrawCmd::Line || !c.dotted)
            continue;
        QCOMPARE(c.width, 1);
        if (c.x1 == c.x2) {
            ++vertical;
            QVERIFY(c.x1 > 750);
        } else {
            ++horizontal;
            QVERIFY(c.y1 < 4638);
        }
    }
    QCOMPARE(vertical, 10);
    QCOMPARE(horizontal, 10);
    QCOMPARE(labels, 22);
    // The last tick lands at 95 % of the frame; its label reads the upper limit.
    const auto lastX = std::find_if(cmds.rbegin(), cmds.rend(), [](const DrawCmd &c) {
        return c.type == DrawCmd::Text && c.y1 == 4638 + 100;
    });
    QVERIFY(std::abs(lastX->x1 + 100 - (750 + 0.95 * 5612)) < 0.5);
    QCOMPARE(lastX->text, QStringLiteral(" 10"));
    Commands noGrid;
    View v2{0, 10, 0, 100};
    QVERIFY(DrawAxes(Frame{}, v2, false, noGrid, t));
    QVERIFY(std::none_of(noGrid.begin(), noGrid.end(), [](const DrawCmd &c) { return c.dotted; }));
}

void TestPlotModel::setupTitlesAndLabels_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("xLabel");
    QTest::addColumn<QString>("yText");
    QTest::addColumn<QStringList>("legends");
    QTest::addColumn<QString>("fileLabel");

    const QString cr(QLatin1Char('\r'));
    QTest::newRow("kind 1") << 1 << "Dimensionless Unit Hydrograph" << "D I M E N S I O N L E S S   T I M E"
                            << "DISCHARGE" << QStringList() << "run.inp";
    QTest::newRow("kind 2") << 2 << u"Input Hydrograph - HYD1"_s << u"T I M E (hr)"_s << u"DISCHARGE"_s + cr + u"cfs"_s
                            << QStringList() << "run.inp";
    QTest::newRow("kind 3") << 3 << "Rainfall Distribution - TYPE2" << "T I M E (hr)" << "ACCUMULATED RAINFALL"
                            << QStringList() << "run.inp";
    QTest::newRow("kind 4") << 4 << "Structure - DAM" << "E L E V A T I O N (ft)" << "FLOW - STORAGE"
                            << QStringList{u"F L O W (cfs)"_s, u"S T O R A G E (ac ft)"_s} << u"run.inp"_s;
    QTest::newRow("kind 5") << 5 << "Cross Section - XS1" << "E L E V A T I O N (ft)" << "FLOW - END AREA - TOP WIDTH"
                            << QStringList{u"F L O W (cfs)"_s, u"E N D   A R E A (sq ft)"_s, u"T O P   W I D T H (ft)"_s}
                            << "run.inp";
    QTest::newRow("kind 6 two storms at the outlet") << 61 << "Hydrograph (@ Outlet)" << "T I M E (hr)"
                                                     << u"DISCHARGE"_s + cr + u"cms"_s << QStringList{u"100YR"_s, u"10YR"_s}
                                                     << "run.out";
    QTest::newRow("kind 6 two storms, named alternate") << 62 << "Hydrograph (Alternate - ALT1 @ Outlet)"
                                                        << u"T I M E (hr)"_s << u"DISCHARGE"_s + cr + u"cms"_s
                                                        << QStringList{u"100YR"_s, u"10YR"_s} << u"run.out"_s;
    QTest::newRow("kind 6 three locations") << 63 << "Hydrograph (Storm - 100YR)" << "T I M E (hr)"
                                            << u"DISCHARGE"_s + cr + u"cms"_s
                                            << QStringList{u"Outlet"_s, u"R1 - Upstream"_s, u"SA2"_s} << u"run.out"_s;
    QTest::newRow("kind 6 two alternates at a reach end") << 64 << "Hydrograph (Storm - 100YR @ Reach - R1 - Downstream)"
                                                          << u"T I M E (hr)"_s << u"DISCHARGE"_s + cr + u"cms"_s
                                                          << QStringList{u"A"_s, u"B"_s} << u"run.out"_s;
    QTest::newRow("kind 7") << 7 << u"Peak Flow"_s << u"DRAINAGE AREA (sq km)"_s << u"DISCHARGE"_s + cr + u"csm"_s
                            << QStringList{u" Subarea "_s, u"Reach"_s} << u"run.out"_s;
    QTest::newRow("kind 8 sub-area") << 81 << "Time Analysis (Storm - S1 @ Sub-Area - SA1)" << "T I M E (hr)"
                                     << u"DISCHARGE"_s + cr + u"cms"_s << QStringList{u""_s, u""_s} << u"run.out"_s;
}

void TestPlotModel::setupTitlesAndLabels()
{
    QFETCH(int, which);
    QFETCH(QString, title);
    QFETCH(QString, xLabel);
    QFETCH(QString, yText);
    QFETCH(QStringList, legends);
    QFETCH(QString, fileLabel);

    PlotRequest r;
    switch (which) {
    case 1: r = DimensionlessRequest({u"0"_s, u"0.5"_s, u"1"_s, u"0.5"_s, u"0"_s}); break;
    case 2: r = InputHydrographRequest(3, u"  HYD1 "_s, u"0"_s, u"1"_s, {u"1"_s, u"2"_s}); break;
    case 3: r = RainfallRequest(2, u"TYPE2"_s, u"0.5"_s, {u"0"_s, u"1"_s}); break;
    case 4: r = StructureRequest(1, u"DAM"_s, {{u"100"_s, u"0"_s, u"0"_s}, {u"101"_s, u"5"_s, u"2"_s}}); break;
    case 5: r = CrossSectionRequest(1, u"XS1"_s, {{u"100"_s, u"0"_s, u"0"_s, u"0"_s}, {u"101"_s, u"5"_s, u"2"_s, u"3"_s}}); break;
    default: {
        const int kind = which < 10 ? which : which / 10;
        r = hydrographRequest(kind, {{1, 2}, {3, 4}}, {u"0"_s, u"0"_s}, {u"1"_s, u"1"_s});
        r.OutFlowUnit = QStringLiteral("cms");
        r.PlotStormCount = 1;
        r.PlotAltCount = 1;
        if (which == 61 || which == 62) {
            r.PlotStormCount = 2;
            for (int s : {1, 2}) {
                r.setHeader(s, 1, which == 62 ? u" ALT1 "_s : u""_s);
                r.setHeader(s, 3, u" Outlet "_s);
            }
            r.setHeader(1, 2, u"100YR"_s);
            r.setHeader(2, 2, u" 10YR"_s);
        } else if (which == 63) {
            r = hydrographRequest(6, {{1}, {2}, {3}}, {u"0"_s, u"0"_s, u"0"_s}, {u"1"_s, u"1"_s, u"1"_s});
            r.OutFlowUnit = QStringLiteral("cms");
            r.setHeader(1, 2, u"100YR"_s);
            r.setHeader(1, 3, u"Outlet"_s);
            r.setHeader(2, 3, u"R1"_s);
            r.setHeader(2, 4, u"Upstream"_s);
            r.setHeader(3, 3, u"SA2"_s);
        } else if (which == 64) {
            r.PlotAltCount = 2;
            r.setHeader(1, 1, u"A"_s);
            r.setHeader(2, 1, u"B"_s);
            r.setHeader(1, 2, u"100YR"_s);
            r.setHeader(1, 3, u"R1"_s);
            r.setHeader(1, 4, u"Downstream"_s);
        } else if (which == 7) {
            r = xyRequest({{1, 2}, {3}}, {{10, 20}, {30}});
            r.PeakFlowUnit = QStringLiteral("csm");
            r.OutAreaUnit = QStringLiteral("sq km");
            r.setHeader(1, 3, u" Subarea "_s);
            r.setHeader(2, 3, u"Reach"_s);
        } else if (which == 81) {
            r.setHeader(1, 2, u"S1"_s);
            r.setHeader(1, 3, u"SA1"_s);
            r.PlotAltCount = 2;
        }
    }
    }
    r.FileName = QStringLiteral("/data/my.dir/run.inp");
    r.FlowUnit = QStringLiteral("cfs");
    r.LengthUnit = QStringLiteral("ft");
    r.VolumeUnit = QStringLiteral("ac ft");
    r.SmallAreaUnit = QStringLiteral("sq ft");

    const PlotSetup s = SetupPlot(r);
    QCOMPARE(s.title, title);
    QCOMPARE(s.xLabel, xLabel);
    QCOMPARE(s.yText, yText);
    QCOMPARE(s.fileLabel, fileLabel);
    for (int i = 1; i <= MaxSeries; ++i) {
        const bool shown = i <= legends.size();
        QCOMPARE(s.legendVisible[std::size_t(i)], shown);
        if (shown)
            QCOMPARE(s.legend[std::size_t(i)], legends.at(i - 1));
    }
    QCOMPARE(s.plotLines, s.kind != KindPeakFlow);
}

void TestPlotModel::setupValuesByKind()
{
    // Kind 1: five ordinates span dimensionless time 0..1.
    PlotSetup s = SetupPlot(DimensionlessRequest({u"0"_s, u"0.4"_s, u"1"_s, u"0.4"_s, u"0"_s}));
    QCOMPARE(s.count[1], 5);
    const std::vector<double> expectX{0, 0, 0.25, 0.5, 0.75, 1};
    for (int j = 1; j <= 5; ++j)
        QCOMPARE(s.X[1][std::size_t(j)], expectX[std::size_t(j)]);

    // Kind 2: starting time 2, increment 0.5.
    s = SetupPlot(InputHydrographRequest(1, u"H"_s, u"2"_s, u"0.5"_s, {u"10"_s, u"20"_s, u"15"_s}));
    QCOMPARE(s.X[1][1], 2.0);
    QCOMPARE(s.X[1][2], 2.5);
    QCOMPARE(s.dataXMax, 3.0);
    QCOMPARE(s.dataYMin, 10.0);
    QCOMPARE(s.dataYMax, 20.0);

    // Kind 3: a value list whose third text is empty ends after two values.
    s = SetupPlot(RainfallRequest(1, u"R"_s, u"1"_s, {u"0.5"_s, u"1.5"_s, u""_s, u"3"_s}));
    QCOMPARE(s.count[1], 2);

    // Kind 4: six rating points, two series over the same elevations.
    QList<QStringList> rows;
    for (int i = 0; i < 6; ++i)
        rows << QStringList{QString::number(100 + i), QString::number(i * 10), QString::number(i * 2)};
    s = SetupPlot(StructureRequest(1, u"S"_s, rows));
    QCOMPARE(s.seriesCount, 2);
    QCOMPARE(s.count[1], 6);
    QCOMPARE(s.count[2], 6);
    QCOMPARE(s.xColumn[2], 1);
    QCOMPARE(s.dataXMin, 100.0);
    QCOMPARE(s.dataXMax, 105.0);
    QCOMPARE(s.dataYMax, 50.0);

    // Kind 8: flows are sorted into a duration curve at unchanged times.
    s = SetupPlot(hydrographRequest(8, {{3, 9, 5}}, {u"1"_s}, {u"2"_s}));
    QCOMPARE(s.Y[1], (std::vector<double>{0, 9, 5, 3}));
    QCOMPARE(s.X[1], (std::vector<double>{0, 1, 3, 5}));

    // Kinds 6-8 never take more points than the request holds.
    PlotRequest r = hydrographRequest(6, {{1, 2}}, {u"0"_s}, {u"1"_s});
    r.setHeader(1, 7, u"500"_s);
    s = SetupPlot(r);
    QCOMPARE(s.count[1], 2);
}

void TestPlotModel::verticalLabel()
{
    PlotRequest r = InputHydrographRequest(1, u"H"_s, u"0"_s, u"1"_s, {u"1"_s});
    r.FlowUnit = QStringLiteral("cfs");
    const PlotSetup s = SetupPlot(r);
    // "DISCHARGE", CR and "cfs": nine letters, two empty lines, three letters.
    const QStringList lines = s.yLabel.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 14);
    QCOMPARE(lines.mid(0, 9).join(QString()), QStringLiteral("DISCHARGE"));
    QVERIFY(lines.at(9).isEmpty() && lines.at(10).isEmpty());
    QCOMPARE(lines.mid(11).join(QString()), QStringLiteral("cfs"));
    QCOMPARE(VerticalText(QString()), QString());
}

void TestPlotModel::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "12.5" << 12.5;
    QTest::newRow("blanks inside") << " 1 2.5 " << 12.5;
    QTest::newRow("trailing text") << "3.5cfs" << 3.5;
    QTest::newRow("exponent") << "1.5E2" << 150.0;
    QTest::newRow("dangling exponent") << "2e" << 2.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point") << ".5" << 0.5;
    QTest::newRow("negative") << "-0.25" << -0.25;
    QTest::newRow("overflow") << "1e999" << 0.0;
}

void TestPlotModel::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingNumber(text), value);
}

void TestPlotModel::degenerateRequestsShowAxesOnly_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("step");
    QTest::newRow("no points") << 2 << QStringList() << "1";
    QTest::newRow("kind 1 one point") << 1 << QStringList{u"1"_s} << u""_s;
    QTest::newRow("kind 1 no points") << 1 << QStringList() << "";
    QTest::newRow("empty step") << 2 << QStringList{u"1"_s, u"2"_s} << u""_s;
    QTest::newRow("zero step") << 2 << QStringList{u"1"_s, u"2"_s} << u"0"_s;
    QTest::newRow("text step") << 3 << QStringList{u"1"_s, u"2"_s} << u"abc"_s;
    QTest::newRow("infinite step") << 6 << QStringList{u"1"_s, u"2"_s} << u"1e999"_s;
    QTest::newRow("no points, output") << 8 << QStringList() << "1";
}

void TestPlotModel::degenerateRequestsShowAxesOnly()
{
    QFETCH(int, kind);
    QFETCH(QStringList, values);
    QFETCH(QString, step);
    PlotRequest r;
    if (kind == 1)
        r = DimensionlessRequest(values);
    else if (kind == 2)
        r = InputHydrographRequest(1, u"H"_s, u"0"_s, step, values);
    else if (kind == 3)
        r = RainfallRequest(1, u"R"_s, step, values);
    else {
        std::vector<double> flows;
        for (const QString &v : values)
            flows.push_back(v.toDouble());
        r = hydrographRequest(kind, {flows}, {u"0"_s}, {step});
    }
    const PlotSetup s = SetupPlot(r);
    QCOMPARE(s.count[1], 0);
    View view{s.dataXMin, s.dataXMax, s.dataYMin, s.dataYMax};
    const Drawing d = drawAt(s, view);
    QVERIFY(d.ok);
    QCOMPARE(countType(d.plot, DrawCmd::Rect), 1);
    QVERIFY(seriesLines(d.plot, 1).empty());
    QCOMPARE(countMarkers(d.plot, 1), 0);
    const View &shown = d.transform.view;
    QVERIFY(std::isfinite(shown.xMin) && shown.xMin < shown.xMax);
    QVERIFY(std::isfinite(shown.yMin) && shown.yMin < shown.yMax);
}

void TestPlotModel::blankValueEndsItsOwnSeries()
{
    // Discharge blank from the third row on; end area and top width go on.
    const QList<QStringList> rows{{u"100"_s, u"0"_s, u"0"_s, u"10"_s},
                                  {u"101"_s, u"50"_s, u"20"_s, u"12"_s},
                                  {u"102"_s, u""_s, u"40"_s, u"14"_s},
                                  {u"103"_s, u""_s, u"60"_s, u"16"_s}};
    const PlotSetup s = SetupPlot(CrossSectionRequest(1, u"XS"_s, rows));
    QCOMPARE(s.count[1], 2);
    QCOMPARE(s.count[2], 4);
    QCOMPARE(s.count[3], 4);
    View view{s.dataXMin, s.dataXMax, s.dataYMin, s.dataYMax};
    DrawOptions lines;
    lines.points = false;
    const Drawing d = drawAt(s, view, lines);
    // Discharge: one segment only; nothing drawn at 0 for the blanks.
    QCOMPARE(int(seriesLines(d.plot, 1).size()), 1);
    QCOMPARE(int(seriesLines(d.plot, 2).size()), 3);
    QCOMPARE(int(seriesLines(d.plot, 3).size()), 3);
    DrawOptions points;
    points.lines = false;
    const Drawing m = drawAt(s, view, points);
    // Series 1 markers are the filled circles: two of them (plus none in the plot for others).
    QCOMPARE(countMarkers(m.plot, 1), 2);
}

void TestPlotModel::emptySeriesDoesNotWidenAxes()
{
    // Storage all blank: the Y axis is not pulled down to 0.
    const PlotSetup s = SetupPlot(StructureRequest(1, u"S"_s, {{u"100"_s, u"10"_s, u""_s}, {u"101"_s, u"50"_s, u""_s}}));
    QCOMPARE(s.count[2], 0);
    QCOMPARE(s.dataYMin, 10.0);
    QCOMPARE(s.dataYMax, 50.0);

    // An output series without points (and an empty first series) adds neither its start nor a value.
    PlotRequest r = hydrographRequest(6, {{}, {5, 7}}, {u"100"_s, u"2"_s}, {u"1"_s, u"1"_s});
    r.PlotStormCount = 2;
    const PlotSetup o = SetupPlot(r);
    QCOMPARE(o.dataXMin, 2.0);
    QCOMPARE(o.dataXMax, 3.0);
    QCOMPARE(o.dataYMin, 5.0);
    QCOMPARE(o.dataYMax, 7.0);
}

void TestPlotModel::zoomBoxThatCannotScaleKeepsView_data()
{
    QTest::addColumn<double>("x0");
    QTest::addColumn<double>("y0");
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<bool>("zooms");
    QTest::newRow("a box") << 1000.0 << 3000.0 << 2000.0 << 1000.0 << true;
    QTest::newRow("dragged the other way") << 2000.0 << 1000.0 << 1000.0 << 3000.0 << true;
    QTest::newRow("click without move") << 1000.0 << 3000.0 << 1000.0 << 3000.0 << false;
    QTest::newRow("no height") << 1000.0 << 3000.0 << 2000.0 << 3000.0 << false;
    QTest::newRow("both corners in the empty band") << 6200.0 << 3000.0 << 6300.0 << 1000.0 << false;
    QTest::newRow("not finite") << NaN << 3000.0 << 2000.0 << 1000.0 << false;
}

void TestPlotModel::zoomBoxThatCannotScaleKeepsView()
{
    QFETCH(double, x0);
    QFETCH(double, y0);
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(bool, zooms);
    View view{0, 100, 0, 100};
    Commands cmds;
    Transform t;
    QVERIFY(DrawAxes(Frame{}, view, false, cmds, t));
    View after = view;
    QCOMPARE(ZoomView(t, x0, y0, x1, y1, after), zooms);
    if (!zooms) {
        QCOMPARE(after, view);
        return;
    }
    QVERIFY(std::abs(after.xMin - t.xFromScreen(1000)) < 1e-4);
    QVERIFY(std::abs(after.xMax - t.xFromScreen(2000)) < 1e-4);
    QVERIFY(std::abs(after.yMin - t.yFromScreen(3000)) < 1e-4);
    QVERIFY(std::abs(after.yMax - t.yFromScreen(1000)) < 1e-4);
}

void TestPlotModel::holdInFrameKeepsTopBand()
{
    const Frame f;
    double x = 100, y = 120;
    HoldInFrame(f, x, y);
    QCOMPARE(x, 750.0);
    QCOMPARE(y, 120.0); // the top band is part of the plotting area
    x = 9000;
    y = -50;
    HoldInFrame(f, x, y);
    QCOMPARE(x, 6362.0);
    QCOMPARE(y, 0.0);
    y = 6000;
    HoldInFrame(f, x, y);
    QCOMPARE(y, 4638.0);
}

void TestPlotModel::markersOnFrameEdge()
{
    View v{0, 100, 0, 100};
    Commands c;
    Transform t;
    QVERIFY(DrawAxes(Frame{}, v, false, c, t));
    const double oneTwip = t.xScale;
    const PlotSetup s = SetupPlot(xyRequest({{0, -oneTwip, 50}}, {{50, 60, 0}}));
    DrawOptions points;
    points.lines = false;
    const Drawing d = drawAt(s, v, points);
    // On the left edge and on the X axis: drawn; one twip left of the frame: not.
    std::vector<DrawCmd> circles;
    for (const DrawCmd &cmd : d.plot)
        if (cmd.type == DrawCmd::Marker && cmd.shape == 1)
            circles.push_back(cmd);
    QCOMPARE(int(circles.size()), 2);
    QCOMPARE(circles[0].x1, 750.0f);
    QCOMPARE(circles[0].x2, 48.0f); // half-size of a data marker
    QCOMPARE(circles[1].y1, 4638.0f);
}

void TestPlotModel::clipping()
{
    const View v{0, 100, 0, 100};
    DrawOptions lines;
    lines.points = false;
    auto segments = [&](std::vector<double> xs, std::vector<double> ys) {
        const PlotSetup s = SetupPlot(xyRequest({xs}, {ys}));
        const Drawing d = drawAt(s, v, lines);
        return std::make_pair(seriesLines(d.plot, 1), d.transform);
    };
    // Entering from the left: starts on the left edge at the interpolated height.
    auto [enter, t] = segments({-10, 10}, {20, 40});
    QCOMPARE(int(enter.size()), 1);
    QCOMPARE(enter[0].x2, 750.0f);
    QVERIFY(std::abs(enter[0].y2 - t.yToScreen(30)) < 0.5);
    // The same height: drawn from the point itself.
    auto level = segments({-10, 10}, {20, 20}).first;
    QCOMPARE(int(level.size()), 1);
    QVERIFY(level[0].x2 < 750);
    // Leaving through the top: ends on the top edge.
    auto top = segments({10, 20}, {50, 300}).first;
    QCOMPARE(int(top.size()), 1);
    QCOMPARE(top[0].y1, 0.0f);
    // Both ends outside: not drawn although it crosses the frame.
    QVERIFY(segments({-10, 200}, {50, 50}).first.empty());

    float a1 = 0, b1 = 0;
    Intersect(a1, b1, 10, 20, 5);
    QCOMPARE(a1, 5.0f);
    QCOMPARE(b1, 10.0f);
    a1 = 3;
    b1 = 1;
    Intersect(a1, b1, 3, 9, 7); // vertical: t = 0
    QCOMPARE(a1, 7.0f);
    QCOMPARE(b1, 1.0f);
}

void TestPlotModel::legendRows()
{
    View v{0, 10, 0, 10};
    LegendState legend;
    Drawing one = drawAt(SetupPlot(xyRequest({{1, 2}}, {{1, 2}})), v, {}, &legend);
    QVERIFY(one.strip.empty());
    QVERIFY(!legend.lineVisible[1]);

    Drawing two = drawAt(SetupPlot(xyRequest({{1, 2}, {1, 2}}, {{1, 2}, {3, 4}})), v, {}, &legend);
    QVERIFY(legend.lineVisible[1] && legend.lineVisible[2] && !legend.lineVisible[3]);
    QCOMPARE(legend.lineColor[2], (Rgb{0, 255, 0}));
    // Marker strip: row 1 a circle at (80, 120) of half-size 60, row 2 a cross level with row 2.
    QCOMPARE(two.strip.size(), std::size_t(2));
    QCOMPARE(two.strip.front().shape, 1);
    QCOMPARE(two.strip.back().shape, 2);
    QCOMPARE(two.strip.front().x1, 80.0f);
    QCOMPARE(two.strip.front().y1, 120.0f);
    QCOMPARE(two.strip.front().x2, 60.0f);
    QCOMPARE(two.strip.back().y1, 480.0f);
}

void TestPlotModel::linesOffPointsOn()
{
    View v{0, 10, 0, 10};
    LegendState legend;
    DrawOptions points;
    points.lines = false;
    const Drawing d = drawAt(SetupPlot(xyRequest({{1, 2}, {1, 2}}, {{1, 2}, {3, 4}})), v, points, &legend);
    QVERIFY(seriesLines(d.plot, 1).empty() && seriesLines(d.plot, 2).empty());
    QVERIFY(!legend.lineVisible[1] && !legend.lineVisible[2]);
    QVERIFY(!d.strip.empty());
    QCOMPARE(countMarkers(d.plot, 1), 2);
}

void TestPlotModel::markerShapes()
{
    auto shape = [](int i) {
        Commands c;
        DrawPt(c, 1000, 1000, i, 1.2);
        return c.empty() ? c : MarkerStrokes(c.front());
    };
    QCOMPARE(shape(1).size(), std::size_t(1));
    QCOMPARE(shape(8).front().type, DrawCmd::FilledCircle);
    QCOMPARE(shape(2).size(), std::size_t(2));
    QCOMPARE(shape(9).size(), std::size_t(2));
    QCOMPARE(shape(3).size(), std::size_t(4));
    QCOMPARE(shape(10).size(), std::size_t(4));
    QCOMPARE(shape(4).size(), std::size_t(3));
    QCOMPARE(shape(5).front().type, DrawCmd::FilledRect);
    QCOMPARE(shape(5).front().x1, 952.0f);
    QCOMPARE(shape(6).size(), std::size_t(4));
    QCOMPARE(shape(7).size(), std::size_t(2));
    QVERIFY(shape(11).empty());
    QCOMPARE(shape(2).front().width, 3);
    // Series 8 draws filled circles in colour entry 8.
    QCOMPARE(SeriesColor(8), (Rgb{170, 0, 85}));
}

void TestPlotModel::durationLines()
{
    std::vector<double> flows;
    for (int j = 1; j <= 100; ++j)
        flows.push_back(1000 - 10 * (j - 1));
    PlotRequest r = hydrographRequest(8, {flows}, {u"0"_s}, {u"1"_s});
    r.setHeader(1, 2, u"S1"_s);
    r.setHeader(1, 3, u"Outlet"_s);
    r.setHeader(1, 8, u" Day "_s);
    r.setHeader(1, 9, u"Two days"_s);
    r.setHeader(1, 10, u"zero"_s);
    r.setHeader(1, 16, u"24"_s);
    r.setHeader(1, 17, u"48"_s);
    r.setHeader(1, 18, u"0"_s);
    r.setHeader(1, 19, u"  "_s);
    const PlotSetup s = SetupPlot(r);
    View v{s.dataXMin, s.dataXMax, s.dataYMin, s.dataYMax};
    LegendState legend;
    legend.text = s.legend;
    legend.textVisible = s.legendVisible;
    Drawing d = Draw(s, v, DrawOptions{}, legend);
    QCOMPARE(legend.text[2], QStringLiteral("Day (760 cfs)"));
    QCOMPARE(legend.text[3], QStringLiteral("Two days (520 cfs)"));
    QVERIFY(legend.textVisible[2] && legend.textVisible[3] && !legend.textVisible[4]);
    QVERIFY(legend.lineVisible[2] && legend.lineVisible[3]);
    const auto row2 = seriesLines(d.plot, 2);
    QCOMPARE(int(row2.size()), 1);
    QCOMPARE(row2[0].x1, 750.0f);
    QCOMPARE(row2[0].x2, d.transform.xToScreen(24));
    QCOMPARE(row2[0].y1, d.transform.yToScreen(760));
    QCOMPARE(seriesLines(d.plot, 3)[0].x2, d.transform.xToScreen(48));

    // Lines off: no reference lines, but the rows stay shown.
    DrawOptions points;
    points.lines = false;
    d = Draw(s, v, points, legend);
    QVERIFY(seriesLines(d.plot, 2).empty());
    QVERIFY(legend.textVisible[2]);

    double y = -1;
    InterpolateY(s, 1, 500, y); // beyond the curve: unchanged
    QCOMPARE(y, -1.0);
}

void TestPlotModel::pointerReadout()
{
    View v{0, 100, 0, 100};
    const PlotSetup s = SetupPlot(xyRequest({{50}, {50}, {10}}, {{50}, {50.01}, {-2.5}}));
    const Drawing d = drawAt(s, v);
    const Transform &t = d.transform;
    // A release on any pixel of the marker reads it out, one a pixel beyond does not.
    const int px = int(std::floor(t.xToScreen(10) / TwipsPerPixel));
    const int py = int(std::floor(t.yToScreen(-2.5) / TwipsPerPixel));
    auto at = [&](int dx, int dy) {
        return PointValueText(s, t, (px + dx + 0.5) * TwipsPerPixel, (py + dy + 0.5) * TwipsPerPixel);
    };
    for (const QPoint &off : {QPoint(0, 0), QPoint(ReadoutReach, ReadoutReach), QPoint(-ReadoutReach, -ReadoutReach),
                              QPoint(ReadoutReach, -ReadoutReach)})
        QCOMPARE(at(off.x(), off.y()), QStringLiteral(" 10, -2.5"));
    QCOMPARE(at(ReadoutReach + 1, 0), QString());
    QCOMPARE(at(0, -ReadoutReach - 1), QString());
    // Two series with a point at the same place: the higher-numbered one shows.
    QCOMPARE(PointValueText(s, t, t.xToScreen(50), t.yToScreen(50)), QStringLiteral(" 50,  50.01"));
}

void TestPlotModel::fittedTickLabel_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<double>("room");
    QTest::addColumn<QString>("text");
    QTest::newRow("fits as it is") << 2500.0f << 710.0 << " 2500";
    QTest::newRow("decimals kept when they fit") << 12.5f << 710.0 << " 12.5";
    QTest::newRow("ten digits: exponent") << 1.0e10f << 710.0 << " 1E10";
    QTest::newRow("mantissa kept") << 1.5e10f << 710.0 << " 1.5E10";
    QTest::newRow("negative") << -2.5e9f << 710.0 << "-2.5E9";
    QTest::newRow("room of nine characters") << 12345678.0f << 810.0 << " 12345678";
}

void TestPlotModel::fittedTickLabel()
{
    QFETCH(float, value);
    QFETCH(double, room);
    QFETCH(QString, text);
    QCOMPARE(FittedTickLabel(value, room, EstimatedTextWidth), text);
}

// Labels of large values stay left of the Y axis and clear of their X neighbours.
void TestPlotModel::largeTickLabelsFit()
{
    const Frame frame;
    View v{0, 2.0e10, 0, 1.0e10};
    Commands out;
    Transform t;
    QVERIFY(DrawAxes(frame, v, false, out, t));
    int texts = 0;
    for (const DrawCmd &c : out) {
        if (c.type != DrawCmd::Text)
            continue;
        ++texts;
        QVERIFY2(c.text.contains(QLatin1Char('E')) || c.text == QStringLiteral(" 0"), qPrintable(c.text));
        if (c.x1 == 0) // a Y label
            QVERIFY2(c.x1 + EstimatedTextWidth(c.text) < frame.leftMargin, qPrintable(c.text));
    }
    QVERIFY(texts > 4);
}

void TestPlotModel::thinnedSeriesLooksTheSame()
{
    // A noisy hydrograph much denser than the screen.
    PlotRequest r;
    std::vector<double> flows;
    std::uint32_t seed = 7;
    double q = 100;
    for (int j = 0; j < 20000; ++j) {
        seed = seed * 1664525u + 1013904223u;
        q = std::max(0.0, q + (double(seed >> 8) / double(1 << 24) - 0.5) * 20);
        flows.push_back(q);
    }
    const PlotSetup s = SetupPlot(hydrographRequest(6, {flows}, {u"0"_s}, {u"0.01"_s}));
    DrawOptions thin, full;
    thin.points = full.points = false;
    full.thin = false;
    for (const View &zoom : {View{s.dataXMin, s.dataXMax, s.dataYMin, s.dataYMax}, View{40, 120, s.dataYMin, s.dataYMax}}) {
        View v1 = zoom, v2 = zoom;
        const Drawing a = drawAt(s, v1, thin);
        const Drawing b = drawAt(s, v2, full);
        QVERIFY(seriesLines(a.plot, 1).size() <= 4 * 375 + 2);
        QImage ia(425, 343, QImage::Format_RGB32), ib(425, 343, QImage::Format_RGB32);
        ia.fill(Qt::white);
        ib.fill(Qt::white);
        QPainter pa(&ia), pb(&ib);
        PaintCommands(pa, a.plot, SmallFont());
        PaintCommands(pb, b.plot, SmallFont());
        pa.end();
        pb.end();
        // Pixels may differ only at the edges of the strokes: every red pixel
        // of one picture has a red pixel of the other next to it.
        auto redNear = [](const QImage &img, int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (img.valid(x + dx, y + dy) && img.pixel(x + dx, y + dy) == qRgb(255, 0, 0))
                        return true;
            return false;
        };
        int red = 0, far = 0;
        for (int y = 0; y < ia.height(); ++y)
            for (int x = 0; x < ia.width(); ++x) {
                const bool ra = ia.pixel(x, y) == qRgb(255, 0, 0), rb = ib.pixel(x, y) == qRgb(255, 0, 0);
                red += rb;
                if ((ra && !redNear(ib, x, y)) || (rb && !redNear(ia, x, y)))
                    ++far;
            }
        QVERIFY(red > 1000);
        QVERIFY2(far == 0, qPrintable(QStringLiteral("%1 of %2").arg(far).arg(red)));
    }
}

QTEST_MAIN(TestPlotModel)
#include "tst_plotmodel.moc"
