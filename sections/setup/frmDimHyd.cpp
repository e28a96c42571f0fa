#include "sections/setup/frmDimHyd.h"

#include "core/Colors.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/FlexGrid.h"
#include "core/GridStuff.h"
#include "plots/logic/PlotModel.h"
#include "sections/setup/logic/UnitHydFormat.h"
#include "sections/setup/logic/ValueLineFormat.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

QV_REGISTER_FORM(frmDimHyd)

namespace {
constexpr int GridStartRows = 10;
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
    QLabel *points = addFieldLabel(1, QStringLiteral("Dimensionless Hydrograph Points:"));
    layout->addWidget(points, 0, 0, 1, 2);
    // Only handed to the help routine; never shown.
    addHiddenBox(1);

    panel_.build(layout, parent, this,
                 {1, 2, GridStartRows,
                  QStringLiteral("Click grid cell to edit previously entered data. RIGHT click to "
                                 "insert or delete  a value."),
                  QStringLiteral("      Delete         DimHyd"), QStringLiteral("cmdDelAll"),
                  QStringLiteral("blankline")},
                 {[this] { CmdPlot_Click(); }, [this] { cmdDelAll_Click(); },
                  [this](int i) { mnuDelInsItem_Click(i); }, [this](int &keyAscii) { MSFlexGrid1_KeyPress(keyAscii); },
                  [this] { MSFlexGrid1_EnterCell(); }, [this](int row, int col) { MSFlexGrid1_MouseDown(row, col); }});
    points->setBuddy(panel_.table); // names the grid's cells at Accept
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
        panel_.cmdDelete->setEnabled(true);
    } else {
        ClearGrid();
    }
    panel_.moveTo(data_.Grid, 0, 1);
}

EntryForm::ColorRule frmDimHyd::checkField(int) { return ColorRule::Keep; }

int frmDimHyd::passColor(int) const { return Colors::White; }

int frmDimHyd::nextBox(int) const { return 1; }

void frmDimHyd::Form_Activate()
{
    if (panel_.table)
        panel_.table->setFocus(Qt::ActiveWindowFocusReason);
}

void frmDimHyd::ShowUnitHydrograph()
{
    GridState &s = data_.Grid;
    const WorkTables &w = data_.Work;
    QStringList ordinates;
    if (w.ItemFirstPoint[1] > 0)
        for (int p = w.ItemFirstPoint[1]; p <= w.ItemLastPoint[1]; ++p)
            ordinates << w.PointTable.value(1, p);
    panel_.fill(s, ordinates);
    s.GridRow = 0;
    s.GridCol = 1;
    setPlotEnabledByCount();
}

void frmDimHyd::ClearGrid()
{
    GridState &s = data_.Grid;
    s.GridBusy = true;
    panel_.blank();
    panel_.grid->setTextMatrix(0, 0, QStringLiteral("0"));
    s.SelectedRow = GridState::None;
    s.SelectedCol = GridState::None;
    s.CellCount = 1;
    s.GridBusy = false;
    // The first typed key replaces, never appends to, what the cell held.
    panel_.moveTo(s, 0, 1);
    data_.Work.ItemFirstPoint[1] = 0;
    data_.Work.ItemLastPoint[1] = 0;
    panel_.cmdPlot->setEnabled(false);
    panel_.cmdDelete->setEnabled(false);
}

QStringList frmDimHyd::gridOrdinates() const { return SetupFormat::NonBlankValues(panel_.cells(data_.Grid)); }

void frmDimHyd::storeGrid()
{
    data_.Work.CurrentItem = 1;
    Grid_Stuff::GridSeriesToTable(*panel_.grid, data_.Grid, data_.Work, panel_.cellsInUse(data_.Grid));
}

void frmDimHyd::setPlotEnabledByCount()
{
    if (panel_.cmdPlot)
        panel_.cmdPlot->setEnabled(gridOrdinates().size() >= UnitHydFormat::MinOrdinates);
}

void frmDimHyd::MSFlexGrid1_KeyPress(int &KeyAscii)
{
    panel_.keyEdit(data_.Grid, KeyAscii);
    setPlotEnabledByCount();
}

void frmDimHyd::MSFlexGrid1_EnterCell()
{
    GridState &s = data_.Grid;
    if (s.GridBusy)
        return;
    panel_.enterCurrentCell(s);
    if (gridOrdinates().size() >= UnitHydFormat::MinOrdinates) {
        panel_.cmdPlot->setEnabled(true);
        panel_.cmdDelete->setEnabled(true);
    }
}

void frmDimHyd::MSFlexGrid1_MouseDown(int row, int col)
{
    panel_.pressCell(data_.Grid, row, col);
    setPlotEnabledByCount();
}

void frmDimHyd::mnuDelInsItem_Click(int Index)
{
    if (!isLoaded())
        return;
    panel_.insertOrDelete(data_.Grid, Index);
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
    SeriesPlot::Show(Plots::DimensionlessRequest(ordinates));
}

QStringList frmDimHyd::buildRecords() const
{
    // The grid holds what storing it would leave in the work tables.
    return UnitHydFormat::UnitHydLines(UnitHydFormat::UnitHydData{gridOrdinates()});
}

std::optional<InvalidValue> frmDimHyd::firstInvalidValue()
{
    const QStringList values = panel_.cells(data_.Grid);
    const int cell = ValueGridPanel::firstInvalidCell(data_.Grid, values);
    if (cell < 0)
        return std::nullopt;
    return InvalidValue{1, cell, 1, values[cell], QString(), panel_.cellName(fieldName(1), cell)};
}

void frmDimHyd::showInvalidValue(const InvalidValue &value) { panel_.showInvalidCell(data_.Grid, value.row); }

bool frmDimHyd::eventFilter(QObject *watched, QEvent *event)
{
    if (isLoaded())
        panel_.notePress(watched, event);
    return EntryForm::eventFilter(watched, event);
}
