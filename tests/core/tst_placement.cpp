// Where windows open: the whole frame, title bar included, at the top-left
// corner of the screen's free area, at the first opening and at every later
// one; a window the user moves afterwards stays where it was put. Offscreen
// there are no frames; run-tests.sh runs this program once more under a real
// window manager, where the frame comes late and the manager places windows
// of its own accord.
#include "tests/network/NetworkDriver.h"

#include "core/WindowPlace.h"
#include "core/frmMain.h"
#include "plots/frmIO_Plots.h"
#include "plots/logic/PlotModel.h"
#include "sections/common/ValueGridPanel.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;
using namespace NetworkDriver;
using namespace Editglob;

namespace {

// Long enough for a window manager on a loaded machine; the waits end as soon
// as the frame is in place.
constexpr int FrameTimeout = 10000;

bool framedByWindowManager() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

QRect freeArea(const QWidget *w) { return w->screen()->availableGeometry(); }

// Waits until `w` is shown, framed by the window manager where there is one,
// and its place no longer kept by the program.
bool waitUntilSettled(QWidget *w)
{
    auto report = [w](const char *what) {
        qWarning() << what << w->objectName() << "visible" << w->isVisible() << "frame" << w->frameGeometry()
                   << "inner" << w->geometry();
        return false;
    };
    if (!QTest::qWaitForWindowExposed(w, FrameTimeout))
        return report("not exposed");
    if (framedByWindowManager()
        && !QTest::qWaitFor([w] { return w->frameGeometry() != w->geometry(); }, FrameTimeout))
        return report("not framed");
    if (!QTest::qWaitFor([w] { return !WindowPlace::IsSettling(w); }, FrameTimeout))
        return report("still being placed");
    return true;
}

// Fails the calling test unless the frame of `w`, title bar included, stands
// at the top-left corner of the free area.
#define EXPECT_AT_TOP_LEFT(w)                                                                                \
    do {                                                                                                     \
        QVERIFY2(waitUntilSettled(w), "the window was not shown and framed in time");                       \
        QCOMPARE((w)->frameGeometry().topLeft(), freeArea(w).topLeft());                                    \
    } while (false)

Plots::PlotRequest dimensionlessPlot()
{
    Plots::PlotRequest r = Plots::DimensionlessRequest({u"0"_s, u"0.6"_s, u"1"_s, u"0.3"_s, u"0"_s});
    r.FileName = u"/projects/run.inp"_s;
    r.FlowUnit = u"cfs"_s;
    return r;
}

QByteArray subAreaSection()
{
    return file({QByteArray("SUB-AREA:").leftJustified(40), at({{11, "SA1"}, {21, "R1"}, {41, "2."}}, 75),
                 at({{21, "SHEET"}, {31, "100."}, {41, ".01"}, {61, "F"}}, 70), ""});
}

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cleanupTestCase() { deleteWindows(); }
    void opensAtTopLeft_data();
    void opensAtTopLeft();
    void detailWindowsOverTheSubArea_data();
    void detailWindowsOverTheSubArea();
    void printPreviewAtTopLeft();
    void userMoveIsKept();
    void newUserHelpStaysInSight();

private:
    // Opens the window of case `which` as the program does and returns it.
    QWidget *openWindow(const QString &which);
    std::unique_ptr<ProgramFolder> folder_;
};

void TestPlacement::init()
{
    folder_ = std::make_unique<ProgramFolder>();
    folder_->installTools();
}

void TestPlacement::cleanup() { folder_.reset(); }

QWidget *TestPlacement::openWindow(const QString &which)
{
    if (which == QLatin1String("main")) {
        Globsubs::ShowForm(frmMain::instance());
        return frmMain::instance();
    }
    if (which == QLatin1String("plot, modal")) {
        SeriesPlot::Show(dimensionlessPlot());
        return Forms::instance<frmIO_Plots>();
    }
    if (which == QLatin1String("plot, modeless")) {
        Forms::instance<frmIO_Plots>()->ShowPlot(dimensionlessPlot(), false);
        return Forms::instance<frmIO_Plots>();
    }
    if (which == QLatin1String("frmFileDisp")) {
        SetFileName(folder_->file(u"Demo.inp"_s));
        ProgramFolder::writeBytes(folder_->file(u"Demo.out"_s), "Quorvale\r\npage\r\n");
        ViewFileIndex = 4;
    } else if (which == QLatin1String("frmTopoModel")) {
        SetFileName(folder_->file(u"Schematic.inp"_s));
    }
    Globsubs::ShowForm(which);
    return Forms::get(which);
}

void TestPlacement::opensAtTopLeft_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("main window") << u"main"_s;
    QTest::newRow("entry window") << u"frmQV31"_s;
    QTest::newRow("value grid window") << u"frmDimHyd"_s;
    QTest::newRow("record window") << u"frmStorm"_s;
    QTest::newRow("rating window") << u"frmXsect"_s;
    QTest::newRow("help window") << u"frmOverview"_s;
    QTest::newRow("viewer") << u"frmFileDisp"_s;
    QTest::newRow("graphics output") << u"frmGraphicsOutput"_s;
    QTest::newRow("plot window from an entry window") << u"plot, modal"_s;
    QTest::newRow("plot window from the chooser") << u"plot, modeless"_s;
    QTest::newRow("schematic") << u"frmTopoModel"_s;
}

// First opening, then the user moves the window away and opens it again: the
// opener puts it back.
void TestPlacement::opensAtTopLeft()
{
    QFETCH(QString, which);
    QWidget *w = openWindow(which);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    EXPECT_AT_TOP_LEFT(w);

    const QPoint away = freeArea(w).topLeft() + QPoint(60, 40);
    w->windowHandle()->setFramePosition(away);
    QTRY_COMPARE_WITH_TIMEOUT(w->frameGeometry().topLeft(), away, FrameTimeout);
    QCOMPARE(openWindow(which), w);
    EXPECT_AT_TOP_LEFT(w);

    // Closed and opened again: a new native window, framed anew.
    qobject_cast<QvForm *>(w)->unload();
    QVERIFY(!w->isVisible());
    QCOMPARE(openWindow(which), w);
    EXPECT_AT_TOP_LEFT(w);
}

void TestPlacement::detailWindowsOverTheSubArea_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("which");
    QTest::newRow("land use") << u"cmdSub_0"_s << u"frmLandUse"_s;
    QTest::newRow("time of concentration") << u"cmdSub_1"_s << u"frmTc"_s;
}

// The modal detail windows open over the sub-area window, at the same corner,
// and release the other windows when they close.
void TestPlacement::detailWindowsOverTheSubArea()
{
    QFETCH(QString, button);
    QFETCH(QString, which);
    ProgramFolder::writeBytes(folder_->tmp(SecSubArea), subAreaSection());
    QWidget *subArea = open(u"frmSubArea"_s);
    EXPECT_AT_TOP_LEFT(subArea);
    choose(subArea, 1, u"SA1"_s);
    click(control<QPushButton>(subArea, button));
    QvForm *detail = Forms::get(which);
    QVERIFY(detail && detail->isVisible());
    QVERIFY(detail->isModal());
    EXPECT_AT_TOP_LEFT(detail);
    // Closed, it leaves no modal state behind that would block every window.
    detail->close();
    QVERIFY(!detail->isVisible());
    QVERIFY(!QGuiApplication::modalWindow());
}

// The print preview of a plot opens at the corner too, over the plot window.
void TestPlacement::printPreviewAtTopLeft()
{
    Forms::instance<frmIO_Plots>()->ShowPlot(dimensionlessPlot(), false);
    QWidget *plot = Forms::instance<frmIO_Plots>();
    EXPECT_AT_TOP_LEFT(plot);

    // The real preview, looked at from inside its own event loop and closed.
    const Dialogs::Handler script = Dialogs::setHandler(nullptr);
    QRect frame, area;
    bool framed = false;
    QTimer::singleShot(0, this, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        framed = waitUntilSettled(preview);
        area = freeArea(preview);
        frame = preview->frameGeometry();
        preview->reject();
    });
    plot->findChild<QAction *>(u"Graphtools_Preview"_s)->trigger();
    Dialogs::setHandler(script);
    QVERIFY(framed);
    QCOMPARE(frame.topLeft(), area.topLeft());
}

// Once the window manager has framed a window and it stands at its place, a
// move by the user is not undone.
void TestPlacement::userMoveIsKept()
{
    QWidget *w = openWindow(u"frmQV31"_s);
    EXPECT_AT_TOP_LEFT(w);
    const QPoint away = freeArea(w).topLeft() + QPoint(90, 70);
    w->windowHandle()->setFramePosition(away);
    QTRY_COMPARE_WITH_TIMEOUT(w->frameGeometry().topLeft(), away, FrameTimeout);
    QVERIFY(!WindowPlace::IsSettling(w));
    QCoreApplication::processEvents();
    QCOMPARE(w->frameGeometry().topLeft(), away);
}

// "New User" opens three help windows at once: each one's frame, title bar
// included, stands on the free area, and no later window hides the title bar
// of an earlier one.
void TestPlacement::newUserHelpStaysInSight()
{
    frmMain::instance()->cmdHelp_Click();
    QList<QWidget *> windows;
    for (const char *name : {"frmGettingStarted", "frmHelpFac", "frmOverview"})
        windows << Forms::get(QString::fromLatin1(name));
    for (QWidget *w : windows)
        QVERIFY2(waitUntilSettled(w), "the window was not shown and framed in time");
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const QRect frame = windows[i]->frameGeometry();
        QVERIFY2(freeArea(windows[i]).contains(frame), qPrintable(windows[i]->objectName()));
        const QRect titleBar(frame.topLeft(), QSize(frame.width(), std::max(1, windows[i]->geometry().top() - frame.top())));
        for (qsizetype j = i + 1; j < windows.size(); ++j) {
            QVERIFY(windows[j]->frameGeometry().topLeft() != frame.topLeft());
            QVERIFY2(!windows[j]->frameGeometry().contains(titleBar),
                     qPrintable(windows[j]->objectName() + " hides " + windows[i]->objectName()));
        }
    }
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
