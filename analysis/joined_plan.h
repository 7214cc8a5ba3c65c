// Two evaluation plans run as one: the first plan's points, then the
// second's, in the same batches, threads and progress. The cells a run leaves
// are those of the second plan's last point, as if it had run alone.
#pragma once
#include "analysis/evaluation_engine.h"

class JoinedPlan : public EvaluationPlan {
public:
    JoinedPlan(EvaluationPlan& first, EvaluationPlan& second) : first_(first), second_(second) {}

    int pointCount() const override { return first_.pointCount() + second_.pointCount(); }
    int evaluationsOf(int point) const override;
    void pointsOf(int first, int end, double* sRe, double* sIm) const override;
    void takeValues(int first, int end, const double* re, const double* im) override;

private:
    // take(plan, from, to, offset) for the points of first .. end in each
    // plan; offset counts the evaluations before them in the whole range.
    template <typename Take>
    void eachPart(int first, int end, Take take) const;

    EvaluationPlan& first_;
    EvaluationPlan& second_;
};
