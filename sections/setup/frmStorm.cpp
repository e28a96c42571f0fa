#include "sections/setup/frmStorm.h"

#include "core/AlignedCells.h"
#include "core/Colors.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "core/FlexGrid.h"
#include "core/GridStuff.h"
#include "core/IdentifierLists.h"
#include "core/logic/TextFile.h"
#include "sections/setup/logic/StormFormat.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
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
    : EntryForm({Title, QStringLiteral("Storm Analysis:"), QStringLiteral("SA"), Editglob::SecStorm,
                 QStringLiteral("Accept Changes  (Close)"), QStringLiteral("      No Changes    (Close)")})
{
}

QComboBox *frmStorm::Cmbinp(int index) const { return qobject_cast<QComboBox *>(combos_.at(index)); }

void frmStorm::buildControls(QWidget *central)
{
    comboIndex_.clear();
    focusedCombo_ = 0;
    movingByKey_ = false;
    EntryForm::buildControls(central);
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
        if (IsComboField(i) || i == 6) {
            QLineEdit *hidden = addHiddenBox(i);
            hidden->setMaxLength(32767);
            layout->addWidget(hidden, row, 2);
        }
        if (IsComboField(i)) {
            auto *combo = new QComboBox(parent);
            combo->setObjectName(QStringLiteral("Cmbinp_") + QString::number(i));
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            // Completion would turn a typed prefix ("S") into a listed
            // identifier ("S1") unseen.
            combo->setCompleter(nullptr);
            combo->setMinimumContentsLength(IdWidth);
            Globsubs::SetBackColor(combo, Colors::White);
            combo->installEventFilter(this);
            combo->lineEdit()->installEventFilter(this);
            comboIndex_.insert(combo, i);
            comboIndex_.insert(combo->lineEdit(), i);
            layout->addWidget(combo, row, 1);
            order << combo;
        } else if (i == 6) {
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
        ++s.GridRowCount;
        for (int c = 0; c < FieldCount && c < record.size(); ++c)
            grid_->setTextMatrix(s.GridRowCount, c, record[c]);
    }
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
    const GridState &s = data_.Grid;
    for (int r = s.FirstDataRow; r <= s.GridRowCount; ++r) {
        QStringList record;
        for (int c = 0; c < FieldCount; ++c)
            record << grid_->TextMatrix(r, c);
        data.records << record;
    }
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
        writeAndClose();
        return;
    }
    if (refuseRedField())
        return;
    writeAndClose();
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
        else if (Index == 3)
            Globsubs::CheckAtLeast(true, 0, txtinp(Index)->text(), FieldOK);
        else if (Index == 4 || Index == 7)
            Globsubs::CheckGreaterThan(true, 0, txtinp(Index)->text(), FieldOK);
        else if (Index == 5)
            Globsubs::CopyTextAndColor(boxes_, combos_, 5);
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
        storeRecord();
}

void frmStorm::keyLookup()
{
    GridState &s = data_.Grid;
    s.GridRow = GridState::None;
    const QString storm = boxText(1);
    const QString gage = boxText(2);
    for (int r = s.FirstDataRow; r <= s.GridRowCount; ++r) {
        if (TextFile::trimBlanks(grid_->TextMatrix(r, 0)) == storm
            && TextFile::trimBlanks(grid_->TextMatrix(r, 1)) == gage) {
            s.GridRow = r;
            showRow();
            break;
        }
    }
    if (s.GridRow > 9)
        grid_->setTopRow(s.GridRow - 8);
}

void frmStorm::storeRecord()
{
    GridState &s = data_.Grid;
    if (s.GridRow < s.FirstDataRow || s.GridRow > s.GridRowCount) {
        ++s.GridRowCount;
        s.GridRow = s.GridRowCount;
    }
    if (grid_->Rows() <= s.GridRow + 1)
        grid_->AddItem(QString());
    for (int c = 0; c < FieldCount; ++c)
        grid_->setTextMatrix(s.GridRow, c, txtinp(c + 1)->text());
    if (s.SelectedRow != s.GridRow)
        Grid_Stuff::SelectGridRow(*grid_, s, boxes_, true);
}

void frmStorm::showRow()
{
    Globsubs::GridRowToBoxes(boxes_, *grid_, data_.Grid);
    showCondition();
    for (int i : {1, 2, 5})
        Globsubs::CopyTextAndColor(boxes_, combos_, i);
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

void frmStorm::NextField(int &Index, int KeyCode)
{
    if (KeyCode != 9 && KeyCode != 13)
        return;
    Index = nextBox(Index + 1);
    movingByKey_ = true;
    if (IsComboField(Index)) {
        if (QComboBox *combo = Cmbinp(Index))
            combo->setFocus(Qt::TabFocusReason);
    } else {
        focusBox(Index);
    }
    movingByKey_ = false;
}

void frmStorm::txtinp_KeyPress(int &Index, int &KeyAscii)
{
    if (KeyAscii != 13)
        return;
    ValidateField(Index);
    NextField(Index, KeyAscii);
    KeyAscii = 0;
}

void frmStorm::txtinp_LostFocus(int Index)
{
    if (movingByKey_)
        return;
    ValidateField(Index);
}

void frmStorm::Cmbinp_GotFocus(int Index) { Globsubs::CopyTextAndColor(boxes_, combos_, Index); }

void frmStorm::Cmbinp_KeyPress(int &Index, int &KeyAscii)
{
    if (KeyAscii != 13)
        return;
    Cmbinp_LostFocus(Index);
    NextField(Index, KeyAscii);
    KeyAscii = 0;
}

void frmStorm::Cmbinp_LostFocus(int &Index)
{
    QComboBox *combo = Cmbinp(Index);
    QLineEdit *box = txtinp(Index);
    if (!combo || !box)
        return;
    const QString text = combo->currentText().left(IdWidth);
    if (combo->currentText() != text)
        combo->setEditText(text);
    Globsubs::AddUniqueItem(combo, text);
    box->setText(text);
    Globsubs::SetBackColor(combo, BackColor(box));
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
    Grid_Stuff::SelectGridRow(*grid_, s, boxes_, true);
    showRow();
}

void frmStorm::MSFlexGrid1_MouseUp(Qt::MouseButton button)
{
    GridState &s = data_.Grid;
    if (button != Qt::RightButton || s.GridRow < s.FirstDataRow || s.GridRow > s.GridRowCount)
        return;
    const Dialogs::Answer answer =
        Dialogs::message(QStringLiteral("Delete Storm Id - Rain Gage Id combination Row ?"),
                         Dialogs::Buttons::YesNo, Dialogs::Icon::Question, QStringLiteral("Storm Analysis"));
    if (answer != Dialogs::Answer::Yes || !grid_)
        return;
    Grid_Stuff::DeleteGridRow(*grid_, s, boxes_);
    showRow();
    if (grid_->Rows() >= StartRows + 1)
        grid_->RemoveItem(s.GridRowCount + 1);
}

bool frmStorm::eventFilter(QObject *watched, QEvent *event)
{
    if (!isLoaded())
        return EntryForm::eventFilter(watched, event);
    const QEvent::Type type = event->type();

    if (comboIndex_.contains(watched)) {
        const int index = comboIndex_.value(watched);
        QComboBox *combo = Cmbinp(index);
        if (type == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                int i = index;
                int keyAscii = 13;
                Cmbinp_KeyPress(i, keyAscii);
                return true;
            }
        } else if (type == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (focusedCombo_ != index && reason != Qt::ActiveWindowFocusReason
                && reason != Qt::PopupFocusReason) {
                focusedCombo_ = index;
                Cmbinp_GotFocus(index);
            }
        } else if (type == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            QWidget *now = QApplication::focusWidget();
            const bool stillInside = now && combo && (now == combo || combo->isAncestorOf(now));
            if (focusedCombo_ == index && !stillInside && reason != Qt::ActiveWindowFocusReason
                && reason != Qt::PopupFocusReason) {
                focusedCombo_ = 0;
                if (!movingByKey_) {
                    int i = index;
                    Cmbinp_LostFocus(i);
                }
            }
        }
        return EntryForm::eventFilter(watched, event);
    }

    if (grid_ && watched == grid_->table()->viewport() && type == QEvent::MouseButtonRelease) {
        MSFlexGrid1_MouseUp(static_cast<QMouseEvent *>(event)->button());
        return EntryForm::eventFilter(watched, event);
    }
    return EntryForm::eventFilter(watched, event);
}
