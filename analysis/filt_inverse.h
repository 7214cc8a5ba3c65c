// The FILT engine: the time function f(t) of the probed Laplace transform F(s),
// as an alternating series of Im F on the line Re s = A/t + B with an Euler tail.
#pragma once

class EvaluationPlan;
struct RunProgress;

// Times of 0 or less are replaced by this before the steps are computed.
constexpr double kFiltMinimumTime = 1e-6;

// At most this many pairs of plain terms per time point, whatever K1 and K2 ask
// for, so that no setting keeps a run busy for minutes.
constexpr int kFiltTermCap = 10000;

// Writes workAreas.filtPoints from index 0 and returns the number of points
// (2 to 2048); clears divZeroCount first. With progress, the run can be
// watched and stopped from another thread (see evaluatePlan). A plan before
// is evaluated in the same run, ahead of the points, and may read their times.
int filtInverse(int probe, double start, double end, int count, double a, double b, double k1, double k2,
                RunProgress* progress = nullptr, EvaluationPlan* before = nullptr);

// How many of count points a run computes and stores.
int filtStoredPoints(int count);

// One time point of the sum: where its terms lie and what they are weighed with.
struct FiltPoint {
    double sigma;  // the real part of every s
    double d;      // the step between the imaginary parts
    double scale;  // e^(A + Bt) / t
    int pairs;     // plain terms in pairs: the whole part of K1 + K2 t, capped
};

FiltPoint filtPointAt(double t, double a, double b, double k1, double k2);
// 2 pairs plain terms and 5 tail terms.
int filtTermCount(const FiltPoint& point);
// The imaginary parts of the terms' s, built by repeated addition of d.
void filtTermOmegas(const FiltPoint& point, double* y);
// The terms' s, real and imaginary parts.
void filtTermValuesOfS(const FiltPoint& point, double* sRe, double* sIm);
// f(t) from Im F at the terms, summed in the fixed order that gives its bits.
double filtLevel(const FiltPoint& point, const double* imF);
