#pragma once
// Dimensionless unit hydrograph window: one series of ordinates from 0 to 1 in
// a value grid, kept as item 1 of the window's work tables.
//
// A hydrograph is kept when it holds at least UnitHydFormat::MinOrdinates
// ordinates, whether they were read from the working file or typed; the
// same count decides whether "Display Data" plots them. A value typed into
// the empty cell after the series counts although it was not confirmed.
#include "core/GridState.h"
#include "sections/common/EntryForm.h"
#include "sections/common/ValueGridPanel.h"

class frmDimHyd : public EntryForm
{
    Q_OBJECT
public:
    frmDimHyd();

    void cmdDelAll_Click();
    void CmdPlot_Click();
    void mnuDelInsItem_Click(int Index);

    const TableWindowData &tables() const { return data_; }

protected:
    void buildFields(QGridLayout *grid) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    void finishLoad() override;
    ColorRule checkField(int index) override;
    int passColor(int index) const override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
    void Form_Activate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The grid holds the one series: a value that fails is shown in its cell.
    std::optional<InvalidValue> firstInvalidValue() override;
    void showInvalidValue(const InvalidValue &value) override;

private:
    void MSFlexGrid1_KeyPress(int &KeyAscii);
    void MSFlexGrid1_EnterCell();
    void MSFlexGrid1_MouseDown(int row, int col);
    void ShowUnitHydrograph();
    void ClearGrid();
    // The ordinates the grid holds (blank cells left out).
    QStringList gridOrdinates() const;
    void storeGrid();
    void setPlotEnabledByCount();

    TableWindowData data_;
    ValueGridPanel panel_; // its delete button is `cmdDelAll`
};
