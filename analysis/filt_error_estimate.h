// An estimate of the error of every level of a FILT run. The method's error
// has two parts that move apart with a = A + Bt: the discretisation error,
// about -e^(-2a) f(3t), shrinks as a grows, while the truncated series'
// error grows about like e^a. A second inversion with A raised by 2 and
// twice the terms is the more accurate one, so the difference of the two
// levels, divided by 1 - e^(-4) for what remains of the second one's
// discretisation error, is close to the first one's error. The estimate
// takes 2.5 times the largest such difference within the method's
// resolution around the time (3 t over its number of terms, at least the
// neighbouring points), since the truncation error oscillates and the two
// inversions oscillate differently, and adds the rounding of both sums.
#pragma once
#include "analysis/analysis_settings.h"
#include "analysis/filt_level_at.h"
#include "lang/result_points.h"

// errors[i] for points[i]; the points are the run's, with settings' FILT
// parameters, and second[i] the second inversion's level at the same time.
void estimateLevelErrors(const TimePoint* points, int count, const AnalysisSettings& settings,
                         const FiltLevel* second, double* errors);
