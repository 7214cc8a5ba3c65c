#include "analysis/run_bounds.h"

#include <algorithm>
#include <utility>

namespace {

constexpr double kSweepWidening = 100.0;
constexpr double kTimeWidening = 10.0;
// log10 of the start must exist, so a geometric sweep starts at 0.01 at least.
constexpr double kGeometricSweepMinStart = 0.01;
constexpr double kSweepMaxEnd = 1e18;
// One point less than the arrays hold.
constexpr int kSweepMaxCount = 2047;
constexpr double kTimeMinStart = 1e-15;
constexpr double kTimeMaxEnd = 1e9;
constexpr int kTimeMaxCount = 2048;

struct RangeLimits {
    double widening;  // the room given to a range whose ends are equal
    double minimum;
    double maximum;
    int maxCount;
};

double bounded(double value, const RangeLimits& limits)
{
    if (!(value >= limits.minimum))
        return limits.minimum;
    return std::min(value, limits.maximum);
}

void boundRange(double& start, double& end, int& count, const RangeLimits& limits)
{
    start = bounded(start, limits);
    end = bounded(end, limits);
    if (start > end)
        std::swap(start, end);
    if (start == end) {
        end = start + limits.widening;
        if (end > limits.maximum) {
            end = limits.maximum;
            start = limits.maximum - limits.widening;
        }
    }
    count = std::min(count, limits.maxCount);
}

}  // namespace

void boundSweepSetup(AnalysisSettings& s)
{
    const double minStart = s.sweepArithmetic == 0 ? kGeometricSweepMinStart : 0.0;
    boundRange(s.sweepStart, s.sweepEnd, s.sweepCount, {kSweepWidening, minStart, kSweepMaxEnd, kSweepMaxCount});
}

void boundTimeSetup(AnalysisSettings& s)
{
    boundRange(s.timeStart, s.timeEnd, s.timeCount, {kTimeWidening, kTimeMinStart, kTimeMaxEnd, kTimeMaxCount});
}
