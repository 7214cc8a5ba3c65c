// Where values fall in the graph rectangle: frequency, gain and phase of the
// Bode graph, time and level of the time-response graph, in canvas pixels
// kept in double (see plot_point.h for points that are not finite).
#pragma once
#include "analysis/display_settings.h"
#include "analysis/view_data.h"

class BodeScale {
public:
    BodeScale(const BodeDisplaySettings& bode, const GraphRect& plot);

    // omega in rad/s, whatever unit the axis shows.
    double x(double omega) const;
    // A linear gain, drawn linear or in dB as the axis shows it.
    double gainY(double gain) const;
    // A phase in radians; on the -360..0 degree range a positive phase is taken 2 pi down.
    double phaseY(double phase) const;

private:
    const BodeDisplaySettings& bode_;
    const GraphRect& plot_;
    double freqMin_ = 0;
    double freqMax_ = 0;
    double gainLow_ = 0;
    double gainSpan_ = 0;
    double phaseBottom_ = 0;
};

class TimeScale {
public:
    TimeScale(const FiltDisplaySettings& filt, const GraphRect& plot) : filt_(filt), plot_(plot) {}

    double x(double t) const;
    double y(double level) const;

private:
    const FiltDisplaySettings& filt_;
    const GraphRect& plot_;
};
