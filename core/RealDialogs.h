#pragma once
// The message boxes the real dialogs show, built apart from showing them so
// that their keys and close box can be tried without a modal loop.
#include "core/logic/Dialogs.h"

#include <memory>

class QMessageBox;

namespace Dialogs {

// The box for a message request, not yet shown. A box without Cancel that
// asks a question (Yes/No, Abort/Retry/Ignore) is answered by its buttons
// alone: Escape and the close box do nothing. A box with Cancel takes them as
// Cancel; a box with OK alone as OK.
std::unique_ptr<QMessageBox> messageBox(const Request &request, QWidget *parent);

// The answer of a box that was closed (Cancel when no button was pressed).
Answer answerOf(const QMessageBox &box);

} // namespace Dialogs
