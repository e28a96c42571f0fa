#pragma once
// Page layout of a printed text file: which lines go on which page.
#include <QList>
#include <QStringList>

namespace Pagination {

// Splits `lines` into pages of at most `linesPerPage` printed lines, each
// printed line preceded by `indent` blanks. Form feeds that open a line start
// a new page before it; a form feed after text in a line ends the page after
// that line, which prints whole (without its form feeds); a line that is a
// bare form feed prints nothing. A break never leaves an empty page behind (a form feed at the top
// of a page starts no further page). Every page is non-empty; no lines give
// no pages.
QList<QStringList> Paginate(const QStringList &lines, int linesPerPage, int indent = 5);

} // namespace Pagination
