#include "core/TextView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

using TextLines::Position;

namespace {
// Space left of the first column, as a text editor leaves it.
constexpr int Margin = 4;

qsizetype floorDiv(qsizetype a, qsizetype b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int toInt(qsizetype n) { return int(std::clamp<qsizetype>(n, 0, INT_MAX)); }

// Control characters (the form feed among them) take their column but show
// nothing.
QString printable(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const uchar b = uchar(c);
        *out++ = (b < 0x20 || (b >= 0x7f && b < 0xa0)) ? QChar(u' ') : QChar(char16_t(b));
    }
    return text;
}
} // namespace

TextView::TextView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    updateScrollBars();
}

void TextView::setBytes(QByteArray bytes)
{
    index_ = TextLines::Index(std::move(bytes));
    anchor_ = cursor_ = Position();
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void TextView::setSelection(Position anchor, Position cursor)
{
    anchor_ = index_.clamp(anchor);
    cursor_ = index_.clamp(cursor);
    viewport()->update();
}

void TextView::selectAll() { setSelection(Position(), index_.end()); }

void TextView::copy() const
{
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

int TextView::lineHeight() const { return std::max(1, fontMetrics().lineSpacing()); }

int TextView::charWidth() const { return std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('M'))); }

int TextView::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

int TextView::firstVisibleLine() const { return verticalScrollBar()->value(); }

void TextView::updateScrollBars()
{
    const int lines = visibleLines();
    verticalScrollBar()->setRange(0, toInt(index_.lineCount() - lines));
    verticalScrollBar()->setPageStep(lines);
    verticalScrollBar()->setSingleStep(1);
    // One column more than the longest line, for a selected line end.
    const qsizetype width = 2 * Margin + (index_.longestLine() + 1) * qsizetype(charWidth());
    horizontalScrollBar()->setRange(0, toInt(width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(charWidth());
}

Position TextView::positionAt(QPoint point) const
{
    const qsizetype line = firstVisibleLine() + floorDiv(point.y(), lineHeight());
    if (line < 0)
        return Position();
    if (line >= index_.lineCount())
        return index_.end();
    const int w = charWidth();
    const qsizetype x = qsizetype(point.x()) - Margin + horizontalScrollBar()->value();
    return index_.clamp({line, floorDiv(x + w / 2, w)});
}

void TextView::ensureVisible(Position pos)
{
    QScrollBar *v = verticalScrollBar();
    if (pos.line < v->value())
        v->setValue(toInt(pos.line));
    else if (pos.line >= v->value() + visibleLines())
        v->setValue(toInt(pos.line - visibleLines() + 1));
    QScrollBar *h = horizontalScrollBar();
    const qsizetype x = pos.column * charWidth();
    const int room = viewport()->width() - 2 * Margin - charWidth();
    if (x < h->value())
        h->setValue(toInt(x));
    else if (x > h->value() + room)
        h->setValue(toInt(x - room));
}

void TextView::moveCursor(Position to, bool extend)
{
    to = index_.clamp(to);
    setSelection(extend ? anchor_ : to, to);
    ensureVisible(to);
}

void TextView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QPalette pal = palette();
    painter.fillRect(viewport()->rect(), pal.base());
    painter.setFont(font());

    const int lh = lineHeight();
    const int cw = charWidth();
    const int ascent = fontMetrics().ascent();
    const int scrollX = horizontalScrollBar()->value();
    const qsizetype firstColumn = std::max(0, scrollX - Margin) / cw;
    const qsizetype columns = viewport()->width() / cw + 2;
    const Position from = std::min(anchor_, cursor_);
    const Position to = std::max(anchor_, cursor_);
    const bool selection = from != to;
    const auto xOf = [&](qsizetype column) { return int(Margin - scrollX + column * cw); };

    int y = 0;
    for (qsizetype n = firstVisibleLine(); n < index_.lineCount() && y < viewport()->height(); ++n, y += lh) {
        const QByteArrayView text = index_.line(n);
        qsizetype selA = 0;
        qsizetype selB = 0;
        if (selection && n >= from.line && n <= to.line) {
            selA = n == from.line ? from.column : 0;
            selB = n == to.line ? to.column : text.size() + 1;
            const qsizetype a = std::max(selA, firstColumn);
            const qsizetype b = std::min(selB, firstColumn + columns);
            if (a < b)
                painter.fillRect(xOf(a), y, int((b - a) * cw), lh, pal.highlight());
        }
        const qsizetype visA = std::min(firstColumn, text.size());
        const qsizetype visB = std::min(firstColumn + columns, text.size());
        const auto draw = [&](qsizetype a, qsizetype b, const QColor &color) {
            a = std::max(a, visA);
            b = std::min(b, visB);
            if (a >= b)
                return;
            painter.setPen(color);
            painter.drawText(xOf(a), y + ascent, printable(text.sliced(a, b - a)));
        };
        draw(visA, selA, pal.color(QPalette::Text));
        draw(selA, selB, pal.color(QPalette::HighlightedText));
        draw(std::max(selA, selB), visB, pal.color(QPalette::Text));
    }
}

void TextView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TextView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateScrollBars();
        viewport()->update();
    }
}

void TextView::scrollContentsBy(int, int) { viewport()->update(); }

void TextView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    QScrollBar *v = verticalScrollBar();
    QScrollBar *h = horizontalScrollBar();
    if (shift) {
        // Shift with a movement key moves the selection's free end.
        Position p = cursor_;
        switch (event->key()) {
        case Qt::Key_Up: --p.line; break;
        case Qt::Key_Down: ++p.line; break;
        case Qt::Key_PageUp: p.line -= visibleLines(); break;
        case Qt::Key_PageDown: p.line += visibleLines(); break;
        case Qt::Key_Left:
            if (p.column > 0)
                --p.column;
            else if (p.line > 0)
                p = {p.line - 1, index_.lineLength(p.line - 1)};
            break;
        case Qt::Key_Right:
            if (p.column < index_.lineLength(p.line))
                ++p.column;
            else if (p.line + 1 < index_.lineCount())
                p = {p.line + 1, 0};
            break;
        case Qt::Key_Home: p = ctrl ? Position() : Position{p.line, 0}; break;
        case Qt::Key_End: p = ctrl ? index_.end() : Position{p.line, index_.lineLength(p.line)}; break;
        default: QAbstractScrollArea::keyPressEvent(event); return;
        }
        if (p.line < 0)
            p = Position();
        else if (p.line >= index_.lineCount())
            p = index_.end();
        moveCursor(p, true);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up: v->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: v->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_PageUp: v->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: v->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Left: h->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Right: h->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_Home:
        v->setValue(v->minimum());
        h->setValue(h->minimum());
        break;
    case Qt::Key_End: v->setValue(v->maximum()); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
}

void TextView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    moveCursor(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void TextView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    // Dragging past an edge scrolls the view one step with each move.
    moveCursor(positionAt(event->position().toPoint()), true);
}

void TextView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        QAbstractScrollArea::mouseReleaseEvent(event);
}

void TextView::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu a read-only text box offers; it stays open without blocking.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *copyAction = menu->addAction(tr("&Copy"), this, &TextView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(hasSelection());
    menu->addAction(tr("Select All"), this, &TextView::selectAll)->setShortcut(QKeySequence::SelectAll);
    menu->popup(event->globalPos());
}
