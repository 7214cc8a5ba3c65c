// What the system shows of a sweep point: frequency, gain and phase, the same
// in the listings, the CSV file and the graph.
#pragma once
#include "lang/result_points.h"

double frequencyHz(const FrequencyPoint& point);
double linearGain(const FrequencyPoint& point);
// -1e99 for a gain of zero.
double dbGain(const FrequencyPoint& point);
// In (-pi, pi]: no unwrapping, no shift.
double phaseRadians(const FrequencyPoint& point);
double phaseDegrees(const FrequencyPoint& point);

// The pair that a graph in the given units shows.
double shownFrequency(const FrequencyPoint& point, int radianUnits);
double shownGain(const FrequencyPoint& point, int linear);
double shownPhase(const FrequencyPoint& point, int radianUnits);
