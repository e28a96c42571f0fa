// The watershed schematic on networks of 1,000 to 100,000 elements: reading
// the input file and laying the tree out, then repainting the framed view and
// a zoomed-in view. Beside the reading, a baseline from the same run that
// reads the file as the window does (the whole file, cut into lines, the two
// identifiers of every record line taken as texts) and does nothing more, so
// the ratio is what linking and laying out add. The painting figures are
// absolute; filling the picture is shown for scale.
#include "common/BenchSupport.h"

#include "schematic/SchematicPainter.h"
#include "schematic/logic/Network.h"
#include "schematic/logic/ViewGeometry.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
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

// The file read as the window reads it, and no more: all of it, cut into
// lines, and the identifier and receiving identifier (columns 11-20, 21-30)
// of every record line copied into texts.
std::size_t Baseline(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    std::vector<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines.push_back(QByteArrayView(bytes).sliced(start, stop - start));
        start = end + 1;
    }
    std::vector<QString> names;
    names.reserve(2 * lines.size());
    const auto take = [&names](QByteArrayView line, qsizetype from) {
        QByteArrayView v = line.size() > from ? line.sliced(from, std::min<qsizetype>(10, line.size() - from))
                                              : QByteArrayView();
        v = v.trimmed();
        names.push_back(QString::fromLatin1(v.data(), v.size()));
    };
    for (const QByteArrayView line : lines) {
        if (line.size() <= 10 || line.sliced(10, std::min<qsizetype>(10, line.size() - 10)).trimmed().isEmpty())
            continue;
        take(line, 10);
        take(line, 20);
    }
    return names.size();
}

struct View
{
    Network net;
    SpatialIndex index;
};

void Build(const QString &path, View &v)
{
    ReadNetworkFile(path, v.net);
    LayoutNetwork(v.net, v.net.ElementCount, 1);
}

void Index(View &v) { v.index.build(SpatialIndex::ItemsOf(v.net, v.net.ElementCount, 1)); }

Bench::Timing Paint(const View &v, const Area &area, QImage &image)
{
    return Bench::Time(10, [&] {
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
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("network.inp"));
    QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
    const Bench::Timing fill = Bench::Time(10, [&] {
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::white);
    });

    std::printf("figures: the median (min-max) of the runs\n");
    double readMs10k = 0, readMs100k = 0;
    for (const int n : {1000, 10000, 100000}) {
        {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(Generate(n)) < 0)
                return 1;
        }
        View v;
        std::size_t sink = 0;
        const Bench::Timing read = Bench::Time(n >= 100000 ? 5 : 9, [&] { Build(path, v); });
        const Bench::Timing index = Bench::Time(n >= 100000 ? 5 : 9, [&] { Index(v); });
        const Bench::Timing base = Bench::Time(n >= 100000 ? 5 : 9, [&] { sink += Baseline(path); });
        if (n == 10000)
            readMs10k = read.median() * 1e3;
        if (n == 100000)
            readMs100k = read.median() * 1e3;

        // Framed as the window frames it: the icon's size in layout units
        // depends on the area shown, so settle it in a few rounds.
        Area area;
        for (int k = 0; k < 3; ++k)
            area = ShownArea(FrameExtent(v.net, v.net.ElementCount,
                                         IconInLayout(area, QSizeF(image.size()), QSizeF(IconPixels, IconPixels))),
                             area);
        const Bench::Timing framed = Paint(v, area, image);
        // Zoomed in on the outlet: about 2,000 units each way.
        const Bench::Timing zoom = Paint(v, ShownArea(Extent{-500, -200, 1500, 1000}, area), image);
        std::printf("%d elements%s\n", n, sink == 42 ? " " : "");
        std::printf("  read + layout:        %s\n", read.text().c_str());
        std::printf("  same reading alone:   %s   read + layout %.1fx of it\n", base.text().c_str(),
                    read.median() / std::max(base.median(), 1e-9));
        std::printf("  view index:           %s\n", index.text().c_str());
        std::printf("  framed paint:         %s\n", framed.text().c_str());
        std::printf("  zoomed paint:         %s\n", zoom.text().c_str());
    }
    std::printf("picture fill alone: %s (1000 x 700 pixels)\n", fill.text().c_str());
    std::printf("100,000 / 10,000 read+layout: %.1f x (target: within 12 x)\n", readMs100k / std::max(readMs10k, 1e-6));
    std::printf("targets: read+layout of 10,000 under 100 ms, framed paint of 10,000 under 16 ms,\n"
                "zoomed paint about the same for every size\n");
    return 0;
}
