#pragma once
// Time-of-concentration window: the flow segments (sheet, shallow
// concentrated, channel) of the sub-areas, with their travel times and total
// shown as they are entered. It opens modal over the sub-area window on copies
// of its records and, on "Return to Sub-Area", hands back the records whose
// segment fields it changed; it writes no file. Its close box discards.
#include "core/ComboFocus.h"
#include "core/ControlArray.h"
#include "sections/common/EntryForm.h"
#include "sections/common/SubAreaDetail.h"

#include <QPointer>
#include <array>

class QComboBox;
class QPushButton;

class frmTc : public EntryForm, public SubAreaDetailWindow
{
    Q_OBJECT
public:
    frmTc();

    void OpenOn(QWidget *owner, const SubAreaDetailRequest &request) override;

    QComboBox *Cmbinp(int index) const;
    // The row (1-based, in the order handed over) of the sub-area being
    // edited; 0 for none.
    int TcRow() const { return TcRow_; }

    void ValidateField(int &Index) override;
    void NextField(int &Index, int &KeyAscii);
    void cmdFinished_Click() override;
    void cmdDelCur_Click();

protected:
    void buildControls(QWidget *central) override;
    void buildFields(QGridLayout *grid) override;
    void readRecords(const QStringList &) override {}
    ColorRule checkField(int) override { return ColorRule::Keep; }
    int nextBox(int n) const override { return n; }
    QStringList buildRecords() const override { return {}; }
    QString headerHelpKey() const override;
    void Form_Load() override;
    void Form_Unload() override;
    void hideEvent(QHideEvent *event) override;
    void txtinp_KeyPress(int &Index, int &KeyAscii) override;
    void txtinp_LostFocus(int Index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    std::optional<InvalidValue> firstInvalidValue() override;
    void showInvalidValue(const InvalidValue &value) override;

private:
    // Names field `field` by its segment and quantity: "Sheet Length".
    QString segmentFieldName(int field) const;
    // Fields 1 (the identifier) and 12 to 24 of one sub-area.
    using WorkColumn = std::array<QString, 25>;

    void Cmbinp_GotFocus(int Index);
    void Cmbinp_LostFocus(int Index);
    void Cmbinp_KeyPress(int &Index, int &KeyAscii);
    void ShowSubAreaTc(int k);
    void ShowRainfallField();
    void StoreSubAreaTc();
    void ComputeTravelTime(int Index);
    // Whether surface list `Index` shows another entry than its field's code
    // names; if so, the field takes the entry.
    bool takeSurfaceChoice(int Index);
    // List `Index` takes its hidden field's colour and, for a surface, its
    // text; the identifier list keeps the entry it shows.
    void showInList(int Index);
    void checkBox(int Index);
    void showDeleteButton();
    bool isCombo(int Index) const { return Index == 1 || Index == 15 || Index == 18; }

    SubAreaDetailRequest request_;
    QList<WorkColumn> work_;
    SubAreaListPlaces places_; // the identifier list's entries by place
    int TcRow_ = 0;
    // The sub-area (1-based; 0 none) whose identifier the hidden identifier
    // field holds: the one handed over until the list is first left, then
    // the one chosen there. Where identifiers repeat, that text would name
    // the first of them: the list goes back to this one by place.
    int namedRow_ = 0;
    ControlArray boxes_;
    ControlArray combos_;
    QHash<QObject *, int> comboIndex_; // identity only
    ComboFocus focus_;
    QPointer<QPushButton> cmdDelCur_;
};
