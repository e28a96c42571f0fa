// The watershed schematic on networks of 1,000 to 100,000 elements: reading
// the input file and laying the tree out, then repainting the framed view and
// a zoomed-in view. Beside each figure, a baseline from the same run: going
// through the same bytes line by line, and filling the picture.
#include "common/BenchSupport.h"

#include "schematic/SchematicPainter.h"
#include "schematic/logic/Network.h"
#include "schematic/logic/ViewGeometry.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

using namespace Schematic;

namespace {

QByteArray pad(const QByteArray &s, int width)
{
    return s.size() >= width ? s : s + QByteArray(width - s.size(), ' ');
}

// About a third reaches, each draining into an earlier one or the outlet,
// every tenth with a structure and every twentieth with a split flow; the
// rest sub-areas draining into random reaches.
QByteArray Generate(int elements)
{
    std::uint32_t seed = 2024;
    auto next = [&seed](std::uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % n;
    };
    const int reaches = std::max(1, elements / 3);
    const int subs = std::max(0, elements - 1 - reaches);
    QByteArray b = pad("Quorvale: Version 1.0", 40) + "0         0         0.01      0         \r\n\r\n";
    b += pad("SUB-AREA:", 40) + "\r\n";
    for (int i = 1; i <= subs; ++i)
        b += QByteArray(10, ' ') + pad("S" + QByteArray::number(i), 10)
             + pad("R" + QByteArray::number(1 + next(std::uint32_t(reaches))), 10)
             + "GAGE1     1.25      78.       1.1       YYNNN\r\n";
    b += "\r\n" + pad("STREAM REACH:", 40) + "\r\n";
    for (int i = 1; i <= reaches; ++i) {
        const QByteArray to = i == 1 ? QByteArray("OUTLET") : "R" + QByteArray::number(1 + next(std::uint32_t(i - 1)));
        b += QByteArray(10, ' ') + pad("R" + QByteArray::number(i), 10) + pad(to, 10)
             + pad(i % 10 ? "XS1" : "", 10) + pad(i % 10 ? "" : "DAM1", 10) + "5200.     4800.     YYNNNN\r\n";
        if (i % 20 == 0)
            b += QByteArray(20, ' ') + "SPLIT FLOW" + pad("R" + QByteArray::number(1 + next(std::uint32_t(reaches))), 10)
                 + "XS1       10.       \r\n";
    }
    b += "\r\n";
    return b;
}

// The same bytes gone through line by line, the least any reader must do.
std::size_t Baseline(const QByteArray &bytes)
{
    std::size_t sum = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        sum += std::size_t(end - start) + std::size_t(bytes[start]);
        start = end + 1;
    }
    return sum;
}

struct View
{
    Network net;
    SpatialIndex index;
};

void Build(const QByteArray &bytes, View &v)
{
    ReadNetwork(bytes, v.net);
    LayoutNetwork(v.net, v.net.ElementCount, 1);
}

void Index(View &v) { v.index.build(SpatialIndex::ItemsOf(v.net, v.net.ElementCount, 1)); }

double PaintMs(const View &v, const Area &area, QImage &image)
{
    return 1e3 * Bench::BestSeconds(10, [&] {
        QPainter p(&image);
        PaintSchematic(p, image.size(), v.net, v.net.ElementCount, v.index, area, PaintOptions{});
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
    const double fillMs = 1e3 * Bench::BestSeconds(10, [&] {
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::white);
    });

    std::printf("%-10s %14s %14s %10s %14s %16s %16s\n", "elements", "read+layout ms", "baseline ms", "ratio",
                "view index ms", "framed paint ms", "zoomed paint ms");
    double readMs10k = 0, readMs100k = 0;
    for (const int n : {1000, 10000, 100000}) {
        const QByteArray bytes = Generate(n);
        View v;
        std::size_t sink = 0;
        const double read = 1e3 * Bench::BestSeconds(n >= 100000 ? 5 : 9, [&] { Build(bytes, v); });
        const double index = 1e3 * Bench::BestSeconds(n >= 100000 ? 5 : 9, [&] { Index(v); });
        const double base = 1e3 * Bench::BestSeconds(5, [&] { sink += Baseline(bytes); });
        if (n == 10000)
            readMs10k = read;
        if (n == 100000)
            readMs100k = read;

        // Framed as the window frames it: the icon's size in layout units
        // depends on the area shown, so settle it in a few rounds.
        Area area;
        for (int k = 0; k < 3; ++k)
            area = ShownArea(FrameExtent(v.net, v.net.ElementCount,
                                         IconInLayout(area, QSizeF(image.size()), QSizeF(IconPixels, IconPixels))),
                             area);
        const double framed = PaintMs(v, area, image);
        // Zoomed in on the outlet: about 2,000 units each way.
        const Area zoomed = ShownArea(Extent{-500, -200, 1500, 1000}, area);
        const double zoom = PaintMs(v, zoomed, image);
        std::printf("%-10d %14.2f %14.2f %10.1f %14.2f %16.2f %16.2f%s\n", n, read, base,
                    read / std::max(base, 1e-6), index, framed, zoom, sink == 42 ? " " : "");
    }
    std::printf("picture fill alone: %.2f ms (1000 x 700 pixels)\n", fillMs);
    std::printf("100,000 / 10,000 read+layout: %.1f x (target: within 12 x)\n", readMs100k / std::max(readMs10k, 1e-6));
    std::printf("targets: read+layout of 10,000 under 100 ms, framed paint of 10,000 under 16 ms,\n"
                "zoomed paint about the same for every size\n");
    return 0;
}
