#include "analysis/limit_at_zero.h"

#include <cmath>
#include <functional>

namespace {

// Steps toward 0 from 1e-2 down to 1e-9; each estimate extrapolates two
// values (Richardson), so its error falls with the square of the step until
// rounding takes over.
constexpr int kFirstExponent = 2;
constexpr int kLastExponent = 9;
// Two successive estimates this close (relative) make the limit.
constexpr double kSettledTolerance = 1e-7;

using RealAxisFunction = std::function<q_complex(double)>;

bool isFinite(const q_complex& z) { return std::isfinite(z.re) && std::isfinite(z.im); }

q_complex extrapolated(const RealAxisFunction& g, double step)
{
    const q_complex half = g(step / 2);
    const q_complex whole = g(step);
    return q_complex(2 * half.re - whole.re, 2 * half.im - whole.im);
}

// Once settled, the steps go on shrinking while the estimates keep drawing
// closer: the last of them is good to the last digits, not to the tolerance.
std::optional<q_complex> limitFromTheRight(const RealAxisFunction& g)
{
    q_complex previous = extrapolated(g, std::pow(10.0, -kFirstExponent));
    std::optional<q_complex> settled;
    double lastChange = INFINITY;
    for (int k = kFirstExponent + 1; k <= kLastExponent; ++k) {
        const q_complex estimate = extrapolated(g, std::pow(10.0, -k));
        if (!isFinite(estimate) || !isFinite(previous))
            return settled;
        const double change = modulus(q_complex(estimate.re - previous.re, estimate.im - previous.im));
        if (settled && change >= lastChange)
            return settled;
        if (change <= kSettledTolerance * modulus(estimate))
            settled = estimate;
        lastChange = change;
        previous = estimate;
    }
    return settled;
}

}  // namespace

std::optional<q_complex> valueAtZero(ProbedFunction& h)
{
    const q_complex atZero = h.at(q_complex(0, 0));
    if (!h.lastDividedByZero() && isFinite(atZero))
        return atZero;
    return limitFromTheRight([&h](double s) { return h.at(q_complex(s, 0)); });
}

std::optional<q_complex> sTimesValueAtZero(ProbedFunction& h)
{
    const q_complex atZero = h.at(q_complex(0, 0));
    if (!h.lastDividedByZero() && isFinite(atZero))
        return q_complex(0, 0);
    return limitFromTheRight([&h](double s) {
        const q_complex value = h.at(q_complex(s, 0));
        return q_complex(s * value.re, s * value.im);
    });
}
