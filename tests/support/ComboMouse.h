#pragma once
// Drives a combo box's drop-down list with the mouse, as a user does.
class QComboBox;

namespace ComboMouse {

// Opens the drop-down list of `combo` with a click on its arrow and clicks
// entry `entry` in it: the list closes on that entry, the focus back in the
// combo. False when the list did not open or close so.
bool Pick(QComboBox *combo, int entry);

} // namespace ComboMouse
