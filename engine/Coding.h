// Byte-order helpers of the database file: every multi-byte integer the file
// stores goes through these, so the layout lives in one place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace coding {

inline void PutFixed32(std::string* dst, uint32_t value) {
    char buf[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                   static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    dst->append(buf, 4);
}

// Record offsets: the low 24 bits, least significant byte first.
inline void PutFixed24(std::string* dst, uint32_t value) {
    char buf[3] = {static_cast<char>(value), static_cast<char>(value >> 8),
                   static_cast<char>(value >> 16)};
    dst->append(buf, 3);
}

inline uint32_t DecodeFixed32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline uint32_t DecodeFixed24(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
}

inline uint32_t DecodeFixed32(const char* p) {
    return DecodeFixed32(reinterpret_cast<const unsigned char*>(p));
}

inline uint32_t DecodeFixed24(const char* p) {
    return DecodeFixed24(reinterpret_cast<const unsigned char*>(p));
}

inline int32_t DecodeSigned32(const char* p) { return static_cast<int32_t>(DecodeFixed32(p)); }

}  // namespace coding
