#include "analysis/filt_inverse.h"

#include <algorithm>
#include <cmath>

#include "analysis/evaluation_engine.h"
#include "analysis/joined_plan.h"
#include "lang/workareas.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kTailTerms = 5;

static_assert(2 * kFiltTermCap + kTailTerms <= kPointEvaluationCapacity, "a capped point fits one unit");

// The times start + i h of the points, and their terms.
class FiltPlan : public EvaluationPlan {
public:
    FiltPlan(int points, double start, double h, double a, double b, double k1, double k2)
        : points_(points), a_(a), b_(b), k1_(k1), k2_(k2)
    {
        for (int i = 0; i < points; ++i) {
            TimePoint& point = workAreas.filtPoints[i];
            point.t = start + i * h;
            pairs_[i] = filtPointAt(point.t, a, b, k1, k2).pairs;
        }
    }

    int pointCount() const override { return points_; }
    int evaluationsOf(int point) const override { return 2 * pairs_[point] + kTailTerms; }

    void pointsOf(int first, int end, double* sRe, double* sIm) const override
    {
        for (int point = first; point < end; ++point) {
            const FiltPoint p = at(point);
            filtTermValuesOfS(p, sRe, sIm);
            sRe += filtTermCount(p);
            sIm += filtTermCount(p);
        }
    }

    void takeValues(int first, int end, const double*, const double* im) override
    {
        for (int point = first; point < end; ++point) {
            const FiltPoint p = at(point);
            workAreas.filtPoints[point].level = filtLevel(p, im);
            im += filtTermCount(p);
        }
    }

private:
    FiltPoint at(int point) const { return filtPointAt(workAreas.filtPoints[point].t, a_, b_, k1_, k2_); }

    const int points_;
    const double a_, b_, k1_, k2_;
    int pairs_[kResultCapacity];
};

}  // namespace

int filtStoredPoints(int count)
{
    return std::min(std::max(count, 2), kResultCapacity);
}

FiltPoint filtPointAt(double t, double a, double b, double k1, double k2)
{
    FiltPoint point;
    point.d = kPi / t;
    point.sigma = a / t + b;
    point.scale = std::exp(t * b + a) / t;
    // As many pairs as k with M >= k for k = 1, 2, ...: none for a NaN M.
    const double m = t * k2 + k1;
    point.pairs = m >= kFiltTermCap ? kFiltTermCap : m >= 1 ? static_cast<int>(m) : 0;
    return point;
}

int filtTermCount(const FiltPoint& point)
{
    return 2 * point.pairs + kTailTerms;
}

void filtTermOmegas(const FiltPoint& point, double* y)
{
    double omega = -0.5 * point.d;
    for (int k = 0; k < filtTermCount(point); ++k) {
        omega = omega + point.d;
        y[k] = omega;
    }
}

void filtTermValuesOfS(const FiltPoint& point, double* sRe, double* sIm)
{
    std::fill(sRe, sRe + filtTermCount(point), point.sigma);
    filtTermOmegas(point, sIm);
}

// The plain terms alternate from a minus sign; the Euler tail of order 4 takes
// the weights 31, 26, 16, 6, 1 over 32 on the five terms after them.
double filtLevel(const FiltPoint& point, const double* imF)
{
    double sum = 0.0;
    for (int k = 0; k < point.pairs; ++k)
        sum = (imF[2 * k] + sum) - imF[2 * k + 1];
    const double* w = imF + 2 * point.pairs;
    const double tail = ((((31 * w[0] - 26 * w[1]) + 16 * w[2]) - 6 * w[3]) + w[4]) * 0.03125;
    return -(tail + sum) * point.scale;
}

int filtInverse(int probe, double start, double end, int count, double a, double b, double k1, double k2,
                RunProgress* progress, EvaluationPlan* before)
{
    workAreas.divZeroCount = 0;
    if (start <= 0)
        start = kFiltMinimumTime;
    if (end <= 0)
        end = kFiltMinimumTime;
    const int n = std::max(count, 2);
    const int stored = filtStoredPoints(count);

    // The divisor is n, not n - 1: the last time lies one step before the end.
    const double h = (end - start) / n;
    FiltPlan plan(stored, start, h, a, b, k1, k2);
    if (before == nullptr) {
        evaluatePlan(plan, probe, progress);
    } else {
        JoinedPlan joined(*before, plan);
        evaluatePlan(joined, probe, progress);
    }
    return stored;
}
