// The result records of the two analyses, held in the engine arrays and the view.
#pragma once
#include "lang/complex.h"

struct FrequencyPoint {
    double omega = 0.0;  // rad/s; the program was evaluated at s = j*omega
    q_complex value;
};

struct TimePoint {
    double t = 0.0;
    double level = 0.0;
};
