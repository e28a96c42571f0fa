#pragma once
// Input hydrograph window: the hydrographs of the Input Hydrograph section,
// one shown at a time, chosen by its identifier in `Cmbinp_1`; its reach and
// storm in `Cmbinp_2` and `Cmbinp_3`, start time, time increment, drainage
// area and base flow in `txtinp_4` to `txtinp_7`, and its flows in the value
// grid `MSFlexGrid1`, five to a row. The first flow of a hydrograph is fixed
// in the grid's first cell.
#include "core/FlexGrid.h"
#include "sections/common/RecordForm.h"
#include "sections/common/ValueGridPanel.h"

class frmInpHyd : public RecordForm
{
    Q_OBJECT
public:
    frmInpHyd();

    FlexGrid *grid() const { return panel_.grid; }
    QPushButton *plotButton() const { return panel_.cmdPlot; }
    int shownHydrograph() const { return selectedRecord(); }

    // The handlers, callable as the window's own events are.
    void cmdFinished_Click() override;
    void cmdDelCur_Click();
    void CmdPlot_Click();
    void mnuDelInsItem_Click(int Index);

protected:
    void buildFields(QGridLayout *layout) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    void finishLoad() override;
    ColorRule checkField(int index) override;
    int passColor(int index) const override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
    void txtinp_KeyPress(int &Index, int &KeyAscii) override;
    void txtinp_LostFocus(int Index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    void showRecord(int k) override;
    void storeRecord(int k) override;
    void clearFields() override;
    int createRecord(const QString &id) override;
    QString takenText(int index, const QString &typed) const override;
    void comboTaken(int index, const QString &text) override;
    QString recordNoun() const override { return QStringLiteral("Input Hydrograph"); }
    std::optional<InvalidValue> firstInvalidValue() override;
    void showInvalidValue(const InvalidValue &value) override;

private:
    void MSFlexGrid1_KeyPress(int &KeyAscii);
    void MSFlexGrid1_EnterCell();
    void MSFlexGrid1_MouseDown(int row, int col);
    void MSFlexGrid1_LostFocus();
    void NewHydrograph();
    void fillGrid(const QStringList &flows);
    void enterGrid();
    bool hydrographShown() const;
    bool incrementIsPositive() const;
    // "Display Data" is shown while the hydrograph can be plotted.
    void setPlotVisibleByRule();

    ValueGridPanel panel_;
    int LastFieldLeft = 0;
    bool Accepting = false;
};
