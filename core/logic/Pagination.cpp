#include "core/logic/Pagination.h"

namespace Pagination {

QList<QStringList> Paginate(const QStringList &lines, int linesPerPage, int indent)
{
    const int perPage = qMax(1, linesPerPage);
    const QString margin(qMax(0, indent), QLatin1Char(' '));
    QList<QStringList> pages;
    QStringList page;
    auto newPage = [&] {
        if (!page.isEmpty()) {
            pages << page;
            page.clear();
        }
    };
    auto print = [&](const QString &text) {
        if (page.size() >= perPage)
            newPage();
        page << margin + text;
    };
    for (const QString &line : lines) {
        if (!line.contains(QLatin1Char('\f'))) {
            print(line);
            continue;
        }
        // A form feed that opens the line starts a new page before it; one
        // after text ends the page after it: the line itself prints whole.
        qsizetype start = 0;
        while (start < line.size() && line.at(start) == QLatin1Char('\f'))
            ++start;
        if (start > 0)
            newPage();
        QString text = line.mid(start);
        const bool breakAfter = text.contains(QLatin1Char('\f'));
        text.remove(QLatin1Char('\f'));
        if (!text.isEmpty())
            print(text);
        if (breakAfter)
            newPage();
    }
    newPage();
    return pages;
}

} // namespace Pagination
