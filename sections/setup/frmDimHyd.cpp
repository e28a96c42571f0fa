#include "sections/setup/frmDimHyd.h"

#include "core/Colors.h"
#include "core/Dialogs.h"
#include "core/Editglob.h"
#include "core/FlexGrid.h"
#include "core/GridStuff.h"
#include "core/TextFile.h"
#include "plots/PlotModel.h"
#include "plots/frmIO_Plots.h"
#include "sections/setup/UnitHydFormat.h"
#include "sections/setup/UnitSystem.h"
#include "sections/setup/ValueLineFormat.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

QV_REGISTER_FORM(frmDimHyd)

namespace {
constexpr int GridColumns = 5;
constexpr int GridStartRows = 10;
constexpr int ColumnTwips = 850;

// The values stand centred in their cells.
class CentredCells : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignCenter;
    }
};
} // namespace

frmDimHyd::frmDimHyd()
    : EntryForm({QStringLiteral("Unit Hydrograph"), QStringLiteral("Dimensionless Unit Hydrograph:"),
                 QStringLiteral("DH"), Editglob::SecUnitHyd, QStringLiteral("Accept Changes  (Close)"),
                 QStringLiteral("    No Changes      (Close)")})
{
}

void frmDimHyd::buildFields(QGridLayout *layout)
{
    QWidget *parent = layout->parentWidget() ? layout->parentWidget() : centralWidget();
    layout->addWidget(addFieldLabel(1, QStringLiteral("Dimensionless Hydrograph Points:")), 0, 0, 1, 2);
    // Only handed to the help routine; never shown.
    addHiddenBox(1);

    table_ = new QTableWidget(parent);
    table_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_ = new FlexGrid(table_);
    grid_->setCols(GridColumns);
    grid_->setRows(GridStartRows);
    const int width = ColumnTwips / Plots::TwipsPerPixel;
    for (int c = 0; c < GridColumns; ++c)
        table_->setColumnWidth(c, width);
    table_->setMinimumWidth(width * GridColumns + 24);
    table_->setItemDelegate(new CentredCells(table_));
    table_->viewport()->installEventFilter(this);
    layout->addWidget(table_, 1, 0, 1, 2);

    auto *label4 = new QLabel(QStringLiteral("Click grid cell to edit previously entered data. RIGHT click to "
                                             "insert or delete  a value."),
                              parent);
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setWordWrap(true);
    layout->addWidget(label4, 2, 0, 1, 2);
    auto *dispBox = new QLabel(QStringLiteral("Entered Data:"), parent);
    dispBox->setObjectName(QStringLiteral("lblDispBox"));
    layout->addWidget(dispBox, 3, 0);

    cmdPlot_ = new QPushButton(QStringLiteral("Display Data"), parent);
    cmdPlot_->setObjectName(QStringLiteral("CmdPlot"));
    cmdPlot_->setEnabled(false);
    layout->addWidget(cmdPlot_, 4, 0);
    cmdDelAll_ = new QPushButton(QStringLiteral("      Delete         DimHyd"), parent);
    cmdDelAll_->setObjectName(QStringLiteral("cmdDelAll"));
    layout->addWidget(cmdDelAll_, 4, 1);
    connect(cmdPlot_, &QPushButton::clicked, this, &frmDimHyd::CmdPlot_Click);
    connect(cmdDelAll_, &QPushButton::clicked, this, &frmDimHyd::cmdDelAll_Click);

    mnupopup_ = new QMenu(QStringLiteral("Insert/Delete"), parent);
    mnupopup_->setObjectName(QStringLiteral("mnupopup"));
    mnupopup_->addSeparator()->setObjectName(QStringLiteral("blankline"));
    const QStringList items{QStringLiteral("Insert Point"), QStringLiteral("Delete Point")};
    for (int i = 1; i <= 2; ++i) {
        QAction *action = mnupopup_->addAction(items[i - 1]);
        action->setObjectName(QStringLiteral("mnuDelInsItem_") + QString::number(i));
        connect(action, &QAction::triggered, this, [this, i] { mnuDelInsItem_Click(i); });
    }

    connect(grid_, &FlexGrid::KeyPress, this, [this](int &keyAscii) { MSFlexGrid1_KeyPress(keyAscii); });
    connect(grid_, &FlexGrid::RowColChange, this, [this] { MSFlexGrid1_EnterCell(); });
    connect(grid_, &FlexGrid::MouseDown, this, [this](int row, int col) { MSFlexGrid1_MouseDown(row, col); });
}

void frmDimHyd::setDefaults()
{
    GridState &s = data_.Grid;
    s.CellCount = 0;
    s.GridAscending = false;
    s.GridMaxValue = 1;
    s.GridVisibleRows = 9;
    s.SelectedRow = GridState::None;
    s.SelectedCol = GridState::None;
    s.GridBusy = false;
    WorkTables &w = data_.Work;
    w.Reset(1, 1);
    w.AddItem();
    w.CurrentItem = 1;
}

void frmDimHyd::readRecords(const QStringList &lines)
{
    WorkTables &w = data_.Work;
    for (const QString &ordinate : UnitHydFormat::ParseUnitHyd(lines).ordinates) {
        ++w.PointCount;
        w.PointTable.ensureCount(w.PointCount);
        w.PointTable(1, w.PointCount) = ordinate;
        if (w.ItemFirstPoint[1] == 0)
            w.ItemFirstPoint[1] = w.PointCount;
        w.ItemLastPoint[1] = w.PointCount;
    }
}

void frmDimHyd::finishLoad()
{
    if (data_.Work.HasPoints(1)) {
        ShowUnitHydrograph();
        cmdDelAll_->setEnabled(true);
    } else {
        ClearGrid();
    }
    GridState &s = data_.Grid;
    s.GridRow = 0;
    s.GridCol = 1;
    Grid_Stuff::MoveToGridCell(*grid_, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
}

EntryForm::ColorRule frmDimHyd::checkField(int) { return ColorRule::Keep; }

int frmDimHyd::passColor(int) const { return Colors::White; }

int frmDimHyd::nextBox(int) const { return 1; }

void frmDimHyd::Form_Activate()
{
    if (table_)
        table_->setFocus(Qt::ActiveWindowFocusReason);
}

void frmDimHyd::ShowUnitHydrograph()
{
    GridState &s = data_.Grid;
    const WorkTables &w = data_.Work;
    s.GridBusy = true;
    s.CellCount = 0;
    if (w.ItemFirstPoint[1] > 0) {
        for (int p = w.ItemFirstPoint[1]; p <= w.ItemLastPoint[1]; ++p) {
            ++s.CellCount;
            const int k = s.CellCount - 1;
            if (k / GridColumns >= grid_->Rows())
                grid_->AddItem(QString());
            grid_->setTextMatrix(k / GridColumns, k % GridColumns, w.PointTable.value(1, p));
        }
    }
    // An empty row always follows the data.
    if (s.CellCount > 0 && (s.CellCount - 1) / GridColumns == grid_->Rows() - 1)
        grid_->AddItem(QString());
    s.GridBusy = false;
    s.GridRow = 0;
    s.GridCol = 1;
    setPlotEnabledByCount();
}

void frmDimHyd::ClearGrid()
{
    GridState &s = data_.Grid;
    s.GridBusy = true;
    for (int r = 0; r < grid_->Rows(); ++r)
        for (int c = 0; c < grid_->Cols(); ++c) {
            grid_->setTextMatrix(r, c, QString());
            grid_->setCellColor(r, c, Colors::White);
        }
    grid_->setTextMatrix(0, 0, QStringLiteral("0"));
    s.SelectedRow = GridState::None;
    s.SelectedCol = GridState::None;
    s.GridRow = 0;
    s.GridCol = 1;
    s.CellCount = 1;
    s.GridBusy = false;
    // The first typed key replaces, never appends to, what the cell held.
    Grid_Stuff::MoveToGridCell(*grid_, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
    data_.Work.ItemFirstPoint[1] = 0;
    data_.Work.ItemLastPoint[1] = 0;
    cmdPlot_->setEnabled(false);
    cmdDelAll_->setEnabled(false);
}

int frmDimHyd::cellsInUse() const
{
    const GridState &s = data_.Grid;
    int n = std::max(s.CellCount, 0);
    if (!grid_)
        return n;
    // A value typed into the empty cell after the series is entered, even
    // before Enter has confirmed it.
    const int row = grid_->Row();
    const int col = grid_->Col();
    if (row >= 0 && col >= 0) {
        const int k = row * grid_->Cols() + col;
        if (k >= n && !TextFile::isBlank(grid_->TextMatrix(row, col)))
            n = k + 1;
    }
    return n;
}

QStringList frmDimHyd::gridOrdinates() const
{
    QStringList cells;
    if (!grid_)
        return cells;
    const int n = cellsInUse();
    const int cols = std::max(grid_->Cols(), 1);
    for (int k = 0; k < n; ++k)
        cells << grid_->TextMatrix(k / cols, k % cols);
    return SetupFormat::NonBlankValues(cells);
}

void frmDimHyd::storeGrid()
{
    data_.Work.CurrentItem = 1;
    Grid_Stuff::GridSeriesToTable(*grid_, data_.Grid, data_.Work, cellsInUse());
}

void frmDimHyd::setPlotEnabledByCount()
{
    if (cmdPlot_)
        cmdPlot_->setEnabled(gridOrdinates().size() >= UnitHydFormat::MinOrdinates);
}

void frmDimHyd::MSFlexGrid1_KeyPress(int &KeyAscii)
{
    GridState &s = data_.Grid;
    Grid_Stuff::GridKeyEdit(KeyAscii, *grid_, s, s.GridRow, s.GridCol, s.CellCount, s.Typing, 0, 0);
    if (s.GridRow == grid_->Rows() - 1 && s.GridCol == grid_->Cols() - 1)
        grid_->AddItem(QString());
    setPlotEnabledByCount();
}

void frmDimHyd::MSFlexGrid1_EnterCell()
{
    GridState &s = data_.Grid;
    if (s.GridBusy)
        return;
    s.GridRow = grid_->Row();
    s.GridCol = grid_->Col();
    Grid_Stuff::MoveToGridCell(*grid_, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
    if (gridOrdinates().size() >= UnitHydFormat::MinOrdinates) {
        cmdPlot_->setEnabled(true);
        cmdDelAll_->setEnabled(true);
    }
}

void frmDimHyd::MSFlexGrid1_MouseDown(int row, int col)
{
    GridState &s = data_.Grid;
    s.GridRow = row;
    s.GridCol = col;
    Grid_Stuff::MoveToGridCell(*grid_, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
    if (s.CellCount > 0 && pressedButton_ == Qt::RightButton && !TextFile::isBlank(grid_->Text()))
        mnupopup_->popup(table_->viewport()->mapToGlobal(pressedAt_));
    setPlotEnabledByCount();
}

void frmDimHyd::mnuDelInsItem_Click(int Index)
{
    if (!isLoaded())
        return;
    GridState &s = data_.Grid;
    if (Index == 1)
        Grid_Stuff::InsertGridValue(*grid_, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
    else if (Index == 2)
        Grid_Stuff::DeleteGridValue(*grid_, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
    mnupopup_->hide();
}

void frmDimHyd::cmdDelAll_Click()
{
    if (!isLoaded())
        return;
    storeGrid();
    const Dialogs::Answer answer =
        Dialogs::message(QStringLiteral("Delete dimensionless unit hydrograph data ?"), Dialogs::Buttons::YesNo,
                         Dialogs::Icon::Question, QStringLiteral("Dimensionless Unit Hydrograph"));
    if (answer != Dialogs::Answer::No)
        ClearGrid();
}

void frmDimHyd::CmdPlot_Click()
{
    if (!isLoaded())
        return;
    storeGrid();
    const WorkTables &w = data_.Work;
    QStringList ordinates;
    if (w.HasPoints(1))
        for (int p = w.ItemFirstPoint[1]; p <= w.ItemLastPoint[1]; ++p)
            ordinates << w.PointTable.value(1, p);
    ordinates = SetupFormat::NonBlankValues(ordinates);
    // The time axis spreads the ordinates from 0 to 1: it needs two of them.
    if (ordinates.size() < UnitHydFormat::MinOrdinates) {
        Dialogs::message(QStringLiteral(" No Data Entered"), Dialogs::Buttons::OK, Dialogs::Icon::None);
        return;
    }
    Plots::PlotRequest request = Plots::DimensionlessRequest(ordinates);
    request.FlowUnit = Editglob::FlowUnit;
    request.LengthUnit = Editglob::LengthUnit;
    request.SmallAreaUnit = Editglob::SmallAreaUnit;
    request.VolumeUnit = Editglob::VolumeUnit;
    request.OutFlowUnit = Editglob::OutFlowUnit;
    request.OutAreaUnit = Editglob::OutAreaUnit;
    Forms::instance<frmIO_Plots>()->ShowPlot(request, true);
}

QStringList frmDimHyd::buildRecords() const
{
    // The grid holds what storing it would leave in the work tables.
    return UnitHydFormat::UnitHydLines(UnitHydFormat::UnitHydData{gridOrdinates()});
}

bool frmDimHyd::eventFilter(QObject *watched, QEvent *event)
{
    if (isLoaded() && table_ && watched == table_->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        pressedButton_ = mouse->button();
        pressedAt_ = mouse->position().toPoint();
    }
    return EntryForm::eventFilter(watched, event);
}
