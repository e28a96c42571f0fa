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
        const QStringList parts = line.split(QLatin1Char('\f'));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                newPage();
            if (!parts.at(i).isEmpty())
                print(parts.at(i));
        }
    }
    newPage();
    return pages;
}

} // namespace Pagination
