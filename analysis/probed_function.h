// The probed function of the compiled program, evaluated at any s for the
// readings taken after a run. The readings are taken only for programs whose
// value depends on s alone; the evaluations leave the value cells and the
// division count as the run left them, so the next run and everything the
// run shows stay as they were.
#pragma once
#include <vector>

#include "lang/complex.h"

class ProbedFunction {
public:
    explicit ProbedFunction(int probe);
    ~ProbedFunction();
    ProbedFunction(const ProbedFunction&) = delete;
    ProbedFunction& operator=(const ProbedFunction&) = delete;

    // Every value cell the program reads was written earlier in the same
    // evaluation, and the probe's own cell is written: its value at s does
    // not depend on the evaluations before.
    bool dependsOnSAlone() const { return dependsOnSAlone_; }

    q_complex at(q_complex s);
    q_complex atOmega(double omega) { return at(q_complex(0, omega)); }
    // The last evaluation met a divisor near zero (its value is the guarded quotient's).
    bool lastDividedByZero() const { return lastDividedByZero_; }

private:
    int probe_;
    bool dependsOnSAlone_;
    bool lastDividedByZero_ = false;
    std::vector<q_complex> savedCells_;
    q_complex savedAnonymousResult_;
    int savedDivZeroCount_;
};
