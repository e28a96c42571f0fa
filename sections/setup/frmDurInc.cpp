#include "sections/setup/frmDurInc.h"

#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "sections/setup/logic/SetupRecords.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

QV_REGISTER_FORM(frmDurInc)

namespace {
const QString Opt1 = QStringLiteral("opt1");
const QString Units = QStringLiteral("lblUnits");
} // namespace

frmDurInc::frmDurInc()
    : EntryForm({QStringLiteral("Duration Increment"), QStringLiteral("Duration Increment:"),
                 QStringLiteral("DI"), Editglob::SecDurInc, QStringLiteral("Accept Changes (Close)"),
                 QStringLiteral("   No Changes  (Close)")})
{
}

void frmDurInc::buildFields(QGridLayout *grid)
{
    grid->addWidget(addFieldLabel(1, QStringLiteral("Duration Units:")), 0, 0);
    grid->addWidget(addOptions(QStringLiteral("fraUnits"), Opt1, 0,
                               {QStringLiteral("Hours"), QStringLiteral("Days")}, OptionMode::Handled,
                               2, [this] { showUnit(); }),
                    0, 1);
    addHiddenBox(1);
    const char *labels[] = {"1st Duration:", "2nd Duration:", "3rd Duration:"};
    for (int i = 2; i <= 4; ++i) {
        grid->addWidget(addFieldLabel(i, QString::fromLatin1(labels[i - 2])), i - 1, 0);
        grid->addWidget(addBox(i, SetupRecords::FieldWidth), i - 1, 1);
        grid->addWidget(addUnitLabel(Units, i, QStringLiteral("hr")), i - 1, 2);
    }
}

void frmDurInc::showUnit()
{
    const QString unit = isSelected(Opt1, 0) ? QStringLiteral("hr") : QStringLiteral("days");
    for (int i = 2; i <= 4; ++i)
        unitLabel(Units, i)->setText(unit);
}

void frmDurInc::setDefaults()
{
    select(Opt1, 0);
    showUnit();
}

void frmDurInc::readRecords(const QStringList &lines)
{
    const SetupRecords::DurationIncrement d = SetupRecords::ReadDurationIncrement(lines);
    select(Opt1, d.days ? 1 : 0);
    showUnit();
    for (int i = 0; i < 3; ++i)
        setBoxText(2 + i, d.duration[i]);
}

EntryForm::ColorRule frmDurInc::checkField(int index)
{
    const QString text = txtinp(index)->text();
    if (!text.isEmpty())
        Globsubs::CheckAtLeast(true, 0, text, FieldOK);
    return ColorRule::Apply;
}

int frmDurInc::nextBox(int n) const { return (n <= 1 || n > 4) ? 2 : n; }

QStringList frmDurInc::buildRecords() const
{
    SetupRecords::DurationIncrement d;
    d.days = isSelected(Opt1, 1);
    for (int i = 0; i < 3; ++i)
        d.duration[i] = boxText(2 + i);
    return SetupRecords::WriteDurationIncrement(d);
}
