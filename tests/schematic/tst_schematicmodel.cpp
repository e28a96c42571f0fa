// The schematic's network reader, tree layout and view geometry, against
// hand-worked tables.
#include "schematic/logic/Network.h"
#include "schematic/logic/ViewGeometry.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace Schematic;

namespace {

QByteArray pad(QByteArray s, int width)
{
    if (s.size() < width)
        s.append(QByteArray(width - s.size(), ' '));
    return s;
}

// Record lines as the network windows write them.
QByteArray reach(const char *id, const char *receiver, const char *structure = "")
{
    return QByteArray(10, ' ') + pad(id, 10) + pad(receiver, 10) + pad("XS1", 10) + pad(structure, 10)
           + "5200.     4800.     YYNNNN";
}
QByteArray split(const char *to) { return QByteArray(20, ' ') + "SPLIT FLOW" + pad(to, 10) + "XS1       10.       "; }
QByteArray sub(const char *id, const char *receiver)
{
    return QByteArray(10, ' ') + pad(id, 10) + pad(receiver, 10) + "GAGE1     1.25      78.       1.1       YYNNN";
}
QByteArray detail(const char *keyword) { return QByteArray(20, ' ') + pad(keyword, 10) + "100.      0.02"; }
const QByteArray ReachHeader = pad("STREAM REACH:", 40);
const QByteArray SubHeader = pad("SUB-AREA:", 40);

QByteArray file(const QList<QByteArray> &lines, const char *end = "\r\n")
{
    QByteArray b;
    for (const QByteArray &l : lines)
        b += l + end;
    return b;
}

// "name:type:receiver" for every element, blank-separated.
QString elementsOf(const Network &net)
{
    QStringList out;
    for (int i = 1; i <= net.tableSize(); ++i) {
        const NetworkElement &e = net.Elements[std::size_t(i)];
        out << QStringLiteral("%1:%2:%3").arg(e.Name).arg(QLatin1Char(e.ElementType)).arg(e.ReceivingIndex);
    }
    return out.join(QLatin1Char(' '));
}

// "from>to" for every diversion.
QString diversionsOf(const Network &net)
{
    QStringList out;
    for (int k = 1; k <= net.DiversionCount; ++k) {
        const Diversion &d = net.Diversions[std::size_t(k)];
        out << QStringLiteral("%1>%2").arg(d.FromIndex).arg(d.ToIndex);
    }
    return out.join(QLatin1Char(' '));
}

// A network made directly: element 1 the outlet, then one element per entry,
// draining into the element of the given index (0 none).
Network tree(const QList<int> &receivers)
{
    Network net;
    net.Elements.assign(std::size_t(receivers.size()) + 2, NetworkElement());
    net.Elements[1].Name = QStringLiteral("OUTLET");
    net.Elements[1].ElementType = Outlet;
    for (int i = 0; i < receivers.size(); ++i) {
        NetworkElement &e = net.Elements[std::size_t(i) + 2];
        e.Name = QStringLiteral("E%1").arg(i + 2);
        e.ReceivingIndex = receivers[i];
    }
    net.ElementCount = net.ReachElementCount = int(receivers.size()) + 1;
    return net;
}

QString placesOf(const Network &net, int n)
{
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out << QStringLiteral("%1,%2").arg(net.Elements[std::size_t(i)].Left).arg(net.Elements[std::size_t(i)].Top);
    return out.join(QLatin1Char(' '));
}

bool near(const Extent &a, const Extent &b)
{
    const bool ok = std::abs(a.xMin - b.xMin) < 1e-6 && std::abs(a.yMin - b.yMin) < 1e-6
                    && std::abs(a.xMax - b.xMax) < 1e-6 && std::abs(a.yMax - b.yMax) < 1e-6;
    if (!ok)
        qWarning("extent %g %g %g %g", a.xMin, a.yMin, a.xMax, a.yMax);
    return ok;
}

} // namespace

Q_DECLARE_METATYPE(Schematic::Extent)
Q_DECLARE_METATYPE(Schematic::Area)

class TestSchematicModel : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void ambiguousReceiver();
    void loadError();
    void layout_data();
    void layout();
    void hiddenSubAreasLeaveNoGaps();
    void longChainAndCycles();
    void everyElementHasItsOwnPlace();
    void frameAndShownArea_data();
    void frameAndShownArea();
    void zoomPan_data();
    void zoomPan();
    void dragKeepsAnchorUnderMouse();
    void linksAndArrows_data();
    void linksAndArrows();
    void spatialIndexFindsWhatBruteForceFinds();
};

void TestSchematicModel::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QString>("diversions");
    QTest::addColumn<int>("reachCount"); // outlet included
    QTest::addColumn<int>("subCount");

    QTest::newRow("saved order") << file({pad("Quorvale: Version 1.0", 40), "", SubHeader, sub("S1", "R3"),
                                          detail("SHEET"), sub("S2", "outlet"), "", ReachHeader,
                                          reach("R1", "R2"), split("R3"), reach("R2", "OUTLET"),
                                          reach("R3", "r2", "DAM1"), "", pad("STORM ANALYSIS:", 40)})
                                 << "OUTLET:3:0 R1:1:3 R2:1:1 R3:2:3 S1:4:4 S2:4:1"
                                 << "2>4" << 4 << 2;
    QTest::newRow("sub-areas after the reaches are read")
        << file({ReachHeader, reach("R1", "OUTLET"), SubHeader, sub("S1", "R1"), "", pad("STORM ANALYSIS:", 40)})
        << "OUTLET:3:0 R1:1:1 S1:4:2" << "" << 2 << 1;
    QTest::newRow("sections run to the end, LF, no last line end")
        << QByteArray(SubHeader + "\n" + sub("S1", "R1") + "\n" + ReachHeader + "\n" + reach("R1", "OUTLET"))
        << "OUTLET:3:0 R1:1:1 S1:4:2" << "" << 2 << 1;
    QTest::newRow("empty lines do not end a section")
        << file({ReachHeader, reach("R1", "OUTLET"), "", "   ", reach("R2", "R1")}) << "OUTLET:3:0 R1:1:1 R2:1:2"
        << "" << 3 << 0;
    QTest::newRow("structure column of blanks is a channel")
        << file({ReachHeader, reach("R1", "OUTLET", "    "), reach("R2", "OUTLET", "D")})
        << "OUTLET:3:0 R1:1:1 R2:2:1" << "" << 3 << 0;
    QTest::newRow("split flows: before any reach, blank, unknown, to a sub-area")
        << file({SubHeader, sub("S1", "R1"), ReachHeader, split("R1"), reach("R1", "OUTLET"), split(""),
                 split("NOWHERE"), split("s1")})
        << "OUTLET:3:0 R1:1:1 S1:4:2" << "1>2 2>0 2>0 2>3" << 2 << 1;
    QTest::newRow("receivers: unknown, a sub-area, itself")
        << file({SubHeader, sub("S1", "R1"), sub("S2", "S1"), ReachHeader, reach("R1", "GHOST"),
                 reach("R2", "S1"), reach("R3", "R3")})
        << "OUTLET:3:0 R1:1:0 R2:1:0 R3:1:4 S1:4:2 S2:4:0" << "" << 4 << 2;
    QTest::newRow("same name twice, nobody drains to it")
        << file({ReachHeader, reach("R1", "OUTLET"), reach("R1", "OUTLET")}) << "OUTLET:3:0 R1:1:1 R1:1:1" << ""
        << 3 << 0;
    QTest::newRow("only split flows: nothing") << file({ReachHeader, split("R1"), split("R2")}) << "" << "" << 0 << 0;
    QTest::newRow("indented header is not a header")
        << file({" " + ReachHeader, reach("R1", "OUTLET")}) << "" << "" << 0 << 0;
    QTest::newRow("empty") << QByteArray() << "" << "" << 0 << 0;
}

void TestSchematicModel::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, elements);
    QFETCH(QString, diversions);
    QFETCH(int, reachCount);
    QFETCH(int, subCount);
    Network net;
    const ReadResult r = ReadNetwork(bytes, net);
    QCOMPARE(r.status, ReadStatus::Ok);
    QCOMPARE(elementsOf(net), elements);
    QCOMPARE(diversionsOf(net), diversions);
    QCOMPARE(net.ReachElementCount, reachCount);
    QCOMPARE(net.SubAreaElementCount, subCount);
    QCOMPARE(net.ElementCount, reachCount + subCount);
    QCOMPARE(net.tableSize(), net.ElementCount);
}

void TestSchematicModel::ambiguousReceiver()
{
    // A reach named OUTLET makes "drains to the outlet" ambiguous; the reader
    // stops at the first element that drains there.
    Network net;
    const ReadResult r = ReadNetwork(
        file({ReachHeader, reach("R1", "R2"), reach("Outlet", "R2"), reach("R2", "outlet"), reach("R3", "R2")}), net);
    QCOMPARE(r.status, ReadStatus::AmbiguousReceiver);
    QCOMPARE(r.name, QStringLiteral("outlet"));
}

void TestSchematicModel::loadError()
{
    QTemporaryDir dir;
    Network net;
    ReadNetwork(file({ReachHeader, reach("R1", "OUTLET"), split("R1")}), net);
    const ReadResult r = ReadNetworkFile(dir.filePath(QStringLiteral("missing.inp")), net);
    QCOMPARE(r.status, ReadStatus::LoadError);
    QCOMPARE(net.ElementCount + net.ReachElementCount + net.SubAreaElementCount + net.DiversionCount, 0);
    QCOMPARE(net.tableSize(), 0);
}

void TestSchematicModel::layout_data()
{
    QTest::addColumn<QList<int>>("receivers"); // of elements 2, 3, ...
    QTest::addColumn<QString>("places");       // Left,Top of elements 1, 2, ...

    // Outlet <- A (<- A1, A2), B.
    QTest::newRow("bands share out the leaves") << QList<int>{1, 2, 2, 1}
                                                << "500,800 450,600 400,400 500,400 600,600";
    QTest::newRow("children in element order") << QList<int>{1, 1} << "500,800 450,600 550,600";
    // Loose elements: columns of ten, a fifth of the tree's width apart,
    // spread over its height.
    QTest::newRow("loose beside a tree")
        << (QList<int>{1, 1, 2, 2} + QList<int>(11, 0))
        << "500,800 450,600 600,600 400,400 500,400 "
           "360,400 360,444.444 360,488.889 360,533.333 360,577.778 360,622.222 360,666.667 360,711.111 "
           "360,755.556 360,800 320,400";
    // Nothing drains to the outlet: the tree has neither width nor height,
    // so every loose element stands at the outlet's place.
    QTest::newRow("nothing connected") << QList<int>(11, 0)
                                       << "500,800 500,800 500,800 500,800 500,800 500,800 500,800 500,800 "
                                          "500,800 500,800 500,800 500,800";
    // A chain has no width: the loose elements stand in its own column,
    // spread over its height.
    QTest::newRow("chain and a loose element") << QList<int>{1, 2, 3, 0, 0}
                                               << "500,800 500,600 500,400 500,200 500,200 500,266.667";
    // Two elements draining into each other and one into itself.
    QTest::newRow("cycles stay outside the tree") << QList<int>{1, 4, 3, 5}
                                                  << "500,800 500,600 500,600 500,622.222 500,644.444";
}

void TestSchematicModel::layout()
{
    QFETCH(QList<int>, receivers);
    QFETCH(QString, places);
    Network net = tree(receivers);
    LayoutNetwork(net, net.ElementCount, 1);
    QCOMPARE(placesOf(net, net.ElementCount), places);
}

void TestSchematicModel::hiddenSubAreasLeaveNoGaps()
{
    Network net;
    ReadNetwork(file({SubHeader, sub("S1", "R1"), sub("S2", "R1"), ReachHeader, reach("R1", "OUTLET"),
                      reach("R2", "OUTLET")}),
                net);
    LayoutNetwork(net, net.ElementCount, 1);
    QCOMPARE(placesOf(net, 5), QStringLiteral("500,800 450,600 600,600 400,400 500,400"));
    LayoutNetwork(net, net.ReachElementCount, 1);
    QCOMPARE(placesOf(net, 3), QStringLiteral("500,800 450,600 550,600"));
    QCOMPARE(net.Elements[2].FirstChild, 0);
    LayoutNetwork(net, net.ElementCount, 1);
    QCOMPARE(placesOf(net, 5), QStringLiteral("500,800 450,600 600,600 400,400 500,400"));
}

void TestSchematicModel::longChainAndCycles()
{
    // A chain of 100,000 reaches, each draining into the one before, ending
    // in a ring that drains nowhere; the reader and the layout walk it
    // without recursion.
    const int chain = 100000;
    QByteArray bytes = ReachHeader + "\r\n";
    bytes += reach("R1", "OUTLET") + "\r\n";
    for (int i = 2; i <= chain; ++i)
        bytes += reach(QByteArray("R" + QByteArray::number(i)).constData(),
                       QByteArray("R" + QByteArray::number(i - 1)).constData())
                 + "\r\n";
    bytes += file({reach("X1", "X2"), reach("X2", "X1"), reach("X3", "X3")});
    Network net;
    QCOMPARE(ReadNetwork(bytes, net).status, ReadStatus::Ok);
    LayoutNetwork(net, net.ElementCount, 1);
    const NetworkElement &last = net.Elements[std::size_t(chain) + 1];
    QCOMPARE(last.Top, 800.0 - 200.0 * chain);
    QCOMPARE(last.Left, 500.0);
    QVERIFY(!net.Elements[std::size_t(chain) + 2].Placed);
    QCOMPARE(net.Elements[std::size_t(chain) + 2].Left, 500.0);
}

void TestSchematicModel::everyElementHasItsOwnPlace()
{
    for (quint32 seed = 1; seed <= 60; ++seed) {
        QRandomGenerator rng(seed);
        const int count = 1 + rng.bounded(300);
        QList<int> receivers;
        for (int i = 2; i <= count + 1; ++i) {
            const int pick = rng.bounded(10);
            // Mostly a tree, with loose elements, cycles and self-receivers.
            receivers << (pick < 6 ? 1 + rng.bounded(i - 1) : pick < 8 ? 0 : 1 + rng.bounded(count + 1));
        }
        Network net = tree(receivers);
        for (int k = 0; k < count / 4; ++k) {
            Diversion d;
            d.FromIndex = 1 + rng.bounded(count + 1);
            d.ToIndex = rng.bounded(count + 2);
            net.Diversions.push_back(d);
        }
        net.DiversionCount = int(net.Diversions.size()) - 1;
        const int shown = rng.bounded(2) ? net.ElementCount : 1 + rng.bounded(net.ElementCount);
        LayoutNetwork(net, shown, 1);
        QSet<QPair<double, double>> places;
        QSet<double> placedLefts, placedTops;
        for (int i = 1; i <= shown; ++i) {
            const NetworkElement &e = net.Elements[std::size_t(i)];
            QVERIFY2(std::isfinite(e.Left) && std::isfinite(e.Top), qPrintable(QString::number(seed)));
            places.insert({e.Left, e.Top});
            if (e.Placed) {
                placedLefts.insert(e.Left);
                placedTops.insert(e.Top);
            }
        }
        // Loose elements share places only with a tree that has no width or
        // no height to spread them over.
        if (placedLefts.size() > 1 && placedTops.size() > 1)
            QVERIFY2(places.size() == shown, qPrintable(QStringLiteral("seed %1").arg(seed)));
    }
}

void TestSchematicModel::frameAndShownArea_data()
{
    QTest::addColumn<QList<int>>("receivers");
    QTest::addColumn<QSizeF>("icon");
    QTest::addColumn<Extent>("extent");
    QTest::addColumn<Area>("area");

    // One small icon: the extent widens to 60 x 50, the area to 120 x 120.
    QTest::newRow("one icon") << QList<int>{} << QSizeF(32, 32) << Extent{486, 791, 546, 841}
                              << Area{456, 756, 576, 876};
    QTest::newRow("a tree") << QList<int>{1, 2, 2, 1} << QSizeF(32, 32) << Extent{400, 400, 632, 832}
                            << Area{376.8, 356.8, 655.2, 875};
    // 200 leaves: 20,000 units wide, shown whole.
    QTest::newRow("wide network") << QList<int>(200, 1) << QSizeF(10, 10) << Extent{-9450, 600, 10460, 810}
                                  << Area{-11441, 579, 12451, 831};
}

void TestSchematicModel::frameAndShownArea()
{
    QFETCH(QList<int>, receivers);
    QFETCH(QSizeF, icon);
    QFETCH(Extent, extent);
    QFETCH(Area, area);
    Network net = tree(receivers);
    LayoutNetwork(net, net.ElementCount, 1);
    const Extent x = FrameExtent(net, net.ElementCount, icon);
    QVERIFY(near(x, extent));
    const Area a = ShownArea(x, Area{});
    QVERIFY2(std::abs(a.left - area.left) < 1e-6 && std::abs(a.top - area.top) < 1e-6
                 && std::abs(a.right - area.right) < 1e-6 && std::abs(a.bottom - area.bottom) < 1e-6,
             qPrintable(QStringLiteral("%1 %2 %3 %4").arg(a.left).arg(a.top).arg(a.right).arg(a.bottom)));
}

void TestSchematicModel::zoomPan_data()
{
    QTest::addColumn<int>("direction"); // 0: pan
    QTest::addColumn<QPointF>("p1");
    QTest::addColumn<QPointF>("p2");
    QTest::addColumn<Extent>("expected");
    // From the extent 0,0 - 1000,500.
    QTest::newRow("click in") << 1 << QPointF(200, 100) << QPointF(200, 100) << Extent{-100, -50, 500, 250};
    QTest::newRow("click out") << 2 << QPointF(200, 100) << QPointF(200, 100) << Extent{-400, -200, 800, 400};
    QTest::newRow("thin band is a click") << 1 << QPointF(100, 100) << QPointF(400, 110)
                                          << Extent{-50, -45, 550, 255};
    QTest::newRow("band") << 1 << QPointF(100, 100) << QPointF(400, 300) << Extent{100, 100, 400, 300};
    QTest::newRow("band drawn backwards") << 1 << QPointF(400, 300) << QPointF(100, 100)
                                          << Extent{100, 100, 400, 300};
    QTest::newRow("band out") << 2 << QPointF(100, 100) << QPointF(400, 300) << Extent{-350, -100, 850, 500};
    QTest::newRow("pan") << 0 << QPointF(0, 0) << QPointF(100, 50) << Extent{-400, -200, 600, 300};
}

void TestSchematicModel::zoomPan()
{
    QFETCH(int, direction);
    QFETCH(QPointF, p1);
    QFETCH(QPointF, p2);
    QFETCH(Extent, expected);
    const Extent from{0, 0, 1000, 500};
    const Extent x = direction ? Zoom(from, p1, p2, static_cast<ZoomDirection>(direction)) : PanTo(from, p2);
    QVERIFY(near(x, expected));
}

void TestSchematicModel::dragKeepsAnchorUnderMouse()
{
    const QSizeF pixels(600, 400);
    Extent x{0, 0, 1000, 1000};
    Area area = ShownArea(x, Area{});
    const QPointF press(300, 200);
    const QPointF anchor = ToLayout(area, pixels, press);
    for (int step = 1; step <= 5; ++step) {
        const QPointF mouse = press + QPointF(7 * step, -3 * step);
        x = DragTo(x, anchor, ToLayout(area, pixels, mouse));
        area = ShownArea(x, area);
        const QPointF shown = ToPixels(area, pixels, anchor);
        QVERIFY2(std::abs(shown.x() - mouse.x()) < 0.01 && std::abs(shown.y() - mouse.y()) < 2,
                 qPrintable(QStringLiteral("step %1: %2,%3").arg(step).arg(shown.x()).arg(shown.y())));
    }
}

void TestSchematicModel::linksAndArrows_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<bool>("hasTarget");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QSizeF>("icon");
    QTest::addColumn<QLineF>("link");
    QTest::addColumn<QLineF>("shaft");
    QTest::addColumn<QList<QPointF>>("head");

    QTest::newRow("straight up") << QPointF(0, 400) << true << QPointF(0, 0) << QSizeF(10, 10)
                                 << QLineF(5, 409, 5, 0) << QLineF(6, 409, 6, 4)
                                 << QList<QPointF>{{6, 4}, {3.5, 4}, {6, 0}, {8.5, 4}, {6, 4}};
    // 5 x 0.9 = 4.5 rounds to 4 and 5 x 0.05 to 0 (halves to even).
    QTest::newRow("halves to even") << QPointF(0, 100) << true << QPointF(100, 104) << QSizeF(5, 5)
                                    << QLineF(2.5, 104, 102.5, 104) << QLineF(3, 104, 101, 104)
                                    << QList<QPointF>{{101, 104}, {101, 102.75}, {103, 104}, {101, 105.25},
                                                      {101, 104}};
    QTest::newRow("no target points left") << QPointF(100, 200) << false << QPointF() << QSizeF(10, 10)
                                           << QLineF() << QLineF(105, 209, 55, 209)
                                           << QList<QPointF>{{55, 209}, {55, 211.5}, {51, 209}, {55, 206.5},
                                                             {55, 209}};
    QTest::newRow("start on the tip: no head") << QPointF(0, 0) << true << QPointF(0, 9) << QSizeF(10, 10)
                                               << QLineF(5, 9, 5, 9) << QLineF(6, 9, 6, 9) << QList<QPointF>{};
}

void TestSchematicModel::linksAndArrows()
{
    QFETCH(QPointF, from);
    QFETCH(bool, hasTarget);
    QFETCH(QPointF, to);
    QFETCH(QSizeF, icon);
    QFETCH(QLineF, link);
    QFETCH(QLineF, shaft);
    QFETCH(QList<QPointF>, head);
    if (hasTarget)
        QCOMPARE(LinkLine(from, to, icon), link);
    const Arrow a = DiversionArrow(from, hasTarget ? &to : nullptr, icon);
    QCOMPARE(a.shaft, shaft);
    QCOMPARE(a.hasHead, !head.isEmpty());
    for (int k = 0; k < head.size(); ++k)
        QVERIFY2(std::abs(a.head[std::size_t(k)].x() - head[k].x()) < 1e-9
                     && std::abs(a.head[std::size_t(k)].y() - head[k].y()) < 1e-9,
                 qPrintable(QString::number(k)));
}

void TestSchematicModel::spatialIndexFindsWhatBruteForceFinds()
{
    QRandomGenerator rng(7);
    std::vector<SpatialIndex::Item> items;
    for (int i = 0; i < 5000; ++i) {
        const double x = rng.bounded(10000.0), y = rng.bounded(10000.0);
        const double w = rng.bounded(10) == 0 ? rng.bounded(5000.0) : 0;
        items.push_back({x, y, x + w, y + (w ? rng.bounded(300.0) : 0), SpatialIndex::Icon, i});
    }
    SpatialIndex index;
    index.build(items);
    for (int q = 0; q < 50; ++q) {
        const double x = rng.bounded(10000.0), y = rng.bounded(10000.0), s = rng.bounded(2000.0);
        std::vector<const SpatialIndex::Item *> found;
        index.query(x, y, x + s, y + s, found);
        QSet<int> got, want;
        for (const auto *f : found)
            got.insert(f->index);
        for (const auto &it : items)
            if (it.x1 <= x + s && it.x2 >= x && it.y1 <= y + s && it.y2 >= y)
                want.insert(it.index);
        QCOMPARE(got, want);
        QCOMPARE(int(found.size()), want.size());
    }
}

QTEST_GUILESS_MAIN(TestSchematicModel)
#include "tst_schematicmodel.moc"
