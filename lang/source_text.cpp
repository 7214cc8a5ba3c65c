// The editor's text in code page 932 in the source buffer, ready for a compile.
#include "lang/source_text.h"

#include <cstring>

#include "lang/encoding.h"
#include "lang/workareas.h"

// A character code page 932 lacks becomes "?" rather than emptying the whole
// text: in a comment nothing changes, in code the scanner reports that line.
void loadSourceText(const std::string& utf8)
{
    const std::string text = utf8ToCp932Replacing(utf8, kSourceTextLimit);
    std::memcpy(workAreas.source, text.data(), text.size());
    workAreas.source[text.size()] = '\0';
}
