// The scanner: program text in the source buffer to tokens, one per call.
#pragma once

enum Token {
    TOKEN_END_OF_TEXT = 0,
    TOKEN_INVALID = -1,
    TOKEN_ERROR = 256,
    TOKEN_IDENT = 257,
    TOKEN_S = 258,
    TOKEN_NUMBER = 259,
    TOKEN_FREQ = 260,
    TOKEN_OMEGA = 261,
    TOKEN_TIME = 262,
    TOKEN_FILT = 263,
    TOKEN_ARITH = 264,
    TOKEN_GEO = 265,
    TOKEN_LPAREN = 266,
    TOKEN_RPAREN = 267,
    TOKEN_COMMA = 268,
    TOKEN_SEMICOLON = 269,
    TOKEN_ASSIGN = 272,
    TOKEN_EXP = 273,
    TOKEN_LOG = 274,
    TOKEN_LN = 275,
    TOKEN_SIN = 276,
    TOKEN_COS = 277,
    TOKEN_TAN = 278,
    TOKEN_SINH = 279,
    TOKEN_COSH = 280,
    TOKEN_TANH = 281,
    TOKEN_SQRT = 282,
    TOKEN_PLUS = 283,
    TOKEN_MINUS = 284,
    TOKEN_TIMES = 285,
    TOKEN_DIVIDE = 286,
    TOKEN_PARALLEL = 287,
    TOKEN_POWER = 289,
    TOKEN_END = 290,
    TOKEN_PROBE = 291,
};

int scanToken();
int internIdentifier();
