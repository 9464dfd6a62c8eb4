// Decodes arbitrary bytes as a key code; a decoded key must code to a code
// that decodes to it again.
#include "CodecFuzz.h"
#include "NormaliseKey.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string key;
    if (!Decodes([&] { key = DecodeKey(Chars(data), size); })) return 0;
    Require(key.size() <= kMaxKeyLength);
    const std::string code = EncodeKey(key);
    Require(DecodeKey(code.data(), code.size()) == key);
    return 0;
}
