#include "analysis/run_bounds.h"

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
    double widening;  // added to an end equal to the start
    double minStart;
    double maxEnd;
    int maxCount;
};

void boundRange(double& start, double& end, int& count, const RangeLimits& limits)
{
    if (start > end)
        std::swap(start, end);
    else if (start == end)
        end = start + limits.widening;
    if (start < limits.minStart)
        start = limits.minStart;
    if (end > limits.maxEnd)
        end = limits.maxEnd;
    if (count > limits.maxCount)
        count = limits.maxCount;
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
