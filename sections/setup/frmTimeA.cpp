#include "sections/setup/frmTimeA.h"

#include "core/Colors.h"
#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/setup/logic/SetupRecords.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

QV_REGISTER_FORM(frmTimeA)

namespace {
constexpr int BoxCount = 8;
int RowLast(int index) { return index <= 4 ? 4 : 8; }
} // namespace

frmTimeA::frmTimeA()
    : EntryForm({QStringLiteral("Time Analysis"), QStringLiteral("Time Analysis:"), QStringLiteral("TA"),
                 Editglob::SecTimeA, QStringLiteral("Accept Changes   (Close)"),
                 QStringLiteral("  No Changes   (Close)")})
{
}

void frmTimeA::buildFields(QGridLayout *grid)
{
    grid->addWidget(addFieldLabel(0, QStringLiteral("Flow")), 0, 0);
    grid->addWidget(addFieldLabel(1, QStringLiteral("Maximum Flow %:")), 0, 1);
    for (int i = 1; i <= 4; ++i)
        grid->addWidget(addBox(i, SetupRecords::FieldWidth), 0, 1 + i);
    grid->addWidget(addFieldLabel(4, QStringLiteral("Elevation")), 1, 0);
    grid->addWidget(addFieldLabel(5, QStringLiteral("Elevation Increment:")), 1, 1);
    for (int i = 5; i <= 8; ++i) {
        grid->addWidget(addBox(i, SetupRecords::FieldWidth), 1, i - 3);
        grid->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), i, Editglob::LengthUnit), 2, i - 3);
    }
}

void frmTimeA::readRecords(const QStringList &lines)
{
    const SetupRecords::TimeAnalysis t = SetupRecords::ReadTimeAnalysis(lines);
    for (int i = 0; i < 4; ++i) {
        setBoxText(1 + i, t.flow[i]);
        setBoxText(5 + i, t.elevation[i]);
    }
}

EntryForm::ColorRule frmTimeA::checkField(int index)
{
    QLineEdit *box = txtinp(index);
    if (!TextFile::isBlank(box->text())) {
        if (index <= 4)
            Globsubs::CheckRange(true, 0.001, 100, box->text(), FieldOK);
        else
            Globsubs::CheckGreaterThan(true, 0, box->text(), FieldOK);
        return ColorRule::Apply;
    }
    const int last = RowLast(index);
    for (int j = index + 1; j <= last; ++j) {
        txtinp(j - 1)->setText(txtinp(j)->text());
        SetBackColor(txtinp(j - 1), BackColor(txtinp(j)));
    }
    txtinp(last)->clear();
    SetBackColor(txtinp(last), Colors::White);
    return ColorRule::Apply;
}

int frmTimeA::passColor(int index) const
{
    return txtinp(index)->text().isEmpty() ? Colors::White : Colors::Cyan;
}

int frmTimeA::nextBox(int n) const { return n > BoxCount ? 1 : n; }

void frmTimeA::txtinp_KeyPress(int &Index, int &KeyAscii)
{
    if (KeyAscii != 9 && KeyAscii != 13)
        return;
    ValidateField(Index);
    int n = nextBox(Index + 1);
    movingByKey_ = true;
    txtinp_GotFocus(n);
    movingByKey_ = false;
    KeyAscii = 0;
}

void frmTimeA::txtinp_LostFocus(int Index)
{
    if (movingByKey_)
        return;
    // Pressing Accept must not close a gap that the file holds: the rows are
    // written as they stand.
    const QWidget *next = QApplication::focusWidget();
    if (next && next->window() == this
        && (next->objectName() == QLatin1String("cmdFinished")
            || next->objectName() == QLatin1String("cmdCancel")))
        return;
    ValidateField(Index);
}

void frmTimeA::txtinp_GotFocus(int &Index)
{
    if ((Index >= 2 && Index <= 4) || (Index >= 6 && Index <= 8)) {
        if (TextFile::isBlank(txtinp(Index - 1)->text()))
            Index = Index <= 4 ? 5 : 1;
    }
    focusBox(Index);
}

QStringList frmTimeA::buildRecords() const
{
    SetupRecords::TimeAnalysis t;
    for (int i = 0; i < 4; ++i) {
        t.flow[i] = boxText(1 + i);
        t.elevation[i] = boxText(5 + i);
    }
    return SetupRecords::WriteTimeAnalysis(t);
}
