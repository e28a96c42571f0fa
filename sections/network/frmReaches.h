#pragma once
// Stream reach window: the reaches of the base data (~Reach.tmp) or of one
// alternate, one shown at a time, chosen or created by the identifier combo
// `Cmbinp_1`. The window keeps the data it was loaded on (the base data, or
// the alternate of the request that opened it) until it closes: Accept writes
// there, whatever `CurrentAlternate` has become meanwhile.
#include "sections/network/AlternateRecords.h"
#include "sections/network/NetworkForm.h"

class frmReaches : public NetworkForm, public AlternateRecordWindow<ReachRecord>
{
    Q_OBJECT
public:
    frmReaches();

    bool OpenOnAlternate(const ReachAlternateRequest &request) override;
    int EditedAlternate() const override;

    void cmdFinished_Click() override;
    void cmdDelCur_Click();

protected:
    void buildFields(QGridLayout *grid) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    void finishLoad() override;
    ColorRule checkField(int index) override;
    int passColor(int index) const override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
    void ValidateField(int &Index) override;
    void txtinp_KeyPress(int &Index, int &KeyAscii) override;
    void txtinp_LostFocus(int Index) override;
    void Form_Unload() override;

    void showRecord(int k) override;
    void storeRecord(int k) override;
    void clearFields() override;
    bool acceptsIdentifier(const QString &id) const override;
    void comboTaken(int index, const QString &text) override;
    // Enter alone leaves a combo and moves on; Tab goes its own way.
    bool movesOn(int keyAscii) const override { return keyAscii == 13; }
    QString recordNoun() const override { return QStringLiteral("Reach"); }
    // Values typed here are checked; those the window was opened on pass.
    std::optional<InvalidValue> firstInvalidValue() override;

private:
    // The alternate's records and where they go back; empty for the base data.
    ReachAlternateRequest request_;
    // The reaches as the window was opened on them.
    QList<ReachRecord> asRead_;
};
