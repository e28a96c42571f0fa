// Built into every test program: a dialog that no DialogScript expects fails
// the running test at once and is answered Cancel, instead of opening a modal
// box that would wait for the time-out.
#include "core/logic/Dialogs.h"

#include <QTest>

namespace {

Dialogs::Response failStrayDialog(const Dialogs::Request &r)
{
    QTest::qFail(qPrintable(QStringLiteral("dialog nobody queued: \"%1\" (%2)").arg(r.text, r.title)), __FILE__,
                 __LINE__);
    return {Dialogs::Answer::Cancel, {}};
}

[[maybe_unused]] const bool installed = [] {
    Dialogs::setHandler(failStrayDialog);
    return true;
}();

} // namespace
