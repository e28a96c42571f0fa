// The schematic window: opening from the View menu, menus and tool bar, the
// legend and switches, mouse modes, messages, copy and print.
#include "DialogScript.h"
#include "ProgramFolder.h"

#include "core/frmMain.h"
#include "core/logic/Editglob.h"
#include "schematic/SchematicPainter.h"
#include "schematic/frmTopoModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QTest>
#include <QToolBar>

using namespace Schematic;
using Dialogs::Answer;

namespace {

frmTopoModel *form() { return Forms::instance<frmTopoModel>(); }
frmMain *mainWindow() { return frmMain::instance(); }
QAction *action(const QString &name) { return form()->findChild<QAction *>(name); }

QByteArray demoBytes()
{
    return ProgramFolder::readBytes(QStringLiteral(QV_RESOURCES_DIR "/demo/Schematic.inp"));
}

void activate()
{
    QEvent e(QEvent::WindowActivate);
    QCoreApplication::sendEvent(form(), &e);
}

// Opens the window as the View menu does; showing it activates it, which
// reads the file.
void show()
{
    Globsubs::ShowForm(QStringLiteral("frmTopoModel"));
    QCoreApplication::processEvents();
    if (!form()->isActiveWindow())
        activate();
}

// Opens the schematic on `bytes` as the saved input file, as the View menu does.
void openOn(const ProgramFolder &folder, const QByteArray &bytes)
{
    const QString path = folder.file(QStringLiteral("run.inp"));
    ProgramFolder::writeBytes(path, bytes);
    Editglob::SetFileName(path);
    show();
}

QPointF iconCentre(int i)
{
    const NetworkElement &e = form()->network().Elements[std::size_t(i)];
    return form()->toPixels(QPointF(e.Left, e.Top)) + QPointF(IconPixels / 2.0, IconPixels / 2.0);
}

QImage shown() { return form()->picture()->grab().toImage(); }

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *t : list)
        out << QString::fromLatin1(t);
    return out;
}

} // namespace

class TestSchematicWindow : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void viewMenuDrawsTheSavedNetwork();
    void menusAndToolBar();
    void legendAndSwitches();
    void legendCaptionsShowWhole_data();
    void legendCaptionsShowWhole();
    void modes_data();
    void modes();
    void mouseZoomPanDrag();
    void tooltips();
    void messagesOfTheReader();
    void untitledHidesTheWindow();
    void copy();
    void print();
};

void TestSchematicWindow::cleanup()
{
    if (Forms::get(QStringLiteral("frmTopoModel")))
        form()->unload();
}

void TestSchematicWindow::viewMenuDrawsTheSavedNetwork()
{
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = folder.file(QStringLiteral("run.inp"));
    ProgramFolder::writeBytes(path, demoBytes());
    Editglob::SetFileName(path);
    ProgramFolder::writeBytes(Editglob::TmpFile[8], "STREAM REACH:\r\n          R1\r\n");
    mainWindow()->Form_Activate();
    mainWindow()->findChild<QAction *>(QStringLiteral("mnuViewItem_0"))->trigger();
    QCoreApplication::processEvents();
    if (!form()->isActiveWindow())
        activate();
    QVERIFY(form()->isVisible());
    QCOMPARE(form()->windowTitle(), QStringLiteral("Quorvale Watershed Schematic"));
    const Network &net = form()->network();
    QCOMPARE(net.ReachElementCount, 23);
    QCOMPARE(net.SubAreaElementCount, 37);
    QCOMPARE(net.ElementCount, 60);
    QCOMPARE(net.DiversionCount, 3);
    // Every kind of element is there, and all of them are framed.
    QSet<char> kinds;
    const QRectF view(QPointF(0, 0), QSizeF(form()->picture()->size()));
    for (int i = 1; i <= net.ElementCount; ++i) {
        kinds.insert(net.Elements[std::size_t(i)].ElementType);
        QVERIFY2(view.contains(iconCentre(i)), qPrintable(net.Elements[std::size_t(i)].Name));
    }
    QCOMPARE(kinds.size(), 4);
    QCOMPARE(form()->OutletIndex(), 1);
    const QImage img = shown();
    QCOMPARE(img.pixelColor(2, 2), PictureBackground());
    QCOMPARE(img.pixelColor(iconCentre(1).toPoint()).name(), Picture(3).toImage().pixelColor(16, 16).name());
    // Closing the main window closes the schematic with it.
    QVERIFY(mainWindow()->close());
    QVERIFY(!form()->isLoaded());
}

void TestSchematicWindow::menusAndToolBar()
{
    ProgramFolder folder(true);
    DialogScript script;
    openOn(folder, demoBytes());
    const QList<QPair<const char *, const char *>> items = {
        {"mnuPrint", "&Print"}, {"mnuExit", "E&xit"}, {"mnuCopy", "&Copy"},
        {"mnuLegend", "L&egend"}, {"mnuLabels", "L&abels"}, {"mnuSubAreas", "&Sub-Areas"}};
    for (const auto &[name, text] : items)
        QCOMPARE(action(QString::fromLatin1(name))->text(), QString::fromLatin1(text));
    for (const auto &[name, text] : {std::pair{"mnuFile", "&File"}, {"mnuEdit", "&Edit"}, {"mnuView", "&View"}})
        QCOMPARE(form()->findChild<QMenu *>(QString::fromLatin1(name))->title(), QString::fromLatin1(text));
    QVERIFY(action(QStringLiteral("mnuSubAreas"))->isChecked());
    QVERIFY(!action(QStringLiteral("mnuLegend"))->isChecked());
    QVERIFY(!action(QStringLiteral("mnuLabels"))->isChecked());
    QStringList keys, tips;
    for (QAction *a : form()->findChild<QToolBar *>(QStringLiteral("GraphToolBar"))->actions()) {
        keys << a->objectName();
        tips << a->toolTip();
    }
    QCOMPARE(keys, texts({"Frame", "ZoomIn", "ZoomOut", "Drag", "Pan", "Pointer"}));
    QCOMPARE(tips, texts({"Frame", "Zoom In", "Zoom Out", "Drag", "Pan", "Pointer"}));
    action(QStringLiteral("mnuExit"))->trigger();
    QVERIFY(!form()->isLoaded());
}

void TestSchematicWindow::legendAndSwitches()
{
    ProgramFolder folder(true);
    DialogScript script;
    openOn(folder, demoBytes());
    form()->resize(1000, 700);
    auto legend = [] {
        QStringList out;
        for (int i = 0; i < 5; ++i) {
            auto *label = form()->findChild<QLabel *>(QStringLiteral("Label2_%1").arg(i));
            out << (label->isVisibleTo(form()) ? label->text() : QString());
        }
        return out;
    };
    QCOMPARE(legend(), QStringList(5, QString()));
    form()->SetZoomInMode();
    form()->GraphToolBar_ButtonClick(QStringLiteral("ZoomOut"));
    const Extent before = form()->extent();
    action(QStringLiteral("mnuLegend"))->trigger();
    QCOMPARE(legend(), texts({"  = Channel Reach", "  = Structure Reach", "  = Outlet", "  = Sub-Area",
                                    "  = Diversion"}));
    // The legend alone changes: the view and the mode stay.
    QCOMPARE(form()->extent(), before);
    QCOMPARE(form()->ZoomDirection(), 2);
    // No legend picture covers the next one or the text of its caption.
    auto legendReadable = [] {
        for (int i = 0; i < 5; ++i) {
            const QRect image = form()->findChild<QLabel *>(QStringLiteral("Image2_%1").arg(i))->geometry();
            const QLabel *label = form()->findChild<QLabel *>(QStringLiteral("Label2_%1").arg(i));
            if (image.x() + image.width() > label->x() + label->fontMetrics().horizontalAdvance(QStringLiteral("  ")))
                return false;
            if (i < 4
                && image.y() + image.height()
                       > form()->findChild<QLabel *>(QStringLiteral("Image2_%1").arg(i + 1))->y())
                return false;
        }
        return true;
    };
    QVERIFY(legendReadable());
    form()->resize(400, 700);
    QCOMPARE(legend(), texts({"  = Ch.Rch", "  = St.Rch", "  = Outlet", "  = Sub-Area", "  = Div."}));
    QVERIFY(legendReadable());
    form()->resize(480, 300);
    QVERIFY(legendReadable());
    form()->resize(400, 700);

    // Without sub-areas the reaches close up; labels rebuild and reframe.
    const double r110 = form()->network().Elements[3].Left;
    action(QStringLiteral("mnuSubAreas"))->trigger();
    QCOMPARE(form()->network().ElementCount, 23);
    QVERIFY(form()->network().Elements[3].Left != r110);
    const QImage without = shown();
    action(QStringLiteral("mnuSubAreas"))->trigger();
    QCOMPARE(form()->network().ElementCount, 60);
    QCOMPARE(form()->network().Elements[3].Left, r110);
    form()->SetPanMode();
    action(QStringLiteral("mnuLabels"))->trigger();
    QCOMPARE(form()->PanActive(), 0);
    QVERIFY(shown() != without);
}

void TestSchematicWindow::legendCaptionsShowWhole_data()
{
    QTest::addColumn<QSize>("size"); // empty: as the window opens
    QTest::addColumn<bool>("longCaptions");
    QTest::newRow("as opened: the long captions would not fit") << QSize() << false;
    QTest::newRow("wide") << QSize(1000, 700) << true;
    QTest::newRow("narrow") << QSize(400, 700) << false;
    QTest::newRow("very narrow") << QSize(150, 300) << false;
}

// Every caption ends inside the picture, and inside the part of it that Copy
// and Print take, and no legend picture covers its caption.
void TestSchematicWindow::legendCaptionsShowWhole()
{
    QFETCH(QSize, size);
    QFETCH(bool, longCaptions);
    ProgramFolder folder(true);
    DialogScript script;
    openOn(folder, demoBytes());
    if (size.isValid())
        form()->resize(size);
    action(QStringLiteral("mnuLegend"))->trigger();
    action(QStringLiteral("mnuCopy"))->trigger();
    const QImage copied = QApplication::clipboard()->image();
    QVERIFY(!copied.isNull());
    const int right = std::min(form()->picture()->width(), copied.width());
    const QStringList captions = longCaptions ? texts({"  = Channel Reach", "  = Structure Reach", "  = Outlet",
                                                       "  = Sub-Area", "  = Diversion"})
                                              : texts({"  = Ch.Rch", "  = St.Rch", "  = Outlet", "  = Sub-Area", "  = Div."});
    for (int i = 0; i < 5; ++i) {
        const QLabel *label = form()->findChild<QLabel *>(QStringLiteral("Label2_%1").arg(i));
        const QLabel *image = form()->findChild<QLabel *>(QStringLiteral("Image2_%1").arg(i));
        QVERIFY(label->isVisibleTo(form()));
        const QString caption = label->text();
        QCOMPARE(caption, captions.at(i));
        const int width = label->fontMetrics().horizontalAdvance(caption);
        QVERIFY2(label->width() >= width, qPrintable(caption));
        QVERIFY2(label->x() >= 0 && label->x() + width <= right, qPrintable(caption));
        QVERIFY2(image->geometry().right() < label->x() + label->fontMetrics().horizontalAdvance(QStringLiteral("  ")),
                 qPrintable(caption));
    }
}

void TestSchematicWindow::modes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("armedBefore");
    QTest::addColumn<QList<int>>("state"); // armed, zoom, pan, drag
    QTest::newRow("zoom in") << "ZoomIn" << false << QList<int>{1, 1, 0, 0};
    QTest::newRow("zoom out") << "ZoomOut" << false << QList<int>{1, 2, 0, 0};
    QTest::newRow("pan") << "Pan" << true << QList<int>{0, 0, 1, 0};
    QTest::newRow("drag keeps the band armed") << "Drag" << true << QList<int>{1, 0, 0, 1};
    QTest::newRow("drag keeps the band disarmed") << "Drag" << false << QList<int>{0, 0, 0, 1};
    QTest::newRow("pointer") << "Pointer" << true << QList<int>{0, 0, 0, 0};
    QTest::newRow("frame") << "Frame" << true << QList<int>{0, 0, 0, 0};
    QTest::newRow("other key") << "Zoom" << true << QList<int>{1, 1, 0, 0};
}

void TestSchematicWindow::modes()
{
    QFETCH(QString, key);
    QFETCH(bool, armedBefore);
    QFETCH(QList<int>, state);
    ProgramFolder folder(true);
    DialogScript script;
    openOn(folder, demoBytes());
    form()->SetZoomInMode(); // armed
    if (!armedBefore)
        form()->SetPointerMode();
    if (key == QLatin1String("Zoom"))
        form()->SetZoomInMode();
    form()->GraphToolBar_ButtonClick(key);
    QCOMPARE((QList<int>{form()->BandArmed() ? 1 : 0, form()->ZoomDirection(), form()->PanActive(),
                         form()->DragActive()}),
             state);
}

void TestSchematicWindow::mouseZoomPanDrag()
{
    ProgramFolder folder(true);
    DialogScript script;
    openOn(folder, demoBytes());
    TopoPicture *pic = form()->picture();
    const Extent framed = form()->extent();

    // A click in zoom-in mode: 0.6 times the size about the clicked point.
    form()->GraphToolBar_ButtonClick(QStringLiteral("ZoomIn"));
    const QPoint click(200, 150);
    const QPointF at = form()->toLayout(click);
    QTest::mouseClick(pic, Qt::LeftButton, {}, click);
    Extent x = form()->extent();
    QVERIFY(std::abs((x.xMax - x.xMin) - 0.6 * (framed.xMax - framed.xMin)) < 1e-6);
    QVERIFY(std::abs((x.xMin + x.xMax) / 2 - at.x()) < 1e-6);
    QVERIFY(form()->BandArmed());

    // A band drawn with the left button shows that band.
    const QPointF c1 = form()->toLayout(QPoint(100, 100)), c2 = form()->toLayout(QPoint(300, 250));
    QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(300, 250));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 180), pic->mapToGlobal(QPointF(200, 180)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pic, &move);
    QVERIFY(!form()->BandArmed());
    QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(100, 100));
    x = form()->extent();
    QVERIFY(std::abs(x.xMin - c1.x()) < 1e-6 && std::abs(x.yMax - c2.y()) < 1e-6);

    // Pan: the released point becomes the centre.
    form()->GraphToolBar_ButtonClick(QStringLiteral("Pan"));
    const QPointF target = form()->toLayout(QPoint(50, 60));
    QTest::mouseClick(pic, Qt::RightButton, {}, QPoint(50, 60));
    x = form()->extent();
    QVERIFY(std::abs((x.xMin + x.xMax) / 2 - target.x()) < 1e-6);

    // Drag: the outlet follows the mouse step by step, at its speed.
    form()->GraphToolBar_ButtonClick(QStringLiteral("Frame"));
    form()->GraphToolBar_ButtonClick(QStringLiteral("Drag"));
    const QPointF start = iconCentre(1);
    QTest::mousePress(pic, Qt::LeftButton, {}, start.toPoint());
    for (int step = 1; step <= 4; ++step) {
        const QPointF to = start + QPointF(-12 * step, -9 * step);
        QMouseEvent drag(QEvent::MouseMove, to, pic->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pic, &drag);
        const QPointF now = iconCentre(1);
        QVERIFY2(std::abs(now.x() - to.x()) < 1.5 && std::abs(now.y() - to.y()) < 1.5,
                 qPrintable(QStringLiteral("step %1: %2,%3").arg(step).arg(now.x()).arg(now.y())));
    }
    // Both buttons held: no drag.
    const Extent held = form()->extent();
    QMouseEvent both(QEvent::MouseMove, start, pic->mapToGlobal(start), Qt::NoButton,
                     Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pic, &both);
    QCOMPARE(form()->extent(), held);
    QTest::mouseRelease(pic, Qt::LeftButton, {}, start.toPoint());
}

void TestSchematicWindow::tooltips()
{
    ProgramFolder folder(true);
    DialogScript script;
    openOn(folder, demoBytes());
    const Network &net = form()->network();
    QCOMPARE(form()->toolTipAt(iconCentre(1)), QStringLiteral("OUTLET "));
    const int last = net.ElementCount;
    QCOMPARE(form()->toolTipAt(iconCentre(last)), net.Elements[std::size_t(last)].Name + QLatin1Char(' '));
    QCOMPARE(form()->toolTipAt(QPointF(1, 1)), QString());
}

void TestSchematicWindow::messagesOfTheReader()
{
    ProgramFolder folder(true);
    DialogScript script;
    // A file that cannot be read: one message, an empty schematic, and the
    // activation that follows closing the message reads nothing again.
    script.respond([](const Dialogs::Request &) {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(form(), &deactivate);
        return Dialogs::Response{Answer::OK, {}};
    });
    Editglob::SetFileName(folder.file(QStringLiteral("missing.inp")));
    show();
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Load File Error")});
    QVERIFY(script.asked().first().title.isEmpty());
    QCOMPARE(form()->network().ElementCount, 0);
    QCOMPARE(form()->network().DiversionCount, 0);
    activate();
    QCOMPARE(script.asked().size(), 1);
    // A later activation of its own reads again.
    script.answer(Answer::OK);
    activate();
    QCOMPARE(script.asked().size(), 2);

    // A reach named OUTLET: the reader cannot tell where the others drain.
    script.clear();
    script.answer(Answer::OK);
    QByteArray bytes = demoBytes();
    bytes.replace("          R160      R150", "          Outlet    R150");
    const QString path = folder.file(QStringLiteral("run.inp"));
    ProgramFolder::writeBytes(path, bytes);
    Editglob::SetFileName(path);
    activate();
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Element OUTLET occurs more than once in the list.")});
    QCOMPARE(script.asked().first().title, QStringLiteral("Plot Error"));
    QCOMPARE(script.asked().first().icon, Dialogs::Icon::Critical);
    QVERIFY(!form()->isLoaded());
}

void TestSchematicWindow::untitledHidesTheWindow()
{
    ProgramFolder folder(true);
    DialogScript script;
    Editglob::SetFileName(Editglob::UntitledName);
    show();
    QVERIFY(!form()->isVisible());
    QVERIFY(script.asked().isEmpty());
}

void TestSchematicWindow::copy()
{
    ProgramFolder folder(true);
    DialogScript script;
    openOn(folder, demoBytes());
    form()->resize(700, 500);
    form()->SetZoomInMode();
    const Extent x = form()->extent();
    const QImage before = shown();
    action(QStringLiteral("mnuCopy"))->trigger();
    const QImage img = QApplication::clipboard()->image();
    const QRect frame = form()->frameGeometry();
    QCOMPARE(img.size(), QSize(frame.width() - 17, frame.height() - 81));
    QCOMPARE(img.pixelColor(2, 2), QColor(Qt::white));
    QCOMPARE(img.pixelColor(iconCentre(1).toPoint()), before.pixelColor(iconCentre(1).toPoint()));
    // The window looks and acts as before.
    QCOMPARE(shown(), before);
    QCOMPARE(form()->extent(), x);
    QCOMPARE(form()->ZoomDirection(), 1);
    QVERIFY(script.asked().isEmpty());
}

void TestSchematicWindow::print()
{
    ProgramFolder folder(true);
    DialogScript script;
    openOn(folder, demoBytes());
    const QImage before = shown();
    QApplication::clipboard()->setText(QStringLiteral("the user's own"));

    const QString pdf = folder.file(QStringLiteral("page.pdf"));
    script.printToPdf(pdf);
    action(QStringLiteral("mnuPrint"))->trigger();
    QCOMPARE(script.asked().size(), 1);
    QCOMPARE(script.asked().first().kind, Dialogs::Kind::Print);
    QCOMPARE(script.asked().first().minPage, 1);
    QCOMPARE(script.asked().first().maxPage, 1);
    QVERIFY(QFile(pdf).size() > 1000);
    // Printing leaves the clipboard alone.
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("the user's own"));

    // Cancelled: nothing.
    script.clear();
    script.print(nullptr, false);
    action(QStringLiteral("mnuPrint"))->trigger();
    QCOMPARE(script.asked().size(), 1);

    // A printer that cannot start a page: the message, and the picture keeps
    // its own background.
    script.clear();
    script.printToPdf(folder.path() + QStringLiteral("/no/such/folder/page.pdf"));
    script.answer(Answer::OK);
    action(QStringLiteral("mnuPrint"))->trigger();
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Unable to print graph, check printer.")});
    QCOMPARE(script.asked().last().title, QStringLiteral("Printer Error"));
    QCOMPARE(script.asked().last().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(shown(), before);
}

QTEST_MAIN(TestSchematicWindow)
#include "tst_schematicwindow.moc"
