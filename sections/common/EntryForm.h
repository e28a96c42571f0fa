#pragma once
// EntryForm: the frame that every section entry window is built on.
//
// A window derived from it edits one section's working file
// (Editglob::TmpFile[slot]). What the frame does for every window:
//  - Load: caption "<title>   Current File - <FileName>", the help state
//    (FormHelpKey = the window's key, no help shown), setDefaults(), then the
//    working file's lines to readRecords() when the file opened and is not
//    empty (errors while reading keep the defaults), then finishLoad().
//  - Entry boxes `txtinp_N` (addBox / addHiddenBox). Each box's maxLength is
//    the width of its field in the record, so a typed value can never shift
//    the columns behind it. Tab (KeyAscii 9) and Enter (13) in a box run
//    txtinp_KeyPress: the box is checked by ValidateField, the focus moves to
//    nextBox(Index + 1), and the key is discarded; every other key goes to the
//    box. A failed check lowers Index, so the focus stays on a bad box.
//    Tab or Shift+Tab that txtinp_KeyPress leaves alone moves the focus along
//    the layout (tabAlongLayout); the box is then left by its focus-out.
//    Every move by a key (moveFocusByKey) gives the field left its focus-out
//    also when the window is not the active one, where Qt sends none.
//  - ValidateField: FieldOK = true, checkField() runs the window's check and
//    clears FieldOK on failure; the box then turns passColor() or red (255),
//    unless checkField asked to leave its colour alone.
//  - Focus: txtinp_LostFocus / txtinp_GotFocus are called on every focus
//    change of a box; by default they do nothing (most windows do not check a
//    box that is left with the mouse).
//  - Option buttons in frames (addOptions): named `<array>_<index>`, one
//    exclusive group per frame. Handled groups send the focus to a fixed box
//    and select the pressed option, then run a follow-up; Plain groups are
//    ordinary option groups; Locked groups are shown but not offered for
//    change: a press on any of their options selects the first.
//  - Labels `lblHeader` and `lblInput_N`: a mouse press shows the help of the
//    heading (id 0) or of field N through Help_Stuff::ShowHelp into the hidden
//    help box `txtHelp`, under the window's own help key; a second press hides
//    it. Each window keeps its own help shown, so two open windows never mix
//    their help.
//  - `cmdFinished` (Accept): refused while a value that Accept would write
//    fails its check (firstInvalidValue: the window's records, with its own
//    checks) or a box (or the combo that enters it) or a grid cell is red
//    (refuseRedField); otherwise buildRecords() gives the lines of the
//    working file (none: the section is absent); they are written
//    atomically. When
//    the file cannot be written the user is told which file and why, the
//    window stays open and DataChanged is left alone; otherwise
//    acceptDone() runs, DataChanged is set and the window unloads.
//  - `cmdCancel` and the close box: unload, nothing written.
//  - Unaccepted entries (HoldsUnacceptedEntries): what Accept would keep
//    (acceptedState) differs from what the window held once loaded, or the
//    user typed, chose or ticked something in a control and the controls no
//    longer hold what they showed when the fields last showed stored data
//    (after loading, or entriesShown).
//
// A window supplies its Setup (title, header caption, help key, working-file
// slot, button captions), builds its fields in buildFields(), and overrides
// setDefaults, readRecords, checkField, nextBox, buildRecords and, where its
// behaviour differs, passColor, the key and focus handlers.
#include "core/QvForm.h"
#include "sections/common/logic/InvalidValue.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class EntryForm : public QvForm
{
    Q_OBJECT
public:
    struct Setup
    {
        QString title;         // window title
        QString header;        // caption of lblHeader
        QString helpKey;       // FormHelpKey of the window
        int tmpSlot = 0;       // index of the working file in TmpFile
        QString acceptCaption; // cmdFinished
        QString cancelCaption; // cmdCancel
    };

    explicit EntryForm(const Setup &setup, QWidget *parent = nullptr);

    bool IsEntryWindow() const override { return true; }
    bool HoldsUnacceptedEntries() const override;

    // Back colour of a box as a colour number (&HBBGGRR).
    static int BackColor(const QWidget *widget);
    static void SetBackColor(QWidget *widget, int bgr);

    // Controls of the loaded window (nullptr when absent or not loaded).
    QLineEdit *txtinp(int index) const;
    QRadioButton *option(const QString &array, int index) const;
    QPlainTextEdit *txtHelp() const;

    // Result of the last field check.
    bool FieldOK = true;
    int TmpSlot = 0;

    // The handlers, callable as the windows' own events are.
    virtual void cmdFinished_Click();
    void cmdCancel_Click();
    virtual void ValidateField(int &Index);

protected:
    enum class ColorRule { Apply, Keep };
    enum class OptionMode { Handled, Plain, Locked };

    // Builds the window's own controls; `grid` sits between the header and
    // the help box.
    virtual void buildFields(QGridLayout *grid) = 0;
    virtual void setDefaults() {}
    // Lines of a working file that opened and is not empty.
    virtual void readRecords(const QStringList &lines) = 0;
    virtual void finishLoad() {}
    // The check of box `index`; clears FieldOK when its text fails.
    virtual ColorRule checkField(int index) = 0;
    // Colour of a box that passed its check.
    virtual int passColor(int index) const;
    // Maps n = Index + 1 to the box that takes the focus after Tab or Enter.
    virtual int nextBox(int n) const = 0;
    // The lines of the working file; empty when the window holds no data.
    virtual QStringList buildRecords() const = 0;
    virtual void acceptDone() {}
    // What Accept would keep, compared with the same once loaded; by default
    // the lines of the working file.
    virtual QStringList acceptedState() const { return buildRecords(); }
    // The fields show stored data again (another record was chosen): only
    // what is typed from now on is unstored.
    void entriesShown();

    // Accept's check: the first value that Accept would write and that fails
    // its check (firstInvalidValue), else a box or cell shown red
    // (refuseRedField). The user is told where it is and taken there; true
    // when Accept must stop.
    bool refuseInvalid();
    // The first part alone: a value of the records that fails is shown.
    bool refuseInvalidValue();
    // The first value of the window's records that Accept would write
    // although it fails the window's check of its field, in the order of the
    // file; the window first takes what its fields show into its records.
    // None by default: a window of one record has its values in its boxes,
    // where refuseRedField finds them.
    virtual std::optional<InvalidValue> firstInvalidValue() { return std::nullopt; }
    // Shows the record of `value` with its field red and the focus there; by
    // default box `field` of the window.
    virtual void showInvalidValue(const InvalidValue &value);
    // A red box or grid cell holds a value that failed its check and
    // must never be written: tells the user which field, puts the focus there
    // and returns true. False when nothing is red.
    bool refuseRedField();
    // The caption of field `index` as a name: its label's text without the
    // colon and blanks that lead to the box.
    QString fieldName(int index) const;
    // The Accept after every question of the window: writes the working file
    // and closes the window, or keeps it open when the file cannot be written.
    void writeAndClose();

    virtual void txtinp_KeyPress(int &Index, int &KeyAscii);
    virtual void txtinp_LostFocus(int Index);
    virtual void txtinp_GotFocus(int &Index);
    // Help key passed by the heading label; by default the window's key.
    virtual QString headerHelpKey() const;
    // Title of the window's messages; by default the window's title.
    virtual QString messageTitle() const { return setup_.title; }

    // Building blocks for buildFields.
    QLineEdit *addBox(int index, int maxLength);
    QLineEdit *addHiddenBox(int index);
    // A field label; helpId < 0 shows no help.
    QLabel *addFieldLabel(int index, const QString &caption, int helpId);
    QLabel *addFieldLabel(int index, const QString &caption) { return addFieldLabel(index, caption, index); }
    QLabel *addUnitLabel(const QString &array, int index, const QString &caption);
    QLabel *unitLabel(const QString &array, int index) const;
    // A frame `frameName` holding options `<array>_<firstIndex + i>`.
    // Handled: focus goes to box `focusBox`, a press selects, then followUp.
    QGroupBox *addOptions(const QString &frameName, const QString &array, int firstIndex,
                          const QStringList &captions, OptionMode mode, int focusBox = 0,
                          std::function<void()> followUp = {});
    bool isSelected(const QString &array, int index) const;
    void select(const QString &array, int index);

    // 9 for Tab, 13 for Enter or Return, pressed without Ctrl or Alt; 0 for any other key.
    static int TabOrEnterAscii(const QKeyEvent *key);
    // 1 for Tab, -1 for Shift+Tab, pressed without Ctrl or Alt; 0 for any other key.
    static int TabDirection(const QKeyEvent *key);
    // Runs `move`, a key's move of the focus. Qt moves the focus of a window
    // that is not the active one without focus events: the widget left then
    // gets its focus-out here, so that leaving a field by a key checks it in
    // the same way whether or not the window is active.
    void moveFocusByKey(const std::function<void()> &move, Qt::FocusReason reason = Qt::TabFocusReason);
    // Tab or Shift+Tab that no handler took: the focus moves along the
    // layout, leaving the field as Qt's own move does.
    void tabAlongLayout(int direction);

    // Text of box `index` trimmed of blanks.
    QString boxText(int index) const;
    void setBoxText(int index, const QString &text);
    void focusBox(int index);

    const Setup &setup() const { return setup_; }
    void buildControls(QWidget *central) override;
    void Form_Load() override;
    void loadFinished() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHelp(int helpId, const QString &key);
    // What the user can change in the controls, one entry a control (or cell).
    QStringList controlState() const;
    void watchUserEdits();
    QStringList loadedState_;
    QStringList shownControls_;
    bool userEdited_ = false; // since the fields last showed stored data
    Setup setup_;
    QHash<int, QPointer<QLineEdit>> boxes_;
    QHash<QString, QPointer<QRadioButton>> options_;
    QHash<QObject *, int> boxIndex_; // identity only: never dereferenced
    QHash<QObject *, int> labelHelp_;
    QHash<QObject *, int> optionFocus_;
    QHash<QObject *, std::function<void()>> optionFollowUp_;
    QHash<QObject *, OptionMode> optionMode_;
    QHash<QString, QPointer<QLabel>> units_;
    QPointer<QLabel> lblHeader_;
    QObject *headerObject_ = nullptr; // identity only
    QPointer<QPlainTextEdit> txtHelp_;
    int helpShown_ = -999; // the help number this window shows; Help_Stuff::NoHelp none
    QPointer<QWidget> central_;
};
