// One instruction of the internal stack code, with the opcode and function codes.
#pragma once
#include <cstdint>

struct Instruction {
    int32_t opcode;
    int32_t operand;
    double value;
};

enum Opcode : int32_t {
    OP_EMPTY = 0,
    PSH_IDNT = 1,
    POP_IDNT,
    PSH_LEXPR,
    POP_LEXPR,
    PSH_NMBR,
    PSH_S,
    CAL,
    SET_FREQ_SEQ_TYPE,
    SET_FREQ_INITIAL,
    SET_FREQ_FINAL,
    SET_FREQ_TICKS,
    SET_OMEGA_SEQ_TYPE,
    SET_OMEGA_INITIAL,
    SET_OMEGA_FINAL,
    SET_OMEGA_TICKS,
    SET_TIME_INITIAL,
    SET_TIME_FINAL,
    SET_TIME_TICKS,
    SET_FILT_A,
    SET_FILT_B,
    SET_FILT_K1,
    SET_FILT_K2,
    SET_PROBE = 23,
};

// Function codes: the operand of CAL and the kind of operator nodes.
enum FunctionCode : int32_t {
    FN_EMPTY = 0,
    FN_ADD = 1,
    FN_SUB,
    FN_MUL,
    FN_DIV,
    FN_MIN,
    FN_POW,
    FN_EXP,
    FN_LOG,
    FN_LN,
    FN_SIN,
    FN_COS,
    FN_TAN,
    FN_SINH,
    FN_COSH,
    FN_TANH,
    FN_SQRT,
    FN_PARALLEL = 17,
    FREQ_SEQ_ARITH = 18,
    FREQ_SEQ_GEO = 19,
};

constexpr int kLastOpcode = SET_PROBE;
constexpr int kFunctionNameBase = 24;
constexpr int kCodeNameCount = 44;

// Opcode k at index k (0..23), function code k at index 24 + k (24..43).
extern const char* const kCodeNames[kCodeNameCount];
