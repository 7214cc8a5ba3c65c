#include "view/graph_scales.h"

#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;
// The phase axis spans 450 degrees from its bottom edge.
constexpr double kPhaseSpan = 7.853981633974483;
constexpr double kPhaseBottom[2] = {-7.0685834705770345, -3.9269908169872414};

int width(const GraphRect& plot) { return plot.right - plot.left; }
int height(const GraphRect& plot) { return plot.bottom - plot.top; }

double log10Of(double value) { return std::log(value) / std::log(10.0); }

}  // namespace

BodeScale::BodeScale(const BodeDisplaySettings& bode, const GraphRect& plot) : bode_(bode), plot_(plot)
{
    const double unit = bode.radianUnits ? 1.0 : kTwoPi;
    freqMin_ = bode.freqAxisMin * unit;
    freqMax_ = bode.freqAxisMax * unit;
    if (bode.linearGain) {
        gainLow_ = bode.linGainMin;
        gainSpan_ = bode.linGainMax - bode.linGainMin;
    } else {
        gainSpan_ = 10 * bode.dbDiv;
        gainLow_ = bode.dbRef - gainSpan_;
    }
    phaseBottom_ = kPhaseBottom[bode.phaseRange ? 1 : 0];
}

double BodeScale::x(double omega) const
{
    if (bode_.linearFreqAxis)
        return (omega - freqMin_) * width(plot_) / (freqMax_ - freqMin_) + plot_.left;
    return (log10Of(omega) - log10Of(freqMin_)) * width(plot_) / (log10Of(freqMax_) - log10Of(freqMin_)) +
           plot_.left;
}

double BodeScale::gainY(double gain) const
{
    const double shown = bode_.linearGain ? gain : 20 * std::log(gain) / std::log(10.0);
    return plot_.bottom - (shown - gainLow_) * height(plot_) / gainSpan_;
}

double BodeScale::phaseY(double phase) const
{
    if (!bode_.phaseRange && phase > 0)
        phase -= kTwoPi;
    return plot_.bottom - (phase - phaseBottom_) * height(plot_) / kPhaseSpan;
}

double TimeScale::x(double t) const
{
    return (t - filt_.timeAxisMin) * width(plot_) / (filt_.timeAxisMax - filt_.timeAxisMin) + plot_.left;
}

double TimeScale::y(double level) const
{
    return plot_.bottom - (level - filt_.levelMin) * height(plot_) / (filt_.levelMax - filt_.levelMin);
}
