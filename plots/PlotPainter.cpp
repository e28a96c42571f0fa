#include "plots/PlotPainter.h"

#include <QHash>
#include <QPainter>
#include <cmath>

namespace Plots {

QFont SmallFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(10);
    f.setBold(true);
    return f;
}

namespace {

void paintMarker(QPainter &painter, const DrawCmd &c)
{
    // A marker is painted once into a small picture and then copied: plots of
    // many thousand points repaint while zooming.
    static QHash<quint64, QImage> sprites;
    const int half = int(std::ceil(c.x2 / TwipsPerPixel)) + 3;
    const quint64 key = (quint64(c.shape) << 48) | (quint64(half) << 32) | quint64(c.color.r << 16 | c.color.g << 8 | c.color.b);
    auto it = sprites.constFind(key);
    if (it == sprites.constEnd()) {
        QImage sprite(2 * half + 1, 2 * half + 1, QImage::Format_ARGB32_Premultiplied);
        sprite.fill(Qt::transparent);
        QPainter p(&sprite);
        DrawCmd centred = c;
        centred.x1 = float(half * TwipsPerPixel);
        centred.y1 = float(half * TwipsPerPixel);
        PaintCommands(p, MarkerStrokes(centred), QFont());
        p.end();
        it = sprites.insert(key, sprite);
    }
    painter.drawImage(QPointF(std::floor(c.x1 / TwipsPerPixel) - half, std::floor(c.y1 / TwipsPerPixel) - half), *it);
}

} // namespace

void PaintCommands(QPainter &painter, const Commands &commands, const QFont &font)
{
    constexpr qreal k = 1.0 / TwipsPerPixel;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    bool clipped = false;
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
        case DrawCmd::Marker:
            paintMarker(painter, c);
            break;
        case DrawCmd::Clip: {
            // Within any clip the device already has.
            if (clipped)
                painter.restore();
            const QRectF rect(QPointF(c.x1 * k, c.y1 * k), QPointF(c.x2 * k, c.y2 * k));
            clipped = !rect.isEmpty();
            if (clipped) {
                painter.save();
                painter.setClipRect(rect.toAlignedRect(), Qt::IntersectClip);
            }
            break;
        }
        }
    }
    if (clipped)
        painter.restore();
    painter.restore();
}

QRectF PrintedGraphRect(const QSizeF &image, const QSizeF &page)
{
    if (image.isEmpty() || page.isEmpty())
        return QRectF();
    QSizeF size = image.scaled(QSizeF(page.width(), image.height() * page.width() / image.width()), Qt::KeepAspectRatio);
    if (size.height() > page.height())
        size = image.scaled(page, Qt::KeepAspectRatio);
    return QRectF(QPointF(0, 0), size);
}

} // namespace Plots
