#include "analysis/filt_error_estimate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/filt_inverse.h"
#include "analysis/filt_second_inversion.h"

namespace {

// What the second inversion's own discretisation error leaves of the difference.
const double kDifferenceScale = 1 / (1 - std::exp(-2 * kSecondInversionShiftOfA));
constexpr double kSafety = 2.5;
// The window around a time, in the method's resolution t / terms.
constexpr double kWindowInResolutions = 3;
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

double windowHalfWidth(double t, const AnalysisSettings& s)
{
    const FiltPoint point = filtPointAt(t, s.filtA, s.filtB, s.filtK1, s.filtK2);
    return kWindowInResolutions * std::abs(t) / filtTermCount(point);
}

// The largest difference among the points near point i.
double nearbyLargest(const TimePoint* points, int count, const std::vector<double>& differences, int i,
                     double halfWidth)
{
    double largest = differences[i];
    for (int j = i - 1; j >= 0 && (j == i - 1 || std::abs(points[j].t - points[i].t) <= halfWidth); --j)
        largest = std::max(largest, differences[j]);
    for (int j = i + 1; j < count && (j == i + 1 || std::abs(points[j].t - points[i].t) <= halfWidth); ++j)
        largest = std::max(largest, differences[j]);
    return largest;
}

}  // namespace

void estimateLevelErrors(const TimePoint* points, int count, const AnalysisSettings& settings,
                         const FiltLevel* second, double* errors)
{
    std::vector<double> differences(count);
    std::vector<double> rounding(count);
    for (int i = 0; i < count; ++i) {
        const FiltLevel& reference = second[i];
        differences[i] = std::abs(points[i].level - reference.level) * kDifferenceScale;
        // The second sum's magnitude is above the first's: it bounds the rounding of both.
        rounding[i] = 2 * kEpsilon * reference.magnitude;
    }
    for (int i = 0; i < count; ++i) {
        const double halfWidth = windowHalfWidth(points[i].t, settings);
        errors[i] = kSafety * nearbyLargest(points, count, differences, i, halfWidth) + rounding[i];
    }
}
