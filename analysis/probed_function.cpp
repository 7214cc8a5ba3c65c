#include "analysis/probed_function.h"

#include <algorithm>

#include "lang/compiled_code.h"
#include "lang/evaluator.h"
#include "lang/workareas.h"

ProbedFunction::ProbedFunction(int probe)
    : probe_(probe),
      dependsOnSAlone_(currentCompiledCode().runsIndependently(probe)),
      savedCells_(workAreas.identValues, workAreas.identValues + workAreas.identCount),
      savedAnonymousResult_(workAreas.anonymousResult),
      savedDivZeroCount_(workAreas.divZeroCount)
{
}

ProbedFunction::~ProbedFunction()
{
    std::copy(savedCells_.begin(), savedCells_.end(), workAreas.identValues);
    workAreas.anonymousResult = savedAnonymousResult_;
    workAreas.divZeroCount = savedDivZeroCount_;
}

q_complex ProbedFunction::at(q_complex s)
{
    const int divisionsBefore = workAreas.divZeroCount;
    const q_complex value = evaluateProgram(s, probe_);
    lastDividedByZero_ = workAreas.divZeroCount != divisionsBefore;
    return value;
}
