#include "analysis/settings_readers.h"

#include <climits>
#include <cmath>

#include "analysis/analysis_settings.h"
#include "lang/workareas.h"

int truncateCount(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int findProbe()
{
    int probe = kNoProbe;
    for (int i = 0; i < workAreas.codeCount; ++i) {
        const Instruction& in = workAreas.code[i];
        if (in.opcode == SET_PROBE && in.operand >= 0)
            probe = in.operand;
        else if (in.opcode == POP_IDNT && in.operand == kAnonymousProbe)
            probe = kAnonymousProbe;
    }
    return probe;
}

int readFreqSettings(double& start, double& end, int& count, int16_t& inOmega, int16_t& arithmetic)
{
    // One bit per opcode from SET_FREQ_SEQ_TYPE on: the low four are FREQ's, the high four OMEGA's.
    constexpr unsigned kFreqParts = 0x0F;
    constexpr unsigned kOmegaParts = 0xF0;
    unsigned seen = 0;
    for (int i = 0; i < workAreas.codeCount; ++i) {
        const Instruction& in = workAreas.code[i];
        switch (in.opcode) {
        case SET_FREQ_SEQ_TYPE:
        case SET_OMEGA_SEQ_TYPE: arithmetic = in.operand == FREQ_SEQ_ARITH ? 1 : 0; break;
        case SET_FREQ_INITIAL:
        case SET_OMEGA_INITIAL: start = in.value; break;
        case SET_FREQ_FINAL:
        case SET_OMEGA_FINAL: end = in.value; break;
        case SET_FREQ_TICKS:
        case SET_OMEGA_TICKS: count = truncateCount(in.value); break;
        default: continue;
        }
        seen |= 1u << (in.opcode - SET_FREQ_SEQ_TYPE);
        inOmega = in.opcode >= SET_OMEGA_SEQ_TYPE ? 1 : 0;
    }
    return (seen & kFreqParts) == kFreqParts || (seen & kOmegaParts) == kOmegaParts ? 1 : 0;
}

int readTimeSettings(double& start, double& end, int& count, double& a, double& b, double& k1, double& k2)
{
    constexpr unsigned kAllTimeParts = (1u << (SET_FILT_K2 - SET_TIME_INITIAL + 1)) - 1;
    unsigned seen = 0;
    for (int i = 0; i < workAreas.codeCount; ++i) {
        const Instruction& in = workAreas.code[i];
        if (in.opcode < SET_TIME_INITIAL || in.opcode > SET_FILT_K2)
            continue;
        seen |= 1u << (in.opcode - SET_TIME_INITIAL);
        switch (in.opcode) {
        case SET_TIME_INITIAL: start = in.value; break;
        case SET_TIME_FINAL: end = in.value; break;
        case SET_TIME_TICKS: count = truncateCount(in.value); break;
        case SET_FILT_A: a = in.value; break;
        case SET_FILT_B: b = in.value; break;
        case SET_FILT_K1: k1 = in.value; break;
        case SET_FILT_K2: k2 = in.value; break;
        }
    }
    return seen == kAllTimeParts ? 1 : 0;
}
