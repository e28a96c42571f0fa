#pragma once
// Global output window: print precision, minimum display flow, print time
// increment and the default output codes of the sub-areas and reaches.
#include "sections/common/EntryForm.h"

class frmGlobal : public EntryForm
{
    Q_OBJECT
public:
    frmGlobal();

protected:
    void buildFields(QGridLayout *grid) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    ColorRule checkField(int index) override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
};
