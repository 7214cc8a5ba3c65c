// Compiles: accepted statements, syntax messages with their lines, recovery at
// ";", END, and the depth of the parse stacks.
#include <gtest/gtest.h>

#include <string>

#include "lang_fixture.h"

namespace {

using ParserTest = LangTest;

std::string syntaxError(const std::string& line)
{
    return " syntax error \r\n [LINE] " + line + " \r\n";
}

std::string nested(int pairs, const std::string& inner)
{
    return std::string(pairs, '(') + inner + std::string(pairs, ')');
}

TEST_F(ParserTest, AcceptsEveryStatementKind)
{
    const char* accepted[] = {
        "",
        "  \r\n/* only a comment */\r\n",
        "K = 2 * T;",
        "G(s) = K / (1 + T * s);",
        "3 * s + 1;",
        "H(s);",
        "K = H;",
        "FREQ 0.1, 10, 80, ARITHMETIC;",
        "frequency 1, 2, 3, geometric;",
        "OMEGA 1, 100, 50, GEO;",
        "TIME 0, 5, 80;",
        "FILT 4.0, 0.0, 4.0, 0.2;",
        "PROBE H; PROBE H(s);",
        ";;;",
        "x = exp(1) + log(2) + ln(3) + sin(4) + cos(5) + tan(6) + sinh(7) + cosh(8) + tanh(9) + sqrt(10);",
        "a ** -b; a * -b; a - -b; - -a;",
    };
    for (const char* text : accepted) {
        EXPECT_EQ(compile(text), 0) << text;
        EXPECT_EQ(workAreas.errorCount, 0) << text;
        EXPECT_EQ(diagnostics(), "") << text;
    }
}

struct RejectedCase {
    const char* text;
    std::string diagnostics;
};

TEST_F(ParserTest, ReportsSyntaxErrorsWithTheLineOfTheOffendingToken)
{
    const RejectedCase cases[] = {
        {"H(s) = 1/s", syntaxError("H(s) = 1/s")},
        {"FREQ 0.1, 10, 80;", syntaxError("FREQ 0.1, 10, 80;")},
        {"K = s;", syntaxError("K = s;")},
        {"K = H(s);", syntaxError("K = H(s);")},
        {"H(2) = 1;", syntaxError("H(2) = 1;")},
        {"FILT 4.0, -1.0, 4.0, 0.2;", syntaxError("FILT 4.0, -1.0, 4.0, 0.2;")},
        {"TIME 1, 2, 3, GEO;", syntaxError("TIME 1, 2, 3, GEO;")},
        {"+1;", syntaxError("+1;")},
        {"a = = = ;", syntaxError("a = = = ;")},
        {"\r\nx = 1;\r\ny = 2 +;\r\n", syntaxError("y = 2 +;")},
        {"a = 1;\nb = #;", "WORD OR CHARACTER INVALID \r\n" + syntaxError("b = #;")},
        {"x = 1 /* open\r\n", syntaxError("x = 1 /* open")},
    };
    for (const RejectedCase& c : cases) {
        compile(c.text);
        EXPECT_EQ(diagnostics(), c.diagnostics) << c.text;
    }
}

TEST_F(ParserTest, ErrorAtTheEndOfTextGivesUp)
{
    EXPECT_EQ(compile("H(s) = 1/s"), 1);
    EXPECT_EQ(workAreas.errorCount, 1);
}

TEST_F(ParserTest, RecoversAtTheNextSemicolonAndCompilesTheRest)
{
    EXPECT_EQ(compile("a = 1;\r\nb = * 2;\r\nc = 3;\r\nd = 4 4;\r\ne = 5;\r\n"), 0);
    EXPECT_EQ(workAreas.errorCount, 2);
    EXPECT_EQ(diagnostics(), syntaxError("b = * 2;") + syntaxError("d = 4 4;"));
    EXPECT_EQ(workAreas.codeCount, 6) << "a, c and e: a push and a pop each";
    EXPECT_EQ(workAreas.code[2].value, 3);
    EXPECT_EQ(workAreas.code[5].operand, 5) << "e is the fifth name";
}

TEST_F(ParserTest, EndAcceptsAtOnceWithoutScanningFurther)
{
    EXPECT_EQ(compile("END"), 0);
    EXPECT_EQ(compile("a = 1; END b = = # $"), 0);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(workAreas.codeCount, 2);
    EXPECT_EQ(workAreas.identCount, 2) << "b was never scanned";
}

TEST_F(ParserTest, ANumberInside196ParenthesesFits)
{
    EXPECT_EQ(compile(nested(196, "1") + ";"), 0);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(workAreas.codeCount, 2);
}

TEST_F(ParserTest, A197thParenthesisOverflowsTheParseStack)
{
    const std::string line = nested(197, "1") + ";";
    EXPECT_EQ(compile("ok = 1;\r\n" + line), 2);
    EXPECT_EQ(workAreas.errorCount, 1);
    EXPECT_EQ(diagnostics(), " parser stack overflow \r\n [LINE] " + line.substr(0, 255) + " \r\n");
}

TEST_F(ParserTest, PowerChainsFitUpTo98Operators)
{
    auto chain = [](int operators) {
        std::string text = "x";
        for (int i = 0; i < operators; ++i)
            text += "**x";
        return text + ";";
    };
    EXPECT_EQ(compile(chain(98)), 0);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(compile(chain(99)), 2);
    EXPECT_EQ(workAreas.errorCount, 1);
}

TEST_F(ParserTest, EachCompileStartsAfresh)
{
    compile(nested(197, "1") + ";");
    EXPECT_EQ(compile("a = 1;"), 0);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(diagnostics(), "");
}

}  // namespace
