#pragma once
// Alternate window: creates, chooses and deletes alternates, edits their
// descriptions, and lists the sub-area and reach records each one changes. A
// click in a record list opens the sub-area or stream reach window modal on
// that alternate's records; its Accept hands the records back into this
// window's tables, which only this window's own Accept writes to ~Alter.tmp.
//
// The alternates live in the window (its tables are rebuilt from the working
// file at every opening): no other window reloads or renumbers them.
#include "core/ComboFocus.h"
#include "sections/common/EntryForm.h"
#include "sections/network/logic/AlternateFormat.h"

#include <QPointer>

class QComboBox;
class QListWidget;

class frmAlternate : public EntryForm
{
    Q_OBJECT
public:
    frmAlternate();

    // The alternate tables.
    const QList<Alternate> &Alternates() const { return alternates_; }
    int AltCount() const { return int(alternates_.size()); }
    // The alternate shown (1 to AltCount), 0 for none.
    int ShownAlternate() const { return shown_; }
    // The record chosen by the last click in a record list (1-based), 0 none.
    int AltItem = 0;
    // The record window opened from this window and still open, if any.
    QvForm *RecordWindow() const { return recordWindow_; }

    QComboBox *Cmbinp(int index) const;
    QListWidget *lstDisp(int index) const;

    // The handlers, callable as the window's own events are.
    void Cmbinp_LostFocus(int &Index);
    void cmdFinished_Click() override;
    void cmdDelCur_Click();
    // A mouse button on entry `row` of record list Index (-1: beside the
    // entries): the left button edits, the middle button deletes.
    void lstDisp_MouseDown(int Index, Qt::MouseButton Button, int row);
    // Deletes the selected entry of record list Index, after asking.
    void DeleteSelectedRecord(int Index);

    // Refreshes record list Which (1 sub-areas, else reaches) from the shown
    // alternate.
    void FillAlternateRecordList(int Which);

protected:
    void buildFields(QGridLayout *grid) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    ColorRule checkField(int index) override;
    int passColor(int index) const override;
    int nextBox(int n) const override { return n; }
    QStringList buildRecords() const override;
    // The caption keeps its old spelling; the messages spell the section's name.
    QString messageTitle() const override;
    // The sub-areas of the alternates are checked as the sub-area window
    // checks them; their reaches passed the reach window or are as read.
    std::optional<InvalidValue> firstInvalidValue() override;
    void showInvalidValue(const InvalidValue &value) override;
    void txtinp_KeyPress(int &Index, int &KeyAscii) override;
    void txtinp_LostFocus(int Index) override;
    bool Form_QueryUnload() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Cmbinp_GotFocus(int Index);
    void NextField(int &Index, int &KeyAscii);
    void ShowAlternate(int i);
    void StoreAlternate();
    void clearShown();
    void openRecordWindow(int Index, int record);
    void recordWindowClosed();
    void storeRecords(int alternate, const QList<ReachRecord> &reaches);
    void storeRecords(int alternate, const QList<SubAreaRecord> &subAreas);
    // A record whose line the file would read as a block line; false after
    // telling the user which one.
    bool recordsWritable();

    QList<Alternate> alternates_;
    int shown_ = 0;
    int remembered_ = -999;
    int session_ = 0; // counts the openings, so a late hand-back finds its own
    ComboFocus comboFocus_;
    QPointer<QComboBox> combo_;
    QPointer<QListWidget> lists_[3];
    QPointer<QvForm> recordWindow_;
};
