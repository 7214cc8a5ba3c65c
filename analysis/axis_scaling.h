// Graph axes that a finished run fits to its results.
#pragma once
#include "analysis/display_settings.h"

// The gain axis in the mode bode.linearGain selects: whole decades of 20 dB
// (ten divisions down from dbRef), or powers of 1.25 around the linear gains.
// gmin and gmax are the extreme linear gains of the points.
void scaleGainAxis(BodeDisplaySettings& bode, double gmin, double gmax);

// The powers of two that enclose the time range.
void scaleTimeAxis(FiltDisplaySettings& filt, double timeStart, double timeEnd);
