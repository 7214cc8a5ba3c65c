// The sweep and time setups that the analysis runs use, with their start values.
#pragma once

struct AnalysisSettings {
    double sweepStart = 0.1;   // Hz when sweepInOmega is 0, rad/s when 1
    double sweepEnd = 20.0;
    int sweepCount = 80;
    int sweepInOmega = 1;
    int sweepArithmetic = 1;   // 1 equal steps, 0 equal ratios
    int useProgramFreq = 0;    // 1: a Bode run takes the five fields above from FREQ/OMEGA

    double timeStart = 0.1;
    double timeEnd = 4.0;
    int timeCount = 40;
    double filtA = 4.0;
    double filtB = 0.0;
    double filtK1 = 4.0;
    double filtK2 = 0.2;
    int useProgramTime = 0;    // 1: a FILT run takes the seven fields above from TIME and FILT
    int filtErrorEstimate = 0; // 1: a FILT run also estimates the error of every level
};

// Probe values besides identifier numbers (0 or more).
constexpr int kNoProbe = -2;
constexpr int kAnonymousProbe = -1;
