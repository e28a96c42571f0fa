#include "sections/common/EntryForm.h"
#include "core/ControlArray.h"

#include "core/Colors.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/Help_Stuff.h"
#include "core/logic/TextFile.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

EntryForm::EntryForm(const Setup &setup, QWidget *parent) : QvForm(parent), setup_(setup) {}

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

void EntryForm::cmdFinished_Click()
{
    const QString path = Editglob::TmpFile[TmpSlot];
    QString reason;
    if (!TextFile::writeLines(path, buildRecords(), &reason)) {
        // Closing now would look like a save: keep the entries on screen.
        Dialogs::message(QStringLiteral("The working file ") + path
                             + QStringLiteral(" could not be written: ") + reason,
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, setup_.title);
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
    focusBox(Index);
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
        } else if (type == QEvent::FocusOut) {
            // Switching to another application is not leaving the box.
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason)
                txtinp_LostFocus(index);
        } else if (type == QEvent::FocusIn) {
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason) {
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
                button->setChecked(true);
                if (const auto followUp = optionFollowUp_.value(watched))
                    followUp();
            }
            return true;
        } else if (type == QEvent::MouseButtonRelease || type == QEvent::KeyPress
                   || type == QEvent::KeyRelease) {
            return true;
        }
    }
    return QvForm::eventFilter(watched, event);
}
