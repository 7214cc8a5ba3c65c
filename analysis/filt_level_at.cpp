#include "analysis/filt_level_at.h"

#include <cmath>
#include <vector>

#include "analysis/filt_inverse.h"

FiltLevel filtLevelOf(const FiltPoint& point, const double* imF)
{
    double magnitude = 0;
    for (int k = 0; k < filtTermCount(point); ++k)
        magnitude += std::abs(imF[k]);
    return FiltLevel{filtLevel(point, imF), std::abs(point.scale) * magnitude};
}

FiltLevel filtLevelAt(ProbedFunction& h, double t, const FiltParameters& p)
{
    const FiltPoint point = filtPointAt(t, p.a, p.b, p.k1, p.k2);
    const int terms = filtTermCount(point);
    std::vector<double> omegas(terms);
    std::vector<double> imF(terms);
    filtTermOmegas(point, omegas.data());
    for (int k = 0; k < terms; ++k)
        imF[k] = h.at(q_complex(point.sigma, omegas[k])).im;
    return filtLevelOf(point, imF.data());
}
