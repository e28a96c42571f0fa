#include "plots/frmIO_Plots.h"

#include "core/ProjectEvents.h"
#include "core/WindowPlace.h"

#include "core/logic/Dialogs.h"
#include "core/logic/FileNames.h"
#include "plots/PlotPainter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QToolBar>

using namespace Plots;

QV_REGISTER_FORM(frmIO_Plots)

namespace {

int px(double twips) { return int(std::lround(twips / TwipsPerPixel)); }

constexpr int GraphWidth = 9460, GraphHeight = 6180;
constexpr int PictureWidth = 6372, PictureHeight = 5148;
constexpr int YLabelCentre = 3120;
constexpr int FileLabelLeft = 8760, LabelsTop = 5640;

// Toolbar pictures, drawn here so the window needs no image files.
QIcon toolIcon(const QString &key)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QPen(Qt::black, 1));
    if (key == QLatin1String("SaveAs")) {
        p.setBrush(QColor(0, 0, 128));
        p.drawRect(2, 2, 11, 11);
        p.fillRect(5, 3, 6, 4, Qt::white);
    } else if (key == QLatin1String("Preview")) {
        p.setBrush(Qt::white);
        p.drawRect(2, 1, 9, 12);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(7, 7, 6, 6);
        p.drawLine(12, 12, 15, 15);
    } else if (key == QLatin1String("Print")) {
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 6);
        p.setBrush(Qt::gray);
        p.drawRect(1, 7, 13, 6);
    } else if (key == QLatin1String("Copy")) {
        p.setBrush(Qt::white);
        p.drawRect(1, 1, 8, 10);
        p.drawRect(6, 5, 8, 10);
    } else if (key == QLatin1String("ZoomIn") || key == QLatin1String("ZoomOut")) {
        p.setBrush(Qt::white);
        p.drawEllipse(1, 1, 10, 10);
        p.drawLine(10, 10, 15, 15);
        p.drawLine(4, 6, 8, 6);
        if (key == QLatin1String("ZoomIn"))
            p.drawLine(6, 4, 6, 8);
    } else if (key == QLatin1String("Pointer")) {
        p.setBrush(Qt::white);
        const QPoint arrow[] = {{3, 1}, {3, 13}, {6, 10}, {9, 15}, {11, 14}, {8, 9}, {12, 9}};
        p.drawPolygon(arrow, 7);
    }
    return QIcon(pm);
}

QLabel *pageLabel(QWidget *parent, const QString &name, int left, int top, const QFont &font)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(font);
    l->move(px(left), px(top));
    return l;
}

} // namespace

namespace Plots {

PlotPicture::PlotPicture(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotPicture::setCommands(Commands commands)
{
    commands_ = std::move(commands);
    dirty_ = true;
    update();
}

void PlotPicture::setOutline(bool shown, double x0, double y0, double x1, double y1)
{
    outline_ = shown;
    ox0_ = x0;
    oy0_ = y0;
    ox1_ = x1;
    oy1_ = y1;
    update();
}

void PlotPicture::render()
{
    cache_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    cache_.fill(Qt::white);
    QPainter p(&cache_);
    PaintCommands(p, commands_, SmallFont());
    dirty_ = false;
}

void PlotPicture::paintEvent(QPaintEvent *)
{
    if (dirty_ || cache_.size() != size())
        render();
    QPainter p(this);
    p.drawImage(0, 0, cache_);
    if (outline_) {
        constexpr qreal k = 1.0 / TwipsPerPixel;
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(QPointF(ox0_ * k, oy0_ * k), QPointF(ox1_ * k, oy1_ * k)).normalized());
    }
}

void PlotPicture::resizeEvent(QResizeEvent *) { dirty_ = true; }

void PlotPicture::mousePressEvent(QMouseEvent *e)
{
    if (onPress)
        onPress(e->position().x() * TwipsPerPixel, e->position().y() * TwipsPerPixel);
}

void PlotPicture::mouseMoveEvent(QMouseEvent *e)
{
    if (onMove)
        onMove(e->position().x() * TwipsPerPixel, e->position().y() * TwipsPerPixel);
}

void PlotPicture::mouseReleaseEvent(QMouseEvent *e)
{
    if (onRelease)
        onRelease(e->position().x() * TwipsPerPixel, e->position().y() * TwipsPerPixel);
}

} // namespace Plots

frmIO_Plots::frmIO_Plots()
{
    setWindowTitle(QStringLiteral("Input / Output Plots"));
    connect(&ProjectEvents::instance(), &ProjectEvents::outputsChanged, this, &frmIO_Plots::FollowOutputs);

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    menuAction(file, QStringLiteral("saveas"), QStringLiteral("&Save As"), [this] { SaveAs(); });
    menuAction(file, QStringLiteral("preview"), QStringLiteral("&Print Preview"), [this] { PrintPlot(2); });
    menuAction(file, QStringLiteral("print"), QStringLiteral("P&rint"), [this] { PrintPlot(1); });
    menuAction(file, QStringLiteral("menuexit"), QStringLiteral("E&xit"), [this] { unload(); });

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    menuAction(edit, QStringLiteral("copy"), QStringLiteral("&Copy"), [this] { CopyPictureToClipboard(); });
    menuAction(edit, QStringLiteral("zoomin"), QStringLiteral("&Zoom In"), [this] { ZoomIn(); });
    menuAction(edit, QStringLiteral("zoomout"), QStringLiteral("Zoom &Out"), [this] { ZoomOut(); });
    menuAction(edit, QStringLiteral("Pointer"), QStringLiteral("&Pointer"), [this] { PointerMode(); });
    edit->addSeparator();
    actPoints_ = menuAction(edit, QStringLiteral("plotpoints"), QStringLiteral("Plot Points"), [this] { Draw(); });
    actLines_ = menuAction(edit, QStringLiteral("plotlines"), QStringLiteral("Plot Lines"), [this] { Draw(); });
    actGrid_ = menuAction(edit, QStringLiteral("plotgrid"), QStringLiteral("Plot Grid"), [this] { Draw(); });
    for (QAction *a : {actPoints_, actLines_, actGrid_})
        a->setCheckable(true);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    menuAction(help, QStringLiteral("contents"), QStringLiteral("&Contents"), [] {});
    menuAction(help, QStringLiteral("index"), QStringLiteral("&Index"), [] {});
    menuAction(help, QStringLiteral("about"), QStringLiteral("&About"), [] {});

    // Escape closes the window, as its Exit item does.
    auto *escape = new QAction(this);
    escape->setObjectName(QStringLiteral("closeOnEscape"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    addAction(escape);
    connect(escape, &QAction::triggered, this, [this] { unload(); });

    toolbar_ = addToolBar(QStringLiteral("Graphtools"));
    toolbar_->setObjectName(QStringLiteral("Graphtools"));
    toolbar_->setMovable(false);
    static const char *const keys[] = {"SaveAs", "Preview", "Print", "Copy", "ZoomIn", "ZoomOut", "Pointer"};
    for (const char *k : keys) {
        const QString key = QString::fromLatin1(k);
        QAction *a = toolbar_->addAction(toolIcon(key), key);
        a->setObjectName(QStringLiteral("Graphtools_") + key);
        connect(a, &QAction::triggered, this, [this, key] { ToolbarButton(key); });
    }
}

QAction *frmIO_Plots::menuAction(QMenu *menu, const QString &name, const QString &text, std::function<void()> fn)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [fn] { fn(); });
    return a;
}

void frmIO_Plots::buildControls(QWidget *central)
{
    const QFont small = SmallFont();
    QFont titleFont(QStringLiteral("Comic Sans MS"));
    titleFont.setPixelSize(18);
    titleFont.setBold(true);

    central->setFixedSize(px(GraphWidth), px(GraphHeight));
    auto *graph = new QWidget(central);
    graph->setObjectName(QStringLiteral("Graph1"));
    graph->setGeometry(0, 0, px(GraphWidth), px(GraphHeight));
    graph->setAutoFillBackground(true);
    QPalette pal = graph->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    graph->setPalette(pal);
    graph_ = graph;

    label1_ = pageLabel(graph, QStringLiteral("Label1"), 4200, 0, titleFont);
    label2_ = pageLabel(graph, QStringLiteral("Label2"), FileLabelLeft, LabelsTop, small);
    label3_ = pageLabel(graph, QStringLiteral("Label3"), 0, YLabelCentre, small);
    label4_ = pageLabel(graph, QStringLiteral("Label4"), 3600, LabelsTop, small);

    auto *picture = new PlotPicture(graph);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(px(600), px(480), px(PictureWidth), px(PictureHeight));
    picture->onPress = [this](double x, double y) { MouseDown(x, y); };
    picture->onMove = [this](double x, double y) { MouseMove(x, y); };
    picture->onRelease = [this](double x, double y) { MouseUp(x, y); };
    picture1_ = picture;

    auto *strip = new PlotPicture(graph);
    strip->setObjectName(QStringLiteral("Picture2"));
    strip->setGeometry(px(7340), px(600), px(220), px(4215));
    picture2_ = strip;

    for (int i = 1; i <= MaxSeries; ++i) {
        const int y = 720 + 360 * (i - 1);
        auto *line = new QWidget(graph);
        line->setObjectName(QStringLiteral("legline_%1").arg(i));
        line->setGeometry(px(6960), px(y) - 2, px(7300 - 6960), 4);
        line->setAutoFillBackground(true);
        line->hide();
        legline_[std::size_t(i)] = line;
        QLabel *text = pageLabel(graph, QStringLiteral("Legend_%1").arg(i), 7570, 600 + 360 * (i - 1), small);
        text->hide();
        legendLabel_[std::size_t(i)] = text;
    }
}

void frmIO_Plots::Form_Load()
{
    WindowPlace::AtTopLeft(this);
    resetDesignState();
    SetupPlot();
}

void frmIO_Plots::resetDesignState()
{
    for (int i = 1; i <= MaxSeries; ++i) {
        if (legline_[std::size_t(i)])
            legline_[std::size_t(i)]->hide();
        if (legendLabel_[std::size_t(i)])
            legendLabel_[std::size_t(i)]->hide();
    }
    actLines_->setChecked(request_.PlotKind != KindPeakFlow);
    actPoints_->setChecked(true);
    actGrid_->setChecked(false);
    ZoomMode = false;
    DragState = 0;
    if (picture1_) {
        picture1_->unsetCursor();
        picture1_->setToolTip(QString());
        picture1_->setOutline(false);
    }
}

void frmIO_Plots::ShowPlot(const PlotRequest &request, bool modal)
{
    request_ = request;
    outputSource_.reset();
    if (isLoaded()) {
        resetDesignState();
        SetupPlot();
    }
    if (!isVisible())
        setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    Globsubs::ShowForm(this);
}

void frmIO_Plots::ShowOutputPlot(const PlotRequest &request, const OutputPlotSource &source)
{
    ShowPlot(request, false);
    outputSource_ = source;
}

void frmIO_Plots::FollowOutputs(const QString &inputFile)
{
    if (!isLoaded() || !outputSource_)
        return;
    const QString printedPage = Run_Save_Open::StripExtension(inputFile) + QStringLiteral("out");
    if (QFileInfo(printedPage).absoluteFilePath() != QFileInfo(outputSource_->printedPage).absoluteFilePath())
        return;
    // Set up as "Display" would set it up now; left as it was, the plot would
    // pass for the new results under the same file name.
    OutputRequest completed;
    const std::optional<PlotRequest> plot = ReadOutputPlot(*outputSource_, completed);
    if (!plot) {
        unload();
        return;
    }
    request_ = *plot;
    resetDesignState();
    SetupPlot();
}

void frmIO_Plots::SetupPlot()
{
    setup_ = Plots::SetupPlot(request_);
    legend_ = LegendState{};
    legend_.text = setup_.legend;
    legend_.textVisible = setup_.legendVisible;
    if (!label1_)
        return;
    label1_->setText(setup_.title);
    label1_->adjustSize();
    label2_->setText(setup_.fileLabel);
    label2_->adjustSize();
    // A longer name moves left rather than running off the graph's edge.
    label2_->move(std::max(0, std::min(px(FileLabelLeft), graph_->width() - label2_->width())), px(LabelsTop));
    label4_->setText(setup_.xLabel);
    label4_->adjustSize();
    QString vertical = setup_.yLabel;
    vertical.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label3_->setText(vertical);
    label3_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label3_->adjustSize();
    label3_->move(0, px(YLabelCentre) - label3_->height() / 2);
    view_ = {setup_.dataXMin, setup_.dataXMax, setup_.dataYMin, setup_.dataYMax};
    Draw();
}

bool frmIO_Plots::Draw()
{
    DrawOptions options;
    options.points = actPoints_->isChecked();
    options.lines = actLines_->isChecked();
    options.grid = actGrid_->isChecked();
    const QFontMetricsF metrics(SmallFont());
    options.textWidth = [metrics](const QString &text) { return metrics.horizontalAdvance(text) * TwipsPerPixel; };
    View shown = view_;
    Drawing d = Plots::Draw(setup_, shown, options, legend_);
    if (!d.ok)
        return false; // the view could not be scaled: the picture stays as it was
    drawing_ = std::move(d);
    if (picture1_)
        picture1_->setCommands(drawing_.plot);
    if (picture2_)
        picture2_->setCommands(drawing_.strip);
    applyLegend();
    return true;
}

void frmIO_Plots::applyLegend()
{
    for (int i = 1; i <= MaxSeries; ++i) {
        const std::size_t k = std::size_t(i);
        if (QLabel *text = legendLabel_[k]) {
            text->setText(legend_.text[k]);
            text->adjustSize();
            text->setVisible(legend_.textVisible[k]);
        }
        if (QWidget *line = legline_[k]) {
            QPalette pal = line->palette();
            pal.setColor(QPalette::Window, QColor(legend_.lineColor[k].r, legend_.lineColor[k].g, legend_.lineColor[k].b));
            line->setPalette(pal);
            line->setVisible(legend_.lineVisible[k]);
        }
    }
}

void frmIO_Plots::ZoomIn()
{
    ZoomMode = true;
    if (picture1_)
        picture1_->setCursor(Qt::CrossCursor);
}

void frmIO_Plots::PointerMode()
{
    if (picture1_)
        picture1_->unsetCursor();
    ZoomMode = false;
}

void frmIO_Plots::ZoomOut()
{
    ZoomMode = false;
    const View data{setup_.dataXMin, setup_.dataXMax, setup_.dataYMin, setup_.dataYMax};
    auto same = [](double a, double b) { return float(a) == float(b); };
    if (!same(view_.xMin, data.xMin) || !same(view_.xMax, data.xMax) || !same(view_.yMin, data.yMin)
        || !same(view_.yMax, data.yMax)) {
        view_ = data;
        Draw();
    }
}

void frmIO_Plots::ToolbarButton(const QString &key)
{
    if (key == QLatin1String("SaveAs"))
        SaveAs();
    else if (key == QLatin1String("Preview"))
        PrintPlot(2);
    else if (key == QLatin1String("Print"))
        PrintPlot(1);
    else if (key == QLatin1String("Copy"))
        CopyPictureToClipboard();
    else if (key == QLatin1String("ZoomIn"))
        ZoomIn();
    else if (key == QLatin1String("ZoomOut"))
        ZoomOut();
    else if (key == QLatin1String("Pointer"))
        PointerMode();
}

void frmIO_Plots::MouseDown(double x, double y)
{
    if (!ZoomMode)
        return;
    HoldInFrame(drawing_.transform.frame, x, y);
    DragState = 1;
    ZoomStartX = x;
    ZoomStartY = y;
}

void frmIO_Plots::MouseMove(double x, double y)
{
    if (!ZoomMode || DragState == 0)
        return;
    HoldInFrame(drawing_.transform.frame, x, y);
    ZoomLastX = x;
    ZoomLastY = y;
    DragState = 2;
    if (picture1_)
        picture1_->setOutline(true, ZoomStartX, ZoomStartY, x, y);
}

void frmIO_Plots::MouseUp(double x, double y)
{
    HoldInFrame(drawing_.transform.frame, x, y);
    if (!ZoomMode) {
        ShowPointValue(x, y);
        return;
    }
    const View before = view_;
    if (DragState != 0 && drawing_.ok)
        ZoomView(drawing_.transform, ZoomStartX, ZoomStartY, x, y, view_);
    ZoomMode = false;
    DragState = 0;
    if (picture1_) {
        picture1_->setOutline(false);
        picture1_->unsetCursor();
    }
    if (!Draw()) {
        view_ = before;
        Draw();
    }
}

void frmIO_Plots::ShowPointValue(double x, double y)
{
    if (!picture1_)
        return;
    picture1_->setToolTip(QString());
    if (drawing_.ok)
        picture1_->setToolTip(PointValueText(setup_, drawing_.transform, x, y));
}

QImage frmIO_Plots::graphImage() const
{
    if (!graph_)
        return QImage();
    return graph_->grab().toImage();
}

void frmIO_Plots::CopyPictureToClipboard()
{
    const QImage image = graphImage();
    if (image.isNull())
        return;
    QApplication::clipboard()->setImage(image);
}

void frmIO_Plots::SaveAs()
{
    CopyPictureToClipboard();
    const QString name = Dialogs::saveFileAskingToReplace(
        QStringLiteral("Save As"), QStringLiteral("All Files (*.*)|*.*|Bitmap Files (*.bmp)|*.bmp"), 2, QString());
    if (name.isEmpty())
        return;
    QImage image = QApplication::clipboard()->image();
    if (image.isNull())
        image = graphImage();
    if (image.isNull() || !image.save(name, "BMP"))
        Dialogs::message(QStringLiteral("Unable to save the plot as ") + name, Dialogs::Buttons::OK,
                         Dialogs::Icon::Exclamation);
}

void frmIO_Plots::paintPage(QPrinter *printer, const QImage &image)
{
    QPainter p;
    if (!p.begin(printer))
        throw std::runtime_error("printer");
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    p.drawImage(PrintedGraphRect(image.size(), page.size()), image);
    p.end();
}

void frmIO_Plots::PrintPlot(int mode)
{
    CopyPictureToClipboard();
    const QImage image = graphImage();
    QPrinter printer;
    if (mode == 1) {
        if (!Dialogs::print(&printer))
            return;
        try {
            if (image.isNull())
                throw std::runtime_error("no picture");
            paintPage(&printer, image);
        } catch (const std::exception &) {
            Dialogs::message(QStringLiteral("Unable to print graph, check printer."), Dialogs::Buttons::OK,
                             Dialogs::Icon::Exclamation, QStringLiteral("Printer Error"));
        }
        return;
    }
    Dialogs::Request r;
    r.kind = Dialogs::Kind::PrintPreview;
    r.title = windowTitle() + QStringLiteral(" Print ");
    r.printer = &printer;
    r.parent = this;
    r.paint = [this, image](QPrinter *p) {
        try {
            paintPage(p, image);
        } catch (const std::exception &) {
            // a preview shows what could be set up
        }
    };
    Dialogs::ask(r);
}
