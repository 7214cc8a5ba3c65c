#include "lang/editor_text.h"

#include <cstring>

#include "lang/source_encoding.h"

namespace {

struct Replacement {
    const char* from;  // UTF-8
    const char* to;
};

// Longest first, so that CR LF is one line end and not two.
constexpr Replacement kEditorReplacements[] = {
    {"\r\n", "\r\n"},
    {"\r", "\r\n"},
    {"\n", "\r\n"},
    {"\xE2\x80\xA8", "\r\n"},  // U+2028 LINE SEPARATOR
    {"\xE2\x80\xA9", "\r\n"},  // U+2029 PARAGRAPH SEPARATOR
    {"\xC2\xA0", " "},          // U+00A0 NO-BREAK SPACE
};

const char kByteOrderMark[] = "\xEF\xBB\xBF";

const Replacement* replacementAt(const std::string& text, size_t at)
{
    for (const Replacement& r : kEditorReplacements)
        if (text.compare(at, std::strlen(r.from), r.from) == 0)
            return &r;
    return nullptr;
}

}  // namespace

std::string editorTextOf(const std::string& fileBytes)
{
    const std::string text = programFileText(fileBytes);
    std::string edited;
    edited.reserve(text.size() + text.size() / 16);
    const size_t markLength = std::strlen(kByteOrderMark);
    for (size_t at = text.compare(0, markLength, kByteOrderMark) == 0 ? markLength : 0; at < text.size();) {
        if (const Replacement* r = replacementAt(text, at)) {
            edited += r->to;
            at += std::strlen(r->from);
        } else {
            edited += text[at++];
        }
    }
    return edited;
}
