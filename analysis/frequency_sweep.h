// The frequency response engine: the probed function at s = j*omega over a sequence of omegas.
#pragma once
#include <cstdint>

struct RunProgress;

// Writes workAreas.sweepPoints from index 0 and returns the number of points
// (2 to 2048); clears divZeroCount first. start and end are in rad/s. With
// progress, the run can be watched and stopped from another thread (see
// evaluatePlan).
int frequencySweep(int probe, double start, double end, int count, int16_t arithmetic,
                   RunProgress* progress = nullptr);
