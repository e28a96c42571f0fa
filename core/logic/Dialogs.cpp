#include "core/logic/Dialogs.h"

#include <QFileInfo>
#include <QStringList>

namespace Dialogs {


namespace {
Handler &currentHandler()
{
    static Handler handler;
    return handler;
}
Handler &realHandler()
{
    static Handler handler;
    return handler;
}
} // namespace

Handler setHandler(Handler handler)
{
    Handler old = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return old;
}

void setRealDialogs(Handler handler)
{
    realHandler() = std::move(handler);
}

Response ask(const Request &request)
{
    if (currentHandler())
        return currentHandler()(request);
    if (realHandler())
        return realHandler()(request);
    return {};
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

QString saveFileAskingToReplace(const QString &title, const QString &filter, int filterIndex,
                                const QString &initialDir, const QString &fileName)
{
    QString chosen = saveFile(title, filter, filterIndex, initialDir, fileName);
    // The question goes through the seam as every other; the real dialog is
    // told not to ask it a second time.
    while (!chosen.isEmpty() && QFileInfo::exists(chosen)) {
        const QFileInfo info(chosen);
        if (message(info.fileName() + QStringLiteral(" already exists.\nDo you want to replace it?"), Buttons::YesNo,
                    Icon::Exclamation, title)
            == Answer::Yes)
            break;
        chosen = saveFile(title, filter, filterIndex, QString(), info.absoluteFilePath());
    }
    return chosen;
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
