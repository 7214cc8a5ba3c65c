// Whether the FILT parameters A and B can be used over a run's time range.
#pragma once
#include <string>

#include "analysis/analysis_settings.h"

// Every level is a sum of terms times e^(A + B·t) / t. Where that factor
// overflows, underflows or is not a number, every level is infinite, zero or
// not a number however good the program, so the run is refused instead. Empty
// when the factor is a normal number over the whole (bounded) time range, else
// the message for the compile output.
std::string filtParameterProblem(const AnalysisSettings& settings);
