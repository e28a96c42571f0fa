#pragma once
// The watershed schematic: the network of the saved input file drawn as a
// tree hanging from the outlet, with zoom, pan, drag, legend, labels, copy and
// print. It reads the file again at every activation and writes nothing.
#include "core/QvForm.h"
#include "core/logic/Dialogs.h"
#include "schematic/logic/ViewGeometry.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class QAction;
class QLabel;
class QPrinter;
class QToolBar;
class frmTopoModel;

// The picture area: the whole network is painted here.
class TopoPicture : public QWidget
{
    Q_OBJECT
public:
    explicit TopoPicture(frmTopoModel *form, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    frmTopoModel *form_;
};

class frmTopoModel : public QvForm
{
    Q_OBJECT
    friend class TopoPicture;

public:
    frmTopoModel();

    // Reads the network of `path`; false when the window closed itself.
    bool LoadNetwork(const QString &path);
    void BuildSchematic();
    void FrameAll();
    void RedrawView();
    void DrawLegend();

    void GraphToolBar_ButtonClick(const QString &key);
    void SetZoomInMode();
    void SetZoomOutMode();
    void SetPanMode();
    void SetDragMode();
    void SetPointerMode();

    void mnuCopy_Click();
    void mnuPrint_Click();
    void mnuExit_Click();
    void mnuLegend_Click();
    void mnuLabels_Click();
    void mnuSubAreas_Click();

    // The picture as copy and print take it: the picture area's top-left part,
    // as large as the window less its frame, on a white background. Null when
    // it could not be made.
    QImage CaptureSchematic();

    const Schematic::Network &network() const { return net_; }
    int OutletIndex() const { return outletIndex_; }
    Schematic::Extent extent() const { return extent_; }
    Schematic::Area area() const { return area_; }
    int ZoomDirection() const { return zoomDirection_; }
    int PanActive() const { return panActive_; }
    int DragActive() const { return dragActive_; }
    bool BandArmed() const { return bandArmed_; }
    TopoPicture *picture() const { return topoPic_; }
    // Layout units under a pixel of the picture area, and back.
    QPointF toLayout(QPointF pixel) const;
    QPointF toPixels(QPointF layout) const;
    // The tooltip of the icon under a pixel of the picture area: its name and a blank.
    QString toolTipAt(QPointF pixel) const;

protected:
    void buildControls(QWidget *central) override;
    void Form_Load() override;
    void Form_Activate() override;
    bool Form_QueryUnload() override;
    bool event(QEvent *event) override;

private:
    void Form_Resize();
    void paintPicture(QPainter &p, QSize size);
    void pictureMouseDown(QPointF at);
    void pictureMouseMove(Qt::MouseButtons buttons, QPointF at);
    void pictureMouseUp(QPointF at);
    QSizeF iconInLayout() const;
    QSize captureSize() const;
    void setPictureCursor(int picture);
    // Every message and print dialog of the window goes through here, so that
    // the activation that follows closing it is not taken for a new one.
    template <class F> auto withDialog(F f);
    void showMessage(const QString &text, Dialogs::Icon icon, const QString &title = QString());
    bool printImage(QPrinter *printer, const QImage &image);

    QAction *mnuPrint_ = nullptr;
    QAction *mnuExit_ = nullptr;
    QAction *mnuCopy_ = nullptr;
    QAction *mnuLegend_ = nullptr;
    QAction *mnuLabels_ = nullptr;
    QAction *mnuSubAreas_ = nullptr;
    QToolBar *toolBar_ = nullptr;
    QPointer<TopoPicture> topoPic_; // goes with the controls when the window unloads
    QLabel *legendImage_[5] = {};
    QLabel *legendLabel_[5] = {};

    Schematic::Network net_;
    Schematic::SpatialIndex index_;
    int outletIndex_ = 1;
    Schematic::Extent extent_;
    Schematic::Area area_;
    bool white_ = false;

    int zoomDirection_ = 0;
    int panActive_ = 0;
    int dragActive_ = 0;
    bool bandArmed_ = true;
    bool bandShown_ = false;
    QPointF band1_, bandLast_, dragAnchor_;

    bool activating_ = false;
    bool building_ = false;
    int dialogDepth_ = 0;
    bool resumeAfterDialog_ = false;
};
