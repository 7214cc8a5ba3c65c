// Conversions between UTF-8 and code page 932, and the source text of a compile.
#include <gtest/gtest.h>

#include <string>

#include "lang/encoding.h"
#include "lang_fixture.h"

namespace {

const std::string kKanji = "\xE8\xA1\xA8";             // 表, 0x95 0x5C in code page 932
const std::string kEmoji = "\xF0\x9F\x98\x80";         // not in code page 932
const std::string kHalfWidthA = "\xEF\xBD\xB1";        // ｱ, the single byte 0xB1
const std::string kReplacement = "\xEF\xBF\xBD";

TEST(EncodingTest, RecognisesWellFormedUtf8)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true}, {"plain ASCII\r\n", true}, {kKanji + kEmoji + kHalfWidthA, true},
        {"\xC3\xA9", true}, {"\xF4\x8F\xBF\xBF", true},
        {"\xC0\xAF", false},           // overlong
        {"\xE0\x80\xAF", false},       // overlong
        {"\xED\xA0\x80", false},       // surrogate
        {"\xF4\x90\x80\x80", false},   // above U+10FFFF
        {"\xE8\xA1", false},           // cut short
        {"\x80", false}, {"\xFF", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidUtf8(c.first), c.second) << c.first;
}

TEST(EncodingTest, ReplacingConversionMarksEachUnrepresentableCharacter)
{
    EXPECT_EQ(utf8ToCp932Replacing("a" + kKanji + "b"), "a\x95\x5C" "b");
    EXPECT_EQ(utf8ToCp932Replacing(kHalfWidthA), "\xB1");
    EXPECT_EQ(utf8ToCp932Replacing("x" + kEmoji + "y" + kEmoji), "x?y?");
    EXPECT_EQ(utf8ToCp932Replacing("\xC3\xA9t\xC3\xA9"), "?t?");
    EXPECT_EQ(utf8ToCp932Replacing("a\xFF\xFE" "b"), "a??b") << "bytes that are no UTF-8";
    EXPECT_EQ(utf8ToCp932Replacing("a\xE8\xA1"), "a??") << "each byte of a character cut short";
}

TEST(EncodingTest, ReplacingConversionCutsOnAWholeCharacter)
{
    EXPECT_EQ(utf8ToCp932Replacing("ab" + kKanji, 3), "ab");
    EXPECT_EQ(utf8ToCp932Replacing("ab" + kKanji, 4), "ab\x95\x5C");
    EXPECT_EQ(utf8ToCp932Replacing("ab" + kEmoji + "c", 3), "ab?");
    EXPECT_EQ(utf8ToCp932Replacing("abc", 0), "");
}

TEST(EncodingTest, StrictConversionNamesTheFirstBadCharacterAndItsLine)
{
    std::string out;
    Cp932Failure failure;
    EXPECT_TRUE(utf8ToCp932Strict("H(s) = 1;\n/* " + kKanji + " */\n", out, failure));
    EXPECT_EQ(out, "H(s) = 1;\n/* \x95\x5C */\n");

    EXPECT_FALSE(utf8ToCp932Strict("a\nb\n" + kKanji + kEmoji + "\n" + kEmoji, out, failure));
    EXPECT_EQ(failure.badChar, kEmoji);
    EXPECT_EQ(failure.line, 3);

    EXPECT_FALSE(utf8ToCp932Strict("ok\xFF", out, failure));
    EXPECT_EQ(failure.badChar, kReplacement);
    EXPECT_EQ(failure.line, 1);
}

TEST(EncodingTest, Cp932ToUtf8ReplacesBytesThatAreNoCharacter)
{
    EXPECT_EQ(cp932ToUtf8("a\x95\x5C\xB1"), "a" + kKanji + kHalfWidthA);
    EXPECT_EQ(cp932ToUtf8("\x80" "b\xFF"), kReplacement + "b" + kReplacement);
    EXPECT_EQ(cp932ToUtf8("x\x95"), "x" + kReplacement) << "a lead byte at the end";
    EXPECT_EQ(cp932ToUtf8(utf8ToCp932Replacing("round " + kKanji + " trip")), "round " + kKanji + " trip");
}

using SourceTextTest = LangTest;

TEST_F(SourceTextTest, UnrepresentableCharacterInACommentChangesNothing)
{
    EXPECT_EQ(compile("H(s) = 1/s; /* " + kEmoji + " */\r\nPROBE H;"), 0);
    EXPECT_EQ(workAreas.errorCount, 0);
    EXPECT_EQ(workAreas.codeCount, 5);
}

TEST_F(SourceTextTest, UnrepresentableCharacterInCodeIsReportedOnItsLine)
{
    compile("a = 1;\r\nb = " + kEmoji + ";\r\n");
    EXPECT_EQ(diagnostics(), "WORD OR CHARACTER INVALID \r\n syntax error \r\n [LINE] b = ?; \r\n");
}

TEST_F(SourceTextTest, LongTextIsCutAt16381Bytes)
{
    EXPECT_FALSE(loadSourceText(std::string(20000, ' ')));
    EXPECT_EQ(std::string(workAreas.source).size(), 16381u);
    EXPECT_TRUE(loadSourceText(std::string(16381, ' ')));
}

TEST_F(SourceTextTest, CutFallsBeforeADoubleByteCharacterThatWouldStraddleTheLimit)
{
    EXPECT_FALSE(loadSourceText(std::string(16380, ' ') + kKanji + "x"));
    EXPECT_EQ(std::string(workAreas.source), std::string(16380, ' '));
    EXPECT_FALSE(loadSourceText(std::string(16379, ' ') + kKanji + "x"));
    EXPECT_EQ(std::string(workAreas.source), std::string(16379, ' ') + "\x95\x5C");
    EXPECT_TRUE(loadSourceText(std::string(16379, ' ') + kKanji));
}

TEST_F(SourceTextTest, TheCompileSeesTheCutText)
{
    // The statement's ";" falls beyond the limit.
    EXPECT_EQ(compile(std::string(16376, ' ') + "a = 1;"), 1);
    EXPECT_EQ(workAreas.errorCount, 1);
}

}  // namespace
