#include "sections/setup/frmGlobal.h"

#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "sections/setup/logic/SetupRecords.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

QV_REGISTER_FORM(frmGlobal)

namespace {
const QString Opt1 = QStringLiteral("opt1");
const QString Opt2 = QStringLiteral("Opt2");
constexpr int SubAreaCodes = 5;
constexpr int ReachCodes = 6;
} // namespace

frmGlobal::frmGlobal()
    : EntryForm({QStringLiteral("Global Output"), QStringLiteral("Global Output:"), QStringLiteral("GO"),
                 Editglob::SecGlobal, QStringLiteral("Accept Changes   (Close)"),
                 QStringLiteral("  No Changes  (Close)")})
{
}

void frmGlobal::buildFields(QGridLayout *grid)
{
    grid->addWidget(addFieldLabel(1, QStringLiteral("Hydrograph Print Precision:")), 0, 0);
    grid->addWidget(addBox(1, SetupRecords::FieldWidth), 0, 1);
    grid->addWidget(addFieldLabel(2, QStringLiteral("Minimum Hydrograph Display Flow:")), 1, 0);
    grid->addWidget(addBox(2, SetupRecords::FieldWidth), 1, 1);
    grid->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), 2, Editglob::FlowUnit), 1, 2);
    grid->addWidget(addFieldLabel(3, QStringLiteral("Print Time Increment:")), 2, 0);
    grid->addWidget(addBox(3, SetupRecords::FieldWidth), 2, 1);
    grid->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), 3, QStringLiteral("hr")), 2, 2);

    auto *subArea = new QLabel(QStringLiteral("Sub-Area"), centralWidget());
    subArea->setObjectName(QStringLiteral("lblStatic_1"));
    auto *reach = new QLabel(QStringLiteral("Reach"), centralWidget());
    reach->setObjectName(QStringLiteral("lblStatic_2"));
    grid->addWidget(subArea, 3, 1);
    grid->addWidget(reach, 3, 2);

    const char *labels[] = {"Default Peak Output Code:",          "Default Hydrograph Output Code:",
                            "Default Peak Summary Output Code:",  "Default Time Analysis Output Code:",
                            "Default Hydrograph File Code:",      "Default Flood Economics File Code:"};
    const QStringList yesNo{QStringLiteral("Yes"), QStringLiteral("No")};
    for (int k = 0; k < ReachCodes; ++k) {
        const int field = 4 + k;
        const int row = 4 + k;
        addHiddenBox(field);
        grid->addWidget(addFieldLabel(field, QString::fromLatin1(labels[k])), row, 0);
        if (k < SubAreaCodes)
            grid->addWidget(addOptions(QStringLiteral("fraSubArea_") + QString::number(k), Opt1, 2 * k,
                                       yesNo, OptionMode::Handled, 1),
                            row, 1);
        grid->addWidget(addOptions(QStringLiteral("fraReach_") + QString::number(k), Opt2, 2 * k, yesNo,
                                   OptionMode::Plain),
                        row, 2);
    }
}

void frmGlobal::setDefaults()
{
    for (int k = 0; k < SubAreaCodes; ++k)
        select(Opt1, 2 * k + 1);
    for (int k = 0; k < ReachCodes; ++k)
        select(Opt2, 2 * k + 1);
}

void frmGlobal::readRecords(const QStringList &lines)
{
    const SetupRecords::GlobalOutput g = SetupRecords::ReadGlobalOutput(lines);
    setBoxText(1, g.printPrecision);
    setBoxText(2, g.minimumDisplayFlow);
    setBoxText(3, g.printTimeIncrement);
    for (int k = 0; k < SubAreaCodes; ++k)
        if (g.subAreaYes[k])
            select(Opt1, 2 * k);
    for (int k = 0; k < ReachCodes; ++k)
        if (g.reachYes[k])
            select(Opt2, 2 * k);
}

EntryForm::ColorRule frmGlobal::checkField(int index)
{
    const QString text = txtinp(index)->text();
    if (index == 1) {
        short value = 0;
        Globsubs::CheckIntegerRange(true, 0, 3, text, FieldOK, value);
    } else if (index == 2) {
        Globsubs::CheckAtLeast(true, 0, text, FieldOK);
    } else if (index == 3) {
        Globsubs::CheckAtLeast(true, 0.01, text, FieldOK);
    }
    return ColorRule::Apply;
}

int frmGlobal::nextBox(int n) const { return n > 3 ? 1 : n; }

QStringList frmGlobal::buildRecords() const
{
    SetupRecords::GlobalOutput g;
    g.printPrecision = boxText(1);
    g.minimumDisplayFlow = boxText(2);
    g.printTimeIncrement = boxText(3);
    for (int k = 0; k < SubAreaCodes; ++k)
        g.subAreaYes[k] = !isSelected(Opt1, 2 * k + 1);
    for (int k = 0; k < ReachCodes; ++k)
        g.reachYes[k] = !isSelected(Opt2, 2 * k + 1);
    return SetupRecords::WriteGlobalOutput(g);
}
