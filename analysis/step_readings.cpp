#include "analysis/step_readings.h"

#include <cmath>
#include <optional>

#include "analysis/filt_level_at.h"
#include "analysis/limit_at_zero.h"
#include "analysis/root_finding.h"

namespace {

constexpr double kRiseStart = 0.1;
constexpr double kRiseEnd = 0.9;
constexpr double kSettlingBand = 0.02;

// The response divided by its final value, at the time points and between them.
class NormalisedResponse {
public:
    NormalisedResponse(const TimePoint* points, int count, const AnalysisSettings& s, ProbedFunction& h,
                       double finalValue)
        : points_(points), count_(count), h_(h), parameters_{s.filtA, s.filtB, s.filtK1, s.filtK2},
          finalValue_(finalValue)
    {
    }

    int count() const { return count_; }
    double time(int i) const { return points_[i].t; }
    double at(int i) const { return points_[i].level / finalValue_; }
    double between(double t) { return filtLevelAt(h_, t, parameters_).level / finalValue_; }

    // Where the response crosses level between points i - 1 and i.
    double crossing(int i, double level)
    {
        const RealFunction fromLevel = [this, level](double t) { return between(t) - level; };
        return bracketedRoot(fromLevel, time(i - 1), time(i), at(i - 1) - level, at(i) - level);
    }

private:
    const TimePoint* points_;
    int count_;
    ProbedFunction& h_;
    FiltParameters parameters_;
    double finalValue_;
};

// The first time the response reaches level from below; none when it starts there or never gets there.
Reading firstReaching(NormalisedResponse& y, double level)
{
    if (y.count() == 0 || y.at(0) >= level)
        return std::nullopt;
    for (int i = 1; i < y.count(); ++i)
        if (y.at(i) >= level)
            return y.crossing(i, level);
    return std::nullopt;
}

Reading riseTime(NormalisedResponse& y)
{
    const Reading start = firstReaching(y, kRiseStart);
    const Reading end = firstReaching(y, kRiseEnd);
    if (!start || !end)
        return std::nullopt;
    return *end - *start;
}

// The largest value and its time, refined inside the range.
void findPeak(NormalisedResponse& y, StepReadings& readings)
{
    int top = 0;
    for (int i = 1; i < y.count(); ++i)
        if (y.at(i) > y.at(top))
            top = i;
    double time = y.time(top);
    double peak = y.at(top);
    if (top > 0 && top + 1 < y.count()) {
        const RealFunction value = [&y](double t) { return y.between(t); };
        const double refined = maximumInside(value, y.time(top - 1), y.time(top + 1));
        const double refinedPeak = y.between(refined);
        if (refinedPeak > peak) {
            time = refined;
            peak = refinedPeak;
        }
    }
    readings.peakTime = time;
    readings.overshoot = peak > 1 ? (peak - 1) * 100 : 0.0;
}

// From when the response stays within the band around 1; none when the last
// point is still outside it.
Reading settlingTime(NormalisedResponse& y)
{
    auto outside = [](double value) { return std::abs(value - 1) > kSettlingBand; };
    int last = y.count() - 1;
    if (last < 0 || outside(y.at(last)))
        return std::nullopt;
    while (last > 0 && !outside(y.at(last - 1)))
        --last;
    if (last == 0)
        return y.time(0);
    const double edge = y.at(last - 1) > 1 ? 1 + kSettlingBand : 1 - kSettlingBand;
    return y.crossing(last, edge);
}

}  // namespace

StepReadings stepReadings(const TimePoint* points, int count, const AnalysisSettings& settings, ProbedFunction& h)
{
    StepReadings readings;
    const std::optional<q_complex> limit = sTimesValueAtZero(h);
    if (!limit)
        return readings;
    readings.finalValue = limit->re;
    if (limit->re == 0)
        return readings;
    NormalisedResponse y(points, count, settings, h, limit->re);
    readings.riseTime = riseTime(y);
    findPeak(y, readings);
    readings.settlingTime = settlingTime(y);
    return readings;
}
