#include "sections/setup/frmQV31.h"

#include "core/Colors.h"
#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/setup/logic/SetupRecords.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

QV_REGISTER_FORM(frmQV31)

namespace {
const QString Opt1 = QStringLiteral("opt1");
const QString Opt2 = QStringLiteral("Opt2");
const QString Opt4 = QStringLiteral("opt4");
const QString InUnit = QStringLiteral("lblInUnit");
constexpr int ScreenCodeGrey = 0xC0C0C0;
} // namespace

frmQV31::frmQV31()
    : EntryForm({QStringLiteral("Quorvale Identifier"), QStringLiteral("Quorvale Identifier:"),
                 QStringLiteral("QV"), Editglob::SecIdentifier,
                 QStringLiteral(" Accept Changes   (Close)"), QStringLiteral("    No Changes   (Close)")})
{
}

void frmQV31::buildFields(QGridLayout *grid)
{
    grid->addWidget(addFieldLabel(1, QStringLiteral("Input Units Code:  ")), 0, 0);
    grid->addWidget(addOptions(QStringLiteral("fraInput"), Opt1, 0,
                               {QStringLiteral("English"), QStringLiteral("Metric")},
                               OptionMode::Handled, 3,
                               [this] {
                                   unitLabel(InUnit, 3)->setText(isSelected(Opt1, 0)
                                                                     ? QStringLiteral("cfs")
                                                                     : QStringLiteral("cu m/sec"));
                               }),
                    0, 1);
    grid->addWidget(addFieldLabel(2, QStringLiteral("Output Units Code:")), 1, 0);
    grid->addWidget(addOptions(QStringLiteral("fraOutput"), Opt2, 0,
                               {QStringLiteral("English"), QStringLiteral("Metric")}, OptionMode::Plain),
                    1, 1);
    grid->addWidget(addFieldLabel(3, QStringLiteral("Minimum Hydrograph Value:  ")), 2, 0);
    grid->addWidget(addBox(3, SetupRecords::FieldWidth), 2, 1);
    grid->addWidget(addUnitLabel(InUnit, 3, QString()), 2, 2);

    // Shown but not offered for change: a code read from the file is kept and
    // written back, and a press on either option gives "Screen Output".
    QLabel *screenLabel = addFieldLabel(4, QStringLiteral("Screen Output Code:  "), -1);
    QGroupBox *screen = addOptions(QStringLiteral("fraScreen"), Opt4, 0,
                                   {QStringLiteral("Screen Output"), QStringLiteral("No Screen Output")},
                                   OptionMode::Locked, 5);
    // Grey where the field labels are yellow: nothing here answers a click.
    const auto paintGrey = [](QWidget *w) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, Colors::FromBgr(ScreenCodeGrey));
        w->setPalette(palette);
        w->setAutoFillBackground(true);
    };
    paintGrey(screenLabel);
    paintGrey(option(Opt4, 0));
    paintGrey(option(Opt4, 1));
    grid->addWidget(screenLabel, 3, 0);
    grid->addWidget(screen, 3, 1);

    grid->addWidget(addFieldLabel(5, QStringLiteral("Watershed Description:")), 4, 0);
    grid->addWidget(addBox(5, SetupRecords::DescriptionWidth), 5, 0, 1, 3);
    grid->addWidget(addBox(6, SetupRecords::DescriptionWidth), 6, 0, 1, 3);
    for (int i : {1, 2, 4})
        addHiddenBox(i);
}

void frmQV31::setDefaults()
{
    select(Opt1, 0);
    select(Opt2, 0);
    select(Opt4, 0);
}

void frmQV31::readRecords(const QStringList &lines)
{
    const SetupRecords::Identifier id = SetupRecords::ReadIdentifier(lines);
    select(Opt1, id.metricInput ? 1 : 0);
    select(Opt2, id.metricOutput ? 1 : 0);
    setBoxText(3, id.minimumHydrograph);
    select(Opt4, id.noScreenOutput ? 1 : 0);
    for (int i = 0; i < 2; ++i) {
        // A longer description read from the file is kept whole; it ends its line.
        QLineEdit *box = txtinp(5 + i);
        box->setMaxLength(qMax<int>(SetupRecords::DescriptionWidth, id.description[i].size()));
        box->setText(id.description[i]);
    }
}

void frmQV31::finishLoad() { SetUnitLabels(); }

void frmQV31::SetUnitLabels()
{
    Editglob::SetUnitSystem(isSelected(Opt1, 0), isSelected(Opt2, 0));
    if (QLabel *unit = unitLabel(InUnit, 3))
        unit->setText(Editglob::FlowUnit);
}

EntryForm::ColorRule frmQV31::checkField(int index)
{
    QLineEdit *box = txtinp(index);
    if (TextFile::isBlank(box->text())) {
        if (index != 5)
            return ColorRule::Keep;
        FieldOK = false; // the section needs its first description line
        return ColorRule::Apply;
    }
    if (index == 3) {
        Globsubs::CheckAtLeast(true, 0, box->text(), FieldOK);
    } else if (index == 5 || index == 6) {
        QString result;
        Globsubs::CheckLength(1, SetupRecords::DescriptionWidth, box->text(), FieldOK, result);
        box->setMaxLength(SetupRecords::DescriptionWidth);
        box->setText(result);
        FieldOK = true;
    }
    return ColorRule::Apply;
}

int frmQV31::nextBox(int n) const
{
    if (n == 1 || n == 2 || n == 7)
        return 3;
    if (n == 4)
        return 5;
    return n;
}

QStringList frmQV31::buildRecords() const
{
    SetupRecords::Identifier id;
    id.metricInput = isSelected(Opt1, 1);
    id.metricOutput = isSelected(Opt2, 1);
    id.minimumHydrograph = boxText(3);
    id.noScreenOutput = isSelected(Opt4, 1);
    id.description[0] = txtinp(5)->text();
    id.description[1] = txtinp(6)->text();
    return SetupRecords::WriteIdentifier(id);
}

void frmQV31::acceptDone() { SetUnitLabels(); }
