// The error estimate's second inversion, computed in the same engine run as
// the run's own points and ahead of them: every time point's level with A
// raised and more terms, and the size of its sum.
#pragma once
#include "analysis/analysis_settings.h"
#include "analysis/evaluation_engine.h"
#include "analysis/filt_level_at.h"

// How much the second inversion raises A.
constexpr double kSecondInversionShiftOfA = 2;

// The second inversion's parameters for the run's FILT settings: A raised,
// twice the terms and then some, the more accurate inversion.
FiltParameters secondInversionParameters(const AnalysisSettings& settings);

class SecondInversionPlan : public EvaluationPlan {
public:
    // levels[i] for the run's point i; the times are read from
    // workAreas.filtPoints, which the run writes before it evaluates.
    SecondInversionPlan(int points, const FiltParameters& parameters, FiltLevel* levels)
        : points_(points), parameters_(parameters), levels_(levels)
    {
    }

    int pointCount() const override { return points_; }
    int evaluationsOf(int point) const override;
    void pointsOf(int first, int end, double* sRe, double* sIm) const override;
    void takeValues(int first, int end, const double* re, const double* im) override;

private:
    FiltPoint at(int point) const;

    const int points_;
    const FiltParameters parameters_;
    FiltLevel* levels_;
};
