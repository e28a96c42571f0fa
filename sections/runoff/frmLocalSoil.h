#pragma once
// The local soil editor: the user's own soils with the hydrologic soil groups
// that apply to each, one shown at a time, chosen or created by the identifier
// typed or picked into `Cmbinp_1`. It rewrites the local soil file on Accept;
// the input file is not touched.
#include "sections/common/RecordForm.h"

#include <QPointer>

class QCheckBox;

class frmLocalSoil : public RecordForm
{
    Q_OBJECT
public:
    frmLocalSoil();

    void cmdFinished_Click() override;
    void cmdDelCur_Click() { deleteChosenRecord(); }
    QCheckBox *Check1(int index) const;

protected:
    void buildFields(QGridLayout *grid) override;
    void readRecords(const QStringList &) override {}
    void finishLoad() override;
    ColorRule checkField(int index) override;
    int nextBox(int) const override { return 1; }
    // Enter takes the identifier and stays in the list; Tab goes on to the
    // check boxes.
    bool movesOn(int keyAscii) const override { return keyAscii == 13; }
    QStringList buildRecords() const override { return {}; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showRecord(int k) override;
    void storeRecord(int k) override;
    void clearFields() override;
    int findRecord(const QString &id) const override;
    bool acceptsIdentifier(const QString &id) const override;
    QString takenText(int index, const QString &typed) const override;

private:
    // The identifier refused last, as typed: refused again without a second message.
    mutable QString refused_;
};
