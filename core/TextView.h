#pragma once
// A read-only view of a large text file: it keeps the file's bytes and paints
// only the lines in sight, so loading costs one read and one pass.
#include "core/logic/TextLines.h"

#include <QAbstractScrollArea>

class TextView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TextView(QWidget *parent = nullptr);

    // Shows `bytes` (Latin-1) from the top, with nothing selected.
    void setBytes(QByteArray bytes);
    void clear() { setBytes(QByteArray()); }

    const TextLines::Index &lines() const { return index_; }
    // The whole text, lines joined by "\n".
    QString toPlainText() const { return index_.plainText(); }
    // The selected text, lines joined by "\n" (empty when nothing is selected).
    QString selectedText() const { return index_.text(anchor_, cursor_); }
    bool hasSelection() const { return anchor_ != cursor_; }
    bool isReadOnly() const { return true; }

    // The selection runs from `anchor` to `cursor`, the end that keys and the
    // mouse move.
    void setSelection(TextLines::Position anchor, TextLines::Position cursor);
    TextLines::Position selectionAnchor() const { return anchor_; }
    TextLines::Position selectionCursor() const { return cursor_; }
    void selectAll();
    void copy() const;

    int firstVisibleLine() const;
    // The text position under a point of the viewport.
    TextLines::Position positionAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int lineHeight() const;
    int charWidth() const;
    int visibleLines() const;
    void updateScrollBars();
    void moveCursor(TextLines::Position to, bool extend);
    void ensureVisible(TextLines::Position pos);

    TextLines::Index index_;
    TextLines::Position anchor_;
    TextLines::Position cursor_;
};
