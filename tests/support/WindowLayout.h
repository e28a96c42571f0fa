#pragma once
// Checks on how a window lays out what it shows, as a user would see it.
#include <QStringList>

class QWidget;

namespace WindowLayout {

// The visible controls under `root` that overlap a visible neighbour (one
// with the same parent), as "first / second" by object name. Controls made of
// parts (combos, grids, lists) are taken whole; containers with a layout of
// their own (group boxes, the central widget) are looked into.
QStringList OverlappingControls(const QWidget *root);

} // namespace WindowLayout
