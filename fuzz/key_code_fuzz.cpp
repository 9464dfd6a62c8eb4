// Decodes arbitrary bytes as a key code; a decoded key must code to a code
// as long as the decoder measured that decodes to it again.
#include "CodecFuzz.h"
#include "NormaliseKey.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string key;
    size_t length = 0;
    if (!Decodes([&] { key = DecodeKey(Chars(data), size, &length); })) return 0;
    Require(key.size() <= kMaxKeyLength);
    const std::string code = EncodeKey(key);
    Require(length == code.size());
    Require(DecodeKey(code.data(), code.size()) == key);
    return 0;
}
