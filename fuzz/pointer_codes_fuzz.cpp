// Decodes arbitrary bytes as the pointer codes of a synset record: two word
// numbers per kind, and a code that decodes to the same again.
#include "CodecFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string kinds, wordNumbers;
    if (!Decodes([&] { DecodePointerCodes(Chars(data), size, &kinds, &wordNumbers); })) return 0;
    Require(wordNumbers.size() == 2 * kinds.size() && kinds.size() <= kMaxPointers);
    const std::string code = EncodePointerCodes(kinds, wordNumbers);
    std::string kinds2, wordNumbers2;
    DecodePointerCodes(code.data(), code.size(), &kinds2, &wordNumbers2);
    Require(kinds2 == kinds && wordNumbers2 == wordNumbers);
    return 0;
}
