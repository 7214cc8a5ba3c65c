// Which labels of an axis are written: each one shown stands whole at its own
// grid line, clear of its neighbours, because a label's opaque box would hide
// whatever it overlaps. A label left out keeps its grid line.
#pragma once
#include <QString>
#include <vector>

#include "view/drawing_surface.h"

// A label as it would be written: its text and the box it paints.
struct AxisLabel {
    QString text;
    int x = 0;  // top-left corner
    int y = 0;
    TextExtent extent;
};

// Labels side by side (along x, under the graph) or stacked (along y, beside it).
enum class AxisRun { Across, Down };

// Room between two neighbours in the order of the axis: side by side they keep
// the width of a digit apart; stacked, their boxes must not overlap (a text's
// height already holds its line spacing).
bool labelsClear(const AxisLabel& first, const AxisLabel& second, AxisRun run, int digitWidth);

// A row of labels whose first and last stand at the two ends of the axis: the
// first and every step-th after it, with the smallest step that reaches the
// last label and leaves no two touching; the first alone when even the two
// ends touch.
std::vector<AxisLabel> evenlySpacedLabels(const std::vector<AxisLabel>& row, AxisRun run, int digitWidth);

// The decades of a logarithmic axis, in order, with their exponents: those
// whose exponent is a multiple of the smallest step that leaves no two
// touching, less any that touches one of the end labels.
struct DecadeLabel {
    AxisLabel label;
    int exponent = 0;
};
std::vector<AxisLabel> spacedDecadeLabels(const std::vector<DecadeLabel>& decades,
                                          const std::vector<AxisLabel>& ends, int digitWidth);

// The end labels of an axis: both, or the first alone when they touch.
std::vector<AxisLabel> clearEnds(const AxisLabel& first, const AxisLabel& last, AxisRun run, int digitWidth);

void writeLabels(DrawingSurface& surface, const std::vector<AxisLabel>& labels);

// A label value that is zero but for rounding (8.9E-016 on an axis from -1
// to 1) is written 0.
double roundedToZero(double value, double axisFrom, double axisTo);
