// Figures of a FILT run's time response: the final value from s F(s) as
// s goes to 0, then rise time, overshoot, peak and settling time measured
// on the response relative to it. Crossings are located on the run's time
// points and refined on the FILT inverse itself between them.
#pragma once
#include "analysis/analysis_settings.h"
#include "analysis/probed_function.h"
#include "analysis/readings.h"
#include "lang/result_points.h"

// points: the run's, increasing in t, made with settings' FILT parameters.
// Without a final value, or with a final value of 0, only the final value is given.
StepReadings stepReadings(const TimePoint* points, int count, const AnalysisSettings& settings, ProbedFunction& h);
