// The FILT engine: the time function f(t) of the probed Laplace transform F(s),
// as an alternating series of Im F on the line Re s = A/t + B with an Euler tail.
#pragma once

// Times of 0 or less are replaced by this before the steps are computed.
constexpr double kFiltMinimumTime = 1e-6;

// At most this many pairs of plain terms per time point, whatever K1 and K2 ask
// for, so that no setting keeps a run busy for minutes.
constexpr int kFiltTermCap = 10000;

// Writes workAreas.filtPoints from index 0 and returns the number of points
// (2 to 2048); clears divZeroCount first.
int filtInverse(int probe, double start, double end, int count, double a, double b, double k1, double k2);
