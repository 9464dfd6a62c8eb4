// Decodes arbitrary bytes as the pointer codes of a synset record: two word
// numbers per kind, and a code as long as the decoder measured that decodes
// to the same again.
#include "CodecFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string kinds, wordNumbers;
    size_t length = 0;
    if (!Decodes([&] { DecodePointerCodes(Chars(data), size, &kinds, &wordNumbers, &length); })) return 0;
    Require(wordNumbers.size() == 2 * kinds.size() && kinds.size() <= kMaxPointers);
    const std::string code = EncodePointerCodes(kinds, wordNumbers);
    Require(length == code.size());
    std::string kinds2, wordNumbers2;
    DecodePointerCodes(code.data(), code.size(), &kinds2, &wordNumbers2);
    Require(kinds2 == kinds && wordNumbers2 == wordNumbers);
    return 0;
}
