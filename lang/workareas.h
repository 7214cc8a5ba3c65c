// The interpreter's fixed-capacity work areas: one record for the whole process.
#pragma once
#include "lang/complex.h"
#include "lang/instruction.h"
#include "lang/result_points.h"

struct CompiledCode;

struct Node {
    int32_t kind;     // 1..17 operator/function, 100 number, 101 identifier, 102 s, 103 name(s)
    int32_t operand;  // identifier number for 101 and 103
    double value;     // the number for 100
    Node* left;
    Node* right;
};

enum NodeKind : int32_t {
    NODE_NUMBER = 100,
    NODE_IDENT = 101,
    NODE_S = 102,
    NODE_LEXPR = 103,
};

// The token's value handed to the parser: an identifier number or a number.
struct TokenValue {
    int ident = 0;
    double number = 0.0;
};

constexpr int kSourceCapacity = 16640;
constexpr int kSourceTextLimit = 16381;  // text bytes ever stored; the rest is scanner look-ahead room
constexpr int kLineCapacity = 1024;
constexpr int kLineTextLimit = 255;
constexpr int kDiagnosticsCapacity = 16640;
constexpr int kDiagnosticsCap = 16384;  // writing stops once this many bytes are written
constexpr int kNodeCapacity = 2048;
constexpr int kTokenCapacity = 65;
constexpr int kTokenTextLimit = 64;
constexpr int kCodeCapacity = 2048;
constexpr int kIdentCapacity = 1024;
constexpr int kIdentNameSize = 64;
constexpr int kEvalStackCapacity = 1024;
constexpr int kIdentValueCapacity = 1024;
constexpr int kResultCapacity = 2048;

struct WorkAreas {
    char* source = nullptr;
    char* lineText = nullptr;
    char* diagnostics = nullptr;
    Node* nodes = nullptr;
    char* token = nullptr;
    Instruction* code = nullptr;
    char (*identifiers)[kIdentNameSize] = nullptr;
    q_complex* evalStack = nullptr;
    q_complex* identValues = nullptr;
    FrequencyPoint* sweepPoints = nullptr;
    TimePoint* filtPoints = nullptr;
    CompiledCode* compiled = nullptr;  // the code in the form the engines run

    int sourcePos = 0;
    int diagLength = 0;
    int nodeCount = 0;
    int codeCount = 0;
    int identCount = 1;
    int errorCount = 0;
    int tokenLength = 0;
    TokenValue tokenValue;
    int divZeroCount = 0;
    q_complex anonymousResult;  // exists before any allocation, never reset

    // A refused node, instruction or name: the compile counts one error at its end.
    bool areaOverflowed = false;
    // The line of the last token: its start, and how far the text before the
    // token has been searched for line ends (tokens only move forward).
    int lineStart = 0;
    int lineSearchedTo = 0;
};

extern WorkAreas workAreas;

// Returns the number of areas that could not be obtained; 0 means all are held.
int allocWorkAreas();
void freeWorkAreas();
bool workAreasHeld();
void resetCompiler();
void appendDiagnostic(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Null when the node area is full (the overflow is reported).
Node* newNode(int kind, int operand, double value);
// Appends an area's overflow message and marks the compile as failed.
void reportAreaOverflow(const char* message);
