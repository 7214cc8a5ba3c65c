#include "view/axis_labels.h"

#include <cmath>

namespace {

// A label value closer to zero than this part of the axis span is rounding noise.
constexpr double kZeroTolerance = 1e-9;

// The labels at every step-th place of the row, from the first.
std::vector<AxisLabel> everyStep(const std::vector<AxisLabel>& row, size_t step)
{
    std::vector<AxisLabel> picked;
    for (size_t i = 0; i < row.size(); i += step)
        picked.push_back(row[i]);
    return picked;
}

bool allClear(const std::vector<AxisLabel>& labels, AxisRun run, int digitWidth)
{
    for (size_t i = 1; i < labels.size(); ++i)
        if (!labelsClear(labels[i - 1], labels[i], run, digitWidth))
            return false;
    return true;
}

bool isMultiple(int exponent, int step)
{
    return ((exponent % step) + step) % step == 0;
}

std::vector<AxisLabel> decadesAtMultiples(const std::vector<DecadeLabel>& decades, int step)
{
    std::vector<AxisLabel> picked;
    for (const DecadeLabel& decade : decades)
        if (isMultiple(decade.exponent, step))
            picked.push_back(decade.label);
    return picked;
}

bool clearOfAll(const AxisLabel& label, const std::vector<AxisLabel>& others, int digitWidth)
{
    for (const AxisLabel& other : others)
        if (!labelsClear(label, other, AxisRun::Across, digitWidth))
            return false;
    return true;
}

}  // namespace

bool labelsClear(const AxisLabel& first, const AxisLabel& second, AxisRun run, int digitWidth)
{
    if (run == AxisRun::Across) {
        const AxisLabel& left = first.x <= second.x ? first : second;
        const AxisLabel& right = first.x <= second.x ? second : first;
        return left.x + left.extent.cx + digitWidth <= right.x;
    }
    const AxisLabel& upper = first.y <= second.y ? first : second;
    const AxisLabel& lower = first.y <= second.y ? second : first;
    return upper.y + upper.extent.cy <= lower.y;
}

std::vector<AxisLabel> evenlySpacedLabels(const std::vector<AxisLabel>& row, AxisRun run, int digitWidth)
{
    if (row.size() < 2)
        return row;
    const size_t span = row.size() - 1;
    for (size_t step = 1; step <= span; ++step) {
        if (span % step != 0)
            continue;
        std::vector<AxisLabel> picked = everyStep(row, step);
        if (allClear(picked, run, digitWidth))
            return picked;
    }
    return {row.front()};
}

std::vector<AxisLabel> spacedDecadeLabels(const std::vector<DecadeLabel>& decades,
                                          const std::vector<AxisLabel>& ends, int digitWidth)
{
    // Each step picks fewer decades; one of them is reached before none, and
    // a single decade is always clear of the others.
    std::vector<AxisLabel> picked;
    for (int step = 1; !decades.empty(); ++step) {
        picked = decadesAtMultiples(decades, step);
        if (allClear(picked, AxisRun::Across, digitWidth))
            break;
    }
    std::vector<AxisLabel> shown;
    for (const AxisLabel& label : picked)
        if (clearOfAll(label, ends, digitWidth))
            shown.push_back(label);
    return shown;
}

std::vector<AxisLabel> clearEnds(const AxisLabel& first, const AxisLabel& last, AxisRun run, int digitWidth)
{
    if (labelsClear(first, last, run, digitWidth))
        return {first, last};
    return {first};
}

void writeLabels(DrawingSurface& surface, const std::vector<AxisLabel>& labels)
{
    for (const AxisLabel& label : labels)
        surface.textOut(label.x, label.y, label.text);
}

double roundedToZero(double value, double axisFrom, double axisTo)
{
    return std::fabs(value) < kZeroTolerance * std::fabs(axisTo - axisFrom) ? 0.0 : value;
}
