#include "schematic/frmTopoModel.h"

#include "core/logic/Editglob.h"
#include "plots/clsPrintDialog.h"
#include "schematic/SchematicPainter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QScreen>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

using namespace Schematic;

QV_REGISTER_FORM(frmTopoModel)

namespace {

QvForm *mainWindow()
{
    for (QvForm *form : Forms::created())
        if (form->objectName() == QLatin1String("frmMain") && form->isLoaded())
            return form;
    return nullptr;
}

// A file that was never saved has nothing to draw.
bool noFile()
{
    return Editglob::FileName.trimmed().isEmpty() || Editglob::FileName == Editglob::UntitledName;
}

constexpr int TwipsPerPixel = 15;

} // namespace

TopoPicture::TopoPicture(frmTopoModel *form, QWidget *parent) : QWidget(parent), form_(form)
{
    setObjectName(QStringLiteral("TopoPic"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TopoPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    form_->paintPicture(p, size());
}

void TopoPicture::mousePressEvent(QMouseEvent *event)
{
    form_->pictureMouseDown(form_->toLayout(event->position()));
}

void TopoPicture::mouseMoveEvent(QMouseEvent *event)
{
    form_->pictureMouseMove(event->buttons(), form_->toLayout(event->position()));
}

void TopoPicture::mouseReleaseEvent(QMouseEvent *event)
{
    form_->pictureMouseUp(form_->toLayout(event->position()));
}

void TopoPicture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    form_->Form_Resize();
}

bool TopoPicture::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString text = form_->toolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

frmTopoModel::frmTopoModel()
{
    setWindowTitle(QStringLiteral("Quorvale Watershed Schematic"));
    setWindowIcon(QIcon(Picture(Outlet - '0')));

    auto item = [](QMenu *menu, const char *name, const char *caption) {
        QAction *a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint_ = item(file, "mnuPrint", "&Print");
    file->addSeparator()->setObjectName(QStringLiteral("mnuNull"));
    mnuExit_ = item(file, "mnuExit", "E&xit");
    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    mnuCopy_ = item(edit, "mnuCopy", "&Copy");
    QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    mnuLegend_ = item(view, "mnuLegend", "L&egend");
    mnuLabels_ = item(view, "mnuLabels", "L&abels");
    mnuSubAreas_ = item(view, "mnuSubAreas", "&Sub-Areas");
    for (QAction *a : {mnuLegend_, mnuLabels_, mnuSubAreas_})
        a->setCheckable(true);
    connect(mnuPrint_, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(mnuExit_, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuCopy_, &QAction::triggered, this, [this] { mnuCopy_Click(); });
    // The items toggle their own mark before these run.
    connect(mnuLegend_, &QAction::triggered, this, [this] { DrawLegend(); });
    connect(mnuLabels_, &QAction::triggered, this, [this] { BuildSchematic(); });
    connect(mnuSubAreas_, &QAction::triggered, this, [this] { BuildSchematic(); });

    toolBar_ = addToolBar(QStringLiteral("GraphToolBar"));
    toolBar_->setObjectName(QStringLiteral("GraphToolBar"));
    toolBar_->setMovable(false);
    static const char *const keys[] = {"Frame", "ZoomIn", "ZoomOut", "Drag", "Pan", "Pointer"};
    static const char *const tips[] = {"Frame", "Zoom In", "Zoom Out", "Drag", "Pan", "Pointer"};
    for (int k = 0; k < 6; ++k) {
        const QString key = QString::fromLatin1(keys[k]);
        QAction *a = toolBar_->addAction(QIcon(Picture(k + 6)), QString::fromLatin1(tips[k]));
        a->setObjectName(key);
        a->setToolTip(QString::fromLatin1(tips[k]));
        connect(a, &QAction::triggered, this, [this, key] { GraphToolBar_ButtonClick(key); });
    }
}

void frmTopoModel::buildControls(QWidget *central)
{
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    topoPic_ = new TopoPicture(this, central);
    layout->addWidget(topoPic_);
    for (int i = 0; i < 5; ++i) {
        legendImage_[i] = new QLabel(topoPic_);
        legendImage_[i]->setObjectName(QStringLiteral("Image2_%1").arg(i));
        legendImage_[i]->setPixmap(Picture(i + 1));
        legendImage_[i]->hide();
        legendLabel_[i] = new QLabel(topoPic_);
        legendLabel_[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
        legendLabel_[i]->hide();
    }
}

void frmTopoModel::Form_Load()
{
    net_.clear();
    index_.build({});
    outletIndex_ = 1;
    area_ = Area{};
    extent_ = Extent{};
    white_ = false;
    zoomDirection_ = panActive_ = dragActive_ = 0;
    bandArmed_ = true;
    bandShown_ = false;
    resumeAfterDialog_ = false;
    mnuLegend_->setChecked(false);
    mnuLabels_->setChecked(false);
    mnuSubAreas_->setChecked(true);
    setPictureCursor(0);
    if (noFile()) {
        hide();
        if (QvForm *main = mainWindow())
            main->show();
        return;
    }
    if (!(windowState() & Qt::WindowMinimized)) {
        if (QvForm *main = mainWindow())
            resize(main->size());
        if (const QScreen *screen = this->screen()) {
            const QRect s = screen->availableGeometry();
            move(s.width() > width() ? (s.width() - width()) / 2 : 0,
                 s.height() > height() ? (s.height() - height()) / 2 : 0);
        }
    }
}

void frmTopoModel::Form_Activate()
{
    if (resumeAfterDialog_) {
        // Coming back from a message or print dialog of this window's own.
        resumeAfterDialog_ = false;
        return;
    }
    if (activating_ || !isLoaded())
        return;
    QScopedValueRollback<bool> guard(activating_, true);
    if (noFile()) {
        hide();
        if (QvForm *main = mainWindow())
            main->show();
        return;
    }
    if (!(windowState() & Qt::WindowMinimized))
        if (QvForm *main = mainWindow())
            resize(main->size());
    if (!LoadNetwork(Editglob::FileName))
        return;
    BuildSchematic();
}

bool frmTopoModel::Form_QueryUnload()
{
    return true; // closing is "Exit"
}

bool frmTopoModel::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate && dialogDepth_ > 0)
        resumeAfterDialog_ = true;
    return QvForm::event(event);
}

template <class F> auto frmTopoModel::withDialog(F f)
{
    ++dialogDepth_;
    struct Leave { int &d; ~Leave() { --d; } } leave{dialogDepth_};
    return f();
}

void frmTopoModel::showMessage(const QString &text, Dialogs::Icon icon, const QString &title)
{
    withDialog([&] {
        Dialogs::Request r;
        r.text = text;
        r.icon = icon;
        r.title = title;
        r.parent = this;
        return Dialogs::ask(r);
    });
}

bool frmTopoModel::LoadNetwork(const QString &path)
{
    mnuSubAreas_->setChecked(true);
    const ReadResult r = ReadNetworkFile(path, net_);
    index_.build({});
    if (r.status == ReadStatus::AmbiguousReceiver) {
        showMessage(QStringLiteral("Element ") + r.name + QStringLiteral(" occurs more than once in the list."),
                    Dialogs::Icon::Critical, QStringLiteral("Plot Error"));
        net_.clear();
        mnuExit_Click();
        return false;
    }
    if (r.status == ReadStatus::LoadError)
        showMessage(QStringLiteral("Load File Error"), Dialogs::Icon::None);
    return true;
}

void frmTopoModel::BuildSchematic()
{
    if (!isLoaded() || !topoPic_)
        return;
    try {
        const int n = net_.ReachElementCount + (mnuSubAreas_->isChecked() ? net_.SubAreaElementCount : 0);
        net_.ElementCount = std::min(n, net_.tableSize());
        // The reader always puts the outlet first: an element named OUTLET
        // elsewhere never becomes the root.
        outletIndex_ = 1;
        LayoutNetwork(net_, net_.ElementCount, outletIndex_);
        index_.build(SpatialIndex::ItemsOf(net_, net_.ElementCount, outletIndex_));
    } catch (const std::exception &) {
        net_.clear();
        index_.build({});
        showMessage(QStringLiteral("Unable to draw the schematic."), Dialogs::Icon::Exclamation);
    }
    FrameAll();
    DrawLegend();
}

QSizeF frmTopoModel::iconInLayout() const
{
    const QSizeF pixels = topoPic_ ? QSizeF(topoPic_->size()) : QSizeF(1, 1);
    return IconInLayout(area_, pixels, QSizeF(IconPixels, IconPixels));
}

QPointF frmTopoModel::toLayout(QPointF pixel) const
{
    return ToLayout(area_, topoPic_ ? QSizeF(topoPic_->size()) : QSizeF(1, 1), pixel);
}

QPointF frmTopoModel::toPixels(QPointF layout) const
{
    return ToPixels(area_, topoPic_ ? QSizeF(topoPic_->size()) : QSizeF(1, 1), layout);
}

void frmTopoModel::FrameAll()
{
    setPictureCursor(0);
    bandArmed_ = false;
    bandShown_ = false;
    zoomDirection_ = panActive_ = dragActive_ = 0;
    extent_ = FrameExtent(net_, net_.ElementCount, iconInLayout());
    RedrawView();
}

void frmTopoModel::RedrawView()
{
    area_ = ShownArea(extent_, area_);
    if (topoPic_)
        topoPic_->update();
}

void frmTopoModel::DrawLegend()
{
    if (!topoPic_)
        return;
    const bool visible = mnuLegend_->isChecked();
    const int w = topoPic_->width(), h = topoPic_->height();
    static const char *const longCaptions[] = {"  = Channel Reach", "  = Structure Reach", "  = Outlet",
                                               "  = Sub-Area", "  = Diversion"};
    static const char *const shortCaptions[] = {"  = Ch.Rch", "  = St.Rch", "  = Outlet", "  = Sub-Area",
                                                "  = Div."};
    const QFontMetrics metrics = legendLabel_[0]->fontMetrics();
    auto widest = [&metrics](const char *const *captions) {
        int most = 0;
        for (int i = 0; i < 5; ++i)
            most = std::max(most, metrics.horizontalAdvance(QString::fromLatin1(captions[i])));
        return most;
    };
    // Copy and print take the picture only as far as captureSize: the
    // captions end inside that too.
    const LegendColumn column = PlaceLegend(w, captureSize().width(), w * TwipsPerPixel >= 8000,
                                            widest(longCaptions), widest(shortCaptions));
    // The entries stand at fixed fractions of the picture area, so their
    // pictures shrink with it: no picture covers the next one or its caption.
    const int captionStart = column.labelLeft - column.imageLeft + metrics.horizontalAdvance(QStringLiteral("  "));
    const int pitch = int(h * 0.05);
    const int side = std::clamp(std::min(pitch - 2, captionStart - 1), 8, int(IconPixels));
    for (int i = 0; i < 5; ++i) {
        const int top = int(std::lround(h * 5.0 * (i + 1) / 100));
        QLabel *image = legendImage_[i];
        QLabel *label = legendLabel_[i];
        if (image->pixmap().width() != side)
            image->setPixmap(Picture(i + 1).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        image->setGeometry(column.imageLeft, top, side, side);
        label->setText(QString::fromLatin1(column.longCaptions ? longCaptions[i] : shortCaptions[i]));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(column.labelLeft, top, column.labelWidth, std::max(side, label->sizeHint().height()));
        image->setVisible(visible);
        label->setVisible(visible);
    }
}

void frmTopoModel::Form_Resize()
{
    if (!isLoaded() || activating_ || building_ || (windowState() & Qt::WindowMinimized))
        return;
    QScopedValueRollback<bool> guard(building_, true);
    BuildSchematic();
}

void frmTopoModel::paintPicture(QPainter &p, QSize size)
{
    PaintOptions o;
    o.labels = mnuLabels_->isChecked();
    o.background = white_ ? QColor(Qt::white) : PictureBackground();
    o.linkColor = palette().color(QPalette::ButtonText);
    PaintSchematic(p, size, net_, net_.ElementCount, index_, area_, o);
    if (bandShown_) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(toPixels(band1_), toPixels(bandLast_)).normalized());
    }
}

QString frmTopoModel::toolTipAt(QPointF pixel) const
{
    if (!topoPic_)
        return QString();
    const int i = IconAt(net_, net_.ElementCount, index_, area_, topoPic_->size(), toLayout(pixel));
    return i ? net_.Elements[std::size_t(i)].Name + QLatin1Char(' ') : QString();
}

void frmTopoModel::setPictureCursor(int picture)
{
    if (!topoPic_)
        return;
    if (picture == 0) {
        topoPic_->unsetCursor();
        return;
    }
    // The magnifiers act at their lens's centre; the hand and arrows at their middle.
    const QPoint hot = picture <= 13 ? QPoint(13, 13) : QPoint(16, 16);
    topoPic_->setCursor(QCursor(Picture(picture), hot.x(), hot.y()));
}

void frmTopoModel::GraphToolBar_ButtonClick(const QString &key)
{
    if (key == QLatin1String("Frame"))
        FrameAll();
    else if (key == QLatin1String("ZoomIn"))
        SetZoomInMode();
    else if (key == QLatin1String("ZoomOut"))
        SetZoomOutMode();
    else if (key == QLatin1String("Pan"))
        SetPanMode();
    else if (key == QLatin1String("Drag"))
        SetDragMode();
    else if (key == QLatin1String("Pointer"))
        SetPointerMode();
}

void frmTopoModel::SetZoomInMode()
{
    bandArmed_ = true;
    zoomDirection_ = 1;
    panActive_ = dragActive_ = 0;
    setPictureCursor(12);
}

void frmTopoModel::SetZoomOutMode()
{
    bandArmed_ = true;
    zoomDirection_ = 2;
    panActive_ = dragActive_ = 0;
    setPictureCursor(13);
}

void frmTopoModel::SetPanMode()
{
    bandArmed_ = false;
    zoomDirection_ = 0;
    panActive_ = 1;
    dragActive_ = 0;
    setPictureCursor(15);
}

void frmTopoModel::SetDragMode()
{
    zoomDirection_ = 0;
    panActive_ = 0;
    dragActive_ = 1;
    setPictureCursor(14);
}

void frmTopoModel::SetPointerMode()
{
    bandArmed_ = false;
    zoomDirection_ = panActive_ = dragActive_ = 0;
    setPictureCursor(0);
}

void frmTopoModel::pictureMouseDown(QPointF at)
{
    if (zoomDirection_ > 0 && bandArmed_)
        band1_ = bandLast_ = at;
    if (dragActive_ > 0)
        dragAnchor_ = at; // stays fixed in layout units for the whole drag
}

void frmTopoModel::pictureMouseMove(Qt::MouseButtons buttons, QPointF at)
{
    const bool leftAlone = buttons == Qt::LeftButton;
    if (zoomDirection_ > 0 && leftAlone) {
        bandArmed_ = false;
        bandLast_ = at;
        bandShown_ = true;
        topoPic_->update();
    }
    if (dragActive_ >= 1 && leftAlone) {
        extent_ = DragTo(extent_, dragAnchor_, at);
        RedrawView();
    }
}

void frmTopoModel::pictureMouseUp(QPointF at)
{
    if (zoomDirection_ > 0) {
        bandShown_ = false;
        bandArmed_ = true;
        extent_ = Zoom(extent_, band1_, at, static_cast<Schematic::ZoomDirection>(zoomDirection_));
        RedrawView();
    }
    if (panActive_ > 0) {
        extent_ = PanTo(extent_, at);
        RedrawView();
    }
}

void frmTopoModel::mnuExit_Click() { unload(); }

void frmTopoModel::mnuLegend_Click()
{
    mnuLegend_->setChecked(!mnuLegend_->isChecked());
    DrawLegend();
}

void frmTopoModel::mnuLabels_Click()
{
    mnuLabels_->setChecked(!mnuLabels_->isChecked());
    BuildSchematic();
}

void frmTopoModel::mnuSubAreas_Click()
{
    mnuSubAreas_->setChecked(!mnuSubAreas_->isChecked());
    BuildSchematic();
}

QSize frmTopoModel::captureSize() const
{
    // As large as the window less its frame, menu and tool bar.
    int w = frameGeometry().width(), h = frameGeometry().height();
    if (w > 17)
        w -= 17;
    if (h > 81)
        h -= 81;
    return QSize(w, h);
}

QImage frmTopoModel::CaptureSchematic()
{
    if (!topoPic_)
        return QImage();
    const QSize size = captureSize();
    if (size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QScopedValueRollback<bool> white(white_, true);
    QPainter p(&image);
    topoPic_->render(&p, QPoint(), QRegion(QRect(QPoint(), size)));
    p.end();
    return image;
}

void frmTopoModel::mnuCopy_Click()
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    const QImage image = CaptureSchematic();
    if (image.isNull()) {
        showMessage(QStringLiteral("Unable to copy the schematic to the clipboard."), Dialogs::Icon::Exclamation);
        return;
    }
    clipboard->setImage(image);
}

bool frmTopoModel::printImage(QPrinter *printer, const QImage &image)
{
    QPainter p;
    if (!p.begin(printer))
        return false;
    // The page shows the picture at its size on the screen, made smaller only
    // when it does not fit.
    const qreal dpi = printer->resolution();
    QSizeF size(image.width() * TwipsPerPixel / 1440.0 * dpi, image.height() * TwipsPerPixel / 1440.0 * dpi);
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.size(), Qt::KeepAspectRatio);
    p.drawImage(QRectF(QPointF(0, 0), size), image);
    return p.end();
}

void frmTopoModel::mnuPrint_Click()
{
    clsPrintDialog dialog;
    dialog.flags = 6;
    dialog.setMin(1);
    dialog.CancelError = true;
    QPrinter printer;
    if (!withDialog([&] { return dialog.ShowPrinter(&printer); }))
        return;
    const QImage image = CaptureSchematic();
    if (image.isNull() || !printImage(&printer, image)) {
        printer.abort();
        showMessage(QStringLiteral("Unable to print graph, check printer."), Dialogs::Icon::Exclamation,
                    QStringLiteral("Printer Error"));
    }
}
