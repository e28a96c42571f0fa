#pragma once
// Run identifier window: the unit systems, the minimum hydrograph value, the
// screen output code and the watershed description. It also sets the
// program-wide unit system whenever it loads and whenever it is accepted.
#include "sections/common/EntryForm.h"

class frmQV31 : public EntryForm
{
    Q_OBJECT
public:
    frmQV31();

    // Sets the unit system from the window's options and shows FlowUnit
    // beside the minimum hydrograph value.
    void SetUnitLabels();

protected:
    void buildFields(QGridLayout *grid) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    void finishLoad() override;
    ColorRule checkField(int index) override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
    void acceptDone() override;
};
