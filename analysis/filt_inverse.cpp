#include "analysis/filt_inverse.h"

#include <algorithm>
#include <cmath>

#include "lang/evaluator.h"
#include "lang/workareas.h"

namespace {

constexpr double kPi = 3.141592653589793;

// The Euler tail of order 4: weights 31, 26, 16, 6, 1 over 32 on five more terms.
double eulerTail(double sigma, double& y, double d, int probe)
{
    double w[5];
    for (double& term : w) {
        y = y + d;
        term = evaluateProgram(q_complex(sigma, y), probe).im;
    }
    return ((((31 * w[0] - 26 * w[1]) + 16 * w[2]) - 6 * w[3]) + w[4]) * 0.03125;
}

// f(t); the order of the operations fixes the floating-point result.
double levelAt(double t, double a, double b, double k1, double k2, int probe)
{
    const double d = kPi / t;
    double y = -0.5 * d;
    const double sigma = a / t + b;
    const double scale = std::exp(t * b + a) / t;
    const double m = t * k2 + k1;

    double sum = 0.0;
    for (int k = 1; k <= kFiltTermCap && m >= k; ++k) {
        y = y + d;
        const double u = evaluateProgram(q_complex(sigma, y), probe).im;
        y = y + d;
        const double v = evaluateProgram(q_complex(sigma, y), probe).im;
        sum = (u + sum) - v;
    }
    return -(eulerTail(sigma, y, d, probe) + sum) * scale;
}

}  // namespace

int filtInverse(int probe, double start, double end, int count, double a, double b, double k1, double k2)
{
    workAreas.divZeroCount = 0;
    if (start <= 0)
        start = kFiltMinimumTime;
    if (end <= 0)
        end = kFiltMinimumTime;
    const int n = std::max(count, 2);
    const int stored = std::min(n, kResultCapacity);

    // The divisor is n, not n - 1: the last time lies one step before the end.
    const double h = (end - start) / n;
    for (int i = 0; i < stored; ++i) {
        TimePoint& point = workAreas.filtPoints[i];
        point.t = start + i * h;
        point.level = levelAt(point.t, a, b, k1, k2, probe);
    }
    return stored;
}
