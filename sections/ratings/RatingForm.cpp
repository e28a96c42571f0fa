#include "sections/ratings/RatingForm.h"

#include "core/AlignedCells.h"
#include "core/Colors.h"
#include "core/FlexGrid.h"
#include "core/GridStuff.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"
#include "plots/logic/PlotModel.h"
#include "sections/common/ValueGridPanel.h"
#include "sections/common/logic/RecordList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

using namespace RatingFormats;
using RatingChecks::Section;

namespace {
constexpr int StartRows = 11;
constexpr int ColumnTwips = 850;
constexpr int VisibleRows = 9;

Qt::Alignment Centred(int) { return Qt::AlignCenter; }
} // namespace

RatingForm::RatingForm(const Setup &setup, const RecordSetup &records, const RatingSetup &rating)
    : RecordForm(setup, records), rating_(rating)
{
}

// ---- Controls ----

void RatingForm::addBoxRow(QGridLayout *layout, int row, int index, const QString &caption, const QString &unit,
                           bool withUnit)
{
    layout->addWidget(addFieldLabel(index, caption), row, 0);
    layout->addWidget(addBox(index, FieldWidth), row, 1);
    if (withUnit)
        layout->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), index, unit), row, 2);
}

void RatingForm::buildControls(QWidget *central)
{
    RecordForm::buildControls(central);
    boxes_ = ControlArray::find(central, QStringLiteral("txtinp"));
}

void RatingForm::buildFields(QGridLayout *layout)
{
    QWidget *parent = layout->parentWidget() ? layout->parentWidget() : centralWidget();
    int row = buildBoxes(layout);

    auto *comment1 = new QLabel(rating_.comment1, parent);
    comment1->setObjectName(QStringLiteral("lblComment_1"));
    layout->addWidget(comment1, row++, 0, 1, 3);

    const int cols = int(rating_.gridTitles.size());
    auto *table = new QTableWidget(StartRows, cols, parent);
    table->setObjectName(QStringLiteral("MSFlexGrid1"));
    table->setItemDelegate(new AlignedCells(Centred, table));
    grid_ = new FlexGrid(table);
    grid_->setFixedRows(1);
    // A column is wide enough for its title on one line: a cell leaves a
    // margin on either side of its text, and elides what does not fit.
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    const QFontMetrics metrics = table->fontMetrics();
    int gridWidth = 0;
    for (int c = 0; c < cols; ++c) {
        grid_->setTextMatrix(0, c, rating_.gridTitles[c]);
        const int width = std::max(ColumnTwips / Plots::TwipsPerPixel,
                                   metrics.horizontalAdvance(rating_.gridTitles[c]) + 2 * margin + 2);
        table->setColumnWidth(c, width);
        gridWidth += width;
    }
    if (rating_.titleRowTwips > 0)
        table->setRowHeight(0, rating_.titleRowTwips / Plots::TwipsPerPixel);
    table->setMinimumWidth(gridWidth + 40);
    grid_->setRowsShown(VisibleRows);
    layout->addWidget(table, row++, 0, 1, 3);
    connect(grid_, &FlexGrid::MouseDown, this, [this](int r, int) { MSFlexGrid1_MouseDown(r); });
    table->viewport()->installEventFilter(this);

    cmdPlot_ = new QPushButton(QStringLiteral("Display Data"), parent);
    cmdPlot_->setObjectName(QStringLiteral("CmdPlot"));
    cmdPlot_->setVisible(false);
    layout->addWidget(cmdPlot_, row, 0);
    connect(cmdPlot_, &QPushButton::clicked, this, &RatingForm::CmdPlot_Click);
    auto *del = new QPushButton(rating_.deleteCaption, parent);
    del->setObjectName(QStringLiteral("cmdDelCur"));
    layout->addWidget(del, row, 1);
    connect(del, &QPushButton::clicked, this, &RatingForm::cmdDelCur_Click);
}

// ---- Load ----

void RatingForm::setDefaults()
{
    GridState &s = data_.Grid;
    s = GridState();
    s.BoxBase = rating_.firstRowBox;
    s.KeyCol = 0;
    s.NameKeyCol = GridState::None;
    s.FirstDataCol = 0;
    s.FirstDataRow = 1;
    s.GridRowCount = 0;
    s.GridRow = GridState::None;
    s.SelectedRow = GridState::None;
    deleted_ = false;
}

void RatingForm::readRecords(const QStringList &lines)
{
    const Items read = rating_.section == Section::Structure ? Struct::Parse(lines) : Xsect::Parse(lines);
    ToWorkTables(read, recordSetup().headerFields, recordSetup().pointFields, data_.Work);
}

void RatingForm::finishLoad()
{
    grid_->setRow(1);
    data_.Grid.GridRow = 1;
    fillIdentifierList();
    // Nothing is shown until an identifier is chosen.
    clearIdentifier();
}

// ---- Records ----

QList<QStringList> RatingForm::shownRows(int k) const
{
    QList<QStringList> rows;
    const WorkTables &w = data_.Work;
    if (!w.HasPoints(k))
        return rows;
    const int fields = recordSetup().pointFields;
    rows.reserve(w.ItemLastPoint[k] - w.ItemFirstPoint[k] + 1);
    for (int p = w.ItemFirstPoint[k]; p <= w.ItemLastPoint[k]; ++p) {
        if (TextFile::isBlank(w.PointTable.value(1, p)))
            continue;
        QStringList row;
        for (int f = 1; f <= fields; ++f)
            row << w.PointTable.value(f, p);
        rows << row;
    }
    return rows;
}

void RatingForm::fillGrid(int k)
{
    GridState &s = data_.Grid;
    FlexGrid &grid = *grid_;
    Grid_Stuff::ClearGridRows(grid, s);
    const QList<QStringList> rows = shownRows(k);
    const int n = int(rows.size());
    QTableWidget *table = grid.table();
    table->setUpdatesEnabled(false);
    // An empty row always follows the data.
    if (grid.Rows() < n + 2)
        grid.setRows(n + 2);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            grid.setTextMatrix(r + 1, c, rows[r][c]);
    table->setUpdatesEnabled(true);
    s.GridRowCount = n;
    s.GridRow = n + 1;
    grid.setRow(s.GridRow);
    Globsubs::GridRowToBoxes(boxes_, grid, s);
}

void RatingForm::showRecord(int k)
{
    showHeader(k);
    fillGrid(k);
    updatePlotButton();
}

void RatingForm::storeRecord(int k)
{
    storeHeader(k);
    WorkTables &w = data_.Work;
    w.SelectedItem = selectedRecord();
    w.CurrentItem = k;
    Grid_Stuff::GridRowsToTable(*grid_, data_.Grid, w);
}

void RatingForm::clearFields()
{
    for (int i = 2; i <= rating_.lastBox; ++i) {
        setBoxText(i, QString());
        SetBackColor(txtinp(i), Colors::White);
        if (QComboBox *combo = Cmbinp(i)) {
            combo->setEditText(QString());
            Globsubs::SetBackColor(combo, Colors::White);
        }
    }
    GridState &s = data_.Grid;
    Grid_Stuff::ClearGridRows(*grid_, s);
    s.GridRow = s.FirstDataRow;
    grid_->setRow(s.GridRow);
    updatePlotButton();
}

void RatingForm::removeRecord(int k)
{
    RecordForm::removeRecord(k);
    deleted_ = true;
}

Items RatingForm::items() const
{
    return FromWorkTables(data_.Work, recordSetup().headerFields, recordSetup().pointFields);
}

QStringList RatingForm::writtenLines(const Items &records) const
{
    return rating_.section == Section::Structure ? Struct::Lines(records) : Xsect::Lines(records);
}

QStringList RatingForm::buildRecords() const { return writtenLines(items()); }

// ---- Boxes ----

int RatingForm::passColor(int) const { return Colors::White; }

int RatingForm::nextBox(int n) const
{
    if (n > rating_.lastBox)
        return rating_.firstRowBox;
    return n;
}

EntryForm::ColorRule RatingForm::checkField(int index)
{
    const QString text = txtinp(index) ? txtinp(index)->text() : QString();
    const bool chosen = selectedRecord() > 0;
    const bool blank = TextFile::isBlank(text);
    GridState &s = data_.Grid;
    ColorRule rule = ColorRule::Apply;
    if (index == 1) {
        // The identifier has no rule of its own.
    } else if (index == rating_.firstRowBox) {
        if (blank) {
            rule = ColorRule::Keep;
        } else {
            FieldOK = chosen && RatingChecks::Passes(rating_.section, index, text);
            if (FieldOK)
                placeRow();
            else
                s.GridRow = GridState::None;
        }
    } else if (index > rating_.firstRowBox) {
        // A cross section's top width is checked blank too: only the first row may go without one.
        const bool checkedBlank = rating_.section == Section::CrossSection && index == 9;
        if (blank && !checkedBlank) {
            rule = ColorRule::Keep;
        } else {
            FieldOK = chosen && RatingChecks::Passes(rating_.section, index, text, s.GridRow <= s.FirstDataRow);
            if (FieldOK && s.GridRow > 0)
                checkRowValue(index);
        }
    } else if (blank) {
        rule = ColorRule::Keep;
    } else {
        FieldOK = chosen && RatingChecks::Passes(rating_.section, index, text);
    }
    updatePlotButton();
    return rule;
}

void RatingForm::placeRow()
{
    GridState &s = data_.Grid;
    s.KeyBox = txtinp(rating_.firstRowBox);
    Grid_Stuff::FindOrInsertGridRow(*grid_, s);
    Grid_Stuff::SelectGridRow(*grid_, s, boxes_, true);
    scrollToRow();
}

void RatingForm::checkRowValue(int index)
{
    GridState &s = data_.Grid;
    const int col = index - rating_.firstRowBox;
    const QString text = txtinp(index)->text();
    grid_->setTextMatrix(s.GridRow, col, text);
    // The friction slope may rise or fall; the other values rise with the elevation.
    if (rating_.section == Section::CrossSection && index == 10)
        return;
    const double value = Globsubs::LeadingNumber(text);
    if (s.GridRow > s.FirstDataRow && !(value > Globsubs::LeadingNumber(grid_->TextMatrix(s.GridRow - 1, col))))
        FieldOK = false;
    if (s.GridRow < s.GridRowCount && !(value < Globsubs::LeadingNumber(grid_->TextMatrix(s.GridRow + 1, col))))
        FieldOK = false;
}

void RatingForm::scrollToRow()
{
    const int row = data_.Grid.GridRow;
    if (row > VisibleRows)
        grid_->setTopRow(row - (VisibleRows - 1));
}

void RatingForm::txtinp_KeyPress(int &Index, int &KeyAscii)
{
    if (KeyAscii != 9 && KeyAscii != 13)
        return;
    ValidateField(Index);
    int next = Index + 1;
    if (next > rating_.firstRowBox && boxText(rating_.firstRowBox).isEmpty())
        next = rating_.firstRowBox; // the row's values need its elevation first
    else if (next > rating_.lastBox)
        wrapToNextRow();
    Index = nextBox(next) - 1;
    NextField(Index);
    KeyAscii = 0;
}

void RatingForm::txtinp_LostFocus(int Index)
{
    if (movingByKey())
        return;
    ValidateField(Index);
}

void RatingForm::wrapToNextRow()
{
    GridState &s = data_.Grid;
    s.GridRow = s.GridRow < s.FirstDataRow ? s.GridRowCount + 1 : s.GridRow + 1;
    if (s.GridRow >= grid_->Rows())
        grid_->setRows(s.GridRow + 1);
    Grid_Stuff::SelectGridRow(*grid_, s, boxes_, true);
    scrollToRow();
}

void RatingForm::updatePlotButton()
{
    if (cmdPlot_)
        cmdPlot_->setVisible(data_.Work.HasItem(selectedRecord()) && data_.Grid.GridRowCount > 1);
}

// ---- Grid ----

void RatingForm::MSFlexGrid1_MouseDown(int row)
{
    GridState &s = data_.Grid;
    if (!isLoaded() || row < s.FirstDataRow)
        return;
    s.GridRow = std::min(row, s.GridRowCount + 1);
    Grid_Stuff::SelectGridRow(*grid_, s, boxes_, true);
}

void RatingForm::MSFlexGrid1_MouseUp(Qt::MouseButton button)
{
    GridState &s = data_.Grid;
    if (!isLoaded())
        return;
    if (button != Qt::RightButton || s.GridRow < s.FirstDataRow || s.GridRow > s.GridRowCount) {
        focusBox(rating_.firstRowBox);
        return;
    }
    if (Dialogs::message(rating_.rowQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::Question, setup().title)
        != Dialogs::Answer::Yes)
        return;
    Grid_Stuff::DeleteGridRow(*grid_, s, boxes_);
    if (grid_->Rows() >= StartRows + 1)
        grid_->RemoveItem(s.GridRowCount + 1);
    updatePlotButton();
}

bool RatingForm::eventFilter(QObject *watched, QEvent *event)
{
    if (isLoaded() && grid_ && watched == grid_->table()->viewport() && event->type() == QEvent::MouseButtonRelease)
        MSFlexGrid1_MouseUp(static_cast<QMouseEvent *>(event)->button());
    if (isLoaded() && event->type() == QEvent::FocusIn) {
        // The values of a row cannot be reached before its elevation.
        for (int i = rating_.firstRowBox + 1; i <= rating_.lastBox; ++i)
            if (watched == txtinp(i) && boxText(rating_.firstRowBox).isEmpty()) {
                focusBox(rating_.firstRowBox);
                return true;
            }
    }
    return RecordForm::eventFilter(watched, event);
}

// ---- Commands ----

void RatingForm::cmdDelCur_Click()
{
    if (!isLoaded())
        return;
    deleteChosenRecord();
    if (cmdPlot_)
        cmdPlot_->setVisible(false);
}

void RatingForm::CmdPlot_Click()
{
    if (!isLoaded())
        return;
    const int k = selectedRecord();
    if (!data_.Work.HasItem(k)) {
        Dialogs::message(QStringLiteral("None Selected"), Dialogs::Buttons::OK, Dialogs::Icon::None);
        return;
    }
    storeShownRecord();
    const QList<QStringList> rows = shownRows(k);
    // A rating is drawn from two points at least.
    if (rows.size() < 2) {
        updatePlotButton();
        return;
    }
    Tag = QString::number(k);
    const QString id = data_.Work.ItemHeader.value(1, k);
    SeriesPlot::Show(rating_.plotKind == Plots::KindStructure ? Plots::StructureRequest(k, id, rows)
                                                              : Plots::CrossSectionRequest(k, id, rows));
}

void RatingForm::showInvalidValue(const InvalidValue &value)
{
    const int k = value.record;
    showStoredRecord(k);
    if (value.row >= 0) {
        // The grid shows the rows that have an elevation.
        GridState &s = data_.Grid;
        int gridRow = 0;
        const WorkTables &w = data_.Work;
        for (int p = w.ItemFirstPoint[k]; p <= w.ItemFirstPoint[k] + value.row; ++p)
            if (!TextFile::isBlank(w.PointTable.value(1, p)))
                ++gridRow;
        s.GridRow = gridRow;
        Grid_Stuff::SelectGridRow(*grid_, s, boxes_, true);
        scrollToRow();
    }
    SetBackColor(txtinp(value.field), Colors::Red);
    focusField(value.field);
}

std::optional<InvalidValue> RatingForm::firstInvalidValue()
{
    // A row box's value that failed is in no row yet.
    if (const auto shown = redBox(2, rating_.lastBox))
        return shown;
    storeShownRecord();
    const Items all = items();
    const auto fault = RatingChecks::FirstFault(rating_.section, all);
    if (!fault)
        return std::nullopt;
    const Item &item = all[fault->item];
    const QString text = fault->row < 0 ? item.header.value(fault->box - 1)
                                        : item.rows[fault->row].value(fault->box - rating_.firstRowBox);
    return invalidValue(fault->item + 1, fault->row, fault->box, text);
}

void RatingForm::cmdFinished_Click()
{
    if (!isLoaded() || refuseValueWithoutRecord(2, rating_.lastBox) || refuseInvalid())
        return;
    if (data_.Work.ItemCount == 0 && !deleted_) {
        // Nothing was entered: the section stays absent and nothing has changed.
        const QString path = Editglob::TmpFile[TmpSlot];
        QString reason;
        if (!TextFile::writeLines(path, {}, &reason)) {
            Dialogs::message(QStringLiteral("The working file ") + path + QStringLiteral(" could not be written: ")
                                 + reason,
                             Dialogs::Buttons::OK, Dialogs::Icon::Critical, setup().title);
            return;
        }
        unload();
        return;
    }
    writeAndClose();
}
