#include "core/RealDialogs.h"

#include "core/WindowPlace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

// The real dialogs behind the seam: installed when the window library loads.
namespace Dialogs {

namespace {

QMessageBox::StandardButtons toStandard(Buttons b)
{
    switch (b) {
    case Buttons::OK: return QMessageBox::Ok;
    case Buttons::OKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toIcon(Icon i)
{
    switch (i) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// A question without Cancel must be answered: Qt would take Escape and the
// close box as its No (or Abort) button.
bool dismissable(Buttons b)
{
    return b == Buttons::OK || b == Buttons::OKCancel || b == Buttons::YesNoCancel || b == Buttons::RetryCancel;
}

class MessageBox : public QMessageBox
{
public:
    MessageBox(Icon icon, const QString &title, const QString &text, StandardButtons buttons, QWidget *parent,
               bool mayDismiss)
        : QMessageBox(icon, title, text, buttons, parent), mayDismiss_(mayDismiss)
    {
        if (!mayDismiss_)
            setWindowFlags((windowFlags() & ~Qt::WindowCloseButtonHint) | Qt::CustomizeWindowHint);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!mayDismiss_ && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override
    {
        if (!mayDismiss_ && !clickedButton()) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool mayDismiss_;
};

Answer fromStandard(int b)
{
    switch (b) {
    case QMessageBox::Ok: return Answer::OK;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    default: return Answer::Cancel;
    }
}

QString filterAt(const QString &qtFilter, int index)
{
    const QStringList parts = qtFilter.split(QStringLiteral(";;"));
    if (index >= 1 && index <= parts.size())
        return parts.at(index - 1);
    return QString();
}

Response showReal(const Request &r)
{
    const QString title = r.title.isEmpty() ? QString::fromLatin1(AppTitle) : r.title;
    QWidget *parent = r.parent ? r.parent : QApplication::activeWindow();
    switch (r.kind) {
    case Kind::Message: {
        const std::unique_ptr<QMessageBox> box = messageBox(r, parent);
        box->exec();
        return {answerOf(*box), {}};
    }
    case Kind::OpenFile:
    case Kind::SaveFile: {
        const QString qtFilter = toQtFilter(r.filter);
        QString selected = filterAt(qtFilter, r.filterIndex);
        QString start = r.initialDir;
        if (!r.fileName.isEmpty())
            start = r.initialDir.isEmpty() ? r.fileName : r.initialDir + r.fileName;
        const QString name = r.kind == Kind::OpenFile
            ? QFileDialog::getOpenFileName(parent, r.title, start, qtFilter, &selected)
            : QFileDialog::getSaveFileName(parent, r.title, start, qtFilter, &selected,
                                           QFileDialog::DontConfirmOverwrite);
        if (name.isEmpty())
            return {Answer::Cancel, {}};
        return {Answer::OK, name};
    }
    case Kind::Print: {
        // Without a printer the dialog could only print to nowhere.
        if (!(r.printOptions & PrintToFile) && QPrinterInfo::availablePrinterNames().isEmpty()) {
            QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                            QStringLiteral("No printer is installed, so nothing can be printed."), QMessageBox::Ok,
                            parent);
            box.exec();
            return {Answer::Cancel, {}};
        }
        QPrintDialog dialog(r.printer, parent);
        if (!r.title.isEmpty())
            dialog.setWindowTitle(r.title);
        if (r.maxPage > 0)
            dialog.setMinMax(r.minPage, r.maxPage);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, r.printOptions & PrintSelection);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, r.printOptions & PrintPageRange);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, r.printOptions & PrintToFile);
        return {dialog.exec() == QDialog::Accepted ? Answer::OK : Answer::Cancel, {}};
    }
    case Kind::PrintPreview: {
        QPrintPreviewDialog dialog(r.printer, parent);
        if (!r.title.isEmpty())
            dialog.setWindowTitle(r.title);
        // Like the program's windows, not centred over the plot.
        WindowPlace::AtTopLeft(&dialog);
        const auto paint = r.paint;
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [paint](QPrinter *p) { if (paint) paint(p); });
        return {dialog.exec() == QDialog::Accepted ? Answer::OK : Answer::Cancel, {}};
    }
    }
    return {};
}

} // namespace

std::unique_ptr<QMessageBox> messageBox(const Request &request, QWidget *parent)
{
    const QString title = request.title.isEmpty() ? QString::fromLatin1(AppTitle) : request.title;
    return std::make_unique<MessageBox>(toIcon(request.icon), title, request.text, toStandard(request.buttons),
                                        parent, dismissable(request.buttons));
}

Answer answerOf(const QMessageBox &box)
{
    QAbstractButton *clicked = box.clickedButton();
    return clicked ? fromStandard(box.standardButton(clicked)) : Answer::Cancel;
}

const bool realDialogsInstalled = (setRealDialogs(showReal), true);

} // namespace Dialogs
