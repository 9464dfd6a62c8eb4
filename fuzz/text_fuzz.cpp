// Expands arbitrary bytes as a synset text; the text compresses to bytes that
// expand to it again ("_" and "`" excepted, which are stored as " " and "'").
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Codecs.h"
#include "LVErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text;
    try {
        text = ExpandText(reinterpret_cast<const char*>(data), size);
    } catch (const ECompressError&) {
        return 0;
    }
    if (text.size() > kMaxTextLength) std::abort();
    const std::string code = CompressText(text);
    std::string stored = text;
    for (char& c : stored) {
        if (c == '_') c = ' ';
        if (c == '`') c = '\'';
    }
    if (ExpandText(code.data(), code.size()) != stored) std::abort();
    return 0;
}
