#include "lang/source_encoding.h"

#include "lang/encoding.h"

namespace {

const char kUtf8Bom[] = "\xEF\xBB\xBF";

// Every line ends in CR LF, as the editor's text does when it is saved.
bool hasOnlyCrLfLineEnds(const std::string& bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool crWithoutLf = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
        const bool lfWithoutCr = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
        if (crWithoutLf || lfWithoutCr)
            return false;
    }
    return true;
}

// The text of bytes that Brenno could have saved: code page 932 that the save
// would write again byte for byte.
bool savedCp932Text(const std::string& bytes, std::string& utf8)
{
    std::string again;
    Cp932Failure failure;
    return hasOnlyCrLfLineEnds(bytes) && cp932ToUtf8Strict(bytes, utf8) && utf8ToCp932Strict(utf8, again, failure) &&
           again == bytes;
}

}  // namespace

std::string programFileText(const std::string& bytes)
{
    if (bytes.compare(0, 3, kUtf8Bom) == 0) {
        const std::string rest = bytes.substr(3);
        return isValidUtf8(rest) ? rest : cp932ToUtf8(rest);
    }
    if (!isValidUtf8(bytes))
        return cp932ToUtf8(bytes);
    std::string saved;
    return savedCp932Text(bytes, saved) ? saved : bytes;
}
