#pragma once
// Paints drawing commands (twips) on a device at 15 twips per pixel.
#include "plots/logic/PlotModel.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace Plots {

// Arial 7.5 point bold, as the tick labels and the page's small labels use.
QFont SmallFont();

void PaintCommands(QPainter &painter, const Commands &commands, const QFont &font);

// Where a graph of `image` pixels goes on a printed page whose printable area
// is `page` (device pixels, from its top-left corner): the printable width in
// the graph's proportions, or the whole height when the page is too short.
QRectF PrintedGraphRect(const QSizeF &image, const QSizeF &page);

} // namespace Plots
