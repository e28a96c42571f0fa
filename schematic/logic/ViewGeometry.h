#pragma once
// Geometry of the schematic picture, in layout units (X to the right, Y
// downward): the view extent and the area it shows, zoom, pan and drag, the
// link lines and split-flow arrows, and an index that finds what lies in the
// part of the drawing on the screen. Icons keep a fixed size on the screen,
// so their size in layout units is passed in.
#include "schematic/logic/Network.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <vector>

namespace Schematic {

// A line leaves an icon this far down its height and ends this far above its
// receiver's top.
constexpr double LinkStartFraction = 0.9;
constexpr double LinkEndGap = 0.05;

struct Extent
{
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    bool operator==(const Extent &) const = default;
};

// The picture's coordinate system: the layout units at its left, top, right
// and bottom edges.
struct Area
{
    double left = 0, top = 0, right = 1000, bottom = 1000;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool operator==(const Area &) const = default;
};

// The smallest size shown; the extent itself may be smaller.
constexpr double MinShownSize = 100;

// The box of the first `displayed` icons (at least 60 x 50 units), or of
// element 1's place when none is displayed.
Extent FrameExtent(const Network &net, int displayed, QSizeF icon);

// The area a redraw shows for `extent`: its size (at least MinShownSize each
// way) enlarged 1.2 times about its centre. A degenerate result keeps
// `previous`.
Area ShownArea(const Extent &extent, const Area &previous);

// Zoom at the band from `p1` to `p2` (a press and a release). Zooming in to a
// band thinner than 20 units either way, or zooming out, scales the extent
// about the band's centre by 0.6 or 1.2; zooming in to a larger band shows it.
enum class ZoomDirection { None = 0, In = 1, Out = 2 };
Extent Zoom(const Extent &extent, QPointF p1, QPointF p2, ZoomDirection direction);

// The view's centre moves to `p`.
Extent PanTo(const Extent &extent, QPointF p);

// The extent moves so that the layout point `anchor` comes under the mouse,
// which the current area puts at `now`.
Extent DragTo(const Extent &extent, QPointF anchor, QPointF now);

// Maps layout units onto a picture of `pixels`.
QPointF ToPixels(const Area &area, QSizeF pixels, QPointF layout);
QPointF ToLayout(const Area &area, QSizeF pixels, QPointF pixel);
// An icon of `iconPixels` measured in layout units of the area.
QSizeF IconInLayout(const Area &area, QSizeF pixels, QSizeF iconPixels);

// The line from an icon at `from` (its top-left corner) to its receiver's
// icon at `to`: from near the bottom of the one to just above the other, both
// at the icons' centres.
QLineF LinkLine(QPointF from, QPointF to, QSizeF icon);

// A split-flow arrow: a dotted shaft and a solid head outline (P3, P4, tip,
// P5, P3). Towards a target the arrow runs from a little right of the icons'
// centres to just above the target; without one it points 50 units left out
// of its reach. Start and tip at one point give no head.
struct Arrow
{
    QLineF shaft;
    bool hasHead = false;
    std::array<QPointF, 5> head{};
};
Arrow DiversionArrow(QPointF from, const QPointF *to, QSizeF icon);

// The legend's column near the right edge of a picture `width` pixels wide:
// pictures at 81 and captions at 83 per cent of the width, the captions 17
// per cent wide. The long captions (when `longAllowed`) are shown only where
// the widest of them ends before `rightEdge`; the short ones otherwise. A
// caption wider than the room left moves the whole column left, so that it
// ends at `rightEdge`, and its label takes the caption's width.
struct LegendColumn
{
    bool longCaptions = false;
    int imageLeft = 0;
    int labelLeft = 0;
    int labelWidth = 1;
};
LegendColumn PlaceLegend(int width, int rightEdge, bool longAllowed, int widestLong, int widestShort);

// Finds the items whose boxes meet a rectangle, in time that grows with what
// is found rather than with the network: a packed tree of boxes.
class SpatialIndex
{
public:
    enum Kind : unsigned char { Icon, Link, Split };
    struct Item
    {
        double x1, y1, x2, y2;
        Kind kind;
        int index;
    };

    void build(std::vector<Item> items);
    // Every item whose box meets (x1, y1)-(x2, y2), edges included.
    void query(double x1, double y1, double x2, double y2, std::vector<const Item *> &out) const;
    bool empty() const { return items_.empty(); }

    // The boxes of a laid-out network: icons and links at the icons' top-left
    // corners, arrows spanning their two ends. Callers widen their query by
    // the icons' size.
    static std::vector<Item> ItemsOf(const Network &net, int displayed, int root);

private:
    struct Node
    {
        double x1, y1, x2, y2;
        int first, count; // children in the level below (items at level 0)
    };
    std::vector<Item> items_;
    std::vector<std::vector<Node>> levels_; // levels_[0] groups items; the last holds the root(s)
};

} // namespace Schematic
