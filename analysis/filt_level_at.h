// One level of the FILT inverse at any time, with any parameters, evaluated
// through the probed function: the readings refine crossings between the
// run's time points and make the error estimate's second inversion with it.
#pragma once
#include "analysis/filt_inverse.h"
#include "analysis/probed_function.h"

struct FiltParameters {
    double a, b, k1, k2;
};

struct FiltLevel {
    double level;
    // The size of the sum before its terms cancel: the scale times the sum of
    // the terms' magnitudes, which sets the level's rounding error.
    double magnitude;
};

FiltLevel filtLevelAt(ProbedFunction& h, double t, const FiltParameters& parameters);
// The level and its magnitude from Im F at the point's terms.
FiltLevel filtLevelOf(const FiltPoint& point, const double* imF);
