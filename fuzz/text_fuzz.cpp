// Expands arbitrary bytes as a synset text; the text compresses to bytes that
// expand to it again ("_" and "`" excepted, which are stored as " " and "'").
#include "CodecFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text;
    if (!Decodes([&] { text = ExpandText(Chars(data), size); })) return 0;
    Require(text.size() <= kMaxTextLength);
    const std::string code = CompressText(text);
    std::string stored = text;
    for (char& c : stored) {
        if (c == '_') c = ' ';
        if (c == '`') c = '\'';
    }
    Require(ExpandText(code.data(), code.size()) == stored);
    return 0;
}
