#pragma once
// RecordForm: an entry window that edits the records of a list, one shown at a
// time, chosen by the identifier typed or picked into a combo box.
//
// The records live in the window's work tables (data_.Work; RecordList.h in
// sections/common/logic finds, adds and removes them); a grid or list of the
// window only shows them. What the frame does:
//  - Combo boxes `Cmbinp_N` (addCombo), each with a hidden twin `txtinp_N`
//    that holds the value taken last and the colour to show. A combo that
//    gets the focus shows its twin's text and colour (Cmbinp_GotFocus).
//  - Leaving a combo (Cmbinp_LostFocus) takes what it shows: the text is cut
//    (takenText), the twin takes it, the identifier combo chooses or creates
//    a record, another combo offers the text in its list (comboTaken),
//    ValidateField checks the field (unless RecordSetup::checkOnLeave is
//    off: then only Tab and Enter check) and the combo shows the twin's
//    colour. A combo is left when the focus really goes elsewhere in the
//    window: its own drop-down list, a context menu and a switch to another
//    window are not leaving.
//  - Tab and Enter (the keys movesOn() names) in a box check it, in a combo
//    leave it; then the focus moves to nextBox(Index + 1): a combo field's
//    combo or a box (focusField). A field that fails keeps the focus.
//    Tab (when movesOn() leaves it out) and Shift+Tab follow the layout: a
//    combo is left by its focus-out, exactly once, active window or not.
//  - Choosing (the identifier combo left): the shown record is stored, the
//    record named is found (findRecord) and shown (showRecord); a new
//    identifier the window accepts (acceptsIdentifier) makes a record
//    (createRecord) and enters the combo's list. selectedRecord() is the
//    record chosen, data_.Work.CurrentItem the one the fields show and
//    storeShownRecord() stores into (GridState::None when none).
//  - Deleting (deleteChosenRecord, the button of addDeleteButton): the shown
//    record is stored; when the identifier combo holds text the window's
//    question is asked, and only Yes deletes the record (removeRecord), takes
//    its identifier out of the list and empties the identifier and the fields
//    (clearFields). Either way the identifier combo gets the focus.
//    askDelete() is the question alone, for windows that delete otherwise.
//  - Accept's check (EntryForm::refuseInvalid): a value that fails is shown
//    in its record (showStoredRecord), with the box red and the focus there;
//    messages name a record by recordNoun() and its identifier.
//
// A record window supplies, beyond EntryForm's hooks (buildFields,
// readRecords into data_.Work, checkField, nextBox, buildRecords from
// data_.Work): showRecord, storeRecord and clearFields; where it differs,
// findRecord, acceptsIdentifier, createRecord, removeRecord, takenText,
// comboTaken, movesOn and focusField. A window whose fields are stored one by
// one as they pass, keyed by several fields (RecordSetup::idIndex 0), uses
// the combos, the keys, the question and the store alone.
#include "core/ComboFocus.h"
#include "core/GridState.h"
#include "sections/common/EntryForm.h"

#include <QHash>
#include <QPointer>

class QComboBox;
class QPushButton;

class RecordForm : public EntryForm
{
    Q_OBJECT
public:
    struct RecordSetup
    {
        int idIndex = 1;            // the combo that chooses a record; 0 none
        int fieldWidth = 10;        // combo texts are cut to it
        int headerFields = 1;       // fields of a record in the work tables
        int pointFields = 1;        // fields of a point (row or value)
        QString deleteQuestion;     // Yes/No question before a record is deleted
        QString deleteTitle;
        bool checkOnLeave = true;   // leaving a combo by the mouse checks its field too
    };

    RecordForm(const Setup &setup, const RecordSetup &records, QWidget *parent = nullptr);

    QComboBox *Cmbinp(int index) const;
    const WorkTables &records() const { return data_.Work; }
    const TableWindowData &tables() const { return data_; }
    int selectedRecord() const { return selected_; }

    // The handlers, callable as the windows' own events are.
    void Cmbinp_LostFocus(int &Index);
    void deleteChosenRecord();

protected:
    // An editable combo `Cmbinp_<index>` with its hidden twin `txtinp_<index>`.
    QComboBox *addCombo(int index);
    // The delete button, which runs deleteChosenRecord.
    QPushButton *addDeleteButton(const QString &caption, const QString &name = QStringLiteral("cmdDelCur"));

    // ---- Hooks ----
    // Shows record k in the fields (the identifier is the combo's).
    virtual void showRecord(int k) = 0;
    // Stores the fields into record k.
    virtual void storeRecord(int k) = 0;
    // Empties the fields other than the identifier.
    virtual void clearFields() {}
    // The record that `id` (cut, as typed) names; 0 when none. By default the
    // last record whose field 1 equals it, trimmed and ignoring case.
    virtual int findRecord(const QString &id) const;
    // Whether a record may bear `id`; by default any identifier not blank.
    virtual bool acceptsIdentifier(const QString &id) const;
    // Makes a record for `id` and shows it; by default a record whose field 1
    // is `id`, with the fields emptied.
    virtual int createRecord(const QString &id);
    // Deletes record k from the work tables; by default the later records
    // move down one place.
    virtual void removeRecord(int k);
    // The text a combo left with `typed` takes; by default cut to the field width.
    virtual QString takenText(int index, const QString &typed) const;
    // A combo other than the identifier was left with `text`; by default a
    // text not blank is added to its list.
    virtual void comboTaken(int index, const QString &text);
    // The identifier combo was left with `text`, before the record is chosen;
    // by default nothing happens here.
    virtual void identifierTaken(const QString &) {}
    // Names a record in messages ("Structure"); none by default.
    virtual QString recordNoun() const { return {}; }
    // Keys that leave a field (box or combo) and move on: 9 (Tab) and 13
    // (Enter) by default.
    virtual bool movesOn(int keyAscii) const { return keyAscii == 9 || keyAscii == 13; }
    // Moves the focus to field `index`: its combo or its box.
    virtual void focusField(int index);
    virtual void Cmbinp_GotFocus(int Index);

    // ---- For the windows ----
    // Index + 1 through nextBox, then the focus goes there; the field left
    // was checked already, so leaving it by this move runs nothing.
    void NextField(int &Index);
    // True while NextField moves the focus.
    bool movingByKey() const { return movingByKey_; }
    // Stores the shown record and makes the chosen one the one shown.
    void storeShownRecord();
    // The delete question; true on Yes.
    bool askDelete() const;
    // Makes record k the chosen one and shows it, its identifier in the
    // identifier combo; the record shown before is stored first.
    void showStoredRecord(int k);
    // Record k in messages: the noun and its identifier.
    QString recordName(int k) const;
    // A value of record k that fails the check of field `box`, named for the message.
    InvalidValue invalidValue(int k, int row, int box, const QString &text) const;
    // The first box from `first` to `last` shown red and holding text, as a
    // value of the record chosen (record 0: none is).
    std::optional<InvalidValue> redBox(int first, int last) const;
    // A box from `first` to `last` shown red while no record is chosen: tells
    // the user that its value belongs to none, puts the focus there and
    // returns true.
    bool refuseValueWithoutRecord(int first, int last);
    void showInvalidValue(const InvalidValue &value) override;
    // The identifier combo's text, trimmed.
    QString identifierText() const;
    // Empties the identifier combo (no entry chosen) and its twin.
    void clearIdentifier();
    void setSelectedRecord(int k) { selected_ = k; }
    bool isComboField(int index) const { return combos_.contains(index); }

    // The working file's lines and every record of the work tables.
    QStringList acceptedState() const override;

    const RecordSetup &recordSetup() const { return records_; }
    void buildControls(QWidget *central) override;
    void Form_Load() override;
    void txtinp_KeyPress(int &Index, int &KeyAscii) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    TableWindowData data_;

private:
    void chooseRecord(const QString &id);
    void takeCombo(int &Index, bool check);

    RecordSetup records_;
    int selected_ = 0;
    QHash<int, QPointer<QComboBox>> combos_;
    QHash<QObject *, int> comboIndex_; // identity only: never dereferenced
    ComboFocus focus_;
    bool movingByKey_ = false;
};
