#include "analysis/root_finding.h"

#include <cmath>
#include <limits>
#include <algorithm>
#include <utility>

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr int kRootIterationLimit = 200;
constexpr int kMaximumIterationLimit = 200;
// The golden section's smaller part, (3 - sqrt 5) / 2.
constexpr double kGoldenStep = 0.3819660112501051;

bool sameSign(double x, double y) { return (x > 0 && y > 0) || (x < 0 && y < 0); }

// Brent's interpolation step from b, with a the previous estimate and c the
// far end of the bracket; false when it would not shrink the bracket fast
// enough and bisection must be taken instead.
bool interpolationStep(double a, double b, double c, double fa, double fb, double fc, double middle,
                       double previousStep, double tolerance, double& step)
{
    double p, q;
    const double s = fb / fa;
    if (a == c) {
        p = 2 * middle * s;
        q = 1 - s;
    } else {
        const double t = fa / fc;
        const double r = fb / fc;
        p = s * (2 * middle * t * (t - r) - (b - a) * (r - 1));
        q = (t - 1) * (r - 1) * (s - 1);
    }
    if (p > 0)
        q = -q;
    p = std::abs(p);
    if (2 * p >= std::min(3 * middle * q - std::abs(tolerance * q), std::abs(previousStep * q)))
        return false;
    step = p / q;
    return true;
}

}  // namespace

double bracketedRoot(const RealFunction& f, double a, double b, double fa, double fb)
{
    double c = b, fc = fb;
    double step = 0, previousStep = 0;
    for (int i = 0; i < kRootIterationLimit; ++i) {
        if (sameSign(fb, fc)) {
            c = a;
            fc = fa;
            step = previousStep = b - a;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b, b = c, c = a;
            fa = fb, fb = fc, fc = fa;
        }
        // Two units in the last place: the bracket cannot shrink further.
        const double tolerance = 2 * kEpsilon * std::abs(b) + std::numeric_limits<double>::denorm_min();
        const double middle = 0.5 * (c - b);
        if (std::abs(middle) <= tolerance || fb == 0)
            return b;
        const double lastStep = step;
        if (std::abs(previousStep) < tolerance || std::abs(fa) <= std::abs(fb) ||
            !interpolationStep(a, b, c, fa, fb, fc, middle, previousStep, tolerance, step)) {
            step = middle;
            previousStep = middle;
        } else {
            previousStep = lastStep;
        }
        a = b;
        fa = fb;
        b += std::abs(step) > tolerance ? step : (middle > 0 ? tolerance : -tolerance);
        fb = f(b);
        if (std::isnan(fb))
            return a;
    }
    return b;
}

double maximumInside(const RealFunction& f, double a, double b)
{
    if (a > b)
        std::swap(a, b);
    double x = a + kGoldenStep * (b - a);
    double w = x, v = x;
    double fx = f(x);
    double fw = fx, fv = fx;
    double step = 0, previousStep = 0;
    for (int i = 0; i < kMaximumIterationLimit; ++i) {
        const double middle = 0.5 * (a + b);
        const double tolerance = std::sqrt(kEpsilon) * std::abs(x) + 1e-300;
        if (std::abs(x - middle) <= 2 * tolerance - 0.5 * (b - a))
            break;
        bool golden = true;
        if (std::abs(previousStep) > tolerance) {
            // A parabola through x, w and v, whose vertex is the next point when it falls well inside.
            const double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0)
                p = -p;
            q = std::abs(q);
            if (std::abs(p) < std::abs(0.5 * q * previousStep) && p > q * (a - x) && p < q * (b - x)) {
                previousStep = step;
                step = p / q;
                golden = false;
                if (x + step - a < 2 * tolerance || b - (x + step) < 2 * tolerance)
                    step = x < middle ? tolerance : -tolerance;
            }
        }
        if (golden) {
            previousStep = x < middle ? b - x : a - x;
            step = kGoldenStep * previousStep;
        }
        const double u = std::abs(step) >= tolerance ? x + step : x + (step > 0 ? tolerance : -tolerance);
        const double fu = f(u);
        if (fu >= fx) {
            (u < x ? b : a) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu >= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu >= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    return x;
}
