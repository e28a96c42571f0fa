#pragma once
// Puts a window's frame, title bar included, at the top-left corner of its
// screen's free area. A window manager frames a new window only after it is
// shown, and may put it elsewhere or shift it by the frame's size; so the
// place is checked again until the frame stands there, and then the window is
// left to the user.
class QWidget;

namespace WindowPlace {

// Places the top-level `window` now; when it is hidden, again as soon as it
// is shown and framed.
void AtTopLeft(QWidget *window);

// Places `window`, one of several opened together, where `previous` (opened
// just before it) stays in sight: under its frame when the whole window fits
// on the free area there, else a title bar lower and further right.
void After(QWidget *window, const QWidget *previous);

// True while the place of `window` is still being kept, waiting for its frame.
bool IsSettling(const QWidget *window);

} // namespace WindowPlace
