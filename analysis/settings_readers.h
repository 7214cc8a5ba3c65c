// The probe and the analysis setups written in the compiled program.
#pragma once
#include <cstdint>

// kNoProbe, kAnonymousProbe or an identifier number; the last PROBE statement
// or expression statement in code order decides.
int findProbe();

// 1 when the code holds a complete FREQ or OMEGA statement; the last statement wins.
int readFreqSettings(double& start, double& end, int& count, int16_t& inOmega, int16_t& arithmetic);

// 1 when the code holds both a TIME and a FILT statement; the last of each kind wins.
int readTimeSettings(double& start, double& end, int& count, double& a, double& b, double& k1, double& k2);

// A tick count as written in the program, truncated toward zero and held to the
// int range (a huge or not-a-number count must not be undefined behaviour).
int truncateCount(double value);
