// The stack machine over the compiled form: evaluations one s at a time, with
// the same results, value cells and division count as the evaluator itself.
#pragma once
#include "lang/complex.h"

// Runs the compiled form of the current code (currentCompiledCode(), which
// must be complete) once; probe as for evaluateProgram.
q_complex evaluateCompiled(q_complex s, int probe);

// Runs it at the n points sRe[k] + sIm[k]j in order, the probe's values to
// valueRe[k] and valueIm[k].
void evaluateCompiledInOrder(const double* sRe, const double* sIm, int n, int probe, double* valueRe,
                             double* valueIm);
