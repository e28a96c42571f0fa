#include "sections/common/RecordForm.h"

#include "core/Colors.h"
#include "core/ControlArray.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Dialogs.h"
#include "core/logic/TextFile.h"
#include "sections/common/logic/RecordList.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

RecordForm::RecordForm(const Setup &setup, const RecordSetup &records, QWidget *parent)
    : EntryForm(setup, parent), records_(records)
{
}

QComboBox *RecordForm::Cmbinp(int index) const { return combos_.value(index); }

void RecordForm::buildControls(QWidget *central)
{
    combos_.clear();
    comboIndex_.clear();
    focus_.reset();
    movingByKey_ = false;
    EntryForm::buildControls(central);
}

void RecordForm::Form_Load()
{
    data_.Work.Reset(records_.headerFields, records_.pointFields);
    selected_ = 0;
    EntryForm::Form_Load();
}

QComboBox *RecordForm::addCombo(int index)
{
    QLineEdit *twin = addHiddenBox(index);
    twin->setMaxLength(32767);
    auto *combo = new QComboBox(twin->parentWidget());
    combo->setObjectName(QStringLiteral("Cmbinp_") + QString::number(index));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Completion would put a listed identifier in place of the one typed
    // ("S" becoming "S1") unseen.
    combo->setCompleter(nullptr);
    combo->setMinimumContentsLength(records_.fieldWidth);
    Globsubs::SetBackColor(combo, Colors::White);
    combo->installEventFilter(this);
    combo->lineEdit()->installEventFilter(this);
    combos_.insert(index, combo);
    comboIndex_.insert(combo, index);
    comboIndex_.insert(combo->lineEdit(), index);
    return combo;
}

QPushButton *RecordForm::addDeleteButton(const QString &caption, const QString &name)
{
    auto *button = new QPushButton(caption, centralWidget());
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, &RecordForm::deleteChosenRecord);
    return button;
}

// ---- Combos ----

void RecordForm::Cmbinp_GotFocus(int Index)
{
    ControlArray twin;
    twin.set(Index, txtinp(Index));
    ControlArray combo;
    combo.set(Index, Cmbinp(Index));
    Globsubs::CopyTextAndColor(twin, combo, Index);
}

void RecordForm::Cmbinp_LostFocus(int &Index) { takeCombo(Index, records_.checkOnLeave); }

void RecordForm::takeCombo(int &Index, bool check)
{
    QComboBox *combo = Cmbinp(Index);
    QLineEdit *twin = txtinp(Index);
    if (!combo || !twin)
        return;
    const QString text = takenText(Index, combo->currentText());
    if (combo->currentText() != text)
        combo->setEditText(text);
    if (Index == records_.idIndex) {
        identifierTaken(text);
        chooseRecord(text);
    }
    else
        comboTaken(Index, text);
    twin->setText(text);
    if (check)
        ValidateField(Index);
    Globsubs::SetBackColor(combo, BackColor(twin));
}

QString RecordForm::takenText(int, const QString &typed) const { return typed.left(records_.fieldWidth); }

void RecordForm::comboTaken(int index, const QString &text)
{
    if (!TextFile::isBlank(text))
        Globsubs::AddUniqueItem(Cmbinp(index), text);
}


void RecordForm::txtinp_KeyPress(int &Index, int &KeyAscii)
{
    if (!movesOn(KeyAscii))
        return;
    ValidateField(Index);
    NextField(Index);
    KeyAscii = 0;
}

void RecordForm::NextField(int &Index)
{
    Index = nextBox(Index + 1);
    movingByKey_ = true;
    moveFocusByKey([this, Index] { focusField(Index); });
    movingByKey_ = false;
}

void RecordForm::focusField(int index)
{
    if (QComboBox *combo = Cmbinp(index)) {
        Globsubs::SetBackColor(combo, BackColor(txtinp(index)));
        combo->setFocus(Qt::TabFocusReason);
    } else {
        focusBox(index);
    }
}

// ---- Records ----

int RecordForm::findRecord(const QString &id) const
{
    return RecordList::Find(data_.Work, id, 1, Qt::CaseInsensitive, RecordList::Pick::Last);
}

bool RecordForm::acceptsIdentifier(const QString &id) const { return !TextFile::isBlank(id); }

int RecordForm::createRecord(const QString &id)
{
    const int k = RecordList::Add(data_.Work, {id});
    clearFields();
    return k;
}

void RecordForm::removeRecord(int k) { RecordList::Remove(data_.Work, k); }

void RecordForm::chooseRecord(const QString &id)
{
    storeShownRecord();
    const bool accepted = acceptsIdentifier(id);
    selected_ = accepted ? findRecord(id) : 0;
    if (selected_ > 0) {
        showRecord(selected_);
    } else if (accepted) {
        Globsubs::AddUniqueItem(Cmbinp(records_.idIndex), id);
        selected_ = createRecord(id);
    }
    data_.Work.CurrentItem = selected_;
    entriesShown();
}

QStringList RecordForm::acceptedState() const
{
    QStringList state = EntryForm::acceptedState();
    const WorkTables &w = data_.Work;
    for (int k = 1; k <= w.ItemCount; ++k) {
        state << QStringLiteral("record %1").arg(k) << RecordList::Fields(w, k);
        if (!w.HasPoints(k))
            continue;
        for (int p = w.ItemFirstPoint[k]; p <= w.ItemLastPoint[k]; ++p)
            for (int f = 1; f <= w.PointTable.fieldCount(); ++f)
                state << w.PointTable.value(f, p);
    }
    return state;
}

void RecordForm::storeShownRecord()
{
    WorkTables &w = data_.Work;
    if (!w.HasItem(w.CurrentItem))
        return;
    storeRecord(w.CurrentItem);
    w.CurrentItem = selected_;
}

bool RecordForm::askDelete() const
{
    return Dialogs::message(records_.deleteQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                            records_.deleteTitle)
           == Dialogs::Answer::Yes;
}

void RecordForm::showStoredRecord(int k)
{
    if (!data_.Work.HasItem(k) || (selected_ == k && data_.Work.CurrentItem == k))
        return;
    storeShownRecord();
    const int idIndex = records_.idIndex;
    const QString id = data_.Work.ItemHeader.value(idIndex, k);
    if (QComboBox *combo = Cmbinp(idIndex)) {
        combo->setEditText(id);
        Globsubs::SetBackColor(combo, Colors::White);
    }
    setBoxText(idIndex, id);
    SetBackColor(txtinp(idIndex), Colors::White);
    selected_ = k;
    data_.Work.CurrentItem = k;
    showRecord(k);
    entriesShown();
}

QString RecordForm::recordName(int k) const
{
    const QString id = TextFile::trimBlanks(data_.Work.ItemHeader.value(records_.idIndex, k));
    return recordNoun().isEmpty() ? id : recordNoun() + QLatin1Char(' ') + id;
}

InvalidValue RecordForm::invalidValue(int k, int row, int box, const QString &text) const
{
    return InvalidValue{k, row, box, text, recordName(k), fieldName(box)};
}

std::optional<InvalidValue> RecordForm::redBox(int first, int last) const
{
    for (int i = first; i <= last; ++i) {
        const QLineEdit *box = txtinp(i);
        if (box && BackColor(box) == Colors::Red && !TextFile::isBlank(box->text()))
            return invalidValue(data_.Work.HasItem(selected_) ? selected_ : 0, -1, i, box->text());
    }
    return std::nullopt;
}

bool RecordForm::refuseValueWithoutRecord(int first, int last)
{
    const std::optional<InvalidValue> value = redBox(first, last);
    if (!value || value->record != 0)
        return false;
    Dialogs::message(QStringLiteral("%1: \"%2\" belongs to no %3. Choose or type its identifier first.")
                         .arg(value->fieldName, TextFile::trimBlanks(value->text), recordNoun().toLower()),
                     Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, messageTitle());
    focusField(value->field);
    return true;
}

void RecordForm::showInvalidValue(const InvalidValue &value)
{
    showStoredRecord(value.record);
    SetBackColor(txtinp(value.field), Colors::Red);
    focusField(value.field);
}

QString RecordForm::identifierText() const
{
    const QComboBox *combo = Cmbinp(records_.idIndex);
    return combo ? TextFile::trimBlanks(combo->currentText()) : QString();
}

void RecordForm::clearIdentifier()
{
    QComboBox *combo = Cmbinp(records_.idIndex);
    if (!combo)
        return;
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    setBoxText(records_.idIndex, QString());
}

void RecordForm::deleteChosenRecord()
{
    if (!isLoaded())
        return;
    storeShownRecord();
    QComboBox *combo = Cmbinp(records_.idIndex);
    if (!identifierText().isEmpty() && askDelete()) {
        if (data_.Work.HasItem(selected_))
            removeRecord(selected_);
        Globsubs::RemoveCurrentItem(combo);
        selected_ = 0;
        data_.Work.CurrentItem = GridState::None;
        clearIdentifier();
        SetBackColor(txtinp(records_.idIndex), Colors::White);
        Globsubs::SetBackColor(combo, Colors::White);
        clearFields();
    }
    if (combo)
        combo->setFocus(Qt::OtherFocusReason);
}

// ---- Events ----

bool RecordForm::eventFilter(QObject *watched, QEvent *event)
{
    if (!isLoaded() || !comboIndex_.contains(watched))
        return EntryForm::eventFilter(watched, event);
    const int index = comboIndex_.value(watched);
    QComboBox *combo = Cmbinp(index);
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const int keyAscii = TabOrEnterAscii(static_cast<QKeyEvent *>(event));
        if (keyAscii && movesOn(keyAscii)) {
            int i = index;
            takeCombo(i, true);
            NextField(i);
            return true;
        }
        if (const int direction = TabDirection(static_cast<QKeyEvent *>(event))) {
            // A key typed in the combo means the user is in it, also when
            // the window got no focus events to tell.
            focus_.enter(index);
            tabAlongLayout(direction);
            return true;
        }
    } else if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        switch (focus_.see(index, combo, event)) {
        case ComboFocus::Change::Arrived:
            // The focus the window had when it opened, or gets back from
            // another window, is in the combo too: only its first arrival
            // shows the twin.
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason)
                Cmbinp_GotFocus(index);
            break;
        case ComboFocus::Change::Left:
            if (!movingByKey_) {
                int i = index;
                Cmbinp_LostFocus(i);
            }
            break;
        case ComboFocus::Change::None:
            break;
        }
    }
    return EntryForm::eventFilter(watched, event);
}
