// The scanner: keywords by prefix, names, numbers and single characters, with
// the identifier table and the line buffer for the syntax messages.
#include "lang/scanner.h"

#include <cstring>

#include "lang/number_text.h"
#include "lang/workareas.h"

namespace {

struct Keyword {
    const char* text;
    int token;
};

// Compared longest first against the upper-cased text, whatever follows: a name
// can never begin with a keyword (TIMER is TIME and R).
constexpr Keyword kKeywords[] = {
    {"ARITHMETIC", TOKEN_ARITH},
    {"GEOMETRIC", TOKEN_GEO}, {"FREQUENCY", TOKEN_FREQ},
    {"OMEGA", TOKEN_OMEGA}, {"ARITH", TOKEN_ARITH}, {"PROBE", TOKEN_PROBE},
    {"FREQ", TOKEN_FREQ}, {"TIME", TOKEN_TIME}, {"FILT", TOKEN_FILT}, {"SINH", TOKEN_SINH},
    {"COSH", TOKEN_COSH}, {"TANH", TOKEN_TANH}, {"SQRT", TOKEN_SQRT},
    {"GEO", TOKEN_GEO}, {"END", TOKEN_END}, {"EXP", TOKEN_EXP}, {"LOG", TOKEN_LOG},
    {"SIN", TOKEN_SIN}, {"COS", TOKEN_COS}, {"TAN", TOKEN_TAN},
    {"LN", TOKEN_LN}, {"**", TOKEN_POWER}, {"//", TOKEN_PARALLEL},
};

struct SingleCharacter {
    char text;
    int token;
};

constexpr SingleCharacter kSingleCharacters[] = {
    {'+', TOKEN_PLUS}, {'-', TOKEN_MINUS}, {'*', TOKEN_TIMES},
    {'/', TOKEN_DIVIDE}, {'=', TOKEN_ASSIGN}, {'(', TOKEN_LPAREN},
    {')', TOKEN_RPAREN}, {',', TOKEN_COMMA}, {';', TOKEN_SEMICOLON},
};

bool isEndOfText(char c)
{
    return c == '\0' || static_cast<unsigned char>(c) == 0xFF;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Letters are ASCII only: the bytes of double-byte characters start no token.
bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char upperCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Moves pos to the first byte of the next token; false when the text ends first.
// Comments do not nest, and an unterminated one runs to the end of the text.
bool skipBlanksAndComments(const char* text, int& pos)
{
    for (;;) {
        while (isBlank(text[pos]))
            ++pos;
        if (isEndOfText(text[pos]))
            return false;
        if (text[pos] != '/' || text[pos + 1] != '*')
            return true;
        pos += 2;
        while (text[pos] != '*' || text[pos + 1] != '/') {
            if (isEndOfText(text[pos]))
                return false;
            ++pos;
        }
        pos += 2;
    }
}

// Tokens only move forward, so the search for the line start resumes where
// the previous token's search stopped instead of rescanning the text.
void updateLineText(const char* text, int tokenStart)
{
    WorkAreas& w = workAreas;
    if (tokenStart < w.lineSearchedTo) {
        w.lineStart = 0;
        w.lineSearchedTo = 0;
    }
    for (int i = tokenStart - 1; i >= w.lineSearchedTo; --i) {
        if (isLineEnd(text[i])) {
            w.lineStart = i + 1;
            break;
        }
    }
    w.lineSearchedTo = tokenStart;
    int length = 0;
    const char* line = text + w.lineStart;
    while (length < kLineTextLimit && line[length] != '\0' && !isLineEnd(line[length])) {
        w.lineText[length] = line[length];
        ++length;
    }
    w.lineText[length] = '\0';
}

bool matchesKeyword(const char* text, const char* keyword)
{
    for (int i = 0; keyword[i] != '\0'; ++i) {
        if (upperCase(text[i]) != keyword[i])
            return false;
    }
    return true;
}

int scanName(const char* text, int& pos)
{
    WorkAreas& w = workAreas;
    int length = 0;
    w.tokenLength = 0;
    while (isLetter(text[pos]) || isDigit(text[pos])) {
        if (w.tokenLength < kTokenTextLimit)
            w.token[w.tokenLength++] = text[pos];
        ++length;
        ++pos;
    }
    w.token[w.tokenLength] = '\0';
    if (length >= kTokenTextLimit) {
        ++w.errorCount;
        appendDiagnostic("%s \r\n", "IDENT SIZE TOO LONG");
    }
    if (std::strcmp(w.token, "s") == 0 || std::strcmp(w.token, "S") == 0) {
        w.tokenValue.ident = 0;
        return TOKEN_S;
    }
    w.tokenValue.ident = internIdentifier();
    return TOKEN_IDENT;
}

int scanNumber(const char* text, int& pos)
{
    const int length = numberLength(text + pos);
    workAreas.tokenValue.number = convertNumber(text + pos, length);
    pos += length;
    return TOKEN_NUMBER;
}

int scanAt(const char* text, int& pos)
{
    for (const Keyword& keyword : kKeywords) {
        if (matchesKeyword(text + pos, keyword.text)) {
            pos += static_cast<int>(std::strlen(keyword.text));
            return keyword.token;
        }
    }
    const char first = text[pos];
    for (const SingleCharacter& single : kSingleCharacters) {
        if (first == single.text) {
            ++pos;
            return single.token;
        }
    }
    if (isLetter(first))
        return scanName(text, pos);
    if (isDigit(first) || (first == '.' && isDigit(text[pos + 1])))
        return scanNumber(text, pos);
    ++pos;
    ++workAreas.errorCount;
    appendDiagnostic("%s \r\n", "WORD OR CHARACTER INVALID");
    return TOKEN_INVALID;
}

}  // namespace

int scanToken()
{
    WorkAreas& w = workAreas;
    const char* text = w.source;
    int pos = w.sourcePos;
    if (!skipBlanksAndComments(text, pos)) {
        w.sourcePos = pos;
        return TOKEN_END_OF_TEXT;
    }
    updateLineText(text, pos);
    const int token = scanAt(text, pos);
    w.sourcePos = pos;
    return token;
}

// An over-long name is entered, and found again, by its first 63 characters.
int internIdentifier()
{
    WorkAreas& w = workAreas;
    constexpr size_t kStoredLength = kIdentNameSize - 1;
    for (int i = 0; i < w.identCount; ++i) {
        if (std::strncmp(w.token, w.identifiers[i], kStoredLength) == 0)
            return i;
    }
    if (w.identCount >= kIdentCapacity) {
        reportAreaOverflow("ERROR : pool-area over-flow.");
        return 0;
    }
    char* entry = w.identifiers[w.identCount];
    std::strncpy(entry, w.token, kStoredLength);
    entry[kStoredLength] = '\0';
    return w.identCount++;
}
