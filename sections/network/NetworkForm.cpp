#include "sections/network/NetworkForm.h"

#include "sections/network/logic/NetworkFields.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

bool NetworkForm::takeMode()
{
    alternate_ = pendingAlternate_;
    alternateId_ = pendingAlternateId_;
    pendingAlternate_ = 0;
    pendingAlternateId_.clear();
    return alternate_ > 0;
}

void NetworkForm::addAlternateLabels(QGridLayout *layout, int row)
{
    QWidget *parent = centralWidget();
    auto *caption = new QLabel(QStringLiteral("Alternate"), parent);
    caption->setObjectName(QStringLiteral("lblStatic_1"));
    auto *id = new QLabel(parent);
    id->setObjectName(QStringLiteral("lblStatic_2"));
    caption->setVisible(false);
    id->setVisible(false);
    layout->addWidget(caption, row, 0);
    layout->addWidget(id, row, 1);
}

void NetworkForm::showAlternateLabels()
{
    auto *caption = findChild<QLabel *>(QStringLiteral("lblStatic_1"));
    auto *id = findChild<QLabel *>(QStringLiteral("lblStatic_2"));
    if (!caption || !id)
        return;
    id->setText(alternateId_);
    caption->setVisible(isAlternate());
    id->setVisible(isAlternate());
}

void NetworkForm::showHandedOverRecord(int current) { showStoredRecord(current + 1); }

QWidget *NetworkForm::addLine(int index)
{
    auto *line = new QFrame(centralWidget());
    line->setObjectName(QStringLiteral("Line1_") + QString::number(index));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QGroupBox *NetworkForm::addCodeGroup(int g, int focusField)
{
    QGroupBox *frame = addOptions(QStringLiteral("Frame1_") + QString::number(g), QStringLiteral("opt1"), 3 * g + 1,
                                  {QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Blank")},
                                  OptionMode::Handled, focusField);
    // The keyboard never rests on an option: a click chooses one and the
    // focus stays where it was.
    for (int i = 1; i <= 3; ++i) {
        QRadioButton *button = option(QStringLiteral("opt1"), 3 * g + i);
        button->setFocusPolicy(Qt::NoFocus);
        optionFocusField_.insert(button, focusField);
    }
    return frame;
}

void NetworkForm::buildControls(QWidget *central)
{
    optionFocusField_.clear();
    RecordForm::buildControls(central);
}

bool NetworkForm::eventFilter(QObject *watched, QEvent *event)
{
    // The field may be a combo, whose hidden twin cannot hold the focus.
    if (isLoaded() && event->type() == QEvent::FocusIn && optionFocusField_.contains(watched)) {
        focusField(optionFocusField_.value(watched));
        return false;
    }
    return RecordForm::eventFilter(watched, event);
}

void NetworkForm::showCode(int g, const QString &code)
{
    const int chosen = NetworkFields::CodeOption(code);
    QRadioButton *first = option(QStringLiteral("opt1"), 3 * g + 1);
    QButtonGroup *group = first ? first->group() : nullptr;
    if (!group)
        return;
    if (chosen > 0) {
        select(QStringLiteral("opt1"), 3 * g + chosen);
        return;
    }
    group->setExclusive(false);
    for (int i = 1; i <= 3; ++i)
        option(QStringLiteral("opt1"), 3 * g + i)->setChecked(false);
    group->setExclusive(true);
}

int NetworkForm::selectedCode(int g) const
{
    for (int i = 1; i <= 3; ++i)
        if (isSelected(QStringLiteral("opt1"), 3 * g + i))
            return i;
    return 0;
}

void NetworkForm::blankCodes(int groups)
{
    for (int g = 0; g < groups; ++g)
        select(QStringLiteral("opt1"), 3 * g + 3);
}

void NetworkForm::fillCombos(std::initializer_list<int> indexes, const std::function<void(const ListRef &)> &filler)
{
    TextList list;
    filler(list);
    for (int index : indexes)
        if (QComboBox *combo = Cmbinp(index))
            combo->addItems(list.items);
}
