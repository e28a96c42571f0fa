#include "plots/PlotPainter.h"

#include <QPainter>

namespace Plots {

QFont SmallFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(10);
    f.setBold(true);
    return f;
}

void PaintCommands(QPainter &painter, const Commands &commands, const QFont &font)
{
    constexpr qreal k = 1.0 / TwipsPerPixel;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    for (const DrawCmd &c : commands) {
        const QColor color(c.color.r, c.color.g, c.color.b);
        QPen pen(color, c.width, c.dotted ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        switch (c.type) {
        case DrawCmd::Line:
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(QPointF(c.x1 * k, c.y1 * k), QPointF(c.x2 * k, c.y2 * k));
            break;
        case DrawCmd::Rect:
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(QPointF(c.x1 * k, c.y1 * k), QPointF(c.x2 * k, c.y2 * k)));
            break;
        case DrawCmd::FilledRect:
            painter.setBrush(color);
            painter.drawRect(QRectF(QPointF(c.x1 * k, c.y1 * k), QPointF(c.x2 * k, c.y2 * k)));
            break;
        case DrawCmd::FilledCircle:
            painter.setBrush(color);
            painter.drawEllipse(QPointF(c.x1 * k, c.y1 * k), c.x2 * k, c.x2 * k);
            break;
        case DrawCmd::Text:
            painter.drawText(QPointF(c.x1 * k, c.y1 * k + ascent), c.text);
            break;
        }
    }
    painter.restore();
}

} // namespace Plots
