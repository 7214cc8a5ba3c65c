#include "analysis/joined_plan.h"

#include <algorithm>

template <typename Take>
void JoinedPlan::eachPart(int first, int end, Take take) const
{
    const int split = first_.pointCount();
    const int firstEnd = std::min(end, split);
    long long offset = 0;
    if (first < firstEnd) {
        take(first_, first, firstEnd, 0);
        for (int point = first; point < firstEnd; ++point)
            offset += first_.evaluationsOf(point);
    }
    if (end > split)
        take(second_, std::max(first, split) - split, end - split, offset);
}

int JoinedPlan::evaluationsOf(int point) const
{
    const int split = first_.pointCount();
    return point < split ? first_.evaluationsOf(point) : second_.evaluationsOf(point - split);
}

void JoinedPlan::pointsOf(int first, int end, double* sRe, double* sIm) const
{
    eachPart(first, end, [sRe, sIm](const EvaluationPlan& plan, int from, int to, long long offset) {
        plan.pointsOf(from, to, sRe + offset, sIm + offset);
    });
}

void JoinedPlan::takeValues(int first, int end, const double* re, const double* im)
{
    eachPart(first, end, [re, im](EvaluationPlan& plan, int from, int to, long long offset) {
        plan.takeValues(from, to, re + offset, im + offset);
    });
}
