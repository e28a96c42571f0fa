#include "sections/ratings/frmInpHyd.h"

#include "core/Colors.h"
#include "core/FlexGrid.h"
#include "core/GridStuff.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "plots/logic/PlotModel.h"
#include "sections/common/logic/RecordList.h"
#include "sections/ratings/logic/RatingChecks.h"
#include "sections/ratings/logic/RatingFormats.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

QV_REGISTER_FORM(frmInpHyd)

using namespace RatingFormats;
using RatingChecks::Section;

namespace {
constexpr int StartRows = 10;
constexpr int Columns = 5;
constexpr int FlowsBox = 8;
const QStringList Captions{QString(),
                           QStringLiteral("Input Hydrograph Identifier"),
                           QStringLiteral("Input Hydrograph Reach Identifier"),
                           QStringLiteral("Input Hydrograph Storm Identifier"),
                           QStringLiteral("Input Hydrograph Start Time"),
                           QStringLiteral("Input Hydrograph Time Increment"),
                           QStringLiteral("Input Hydrograph Drainage Area"),
                           QStringLiteral("Input Hydrograph Base Flow"),
                           QStringLiteral("Input Hydrograph Flows")};

bool IsComboBox(int index) { return index >= 1 && index <= 3; }
} // namespace

frmInpHyd::frmInpHyd()
    : RecordForm({QStringLiteral("Input Hydrograph"), QStringLiteral("Input Hydrograph:"), QStringLiteral("IH"),
                  Editglob::SecInpHyd, QStringLiteral("Accept Changes (Close)"),
                  QStringLiteral("    No Changes   (Close)")},
                 {1, FieldWidth, InpHyd::HeaderFields, InpHyd::PointFields,
                  QStringLiteral("Delete Current input hydrograph ?"), QStringLiteral("Input Hydrograph"), true})
{
}

// ---- Controls ----

void frmInpHyd::buildFields(QGridLayout *layout)
{
    QWidget *parent = layout->parentWidget() ? layout->parentWidget() : centralWidget();
    const QStringList units{QString(), QString(), QString(), QString(), QStringLiteral("hr"), QStringLiteral("hr"),
                            Editglob::AreaUnit, Editglob::FlowUnit, Editglob::FlowUnit};
    for (int i = 1; i <= 7; ++i) {
        layout->addWidget(addFieldLabel(i, Captions[i]), i - 1, 0);
        if (IsComboBox(i)) {
            QComboBox *combo = addCombo(i);
            combo->lineEdit()->setMaxLength(FieldWidth);
            layout->addWidget(combo, i - 1, 1);
        } else {
            layout->addWidget(addBox(i, FieldWidth), i - 1, 1);
            layout->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), i, units[i]), i - 1, 2);
        }
    }
    layout->addWidget(addFieldLabel(FlowsBox, Captions[FlowsBox]), 7, 0);
    layout->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), FlowsBox, units[FlowsBox]), 7, 2);
    auto *label2 = new QLabel(QStringLiteral("@ Input Hydrograph Time Increment"), parent);
    label2->setObjectName(QStringLiteral("Label2_1"));
    layout->addWidget(label2, 8, 0, 1, 3);

    panel_.build(layout, parent, this,
                 {9, 3, StartRows,
                  QStringLiteral(" Click grid cell to edit previously entered data. RIGHT click to insert or "
                                 "delete  a value."),
                  QStringLiteral("   Delete    Hydrograph"), QStringLiteral("cmdDelCur"), QStringLiteral("Blankline")},
                 {[this] { CmdPlot_Click(); }, [this] { cmdDelCur_Click(); },
                  [this](int i) { mnuDelInsItem_Click(i); }, [this](int &keyAscii) { MSFlexGrid1_KeyPress(keyAscii); },
                  [this] { MSFlexGrid1_EnterCell(); }, [this](int row, int col) { MSFlexGrid1_MouseDown(row, col); }});
    panel_.table->setObjectName(QStringLiteral("MSFlexGrid1"));
    panel_.popup->setObjectName(QStringLiteral("mnuPopUp"));
    if (auto *hint = parent->findChild<QLabel *>(QStringLiteral("Label4")))
        hint->setObjectName(QStringLiteral("Label4_0"));
    if (auto *entered = parent->findChild<QLabel *>(QStringLiteral("lblDispBox")))
        entered->setObjectName(QStringLiteral("lblDispBox_0"));
    panel_.cmdPlot->setEnabled(true);
    panel_.cmdPlot->setVisible(false);
    // Leaving the grid confirms what was typed into it.
    panel_.table->installEventFilter(this);
}

// ---- Load ----

void frmInpHyd::setDefaults()
{
    GridState &s = data_.Grid;
    s = GridState();
    s.GridAscending = false;
    s.GridMaxValue = GridState::None;
    s.GridVisibleRows = 9;
    s.CellCount = 0;
    s.SelectedRow = GridState::None;
    s.SelectedCol = GridState::None;
    Accepting = false;
}

void frmInpHyd::readRecords(const QStringList &lines)
{
    ToWorkTables(InpHyd::Parse(lines), InpHyd::HeaderFields, InpHyd::PointFields, data_.Work);
}

void frmInpHyd::finishLoad()
{
    GridState &s = data_.Grid;
    s.GridRow = 0;
    s.GridCol = 0;
    Globsubs::FillInputHydList(Cmbinp(1));
    Globsubs::FillLocationList(Cmbinp(2), false);
    Globsubs::FillStormList(Cmbinp(3));
    // Nothing is shown until an identifier is chosen.
    for (int i = 1; i <= 3; ++i) {
        Cmbinp(i)->setCurrentIndex(-1);
        Cmbinp(i)->setEditText(QString());
    }
}

// ---- Records ----

bool frmInpHyd::hydrographShown() const { return data_.Work.HasItem(data_.Work.CurrentItem); }

void frmInpHyd::fillGrid(const QStringList &flows)
{
    GridState &s = data_.Grid;
    FlexGrid &grid = *panel_.grid;
    s.GridBusy = true;
    QTableWidget *table = panel_.table;
    table->setUpdatesEnabled(false);
    const int n = int(flows.size());
    // An empty row always follows the data.
    const int rows = n / Columns + 1;
    if (grid.Rows() < rows + ((n % Columns) == 0 ? 0 : 1))
        grid.setRows(rows + ((n % Columns) == 0 ? 0 : 1));
    for (int k = 0; k < n; ++k)
        grid.setTextMatrix(k / Columns, k % Columns, flows[k]);
    table->setUpdatesEnabled(true);
    s.CellCount = n;
    s.GridBusy = false;
}

void frmInpHyd::showRecord(int k)
{
    const WorkTables &w = data_.Work;
    for (int i = 2; i <= 7; ++i) {
        setBoxText(i, w.ItemHeader.value(i, k));
        SetBackColor(txtinp(i), Colors::White);
    }
    for (int i = 2; i <= 3; ++i) {
        Cmbinp(i)->setEditText(txtinp(i)->text());
        Globsubs::SetBackColor(Cmbinp(i), Colors::White);
    }
    panel_.clear(data_.Grid);
    if (w.HasPoints(k)) {
        QStringList flows;
        flows.reserve(w.ItemLastPoint[k] - w.ItemFirstPoint[k] + 1);
        for (int p = w.ItemFirstPoint[k]; p <= w.ItemLastPoint[k]; ++p)
            flows << w.PointTable.value(1, p);
        fillGrid(flows);
    } else {
        NewHydrograph();
    }
    setPlotVisibleByRule();
}

void frmInpHyd::NewHydrograph()
{
    clearFields();
    GridState &s = data_.Grid;
    s.GridBusy = true;
    // Every hydrograph starts from its first flow, fixed in the first cell.
    panel_.grid->setTextMatrix(0, 0, QStringLiteral("0"));
    s.GridRow = 0;
    s.GridCol = 0;
    s.CellCount = 2;
    s.GridBusy = false;
}

int frmInpHyd::createRecord(const QString &id)
{
    const int k = RecordList::Add(data_.Work, {id});
    NewHydrograph();
    return k;
}

void frmInpHyd::storeRecord(int k)
{
    WorkTables &w = data_.Work;
    for (int i = 2; i <= 7; ++i)
        w.ItemHeader(i, k) = txtinp(i)->text();
    w.CurrentItem = k;
    Grid_Stuff::GridSeriesToTable(*panel_.grid, data_.Grid, w, panel_.cellsInUse(data_.Grid));
}

void frmInpHyd::clearFields()
{
    for (int i = 2; i <= 7; ++i) {
        setBoxText(i, QString());
        SetBackColor(txtinp(i), Colors::White);
    }
    for (int i = 2; i <= 3; ++i) {
        Cmbinp(i)->setEditText(QString());
        Globsubs::SetBackColor(Cmbinp(i), Colors::White);
    }
    panel_.clear(data_.Grid);
    panel_.cmdPlot->setVisible(false);
}

QString frmInpHyd::takenText(int, const QString &typed) const
{
    return TextFile::trimBlanks(typed).left(FieldWidth);
}

void frmInpHyd::comboTaken(int, const QString &) {}

QStringList frmInpHyd::buildRecords() const
{
    return InpHyd::Lines(FromWorkTables(data_.Work, InpHyd::HeaderFields, InpHyd::PointFields));
}

// ---- Boxes ----

int frmInpHyd::passColor(int) const { return Colors::White; }

int frmInpHyd::nextBox(int n) const { return n > 7 ? 1 : n; }

EntryForm::ColorRule frmInpHyd::checkField(int index)
{
    const QString text = txtinp(index) ? txtinp(index)->text() : QString();
    const bool blank = TextFile::isBlank(text);
    const bool shown = selectedRecord() > 0;
    if (Accepting && blank)
        return ColorRule::Keep;
    if (IsComboBox(index)) {
        if (blank && index != 3)
            FieldOK = false;
        if (blank && index == 1) {
            // An empty identifier shows no hydrograph: the one shown keeps
            // what it holds, and the window is cleared.
            storeShownRecord();
            panel_.clear(data_.Grid);
            for (int i = 1; i <= 7; ++i) {
                setBoxText(i, QStringLiteral(" "));
                SetBackColor(txtinp(i), Colors::White);
            }
            for (int i = 2; i <= 3; ++i) {
                Cmbinp(i)->setEditText(QStringLiteral(" "));
                Globsubs::SetBackColor(Cmbinp(i), Colors::White);
            }
            data_.Work.CurrentItem = GridState::None;
        }
        if (index > 1 && !blank && !shown)
            FieldOK = false;
    } else {
        if (index == 5)
            Globsubs::CheckGreaterThan(false, 0, text, FieldOK);
        else
            Globsubs::CheckAtLeast(true, 0, text, FieldOK);
        if (!shown && !blank)
            FieldOK = false;
    }
    setPlotVisibleByRule();
    return ColorRule::Apply;
}

void frmInpHyd::txtinp_KeyPress(int &Index, int &KeyAscii)
{
    if (KeyAscii != 9 && KeyAscii != 13)
        return;
    ValidateField(Index);
    if (Index + 1 == FlowsBox) {
        enterGrid();
    } else {
        NextField(Index);
    }
    KeyAscii = 0;
}

void frmInpHyd::txtinp_LostFocus(int Index)
{
    LastFieldLeft = Index;
    if (movingByKey() || Index < 4 || Index > 7)
        return;
    ValidateField(Index);
}

void frmInpHyd::enterGrid()
{
    GridState &s = data_.Grid;
    FlexGrid &grid = *panel_.grid;
    s.GridBusy = true;
    grid.setCurrentCell(0, 1);
    s.GridBusy = false;
    s.GridRow = grid.Row();
    s.GridCol = grid.Col();
    panel_.table->setFocus(Qt::TabFocusReason);
    Grid_Stuff::MoveToGridCell(grid, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
}

bool frmInpHyd::incrementIsPositive() const
{
    bool ok = true;
    Globsubs::CheckGreaterThan(false, 0, txtinp(5)->text(), ok);
    return ok;
}

void frmInpHyd::setPlotVisibleByRule()
{
    if (panel_.cmdPlot)
        panel_.cmdPlot->setVisible(hydrographShown() && incrementIsPositive() && data_.Grid.CellCount > 2);
}

// ---- Grid ----

void frmInpHyd::MSFlexGrid1_KeyPress(int &KeyAscii)
{
    if (!hydrographShown()) {
        // Flows belong to a hydrograph: choose or create one first.
        KeyAscii = 0;
        Cmbinp(1)->setFocus(Qt::OtherFocusReason);
        return;
    }
    GridState &s = data_.Grid;
    // A flow fills its ten columns at most.
    const bool typesCharacter = KeyAscii == '.' || (KeyAscii >= '0' && KeyAscii <= '9');
    if (typesCharacter && s.Typing && panel_.grid->Text().size() >= FieldWidth) {
        KeyAscii = 0;
        return;
    }
    panel_.keyEdit(s, KeyAscii);
    setPlotVisibleByRule();
}

void frmInpHyd::MSFlexGrid1_EnterCell()
{
    GridState &s = data_.Grid;
    if (s.GridBusy)
        return;
    panel_.enterCurrentCell(s);
    setPlotVisibleByRule();
}

void frmInpHyd::MSFlexGrid1_MouseDown(int row, int col)
{
    if (panel_.pressCell(data_.Grid, row, col, hydrographShown()))
        setPlotVisibleByRule();
    else
        Cmbinp(1)->setFocus(Qt::OtherFocusReason);
}

void frmInpHyd::MSFlexGrid1_LostFocus()
{
    if (hydrographShown()) {
        int keyAscii = 13;
        MSFlexGrid1_KeyPress(keyAscii);
    }
    panel_.dropHighlight(data_.Grid);
}

void frmInpHyd::mnuDelInsItem_Click(int Index)
{
    if (!isLoaded())
        return;
    panel_.insertOrDelete(data_.Grid, Index, data_.Grid.CellCount > 0 && hydrographShown());
    setPlotVisibleByRule();
}

// ---- Commands ----

void frmInpHyd::cmdDelCur_Click()
{
    if (!isLoaded())
        return;
    deleteChosenRecord();
    panel_.cmdPlot->setVisible(false);
}

void frmInpHyd::CmdPlot_Click()
{
    if (!isLoaded())
        return;
    panel_.table->setFocus(Qt::OtherFocusReason);
    const int k = selectedRecord();
    if (!data_.Work.HasItem(k)) {
        Dialogs::message(QStringLiteral("None Selected"), Dialogs::Buttons::OK, Dialogs::Icon::None);
        return;
    }
    storeShownRecord();
    const WorkTables &w = data_.Work;
    const Item item = FromWorkTables(w, InpHyd::HeaderFields, InpHyd::PointFields).value(k - 1);
    const QStringList flows = InpHyd::Flows(item);
    // The time axis needs a step and the curve two flows.
    if (flows.size() < InpHyd::MinFlows || !incrementIsPositive()) {
        setPlotVisibleByRule();
        return;
    }
    Tag = QString::number(k);
    SeriesPlot::Show(Plots::InputHydrographRequest(k, item.header.value(0), item.header.value(3),
                                                   item.header.value(4), flows));
}

void frmInpHyd::showInvalidValue(const InvalidValue &value)
{
    showStoredRecord(value.record);
    if (value.field == FlowsBox) {
        panel_.showInvalidCell(data_.Grid, value.row);
    } else {
        SetBackColor(txtinp(value.field), Colors::Red);
        focusField(value.field);
    }
}

std::optional<InvalidValue> frmInpHyd::firstInvalidValue()
{
    if (const auto shown = redBox(2, 7))
        return shown;
    storeShownRecord();
    const Items all = FromWorkTables(data_.Work, InpHyd::HeaderFields, InpHyd::PointFields);
    const auto fault = RatingChecks::FirstFault(Section::Hydrograph, all);
    if (!fault)
        return std::nullopt;
    const Item &item = all[fault->item];
    const QString text = fault->row < 0 ? item.header.value(fault->box - 1) : item.rows[fault->row].value(0);
    return invalidValue(fault->item + 1, fault->row, fault->box, text);
}

void frmInpHyd::cmdFinished_Click()
{
    if (!isLoaded())
        return;
    Accepting = true;
    if (LastFieldLeft > 0) {
        int index = LastFieldLeft;
        ValidateField(index);
    }
    const bool refused = refuseValueWithoutRecord(2, 7) || refuseInvalid();
    Accepting = false;
    if (refused)
        return;
    writeAndClose();
}

// ---- Events ----

bool frmInpHyd::eventFilter(QObject *watched, QEvent *event)
{
    if (!isLoaded())
        return RecordForm::eventFilter(watched, event);
    if (panel_.table && watched == panel_.table) {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                MSFlexGrid1_LostFocus();
        }
    } else {
        panel_.notePress(watched, event);
    }
    return RecordForm::eventFilter(watched, event);
}
