#include "schematic/logic/ViewGeometry.h"

#include <algorithm>
#include <cmath>

namespace Schematic {

Extent FrameExtent(const Network &net, int displayed, QSizeF icon)
{
    const int n = std::min(displayed, net.tableSize());
    const NetworkElement *first = net.tableSize() >= 1 ? &net.Elements[1] : nullptr;
    const double l = first ? first->Left : 500, t = first ? first->Top : 50;
    Extent x{l, t, l + icon.width(), t + icon.height()};
    for (int i = 1; i <= n; ++i) {
        const NetworkElement &e = net.Elements[std::size_t(i)];
        if (e.Left < x.xMin)
            x.xMin = e.Left;
        else if (e.Left + icon.width() > x.xMax)
            x.xMax = e.Left + icon.width();
        if (e.Top < x.yMin)
            x.yMin = e.Top;
        else if (e.Top + icon.height() > x.yMax)
            x.yMax = e.Top + icon.height();
    }
    if (x.xMax - x.xMin < 60) {
        const double d = (60 - (x.xMax - x.xMin)) / 2;
        x.xMin -= d;
        x.xMax += d;
    }
    if (x.yMax - x.yMin < 50) {
        const double d = (50 - (x.yMax - x.yMin)) / 2;
        x.yMin -= d;
        x.yMax += d;
    }
    return x;
}

Area ShownArea(const Extent &extent, const Area &previous)
{
    const double b = std::nearbyint(extent.yMax);
    // Only the lower limit: a network of any size can be framed whole.
    const double w = std::max(extent.xMax - extent.xMin, MinShownSize);
    const double h = std::max(std::nearbyint(b - extent.yMin), MinShownSize);
    const double cx = (extent.xMin + extent.xMax) / 2;
    const double cy = (extent.yMin + b) / 2;
    Area a;
    a.left = cx - 0.6 * w;
    a.right = a.left + 1.2 * w;
    a.top = cy - 0.6 * h;
    a.bottom = std::nearbyint(a.top + 1.2 * h);
    if (std::isfinite(a.left) && std::isfinite(a.right) && std::isfinite(a.top) && std::isfinite(a.bottom)
        && a.left < a.right - 1 && a.top < a.bottom - 1)
        return a;
    return previous;
}

Extent Zoom(const Extent &extent, QPointF p1, QPointF p2, ZoomDirection direction)
{
    const double xlo = std::min(p1.x(), p2.x()), xhi = std::max(p1.x(), p2.x());
    const double ylo = std::min(p1.y(), p2.y()), yhi = std::max(p1.y(), p2.y());
    const double cx = (xlo + xhi) / 2, cy = (ylo + yhi) / 2;
    const double w = extent.xMax - extent.xMin, h = extent.yMax - extent.yMin;
    switch (direction) {
    case ZoomDirection::In:
        if (xhi - xlo < 20 || yhi - ylo < 20) {
            const double hx = 0.1 * w, hy = 0.1 * h;
            return {cx - 3 * hx, cy - 3 * hy, cx + 3 * hx, cy + 3 * hy};
        }
        return {xlo, ylo, xhi, yhi};
    case ZoomDirection::Out: {
        const double hx = 0.6 * w, hy = 0.6 * h;
        return {cx - hx, cy - hy, cx + hx, cy + hy};
    }
    case ZoomDirection::None: break;
    }
    return extent;
}

Extent PanTo(const Extent &extent, QPointF p)
{
    const double dx = p.x() - (extent.xMin + (extent.xMax - extent.xMin) / 2);
    const double dy = p.y() - (extent.yMin + (extent.yMax - extent.yMin) / 2);
    return {extent.xMin + dx, extent.yMin + dy, extent.xMax + dx, extent.yMax + dy};
}

Extent DragTo(const Extent &extent, QPointF anchor, QPointF now)
{
    const double dx = anchor.x() - now.x(), dy = anchor.y() - now.y();
    return {extent.xMin + dx, extent.yMin + dy, extent.xMax + dx, extent.yMax + dy};
}

QPointF ToPixels(const Area &area, QSizeF pixels, QPointF layout)
{
    return {(layout.x() - area.left) * pixels.width() / area.width(),
            (layout.y() - area.top) * pixels.height() / area.height()};
}

QPointF ToLayout(const Area &area, QSizeF pixels, QPointF pixel)
{
    const double pw = std::max(pixels.width(), 1.0), ph = std::max(pixels.height(), 1.0);
    return {area.left + pixel.x() * area.width() / pw, area.top + pixel.y() * area.height() / ph};
}

QSizeF IconInLayout(const Area &area, QSizeF pixels, QSizeF iconPixels)
{
    const double pw = std::max(pixels.width(), 1.0), ph = std::max(pixels.height(), 1.0);
    return {iconPixels.width() * area.width() / pw, iconPixels.height() * area.height() / ph};
}

QLineF LinkLine(QPointF from, QPointF to, QSizeF icon)
{
    const double w = icon.width(), h = icon.height();
    return {from.x() + w / 2, from.y() + std::nearbyint(h * LinkStartFraction), to.x() + w / 2,
            to.y() - std::nearbyint(h * LinkEndGap)};
}

Arrow DiversionArrow(QPointF from, const QPointF *to, QSizeF icon)
{
    const double w = icon.width(), h = icon.height();
    const double la = from.x(), ta = from.y();
    Arrow a;
    if (to) {
        const QPointF p1(la + 0.6 * w, ta + std::nearbyint(h * LinkStartFraction));
        const QPointF p2(to->x() + 0.6 * w, to->y() - std::nearbyint(h * LinkEndGap));
        const double d = std::hypot(p2.x() - p1.x(), p2.y() - p1.y());
        if (!(d > 0)) {
            a.shaft = QLineF(p1, p2);
            return a; // no direction for a head
        }
        const double ux = (p2.x() - p1.x()) / d, uy = (p2.y() - p1.y()) / d;
        const QPointF p3(p2.x() - 0.4 * ux * w, p2.y() - 0.4 * uy * h);
        const QPointF p4(p3.x() + 0.25 * uy * w, p3.y() - 0.25 * ux * h);
        const QPointF p5(p3.x() - 0.25 * uy * w, p3.y() + 0.25 * ux * h);
        a.shaft = QLineF(p1, p3);
        a.hasHead = true;
        a.head = {p3, p4, p2, p5, p3};
        return a;
    }
    const double x0 = std::nearbyint(la + w / 2 - 50);
    const double y = ta + std::nearbyint(h * LinkStartFraction);
    a.shaft = QLineF(la + w / 2, ta + h * LinkStartFraction, x0, y);
    a.hasHead = true;
    a.head = {QPointF(x0, y), QPointF(x0, ta + 1.15 * h), QPointF(x0 - 0.4 * w, ta + 0.9 * h),
              QPointF(x0, ta + 0.65 * h), QPointF(x0, ta + 0.9 * h)};
    return a;
}

namespace {
constexpr int NodeSize = 16;

template <class T> void grow(double &x1, double &y1, double &x2, double &y2, const T &b)
{
    x1 = std::min(x1, b.x1);
    y1 = std::min(y1, b.y1);
    x2 = std::max(x2, b.x2);
    y2 = std::max(y2, b.y2);
}

// Sort-tile-recursive packing: order boxes into vertical slices by centre x,
// each slice by centre y, so that consecutive runs are close together. Sorts
// compact keys and moves each box once.
template <class T> void packOrder(std::vector<T> &v)
{
    const std::size_t n = v.size();
    if (n <= NodeSize)
        return;
    const std::size_t leaves = (n + NodeSize - 1) / NodeSize;
    const std::size_t slices = std::size_t(std::ceil(std::sqrt(double(leaves))));
    const std::size_t perSlice = slices * NodeSize;
    std::vector<std::pair<double, std::uint32_t>> keys(n);
    for (std::size_t i = 0; i < n; ++i)
        keys[i] = {v[i].x1 + v[i].x2, std::uint32_t(i)};
    std::sort(keys.begin(), keys.end());
    for (std::size_t s = 0; s < n; s += perSlice) {
        const std::size_t end = std::min(n, s + perSlice);
        for (std::size_t i = s; i < end; ++i)
            keys[i].first = v[keys[i].second].y1 + v[keys[i].second].y2;
        std::sort(keys.begin() + std::ptrdiff_t(s), keys.begin() + std::ptrdiff_t(end));
    }
    std::vector<T> sorted;
    sorted.reserve(n);
    for (const auto &k : keys)
        sorted.push_back(v[k.second]);
    v.swap(sorted);
}
} // namespace

void SpatialIndex::build(std::vector<Item> items)
{
    items_ = std::move(items);
    levels_.clear();
    if (items_.empty())
        return;
    packOrder(items_);
    std::vector<Node> level;
    for (std::size_t i = 0; i < items_.size(); i += NodeSize) {
        Node node{items_[i].x1, items_[i].y1, items_[i].x2, items_[i].y2, int(i),
                  int(std::min<std::size_t>(NodeSize, items_.size() - i))};
        for (int k = 0; k < node.count; ++k)
            grow(node.x1, node.y1, node.x2, node.y2, items_[i + std::size_t(k)]);
        level.push_back(node);
    }
    levels_.push_back(std::move(level));
    while (levels_.back().size() > 1) {
        std::vector<Node> &below = levels_.back();
        packOrder(below);
        std::vector<Node> up;
        for (std::size_t i = 0; i < below.size(); i += NodeSize) {
            Node node{below[i].x1, below[i].y1, below[i].x2, below[i].y2, int(i),
                      int(std::min<std::size_t>(NodeSize, below.size() - i))};
            for (int k = 0; k < node.count; ++k)
                grow(node.x1, node.y1, node.x2, node.y2, below[i + std::size_t(k)]);
            up.push_back(node);
        }
        levels_.push_back(std::move(up));
    }
}

void SpatialIndex::query(double x1, double y1, double x2, double y2, std::vector<const Item *> &out) const
{
    if (levels_.empty())
        return;
    auto meets = [&](const auto &b) { return b.x1 <= x2 && b.x2 >= x1 && b.y1 <= y2 && b.y2 >= y1; };
    // (level, node) pairs still to look into.
    std::vector<std::pair<int, int>> stack;
    const int top = int(levels_.size()) - 1;
    for (int i = 0; i < int(levels_[std::size_t(top)].size()); ++i)
        stack.emplace_back(top, i);
    while (!stack.empty()) {
        const auto [lv, ix] = stack.back();
        stack.pop_back();
        const Node &node = levels_[std::size_t(lv)][std::size_t(ix)];
        if (!meets(node))
            continue;
        for (int k = 0; k < node.count; ++k) {
            const std::size_t c = std::size_t(node.first + k);
            if (lv == 0) {
                if (meets(items_[c]))
                    out.push_back(&items_[c]);
            } else {
                stack.emplace_back(lv - 1, int(c));
            }
        }
    }
}

std::vector<SpatialIndex::Item> SpatialIndex::ItemsOf(const Network &net, int displayed, int root)
{
    std::vector<Item> items;
    const int n = std::min(displayed, net.tableSize());
    items.reserve(std::size_t(n) * 2 + std::size_t(net.DiversionCount));
    auto at = [&net](int i) { return QPointF(net.Elements[std::size_t(i)].Left, net.Elements[std::size_t(i)].Top); };
    for (int i = 1; i <= n; ++i) {
        const QPointF p = at(i);
        items.push_back({p.x(), p.y(), p.x(), p.y(), Icon, i});
    }
    // The tree's links: a placed element's receiver is placed too.
    for (int e = 1; e <= n; ++e) {
        const NetworkElement &el = net.Elements[std::size_t(e)];
        const int r = el.ReceivingIndex;
        if (!el.Placed || e == root || r < 1 || r > n || r == e)
            continue;
        const QPointF a = at(e), b = at(r);
        items.push_back({std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
                         std::max(a.y(), b.y()), Link, e});
    }
    const int table = net.tableSize();
    for (int k = 1; k <= net.DiversionCount && k < int(net.Diversions.size()); ++k) {
        const Diversion &d = net.Diversions[std::size_t(k)];
        if (d.FromIndex < 1 || d.FromIndex > table || d.ToIndex < 0 || d.ToIndex > table)
            continue;
        const QPointF a = at(d.FromIndex), b = d.ToIndex ? at(d.ToIndex) : a;
        items.push_back({std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
                         std::max(a.y(), b.y()), Split, k});
    }
    return items;
}

LegendColumn PlaceLegend(int width, int rightEdge, bool longAllowed, int widestLong, int widestShort)
{
    LegendColumn c;
    c.imageLeft = int(std::lround(width * 0.81));
    c.labelLeft = int(std::lround(width * 0.83));
    const int room = std::min(width, rightEdge) - c.labelLeft;
    c.longCaptions = longAllowed && widestLong <= room;
    const int caption = c.longCaptions ? widestLong : widestShort;
    if (caption > room) {
        const int shift = std::min(caption - room, c.imageLeft);
        c.imageLeft -= shift;
        c.labelLeft -= shift;
    }
    c.labelWidth = std::max({1, int(std::lround(width * 0.17)), caption});
    return c;
}

} // namespace Schematic
