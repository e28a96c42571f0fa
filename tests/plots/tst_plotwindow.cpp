#include "DialogScript.h"
#include "ProgramFolder.h"

#include "plots/PlotPainter.h"
#include "plots/clsPrintDialog.h"
#include "plots/frmIO_Plots.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;

using namespace Plots;

namespace {

frmIO_Plots *window() { return Forms::instance<frmIO_Plots>(); }

template <class T = QWidget> T *control(const QString &name)
{
    return window()->findChild<T *>(name);
}

QAction *action(const QString &name) { return window()->findChild<QAction *>(name); }

PlotPicture *picture() { return control<PlotPicture>(QStringLiteral("Picture1")); }

QPoint pixel(double x, double y) { return QPoint(int(x / TwipsPerPixel), int(y / TwipsPerPixel)); }

QColor colorAt(const QImage &img, QPoint p) { return QColor(img.pixel(p)); }

PlotRequest outputRequest(int kind, const QList<std::vector<double>> &series)
{
    PlotRequest r;
    r.PlotKind = kind;
    r.PlotSeriesCount = int(series.size());
    r.PlotY.assign(std::size_t(series.size()) + 1, {0.0});
    for (int s = 1; s <= series.size(); ++s) {
        auto &y = r.PlotY[std::size_t(s)];
        y.insert(y.end(), series[s - 1].begin(), series[s - 1].end());
        r.setHeader(s, 1, QString());
        r.setHeader(s, 2, QStringLiteral("100YR"));
        r.setHeader(s, 3, QStringLiteral("LOC%1").arg(s));
        r.setHeader(s, 5, QStringLiteral("0"));
        r.setHeader(s, 6, QStringLiteral("1"));
        r.setHeader(s, 7, QString::number(series[s - 1].size()));
        if (kind == KindPeakFlow) {
            r.PlotX.resize(std::size_t(s) + 1, {0.0});
            for (std::size_t j = 0; j < series[s - 1].size(); ++j)
                r.PlotX[std::size_t(s)].push_back(double(j * 10 + s));
        }
    }
    r.FileName = QStringLiteral("/projects/run.inp");
    r.OutFlowUnit = QStringLiteral("cfs");
    return r;
}

PlotRequest requestForKind(int kind)
{
    PlotRequest r;
    switch (kind) {
    case 1: r = DimensionlessRequest({u"0"_s, u"0.6"_s, u"1"_s, u"0.3"_s, u"0"_s}); break;
    case 2: r = InputHydrographRequest(1, u"HYD1"_s, u"2"_s, u"0.5"_s, {u"10"_s, u"40"_s, u"30"_s, u"20"_s}); break;
    case 3: r = RainfallRequest(2, u"TYPE2"_s, u"1"_s, {u"0"_s, u"1"_s, u"2.5"_s, u"3"_s}); break;
    case 4:
        r = StructureRequest(1, u"DAM"_s, {{u"100"_s, u"0"_s, u"30"_s}, {u"102"_s, u"50"_s, u"60"_s}, {u"104"_s, u"90"_s, u"100"_s}});
        break;
    case 5:
        r = CrossSectionRequest(1, u"XS1"_s, {{u"100"_s, u"0"_s, u"30"_s, u"10"_s}, {u"102"_s, u"50"_s, u"60"_s, u"20"_s},
                                           {u"104"_s, u"90"_s, u"100"_s, u"40"_s}});
        break;
    case 6: r = outputRequest(6, {{10, 50, 20}, {5, 30, 60}}); break;
    case 7: r = outputRequest(7, {{10, 50, 20}, {5, 30}}); break;
    case 8:
        r = outputRequest(8, {{10, 50, 20, 5, 0}});
        r.setHeader(1, 8, QStringLiteral("D1"));
        r.setHeader(1, 16, QStringLiteral("1.5"));
        break;
    default: break;
    }
    r.FileName = QStringLiteral("/projects/run.inp");
    r.FlowUnit = QStringLiteral("cfs");
    r.LengthUnit = QStringLiteral("ft");
    r.VolumeUnit = QStringLiteral("ac ft");
    r.SmallAreaUnit = QStringLiteral("sq ft");
    return r;
}

void show(const PlotRequest &r, bool modal = false) { window()->ShowPlot(r, modal); }

void press(double x, double y) { QTest::mousePress(picture(), Qt::LeftButton, {}, pixel(x, y)); }
void move(double x, double y) { QTest::mouseMove(picture(), pixel(x, y)); }
void release(double x, double y) { QTest::mouseRelease(picture(), Qt::LeftButton, {}, pixel(x, y)); }

void zoomBox(double x0, double y0, double x1, double y1)
{
    action(QStringLiteral("zoomin"))->trigger();
    press(x0, y0);
    move((x0 + x1) / 2, (y0 + y1) / 2);
    move(x1, y1);
    release(x1, y1);
}

} // namespace

class TestPlotWindow : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void eachKindRenders_data();
    void eachKindRenders();
    void fileNameShowsWhole_data();
    void fileNameShowsWhole();
    void degenerateRequestShowsAxesOnly();
    void newRequestReplacesPlot();
    void modalShowing();
    void menuTogglesRedrawWithoutMovingAxes();
    void zoomBoxByMouse();
    void zoomBoxReachesTopBand();
    void zoomedSeriesStayInFrame_data();
    void zoomedSeriesStayInFrame();
    void markersOnTheFrameDrawnWhole();
    void clickWithoutMoveKeepsView();
    void pointerReadout();
    void toolbarButtons();
    void copyToClipboard();
    void saveAsBitmap();
    void saveAsAsksBeforeReplacing();
    void printToPdf();
    void printFailureIsReported();
    void printPreview();
    void printedGraphFillsPageWidth();
    void opensOnScreenAndClosesOnEscape();
    void printDialogPageRules();
    void printDialogConfirmAndCancel();
};

void TestPlotWindow::cleanup()
{
    if (window())
        window()->unload();
}

void TestPlotWindow::eachKindRenders_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("legends");
    QTest::addColumn<QString>("fileLabel");
    QTest::addColumn<QList<double>>("axes"); // x from, to, y from, to
    QTest::newRow("1") << 1 << "Dimensionless Unit Hydrograph" << QStringList() << "run.inp"
                       << QList<double>{0, 1, 0, 1};
    QTest::newRow("2") << 2 << "Input Hydrograph - HYD1" << QStringList() << "run.inp"
                       << QList<double>{2, 3.6, 10, 40};
    QTest::newRow("3") << 3 << "Rainfall Distribution - TYPE2" << QStringList() << "run.inp"
                       << QList<double>{0, 3, 0, 3};
    QTest::newRow("4") << 4 << u"Structure - DAM"_s << QStringList{u"F L O W (cfs)"_s, u"S T O R A G E (ac ft)"_s} << u"run.inp"_s
                       << QList<double>{100, 104, 0, 100};
    QTest::newRow("5") << 5 << "Cross Section - XS1"
                       << QStringList{u"F L O W (cfs)"_s, u"E N D   A R E A (sq ft)"_s, u"T O P   W I D T H (ft)"_s}
                       << "run.inp" << QList<double>{100, 104, 0, 100};
    QTest::newRow("6") << 6 << u"Hydrograph (Storm - 100YR)"_s << QStringList{u"LOC1"_s, u"LOC2"_s} << u"run.out"_s
                       << QList<double>{0, 2, 5, 60};
    QTest::newRow("7") << 7 << u"Peak Flow"_s << QStringList{u"LOC1"_s, u"LOC2"_s} << u"run.out"_s
                       << QList<double>{0, 22, 5, 50};
    QTest::newRow("8") << 8 << u"Time Analysis (Storm - 100YR)"_s << QStringList{u"LOC1"_s, u"D1 (15 cfs)"_s} << u"run.out"_s
                       << QList<double>{0, 4, 0, 50};
}

void TestPlotWindow::eachKindRenders()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QStringList, legends);
    QFETCH(QString, fileLabel);
    QFETCH(QList<double>, axes);
    show(requestForKind(kind));
    QVERIFY(window()->isVisible());
    QCOMPARE(window()->windowTitle(), QStringLiteral("Input / Output Plots"));
    QCOMPARE(control<QLabel>(u"Label1"_s)->text(), title);
    QCOMPARE(control<QLabel>(u"Label2"_s)->text(), fileLabel);
    QCOMPARE(control<QLabel>(u"Label4"_s)->text(), window()->setup().xLabel);
    QVERIFY(control<QLabel>(u"Label3"_s)->text().startsWith(QStringLiteral("D\n")) || kind >= 3);
    for (int i = 1; i <= MaxSeries; ++i) {
        QLabel *legend = control<QLabel>(QStringLiteral("Legend_%1").arg(i));
        QCOMPARE(legend->isVisibleTo(window()), i <= legends.size());
        if (i <= legends.size())
            QCOMPARE(legend->text(), legends.at(i - 1));
        // A line sample for each row that has one: series of multi-series plots, reference rows.
        const bool sample = kind == KindTimeAnalysis ? i == 2 : legends.size() > 1 && i <= legends.size() && kind != KindPeakFlow;
        QCOMPARE(control(QStringLiteral("legline_%1").arg(i))->isVisibleTo(window()), sample);
    }
    QCOMPARE(action(QStringLiteral("plotlines"))->isChecked(), kind != KindPeakFlow);

    // The axes: the data range widened to whole tick steps.
    const PlotSetup &s = window()->setup();
    const View &v = window()->view();
    const QList<double> shown{v.xMin, v.xMax, v.yMin, v.yMax};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(std::abs(shown[i] - axes[i]) < 1e-9, qPrintable(QString::number(shown[i])));

    // The pixels of series 1: its first line in its colour, or its first marker in black.
    const QImage img = picture()->grab().toImage();
    QCOMPARE(img.size(), QSize(425, 343));
    const Transform &t = window()->drawing().transform;
    const double x1 = s.X[std::size_t(s.xColumn[1])][1], y1 = s.Y[1][1];
    if (kind == KindPeakFlow) {
        QCOMPARE(colorAt(img, pixel(t.xToScreen(x1), t.yToScreen(y1))), QColor(Qt::black));
    } else {
        const double x2 = s.X[std::size_t(s.xColumn[1])][2], y2 = s.Y[1][2];
        const QPoint mid = pixel((t.xToScreen(x1) + t.xToScreen(x2)) / 2, (t.yToScreen(y1) + t.yToScreen(y2)) / 2);
        QCOMPARE(colorAt(img, mid), QColor(255, 0, 0));
    }
    // The frame's left edge is black; the empty band at the top right is white.
    QCOMPARE(colorAt(img, pixel(750, 30)), QColor(Qt::black));
    QCOMPARE(colorAt(img, pixel(6300, 60)), QColor(Qt::white));
}

void TestPlotWindow::fileNameShowsWhole_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::newRow("output file") << 6 << u"/projects/Demo3.inp"_s;
    QTest::newRow("long input file name") << 1 << u"/projects/North Branch Watershed 2.inp"_s;
}

// The file name under the graph stands whole inside it.
void TestPlotWindow::fileNameShowsWhole()
{
    QFETCH(int, kind);
    QFETCH(QString, file);
    PlotRequest r = requestForKind(kind);
    r.FileName = file;
    show(r);
    const QLabel *label = control<QLabel>(u"Label2"_s);
    QVERIFY(label->isVisible());
    QVERIFY2(control(u"Graph1"_s)->rect().contains(label->geometry()), qPrintable(label->text()));
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
}

void TestPlotWindow::degenerateRequestShowsAxesOnly()
{
    for (const PlotRequest &r : {InputHydrographRequest(1, u"H"_s, u"0"_s, u""_s, {u"1"_s, u"2"_s}), DimensionlessRequest({u"5"_s}),
                                 InputHydrographRequest(1, u"H"_s, u"0"_s, u"1"_s, {}), outputRequest(6, {{}})}) {
        show(r);
        QVERIFY(window()->drawing().ok);
        const QImage img = picture()->grab().toImage();
        QCOMPARE(colorAt(img, pixel(750, 30)), QColor(Qt::black));
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                QVERIFY(colorAt(img, {x, y}) != QColor(255, 0, 0));
    }
}

void TestPlotWindow::newRequestReplacesPlot()
{
    show(requestForKind(7));
    QVERIFY(!action(QStringLiteral("plotlines"))->isChecked());
    action(QStringLiteral("plotgrid"))->trigger();
    action(QStringLiteral("zoomin"))->trigger();
    QVERIFY(window()->zoomMode());
    PlotRequest three = outputRequest(6, {{1, 2}, {3, 4}, {5, 6}});
    show(three);
    QCOMPARE(control<QLabel>(u"Label1"_s)->text(), QStringLiteral("Hydrograph (Storm - 100YR)"));
    QVERIFY(control(u"Legend_3"_s)->isVisibleTo(window()));
    QVERIFY(action(QStringLiteral("plotlines"))->isChecked());
    QVERIFY(!action(QStringLiteral("plotgrid"))->isChecked());
    QVERIFY(!window()->zoomMode());

    show(requestForKind(2));
    QCOMPARE(control<QLabel>(u"Label1"_s)->text(), QStringLiteral("Input Hydrograph - HYD1"));
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(!control(QStringLiteral("Legend_%1").arg(i))->isVisibleTo(window()));
        QVERIFY(!control(QStringLiteral("legline_%1").arg(i))->isVisibleTo(window()));
    }
    QVERIFY(control<PlotPicture>(u"Picture2"_s)->commands().empty());
}

void TestPlotWindow::modalShowing()
{
    show(requestForKind(2), true);
    QCOMPARE(window()->windowModality(), Qt::ApplicationModal);
    // A request while it is shown keeps its modality and shows the new plot.
    show(requestForKind(3), false);
    QCOMPARE(window()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(control<QLabel>(u"Label1"_s)->text(), QStringLiteral("Rainfall Distribution - TYPE2"));
    action(QStringLiteral("menuexit"))->trigger();
    QVERIFY(!window()->isVisible());
    QVERIFY(!window()->isLoaded());
    show(requestForKind(2), false);
    QCOMPARE(window()->windowModality(), Qt::NonModal);
}

void TestPlotWindow::menuTogglesRedrawWithoutMovingAxes()
{
    PlotRequest r = InputHydrographRequest(1, u"H"_s, u"0"_s, u"1"_s, {u"-250"_s, u"-10"_s, u"-100"_s});
    show(r);
    const View first = window()->view();
    QCOMPARE(first.yMin, -280.0);
    QCOMPARE(first.yMax, 0.0);
    for (const char *name : {"plotgrid", "plotgrid", "plotpoints", "plotlines"}) {
        action(QString::fromLatin1(name))->trigger();
        QCOMPARE(window()->view(), first);
    }
    QVERIFY(!action(QStringLiteral("plotpoints"))->isChecked());
    QVERIFY(!action(QStringLiteral("plotlines"))->isChecked());
    int markers = 0;
    for (const DrawCmd &c : window()->drawing().plot)
        markers += c.type == DrawCmd::Marker;
    QCOMPARE(markers, 0);
}

void TestPlotWindow::zoomBoxByMouse()
{
    show(InputHydrographRequest(1, u"H"_s, u"0"_s, u"1"_s, {u"0"_s, u"100"_s, u"50"_s, u"20"_s, u"80"_s, u"10"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
    const View data = window()->view();
    action(QStringLiteral("zoomin"))->trigger();
    QVERIFY(window()->zoomMode());
    QCOMPARE(picture()->cursor().shape(), Qt::CrossCursor);
    press(1500, 3600);
    QCOMPARE(window()->dragState(), 1);
    move(2500, 2000);
    QCOMPARE(window()->dragState(), 2);
    QVERIFY(picture()->outlineShown());
    move(3600, 1200);
    release(3600, 1200);
    QVERIFY(!picture()->outlineShown());
    QVERIFY(!window()->zoomMode());
    QCOMPARE(window()->dragState(), 0);
    const View zoomed = window()->view();
    QVERIFY(zoomed.xMin > data.xMin && zoomed.xMax < data.xMax);
    QVERIFY(zoomed.yMin > data.yMin && zoomed.yMax < data.yMax);

    // The same box dragged the other way gives the same view.
    action(QStringLiteral("zoomout"))->trigger();
    QCOMPARE(window()->view(), data);
    zoomBox(3600, 1200, 1500, 3600);
    QCOMPARE(window()->view(), zoomed);

    // Press and move without Zoom In do nothing; Zoom Out returns to the data range.
    press(1000, 1000);
    move(2000, 2000);
    QCOMPARE(window()->dragState(), 0);
    QVERIFY(!picture()->outlineShown());
    action(QStringLiteral("zoomout"))->trigger();
    QCOMPARE(window()->view(), data);
}

void TestPlotWindow::zoomBoxReachesTopBand()
{
    // Data 0..100: the value 100 lies 232 twips below the top of the picture.
    show(InputHydrographRequest(1, u"H"_s, u"0"_s, u"1"_s, {u"0"_s, u"100"_s, u"50"_s, u"0"_s}));
    QCOMPARE(window()->view().yMax, 100.0);
    zoomBox(1500, 600, 3000, 240);
    QCOMPARE(window()->view().yMax, 100.0); // not 94: the release was not held 500 twips down
    QVERIFY(window()->view().yMin > 90);
}

void TestPlotWindow::zoomedSeriesStayInFrame_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("flows");
    QTest::addColumn<QRect>("box"); // twips
    QTest::newRow("peaks cut by every edge")
        << 2 << QStringList{u"0"_s, u"100"_s, u"50"_s, u"20"_s, u"80"_s, u"10"_s, u"0"_s} << QRect(QPoint(1500, 1200), QPoint(3600, 3600));
    QTest::newRow("level stretch entering from the left")
        << 2 << QStringList{u"0"_s, u"60"_s, u"60"_s, u"60"_s, u"60"_s, u"0"_s} << QRect(QPoint(2600, 100), QPoint(5000, 1500));
    QTest::newRow("markers next to the edges")
        << 2 << QStringList{u"0"_s, u"10"_s, u"20"_s, u"30"_s, u"40"_s, u"50"_s} << QRect(QPoint(2000, 2000), QPoint(4000, 3000));
    // The reference flow of 15 lies just below the view.
    QTest::newRow("time analysis reference line") << 8 << QStringList() << QRect(QPoint(1416, 2347), QPoint(3416, 3228));
}

// Lines are clipped to the frame: zoomed, they leave every pixel outside it
// as the axes alone leave it. Markers reach over the frame only around
// points whose centre lies inside it.
void TestPlotWindow::zoomedSeriesStayInFrame()
{
    QFETCH(int, kind);
    QFETCH(QStringList, flows);
    QFETCH(QRect, box);
    show(kind == KindTimeAnalysis ? requestForKind(kind) : InputHydrographRequest(1, u"H"_s, u"0"_s, u"1"_s, flows));
    const View data = window()->view();
    zoomBox(box.left(), box.bottom(), box.right(), box.top());
    QVERIFY(window()->view() != data);
    const QImage both = picture()->grab().toImage();
    action(QStringLiteral("plotpoints"))->trigger();
    const QImage lines = picture()->grab().toImage();
    action(QStringLiteral("plotlines"))->trigger();
    const QImage axes = picture()->grab().toImage();
    action(QStringLiteral("plotpoints"))->trigger();
    const QImage markers = picture()->grab().toImage();
    QCOMPARE(lines.size(), axes.size());

    const Frame frame = window()->drawing().transform.frame;
    // The pixels the frame's centre lines enclose or touch.
    const QRect inside = QRectF(QPointF(frame.leftMargin, 0) / TwipsPerPixel,
                                QPointF(frame.plotRight, frame.originY()) / TwipsPerPixel)
                             .toAlignedRect();
    // Around each marker drawn: its centre in the frame, edges included.
    QList<QRect> markerReach;
    for (const ScreenPoint &p : SeriesScreenPoints(window()->setup(), window()->drawing().transform, 1))
        if (frame.leftMargin <= p.x && p.x <= frame.plotRight && 0 <= p.y && p.y <= frame.originY())
            markerReach << QRect(pixel(p.x, p.y) - QPoint(6, 6), QSize(13, 13));
    auto nearMarker = [&](int x, int y) {
        return std::any_of(markerReach.begin(), markerReach.end(), [&](const QRect &r) { return r.contains(x, y); });
    };
    int seriesPixels = 0;
    for (int y = 0; y < axes.height(); ++y)
        for (int x = 0; x < axes.width(); ++x) {
            if (inside.contains(x, y)) {
                seriesPixels += both.pixel(x, y) != axes.pixel(x, y);
                continue;
            }
            QVERIFY2(lines.pixel(x, y) == axes.pixel(x, y), qPrintable(QStringLiteral("line at %1, %2").arg(x).arg(y)));
            QVERIFY2(markers.pixel(x, y) == axes.pixel(x, y) || nearMarker(x, y),
                     qPrintable(QStringLiteral("marker at %1, %2").arg(x).arg(y)));
            QVERIFY2(both.pixel(x, y) == markers.pixel(x, y), qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
        }
    QVERIFY(seriesPixels > 0);
}

// A marker whose centre lies on the frame is drawn whole: it reaches as far
// past its centre as a marker inside the frame does.
void TestPlotWindow::markersOnTheFrameDrawnWhole()
{
    // A first point on the Y axis, a zero flow on the X axis, a third inside.
    show(InputHydrographRequest(1, u"H"_s, u"0"_s, u"1"_s, {u"10"_s, u"0"_s, u"40"_s, u"25"_s}));
    action(QStringLiteral("plotlines"))->trigger();
    const QImage markers = picture()->grab().toImage();
    action(QStringLiteral("plotpoints"))->trigger();
    const QImage axes = picture()->grab().toImage();
    const Transform &t = window()->drawing().transform;
    QCOMPARE(t.xToScreen(0), float(t.frame.leftMargin));
    QCOMPARE(t.yToScreen(0), float(t.frame.originY()));

    // How far the marker at data point (x, y) paints left of and below its centre pixel.
    auto reach = [&](double x, double y) {
        const QPoint c = pixel(t.xToScreen(x), t.yToScreen(y));
        int left = 0, down = 0;
        for (int dy = -8; dy <= 8; ++dy)
            for (int dx = -8; dx <= 8; ++dx) {
                const QPoint p = c + QPoint(dx, dy);
                if (markers.valid(p) && markers.pixel(p) != axes.pixel(p)) {
                    left = std::max(left, -dx);
                    down = std::max(down, dy);
                }
            }
        return QPoint(left, down);
    };
    const QPoint whole = reach(2, 40);
    QVERIFY(whole.x() >= 3 && whole.y() >= 3);
    QCOMPARE(reach(0, 10).x(), whole.x());
    QCOMPARE(reach(1, 0).y(), whole.y());
}

void TestPlotWindow::clickWithoutMoveKeepsView()
{
    show(requestForKind(2));
    const View data = window()->view();
    action(QStringLiteral("zoomin"))->trigger();
    press(2000, 2000);
    release(2000, 2000);
    QCOMPARE(window()->view(), data);
    QVERIFY(!window()->zoomMode());
    // A box wholly in the empty band beyond the last tick keeps the view too.
    zoomBox(6250, 3000, 6350, 1000);
    QCOMPARE(window()->view(), data);
}

void TestPlotWindow::pointerReadout()
{
    show(InputHydrographRequest(1, u"H"_s, u"0"_s, u"1"_s, {u"10"_s, u"40"_s, u"25"_s}));
    const Transform &t = window()->drawing().transform;
    // The highest point lies in the top band (232 twips down); it still reads out.
    release(t.xToScreen(1), t.yToScreen(40));
    QCOMPARE(picture()->toolTip(), QStringLiteral(" 1,  40"));
    release(t.xToScreen(2) + 10, t.yToScreen(25) - 10);
    QCOMPARE(picture()->toolTip(), QStringLiteral(" 2,  25"));
    release(t.xToScreen(1.5), t.yToScreen(10));
    QCOMPARE(picture()->toolTip(), QString());
}

void TestPlotWindow::toolbarButtons()
{
    show(requestForKind(2));
    action(QStringLiteral("Graphtools_ZoomIn"))->trigger();
    QVERIFY(window()->zoomMode());
    action(QStringLiteral("Graphtools_Pointer"))->trigger();
    QVERIFY(!window()->zoomMode());
    window()->ToolbarButton(QStringLiteral("Unknown"));
    QVERIFY(!window()->zoomMode());
    QCOMPARE(window()->findChild<QToolBar *>(QStringLiteral("Graphtools"))->actions().size(), 7);
}

void TestPlotWindow::copyToClipboard()
{
    show(requestForKind(6));
    QApplication::clipboard()->clear();
    action(QStringLiteral("copy"))->trigger();
    const QImage img = QApplication::clipboard()->image();
    QVERIFY(!img.isNull());
    QCOMPARE(img.size(), QSize(631, 412));
}

void TestPlotWindow::saveAsBitmap()
{
    QTemporaryDir dir;
    show(requestForKind(4));
    DialogScript script;
    const QString name = dir.filePath(QStringLiteral("plot"));
    script.chooseFile(name);
    action(QStringLiteral("saveas"))->trigger();
    QCOMPARE(script.pending(), 0);
    QCOMPARE(script.asked().first().kind, Dialogs::Kind::SaveFile);
    QCOMPARE(script.asked().first().filter, QStringLiteral("All Files (*.*)|*.*|Bitmap Files (*.bmp)|*.bmp"));
    QCOMPARE(script.asked().first().filterIndex, 2);
    QFile file(name); // saved under exactly the name given
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
    file.close();
    QImage back(name, "BMP");
    QCOMPARE(back.size(), QSize(631, 412));

    script.cancelFile();
    const QString other = dir.filePath(QStringLiteral("other.bmp"));
    action(QStringLiteral("Graphtools_SaveAs"))->trigger();
    QVERIFY(!QFile::exists(other));

    // A file that cannot be written is reported.
    script.chooseFile(dir.filePath(QStringLiteral("missing/plot.bmp"))).answer(Dialogs::Answer::OK);
    action(QStringLiteral("saveas"))->trigger();
    QCOMPARE(script.messages().size(), 1);
}

// An existing file is replaced only after a Yes; No returns to the dialog,
// which offers the name chosen before.
void TestPlotWindow::saveAsAsksBeforeReplacing()
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("run.inp"));
    const QByteArray inputBytes = "STREAM REACH\r\n";
    ProgramFolder::writeBytes(input, inputBytes);
    const auto bytesOf = &ProgramFolder::readBytes;
    show(requestForKind(6));
    const QString question = QStringLiteral("run.inp already exists.\nDo you want to replace it?");

    DialogScript script;
    const QString picture = dir.filePath(QStringLiteral("plot.bmp"));
    script.chooseFile(input).answer(Dialogs::Answer::No).chooseFile(picture);
    action(QStringLiteral("saveas"))->trigger();
    QCOMPARE(script.pending(), 0);
    QCOMPARE(script.messages(), QStringList{question});
    QCOMPARE(script.asked().at(1).title, QStringLiteral("Save As"));
    QCOMPARE(script.asked().at(1).buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(script.asked().at(2).kind, Dialogs::Kind::SaveFile);
    QCOMPARE(script.asked().at(2).fileName, QFileInfo(input).absoluteFilePath());
    QCOMPARE(bytesOf(input), inputBytes);
    QCOMPARE(bytesOf(picture).left(2), QByteArray("BM"));

    // No, then Cancel: nothing is saved.
    script.clear();
    script.chooseFile(input).answer(Dialogs::Answer::No).cancelFile();
    action(QStringLiteral("Graphtools_SaveAs"))->trigger();
    QCOMPARE(script.pending(), 0);
    QCOMPARE(bytesOf(input), inputBytes);

    // Yes replaces it.
    script.clear();
    script.chooseFile(input).answer(Dialogs::Answer::Yes);
    action(QStringLiteral("saveas"))->trigger();
    QCOMPARE(script.pending(), 0);
    QCOMPARE(bytesOf(input).left(2), QByteArray("BM"));
}

void TestPlotWindow::printToPdf()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plot.pdf"));
    show(requestForKind(5));
    DialogScript script;
    script.printToPdf(pdf);
    action(QStringLiteral("print"))->trigger();
    QCOMPARE(script.asked().size(), 1);
    QCOMPARE(script.asked().first().kind, Dialogs::Kind::Print);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(4), QByteArray("%PDF"));
    QVERIFY(file.size() > 1000);
    // The print leaves the graph on the clipboard.
    QVERIFY(!QApplication::clipboard()->image().isNull());

    // A cancelled print dialog prints nothing.
    QFile::remove(pdf);
    script.print(nullptr, false);
    action(QStringLiteral("print"))->trigger();
    QVERIFY(!QFile::exists(pdf));
}

void TestPlotWindow::printFailureIsReported()
{
    QTemporaryDir dir;
    show(requestForKind(2));
    DialogScript script;
    const QString bad = dir.filePath(QStringLiteral("missing/plot.pdf"));
    script.printToPdf(bad).answer(Dialogs::Answer::OK);
    action(QStringLiteral("print"))->trigger();
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Unable to print graph, check printer.")});
    QCOMPARE(script.asked().last().title, QStringLiteral("Printer Error"));
    QCOMPARE(script.asked().last().icon, Dialogs::Icon::Exclamation);
    QVERIFY(window()->isVisible());
}

void TestPlotWindow::printPreview()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("preview.pdf"));
    show(requestForKind(8));
    DialogScript script;
    script.printToPdf(pdf);
    action(QStringLiteral("Graphtools_Preview"))->trigger();
    QCOMPARE(script.asked().size(), 1);
    QCOMPARE(script.asked().first().kind, Dialogs::Kind::PrintPreview);
    QCOMPARE(script.asked().first().title, QStringLiteral("Input / Output Plots Print "));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(4), QByteArray("%PDF"));
}

void TestPlotWindow::printedGraphFillsPageWidth()
{
    const QSizeF graph(631, 412);
    // A portrait page: the printable width, the graph's proportions.
    const QRectF portrait = PrintedGraphRect(graph, QSizeF(4000, 6000));
    QCOMPARE(portrait.topLeft(), QPointF(0, 0));
    QCOMPARE(portrait.width(), 4000.0);
    QVERIFY(qAbs(portrait.height() / portrait.width() - graph.height() / graph.width()) < 1e-9);
    // A page too short for the full width: the full height instead.
    const QRectF shortPage = PrintedGraphRect(graph, QSizeF(4000, 1000));
    QCOMPARE(shortPage.height(), 1000.0);
    QVERIFY(shortPage.width() < 4000.0);
}

// The whole frame opens at the top-left of the screen's free area, and a new
// request brings it back there after the user moved it (under a real window
// manager this is checked by tst_placement); Escape closes it.
void TestPlotWindow::opensOnScreenAndClosesOnEscape()
{
    show(requestForKind(2));
    const QRect area = window()->screen()->availableGeometry();
    QCOMPARE(window()->frameGeometry().topLeft(), area.topLeft());
    window()->move(area.left() + 40, area.top() + 30);
    show(requestForKind(3));
    QCOMPARE(window()->frameGeometry().topLeft(), area.topLeft());

    QApplication::setActiveWindow(window());
    QVERIFY(QTest::qWaitForWindowActive(window()));
    QTest::keyClick(window(), Qt::Key_Escape);
    QVERIFY(!window()->isLoaded());
    QVERIFY(!window()->isVisible());
}

void TestPlotWindow::printDialogPageRules()
{
    clsPrintDialog d;
    QCOMPARE(d.Min() + d.FromPage() + d.ToPage() + d.max(), 0);
    QVERIFY(!d.CancelError);
    QCOMPARE(d.flags, 0);
    d.setMin(1);
    QCOMPARE(d.Min(), qint16(1));
    QCOMPARE(d.FromPage(), qint16(1));
    QCOMPARE(d.ToPage(), qint16(1));
    QCOMPARE(d.max(), qint16(1));

    clsPrintDialog e;
    e.setMin(5);
    e.setMax(0);
    QCOMPARE(e.Min() + e.FromPage() + e.ToPage() + e.max(), 0);
    e.setFromPage(-3);
    QCOMPARE(e.FromPage(), qint16(0));

    clsPrintDialog f;
    f.setMax(10);
    f.setToPage(7);
    f.setFromPage(8); // raises ToPage
    QCOMPARE(f.ToPage(), qint16(8));
    f.setToPage(2); // lowers FromPage
    QCOMPARE(f.FromPage(), qint16(2));
    f.setMin(3);
    QCOMPARE(f.FromPage(), qint16(3));
    QCOMPARE(f.ToPage(), qint16(3));
    QCOMPARE(f.max(), qint16(10));
}

void TestPlotWindow::printDialogConfirmAndCancel()
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/tmp/unused.pdf"));
    printer.setCopyCount(1);
    clsPrintDialog d;
    d.CancelError = true;
    d.setMin(1);
    d.setMax(9);
    DialogScript script;
    script.print([](QPrinter *p) {
        p->setCopyCount(3);
        p->setPrintRange(QPrinter::PageRange);
        p->setFromTo(2, 4);
    });
    QVERIFY(d.ShowPrinter(&printer));
    QCOMPARE(script.asked().first().minPage, 1);
    QCOMPARE(script.asked().first().maxPage, 9);
    QCOMPARE(d.FromPage(), qint16(2));
    QCOMPARE(d.ToPage(), qint16(4));
    QCOMPARE(d.flags, 2);
    QCOMPARE(printer.copyCount(), 3);

    // Cancelled: neither the printer nor the page range nor the flags change.
    script.print([](QPrinter *p) {
        p->setCopyCount(7);
        p->setOutputFileName(QStringLiteral("/tmp/other.pdf"));
        p->setFromTo(5, 6);
    }, false);
    QVERIFY(!d.ShowPrinter(&printer));
    QCOMPARE(printer.copyCount(), 3);
    QCOMPARE(printer.outputFileName(), QStringLiteral("/tmp/unused.pdf"));
    QCOMPARE(d.FromPage(), qint16(2));
    QCOMPARE(d.ToPage(), qint16(4));
    QCOMPARE(d.flags, 2);

    // The flags choose the range the dialog opens with.
    d.flags = 1;
    QPrinter::PrintRange seen = QPrinter::AllPages;
    script.respond([&seen](const Dialogs::Request &r) {
        seen = r.printer->printRange();
        return Dialogs::Response{Dialogs::Answer::OK, {}};
    });
    QVERIFY(d.ShowPrinter(&printer));
    QCOMPARE(seen, QPrinter::Selection);
    QCOMPARE(d.flags, 1);
}

QTEST_MAIN(TestPlotWindow)
#include "tst_plotwindow.moc"
