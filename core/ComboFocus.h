#pragma once
// When the focus arrives in a combo box and when it leaves it, for the windows
// that take a combo's choice as the focus first leaves it. The combo's own
// drop-down list is a popup window that holds the focus while it is open: as
// the list opens, Qt tells the combo that it lost the focus with
// PopupFocusReason and, the first time the list is shown, once more with
// OtherFocusReason while the list holds it; as the list closes, that the combo
// has it again, with PopupFocusReason. None of this is the user entering or
// leaving the combo, and neither is another window becoming the active one
// and back: a choice made in the list is taken when the focus goes on to
// another control, by a key or by the mouse alike.
class QEvent;
class QWidget;

class ComboFocus
{
public:
    enum class Change { None, Arrived, Left };

    // What focus event `event` of combo `index` (the widget `combo`, or a
    // widget inside it) means. Arrived: the focus came from elsewhere, also
    // when the window holding it became the active one (the event's reason
    // tells); Left: it went on to a control outside the combo and its list.
    Change see(int index, const QWidget *combo, const QEvent *event);
    // The user is in combo `index` (a key was typed in it), focus events or
    // not.
    void enter(int index) { current_ = index; }
    // The combo the focus is in; 0 none.
    int current() const { return current_; }
    void reset() { current_ = 0; }

    // Whether `event`, a focus-out of `combo` (or of a widget inside it),
    // takes the focus to a control outside the combo and its drop-down list.
    static bool Leaves(const QWidget *combo, const QEvent *event);

private:
    int current_ = 0;
};
