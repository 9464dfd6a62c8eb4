// The index directory: where each index block lies in the index area. It is
// memory-resident; on disk it opens the tail of the database file.
//
//   directory := bucket{256}                 (bucket b1 = 0 .. 255)
//   bucket    := count:uint8 item{count}     (items ascending by b0)
//   item      := b0:uint8 offset:fixed24     (offset relative to IndexStart)
//
// A block id is the first two bytes b0 b1 of its keys' codes, held as the
// little-endian word b0 + 256 * b1. Blocks lie in the index area in
// ascending (b1, b0) order; a block runs to the next block present in the
// file, the last one to the end of the index area.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Stream.h"

struct TDirectoryItem {
    uint8_t B0 = 0;
    uint32_t Offset = 0;  // 24-bit, relative to IndexStart
};

struct TBlockSpan {
    uint32_t Offset = 0;
    uint32_t Size = 0;
};

constexpr int kBucketCount = 256;
constexpr size_t kMaxBucketItems = 255;

inline uint8_t BlockB0(uint16_t blockId) { return static_cast<uint8_t>(blockId & 0xFF); }
inline uint8_t BlockB1(uint16_t blockId) { return static_cast<uint8_t>(blockId >> 8); }
inline uint16_t MakeBlockId(uint8_t b0, uint8_t b1) { return static_cast<uint16_t>(b0 | b1 << 8); }

class TIndexDirectory {
public:
    std::array<std::vector<TDirectoryItem>, kBucketCount> Buckets;

    // Appends the on-disk form. Raises ELVError for a bucket of more than
    // 255 items.
    void EncodeTo(std::string* dst) const;
    // Reads what EncodeTo writes; false when the stream ends inside it (the
    // directory is then left empty).
    bool DecodeFrom(TStream& stream);

    // Why the directory cannot describe an index area of indexSize bytes
    // (items out of order, offsets past the area or falling in file order);
    // empty when it can.
    std::string Problem(uint32_t indexSize) const;

    // The place of a block in an index area of indexSize bytes; false when
    // the directory has no such block.
    bool Locate(uint16_t blockId, uint32_t indexSize, TBlockSpan* span) const;
    bool Contains(uint16_t blockId) const;

    void Clear();

private:
    // Position of b0's item in bucket b1, or of where it would go.
    size_t LowerBound(uint8_t b0, uint8_t b1) const;
};
