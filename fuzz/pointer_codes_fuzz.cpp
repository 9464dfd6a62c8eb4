// Decodes arbitrary bytes as the pointer codes of a synset record: two word
// numbers per kind, and a code that decodes to the same again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Codecs.h"
#include "LVErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string kinds, wordNumbers;
    try {
        DecodePointerCodes(reinterpret_cast<const char*>(data), size, &kinds, &wordNumbers);
    } catch (const ECompressError&) {
        return 0;
    }
    if (wordNumbers.size() != 2 * kinds.size() || kinds.size() > kMaxPointers) std::abort();
    const std::string code = EncodePointerCodes(kinds, wordNumbers);
    std::string kinds2, wordNumbers2;
    DecodePointerCodes(code.data(), code.size(), &kinds2, &wordNumbers2);
    if (kinds2 != kinds || wordNumbers2 != wordNumbers) std::abort();
    return 0;
}
