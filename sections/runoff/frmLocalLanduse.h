#pragma once
// The local land-use editor: the user's own land uses with their curve numbers
// for the soil groups A to D, one shown at a time, chosen or created by the
// identifier typed or picked into `Cmbinp_1`. It edits the local land-use file
// in memory and rewrites it on Accept; the input file is not touched.
#include "sections/common/RecordForm.h"

#include <QSet>

class frmLocalLanduse : public RecordForm
{
    Q_OBJECT
public:
    frmLocalLanduse();

    void cmdFinished_Click() override;
    void cmdDelCur_Click() { deleteChosenRecord(); }

protected:
    void buildFields(QGridLayout *grid) override;
    void readRecords(const QStringList &) override {}
    void finishLoad() override;
    ColorRule checkField(int index) override;
    // A curve number that passes is shown plain white, as the boxes are when shown.
    int passColor(int) const override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override { return {}; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showRecord(int k) override;
    void storeRecord(int k) override;
    void clearFields() override;
    int findRecord(const QString &id) const override;
    bool acceptsIdentifier(const QString &id) const override;
    QString takenText(int index, const QString &typed) const override;
    int createRecord(const QString &id) override;
    void removeRecord(int k) override;
    void txtinp_LostFocus(int Index) override;

private:
    // Runs the checks of boxes 2 to 5 and colours them; the first that fails, or 0.
    int checkCurveNumbers();

    // Records stored while a curve number of theirs failed its check.
    QSet<int> invalid_;
    // The name refused last, as typed.
    mutable QString refused_;
};
