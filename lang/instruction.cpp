// The names of the opcodes and function codes, as the code listing shows them.
#include "lang/instruction.h"

const char* const kCodeNames[kCodeNameCount] = {
    "", "PSH_IDNT", "POP_IDNT", "PSH_LEXPR", "POP_LEXPR", "PSH_NMBR", "PSH_S", "CAL",
    "SET_FREQ_SEQ_TYPE", "SET_FREQ_INITIAL", "SET_FREQ_FINAL", "SET_FREQ_TICKS",
    "SET_OMEGA_SEQ_TYPE", "SET_OMEGA_INITIAL", "SET_OMEGA_FINAL", "SET_OMEGA_TICKS",
    "SET_TIME_INITIAL", "SET_TIME_FINAL", "SET_TIME_TICKS",
    "SET_FILT_A", "SET_FILT_B", "SET_FILT_K1", "SET_FILT_K2", "SET_PROBE",
    "", "ADD", "SUB", "MUL", "DIV", "MIN", "POW", "EXP", "LOG", "LN",
    "SIN", "COS", "TAN", "SINH", "COSH", "TANH", "SQRT", "PARALLEL",
    "FREQ_SEQ_ARITH", "FREQ_SEQ_GEO",
};
