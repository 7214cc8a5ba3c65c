#include "analysis/point_quantities.h"

#include <cmath>

#include "lang/complex.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kZeroGainDb = -1e99;

}  // namespace

double frequencyHz(const FrequencyPoint& point)
{
    return point.omega * 0.5 / kPi;
}

double linearGain(const FrequencyPoint& point)
{
    return modulus(point.value);
}

double dbGain(const FrequencyPoint& point)
{
    const double gain = linearGain(point);
    return gain > 0 ? 20 * std::log(gain) / std::log(10.0) : kZeroGainDb;
}

double phaseRadians(const FrequencyPoint& point)
{
    // Adding +0 turns a negative zero imaginary part into +0, so that a value
    // on the negative real axis is at +pi, never at -pi.
    return std::atan2(point.value.im + 0.0, point.value.re);
}

double phaseDegrees(const FrequencyPoint& point)
{
    return phaseRadians(point) * 180 / kPi;
}

double shownFrequency(const FrequencyPoint& point, int radianUnits)
{
    return radianUnits ? point.omega : frequencyHz(point);
}

double shownGain(const FrequencyPoint& point, int linear)
{
    return linear ? linearGain(point) : dbGain(point);
}

double shownPhase(const FrequencyPoint& point, int radianUnits)
{
    return radianUnits ? phaseRadians(point) : phaseDegrees(point);
}
