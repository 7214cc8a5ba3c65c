// Bracketing searches on a real function of one variable, to full double
// precision: a root between two points where the function changes sign, and
// the maximum inside an interval.
#pragma once
#include <functional>

using RealFunction = std::function<double(double)>;

// A root of f between a and b, given fa = f(a) and fb = f(b) of opposite signs
// (or one of them zero): Brent's method, bisection whenever interpolation
// would not shrink the bracket fast enough. Stops when the bracket is two
// neighbouring doubles.
double bracketedRoot(const RealFunction& f, double a, double b, double fa, double fb);

// The point of [a, b] where f is largest, for an f with one maximum inside:
// golden sections with parabolic steps (Brent), to the precision the
// function's rounding allows.
double maximumInside(const RealFunction& f, double a, double b);
