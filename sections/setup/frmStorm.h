#pragma once
// Storm analysis window: storm records keyed by storm and rain gage
// identifier, edited through one set of entry fields and listed in a grid,
// row k showing record k. Every field that passes its check is stored at once
// into the record being edited.
#include "core/ControlArray.h"
#include "core/GridState.h"
#include "sections/common/RecordForm.h"

#include <QPointer>

class FlexGrid;

class frmStorm : public RecordForm
{
    Q_OBJECT
public:
    frmStorm();

    // Accept: a record typed into the fields but never stored is not dropped
    // without asking.
    void cmdFinished_Click() override;
    void ValidateField(int &Index) override;

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
    void txtinp_LostFocus(int Index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showRecord(int k) override;
    void storeRecord(int k) override;
    void comboTaken(int index, const QString &text) override;
    // Tab follows the layout; only Enter moves by the window's own order.
    bool movesOn(int keyAscii) const override { return keyAscii == 13; }
    std::optional<InvalidValue> firstInvalidValue() override;
    void showInvalidValue(const InvalidValue &value) override;

private:
    void opt1_Follow();
    void MSFlexGrid1_MouseDown(int row);
    void MSFlexGrid1_MouseUp(Qt::MouseButton button);

    // The field checks of box Index; clears FieldOK on failure.
    void checkBox(int Index);
    void keyLookup();
    // Stores the fields into record GridRow, a new one when none is edited.
    void storeFields();
    // Row k of the grid shows record k.
    void showInGrid(int k);
    void showCondition();
    // True when the fields hold typed entries that no grid row holds.
    bool unstoredEntries() const;

    QPointer<FlexGrid> grid_;
    ControlArray boxes_;
    ControlArray combos_;
};
