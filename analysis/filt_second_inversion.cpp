#include "analysis/filt_second_inversion.h"

#include "lang/workareas.h"

namespace {

constexpr double kTermFactor = 2;
constexpr double kExtraPairs = 2;

}  // namespace

FiltParameters secondInversionParameters(const AnalysisSettings& s)
{
    return FiltParameters{s.filtA + kSecondInversionShiftOfA, s.filtB, kTermFactor * s.filtK1 + kExtraPairs,
                          kTermFactor * s.filtK2};
}

FiltPoint SecondInversionPlan::at(int point) const
{
    const FiltParameters& p = parameters_;
    return filtPointAt(workAreas.filtPoints[point].t, p.a, p.b, p.k1, p.k2);
}

int SecondInversionPlan::evaluationsOf(int point) const
{
    return filtTermCount(at(point));
}

void SecondInversionPlan::pointsOf(int first, int end, double* sRe, double* sIm) const
{
    for (int point = first; point < end; ++point) {
        const FiltPoint p = at(point);
        filtTermValuesOfS(p, sRe, sIm);
        sRe += filtTermCount(p);
        sIm += filtTermCount(p);
    }
}

void SecondInversionPlan::takeValues(int first, int end, const double*, const double* im)
{
    for (int point = first; point < end; ++point) {
        const FiltPoint p = at(point);
        levels_[point] = filtLevelOf(p, im);
        im += filtTermCount(p);
    }
}
