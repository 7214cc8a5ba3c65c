// Code page 932 conversions through iconv, one replacement or failure at a time.
#include "lang/encoding.h"

#include <cerrno>
#include <iconv.h>

#include "lang/utf8.h"

namespace {

const char kReplacementCharacter[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

enum class Stop { Done, BadCharacter, Full };

// One iconv descriptor for one conversion. Without the C library's code page
// 932 module only ASCII converts, and every other character counts as bad.
class Converter {
public:
    Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (available())
            iconv_close(descriptor_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts from in until the input ends, a character cannot be converted
    // (in then points at it) or the next character does not fit.
    Stop run(const char*& in, size_t& inLeft, char*& out, size_t& outLeft)
    {
        if (!available())
            return copyAscii(in, inLeft, out, outLeft);
        char* input = const_cast<char*>(in);
        const size_t result = iconv(descriptor_, &input, &inLeft, &out, &outLeft);
        in = input;
        if (result != static_cast<size_t>(-1))
            return Stop::Done;
        return errno == E2BIG ? Stop::Full : Stop::BadCharacter;
    }

private:
    bool available() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    static Stop copyAscii(const char*& in, size_t& inLeft, char*& out, size_t& outLeft)
    {
        for (; inLeft > 0; ++in, --inLeft, ++out, --outLeft) {
            if (static_cast<unsigned char>(*in) >= 0x80)
                return Stop::BadCharacter;
            if (outLeft == 0)
                return Stop::Full;
            *out = *in;
        }
        return Stop::Done;
    }

    iconv_t descriptor_;
};

// The bytes of the character that failed: a whole UTF-8 character, or the
// single byte that starts none.
size_t badCharacterLength(const char* in, size_t inLeft)
{
    const int length = utf8CharacterLength(in, inLeft);
    return length > 0 ? static_cast<size_t>(length) : 1;
}

int lineOf(const std::string& text, size_t offset)
{
    int line = 1;
    for (size_t i = 0; i < offset; ++i)
        line += text[i] == '\n';
    return line;
}

}  // namespace

bool isValidUtf8(const std::string& bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        const int length = utf8CharacterLength(bytes.data() + i, bytes.size() - i);
        if (length == 0)
            return false;
        i += static_cast<size_t>(length);
    }
    return true;
}

std::string utf8ToCp932Replacing(const std::string& utf8)
{
    // A character takes at most two bytes of code page 932.
    return utf8ToCp932Replacing(utf8, 2 * utf8.size());
}

std::string utf8ToCp932Replacing(const std::string& utf8, size_t limit)
{
    Converter converter("CP932", "UTF-8");
    std::string result(limit < 2 * utf8.size() ? limit : 2 * utf8.size(), '\0');
    const char* in = utf8.data();
    size_t inLeft = utf8.size();
    char* out = &result[0];
    size_t outLeft = result.size();
    while (inLeft > 0 && converter.run(in, inLeft, out, outLeft) == Stop::BadCharacter && outLeft > 0) {
        *out++ = '?';
        --outLeft;
        const size_t skipped = badCharacterLength(in, inLeft);
        in += skipped;
        inLeft -= skipped;
    }
    result.resize(result.size() - outLeft);
    return result;
}

bool utf8ToCp932Strict(const std::string& utf8, std::string& out, Cp932Failure& failure)
{
    Converter converter("CP932", "UTF-8");
    std::string result(2 * utf8.size(), '\0');
    const char* in = utf8.data();
    size_t inLeft = utf8.size();
    char* output = &result[0];
    size_t outLeft = result.size();
    if (converter.run(in, inLeft, output, outLeft) != Stop::Done) {
        const int length = utf8CharacterLength(in, inLeft);
        failure.badChar = length > 0 ? std::string(in, static_cast<size_t>(length)) : kReplacementCharacter;
        failure.line = lineOf(utf8, static_cast<size_t>(in - utf8.data()));
        return false;
    }
    result.resize(result.size() - outLeft);
    out = result;
    return true;
}

std::string cp932ToUtf8(const std::string& cp932)
{
    Converter converter("UTF-8", "CP932");
    // A byte becomes at most three bytes of UTF-8 (a half-width katakana, U+FFFD).
    std::string result(3 * cp932.size(), '\0');
    const char* in = cp932.data();
    size_t inLeft = cp932.size();
    char* out = &result[0];
    size_t outLeft = result.size();
    while (inLeft > 0 && converter.run(in, inLeft, out, outLeft) == Stop::BadCharacter) {
        for (const char* r = kReplacementCharacter; *r != '\0'; ++r, --outLeft)
            *out++ = *r;
        ++in;
        --inLeft;
    }
    result.resize(result.size() - outLeft);
    return result;
}
