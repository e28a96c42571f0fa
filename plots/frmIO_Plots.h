#pragma once
// The plot window: one plot request drawn on the graph page, with zoom,
// pointer read-out, copy, save as bitmap, print and print preview.
#include "core/QvForm.h"
#include "plots/logic/OutputReader.h"
#include "plots/logic/PlotModel.h"

#include <QImage>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QPrinter;
class QLabel;
class QToolBar;

namespace Plots {

// A picture of the page drawn from commands in twips: the plot picture and
// the legend marker strip. It passes mouse positions on in twips.
class PlotPicture : public QWidget
{
    Q_OBJECT
public:
    explicit PlotPicture(QWidget *parent);
    void setCommands(Commands commands);
    // The zoom outline from (x0, y0) to (x1, y1) twips, or none.
    void setOutline(bool shown, double x0 = 0, double y0 = 0, double x1 = 0, double y1 = 0);
    bool outlineShown() const { return outline_; }
    const Commands &commands() const { return commands_; }

    std::function<void(double, double)> onPress, onMove, onRelease;

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void render();
    Commands commands_;
    QImage cache_;
    bool dirty_ = true;
    bool outline_ = false;
    double ox0_ = 0, oy0_ = 0, ox1_ = 0, oy1_ = 0;
};

} // namespace Plots

class frmIO_Plots : public QvForm
{
    Q_OBJECT
public:
    frmIO_Plots();

    // Sets the window up afresh for `request` (also when it is already open)
    // and shows it. A modal showing blocks the other windows until it closes;
    // a window already shown keeps its modality.
    void ShowPlot(const Plots::PlotRequest &request, bool modal);
    // The same, modeless, for a plot of the printed page: the window follows
    // the runs and saves that rewrite or remove that file.
    void ShowOutputPlot(const Plots::PlotRequest &request, const Plots::OutputPlotSource &source);
    // The outputs beside `inputFile` were written or removed: a plot of its
    // printed page is drawn again from what the file now holds, or closed
    // when that holds none of its data.
    void FollowOutputs(const QString &inputFile);

    // Menu and toolbar commands.
    void ZoomIn();
    void ZoomOut();
    void PointerMode();
    void CopyPictureToClipboard();
    void SaveAs();
    void PrintPlot(int mode); // 1 print, 2 print preview
    void ToolbarButton(const QString &key);

    // Mouse in the plot picture, in twips of it.
    void MouseDown(double x, double y);
    void MouseMove(double x, double y);
    void MouseUp(double x, double y);

    // False when the view cannot be scaled; the picture then stays as it was.
    bool Draw();

    const Plots::PlotRequest &request() const { return request_; }
    const Plots::PlotSetup &setup() const { return setup_; }
    // The view as drawn: the requested view widened to whole tick steps.
    const Plots::View &view() const { return drawing_.transform.view; }
    const Plots::Drawing &drawing() const { return drawing_; }
    const Plots::LegendState &legend() const { return legend_; }
    bool zoomMode() const { return ZoomMode; }
    int dragState() const { return DragState; }
    // The graph page as it is shown: what copy, save and print capture.
    QImage graphImage() const;

protected:
    void buildControls(QWidget *central) override;
    void Form_Load() override;

private:
    void SetupPlot();
    void resetDesignState();
    void applyLegend();
    void ShowPointValue(double x, double y);
    QAction *menuAction(QMenu *menu, const QString &name, const QString &text, std::function<void()> fn);
    void paintPage(QPrinter *printer, const QImage &image);

    Plots::PlotRequest request_;
    // Set only while the plot is one of the printed page.
    std::optional<Plots::OutputPlotSource> outputSource_;
    Plots::PlotSetup setup_;
    // The view asked for (data range or zoom box); each drawing rounds a copy,
    // so redrawing the same view never moves the axes.
    Plots::View view_;
    Plots::LegendState legend_;
    Plots::Drawing drawing_;
    bool ZoomMode = false;
    int DragState = 0;
    double ZoomStartX = 0, ZoomStartY = 0;
    double ZoomLastX = 0, ZoomLastY = 0;

    QAction *actPoints_ = nullptr;
    QAction *actLines_ = nullptr;
    QAction *actGrid_ = nullptr;
    QToolBar *toolbar_ = nullptr;

    QPointer<QWidget> graph_;
    QPointer<Plots::PlotPicture> picture1_;
    QPointer<Plots::PlotPicture> picture2_;
    QPointer<QLabel> label1_, label2_, label3_, label4_;
    std::array<QPointer<QWidget>, Plots::MaxSeries + 1> legline_{};
    std::array<QPointer<QLabel>, Plots::MaxSeries + 1> legendLabel_{};
};
