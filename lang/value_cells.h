// The values the program's names and its anonymous result hold between
// evaluations. A run that is stopped puts them back, so that the next run
// starts from what the last finished run left, as if the stopped one had
// never started.
#pragma once
#include <vector>

#include "lang/complex.h"

struct ValueCells {
    std::vector<q_complex> named;
    q_complex anonymous;
};

// Empty when the work areas are not held.
ValueCells saveValueCells();
void restoreValueCells(const ValueCells& cells);
