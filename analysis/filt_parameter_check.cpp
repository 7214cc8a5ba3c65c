#include "analysis/filt_parameter_check.h"

#include <algorithm>
#include <cmath>

#include "analysis/number_format.h"

namespace {

// ln of the largest and of the smallest normal double are 709.8 and -708.4.
constexpr double kFactorLogLimit = 708.0;

// ln(e^(A + B·t) / t); convex in t, so its largest value over a range lies at
// an end and its smallest at t = 1/B or at an end.
double factorLog(double t, double a, double b)
{
    return a + b * t - std::log(t);
}

bool usableAt(double t, double a, double b)
{
    return std::fabs(factorLog(t, a, b)) < kFactorLogLimit;
}

}  // namespace

std::string filtParameterProblem(const AnalysisSettings& s)
{
    const double first = s.timeStart;
    const double last = s.timeEnd;
    const double lowest = s.filtB > 0 ? std::clamp(1.0 / s.filtB, first, last) : last;
    if (usableAt(first, s.filtA, s.filtB) && usableAt(last, s.filtA, s.filtB) &&
        usableAt(lowest, s.filtA, s.filtB))
        return std::string();
    return "error: FILT A = " + formatDouble("%G", s.filtA) + ", B = " + formatDouble("%G", s.filtB) +
           " cannot be used from t = " + formatDouble("%G", first) + " to " + formatDouble("%G", last) +
           ": e^(A+B*t)/t is out of the range of numbers \r\n";
}
