#include "core/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace Dialogs {

namespace {

Handler &currentHandler()
{
    static Handler handler;
    return handler;
}

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
        QMessageBox box(toIcon(r.icon), title, r.text, toStandard(r.buttons), parent);
        return {fromStandard(box.exec()), {}};
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
        const auto paint = r.paint;
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [paint](QPrinter *p) { if (paint) paint(p); });
        return {dialog.exec() == QDialog::Accepted ? Answer::OK : Answer::Cancel, {}};
    }
    }
    return {};
}

} // namespace

Handler setHandler(Handler handler)
{
    Handler old = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return old;
}

Response ask(const Request &request)
{
    if (currentHandler())
        return currentHandler()(request);
    return showReal(request);
}

Answer message(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    Request r;
    r.kind = Kind::Message;
    r.text = text;
    r.buttons = buttons;
    r.icon = icon;
    r.title = title;
    return ask(r).answer;
}

static QString fileDialog(Kind kind, const QString &title, const QString &filter, int filterIndex,
                          const QString &initialDir, const QString &fileName)
{
    Request r;
    r.kind = kind;
    r.title = title;
    r.filter = filter;
    r.filterIndex = filterIndex;
    r.initialDir = initialDir;
    r.fileName = fileName;
    const Response response = ask(r);
    return response.answer == Answer::Cancel ? QString() : response.fileName;
}

QString openFile(const QString &title, const QString &filter, int filterIndex,
                 const QString &initialDir, const QString &fileName)
{
    return fileDialog(Kind::OpenFile, title, filter, filterIndex, initialDir, fileName);
}

QString saveFile(const QString &title, const QString &filter, int filterIndex,
                 const QString &initialDir, const QString &fileName)
{
    return fileDialog(Kind::SaveFile, title, filter, filterIndex, initialDir, fileName);
}

bool print(QPrinter *printer, const QString &title, int minPage, int maxPage, int options)
{
    Request r;
    r.kind = Kind::Print;
    r.title = title;
    r.printer = printer;
    r.minPage = minPage;
    r.maxPage = maxPage;
    r.printOptions = options;
    return ask(r).answer != Answer::Cancel;
}

QString toQtFilter(const QString &filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    while (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    QStringList out;
    // The description already names the pattern; Qt reads the pattern from it.
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString &desc = parts.at(i);
        const QString &pattern = parts.at(i + 1);
        out << (desc.contains(QLatin1Char('(')) ? desc : desc + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace Dialogs
