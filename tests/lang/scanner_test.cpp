// Tokens, names, numbers, comments, the line buffer and the scanner's messages.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "lang/scanner.h"
#include "lang_fixture.h"

namespace {

class ScannerTest : public LangTest {
protected:
    // Every token up to and including the end (0) or an invalid character (-1).
    std::vector<int> scanAll(const std::string& text)
    {
        resetCompiler();
        setSource(text);
        std::vector<int> tokens;
        for (;;) {
            const int token = scanToken();
            tokens.push_back(token);
            if (token <= 0)
                return tokens;
        }
    }

    // The value of the single number that text is.
    double numberOf(const std::string& text)
    {
        const std::vector<int> tokens = scanAll(text);
        EXPECT_EQ(tokens, (std::vector<int>{TOKEN_NUMBER, TOKEN_END_OF_TEXT})) << text;
        return workAreas.tokenValue.number;
    }
};

struct TokenCase {
    const char* text;
    std::vector<int> tokens;
};

constexpr int kEnd = TOKEN_END_OF_TEXT;

TEST_F(ScannerTest, SplitsTheTextIntoTokens)
{
    const TokenCase cases[] = {
        {"TIMER", {TOKEN_TIME, TOKEN_IDENT, kEnd}},
        {"sinus", {TOKEN_SIN, TOKEN_IDENT, kEnd}},
        {"endpoint", {TOKEN_END, TOKEN_IDENT, kEnd}},
        {"Freq2", {TOKEN_FREQ, TOKEN_NUMBER, kEnd}},
        {"COST", {TOKEN_COS, TOKEN_IDENT, kEnd}},
        {"GEOMETRIC;", {TOKEN_GEO, TOKEN_SEMICOLON, kEnd}},
        {"geometric Geometric GEO", {TOKEN_GEO, TOKEN_GEO, TOKEN_GEO, kEnd}},
        {"arithmetic Arith frequency omega", {TOKEN_ARITH, TOKEN_ARITH, TOKEN_FREQ, TOKEN_OMEGA, kEnd}},
        {"s S s1 ss sa sqrt", {TOKEN_S, TOKEN_S, TOKEN_IDENT, TOKEN_IDENT, TOKEN_IDENT, TOKEN_SQRT, kEnd}},
        {"exp log ln sin cos tan sinh cosh tanh probe time filt",
         {TOKEN_EXP, TOKEN_LOG, TOKEN_LN, TOKEN_SIN, TOKEN_COS, TOKEN_TAN, TOKEN_SINH, TOKEN_COSH,
          TOKEN_TANH, TOKEN_PROBE, TOKEN_TIME, TOKEN_FILT, kEnd}},
        {"+-*/=(),;", {TOKEN_PLUS, TOKEN_MINUS, TOKEN_TIMES, TOKEN_DIVIDE, TOKEN_ASSIGN, TOKEN_LPAREN,
                       TOKEN_RPAREN, TOKEN_COMMA, TOKEN_SEMICOLON, kEnd}},
        {"a//b", {TOKEN_IDENT, TOKEN_PARALLEL, TOKEN_IDENT, kEnd}},
        {"a***b", {TOKEN_IDENT, TOKEN_POWER, TOKEN_TIMES, TOKEN_IDENT, kEnd}},
        {"a/*b*/c", {TOKEN_IDENT, TOKEN_IDENT, kEnd}},
        {"a / * b", {TOKEN_IDENT, TOKEN_DIVIDE, TOKEN_TIMES, TOKEN_IDENT, kEnd}},
        {"2end", {TOKEN_NUMBER, TOKEN_END, kEnd}},
        {"0x10", {TOKEN_NUMBER, TOKEN_IDENT, kEnd}},
        {"1.5e", {TOKEN_NUMBER, TOKEN_IDENT, kEnd}},
        {"2e+", {TOKEN_NUMBER, TOKEN_IDENT, TOKEN_PLUS, kEnd}},
        {" \t\r\n/* one */ /* two */ ", {kEnd}},
        {"x /* never closed", {TOKEN_IDENT, kEnd}},
        {"x /*/ y", {TOKEN_IDENT, kEnd}},
        {"x \xFF y", {TOKEN_IDENT, kEnd}},
        {"a_b", {TOKEN_IDENT, TOKEN_INVALID}},
        {".x", {TOKEN_INVALID}},
        {"\x95\x5C", {TOKEN_INVALID}},  // a double-byte character: its bytes start no token
    };
    for (const TokenCase& c : cases)
        EXPECT_EQ(scanAll(c.text), c.tokens) << c.text;
}

TEST_F(ScannerTest, ConvertsNumbersLikeTheCLibrary)
{
    EXPECT_EQ(numberOf("2d3"), 2000.0);
    EXPECT_EQ(numberOf("2e3"), 2000.0);
    EXPECT_EQ(numberOf("2D-3"), 0.002);
    EXPECT_EQ(numberOf("1."), 1.0);
    EXPECT_EQ(numberOf(".5"), 0.5);
    EXPECT_EQ(numberOf("1.2"), 1.2);
    EXPECT_EQ(numberOf("0.1"), 0.1);
    EXPECT_EQ(numberOf("12.5E+1"), 125.0);
    EXPECT_EQ(numberOf("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(numberOf("1e-999"), 0.0);
    EXPECT_EQ(numberOf(std::string(400, '9') + "e-400"), 1.0);
}

TEST_F(ScannerTest, NumbersIgnoreADecimalCommaLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale on this machine";
    EXPECT_EQ(numberOf("1.25"), 1.25);
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST_F(ScannerTest, NumbersNamesInOrderOfFirstAppearance)
{
    scanAll("Gain gain Gain x");
    ASSERT_EQ(workAreas.identCount, 4);
    EXPECT_STREQ(workAreas.identifiers[0], "s");
    EXPECT_STREQ(workAreas.identifiers[1], "Gain");
    EXPECT_STREQ(workAreas.identifiers[2], "gain");
    EXPECT_STREQ(workAreas.identifiers[3], "x");
    EXPECT_EQ(workAreas.tokenValue.ident, 3);
}

TEST_F(ScannerTest, TokenValueOfSIsZero)
{
    scanAll("abc s");
    EXPECT_EQ(workAreas.tokenValue.ident, 0);
    EXPECT_EQ(workAreas.identCount, 2);
}

TEST_F(ScannerTest, NameOfSixtyThreeCharactersIsEnteredWhole)
{
    const std::string name(63, 'a');
    scanAll(name);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(std::string(workAreas.identifiers[1]), name);
}

TEST_F(ScannerTest, NameOfSixtyFourCharactersIsAnError)
{
    const std::string name(70, 'b');
    EXPECT_EQ(scanAll(name + " " + name), (std::vector<int>{TOKEN_IDENT, TOKEN_IDENT, TOKEN_END_OF_TEXT}));
    EXPECT_EQ(workAreas.errorCount, 2);
    EXPECT_EQ(diagnostics(), "IDENT SIZE TOO LONG \r\nIDENT SIZE TOO LONG \r\n");
    EXPECT_EQ(workAreas.tokenLength, 64);
    EXPECT_EQ(workAreas.identCount, 2) << "both spellings are one name";
    EXPECT_EQ(std::string(workAreas.identifiers[1]), std::string(63, 'b'));
}

TEST_F(ScannerTest, InvalidCharacterIsCountedAndEndsTheTokens)
{
    EXPECT_EQ(scanAll("a # b"), (std::vector<int>{TOKEN_IDENT, TOKEN_INVALID}));
    EXPECT_EQ(workAreas.errorCount, 1);
    EXPECT_EQ(diagnostics(), "WORD OR CHARACTER INVALID \r\n");
}

TEST_F(ScannerTest, LineTextIsTheLineOfTheCurrentToken)
{
    resetCompiler();
    setSource("\r\nfirst line;\r\n  second\tline;\nthird");
    scanToken();
    EXPECT_STREQ(workAreas.lineText, "first line;");
    for (int i = 0; i < 3; ++i)
        scanToken();
    EXPECT_STREQ(workAreas.lineText, "  second\tline;");
    for (int i = 0; i < 3; ++i)
        scanToken();
    EXPECT_STREQ(workAreas.lineText, "third");
    EXPECT_EQ(scanToken(), TOKEN_END_OF_TEXT);
    EXPECT_STREQ(workAreas.lineText, "third");
}

TEST_F(ScannerTest, EndOfTextLeavesTheLineOfTheLastToken)
{
    resetCompiler();
    setSource("x\r\n\r\n/* trailing */\r\n");
    scanToken();
    EXPECT_EQ(scanToken(), TOKEN_END_OF_TEXT);
    EXPECT_STREQ(workAreas.lineText, "x");
}

TEST_F(ScannerTest, LineTextHoldsAtMost255Characters)
{
    resetCompiler();
    setSource(std::string(300, ' ') + "x");
    scanToken();
    EXPECT_EQ(std::string(workAreas.lineText), std::string(255, ' '));
}

TEST_F(ScannerTest, IdentifierTableHolds1023Names)
{
    std::string text;
    for (int i = 1; i <= 1024; ++i)
        text += "n" + std::to_string(i) + " ";
    resetCompiler();
    setSource(text);
    for (int i = 1; i <= 1023; ++i)
        ASSERT_EQ(scanToken(), TOKEN_IDENT);
    EXPECT_EQ(workAreas.identCount, kIdentCapacity);
    EXPECT_EQ(workAreas.diagLength, 0);
    EXPECT_EQ(workAreas.tokenValue.ident, 1023);

    EXPECT_EQ(scanToken(), TOKEN_IDENT);
    EXPECT_EQ(diagnostics(), "ERROR : pool-area over-flow. \r\n");
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(workAreas.identCount, kIdentCapacity);
}

}  // namespace
