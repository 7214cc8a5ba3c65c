#include "analysis/frequency_sweep.h"

#include <algorithm>
#include <cmath>

#include "analysis/evaluation_engine.h"
#include "lang/workareas.h"

namespace {

// One evaluation a point, at s = j omega.
class SweepPlan : public EvaluationPlan {
public:
    explicit SweepPlan(int points) : points_(points) {}

    int pointCount() const override { return points_; }
    int evaluationsOf(int) const override { return 1; }

    void pointsOf(int first, int end, double* sRe, double* sIm) const override
    {
        for (int point = first; point < end; ++point) {
            *sRe++ = 0;
            *sIm++ = workAreas.sweepPoints[point].omega;
        }
    }

    void takeValues(int first, int end, const double* re, const double* im) override
    {
        for (int point = first; point < end; ++point)
            workAreas.sweepPoints[point].value = q_complex(*re++, *im++);
    }

private:
    const int points_;
};

}  // namespace

int frequencySweep(int probe, double start, double end, int count, int16_t arithmetic, RunProgress* progress)
{
    workAreas.divZeroCount = 0;
    start = std::max(start, 0.0);
    end = std::max(end, 0.0);
    const int n = std::max(count, 2);
    const int stored = std::min(n, kResultCapacity);

    // Each frequency is computed from its index, never accumulated, so the
    // last point lands on the end of the range up to one rounding.
    const double logStart = std::log(start) / std::log(10.0);
    const double logEnd = std::log(end) / std::log(10.0);
    const double step = arithmetic ? (end - start) / (n - 1) : (logEnd - logStart) / (n - 1);
    for (int i = 0; i < stored; ++i)
        workAreas.sweepPoints[i].omega = arithmetic ? start + i * step : std::pow(10.0, logStart + i * step);
    SweepPlan plan(stored);
    evaluatePlan(plan, probe, progress);
    return stored;
}
