#pragma once
// Sub-area window: the sub-areas of the base data (~SubArea.tmp) or of one
// alternate, one shown at a time, chosen or created by the identifier combo
// `Cmbinp_1`. Each sub-area holds its own land rows. "Land Use Details" and
// "Tc Details" hand copies of the sub-areas to the land-use and
// time-of-concentration windows and take back the part each owns; nothing
// reaches the working file before this window's own Accept.
#include "sections/common/SubAreaDetail.h"
#include "sections/network/AlternateRecords.h"
#include "sections/network/NetworkForm.h"

class frmSubArea : public NetworkForm, public AlternateRecordWindow<SubAreaRecord>
{
    Q_OBJECT
public:
    frmSubArea();

    bool OpenOnAlternate(const SubAreaAlternateRequest &request) override;
    int EditedAlternate() const override;

    void cmdFinished_Click() override;
    void cmdDelCur_Click();
    // 0 "Land Use Details", 1 "Tc Details".
    void cmdSub_Click(int Index);
    void ValidateField(int &Index) override;

protected:
    void buildFields(QGridLayout *grid) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    void finishLoad() override;
    ColorRule checkField(int index) override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
    void txtinp_LostFocus(int Index) override;
    void Form_Unload() override;

    void showRecord(int k) override;
    void storeRecord(int k) override;
    void clearFields() override;
    int createRecord(const QString &id) override;
    // Each combo's list offers what the combo was left with: any identifier,
    // and for the reach and rain gage also a blank text, as an empty entry.
    void identifierTaken(const QString &text) override;
    void comboTaken(int index, const QString &text) override;
    // Enter checks a field and moves on; Tab goes its own way, and the field
    // is checked as it is left.
    bool movesOn(int keyAscii) const override { return keyAscii == 13; }
    QString recordNoun() const override { return QStringLiteral("Sub-Area"); }
    std::optional<InvalidValue> firstInvalidValue() override;

private:
    // Shows the boxes a detail window owns, or its button, for the chosen sub-area.
    void SetDetailState();
    // A detail window returned: record by record, by its place in the list
    // handed over, the land rows (Index 0) or fields 12 to 24 (Index 1) come
    // back.
    void takeDetail(int Index, const QList<ReturnedSubArea> &changed);

    SubAreaAlternateRequest request_;
    // Counts the loads, so that a detail window returning after this window
    // was closed (or opened again) changes nothing.
    int loadCount_ = 0;
};
