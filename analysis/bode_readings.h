// Stability margins, bandwidth and peak of the probed H(j omega): crossings
// located on the swept grid, then refined on H itself to full precision.
#pragma once
#include "analysis/probed_function.h"
#include "analysis/readings.h"
#include "lang/result_points.h"

// points: the run's sweep, increasing in omega. Where the gain or the phase
// crosses its level more than once, the margin nearest zero is kept, with
// its frequency.
BodeReadings bodeReadings(const FrequencyPoint* points, int count, ProbedFunction& h);
