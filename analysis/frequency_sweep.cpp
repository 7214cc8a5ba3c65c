#include "analysis/frequency_sweep.h"

#include <algorithm>
#include <cmath>

#include "lang/evaluator.h"
#include "lang/workareas.h"

int frequencySweep(int probe, double start, double end, int count, int16_t arithmetic)
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
    for (int i = 0; i < stored; ++i) {
        const double omega = arithmetic ? start + i * step : std::pow(10.0, logStart + i * step);
        FrequencyPoint& point = workAreas.sweepPoints[i];
        point.omega = omega;
        point.value = evaluateAtOmega(omega, probe);
    }
    return stored;
}
