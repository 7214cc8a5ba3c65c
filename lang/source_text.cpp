// The editor's text in code page 932 in the source buffer, ready for a compile.
#include "lang/source_text.h"

#include <cstring>

#include "lang/encoding.h"
#include "lang/workareas.h"

// A character code page 932 lacks becomes "?" rather than emptying the whole
// text: in a comment nothing changes, in code the scanner reports that line.
bool loadSourceText(const std::string& utf8)
{
    const std::string text = utf8ToCp932Replacing(utf8, kSourceTextLimit);
    std::memcpy(workAreas.source, text.data(), text.size());
    workAreas.source[text.size()] = '\0';
    // A character takes two bytes at most: a conversion that stopped further
    // below the limit than that has taken the whole text.
    constexpr size_t kLongestCharacter = 2;
    return text.size() + kLongestCharacter <= static_cast<size_t>(kSourceTextLimit) ||
           utf8ToCp932Replacing(utf8).size() == text.size();
}
