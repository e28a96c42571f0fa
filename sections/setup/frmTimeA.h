#pragma once
// Time analysis window: up to four maximum-flow percentages and four
// elevation increments. Each row stays packed to the left: a value can only be
// entered after the one before it, and emptying a box closes the gap.
#include "sections/common/EntryForm.h"

class frmTimeA : public EntryForm
{
    Q_OBJECT
public:
    frmTimeA();

protected:
    void buildFields(QGridLayout *grid) override;
    void readRecords(const QStringList &lines) override;
    ColorRule checkField(int index) override;
    int passColor(int index) const override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
    void txtinp_KeyPress(int &Index, int &KeyAscii) override;
    void txtinp_LostFocus(int Index) override;
    void txtinp_GotFocus(int &Index) override;

private:
    // Set while Tab or Enter moves the focus: the box left has been checked.
    bool movingByKey_ = false;
};
