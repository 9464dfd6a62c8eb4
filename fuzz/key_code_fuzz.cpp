// Decodes arbitrary bytes as a key code; a decoded key must code to a code
// that decodes to it again, and be what a reader of the code takes it for.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Codecs.h"
#include "LVErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string key;
    try {
        key = DecodeKey(reinterpret_cast<const char*>(data), size);
    } catch (const ECompressError&) {
        return 0;
    }
    const std::string code = EncodeKey(key);
    if (DecodeKey(code.data(), code.size()) != key) std::abort();
    return 0;
}
