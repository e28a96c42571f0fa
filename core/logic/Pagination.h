#pragma once
// Page layout of a printed text file: which lines go on which page.
#include <QList>
#include <QStringList>

namespace Pagination {

// Splits `lines` into pages of at most `linesPerPage` printed lines, each
// printed line preceded by `indent` blanks. A form feed in a line starts a new
// page at its place: the text before it ends the current page and the text
// after it begins the next one; a line that is a bare form feed prints
// nothing. A break never leaves an empty page behind (a form feed at the top
// of a page starts no further page). Every page is non-empty; no lines give
// no pages.
QList<QStringList> Paginate(const QStringList &lines, int linesPerPage, int indent = 5);

} // namespace Pagination
