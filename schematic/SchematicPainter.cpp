#include "schematic/SchematicPainter.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace Schematic {

namespace {

void drawMagnifier(QPainter &p, bool plus)
{
    p.setPen(QPen(QColor(40, 40, 40), 2.5));
    p.setBrush(QColor(220, 240, 255));
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(29, 29));
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
    if (plus)
        p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
}

void drawHand(QPainter &p)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(255, 235, 205));
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 14, 17, 14), 5, 5);
    for (int f = 0; f < 4; ++f)
        hand.addRoundedRect(QRectF(8.5 + f * 4.2, 5 + (f == 0 || f == 3 ? 3 : 0), 3.8, 13), 1.9, 1.9);
    hand.addRoundedRect(QRectF(3, 16, 8, 4), 2, 2);
    p.drawPath(hand.simplified());
}

void drawPanArrows(QPainter &p)
{
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(QPointF(16, 4), QPointF(16, 28));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
    p.setBrush(QColor(40, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(16, 1), QPointF(11, 7), QPointF(21, 7)}));
    p.drawPolygon(QPolygonF({QPointF(16, 31), QPointF(11, 25), QPointF(21, 25)}));
    p.drawPolygon(QPolygonF({QPointF(1, 16), QPointF(7, 11), QPointF(7, 21)}));
    p.drawPolygon(QPolygonF({QPointF(31, 16), QPointF(25, 11), QPointF(25, 21)}));
}

QPixmap drawPicture(int number)
{
    QImage img(IconPixels, IconPixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (number) {
    case 1: { // channel reach: a channel's cross section, water in it
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 140, 230));
        p.drawPolygon(QPolygonF({QPointF(7, 14), QPointF(25, 14), QPointF(21, 26), QPointF(11, 26)}));
        p.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(2, 8), QPointF(6, 10), QPointF(11, 27), QPointF(21, 27),
                                  QPointF(26, 10), QPointF(30, 8)}));
        p.setPen(QPen(Qt::white, 1.5));
        p.drawLine(QPointF(10, 18), QPointF(14, 17));
        p.drawLine(QPointF(17, 21), QPointF(21, 20));
        break;
    }
    case 2: { // structure reach: water held behind a dam
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 140, 230));
        p.drawRect(QRectF(2, 11, 14, 17));
        p.setBrush(QColor(150, 150, 150));
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.drawPolygon(QPolygonF({QPointF(14, 4), QPointF(19, 4), QPointF(30, 28), QPointF(14, 28)}));
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(15, 21, 5, 7));
        break;
    }
    case 3: { // outlet
        p.setPen(QPen(QColor(0, 0, 90), 2));
        p.setBrush(QColor(0, 40, 160));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(13.5, 7, 5, 10));
        p.drawPolygon(QPolygonF({QPointF(8, 16), QPointF(24, 16), QPointF(16, 25)}));
        break;
    }
    case 4: { // sub-area: a catchment
        p.setPen(QPen(QColor(20, 90, 20), 2));
        p.setBrush(QColor(110, 190, 90));
        QPainterPath shape;
        shape.moveTo(5, 12);
        shape.cubicTo(6, 3, 20, 1, 27, 8);
        shape.cubicTo(32, 14, 27, 22, 22, 27);
        shape.cubicTo(16, 31, 7, 29, 4, 22);
        shape.closeSubpath();
        p.drawPath(shape);
        p.setPen(QPen(QColor(40, 100, 200), 1.5));
        p.drawLine(QPointF(12, 10), QPointF(16, 24));
        p.drawLine(QPointF(22, 11), QPointF(16, 24));
        break;
    }
    case 5: { // split flow
        p.setPen(QPen(QColor(96, 96, 96), 2, Qt::DotLine));
        p.drawLine(QPointF(4, 28), QPointF(21, 11));
        p.setPen(QPen(QColor(96, 96, 96), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF({QPointF(28, 4), QPointF(17, 9), QPointF(23, 15)}));
        break;
    }
    case 6: { // frame: corners around the whole
        p.setPen(QPen(QColor(40, 40, 40), 2.5));
        for (const auto &[x, y, dx, dy] : {std::array<int, 4>{4, 4, 1, 1}, std::array<int, 4>{28, 4, -1, 1},
                                           std::array<int, 4>{4, 28, 1, -1}, std::array<int, 4>{28, 28, -1, -1}}) {
            p.drawLine(QPointF(x, y), QPointF(x + 7 * dx, y));
            p.drawLine(QPointF(x, y), QPointF(x, y + 7 * dy));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 40, 160));
        p.drawEllipse(QPointF(16, 16), 5, 5);
        break;
    }
    case 7:
    case 12: drawMagnifier(p, true); break;
    case 8:
    case 13: drawMagnifier(p, false); break;
    case 9:
    case 14: drawHand(p); break;
    case 10:
    case 15: drawPanArrows(p); break;
    case 11: { // pointer
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(9, 3), QPointF(9, 25), QPointF(14, 20), QPointF(18, 29), QPointF(21, 27),
                                 QPointF(17, 19), QPointF(24, 19)}));
        break;
    }
    default: break;
    }
    p.end();
    return QPixmap::fromImage(img);
}

} // namespace

QPixmap Picture(int number)
{
    static QHash<int, QPixmap> cache;
    auto it = cache.find(number);
    if (it == cache.end())
        it = cache.insert(number, drawPicture(number));
    return *it;
}

namespace {
// What lies in view, and the layout box it is looked for in.
void visibleItems(const SpatialIndex &index, const Area &area, QSizeF icon, double labelWidth,
                  std::vector<const SpatialIndex::Item *> &out)
{
    // Items are indexed by the icons' top-left corners; an icon, its label and
    // the arrows reach this far from them.
    const double mx = 2 * icon.width() + labelWidth + 60, my = 2 * icon.height() + 60;
    const double x1 = std::min(area.left, area.right), x2 = std::max(area.left, area.right);
    const double y1 = std::min(area.top, area.bottom), y2 = std::max(area.top, area.bottom);
    index.query(x1 - mx, y1 - my, x2 + mx, y2 + my, out);
}
} // namespace

void PaintSchematic(QPainter &p, QSize pixels, const Network &net, int displayed,
                    const SpatialIndex &index, const Area &area, const PaintOptions &options)
{
    p.fillRect(QRect(QPoint(0, 0), pixels), options.background);
    if (pixels.isEmpty() || index.empty() || !(area.width() > 0) || !(area.height() > 0))
        return;
    const QSizeF px(pixels);
    const QSizeF icon = IconInLayout(area, px, QSizeF(IconPixels, IconPixels));
    const QFontMetrics fm = p.fontMetrics();
    const double labelPixels = options.labels ? fm.horizontalAdvance(QLatin1Char('W')) * 11.0 : 0;
    const double labelWidth = labelPixels * area.width() / std::max(px.width(), 1.0);

    std::vector<const SpatialIndex::Item *> found;
    visibleItems(index, area, icon, labelWidth, found);

    const int n = std::min(displayed, net.tableSize());
    const int table = net.tableSize();
    auto at = [&net](int i) { return QPointF(net.Elements[std::size_t(i)].Left, net.Elements[std::size_t(i)].Top); };
    auto map = [&](QPointF l) { return ToPixels(area, px, l); };

    std::vector<int> icons;
    std::vector<QLineF> links, shafts;
    std::vector<QPolygonF> heads;
    for (const SpatialIndex::Item *item : found) {
        switch (item->kind) {
        case SpatialIndex::Icon:
            if (item->index <= n)
                icons.push_back(item->index);
            break;
        case SpatialIndex::Link: {
            const int e = item->index;
            const int r = e <= n ? net.Elements[std::size_t(e)].ReceivingIndex : 0;
            if (r >= 1 && r <= n) {
                const QLineF l = LinkLine(at(e), at(r), icon);
                links.emplace_back(map(l.p1()), map(l.p2()));
            }
            break;
        }
        case SpatialIndex::Split: {
            if (item->index > net.DiversionCount || item->index >= int(net.Diversions.size()))
                break;
            const Diversion &d = net.Diversions[std::size_t(item->index)];
            if (d.FromIndex < 1 || d.FromIndex > table || d.ToIndex < 0 || d.ToIndex > table)
                break;
            const QPointF to = d.ToIndex ? at(d.ToIndex) : QPointF();
            const Arrow a = DiversionArrow(at(d.FromIndex), d.ToIndex ? &to : nullptr, icon);
            shafts.emplace_back(map(a.shaft.p1()), map(a.shaft.p2()));
            if (a.hasHead) {
                QPolygonF h;
                for (const QPointF &q : a.head)
                    h << map(q);
                heads.push_back(h);
            }
            break;
        }
        }
    }

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(options.linkColor, 0));
    if (!links.empty())
        p.drawLines(links.data(), int(links.size()));
    const QColor grey(96, 96, 96);
    p.setPen(QPen(grey, 0, Qt::DotLine));
    if (!shafts.empty())
        p.drawLines(shafts.data(), int(shafts.size()));
    p.setPen(QPen(grey, 0, Qt::SolidLine));
    for (const QPolygonF &h : heads)
        p.drawPolyline(h);

    // Icons in element order, so later ones lie on top, as they are hit.
    std::sort(icons.begin(), icons.end());
    QPixmap pictures[5];
    for (int k = 1; k <= 4; ++k)
        pictures[k] = Picture(k);
    // Where the network is much denser than the screen, many icons of one kind
    // fall on the same pixel; drawing one of each covers the same pixels.
    QPoint lastPos(INT_MIN, INT_MIN);
    char lastType = 0;
    for (const int i : icons) {
        const NetworkElement &e = net.Elements[std::size_t(i)];
        const QPointF q = map(at(i));
        if (!(std::abs(q.x()) < 1e9 && std::abs(q.y()) < 1e9))
            continue;
        const QPoint pos(int(std::lround(q.x())), int(std::lround(q.y())));
        if (pos == lastPos && e.ElementType == lastType)
            continue;
        lastPos = pos;
        lastType = e.ElementType;
        const int k = e.ElementType - '0';
        if (k >= 1 && k <= 4)
            p.drawPixmap(pos, pictures[k]);
    }
    if (options.labels) {
        p.setPen(Qt::black);
        const int ascent = fm.ascent();
        for (const int i : icons) {
            const QPointF q = map(at(i));
            if (!(std::abs(q.x()) < 1e9 && std::abs(q.y()) < 1e9))
                continue;
            // The outlet's label stands a little further off.
            const double off = i == 1 ? 1.2 * IconPixels : IconPixels;
            p.drawText(QPointF(std::round(q.x() + off), std::round(q.y()) + ascent),
                       net.Elements[std::size_t(i)].Name);
        }
    }
}

int IconAt(const Network &net, int displayed, const SpatialIndex &index, const Area &area, QSize pixels,
           QPointF at)
{
    const QSizeF icon = IconInLayout(area, QSizeF(pixels), QSizeF(IconPixels, IconPixels));
    std::vector<const SpatialIndex::Item *> found;
    index.query(at.x() - icon.width(), at.y() - icon.height(), at.x(), at.y(), found);
    int best = 0;
    const int n = std::min(displayed, net.tableSize());
    for (const SpatialIndex::Item *item : found) {
        if (item->kind != SpatialIndex::Icon || item->index > n)
            continue;
        const NetworkElement &e = net.Elements[std::size_t(item->index)];
        if (at.x() >= e.Left && at.x() < e.Left + icon.width() && at.y() >= e.Top && at.y() < e.Top + icon.height())
            best = std::max(best, item->index);
    }
    return best;
}

} // namespace Schematic
