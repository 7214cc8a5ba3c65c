// The stack machine that runs the compiled program for one value of s.
#pragma once
#include "lang/complex.h"

// probe -1: the anonymous result; 0 or more: that identifier's value cell.
q_complex evaluateProgram(q_complex s, int probe);
q_complex evaluateAtOmega(double omega, int probe);
