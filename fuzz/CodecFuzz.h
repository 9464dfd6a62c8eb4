// Helpers of the codec fuzz targets: decoding arbitrary bytes may fail only
// with the codecs' own error, and a violated property aborts.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include "Codecs.h"
#include "LVErrors.h"

// Runs `decode`; false when it rejected its input with ECompressError.
template <typename Decode>
bool Decodes(Decode decode) {
    try {
        decode();
        return true;
    } catch (const ECompressError&) {
        return false;
    }
}

inline void Require(bool property) {
    if (!property) std::abort();
}

inline const char* Chars(const uint8_t* data) { return reinterpret_cast<const char*>(data); }
