#pragma once
// What the reach and sub-area windows share beyond the record-window base:
// the data they were loaded on (the base data, or the alternate of the
// request that opened them) and the "Alternate" labels that show it, and
// their Yes / No / Blank option groups for the output codes.
#include "core/logic/ListRef.h"
#include "core/QvForm.h"
#include "sections/common/RecordForm.h"

#include <functional>

class QGroupBox;

class NetworkForm : public RecordForm
{
    Q_OBJECT
public:
    using RecordForm::RecordForm;

    // The alternate the open window edits; 0 for the base data or when closed.
    int loadedAlternate() const { return isLoaded() ? alternate_ : 0; }

protected:
    // Opens the window on an alternate's request (`pending` takes it until
    // the load); see AlternateRecordWindow::OpenOnAlternate.
    template <class Request> bool openOnAlternate(const Request &request, Request &pending)
    {
        if (request.Alternate <= 0)
            return false;
        if (isLoaded()) {
            if (alternate_ != request.Alternate)
                return false;
            Globsubs::ShowForm(this);
            return true;
        }
        pending = request;
        pendingAlternate_ = request.Alternate;
        pendingAlternateId_ = request.AlternateId;
        Globsubs::ShowForm(this);
        return true;
    }
    // Called first in setDefaults: fixes the data the window edits until it
    // closes. Returns true when it is an alternate.
    bool takeMode();
    bool isAlternate() const { return alternate_ > 0; }

    // `lblStatic_1` "Alternate" and `lblStatic_2`, hidden.
    void addAlternateLabels(QGridLayout *layout, int row);
    // Shows them with the alternate's identifier in alternate mode.
    void showAlternateLabels();
    // A separator line `Line1_<index>`.
    QWidget *addLine(int index);
    // Frame `Frame1_<g>` with `opt1` 3g+1 "Yes", 3g+2 "No", 3g+3 "Blank";
    // an option that gets the focus hands it on to field `focusField`.
    QGroupBox *addCodeGroup(int g, int focusField);
    // The group shows `code`: Yes, No, Blank; no option for a letter the
    // window does not know, so that storing keeps the code read.
    void showCode(int g, const QString &code);
    // The option chosen in group g (1 Yes, 2 No, 3 Blank), 0 when none is.
    int selectedCode(int g) const;
    void blankCodes(int groups);
    // Fills the combos with what `filler` lists, in one step each: a long
    // list added entry by entry would make the window slow to open.
    void fillCombos(std::initializer_list<int> indexes, const std::function<void(const ListRef &)> &filler);
    // Shows the record the alternate window had chosen (`current` counts from
    // 0) as the one chosen here, once its records are in the work tables.
    void showHandedOverRecord(int current);

    void buildControls(QWidget *central) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QObject *, int> optionFocusField_; // identity only: never dereferenced
    int alternate_ = 0;
    QString alternateId_;
    int pendingAlternate_ = 0;
    QString pendingAlternateId_;
};
