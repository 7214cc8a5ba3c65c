#include "analysis/axis_scaling.h"

#include <cmath>

namespace {

// Below these the logarithm is not taken and the axis goes to a fixed floor.
constexpr double kTopGainFloor = 1e-21;
constexpr double kBottomGainFloor = 1e-24;
constexpr double kTopDbFloor = -420.0;
constexpr double kBottomDbFloor = -480.0;
constexpr int kDbDivisions = 10;
constexpr double kLinearGainRatio = 1.25;

// Natural logarithms divided as written: at exact powers this decides which
// whole number ceil and floor give, and the axes must match to the bit.
double logIn(double base, double x)
{
    return std::log(x) / std::log(base);
}

}  // namespace

void scaleGainAxis(BodeDisplaySettings& bode, double gmin, double gmax)
{
    if (bode.linearGain == 0) {
        const double top = gmax > kTopGainFloor ? 20 * std::ceil(logIn(10.0, gmax)) : kTopDbFloor;
        const double bottom = gmin > kBottomGainFloor ? 20 * std::floor(logIn(10.0, gmin)) : kBottomDbFloor;
        bode.dbRef = top;
        bode.dbDiv = (top - bottom) / kDbDivisions;
    } else {
        bode.linGainMax = gmax > kTopGainFloor
                              ? std::pow(kLinearGainRatio, std::ceil(logIn(kLinearGainRatio, gmax)))
                              : kTopGainFloor;
        bode.linGainMin = gmin > kBottomGainFloor
                              ? std::pow(kLinearGainRatio, std::floor(logIn(kLinearGainRatio, gmin)))
                              : kBottomGainFloor;
    }
}

void scaleTimeAxis(FiltDisplaySettings& filt, double timeStart, double timeEnd)
{
    filt.timeAxisMin = std::pow(0.5, std::ceil(logIn(0.5, timeStart)));
    filt.timeAxisMax = std::pow(0.5, std::floor(logIn(0.5, timeEnd)));
}
