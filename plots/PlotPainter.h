#pragma once
// Paints drawing commands (twips) on a device at 15 twips per pixel.
#include "plots/logic/PlotModel.h"

#include <QFont>

class QPainter;

namespace Plots {

// Arial 7.5 point bold, as the tick labels and the page's small labels use.
QFont SmallFont();

void PaintCommands(QPainter &painter, const Commands &commands, const QFont &font);

} // namespace Plots
