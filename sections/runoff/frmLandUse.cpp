#include "sections/runoff/frmLandUse.h"

#include "core/AlignedCells.h"
#include "core/Colors.h"
#include "core/ComboFocus.h"
#include "core/ControlArray.h"
#include "core/FlexGrid.h"
#include "core/GridStuff.h"
#include "core/Help_Stuff.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"
#include "sections/common/logic/InvalidValue.h"
#include "sections/runoff/logic/LocalLandUseData.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHideEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

QV_REGISTER_FORM(frmLandUse)

namespace {

constexpr int None = -999;
constexpr int MaxAreaLength = 10;
const QString Title = QStringLiteral("Sub-Area Land Use");
const QString HelpKey = QStringLiteral("AR");

Qt::Alignment ColumnAlignment(int c) { return Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter); }

// Grid column of a group's area (1, 3, 5, 7) and the group of an area column.
int AreaColumn(int group) { return 2 * group + 1; }
int GroupOfColumn(int col) { return (col - 1) / 2; }

QLabel *NamedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

frmLandUse::frmLandUse() { setWindowTitle(Title); }

void frmLandUse::OpenOn(QWidget * /*owner*/, const SubAreaDetailRequest &request)
{
    unload();
    request_ = request;
    hide();
    setWindowModality(Qt::ApplicationModal);
    Globsubs::ShowForm(this);
}

void frmLandUse::buildControls(QWidget *central)
{
    labelHelp_.clear();
    auto *layout = new QVBoxLayout(central);

    header_ = NamedLabel(QStringLiteral("lblHeader"), QStringLiteral("Land Use Areas:"), central);
    QFont bold = header_->font();
    bold.setBold(true);
    header_->setFont(bold);
    header_->installEventFilter(this);
    labelHelp_.insert(header_, 0);
    layout->addWidget(header_);

    auto *top = new QGridLayout;
    layout->addLayout(top);
    auto *idLabel = NamedLabel(QStringLiteral("lblInput_1"), QStringLiteral("Sub-Area Identifier"), central);
    idLabel->installEventFilter(this);
    labelHelp_.insert(idLabel, 1);
    combo_ = new QComboBox(central);
    combo_->setObjectName(QStringLiteral("Cmbinp_1"));
    combo_->setMinimumContentsLength(10);
    twin_ = new QLineEdit(central);
    twin_->setObjectName(QStringLiteral("txtinp_1"));
    twin_->setVisible(false);
    alternate_ = NamedLabel(QStringLiteral("lblStatic_1"), QStringLiteral("Alternate"), central);
    alternateId_ = NamedLabel(QStringLiteral("lblStatic_2"), QString(), central);
    alternate_->setVisible(false);
    alternateId_->setVisible(false);
    top->addWidget(idLabel, 0, 0);
    top->addWidget(combo_, 0, 1);
    top->addWidget(twin_, 0, 2);
    top->addWidget(alternate_, 0, 3);
    top->addWidget(alternateId_, 0, 4);
    connect(combo_, &QComboBox::activated, this, [this](int) { Cmbinp_Click(); });
    combo_->installEventFilter(this);

    auto *table = new QTableWidget(2, 9, central);
    table->setObjectName(QStringLiteral("MSFlexGrid1"));
    table->setItemDelegate(new AlignedCells(ColumnAlignment, table));
    grid_ = new FlexGrid(table);
    grid_->setFixedRows(1);
    const QStringList titles{QStringLiteral("Land Use Area Identifier "), QStringLiteral("A Area "),
                             QStringLiteral("CN  A"),  QStringLiteral("B  Area"), QStringLiteral("CN  B"),
                             QStringLiteral("C Area "), QStringLiteral("CN  C "), QStringLiteral("D Area"),
                             QStringLiteral("CN  D ")};
    for (int c = 0; c < 9; ++c) {
        grid_->setTextMatrix(0, c, titles[c]);
        table->setColumnWidth(c, c == 0 ? 230 : 56);
    }
    table->setMinimumSize(230 + 8 * 56 + 24, 320);
    layout->addWidget(table, 1);
    connect(grid_, &FlexGrid::KeyPress, this, &frmLandUse::KeyPress);
    connect(grid_, &FlexGrid::RowColChange, this, [this] {
        if (!cellBusy_)
            EnterCell();
    });
    connect(grid_, &FlexGrid::MouseDown, this, &frmLandUse::MouseDown);

    kept_ = NamedLabel(QStringLiteral("lblKept"), QString(), central);
    kept_->setWordWrap(true);
    kept_->setVisible(false);
    layout->addWidget(kept_);

    auto *summary = new QGridLayout;
    layout->addLayout(summary);
    auto *drainLabel = NamedLabel(QStringLiteral("lblInput_26"), QStringLiteral("Land Use Area Drainage Area"), central);
    drainLabel->installEventFilter(this);
    labelHelp_.insert(drainLabel, 26);
    drainage_ = new QLineEdit(central);
    drainage_->setObjectName(QStringLiteral("txtinp_26"));
    drainage_->setMaxLength(10);
    summary->addWidget(drainLabel, 0, 0);
    summary->addWidget(drainage_, 0, 1);
    summary->addWidget(NamedLabel(QStringLiteral("lblInUnit_26"), QString(), central), 0, 2);
    summary->addWidget(NamedLabel(QStringLiteral("lblStatic_3"), QStringLiteral("Summary of grid information."), central),
                       1, 0, 1, 3);
    summary->addWidget(NamedLabel(QStringLiteral("lblInput_27"), QStringLiteral("Accumulated Drainage Area"), central),
                       2, 0);
    area_ = NamedLabel(QStringLiteral("txtlbl_27"), QString(), central);
    area_->setFrameShape(QFrame::Panel);
    area_->setFrameShadow(QFrame::Sunken);
    summary->addWidget(area_, 2, 1);
    summary->addWidget(NamedLabel(QStringLiteral("lblInUnit_27"), QString(), central), 2, 2);
    summary->addWidget(NamedLabel(QStringLiteral("lblInput_28"), QStringLiteral("Sub-Area Weighted CN"), central), 3, 0);
    weighted_ = NamedLabel(QStringLiteral("txtlbl_28"), QString(), central);
    weighted_->setFrameShape(QFrame::Panel);
    weighted_->setFrameShadow(QFrame::Sunken);
    summary->addWidget(weighted_, 3, 1);
    layout->addWidget(NamedLabel(QStringLiteral("lblStatic_4"),
                                 QStringLiteral("Right click on entered land use area box to delete value."), central));
    auto *note = NamedLabel(QStringLiteral("lblStatic_5"),
                            QStringLiteral("Local Curve Number Identifiers and curve numbers can be added to grid using "
                                           "Local Land Use entry on main window File pull down."),
                            central);
    note->setWordWrap(true);
    layout->addWidget(note);

    help_ = new QPlainTextEdit(central);
    help_->setObjectName(QStringLiteral("txtHelp"));
    help_->setReadOnly(true);
    help_->setFocusPolicy(Qt::NoFocus);
    help_->setVisible(false);
    layout->addWidget(help_);

    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    delete_ = new QPushButton(QStringLiteral("Delete Land Use Details"), central);
    delete_->setObjectName(QStringLiteral("cmdDelCur"));
    soils_ = new QPushButton(QStringLiteral("    Display          Local Soils"), central);
    soils_->setObjectName(QStringLiteral("CmdPopup"));
    soils_->setVisible(false);
    auto *finished = new QPushButton(QStringLiteral("Return to Sub-Area"), central);
    finished->setObjectName(QStringLiteral("cmdFinished"));
    buttons->addWidget(delete_);
    buttons->addWidget(soils_);
    buttons->addWidget(finished);
    connect(delete_, &QPushButton::clicked, this, &frmLandUse::cmdDelCur_Click);
    connect(soils_, &QPushButton::clicked, this, &frmLandUse::CmdPopup_Click);
    connect(finished, &QPushButton::clicked, this, &frmLandUse::cmdFinished_Click);

    popup_ = new QMenu(central);
    popup_->setObjectName(QStringLiteral("mnupopup"));
    QAction *deleteValue = popup_->addAction(QStringLiteral("Delete Value"));
    deleteValue->setObjectName(QStringLiteral("mnuDelInsItem_2"));
    connect(deleteValue, &QAction::triggered, this, [this] { mnuDelInsItem_Click(2); });
}

void frmLandUse::Form_Load()
{
    using namespace Editglob;
    cellBusy_ = true;
    setWindowTitle(Title + QStringLiteral("   Current File - ") + FileName);
    for (const char *unit : {"lblInUnit_26", "lblInUnit_27"})
        if (auto *label = findChild<QLabel *>(QLatin1String(unit)))
            label->setText(AreaUnit);
    Help_Stuff::FormHelpKey = HelpKey;
    Help_Stuff::CurrentHelpId = Help_Stuff::NoHelp;
    shown_ = -1;
    selectedRow_ = selectedCol_ = None;

    const bool alternate = request_.Alternate > 0;
    alternate_->setVisible(alternate);
    alternateId_->setVisible(alternate);
    alternateId_->setText(alternate ? request_.AlternateId : QString());

    QFile soilFile(LocalSoilFile);
    soils_->setVisible(QFileInfo(LocalSoilFile).isFile() && soilFile.open(QIODevice::ReadOnly));

    // The grid: the local land uses, then the standard ones. Rows are built
    // afresh at every load, so none is left over from an earlier opening.
    rows_ = LandUseGrid::BuildRows(LocalLandUseData::Read(LocalLandUseFile));
    rowIndex_ = LandUseGrid::RowIndex(rows_);
    QTableWidget *table = grid_->table();
    table->setUpdatesEnabled(false);
    grid_->setRows(int(rows_.size()) + 1);
    for (int i = 0; i < rows_.size(); ++i) {
        const LandUseGrid::GridRow &row = rows_[i];
        const int r = i + 1;
        const int grey = row.Local ? LocalGrey : StandardGrey;
        grid_->setTextMatrix(r, 0, row.Name);
        grid_->setCellColor(r, 0, grey);
        for (int g = 0; g < 4; ++g) {
            grid_->setTextMatrix(r, AreaColumn(g) + 1, row.CN[g]);
            grid_->setCellColor(r, AreaColumn(g) + 1, grey);
            if (!LandUseGrid::CellUsable(row, g))
                grid_->setCellColor(r, AreaColumn(g), StandardGrey);
        }
    }
    table->setUpdatesEnabled(true);
    areas_ = LandUseGrid::Areas(rows_.size());
    unseen_.clear();

    records_ = request_.SubAreas;
    edited_ = QList<bool>(records_.size(), false);
    combo_->clear();
    QStringList listed{QString()};
    places_.reset(int(records_.size()));
    // Offered: the sub-areas without an area or curve number of their own,
    // and those with land rows to edit even when a file written elsewhere
    // gave them an area or curve number as well.
    for (int k = 0; k < records_.size(); ++k) {
        const SubAreaRecord &record = records_[k];
        if ((TextFile::isBlank(record.Field[4]) && TextFile::isBlank(record.Field[5])) || !record.Land.isEmpty()) {
            places_.add(k);
            listed << TextFile::trimBlanks(record.SubAreaId());
        }
    }
    combo_->addItems(listed);
    help_->setVisible(false);
    area_->clear();
    weighted_->clear();
    gridRow_ = gridCol_ = 1;

    const int current = request_.Current;
    if (current >= 0 && current < records_.size()) {
        shown_ = current;
        twin_->setText(records_[current].SubAreaId());
        // A sub-area the list does not offer shows the empty entry.
        combo_->setCurrentIndex(std::max(places_.entry(current), 0));
        ShowSubAreaLandUse(current);
    }
    SetDeleteVisible();
    cellBusy_ = false;
    grid_->table()->setFocus(Qt::OtherFocusReason);
    MoveCursor(1, 1);
    EnterCell();
}

void frmLandUse::hideEvent(QHideEvent *event)
{
    QvForm::hideEvent(event);
    // A later opening through the menus is not modal unless asked again. The
    // modality may change only once the window is hidden: changed while
    // shown, the window would stay on the modal list and block every other
    // window after it closed.
    if (!event->spontaneous() && !isVisible())
        setWindowModality(Qt::NonModal);
}

void frmLandUse::Form_Unload()
{
    request_ = SubAreaDetailRequest();
    records_.clear();
    places_.clear();
}

void frmLandUse::SetDeleteVisible() { delete_->setVisible(!TextFile::isBlank(combo_->currentText())); }

void frmLandUse::Cmbinp_Click()
{
    twin_->setText(combo_->currentText());
    // The entry chosen names its sub-area by its place, also where two share
    // an identifier.
    const int chosen = places_.record(combo_->currentIndex());
    // What the grid holds is stored before any reload, also of the sub-area
    // chosen again.
    StoreSubAreaLandUse();
    shown_ = chosen;
    if (chosen >= 0) {
        Globsubs::SetBackColor(combo_, Colors::White);
        ShowSubAreaLandUse(chosen);
        MoveCursor(1, 1);
        EnterCell();
    } else {
        ClearGrid();
        Globsubs::SetBackColor(combo_, Colors::Red);
    }
    SetDeleteVisible();
}

void frmLandUse::ClearGrid()
{
    cellBusy_ = true;
    for (int i = 0; i < areas_.size(); ++i)
        for (int g = 0; g < 4; ++g)
            if (!areas_[i][g].isEmpty()) {
                areas_[i][g].clear();
                grid_->setTextMatrix(i + 1, AreaColumn(g), QString());
            }
    parcels_.clear();
    unseen_.clear();
    ShowKept();
    // What the cells show now was not typed: the next key starts its cell afresh.
    typing_ = false;
    drainage_->clear();
    area_->clear();
    weighted_->clear();
    cellBusy_ = false;
}

void frmLandUse::ShowSubAreaLandUse(int k)
{
    ClearGrid();
    const LandUseGrid::Placement placed = LandUseGrid::PlaceEntries(rows_, rowIndex_, records_[k].Land);
    bool any = false;
    for (int i = 0; i < placed.areas.size(); ++i)
        for (int g = 0; g < 4; ++g)
            if (!placed.areas[i][g].isEmpty()) {
                SetArea(i + 1, AreaColumn(g), placed.areas[i][g]);
                any = true;
            }
    parcels_ = placed.parcels;
    unseen_ = placed.unseen;
    ShowKept();
    if (any)
        UpdateTotals();
}

void frmLandUse::ShowKept()
{
    if (unseen_.isEmpty()) {
        kept_->clear();
        kept_->setVisible(false);
        return;
    }
    QStringList entries;
    for (const LandRow &row : unseen_)
        entries << TextFile::trimBlanks(row.LandUseName) + QStringLiteral(" (") + TextFile::trimBlanks(row.SoilGroup)
                       + QStringLiteral(") ") + TextFile::trimBlanks(row.LandArea);
    kept_->setText(QStringLiteral("Kept unchanged, not shown in the grid (no such land use or soil group here): ")
                   + entries.join(QStringLiteral("; ")));
    kept_->setVisible(true);
}

void frmLandUse::StoreSubAreaLandUse()
{
    if (shown_ < 0 || shown_ >= records_.size() || !edited_[shown_])
        return;
    records_[shown_].Land = LandUseGrid::LandRowsFrom(rows_, areas_, parcels_, unseen_);
}

void frmLandUse::SetArea(int row, int col, const QString &text)
{
    areas_[row - 1][GroupOfColumn(col)] = text;
    grid_->setTextMatrix(row, col, text);
}

// The area the user typed or deleted: the cell holds it alone, whatever
// parcels it stood for.
void frmLandUse::EditArea(int row, int col, const QString &text)
{
    SetArea(row, col, text);
    parcels_.remove(LandUseGrid::CellKey(row - 1, GroupOfColumn(col)));
    if (shown_ >= 0)
        edited_[shown_] = true;
    UpdateTotals();
}

void frmLandUse::UpdateTotals()
{
    const LandUseGrid::Totals totals = LandUseGrid::ComputeTotals(rows_, areas_);
    area_->setText(totals.AreaText);
    weighted_->setText(totals.WeightedText);
}

bool frmLandUse::Blocked(int row, int col) const
{
    return row < 1 || row >= grid_->Rows() || col < 0 || col > 8 || grid_->CellColor(row, col) == StandardGrey;
}

void frmLandUse::MoveCursor(int row, int col)
{
    const bool busy = cellBusy_;
    cellBusy_ = true;
    grid_->setCurrentCell(row, col);
    cellBusy_ = busy;
}

void frmLandUse::HighlightCell()
{
    if (selectedRow_ > 0)
        grid_->setCellColor(selectedRow_, selectedCol_, Colors::White);
    gridRow_ = grid_->Row();
    gridCol_ = grid_->Col();
    selectedRow_ = gridRow_;
    selectedCol_ = gridCol_;
    grid_->setCellColor(selectedRow_, selectedCol_, Colors::Green);
    typing_ = false;
}

void frmLandUse::EnterCell()
{
    const int row = grid_->Row();
    int col = grid_->Col();
    if (Blocked(row, col)) {
        MoveCursor(gridRow_, gridCol_);
        if (!Blocked(gridRow_, gridCol_) && selectedRow_ != gridRow_)
            HighlightCell();
        return;
    }
    if (col % 2 == 0) {
        // A name or curve-number cell of a local row leads to an area cell.
        const bool fromLeft = gridRow_ == row && gridCol_ + 1 == col;
        col = std::clamp(fromLeft ? col + 1 : col - 1, 1, 7);
        if (Blocked(row, col)) {
            MoveCursor(gridRow_, gridCol_);
            return;
        }
        MoveCursor(row, col);
    }
    HighlightCell();
}

void frmLandUse::MouseDown(int row, int)
{
    if (row < 1)
        return;
    if (grid_->MouseButton() == Qt::RightButton)
        popup_->popup(QCursor::pos());
}

void frmLandUse::KeyPress(int &KeyAscii)
{
    const int key = KeyAscii;
    KeyAscii = 0;
    const int row = grid_->Row();
    const int col = grid_->Col();
    if (Blocked(row, col) || col % 2 == 0)
        return;
    if (key == 9 || key == 13 || key == 39) {
        // The cell is done with, also where the cursor cannot move on.
        typing_ = false;
        if (col < 7)
            grid_->setCurrentCell(row, col + 2);
        else if (row + 1 < grid_->Rows())
            grid_->setCurrentCell(row + 1, 1);
        return;
    }
    // Only what the user types or erases replaces the cell, and with it the
    // parcels it stands for; their sum may be longer than an area.
    const QString before = TextFile::trimBlanks(grid_->TextMatrix(row, col));
    QString text = before;
    if (key == 8) {
        // Backspace edits the text the cell holds; what is typed next adds to
        // it. Edited, a sum longer than an area keeps what an area can hold.
        if (!text.isEmpty())
            text = text.chopped(1).left(MaxAreaLength);
        typing_ = true;
    } else if ((key >= '0' && key <= '9') || (key == '.' && !(typing_ && text.contains(QLatin1Char('.'))))) {
        Grid_Stuff::TypeIntoCell(text, QLatin1Char(char(key)), typing_);
        if (text.size() > MaxAreaLength)
            return;
    } else {
        return;
    }
    if (text == before)
        return;
    EditArea(row, col, text);
}

void frmLandUse::mnuDelInsItem_Click(int Index)
{
    if (Index != 2 || Blocked(gridRow_, gridCol_) || gridCol_ % 2 == 0)
        return;
    MoveCursor(gridRow_, gridCol_);
    if (areas_[gridRow_ - 1][GroupOfColumn(gridCol_)].isEmpty())
        return;
    EditArea(gridRow_, gridCol_, QString());
}

void frmLandUse::cmdDelCur_Click()
{
    if (shown_ < 0)
        return;
    StoreSubAreaLandUse();
    const Dialogs::Answer answer =
        Dialogs::message(QStringLiteral("Delete Current Sub-Area Land Use Data ?"), Dialogs::Buttons::YesNo,
                         Dialogs::Icon::Question, QStringLiteral("Sub-area Land Use"));
    if (answer == Dialogs::Answer::No)
        return;
    records_[shown_].Land.clear();
    edited_[shown_] = true;
    ClearGrid();
}

bool frmLandUse::refuseInvalidArea()
{
    for (int k = 0; k < records_.size(); ++k) {
        // Only the sub-areas the list offers, or the one shown, can be shown
        // to be corrected.
        if (places_.entry(k) < 0 && k != shown_)
            continue;
        std::optional<InvalidValue> fault = LandUseGrid::FirstInvalidArea(rows_, rowIndex_, records_[k].Land);
        if (!fault)
            continue;
        const QString id = TextFile::trimBlanks(records_[k].SubAreaId());
        const int row = fault->row + 1;
        const int col = AreaColumn(fault->field);
        fault->recordName = QStringLiteral("Sub-Area ") + id;
        fault->fieldName = TextFile::trimBlanks(rows_[fault->row].Name) + QStringLiteral(", ")
                           + TextFile::trimBlanks(grid_->TextMatrix(0, col));
        InvalidValues::Tell(*fault, Title);
        if (shown_ != k) {
            combo_->setCurrentIndex(places_.entry(k));
            Cmbinp_Click();
        }
        MoveCursor(row, col);
        EnterCell();
        grid_->setCellColor(row, col, Colors::Red);
        grid_->table()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

void frmLandUse::cmdFinished_Click()
{
    StoreSubAreaLandUse();
    if (refuseInvalidArea())
        return;
    QList<ReturnedSubArea> changed;
    for (int k = 0; k < records_.size(); ++k) {
        if (!edited_[k])
            continue;
        const QList<LandRow> &before = request_.SubAreas[k].Land;
        const QList<LandRow> &after = records_[k].Land;
        bool same = before.size() == after.size();
        for (int i = 0; same && i < before.size(); ++i)
            same = before[i].LandUseName == after[i].LandUseName && before[i].SoilGroup == after[i].SoilGroup
                   && before[i].LandArea == after[i].LandArea;
        if (!same)
            changed << ReturnedSubArea{k, records_[k]};
    }
    const auto onReturn = request_.OnReturn;
    unload();
    if (onReturn)
        onReturn(changed);
}

void frmLandUse::CmdPopup_Click()
{
    QvForm *soils = Forms::get(QStringLiteral("frmDisplaySoil"));
    if (!soils)
        return;
    // Over a modal window the list must be modal too, or it could not be used.
    if (!soils->isVisible())
        soils->setWindowModality(isModal() ? Qt::ApplicationModal : Qt::NonModal);
    Globsubs::ShowForm(soils);
}

bool frmLandUse::eventFilter(QObject *watched, QEvent *event)
{
    // A sub-area set in the list without being picked is taken when the list
    // is left. A handed-over sub-area that the list does not offer stays shown.
    // The cast comes first: a combo being destroyed is no longer a combo, and
    // comparing it with the typed pointer would treat it as one.
    const bool isCombo = qobject_cast<QComboBox *>(watched) && watched == combo_;
    if (isCombo && isLoaded() && ComboFocus::Leaves(combo_, event)) {
        const int listed = places_.record(combo_->currentIndex());
        if (listed != shown_ && (listed >= 0 || places_.entry(shown_) >= 0))
            Cmbinp_Click();
    }
    if (isCombo && event->type() == QEvent::KeyPress) {
        // Tab and Enter go on to the first area cell.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Return || key == Qt::Key_Enter) {
            gridRow_ = gridCol_ = 1;
            MoveCursor(1, 1);
            EnterCell();
            grid_->table()->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress && labelHelp_.contains(watched)) {
        const int id = labelHelp_.value(watched);
        Help_Stuff::FormHelpKey = HelpKey;
        Help_Stuff::ShowHelp(id, nullptr, help_, id == 0 ? QStringLiteral("ARL") : HelpKey);
        return false;
    }
    return QvForm::eventFilter(watched, event);
}
