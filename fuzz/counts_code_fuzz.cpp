// Decodes arbitrary bytes as the counts code of an index block; decoded
// counts must code to a code that decodes to them again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Codecs.h"
#include "LVErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string counts;
    try {
        counts = DecodeCounts(reinterpret_cast<const char*>(data), size);
    } catch (const ECompressError&) {
        return 0;
    }
    const std::string code = EncodeCounts(counts);
    if (DecodeCounts(code.data(), code.size()) != counts) std::abort();
    return 0;
}
