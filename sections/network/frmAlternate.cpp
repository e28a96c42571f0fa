#include "sections/network/frmAlternate.h"

#include "core/Colors.h"
#include "core/ControlArray.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Editglob.h"
#include "core/logic/Dialogs.h"
#include "core/logic/TextFile.h"
#include "sections/network/AlternateRecords.h"
#include "sections/network/logic/NetworkChecks.h"
#include "sections/network/logic/NetworkFields.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

QV_REGISTER_FORM(frmAlternate)

namespace {

const QString Title = QStringLiteral("Alternate Analysis");

QString ListName(int index) { return QStringLiteral("lstDisp_") + QString::number(index); }

} // namespace

frmAlternate::frmAlternate()
    : EntryForm({QStringLiteral("Alternate Anaylsis"), QStringLiteral("Alternate Analysis:"), QStringLiteral("AA"), 1,
                 QStringLiteral("Accept Changes (Close)"), QStringLiteral("     No Changes        (Close)")})
{
}

QComboBox *frmAlternate::Cmbinp(int index) const { return index == 1 ? combo_.data() : nullptr; }

QListWidget *frmAlternate::lstDisp(int index) const
{
    return index == 1 || index == 2 ? lists_[index].data() : nullptr;
}

// ---- Building and loading ----

void frmAlternate::buildFields(QGridLayout *grid)
{
    QWidget *parent = centralWidget();
    grid->addWidget(addFieldLabel(1, QStringLiteral("Alternate Identifier")), 0, 0);
    combo_ = new QComboBox(parent);
    combo_->setObjectName(QStringLiteral("Cmbinp_1"));
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    // Completion would put a listed identifier in place of the one typed.
    combo_->setCompleter(nullptr);
    combo_->setMinimumContentsLength(AlternateFormat::IdWidth);
    Globsubs::SetBackColor(combo_, Colors::White);
    combo_->installEventFilter(this);
    combo_->lineEdit()->installEventFilter(this);
    grid->addWidget(combo_, 0, 1);
    // The identifier as accepted: the combo mirrors it; the user works in the combo.
    QLineEdit *id = addBox(1, 32767);
    id->setFocusPolicy(Qt::NoFocus);
    id->setFixedWidth(10);
    grid->addWidget(id, 0, 2);
    auto *del = new QPushButton(QStringLiteral("Delete Current     Alternate"), parent);
    del->setObjectName(QStringLiteral("cmdDelCur"));
    connect(del, &QPushButton::clicked, this, &frmAlternate::cmdDelCur_Click);
    grid->addWidget(del, 0, 3);

    grid->addWidget(addFieldLabel(2, QStringLiteral("Alternate Description")), 1, 0);
    grid->addWidget(addBox(2, AlternateFormat::DescriptionWidth), 1, 1, 1, 3);

    auto *items = new QLabel(QStringLiteral("Items changed with this Alternate"), parent);
    items->setObjectName(QStringLiteral("lblStatic_0"));
    grid->addWidget(items, 2, 0, 1, 4);
    const QString captions[] = {QString(), QStringLiteral("Sub-Areas"), QStringLiteral("Reaches")};
    for (int i = 1; i <= 2; ++i) {
        auto *label = new QLabel(captions[i], parent);
        label->setObjectName(QStringLiteral("lblStatic_") + QString::number(i));
        grid->addWidget(label, 3, 2 * (i - 1), 1, 2);
        auto *list = new QListWidget(parent);
        list->setObjectName(ListName(i));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->viewport()->installEventFilter(this);
        lists_[i] = list;
        grid->addWidget(list, 4, 2 * (i - 1), 1, 2);
    }
    auto *hint = new QLabel(QStringLiteral("Click in appropriate box on right to add, edit or delete  a Sub-Area or "
                                           "Reach for current alternate. "),
                            parent);
    hint->setObjectName(QStringLiteral("Label4"));
    hint->setWordWrap(true);
    grid->addWidget(hint, 5, 0, 1, 4);
    setTabOrder(combo_, txtinp(2));
    setTabOrder(txtinp(2), lists_[1]);
    setTabOrder(lists_[1], lists_[2]);
    comboFocus_.reset();
}

void frmAlternate::setDefaults()
{
    ++session_;
    alternates_.clear();
    shown_ = 0;
    remembered_ = -999;
}

void frmAlternate::readRecords(const QStringList &lines)
{
    alternates_ = AlternateFormat::ParseAlternates(lines);
    for (const Alternate &a : alternates_)
        combo_->addItem(a.Id);
    combo_->setCurrentIndex(-1);
    combo_->setEditText(QString());
}

bool frmAlternate::Form_QueryUnload() { return !recordWindow_; }

void frmAlternate::Form_Unload()
{
    // Whatever a record window still holds belongs to this opening, which
    // ends here.
    if (QvForm *w = recordWindow_) {
        w->unload();
        recordWindowClosed();
    }
}

// ---- Boxes and the combo ----

EntryForm::ColorRule frmAlternate::checkField(int index)
{
    QLineEdit *box = txtinp(index);
    if (!box || TextFile::isBlank(box->text()))
        return ColorRule::Keep;
    const int width = index == 1 ? AlternateFormat::IdWidth : AlternateFormat::DescriptionWidth;
    if (box->text().size() > width)
        box->setText(box->text().left(width));
    if (index > 1 && shown_ == 0)
        FieldOK = false;
    return ColorRule::Apply;
}

int frmAlternate::passColor(int) const { return Colors::White; }

void frmAlternate::txtinp_KeyPress(int &Index, int &KeyAscii)
{
    if (KeyAscii != 13)
        return; // Tab moves on as everywhere else
    ValidateField(Index);
    NextField(Index, KeyAscii);
    KeyAscii = 0;
}

void frmAlternate::txtinp_LostFocus(int Index) { ValidateField(Index); }

void frmAlternate::NextField(int &Index, int &KeyAscii)
{
    if (KeyAscii != 9 && KeyAscii != 13)
        return;
    ++Index;
    if (TextFile::isBlank(combo_->currentText()) || Index > 2)
        Index = 1;
    if (Index == 1) {
        combo_->setFocus(Qt::TabFocusReason);
    } else {
        // Leaving the combo by the key chooses the alternate now, whether or
        // not the window has the focus to move.
        if (comboFocus_.current() == 1) {
            comboFocus_.reset();
            int i = 1;
            Cmbinp_LostFocus(i);
        }
        txtinp(2)->setFocus(Qt::TabFocusReason);
    }
}

void frmAlternate::Cmbinp_GotFocus(int Index)
{
    ControlArray box;
    box.set(Index, txtinp(Index));
    ControlArray combo;
    combo.set(Index, combo_);
    Globsubs::CopyTextAndColor(box, combo, Index);
}

void frmAlternate::Cmbinp_LostFocus(int &Index)
{
    if (!isLoaded() || recordWindow_)
        return;
    QLineEdit *id = txtinp(1);
    // Cut as the identifier box cuts it, so that the list and the look-up
    // hold the identifier that is stored.
    const QString text = combo_->currentText().left(AlternateFormat::IdWidth);
    if (text != combo_->currentText())
        combo_->setEditText(text);
    if (!TextFile::isBlank(text) && !NetworkFields::SameIdentifier(text, id->text())) {
        StoreAlternate();
        int found = 0;
        for (int a = 1; a <= AltCount() && found == 0; ++a)
            if (NetworkFields::SameIdentifier(alternates_[a - 1].Id, text))
                found = a;
        if (found == 0) {
            Globsubs::AddUniqueItem(combo_.data(), text);
            alternates_.append(Alternate());
            found = AltCount();
            txtinp(2)->clear();
            lists_[1]->clear();
            lists_[2]->clear();
        }
        id->setText(text);
        int one = 1;
        ValidateField(one);
        Globsubs::SetBackColor(combo_, BackColor(id));
        ShowAlternate(found);
        shown_ = remembered_ = found;
        CurrentAlternate = found;
    }
    int one = 1;
    ValidateField(one);
    Q_UNUSED(Index);
}

void frmAlternate::ShowAlternate(int i)
{
    txtinp(2)->setText(alternates_[i - 1].Description);
    SetBackColor(txtinp(2), Colors::White);
    shown_ = i;
    FillAlternateRecordList(1);
    FillAlternateRecordList(2);
}

void frmAlternate::StoreAlternate()
{
    if (remembered_ > 0 && remembered_ <= AltCount()) {
        Alternate &a = alternates_[remembered_ - 1];
        a.Id = txtinp(1)->text();
        a.Description = txtinp(2)->text();
    }
    remembered_ = shown_;
}

void frmAlternate::FillAlternateRecordList(int Which)
{
    QListWidget *list = lists_[Which == 1 ? 1 : 2];
    if (!list)
        return;
    list->clear();
    if (shown_ < 1 || shown_ > AltCount())
        return;
    const Alternate &a = alternates_[shown_ - 1];
    QStringList ids;
    if (Which == 1)
        for (const SubAreaRecord &s : a.SubAreas)
            ids << s.SubAreaId();
    else
        for (const ReachRecord &r : a.Reaches)
            ids << r.ReachId();
    list->addItems(ids);
}

void frmAlternate::clearShown()
{
    txtinp(1)->clear();
    txtinp(2)->clear();
    SetBackColor(txtinp(1), Colors::White);
    SetBackColor(txtinp(2), Colors::White);
    lists_[1]->clear();
    lists_[2]->clear();
    shown_ = 0;
    remembered_ = -999;
}

// ---- Deleting ----

void frmAlternate::cmdDelCur_Click()
{
    if (!isLoaded() || recordWindow_)
        return;
    if (!TextFile::isBlank(combo_->currentText()) && shown_ > 0
        && Dialogs::message(QStringLiteral("Delete Current Alternate Data ?"), Dialogs::Buttons::YesNo,
                            Dialogs::Icon::Question, Title)
               == Dialogs::Answer::Yes) {
        // The entry may stand in other capitals than typed.
        for (int i = 0; i < combo_->count(); ++i) {
            if (NetworkFields::SameIdentifier(combo_->itemText(i), combo_->currentText())) {
                combo_->removeItem(i);
                break;
            }
        }
        alternates_.removeAt(shown_ - 1);
        clearShown();
    }
    combo_->setFocus(Qt::OtherFocusReason);
    Cmbinp_GotFocus(1);
}

void frmAlternate::DeleteSelectedRecord(int Index)
{
    QListWidget *list = lstDisp(Index);
    if (!isLoaded() || recordWindow_ || !list || shown_ == 0)
        return;
    const int row = list->currentRow();
    QListWidgetItem *item = row >= 0 ? list->item(row) : nullptr;
    if (!item || !item->isSelected() || TextFile::isBlank(item->text()))
        return;
    const QString text = TextFile::trimBlanks(item->text());
    if (Dialogs::message(QStringLiteral("Delete ") + text + QStringLiteral(" from Current Alternate ?"),
                         Dialogs::Buttons::YesNo, Dialogs::Icon::Question, Title)
        != Dialogs::Answer::Yes)
        return;
    // Entry k shows record k: the entry chosen is the record deleted, also
    // when two records bear one identifier.
    Alternate &a = alternates_[shown_ - 1];
    if (Index == 1 && row < a.SubAreas.size())
        a.SubAreas.removeAt(row);
    else if (Index == 2 && row < a.Reaches.size())
        a.Reaches.removeAt(row);
    delete list->takeItem(row);
    list->clearSelection();
}

// ---- Record lists and the record windows ----

void frmAlternate::lstDisp_MouseDown(int Index, Qt::MouseButton Button, int row)
{
    QListWidget *list = lstDisp(Index);
    if (!isLoaded() || recordWindow_ || !list || shown_ == 0)
        return;
    if (row >= 0 && row < list->count())
        list->setCurrentRow(row);
    else
        list->clearSelection();
    if (Button == Qt::LeftButton) {
        AltItem = row >= 0 && row < list->count() ? row + 1 : 0;
        openRecordWindow(Index, AltItem);
    } else if (Button == Qt::MiddleButton) {
        if (list->selectedItems().isEmpty())
            return;
        DeleteSelectedRecord(Index);
        return;
    }
    list->clearSelection();
}

void frmAlternate::openRecordWindow(int Index, int record)
{
    const QString name = Index == 1 ? QStringLiteral("frmSubArea") : QStringLiteral("frmReaches");
    QvForm *form = Forms::get(name);
    if (!form)
        return;
    if (form->isLoaded()) {
        // Open on the base data or on another alternate since before this
        // window opened: its edits are not ours to drop.
        Dialogs::message(form->windowTitle().section(QStringLiteral("   Current File - "), 0, 0)
                             + QStringLiteral(" is open on other data: accept or close it first."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, Title);
        return;
    }
    StoreAlternate(); // the record window shows the identifier as typed
    const int a = shown_;
    CurrentAlternate = a;
    const Alternate &alternate = alternates_[a - 1];
    const QPointer<frmAlternate> guard(this);
    const int session = session_;

    // Modal over this window: while it is open, nothing here can change the
    // alternate it edits.
    form->setWindowModality(Qt::ApplicationModal);
    form->winId();
    if (QWindow *handle = form->windowHandle())
        handle->setTransientParent(windowHandle());
    recordWindow_ = form;
    form->installEventFilter(this);

    bool opened = false;
    if (Index == 1) {
        if (auto *w = dynamic_cast<AlternateRecordWindow<SubAreaRecord> *>(form)) {
            SubAreaAlternateRequest request;
            request.Alternate = a;
            request.AlternateId = alternate.Id;
            request.Records = alternate.SubAreas;
            request.Current = record - 1;
            request.OnAccept = [guard, session, a](const QList<SubAreaRecord> &records) {
                if (guard && guard->isLoaded() && guard->session_ == session)
                    guard->storeRecords(a, records);
            };
            opened = w->OpenOnAlternate(request);
        }
    } else if (auto *w = dynamic_cast<AlternateRecordWindow<ReachRecord> *>(form)) {
        ReachAlternateRequest request;
        request.Alternate = a;
        request.AlternateId = alternate.Id;
        request.Records = alternate.Reaches;
        request.Current = record - 1;
        request.OnAccept = [guard, session, a](const QList<ReachRecord> &records) {
            if (guard && guard->isLoaded() && guard->session_ == session)
                guard->storeRecords(a, records);
        };
        opened = w->OpenOnAlternate(request);
    }
    if (!opened)
        recordWindowClosed();
}

void frmAlternate::recordWindowClosed()
{
    QvForm *form = recordWindow_;
    recordWindow_ = nullptr;
    if (!form)
        return;
    form->removeEventFilter(this);
    if (QWindow *handle = form->windowHandle())
        handle->setTransientParent(nullptr);
    // Opened later from the section list, the window is modeless again.
    if (!form->isVisible())
        form->setWindowModality(Qt::NonModal);
}

void frmAlternate::storeRecords(int alternate, const QList<ReachRecord> &reaches)
{
    if (alternate < 1 || alternate > AltCount())
        return;
    alternates_[alternate - 1].Reaches = reaches;
    if (alternate == shown_)
        FillAlternateRecordList(2);
}

void frmAlternate::storeRecords(int alternate, const QList<SubAreaRecord> &subAreas)
{
    if (alternate < 1 || alternate > AltCount())
        return;
    alternates_[alternate - 1].SubAreas = subAreas;
    if (alternate == shown_)
        FillAlternateRecordList(1);
}

// ---- Accepting ----

bool frmAlternate::recordsWritable()
{
    const auto blockName = [](const QString &id) {
        const QString name = TextFile::trimBlanks(id).toUpper();
        return name == QLatin1String("AREAS") || name == QLatin1String("REACHES");
    };
    for (const Alternate &a : alternates_) {
        if (!AlternateFormat::IsWritten(a))
            continue;
        QString which;
        for (const ReachRecord &r : a.Reaches)
            if (which.isEmpty() && blockName(r.ReachId()) && AlternateFormat::ReadsAsBlockLine(r))
                which = QStringLiteral("Reach ") + TextFile::trimBlanks(r.ReachId());
        for (const SubAreaRecord &s : a.SubAreas)
            if (which.isEmpty() && blockName(s.SubAreaId()) && AlternateFormat::ReadsAsBlockLine(s))
                which = QStringLiteral("Sub-Area ") + TextFile::trimBlanks(s.SubAreaId());
        if (!which.isEmpty()) {
            Dialogs::message(which + QStringLiteral(" of alternate ") + TextFile::trimBlanks(a.Id)
                                 + QStringLiteral(" holds nothing but its identifier, which the file would read as "
                                                  "the start of a block: give it a value or another identifier."),
                             Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, Title);
            return false;
        }
    }
    return true;
}

void frmAlternate::cmdFinished_Click()
{
    if (!isLoaded() || recordWindow_)
        return;
    StoreAlternate();
    if (!recordsWritable())
        return;
    EntryForm::cmdFinished_Click();
}

std::optional<InvalidValue> frmAlternate::firstInvalidValue()
{
    for (int a = 1; a <= AltCount(); ++a) {
        const Alternate &alternate = alternates_[a - 1];
        if (!AlternateFormat::IsWritten(alternate))
            continue;
        if (auto fault = NetworkChecks::FirstSubAreaFault(alternate.SubAreas)) {
            fault->row = fault->record - 1;
            fault->record = a;
            fault->recordName = QStringLiteral("Alternate %1, Sub-Area %2")
                                    .arg(TextFile::trimBlanks(alternate.Id),
                                         TextFile::trimBlanks(alternate.SubAreas[fault->row].SubAreaId()));
            fault->fieldName = NetworkChecks::SubAreaCaption(fault->field);
            return fault;
        }
    }
    return std::nullopt;
}

void frmAlternate::showInvalidValue(const InvalidValue &value)
{
    // The record is corrected in the sub-area window: its entry is chosen
    // here, to be opened with a click.
    if (value.record != shown_) {
        combo_->setEditText(alternates_[value.record - 1].Id);
        int one = 1;
        Cmbinp_LostFocus(one);
    }
    lists_[1]->setCurrentRow(value.row);
    lists_[1]->setFocus(Qt::OtherFocusReason);
}

QStringList frmAlternate::buildRecords() const { return AlternateFormat::AlternateSectionLines(alternates_); }

QString frmAlternate::messageTitle() const { return Title; }

// ---- Events ----

bool frmAlternate::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (recordWindow_ && watched == recordWindow_.data()) {
        if (type == QEvent::Hide && !event->spontaneous() && !recordWindow_->isVisible())
            recordWindowClosed();
        return EntryForm::eventFilter(watched, event);
    }
    if (!isLoaded())
        return EntryForm::eventFilter(watched, event);

    if (combo_ && (watched == combo_.data() || watched == combo_->lineEdit())) {
        if (type == QEvent::KeyPress) {
            int keyAscii = TabOrEnterAscii(static_cast<QKeyEvent *>(event));
            if (keyAscii) {
                comboFocus_.enter(1); // the user is in it, focus events or not
                int index = 1;
                NextField(index, keyAscii);
                return true;
            }
            if (TabDirection(static_cast<QKeyEvent *>(event)) < 0) {
                comboFocus_.enter(1);
                tabAlongLayout(-1);
                return true;
            }
        } else if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
            switch (comboFocus_.see(1, combo_.data(), event)) {
            case ComboFocus::Change::Arrived:
                // Only the first arrival shows the accepted identifier: the
                // combo's own list and a return from another window do not.
                if (static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason)
                    Cmbinp_GotFocus(1);
                break;
            case ComboFocus::Change::Left: {
                int index = 1;
                Cmbinp_LostFocus(index);
                break;
            }
            case ComboFocus::Change::None:
                break;
            }
        }
        return EntryForm::eventFilter(watched, event);
    }

    for (int i = 1; i <= 2; ++i) {
        if (lists_[i] && watched == lists_[i]->viewport() && type == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::RightButton)
                break; // selects the entry for the context menu
            const QModelIndex at = lists_[i]->indexAt(mouse->position().toPoint());
            lstDisp_MouseDown(i, mouse->button(), at.isValid() ? at.row() : -1);
            return true;
        }
    }
    return EntryForm::eventFilter(watched, event);
}
