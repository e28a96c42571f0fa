// Repainting a 100,000-point hydrograph while zooming: drawing commands and
// painting the plot picture, with each pixel column's extremes drawn once the
// series is denser than the screen, beside drawing every point.
#include "common/BenchSupport.h"

#include "plots/logic/PlotModel.h"
#include "plots/PlotPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace Plots;

static PlotSetup Hydrograph(int points)
{
    PlotRequest r;
    r.PlotKind = KindOutputHydrograph;
    r.PlotSeriesCount = 1;
    r.PlotY.assign(2, {0.0});
    std::uint32_t seed = 12345;
    for (int j = 0; j < points; ++j) {
        seed = seed * 1664525u + 1013904223u;
        const double t = double(j) / points;
        const double noise = (double(seed >> 8) / double(1 << 24) - 0.5) * 40;
        r.PlotY[1].push_back(50 + 2000 * std::exp(-std::pow((t - 0.3) * 8, 2)) + noise);
    }
    r.setHeader(1, 2, QStringLiteral("100YR"));
    r.setHeader(1, 3, QStringLiteral("Outlet"));
    r.setHeader(1, 5, QStringLiteral("0"));
    r.setHeader(1, 6, QStringLiteral("0.01"));
    r.setHeader(1, 7, QString::number(points));
    return SetupPlot(r);
}

// One repaint of the plot picture: commands for the view, painted on an image.
static std::size_t Repaint(const PlotSetup &setup, View view, bool thin, QImage &image, DrawOptions options = {})
{
    options.thin = thin;
    LegendState legend;
    const Drawing d = Draw(setup, view, options, legend);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintCommands(p, d.plot, SmallFont());
    return d.plot.size();
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int points = argc > 1 ? std::atoi(argv[1]) : 100000;
    const PlotSetup setup = Hydrograph(points);
    QImage image(425, 343, QImage::Format_ARGB32_Premultiplied);

    // A zoom sequence: the whole range, then boxes narrowing onto the peak.
    const double x0 = setup.dataXMin, x1 = setup.dataXMax;
    std::vector<View> views;
    for (double f : {1.0, 0.6, 0.3, 0.1}) {
        const double centre = x0 + 0.3 * (x1 - x0), half = (x1 - x0) * f / 2;
        views.push_back({std::max(x0, centre - half), std::min(x1, centre + half), setup.dataYMin, setup.dataYMax});
    }

    std::printf("hydrograph of %d points, plot picture %dx%d pixels, points and lines on\n", points,
                image.width(), image.height());
    std::printf("figures: the median (min-max) of the runs\n");
    std::printf("%-14s %-32s %10s %-32s %10s\n", "view (of data)", "thinned", "commands", "every point",
                "commands");
    const char *names[] = {"100%", "60%", "30%", "10%"};
    for (std::size_t i = 0; i < views.size(); ++i) {
        std::size_t thinCommands = 0, fullCommands = 0;
        const Bench::Timing thin = Bench::Time(9, [&] { thinCommands = Repaint(setup, views[i], true, image); });
        const Bench::Timing full = Bench::Time(3, [&] { fullCommands = Repaint(setup, views[i], false, image); });
        std::printf("%-14s %-32s %10zu %-32s %10zu\n", names[i], thin.text().c_str(), thinCommands,
                    full.text().c_str(), fullCommands);
    }
    {
        DrawOptions o;
        LegendState l;
        View v = views[0];
        const Bench::Timing cmds = Bench::Time(9, [&] { Draw(setup, v, o, l); });
        o.points = false;
        const Bench::Timing noMarkers = Bench::Time(9, [&] { Repaint(setup, views[0], true, image, o); });
        o.points = true;
        o.lines = false;
        const Bench::Timing noLines = Bench::Time(9, [&] { Repaint(setup, views[0], true, image, o); });
        std::printf("whole range, thinned: commands %s, painting lines only %s, markers only %s\n",
                    cmds.text().c_str(), noMarkers.text().c_str(), noLines.text().c_str());
    }
    std::printf("target: a thinned repaint under 16 ms\n");
    return 0;
}
