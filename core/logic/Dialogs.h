#pragma once
// The one way the program asks the user anything: message boxes, questions,
// file dialogs and print dialogs. Tests install a handler that answers from a
// script instead of showing a window.
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace Dialogs {

enum class Buttons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { OK, Cancel, Yes, No, Retry, Abort, Ignore };

enum class Kind { Message, OpenFile, SaveFile, Print, PrintPreview };

// The application's own title: message boxes without a title carry it.
inline const char *const AppTitle = "Quorvale";

struct Request
{
    Kind kind = Kind::Message;
    QString title;          // as the caller gave it (empty: the application's title is shown)
    QString text;           // message text
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    // File dialogs: the filter in the "Description|pattern|..." form, the
    // proposed file name and the starting folder.
    QString filter;
    int filterIndex = 1;
    QString fileName;
    QString initialDir;
    // Print dialogs: the printer the dialog sets up, and the page range offered.
    QPrinter *printer = nullptr;
    int minPage = 0;
    int maxPage = 0;
    int printOptions = 0; // PrintOption flags offered by the dialog
    // Print preview: draws the pages on the printer it is handed.
    std::function<void(QPrinter *)> paint;
    QWidget *parent = nullptr;
};

struct Response
{
    Answer answer = Answer::Cancel;
    QString fileName; // the chosen file of a file dialog (empty on Cancel)
};

using Handler = std::function<Response(const Request &)>;

// Replaces the handler; returns the previous one. No handler: real dialogs.
Handler setHandler(Handler handler);

// The window library installs the real dialogs here; without them (a program
// of the logic library alone) every dialog answers Cancel.
void setRealDialogs(Handler handler);

Response ask(const Request &request);

// Message box: text, buttons, icon, title (empty: the application's title).
Answer message(const QString &text, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
               const QString &title = QString());

// File dialogs: the chosen name, or empty when cancelled. `filter` is in the
// "Description|pattern|Description|pattern" form.
QString openFile(const QString &title, const QString &filter, int filterIndex,
                 const QString &initialDir, const QString &fileName = QString());
QString saveFile(const QString &title, const QString &filter, int filterIndex,
                 const QString &initialDir, const QString &fileName = QString());
// A save dialog that asks before it replaces an existing file, as the
// platform's save dialogs do; No returns to the dialog.
QString saveFileAskingToReplace(const QString &title, const QString &filter, int filterIndex,
                                const QString &initialDir, const QString &fileName = QString());

// What a print dialog offers besides printing everything.
enum PrintOption { PrintSelection = 1, PrintPageRange = 2, PrintToFile = 4 };

// Print dialog over `printer`: true when the user chose to print.
bool print(QPrinter *printer, const QString &title = QString(), int minPage = 0, int maxPage = 0,
           int options = PrintPageRange | PrintToFile);

// Converts "Text (*.a)|*.a|All (*.*)|*.*" to Qt's "Text (*.a);;All (*.*)".
QString toQtFilter(const QString &filter);

} // namespace Dialogs
