// Decodes arbitrary bytes as the counts code of an index block; decoded
// counts must code to a code as long as the decoder measured that decodes
// to them again.
#include "CodecFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string counts;
    size_t length = 0;
    if (!Decodes([&] { counts = DecodeCounts(Chars(data), size, &length); })) return 0;
    const std::string code = EncodeCounts(counts);
    Require(length == code.size());
    Require(DecodeCounts(code.data(), code.size()) == counts);
    return 0;
}
