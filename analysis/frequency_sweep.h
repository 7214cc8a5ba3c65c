// The frequency response engine: the probed function at s = j*omega over a sequence of omegas.
#pragma once
#include <cstdint>

// Writes workAreas.sweepPoints from index 0 and returns the number of points
// (2 to 2048); clears divZeroCount first. start and end are in rad/s.
int frequencySweep(int probe, double start, double end, int count, int16_t arithmetic);
