#include "core/logic/TextLines.h"

#include <algorithm>
#include <cstring>

namespace TextLines {

Index::Index(QByteArray bytes) : bytes_(std::move(bytes))
{
    const char *const data = bytes_.constData();
    const char *const stop = data + bytes_.size();
    // A printed page averages well over 40 bytes a line; reserving that many
    // spares most of the regrowth on large files.
    starts_.reserve(std::size_t(bytes_.size() / 40 + 1));
    starts_.push_back(0);
    const char *p = data;
    while (p < stop) {
        const void *found = std::memchr(p, '\n', std::size_t(stop - p));
        if (!found)
            break;
        const char *lf = static_cast<const char *>(found);
        const qsizetype length = (lf - p) - (lf > p && lf[-1] == '\r' ? 1 : 0);
        longest_ = std::max(longest_, length);
        p = lf + 1;
        starts_.push_back(p - data);
    }
    longest_ = std::max(longest_, qsizetype(stop - p));
}

QByteArrayView Index::line(qsizetype line) const
{
    const qsizetype start = lineStart(line);
    if (line + 1 >= lineCount())
        return QByteArrayView(bytes_.constData() + start, bytes_.size() - start);
    qsizetype end = lineStart(line + 1) - 1; // the LF
    if (end > start && bytes_.at(end - 1) == '\r')
        --end;
    return QByteArrayView(bytes_.constData() + start, end - start);
}

Position Index::clamp(Position pos) const
{
    pos.line = std::clamp<qsizetype>(pos.line, 0, lineCount() - 1);
    pos.column = std::clamp<qsizetype>(pos.column, 0, lineLength(pos.line));
    return pos;
}

QString Index::text(Position from, Position to) const
{
    from = clamp(from);
    to = clamp(to);
    if (to < from)
        std::swap(from, to);
    if (from.line == to.line)
        return QString::fromLatin1(line(from.line).sliced(from.column, to.column - from.column));
    const qsizetype first = lineStart(from.line) + from.column;
    const qsizetype last = lineStart(to.line) + to.column;
    QByteArray out;
    out.reserve(last - first);
    for (qsizetype n = from.line; n <= to.line; ++n) {
        const QByteArrayView text = line(n);
        const qsizetype a = n == from.line ? from.column : 0;
        const qsizetype b = n == to.line ? to.column : text.size();
        out.append(text.sliced(a, b - a));
        if (n < to.line)
            out.append('\n');
    }
    return QString::fromLatin1(out);
}

} // namespace TextLines
