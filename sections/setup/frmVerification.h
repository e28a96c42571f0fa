#pragma once
// Verification window: yes/no flags for the model engine, one tick box per
// data preparation item and processing step. Boxes 16 to 20 and 30 are
// hidden: they carry what the file holds back to it unchanged.
#include "sections/common/EntryForm.h"

class QCheckBox;

class frmVerification : public EntryForm
{
    Q_OBJECT
public:
    frmVerification();

    QCheckBox *Check1(int index) const;

protected:
    void buildFields(QGridLayout *grid) override;
    void readRecords(const QStringList &lines) override;
    ColorRule checkField(int index) override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
};
