#pragma once
// Rainfall distribution window: the user's rain tables, one shown at a time.
// The combo `Cmbinp_1` chooses or creates a table by its identifier (its
// hidden twin `txtinp_1` keeps the identifier confirmed last), `txtinp_2`
// holds the table's time increment and the value grid `MSFlexGrid1` its mass
// rainfall values, item by item in the window's work tables.
//
// The grid takes values only while a table is shown; otherwise a key or a
// click in it sends the focus to the identifier box, so nothing typed there
// can be dropped. Storing a table always takes the grid as it stands, values
// deleted included.
#include "core/GridState.h"
#include "sections/common/RecordForm.h"
#include "sections/common/ValueGridPanel.h"

class frmRainDist : public RecordForm
{
    Q_OBJECT
public:
    frmRainDist();

    void cmdDelCur_Click() { deleteChosenRecord(); }
    void CmdPlot_Click();
    void mnuDelInsItem_Click(int Index);
    void ValidateField(int &Index) override;

    int selectedTable() const { return selectedRecord(); }

protected:
    void buildFields(QGridLayout *grid) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    void finishLoad() override;
    ColorRule checkField(int index) override;
    int passColor(int index) const override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showRecord(int k) override;
    void storeRecord(int k) override;
    void clearFields() override;
    QString takenText(int index, const QString &typed) const override;
    int createRecord(const QString &id) override;
    void removeRecord(int k) override;
    void focusField(int index) override;
    QString recordNoun() const override { return QStringLiteral("Rain Table"); }
    std::optional<InvalidValue> firstInvalidValue() override;
    void showInvalidValue(const InvalidValue &value) override;

private:
    void MSFlexGrid1_KeyPress(int &KeyAscii);
    void MSFlexGrid1_EnterCell();
    void MSFlexGrid1_MouseDown(int row, int col);
    void MSFlexGrid1_LostFocus();
    bool tableShown() const;
    bool incrementIsPositive() const;
    void setPlotEnabledByRule();

    ValueGridPanel panel_; // its delete button is `cmdDelCur`
};
