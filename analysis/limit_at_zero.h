// The value of the probed function, or of s times it, as s goes to 0: taken
// at s = 0 itself when the program evaluates there cleanly, otherwise as a
// limit along the positive real axis (a removable 0/0 such as
// (1 - exp(-s))/s, or s F(s) for an F with a pole at 0).
#pragma once
#include <optional>

#include "analysis/probed_function.h"

// None when the values near 0 do not settle on a finite number.
std::optional<q_complex> valueAtZero(ProbedFunction& h);
std::optional<q_complex> sTimesValueAtZero(ProbedFunction& h);
