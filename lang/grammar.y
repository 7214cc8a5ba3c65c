/* The grammar of the transfer-function language: statements build one
   expression tree each, turned into stack code at their final ";". */

%code requires {
#include "lang/workareas.h"
}

%code {
#include <cstring>

#include "lang/codegen.h"
#include "lang/compiled_code.h"
#include "lang/parser.h"
#include "lang/scanner.h"

// Bison reports a full stack once it holds as many states as it has entries,
// so 201 entries hold the 200 states of the classic driver (a number inside
// 196 parentheses fits, 197 overflow). Equal initial and maximum depths keep
// the stacks in yyparse's frame: they are never reallocated.
#define YYINITDEPTH 201
#define YYMAXDEPTH 201

namespace {

int yylex(YYSTYPE* value);
void yyerror(const char* message);
Node* operatorNode(int kind, Node* left, Node* right);
void finishStatement(const Node* tree, int popOpcode, int operand);
void emitSetting(int opcode, double value);

}  // namespace
}

%define api.pure full
%define api.token.prefix {T_}
%expect 0

%union {
    Node* node;
    int ident;
    double number;
    int code;
}

/* The scanner's token numbers. */
%token <ident> IDENT 257 S 258
%token <number> NUMBER 259
%token FREQ 260 OMEGA 261 TIME 262 FILT 263 ARITH 264 GEO 265
%token LPAREN 266 "(" RPAREN 267 ")" COMMA 268 "," SEMICOLON 269 ";" ASSIGN 272 "="
%token EXP 273 LOG 274 LN 275 SIN 276 COS 277 TAN 278 SINH 279 COSH 280 TANH 281 SQRT 282
%token PLUS 283 "+" MINUS 284 "-" TIMES 285 "*" DIVIDE 286 "/" PARALLEL 287 "//"
%token POWER 289 "**" END 290 PROBE 291

%nterm <node> expr lexpr
%nterm <ident> lname
%nterm <code> seq_type function

%left "+" "-"
%left "*" "/" "//"
%precedence UMINUS
%right "**"

%%

program
    : stmt_list
    ;

stmt_list
    : %empty
    | stmt_list stmt
    ;

stmt
    : lexpr ";"               { finishStatement($1, POP_IDNT, -1); }
    | IDENT "=" expr ";"      { finishStatement($3, POP_IDNT, $1); }
    | lname "=" lexpr ";"     { finishStatement($3, POP_LEXPR, $1); }
    | FREQ NUMBER "," NUMBER "," NUMBER "," seq_type ";"
        {
            emitSetting(SET_FREQ_INITIAL, $2);
            emitSetting(SET_FREQ_FINAL, $4);
            emitSetting(SET_FREQ_TICKS, $6);
            emitInstruction(SET_FREQ_SEQ_TYPE, $8, 0);
        }
    | OMEGA NUMBER "," NUMBER "," NUMBER "," seq_type ";"
        {
            emitSetting(SET_OMEGA_INITIAL, $2);
            emitSetting(SET_OMEGA_FINAL, $4);
            emitSetting(SET_OMEGA_TICKS, $6);
            emitInstruction(SET_OMEGA_SEQ_TYPE, $8, 0);
        }
    | TIME NUMBER "," NUMBER "," NUMBER ";"
        {
            emitSetting(SET_TIME_INITIAL, $2);
            emitSetting(SET_TIME_FINAL, $4);
            emitSetting(SET_TIME_TICKS, $6);
        }
    | FILT NUMBER "," NUMBER "," NUMBER "," NUMBER ";"
        {
            emitSetting(SET_FILT_A, $2);
            emitSetting(SET_FILT_B, $4);
            emitSetting(SET_FILT_K1, $6);
            emitSetting(SET_FILT_K2, $8);
        }
    | PROBE IDENT ";"         { emitInstruction(SET_PROBE, $2, 0); }
    | PROBE lname ";"         { emitInstruction(SET_PROBE, $2, 0); }
    | ";"
    | error ";"               { yyerrok; workAreas.nodeCount = 0; }
    | END                     { YYACCEPT; }
    ;

seq_type
    : ARITH                   { $$ = FREQ_SEQ_ARITH; }
    | GEO                     { $$ = FREQ_SEQ_GEO; }
    ;

lname
    : IDENT "(" S ")"         { $$ = $1; }
    ;

function
    : EXP                     { $$ = FN_EXP; }
    | LOG                     { $$ = FN_LOG; }
    | LN                      { $$ = FN_LN; }
    | SIN                     { $$ = FN_SIN; }
    | COS                     { $$ = FN_COS; }
    | TAN                     { $$ = FN_TAN; }
    | SINH                    { $$ = FN_SINH; }
    | COSH                    { $$ = FN_COSH; }
    | TANH                    { $$ = FN_TANH; }
    | SQRT                    { $$ = FN_SQRT; }
    ;

/* An expression that may depend on s. */
lexpr
    : lexpr "+" lexpr         { $$ = operatorNode(FN_ADD, $1, $3); }
    | lexpr "-" lexpr         { $$ = operatorNode(FN_SUB, $1, $3); }
    | lexpr "*" lexpr         { $$ = operatorNode(FN_MUL, $1, $3); }
    | lexpr "/" lexpr         { $$ = operatorNode(FN_DIV, $1, $3); }
    | lexpr "//" lexpr        { $$ = operatorNode(FN_PARALLEL, $1, $3); }
    | lexpr "**" lexpr        { $$ = operatorNode(FN_POW, $1, $3); }
    | "-" lexpr %prec UMINUS  { $$ = operatorNode(FN_MIN, $2, nullptr); }
    | function "(" lexpr ")"  { $$ = operatorNode($1, $3, nullptr); }
    | "(" lexpr ")"           { $$ = $2; }
    | IDENT                   { $$ = newNode(NODE_IDENT, $1, 0); }
    | NUMBER                  { $$ = newNode(NODE_NUMBER, 0, $1); }
    | S                       { $$ = newNode(NODE_S, 0, 0); }
    | lname                   { $$ = newNode(NODE_LEXPR, $1, 0); }
    ;

/* A constant expression: no s and no name(s). */
expr
    : expr "+" expr           { $$ = operatorNode(FN_ADD, $1, $3); }
    | expr "-" expr           { $$ = operatorNode(FN_SUB, $1, $3); }
    | expr "*" expr           { $$ = operatorNode(FN_MUL, $1, $3); }
    | expr "/" expr           { $$ = operatorNode(FN_DIV, $1, $3); }
    | expr "//" expr          { $$ = operatorNode(FN_PARALLEL, $1, $3); }
    | expr "**" expr          { $$ = operatorNode(FN_POW, $1, $3); }
    | "-" expr %prec UMINUS   { $$ = operatorNode(FN_MIN, $2, nullptr); }
    | function "(" expr ")"   { $$ = operatorNode($1, $3, nullptr); }
    | "(" expr ")"            { $$ = $2; }
    | IDENT                   { $$ = newNode(NODE_IDENT, $1, 0); }
    | NUMBER                  { $$ = newNode(NODE_NUMBER, 0, $1); }
    ;

%%

namespace {

// The grammar repeats the scanner's token numbers; the two lists must agree.
constexpr int kTokenPairs[][2] = {
    {T_IDENT, TOKEN_IDENT}, {T_S, TOKEN_S}, {T_NUMBER, TOKEN_NUMBER}, {T_FREQ, TOKEN_FREQ},
    {T_OMEGA, TOKEN_OMEGA}, {T_TIME, TOKEN_TIME}, {T_FILT, TOKEN_FILT}, {T_ARITH, TOKEN_ARITH},
    {T_GEO, TOKEN_GEO}, {T_LPAREN, TOKEN_LPAREN}, {T_RPAREN, TOKEN_RPAREN}, {T_COMMA, TOKEN_COMMA},
    {T_SEMICOLON, TOKEN_SEMICOLON}, {T_ASSIGN, TOKEN_ASSIGN}, {T_EXP, TOKEN_EXP}, {T_LOG, TOKEN_LOG},
    {T_LN, TOKEN_LN}, {T_SIN, TOKEN_SIN}, {T_COS, TOKEN_COS}, {T_TAN, TOKEN_TAN}, {T_SINH, TOKEN_SINH},
    {T_COSH, TOKEN_COSH}, {T_TANH, TOKEN_TANH}, {T_SQRT, TOKEN_SQRT}, {T_PLUS, TOKEN_PLUS},
    {T_MINUS, TOKEN_MINUS}, {T_TIMES, TOKEN_TIMES}, {T_DIVIDE, TOKEN_DIVIDE},
    {T_PARALLEL, TOKEN_PARALLEL}, {T_POWER, TOKEN_POWER}, {T_END, TOKEN_END}, {T_PROBE, TOKEN_PROBE},
};

constexpr bool tokensAgree()
{
    for (const auto& pair : kTokenPairs) {
        if (pair[0] != pair[1])
            return false;
    }
    return true;
}

static_assert(tokensAgree(), "the grammar and the scanner number the tokens alike");

int yylex(YYSTYPE* value)
{
    const int token = scanToken();
    if (token == TOKEN_IDENT || token == TOKEN_S)
        value->ident = workAreas.tokenValue.ident;
    else if (token == TOKEN_NUMBER)
        value->number = workAreas.tokenValue.number;
    return token;
}

// Bison calls this for a syntax error and for a full stack; its own wording
// for the second never reaches the user.
void yyerror(const char* message)
{
    const bool stackFull = std::strcmp(message, "memory exhausted") == 0;
    ++workAreas.errorCount;
    appendDiagnostic(" %s \r\n [LINE] %s \r\n", stackFull ? "parser stack overflow" : "syntax error",
                     workAreas.lineText);
}

// A refused node (full area) leaves a gap in the tree; the compile fails anyway.
Node* operatorNode(int kind, Node* left, Node* right)
{
    Node* node = newNode(kind, 0, 0);
    if (node != nullptr) {
        node->left = left;
        node->right = right;
    }
    return node;
}

void finishStatement(const Node* tree, int popOpcode, int operand)
{
    generateCode(tree);
    emitInstruction(popOpcode, operand, 0);
    workAreas.nodeCount = 0;
}

void emitSetting(int opcode, double value)
{
    emitInstruction(opcode, 0, value);
}

}  // namespace

int compileProgram()
{
    const int result = yyparse();
    if (workAreas.areaOverflowed)
        ++workAreas.errorCount;
    if (workAreas.errorCount == 0)
        compileInternalCode();
    return result;
}
