#include "sections/setup/frmStorm.h"

#include "core/AlignedCells.h"
#include "core/Colors.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "core/FlexGrid.h"
#include "core/GridStuff.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/TextFile.h"
#include "sections/common/logic/RecordList.h"
#include "sections/setup/logic/StormFormat.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

QV_REGISTER_FORM(frmStorm)

namespace {

constexpr int FieldCount = StormFormat::FieldCount;
constexpr int IdWidth = 10;
constexpr int StartRows = 11;
const QString Title = QStringLiteral("Storm Anaylsis");
const QString Opt = QStringLiteral("opt1");

bool IsComboField(int index) { return index == 1 || index == 2 || index == 5; }

// Identifier columns left, the others centred.
Qt::Alignment ColumnAlignment(int c)
{
    return Qt::AlignVCenter | (c == 0 || c == 1 || c == 4 ? Qt::AlignLeft : Qt::AlignHCenter);
}

} // namespace

frmStorm::frmStorm()
    : RecordForm({Title, QStringLiteral("Storm Analysis:"), QStringLiteral("SA"), Editglob::SecStorm,
                  QStringLiteral("Accept Changes  (Close)"), QStringLiteral("      No Changes    (Close)")},
                 {0, IdWidth, FieldCount, 1, QStringLiteral("Delete Storm Id - Rain Gage Id combination Row ?"),
                  QStringLiteral("Storm Analysis")})
{
}

void frmStorm::buildControls(QWidget *central)
{
    RecordForm::buildControls(central);
    boxes_ = ControlArray::find(central, QStringLiteral("txtinp"));
    combos_ = ControlArray::find(central, QStringLiteral("Cmbinp"));
}

void frmStorm::buildFields(QGridLayout *layout)
{
    QWidget *parent = layout->parentWidget();
    auto *comment0 = new QLabel(
        QStringLiteral("Repeat the following for each Storm Identifier and Rain Gage Identifier combination"), parent);
    comment0->setObjectName(QStringLiteral("lblComment_0"));
    layout->addWidget(comment0, 0, 0, 1, 3);

    const QStringList captions{QStringLiteral("Storm Identifier:"),
                               QStringLiteral("Rain Gage Identifier"),
                               QStringLiteral("Gage Starting Time:"),
                               QStringLiteral("Gage Rainfall:"),
                               QStringLiteral("Gage Rain Table Identifier:"),
                               QStringLiteral("Gage Antecedent Runoff Condition:"),
                               QStringLiteral("2-Yr 24-Hr Rainfall:")};
    QList<QWidget *> order;
    for (int i = 1; i <= FieldCount; ++i) {
        const int row = i;
        layout->addWidget(addFieldLabel(i, captions[i - 1]), row, 0);
        if (IsComboField(i)) {
            QComboBox *combo = addCombo(i);
            layout->addWidget(txtinp(i), row, 2);
            layout->addWidget(combo, row, 1);
            order << combo;
        } else if (i == 6) {
            QLineEdit *hidden = addHiddenBox(i);
            hidden->setMaxLength(32767);
            layout->addWidget(hidden, row, 2);
            QGroupBox *frame = addOptions(QStringLiteral("Frame1"), Opt, 1,
                                          {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                                          OptionMode::Handled, 7, [this] { opt1_Follow(); });
            layout->addWidget(frame, row, 1);
            for (int k = 1; k <= 3; ++k)
                order << option(Opt, k);
        } else {
            QLineEdit *box = addBox(i, IdWidth);
            layout->addWidget(box, row, 1);
            order << box;
            layout->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), i,
                                           i == 3 ? QStringLiteral("hr") : Editglob::DepthUnit),
                              row, 2);
        }
    }
    for (int k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);

    auto *comment1 = new QLabel(
        QStringLiteral("Click row in grid to edit previously entered data.  RIGHT click to delete row."), parent);
    comment1->setObjectName(QStringLiteral("lblComment_1"));
    layout->addWidget(comment1, FieldCount + 1, 0, 1, 3);

    auto *table = new QTableWidget(StartRows, FieldCount, parent);
    table->setObjectName(QStringLiteral("MSFlexGrid1"));
    table->setItemDelegate(new AlignedCells(ColumnAlignment, table));
    grid_ = new FlexGrid(table);
    grid_->setFixedRows(1);
    const QStringList titles{QStringLiteral("Storm Id"), QStringLiteral("Rain Gage Id"), QStringLiteral("Start"),
                             QStringLiteral("Rain"),     QStringLiteral("Rain Table Id"), QStringLiteral("ARC"),
                             QStringLiteral("2-Yr")};
    for (int c = 0; c < FieldCount; ++c) {
        grid_->setTextMatrix(0, c, titles[c]);
        // Identifier columns wide, number columns narrow.
        table->setColumnWidth(c, c == 0 || c == 1 || c == 4 ? 100 : 50);
    }
    table->setMinimumWidth(3 * 100 + 4 * 50 + 24);
    // The title row and ten records: a record chosen by its identifiers is
    // scrolled to the ninth of them.
    grid_->setRowsShown(StartRows - 1);
    layout->addWidget(table, FieldCount + 2, 0, 1, 3);
    connect(grid_, &FlexGrid::MouseDown, this, [this](int row, int) { MSFlexGrid1_MouseDown(row); });
    table->viewport()->installEventFilter(this);
}

void frmStorm::setDefaults()
{
    GridState &s = data_.Grid;
    s = GridState();
    s.BoxBase = 1;
}

void frmStorm::readRecords(const QStringList &lines)
{
    const StormFormat::StormData data = StormFormat::ParseStorm(lines);
    GridState &s = data_.Grid;
    grid_->setRows(std::max(StartRows, int(data.records.size()) + 2));
    for (const QStringList &record : data.records) {
        s.GridRowCount = RecordList::Add(data_.Work, record);
        showInGrid(s.GridRowCount);
    }
}

void frmStorm::showInGrid(int k)
{
    for (int c = 0; c < FieldCount; ++c)
        grid_->setTextMatrix(k, c, data_.Work.ItemHeader.value(c + 1, k));
}

void frmStorm::finishLoad()
{
    GridState &s = data_.Grid;
    setBoxText(6, StormFormat::DefaultCondition);
    select(Opt, 2);
    if (s.GridRowCount + 1 >= grid_->Rows())
        grid_->AddItem(QString());
    Globsubs::FillStormList(Cmbinp(1));
    Globsubs::FillRainGageList(Cmbinp(2));
    Globsubs::FillRainDistList(true, Cmbinp(5));
}

EntryForm::ColorRule frmStorm::checkField(int index)
{
    checkBox(index);
    return ColorRule::Keep;
}

int frmStorm::nextBox(int n) const
{
    if (n == 6)
        return 7;
    return n > FieldCount ? 1 : n;
}

QStringList frmStorm::buildRecords() const
{
    StormFormat::StormData data;
    for (int k = 1; k <= data_.Work.ItemCount; ++k)
        data.records << RecordList::Fields(data_.Work, k);
    return StormFormat::StormLines(data);
}

void frmStorm::cmdFinished_Click()
{
    if (unstoredEntries()) {
        // The record needs both identifiers to enter the grid: show which one
        // is missing before asking.
        int first = 0;
        for (int i : {1, 5}) {
            if (boxText(i).isEmpty()) {
                SetBackColor(txtinp(i), Colors::Red);
                Globsubs::SetBackColor(Cmbinp(i), Colors::Red);
                if (!first)
                    first = i;
            }
        }
        const Dialogs::Answer answer = Dialogs::message(
            QStringLiteral("The storm record in the entry fields has not been stored: it needs both a Storm "
                           "Identifier and a Rain Table Identifier.\nAccept the changes without this record ?"),
            Dialogs::Buttons::YesNo, Dialogs::Icon::Question, Title);
        if (answer != Dialogs::Answer::Yes) {
            if (QComboBox *combo = Cmbinp(first ? first : 1))
                combo->setFocus(Qt::OtherFocusReason);
            return;
        }
        // The entries are dropped: none of them reaches the file.
        if (!refuseInvalidValue())
            writeAndClose();
        return;
    }
    if (refuseInvalid())
        return;
    writeAndClose();
}

std::optional<InvalidValue> frmStorm::firstInvalidValue()
{
    const WorkTables &w = data_.Work;
    for (int k = 1; k <= w.ItemCount; ++k) {
        for (int i = 1; i <= FieldCount; ++i) {
            const QString text = w.ItemHeader.value(i, k);
            if (TextFile::isBlank(text) || StormFormat::FieldPasses(i - 1, text))
                continue;
            QString record = QStringLiteral("Storm ") + TextFile::trimBlanks(w.ItemHeader.value(1, k));
            if (const QString gage = TextFile::trimBlanks(w.ItemHeader.value(2, k)); !gage.isEmpty())
                record += QStringLiteral(", Rain Gage ") + gage;
            return InvalidValue{k, -1, i, text, record, fieldName(i)};
        }
    }
    return std::nullopt;
}

void frmStorm::showInvalidValue(const InvalidValue &value)
{
    // As a click on the record's row shows it.
    MSFlexGrid1_MouseDown(value.record);
    SetBackColor(txtinp(value.field), Colors::Red);
    focusField(value.field);
}

bool frmStorm::unstoredEntries() const
{
    const GridState &s = data_.Grid;
    if (s.GridRow >= s.FirstDataRow && s.GridRow <= s.GridRowCount)
        return false;
    // The condition always holds a value: it alone is no entry.
    for (int i : {1, 2, 3, 4, 5, 7})
        if (!boxText(i).isEmpty())
            return true;
    return false;
}

void frmStorm::checkBox(int Index)
{
    const bool given = !boxText(Index).isEmpty();
    const bool haveStorm = !boxText(1).isEmpty();
    if (given) {
        if ((Index == 1 || Index == 2) && haveStorm)
            keyLookup();
        else if (Index == 5)
            Globsubs::CopyTextAndColor(boxes_, combos_, 5);
        FieldOK = FieldOK && StormFormat::FieldPasses(Index - 1, txtinp(Index)->text());
    } else if (Index == 1 || Index == 5) {
        FieldOK = false;
    } else if (Index == 2 && haveStorm) {
        // A cleared rain gage changes the key like any other: look it up, so
        // that two rows never hold the same key.
        keyLookup();
    }
    if (!haveStorm && given)
        FieldOK = false;
}

void frmStorm::ValidateField(int &Index)
{
    FieldOK = true;
    checkBox(Index);
    QLineEdit *box = txtinp(Index);
    if (!box)
        return;
    if (!FieldOK) {
        SetBackColor(box, Colors::Red);
        --Index;
        return;
    }
    SetBackColor(box, box->text().isEmpty() ? Colors::White : Colors::Cyan);
    if (!boxText(1).isEmpty() && !boxText(5).isEmpty())
        storeFields();
}

void frmStorm::keyLookup()
{
    GridState &s = data_.Grid;
    // Letter case counts: s1 is another storm than S1.
    const int k = RecordList::FindKey(data_.Work, {1, 2}, {boxText(1), boxText(2)}, Qt::CaseSensitive);
    s.GridRow = k > 0 ? k : GridState::None;
    if (k > 0)
        showRecord(k);
    if (s.GridRow > 9)
        grid_->setTopRow(s.GridRow - 8);
}

void frmStorm::storeFields()
{
    GridState &s = data_.Grid;
    if (s.GridRow < s.FirstDataRow || s.GridRow > s.GridRowCount) {
        // A new record goes after the last one; records are never sorted.
        s.GridRowCount = RecordList::Add(data_.Work, {});
        s.GridRow = s.GridRowCount;
    }
    if (grid_->Rows() <= s.GridRow + 1)
        grid_->AddItem(QString());
    storeRecord(s.GridRow);
    if (s.SelectedRow != s.GridRow)
        Grid_Stuff::SelectGridRow(*grid_, s, boxes_, true);
}

void frmStorm::storeRecord(int k)
{
    QStringList fields;
    for (int i = 1; i <= FieldCount; ++i)
        fields << txtinp(i)->text();
    RecordList::SetFields(data_.Work, k, fields);
    showInGrid(k);
}

void frmStorm::showRecord(int k)
{
    // Past the last record: blank fields for a new one.
    if (k >= 0 && k < grid_->Rows())
        grid_->setRow(k);
    for (int i = 1; i <= FieldCount; ++i) {
        setBoxText(i, TextFile::trimBlanks(data_.Work.ItemHeader.value(i, k)));
        SetBackColor(txtinp(i), Colors::White);
    }
    showCondition();
    for (int i : {1, 2, 5})
        Globsubs::CopyTextAndColor(boxes_, combos_, i);
}

void frmStorm::comboTaken(int index, const QString &text)
{
    // A blank identifier enters the list too, as the gage of a storm without one.
    Globsubs::AddUniqueItem(Cmbinp(index), text);
}

void frmStorm::showCondition()
{
    const StormFormat::ConditionChoice choice = StormFormat::ConditionOption(boxText(6));
    if (choice.useDefault)
        setBoxText(6, StormFormat::DefaultCondition);
    if (choice.option >= 1) {
        select(Opt, choice.option);
        return;
    }
    // A condition no option stands for (a file edited elsewhere): no option
    // is shown and the text stays as stored.
    QRadioButton *first = option(Opt, 1);
    QButtonGroup *group = first ? first->group() : nullptr;
    if (!group)
        return;
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

void frmStorm::txtinp_LostFocus(int Index)
{
    if (movingByKey())
        return;
    ValidateField(Index);
}

void frmStorm::opt1_Follow()
{
    for (int k = 1; k <= 3; ++k) {
        if (isSelected(Opt, k)) {
            setBoxText(6, QString::number(k));
            break;
        }
    }
    int six = 6;
    ValidateField(six);
}

void frmStorm::MSFlexGrid1_MouseDown(int row)
{
    GridState &s = data_.Grid;
    if (row < s.FirstDataRow)
        return;
    s.GridRow = std::min(row, s.GridRowCount + 1);
    Grid_Stuff::SelectGridRow(*grid_, s, boxes_, false);
    showRecord(s.GridRow);
}

void frmStorm::MSFlexGrid1_MouseUp(Qt::MouseButton button)
{
    GridState &s = data_.Grid;
    if (button != Qt::RightButton || s.GridRow < s.FirstDataRow || s.GridRow > s.GridRowCount)
        return;
    if (!askDelete() || !grid_)
        return;
    RecordList::Remove(data_.Work, s.GridRow);
    Grid_Stuff::DeleteGridRow(*grid_, s, boxes_);
    showRecord(s.GridRow);
    if (grid_->Rows() >= StartRows + 1)
        grid_->RemoveItem(s.GridRowCount + 1);
}

bool frmStorm::eventFilter(QObject *watched, QEvent *event)
{
    if (isLoaded() && grid_ && watched == grid_->table()->viewport() && event->type() == QEvent::MouseButtonRelease)
        MSFlexGrid1_MouseUp(static_cast<QMouseEvent *>(event)->button());
    return RecordForm::eventFilter(watched, event);
}
