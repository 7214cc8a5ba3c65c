// Code page 932 conversions through iconv, one replacement or failure at a time.
#include "lang/encoding.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

#include "lang/utf8.h"

namespace {

const char kReplacementCharacter[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

enum class Stop { Done, BadCharacter, Full };

bool isAscii(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// One conversion of one text into an output of fixed size through iconv.
// Without the C library's code page 932 module only ASCII converts, and every
// other character counts as bad. ASCII is the same in both encodings, so a
// text of ASCII alone is copied without iconv, whose first use costs about
// half a millisecond to load its module.
class Conversion {
public:
    Conversion(const char* to, const char* from, const std::string& input, size_t outputSize)
        : descriptor_(isAscii(input) ? kNoDescriptor : iconv_open(to, from)), in_(input.data()), inLeft_(input.size()),
          output_(outputSize, '\0'), out_(&output_[0]), outLeft_(outputSize)
    {
    }
    ~Conversion()
    {
        if (available())
            iconv_close(descriptor_);
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    // Converts until the input ends, a character cannot be converted (position
    // then points at it) or the next character does not fit.
    Stop run()
    {
        if (!available())
            return copyAscii();
        char* input = const_cast<char*>(in_);
        const size_t result = iconv(descriptor_, &input, &inLeft_, &out_, &outLeft_);
        in_ = input;
        if (result != static_cast<size_t>(-1))
            return Stop::Done;
        return errno == E2BIG ? Stop::Full : Stop::BadCharacter;
    }

    const char* position() const { return in_; }
    size_t inputLeft() const { return inLeft_; }

    void skip(size_t bytes)
    {
        in_ += bytes;
        inLeft_ -= bytes;
    }

    // Writes bytes in place of what was skipped; false when they do not fit.
    bool put(const char* bytes)
    {
        const size_t length = std::strlen(bytes);
        if (length > outLeft_)
            return false;
        std::memcpy(out_, bytes, length);
        out_ += length;
        outLeft_ -= length;
        return true;
    }

    std::string output()
    {
        output_.resize(output_.size() - outLeft_);
        return output_;
    }

private:
    static inline const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

    bool available() const { return descriptor_ != kNoDescriptor; }

    Stop copyAscii()
    {
        for (; inLeft_ > 0; ++in_, --inLeft_, ++out_, --outLeft_) {
            if (static_cast<unsigned char>(*in_) >= 0x80)
                return Stop::BadCharacter;
            if (outLeft_ == 0)
                return Stop::Full;
            *out_ = *in_;
        }
        return Stop::Done;
    }

    iconv_t descriptor_;
    const char* in_;
    size_t inLeft_;
    std::string output_;
    char* out_;
    size_t outLeft_;
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
    Conversion conversion("CP932", "UTF-8", utf8, limit < 2 * utf8.size() ? limit : 2 * utf8.size());
    while (conversion.inputLeft() > 0 && conversion.run() == Stop::BadCharacter && conversion.put("?"))
        conversion.skip(badCharacterLength(conversion.position(), conversion.inputLeft()));
    return conversion.output();
}

bool utf8ToCp932Strict(const std::string& utf8, std::string& out, Cp932Failure& failure)
{
    Conversion conversion("CP932", "UTF-8", utf8, 2 * utf8.size());
    if (conversion.run() != Stop::Done) {
        const char* bad = conversion.position();
        const int length = utf8CharacterLength(bad, conversion.inputLeft());
        failure.badChar = length > 0 ? std::string(bad, static_cast<size_t>(length)) : kReplacementCharacter;
        failure.line = lineOf(utf8, static_cast<size_t>(bad - utf8.data()));
        return false;
    }
    out = conversion.output();
    return true;
}

std::string cp932ToUtf8(const std::string& cp932)
{
    // A byte becomes at most three bytes of UTF-8 (a half-width katakana, U+FFFD).
    Conversion conversion("UTF-8", "CP932", cp932, 3 * cp932.size());
    while (conversion.inputLeft() > 0 && conversion.run() == Stop::BadCharacter &&
           conversion.put(kReplacementCharacter))
        conversion.skip(1);
    return conversion.output();
}

bool cp932ToUtf8Strict(const std::string& cp932, std::string& utf8)
{
    Conversion conversion("UTF-8", "CP932", cp932, 3 * cp932.size());
    if (conversion.run() != Stop::Done)
        return false;
    utf8 = conversion.output();
    return true;
}
