#pragma once
// Duration increment window: up to three durations in hours or days.
#include "sections/common/EntryForm.h"

class frmDurInc : public EntryForm
{
    Q_OBJECT
public:
    frmDurInc();

protected:
    void buildFields(QGridLayout *grid) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    ColorRule checkField(int index) override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;

private:
    void showUnit();
};
