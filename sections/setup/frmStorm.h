#pragma once
// Storm analysis window: a grid of storm records keyed by storm and rain gage
// identifier, edited through one set of entry fields. Every field that passes
// its check is stored at once into the row being edited, so the grid is what
// Accept writes.
#include "core/ControlArray.h"
#include "core/GridState.h"
#include "sections/common/EntryForm.h"

#include <QPointer>

class FlexGrid;
class QComboBox;

class frmStorm : public EntryForm
{
    Q_OBJECT
public:
    frmStorm();

    // Accept: a record typed into the fields but never stored is not dropped
    // without asking.
    void cmdFinished_Click() override;
    void ValidateField(int &Index) override;
    void NextField(int &Index, int KeyCode);

    QComboBox *Cmbinp(int index) const;
    FlexGrid *grid() const { return grid_; }
    const GridState &gridState() const { return data_.Grid; }

protected:
    void buildControls(QWidget *central) override;
    void buildFields(QGridLayout *grid) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    void finishLoad() override;
    ColorRule checkField(int index) override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
    void txtinp_KeyPress(int &Index, int &KeyAscii) override;
    void txtinp_LostFocus(int Index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Cmbinp_GotFocus(int Index);
    void Cmbinp_KeyPress(int &Index, int &KeyAscii);
    void Cmbinp_LostFocus(int &Index);
    void opt1_Follow();
    void MSFlexGrid1_MouseDown(int row);
    void MSFlexGrid1_MouseUp(Qt::MouseButton button);

    // The field checks of box Index; clears FieldOK on failure.
    void checkBox(int Index);
    void keyLookup();
    void storeRecord();
    // Shows row GridRow in the fields: boxes, condition option and combos.
    void showRow();
    void showCondition();
    // True when the fields hold typed entries that no grid row holds.
    bool unstoredEntries() const;

    TableWindowData data_;
    QPointer<FlexGrid> grid_;
    ControlArray boxes_;
    ControlArray combos_;
    QHash<QObject *, int> comboIndex_; // identity only
    int focusedCombo_ = 0;
    // Set while Enter moves the focus: the field left has been checked.
    bool movingByKey_ = false;
};
