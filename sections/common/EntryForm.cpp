#include "sections/common/EntryForm.h"
#include "core/ControlArray.h"

#include "core/Colors.h"
#include "core/FlexGrid.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/Help_Stuff.h"
#include "core/logic/TextFile.h"

#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

EntryForm::EntryForm(const Setup &setup, QWidget *parent) : QvForm(parent), setup_(setup) {}

namespace {

// A label that shows help when pressed: yellow, as the help facilities tell
// the user, with the pointer of a link, and no wider than its text so that
// the yellow is exactly what can be clicked.
void markHelpLabel(QLabel *label)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Colors::FromBgr(Colors::Yellow));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->setSizePolicy(QSizePolicy::Maximum, label->sizePolicy().verticalPolicy());
}

} // namespace

int EntryForm::BackColor(const QWidget *widget) { return Globsubs::BackColor(widget); }

void EntryForm::SetBackColor(QWidget *widget, int bgr) { Globsubs::SetBackColor(widget, bgr); }

QLineEdit *EntryForm::txtinp(int index) const { return boxes_.value(index); }

QPlainTextEdit *EntryForm::txtHelp() const { return txtHelp_; }

QRadioButton *EntryForm::option(const QString &array, int index) const
{
    return options_.value(array + QLatin1Char('_') + QString::number(index));
}

QLabel *EntryForm::unitLabel(const QString &array, int index) const
{
    return units_.value(array + QLatin1Char('_') + QString::number(index));
}

void EntryForm::buildControls(QWidget *central)
{
    boxes_.clear();
    options_.clear();
    units_.clear();
    boxIndex_.clear();
    labelHelp_.clear();
    optionFocus_.clear();
    optionFollowUp_.clear();
    optionMode_.clear();
    central_ = central;

    auto *layout = new QVBoxLayout(central);
    lblHeader_ = new QLabel(setup_.header, central);
    lblHeader_->setObjectName(QStringLiteral("lblHeader"));
    QFont headerFont = lblHeader_->font();
    headerFont.setBold(true);
    lblHeader_->setFont(headerFont);
    lblHeader_->installEventFilter(this);
    markHelpLabel(lblHeader_);
    headerObject_ = lblHeader_;
    layout->addWidget(lblHeader_);

    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    buildFields(grid);

    txtHelp_ = new QPlainTextEdit(central);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    txtHelp_->setReadOnly(true);
    txtHelp_->setFocusPolicy(Qt::NoFocus);
    txtHelp_->setVisible(false);
    // The box's place is kept while it is hidden: showing help neither grows
    // the window nor moves the labels under the pointer.
    QSizePolicy helpPolicy = txtHelp_->sizePolicy();
    helpPolicy.setRetainSizeWhenHidden(true);
    txtHelp_->setSizePolicy(helpPolicy);
    txtHelp_->setFixedHeight(txtHelp_->fontMetrics().lineSpacing() * 7 + 2 * txtHelp_->frameWidth() + 8);
    layout->addWidget(txtHelp_);

    auto *buttons = new QHBoxLayout;
    auto *finished = new QPushButton(setup_.acceptCaption, central);
    finished->setObjectName(QStringLiteral("cmdFinished"));
    auto *cancel = new QPushButton(setup_.cancelCaption, central);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(finished);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(finished, &QPushButton::clicked, this, &EntryForm::cmdFinished_Click);
    connect(cancel, &QPushButton::clicked, this, &EntryForm::cmdCancel_Click);
}

void EntryForm::Form_Load()
{
    setWindowTitle(setup_.title + QStringLiteral("   Current File - ") + Editglob::FileName);
    Help_Stuff::FormHelpKey = setup_.helpKey;
    Help_Stuff::CurrentHelpId = Help_Stuff::NoHelp;
    helpShown_ = Help_Stuff::NoHelp;
    TmpSlot = setup_.tmpSlot;
    setDefaults();
    bool opened = false;
    const QStringList lines = TextFile::readLines(Editglob::TmpFile[TmpSlot], &opened);
    if (opened && !lines.isEmpty())
        readRecords(lines);
    finishLoad();
    if (txtHelp_)
        txtHelp_->setVisible(false);
}

namespace {

// Sets a flag when a key that types or deletes reaches a grid: grids take
// their keys through the window's handlers, which may mark them handled.
class GridTypingWatcher : public QObject
{
public:
    GridTypingWatcher(QObject *parent, bool *flag) : QObject(parent), flag_(flag) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<const QKeyEvent *>(event);
            if (!key->text().isEmpty() && !TabOrEnter(key) && key->key() != Qt::Key_Escape)
                *flag_ = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool TabOrEnter(const QKeyEvent *key)
    {
        return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Return
               || key->key() == Qt::Key_Enter;
    }
    bool *flag_;
};

} // namespace

void EntryForm::loadFinished()
{
    loadedState_ = acceptedState();
    entriesShown();
    watchUserEdits();
}

void EntryForm::entriesShown()
{
    shownControls_ = controlState();
    userEdited_ = false;
}

void EntryForm::watchUserEdits()
{
    if (!central_)
        return;
    // Only what the user does counts: these signals are not raised when the
    // window fills its controls itself.
    auto edited = [this] { userEdited_ = true; };
    for (QLineEdit *edit : central_->findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textEdited, this, edited);
    for (QComboBox *combo : central_->findChildren<QComboBox *>())
        connect(combo, &QComboBox::activated, this, edited);
    for (QAbstractButton *button : central_->findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::clicked, this, edited);
    for (QMenu *menu : central_->findChildren<QMenu *>())
        connect(menu, &QMenu::triggered, this, edited);
    for (QTableWidget *table : central_->findChildren<QTableWidget *>())
        table->installEventFilter(new GridTypingWatcher(table, &userEdited_));
}

QStringList EntryForm::controlState() const
{
    QStringList state;
    if (!central_)
        return state;
    for (const QWidget *w : central_->findChildren<QWidget *>()) {
        const QString name = w->objectName() + QLatin1Char('=');
        if (const auto *edit = qobject_cast<const QLineEdit *>(w)) {
            state << name + edit->text();
        } else if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
            if (!combo->isEditable()) // an editable one's text is its line edit's
                state << name + combo->currentText();
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
            if (button->isCheckable())
                state << name + (button->isChecked() ? QLatin1Char('1') : QLatin1Char('0'));
        } else if (const auto *table = qobject_cast<const QTableWidget *>(w)) {
            state << name + QString::number(table->rowCount()) + QLatin1Char('x') + QString::number(table->columnCount());
            for (int row = 0; row < table->rowCount(); ++row)
                for (int col = 0; col < table->columnCount(); ++col)
                    if (const QTableWidgetItem *item = table->item(row, col); item && !item->text().isEmpty())
                        state << QString::number(row) + QLatin1Char(',') + QString::number(col) + QLatin1Char('=')
                                     + item->text();
        } else if (const auto *text = qobject_cast<const QPlainTextEdit *>(w)) {
            if (!text->isReadOnly())
                state << name + text->toPlainText();
        }
    }
    return state;
}

bool EntryForm::HoldsUnacceptedEntries() const
{
    if (!isLoaded())
        return false;
    if (acceptedState() != loadedState_)
        return true;
    return userEdited_ && controlState() != shownControls_;
}

void EntryForm::cmdFinished_Click()
{
    if (refuseInvalid())
        return;
    writeAndClose();
}

bool EntryForm::refuseInvalid() { return refuseInvalidValue() || refuseRedField(); }

bool EntryForm::refuseInvalidValue()
{
    const std::optional<InvalidValue> value = firstInvalidValue();
    if (!value)
        return false;
    InvalidValues::Tell(*value, messageTitle());
    showInvalidValue(*value);
    return true;
}

void EntryForm::showInvalidValue(const InvalidValue &value)
{
    SetBackColor(txtinp(value.field), Colors::Red);
    focusBox(value.field);
}

namespace {

// The caption of a field's label as a name: without the colon and blanks
// that lead to the box.
QString labelName(const QLabel *label)
{
    QString name = label->text().simplified();
    while (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    return name;
}

} // namespace

QString EntryForm::fieldName(int index) const
{
    const QLabel *label = central_ ? central_->findChild<QLabel *>(QStringLiteral("lblInput_") + QString::number(index))
                                   : nullptr;
    return label ? labelName(label) : QString();
}

bool EntryForm::refuseRedField()
{
    if (!central_)
        return false;
    // The field's label: the label whose buddy it is, else lblInput_N of a
    // control named "<array>_N".
    auto nameOf = [this](const QWidget *w) {
        for (const QLabel *label : central_->findChildren<QLabel *>())
            if (label->buddy() == w)
                return labelName(label);
        const QString name = w->objectName();
        const qsizetype bar = name.lastIndexOf(QLatin1Char('_'));
        bool number = false;
        const int index = bar > 0 ? name.mid(bar + 1).toInt(&number) : 0;
        const QString caption = number ? fieldName(index) : QString();
        return caption.isEmpty() ? name : caption;
    };
    auto refuse = [this](const QString &field) {
        Dialogs::message(QStringLiteral("\"") + field
                             + QStringLiteral("\" holds a value that failed its check (shown red).\n"
                                              "Correct it, or clear it, and press Tab or Enter before accepting."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, messageTitle());
    };

    // The boxes hold every field's state, also of a field entered through a
    // combo box (whose hidden box the combo mirrors): a red one is shown
    // where the user enters it.
    QList<int> indexes = boxes_.keys();
    std::sort(indexes.begin(), indexes.end());
    for (int index : indexes) {
        QLineEdit *box = txtinp(index);
        // A blank box writes nothing: a field that is missing is the window's
        // own question.
        if (!box || BackColor(box) != Colors::Red || TextFile::isBlank(box->text()))
            continue;
        QWidget *shown = box;
        if (!box->isVisibleTo(this)) {
            shown = central_->findChild<QComboBox *>(QStringLiteral("Cmbinp_") + QString::number(index));
            if (!shown || !shown->isVisibleTo(this))
                continue;
        }
        refuse(nameOf(box));
        shown->setFocus(Qt::OtherFocusReason);
        return true;
    }
    for (FlexGrid *grid : central_->findChildren<FlexGrid *>()) {
        QTableWidget *table = grid->table();
        if (!table || !table->isVisibleTo(this))
            continue;
        for (int row = grid->FixedRows(); row < grid->Rows(); ++row) {
            for (int col = 0; col < grid->Cols(); ++col) {
                if (grid->CellColor(row, col) != Colors::Red || TextFile::isBlank(grid->TextMatrix(row, col)))
                    continue;
                refuse(nameOf(table) + QStringLiteral(", row %1, column %2").arg(row - grid->FixedRows() + 1).arg(col + 1));
                grid->setCurrentCell(row, col);
                table->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
    }
    return false;
}

void EntryForm::writeAndClose()
{
    const QString path = Editglob::TmpFile[TmpSlot];
    QString reason;
    if (!TextFile::writeLines(path, buildRecords(), &reason)) {
        // Closing now would look like a save: keep the entries on screen.
        Dialogs::message(QStringLiteral("The working file ") + path
                             + QStringLiteral(" could not be written: ") + reason,
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, messageTitle());
        return;
    }
    acceptDone();
    Editglob::DataChanged = true;
    unload();
}

void EntryForm::cmdCancel_Click() { unload(); }

void EntryForm::ValidateField(int &Index)
{
    FieldOK = true;
    if (checkField(Index) == ColorRule::Keep)
        return;
    QLineEdit *box = txtinp(Index);
    if (FieldOK) {
        SetBackColor(box, passColor(Index));
    } else {
        SetBackColor(box, Colors::Red);
        --Index;
    }
}

int EntryForm::passColor(int) const { return Colors::Cyan; }

void EntryForm::txtinp_KeyPress(int &Index, int &KeyAscii)
{
    if (KeyAscii != 9 && KeyAscii != 13)
        return;
    ValidateField(Index);
    Index = nextBox(Index + 1);
    moveFocusByKey([this, Index] { focusBox(Index); });
    KeyAscii = 0;
}

void EntryForm::txtinp_LostFocus(int) {}

void EntryForm::txtinp_GotFocus(int &) {}

QString EntryForm::headerHelpKey() const { return setup_.helpKey; }

void EntryForm::showHelp(int helpId, const QString &key)
{
    // Each window keeps its own help shown; the program-wide state follows
    // the window in use.
    Help_Stuff::FormHelpKey = setup_.helpKey;
    Help_Stuff::CurrentHelpId = helpShown_;
    Help_Stuff::ShowHelp(helpId, central_, txtHelp_, key);
    helpShown_ = Help_Stuff::CurrentHelpId;
}

QLineEdit *EntryForm::addBox(int index, int maxLength)
{
    auto *box = new QLineEdit(central_);
    box->setObjectName(QStringLiteral("txtinp_") + QString::number(index));
    box->setMaxLength(maxLength);
    SetBackColor(box, Colors::White);
    box->installEventFilter(this);
    boxes_.insert(index, box);
    boxIndex_.insert(box, index);
    return box;
}

QLineEdit *EntryForm::addHiddenBox(int index)
{
    QLineEdit *box = addBox(index, 1);
    box->setVisible(false);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QLabel *EntryForm::addFieldLabel(int index, const QString &caption, int helpId)
{
    auto *label = new QLabel(caption, central_);
    label->setObjectName(QStringLiteral("lblInput_") + QString::number(index));
    if (helpId >= 0) {
        labelHelp_.insert(label, helpId);
        label->installEventFilter(this);
        markHelpLabel(label);
    }
    return label;
}

QLabel *EntryForm::addUnitLabel(const QString &array, int index, const QString &caption)
{
    auto *label = new QLabel(caption, central_);
    const QString name = array + QLatin1Char('_') + QString::number(index);
    label->setObjectName(name);
    units_.insert(name, label);
    return label;
}

QGroupBox *EntryForm::addOptions(const QString &frameName, const QString &array, int firstIndex,
                                 const QStringList &captions, OptionMode mode, int focusBox,
                                 std::function<void()> followUp)
{
    auto *frame = new QGroupBox(central_);
    frame->setObjectName(frameName);
    auto *row = new QHBoxLayout(frame);
    auto *group = new QButtonGroup(frame);
    group->setExclusive(true);
    for (int i = 0; i < captions.size(); ++i) {
        auto *button = new QRadioButton(captions[i], frame);
        const QString name = array + QLatin1Char('_') + QString::number(firstIndex + i);
        button->setObjectName(name);
        group->addButton(button);
        row->addWidget(button);
        options_.insert(name, button);
        if (mode != OptionMode::Plain) {
            optionFocus_.insert(button, focusBox);
            optionMode_.insert(button, mode);
            if (followUp)
                optionFollowUp_.insert(button, followUp);
            button->installEventFilter(this);
        }
    }
    return frame;
}

bool EntryForm::isSelected(const QString &array, int index) const
{
    const QRadioButton *button = option(array, index);
    return button && button->isChecked();
}

void EntryForm::select(const QString &array, int index)
{
    if (QRadioButton *button = option(array, index))
        button->setChecked(true);
}

QString EntryForm::boxText(int index) const
{
    const QLineEdit *box = txtinp(index);
    return box ? TextFile::trimBlanks(box->text()) : QString();
}

void EntryForm::setBoxText(int index, const QString &text)
{
    if (QLineEdit *box = txtinp(index))
        box->setText(text);
}

void EntryForm::focusBox(int index)
{
    if (QLineEdit *box = txtinp(index))
        box->setFocus(Qt::TabFocusReason);
}

int EntryForm::TabOrEnterAscii(const QKeyEvent *key)
{
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && key->key() == Qt::Key_Tab)
        return 9;
    if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
        return 13;
    return 0;
}

int EntryForm::TabDirection(const QKeyEvent *key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return 0;
    if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier)))
        return -1;
    return key->key() == Qt::Key_Tab ? 1 : 0;
}

void EntryForm::moveFocusByKey(const std::function<void()> &move, Qt::FocusReason reason)
{
    const QPointer<QWidget> left = focusWidget();
    const bool silent = !isActiveWindow();
    move();
    if (silent && left && left != focusWidget() && isLoaded()) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(left, &out);
    }
}

void EntryForm::tabAlongLayout(int direction)
{
    moveFocusByKey([this, direction] { focusNextPrevChild(direction > 0); },
                   direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

namespace {
bool staysInBox(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}
} // namespace

bool EntryForm::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (!isLoaded()) // controls on their way out
        return QvForm::eventFilter(watched, event);

    if (boxIndex_.contains(watched)) {
        const int index = boxIndex_.value(watched);
        if (type == QEvent::KeyPress) {
            int keyAscii = TabOrEnterAscii(static_cast<QKeyEvent *>(event));
            if (keyAscii) {
                int i = index;
                txtinp_KeyPress(i, keyAscii);
                if (keyAscii == 0)
                    return true;
            }
            if (const int direction = TabDirection(static_cast<QKeyEvent *>(event))) {
                tabAlongLayout(direction);
                return true;
            }
        } else if (type == QEvent::FocusOut) {
            // Switching to another window, or opening the box's context menu,
            // is not leaving the box.
            if (!staysInBox(static_cast<QFocusEvent *>(event)->reason()))
                txtinp_LostFocus(index);
        } else if (type == QEvent::FocusIn) {
            if (!staysInBox(static_cast<QFocusEvent *>(event)->reason())) {
                int i = index;
                txtinp_GotFocus(i);
            }
        }
        return QvForm::eventFilter(watched, event);
    }

    if (labelHelp_.contains(watched) || watched == headerObject_) {
        if (type == QEvent::MouseButtonPress) {
            if (watched == headerObject_)
                showHelp(0, headerHelpKey());
            else
                showHelp(labelHelp_.value(watched), setup_.helpKey);
            return true;
        }
        return QvForm::eventFilter(watched, event);
    }

    if (optionMode_.contains(watched)) {
        if (type == QEvent::FocusIn) {
            // The keyboard never rests on an option button.
            focusBox(optionFocus_.value(watched));
        } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            auto *button = qobject_cast<QRadioButton *>(watched);
            if (button && optionMode_.value(watched) == OptionMode::Handled) {
                userEdited_ = true;
                button->setChecked(true);
                if (const auto followUp = optionFollowUp_.value(watched))
                    followUp();
            } else if (button && optionMode_.value(watched) == OptionMode::Locked) {
                const QString first = button->objectName().section(QLatin1Char('_'), 0, 0) + QStringLiteral("_0");
                if (auto *firstButton = button->parentWidget()->findChild<QRadioButton *>(first))
                    firstButton->setChecked(true);
            }
            return true;
        } else if (type == QEvent::MouseButtonRelease || type == QEvent::KeyPress
                   || type == QEvent::KeyRelease) {
            return true;
        }
    }
    return QvForm::eventFilter(watched, event);
}
