// What a clean run reads off its result besides the points: stability margins
// after a Bode run, step-response figures after a FILT run. A reading that
// does not exist (no crossing in the swept range, no final value) holds no
// value, never a zero.
#pragma once
#include <optional>

using Reading = std::optional<double>;

struct BodeReadings {
    Reading gainCrossover;   // rad/s, where the gain is 0 dB
    Reading phaseMargin;     // degrees, 180 + the phase there, within (-180, 180]
    Reading phaseCrossover;  // rad/s, where the phase is an odd multiple of -180 degrees
    Reading gainMargin;      // dB, minus the gain there
    Reading bandwidth;       // rad/s, where the gain first falls 3 dB below the gain at s = 0
    Reading peakGain;        // dB, the largest gain in the swept range
    Reading peakOmega;       // rad/s, where it lies
};

struct StepReadings {
    Reading finalValue;      // the limit of s F(s) as s goes to 0
    Reading riseTime;        // s, from 10 % to 90 % of the final value
    Reading overshoot;       // percent of the final value
    Reading peakTime;        // s
    Reading settlingTime;    // s, from when the response stays within 2 % of the final value
    Reading maxErrorEstimate;  // the FILT error estimate's largest value, when it was asked for
};

enum ReadingsState {
    READINGS_NONE,          // no clean run yet, or the run failed
    READINGS_TAKEN,
    READINGS_NOT_PURE,      // the program reads values left by earlier evaluations
};

struct RunReadings {
    ReadingsState state = READINGS_NONE;
    BodeReadings bode;
    StepReadings step;
};
