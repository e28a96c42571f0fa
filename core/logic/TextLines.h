#pragma once
// The text behind the output viewer: a file's bytes (Latin-1, one byte one
// column) and the offsets where its lines start, without any widget.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <compare>
#include <vector>

namespace TextLines {

// A place between two characters: a line (0-based) and a column in it
// (0 = before the first character).
struct Position
{
    qsizetype line = 0;
    qsizetype column = 0;
    auto operator<=>(const Position &) const = default;
};

class Index
{
public:
    Index() : starts_{0} {}
    // Builds the line index in one pass over `bytes`. A line ends at LF, with
    // a CR before it belonging to the line end; the text after the last line
    // end is one more line, empty when the file ends with a line end (as an
    // editor shows it), so an empty file is one empty line.
    explicit Index(QByteArray bytes);

    const QByteArray &bytes() const { return bytes_; }
    qsizetype lineCount() const { return qsizetype(starts_.size()); }
    qsizetype lineStart(qsizetype line) const { return starts_[std::size_t(line)]; }
    // The line's characters without its line end.
    QByteArrayView line(qsizetype line) const;
    qsizetype lineLength(qsizetype line) const { return this->line(line).size(); }
    // Characters in the longest line (for the view's width).
    qsizetype longestLine() const { return longest_; }

    // `pos` moved into the text: line within the lines, column within its line.
    Position clamp(Position pos) const;
    Position end() const { return {lineCount() - 1, lineLength(lineCount() - 1)}; }

    // The text between two positions (either order), lines joined by "\n".
    QString text(Position from, Position to) const;
    // The whole text, lines joined by "\n".
    QString plainText() const { return text({0, 0}, end()); }

private:
    QByteArray bytes_;
    std::vector<qsizetype> starts_;
    qsizetype longest_ = 0;
};

} // namespace TextLines
