// Which encoding a program file is read in.
#include <gtest/gtest.h>

#include <string>

#include "lang/editor_text.h"
#include "lang/source_encoding.h"

namespace {

struct ReadCase {
    const char* name;
    std::string bytes;
    std::string text;  // UTF-8
};

// ﾃｽ (0xC3 0xBD in code page 932) reads in UTF-8 as ý; 伝達 in UTF-8 reads in
// code page 932 as 莨晞＃. Such bytes open as Brenno would have saved them
// unless a line end shows they came from another editor.
const ReadCase kCases[] = {
    {"ASCII", "PROBE 1;\r\n", "PROBE 1;\r\n"},
    {"saved half-width katakana that is also UTF-8", "/* \xC3\xBD */\r\n", "/* \xEF\xBE\x83\xEF\xBD\xBD */\r\n"},
    {"the same bytes with a bare LF", "/* \xC3\xBD */\n", "/* \xC3\xBD */\n"},
    {"UTF-8 with CR LF that is also code page 932", "\xE4\xBC\x9D\xE9\x81\x94\r\n",
     "\xE8\x8E\xA8\xE6\x99\x9E\xEF\xBC\x83\r\n"},
    {"UTF-8 with a bare LF", "\xE4\xBC\x9D\xE9\x81\x94\n", "\xE4\xBC\x9D\xE9\x81\x94\n"},
    {"UTF-8 with a bare CR", "\xE4\xBC\x9D\xE9\x81\x94\r", "\xE4\xBC\x9D\xE9\x81\x94\r"},
    {"UTF-8 after a byte-order mark", "\xEF\xBB\xBF\xE4\xBC\x9D\xE9\x81\x94\r\n", "\xE4\xBC\x9D\xE9\x81\x94\r\n"},
    {"UTF-8 that is no code page 932", "\xE8\xA1\xA8 \xE2\x91\xA0\r\n", "\xE8\xA1\xA8 \xE2\x91\xA0\r\n"},
    {"code page 932 that is no UTF-8", "\x88\xEA\x8E\x9F\n", "\xE4\xB8\x80\xE6\xAC\xA1\n"},
    // ぁ⇐ in UTF-8 reads in code page 932 as three characters ending in 0x87 0x90,
    // ≒, which the save writes as 0x81 0xE0: these bytes cannot come from Brenno.
    {"code page 932 that the save would write otherwise", "\xE3\x81\x81\xE2\x87\x90\r\n",
     "\xE3\x81\x81\xE2\x87\x90\r\n"},
    {"neither", "a\x80" "b\r\n", "a\xEF\xBF\xBD" "b\r\n"},
};

TEST(SourceEncodingTest, SavedFilesReadAsWrittenOthersByTheirBytes)
{
    for (const ReadCase& c : kCases)
        EXPECT_EQ(programFileText(c.bytes), c.text) << c.name;
}

TEST(SourceEncodingTest, EditorTextHasTheEditorsLineEndsAndSpaces)
{
    const ReadCase cases[] = {
        {"CR LF kept", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"LF", "a\nb\n", "a\r\nb\r\n"},
        {"CR", "a\rb\r", "a\r\nb\r\n"},
        {"CR before CR LF", "a\r\r\nb", "a\r\n\r\nb"},
        {"LF CR", "a\n\rb", "a\r\n\r\nb"},
        {"line and paragraph separators", "a\xE2\x80\xA8" "b\xE2\x80\xA9" "c\n", "a\r\nb\r\nc\r\n"},
        {"no-break space", "a\xC2\xA0" "b\n", "a b\r\n"},
        {"byte-order mark and LF", "\xEF\xBB\xBF" "a\n", "a\r\n"},
        {"two byte-order marks", "\xEF\xBB\xBF\xEF\xBB\xBF" "a\n", "a\r\n"},
        {"code page 932 with LF", "\x88\xEA\n", "\xE4\xB8\x80\r\n"},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(editorTextOf(c.bytes), c.text) << c.name;
}

}  // namespace
