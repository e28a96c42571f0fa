#pragma once
// Paints the schematic: links, split-flow arrows, icons and labels of the part
// of the network that the area shows. Only what lies in view is drawn, so a
// zoomed-in repaint costs the same whatever the network's size.
#include "schematic/logic/ViewGeometry.h"

#include <QColor>
#include <QPixmap>
#include <QSize>

class QPainter;

namespace Schematic {

// The window's pictures, drawn in code: 1 channel reach, 2 structure reach,
// 3 outlet, 4 sub-area, 5 split flow, 6 to 11 the tool buttons (frame, zoom
// in, zoom out, drag, pan, pointer), 12 to 15 the cursors (zoom in, zoom out,
// drag, pan). 32 x 32 pixels each.
QPixmap Picture(int number);
constexpr int IconPixels = 32;

// &H80C0FF, the picture area's own background.
inline QColor PictureBackground() { return QColor(255, 192, 128); }

struct PaintOptions
{
    bool labels = false;
    QColor background = PictureBackground();
    QColor linkColor = Qt::black;
};

void PaintSchematic(QPainter &p, QSize pixels, const Network &net, int displayed,
                    const SpatialIndex &index, const Area &area, const PaintOptions &options);

// The displayed element whose icon covers the layout point `at` (the last
// drawn, so the one on top), or 0.
int IconAt(const Network &net, int displayed, const SpatialIndex &index, const Area &area, QSize pixels,
           QPointF at);

} // namespace Schematic
