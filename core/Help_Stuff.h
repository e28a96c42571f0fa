#pragma once
// Context help of the entry windows: the help box of a window shows the
// entries of the help list file (Editglob::HelpListFile) for the window's
// heading or one of its fields. The file is read afresh on every request.
#include "core/logic/Editglob.h"

#include <QString>

class QPlainTextEdit;
class QWidget;

namespace Help_Stuff {

// A press on a label with help number `HelpId` (0 = the window's heading):
// shows that help, or hides the box when it is the help already shown.
// `Controls` is not read; callers pass their entry boxes or any control.
void ShowHelp(int HelpId, QWidget *Controls, QPlainTextEdit *HelpBox, const QString &FormKey);

// Empties and hides the box.
void ClearHelp(QPlainTextEdit *HelpBox);

// Fills the box with the entries of `HelpId` and shows it; sets CurrentHelpId.
void ShowHelpText(QPlainTextEdit *HelpBox, int &CurrentHelpId, int HelpId, const QString &FormKey);

} // namespace Help_Stuff
