// Decodes arbitrary bytes as the counts code of an index block; decoded
// counts must code to a code that decodes to them again.
#include "CodecFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string counts;
    if (!Decodes([&] { counts = DecodeCounts(Chars(data), size); })) return 0;
    const std::string code = EncodeCounts(counts);
    Require(DecodeCounts(code.data(), code.size()) == counts);
    return 0;
}
