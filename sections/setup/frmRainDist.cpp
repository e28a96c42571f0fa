#include "sections/setup/frmRainDist.h"

#include "core/Colors.h"
#include "core/ControlArray.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/FlexGrid.h"
#include "core/GridStuff.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/TextFile.h"
#include "plots/logic/PlotModel.h"
#include "sections/common/logic/RecordList.h"
#include "sections/setup/logic/RainDistFormat.h"
#include "sections/setup/logic/ValueLineFormat.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

QV_REGISTER_FORM(frmRainDist)

using RainDistFormat::IdField;
using RainDistFormat::IncrementField;

namespace {
constexpr int GridStartRows = 12;
constexpr int IdHeader = IdField + 1; // work-table header fields count from 1
constexpr int IncrementHeader = IncrementField + 1;

// Focus that moves to a popup (the grid's menu) or to another window does not
// leave the grid.
bool LeavesControl(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

SetupFormat::FormatItem ItemOf(const WorkTables &w, int k)
{
    QStringList values;
    if (w.HasPoints(k))
        for (int p = w.ItemFirstPoint[k]; p <= w.ItemLastPoint[k]; ++p)
            values << w.PointTable.value(1, p);
    return RainDistFormat::MakeTable(w.ItemHeader.value(IdHeader, k), w.ItemHeader.value(IncrementHeader, k),
                                     values);
}
} // namespace

frmRainDist::frmRainDist()
    : RecordForm({QStringLiteral("Rainfall Distribution"), QStringLiteral("Rainfall Distribution:"),
                  QStringLiteral("RD"), Editglob::SecRainDist, QStringLiteral("Accept Changes (Close)"),
                  QStringLiteral("   No Changes  (Close)")},
                 {1, SetupFormat::FieldWidth, RainDistFormat::HeaderFields, 1,
                  QStringLiteral("Delete Current rainfall distribution ?"), QStringLiteral("Rainfall Distribution"),
                  false})
{
}

void frmRainDist::buildFields(QGridLayout *layout)
{
    QWidget *parent = layout->parentWidget() ? layout->parentWidget() : centralWidget();
    layout->addWidget(addFieldLabel(1, QStringLiteral("Rain Table Identifier")), 0, 0);
    layout->addWidget(addCombo(1), 0, 1);

    layout->addWidget(addFieldLabel(2, QStringLiteral("Rain Table Time Increment")), 1, 0);
    layout->addWidget(addBox(2, SetupFormat::FieldWidth), 1, 1);
    layout->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), 2, QStringLiteral("hr")), 1, 2);
    auto *label3 = new QLabel(QStringLiteral("@ Rain Table Time Increment"), parent);
    label3->setObjectName(QStringLiteral("Label3"));
    layout->addWidget(label3, 2, 0, 1, 3);

    QLabel *points = addFieldLabel(3, QStringLiteral("Mass Rainfall Points"));
    layout->addWidget(points, 3, 0);
    panel_.build(layout, parent, this,
                 {4, 3, GridStartRows,
                  QStringLiteral(" Click cell in grid to edit previously entered data. RIGHT click to "
                                 "insert or delete  a value."),
                  QStringLiteral("Delete Distribution"), QStringLiteral("cmdDelCur"), QStringLiteral("Blankline")},
                 {[this] { CmdPlot_Click(); }, [this] { cmdDelCur_Click(); },
                  [this](int i) { mnuDelInsItem_Click(i); }, [this](int &keyAscii) { MSFlexGrid1_KeyPress(keyAscii); },
                  [this] { MSFlexGrid1_EnterCell(); }, [this](int row, int col) { MSFlexGrid1_MouseDown(row, col); }});
    points->setBuddy(panel_.table); // names the grid's cells at Accept
    // Leaving the grid confirms what was typed into it.
    panel_.table->installEventFilter(this);
}

void frmRainDist::setDefaults()
{
    GridState &s = data_.Grid;
    s.GridAscending = true;
    s.GridMaxValue = GridState::None;
    s.GridVisibleRows = 9;
    s.CellCount = 0;
    s.SelectedRow = GridState::None;
    s.SelectedCol = GridState::None;
    s.GridBusy = false;
}

void frmRainDist::readRecords(const QStringList &lines)
{
    WorkTables &w = data_.Work;
    for (const SetupFormat::FormatItem &table : RainDistFormat::ParseRainDist(lines).tables) {
        const int k = w.AddItem();
        w.ItemHeader(IdHeader, k) = table.header.value(IdField);
        w.ItemHeader(IncrementHeader, k) = table.header.value(IncrementField);
        for (const QString &value : table.values) {
            ++w.PointCount;
            w.PointTable.ensureCount(w.PointCount);
            w.PointTable(1, w.PointCount) = value;
            if (w.ItemFirstPoint[k] == 0)
                w.ItemFirstPoint[k] = w.PointCount;
            w.ItemLastPoint[k] = w.PointCount;
        }
    }
}

void frmRainDist::finishLoad()
{
    GridState &s = data_.Grid;
    s.GridRow = 0;
    s.GridCol = 0;
    setSelectedRecord(0);
    Globsubs::FillRainDistList(false, Cmbinp(1));
    // No table is shown until one is chosen.
    clearIdentifier();
    s.GridBusy = false;
}

// ---- Choosing a table ----

QString frmRainDist::takenText(int, const QString &typed) const
{
    return RainDistFormat::TableId(TextFile::trimBlanks(typed));
}

bool frmRainDist::tableShown() const { return data_.Work.HasItem(data_.Work.CurrentItem); }

int frmRainDist::createRecord(const QString &id)
{
    const int k = RecordList::Add(data_.Work, {id});
    showRecord(k);
    return k;
}

void frmRainDist::removeRecord(int k)
{
    // The table keeps its place and identifier: typing it again chooses the
    // emptied table.
    RecordList::ClearPoints(data_.Work, k);
    data_.Work.ItemHeader(IncrementHeader, k) = QString();
}

void frmRainDist::clearFields()
{
    setBoxText(2, QString());
    panel_.clear(data_.Grid);
    SetBackColor(txtinp(2), Colors::White);
    // With no table chosen there is nothing to plot.
    panel_.cmdPlot->setEnabled(false);
}

void frmRainDist::showRecord(int k)
{
    setBoxText(2, data_.Work.ItemHeader.value(IncrementHeader, k));
    SetBackColor(txtinp(2), Colors::White);
    panel_.clear(data_.Grid);
    // A table without values starts as a new one does, from the first value "0".
    panel_.fill(data_.Grid, RainDistFormat::GridStartValues(ItemOf(data_.Work, k)));
    setPlotEnabledByRule();
}

void frmRainDist::storeRecord(int k)
{
    WorkTables &w = data_.Work;
    w.ItemHeader(IdHeader, k) = txtinp(1)->text();
    w.ItemHeader(IncrementHeader, k) = txtinp(2)->text();
    // Always the grid as it stands, so that values deleted from it stay deleted.
    Grid_Stuff::GridSeriesToTable(*panel_.grid, data_.Grid, w, panel_.cellsInUse(data_.Grid));
}

// ---- Boxes ----

EntryForm::ColorRule frmRainDist::checkField(int index)
{
    if (index == 1) {
        QComboBox *combo = Cmbinp(1);
        const QString id = takenText(1, combo->currentText());
        if (combo->currentText() != id)
            combo->setEditText(id);
        if (!RainDistFormat::IsIdentifier(id)) {
            FieldOK = false;
            // What was typed into the table shown so far stays with it.
            storeShownRecord();
            panel_.clear(data_.Grid);
            setBoxText(2, QString());
            SetBackColor(txtinp(2), Colors::White);
            Globsubs::SetBackColor(combo, Colors::Red);
            data_.Work.CurrentItem = GridState::None;
        }
    } else if (index == 2) {
        const QString increment = txtinp(2)->text();
        if (selectedRecord() > 0)
            FieldOK = RainDistFormat::IncrementPasses(increment);
        else if (!TextFile::isBlank(increment))
            FieldOK = false;
    }
    return ColorRule::Apply;
}

int frmRainDist::passColor(int) const { return Colors::White; }

int frmRainDist::nextBox(int n) const { return n > 3 ? 1 : n; }

void frmRainDist::ValidateField(int &Index)
{
    RecordForm::ValidateField(Index);
    setPlotEnabledByRule();
}

void frmRainDist::focusField(int index)
{
    if (index != 3) {
        RecordForm::focusField(index);
        return;
    }
    GridState &s = data_.Grid;
    FlexGrid &grid = *panel_.grid;
    grid.setCurrentCell(0, 1);
    s.GridRow = grid.Row();
    s.GridCol = grid.Col();
    panel_.table->setFocus(Qt::TabFocusReason);
    Grid_Stuff::MoveToGridCell(grid, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
}

bool frmRainDist::incrementIsPositive() const { return RainDistFormat::IncrementPasses(txtinp(2)->text()); }

void frmRainDist::setPlotEnabledByRule()
{
    if (panel_.cmdPlot)
        panel_.cmdPlot->setEnabled(incrementIsPositive() && data_.Grid.CellCount > 2);
}

// ---- Grid ----

void frmRainDist::MSFlexGrid1_KeyPress(int &KeyAscii)
{
    if (!tableShown()) {
        // Values belong to a table: choose or create one first.
        KeyAscii = 0;
        Cmbinp(1)->setFocus(Qt::OtherFocusReason);
        return;
    }
    panel_.keyEdit(data_.Grid, KeyAscii);
    setPlotEnabledByRule();
}

void frmRainDist::MSFlexGrid1_EnterCell()
{
    GridState &s = data_.Grid;
    if (s.GridBusy)
        return;
    panel_.enterCurrentCell(s);
    if (s.CellCount > 2) {
        panel_.cmdDelete->setEnabled(true);
        if (incrementIsPositive())
            panel_.cmdPlot->setEnabled(true);
    }
}

void frmRainDist::MSFlexGrid1_MouseDown(int row, int col)
{
    if (panel_.pressCell(data_.Grid, row, col, tableShown()))
        setPlotEnabledByRule();
    else
        Cmbinp(1)->setFocus(Qt::OtherFocusReason);
}

void frmRainDist::MSFlexGrid1_LostFocus()
{
    if (tableShown()) {
        int keyAscii = 13;
        MSFlexGrid1_KeyPress(keyAscii);
    }
    panel_.dropHighlight(data_.Grid);
}

void frmRainDist::mnuDelInsItem_Click(int Index)
{
    if (!isLoaded())
        return;
    panel_.insertOrDelete(data_.Grid, Index, data_.Grid.CellCount > 0 && tableShown());
}

// ---- Commands ----

void frmRainDist::CmdPlot_Click()
{
    if (!isLoaded())
        return;
    panel_.table->setFocus(Qt::OtherFocusReason);
    const WorkTables &w = data_.Work;
    const int k = selectedRecord();
    if (k <= 0 || !w.HasItem(k)) {
        Dialogs::message(QStringLiteral("None Selected"), Dialogs::Buttons::OK, Dialogs::Icon::None);
        return;
    }
    storeShownRecord();
    const SetupFormat::FormatItem table = ItemOf(w, k);
    const QString increment = table.header.value(IncrementField);
    if (!RainDistFormat::IncrementPasses(increment)) {
        // The time axis needs a step: the increment is marked as any bad entry is.
        if (w.CurrentItem == k) {
            SetBackColor(txtinp(2), Colors::Red);
            focusBox(2);
        }
        return;
    }
    const QStringList values = SetupFormat::NonBlankValues(table.values);
    if (values.isEmpty()) {
        Dialogs::message(QStringLiteral(" No Data Entered"), Dialogs::Buttons::OK, Dialogs::Icon::None);
        return;
    }
    Tag = QString::number(k);
    SeriesPlot::Show(Plots::RainfallRequest(k, table.header.value(IdField), increment, values));
}

std::optional<InvalidValue> frmRainDist::firstInvalidValue()
{
    storeShownRecord();
    const WorkTables &w = data_.Work;
    for (int k = 1; k <= w.ItemCount; ++k) {
        const SetupFormat::FormatItem table = ItemOf(w, k);
        if (!RainDistFormat::IsWritten(table))
            continue;
        const QString increment = table.header.value(IncrementField);
        if (!TextFile::isBlank(increment) && !RainDistFormat::IncrementPasses(increment))
            return invalidValue(k, -1, 2, increment);
        // As the grid shows the table once chosen.
        const QStringList values = RainDistFormat::GridStartValues(table);
        if (const int cell = ValueGridPanel::firstInvalidCell(data_.Grid, values); cell >= 0)
            return InvalidValue{k, cell, 3, values[cell], recordName(k), panel_.cellName(fieldName(3), cell)};
    }
    return std::nullopt;
}

void frmRainDist::showInvalidValue(const InvalidValue &value)
{
    if (value.field != 3) {
        RecordForm::showInvalidValue(value);
        return;
    }
    showStoredRecord(value.record);
    panel_.showInvalidCell(data_.Grid, value.row);
}

QStringList frmRainDist::buildRecords() const
{
    // The table shown counts as storing it would leave it.
    const WorkTables &w = data_.Work;
    RainDistFormat::RainDistData data;
    for (int k = 1; k <= w.ItemCount; ++k) {
        SetupFormat::FormatItem table = ItemOf(w, k);
        if (k == w.CurrentItem)
            table = RainDistFormat::MakeTable(txtinp(1)->text(), txtinp(2)->text(), panel_.cells(data_.Grid));
        data.tables.append(table);
    }
    return RainDistFormat::RainDistLines(data);
}

bool frmRainDist::eventFilter(QObject *watched, QEvent *event)
{
    if (!isLoaded())
        return RecordForm::eventFilter(watched, event);
    if (panel_.table && watched == panel_.table) {
        if (event->type() == QEvent::FocusOut && LeavesControl(event))
            MSFlexGrid1_LostFocus();
    } else {
        panel_.notePress(watched, event);
    }
    return RecordForm::eventFilter(watched, event);
}
