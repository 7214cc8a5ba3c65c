// The four corner handles of the graph rectangle: drawn in red while the
// graph is selected, and the zones where the mouse grabs a corner.
#pragma once
#include <array>

#include <QPoint>

#include "analysis/view_data.h"

// Top-left, top-right, bottom-left, bottom-right: corner numbers 1 to 4.
std::array<QPoint, 4> graphCorners(const GraphRect& plot);

// The 10 x 10 square centred on a corner.
GraphRect handleSquare(QPoint corner);

// Right and bottom edges excluded, as for every rectangle test of the mouse.
bool containsPoint(const GraphRect& rect, QPoint point);
