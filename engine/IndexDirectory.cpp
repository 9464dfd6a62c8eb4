#include "IndexDirectory.h"

#include "Coding.h"
#include "LVErrors.h"

void TIndexDirectory::EncodeTo(std::string* dst) const {
    for (const std::vector<TDirectoryItem>& bucket : Buckets) {
        if (bucket.size() > kMaxBucketItems)
            throw ELVError("An index bucket of " + std::to_string(bucket.size()) + " blocks cannot be stored");
        dst->push_back(static_cast<char>(bucket.size()));
        for (const TDirectoryItem& item : bucket) {
            dst->push_back(static_cast<char>(item.B0));
            coding::PutFixed24(dst, item.Offset);
        }
    }
}

bool TIndexDirectory::DecodeFrom(TStream& stream) {
    Clear();
    for (std::vector<TDirectoryItem>& bucket : Buckets) {
        unsigned char count = 0;
        unsigned char items[kMaxBucketItems * 4];
        if (stream.Read(&count, 1) != 1 || stream.Read(items, size_t(count) * 4) != size_t(count) * 4) {
            Clear();
            return false;
        }
        bucket.resize(count);
        for (size_t i = 0; i < count; ++i) {
            bucket[i].B0 = items[4 * i];
            bucket[i].Offset = coding::DecodeFixed24(items + 4 * i + 1);
        }
    }
    return true;
}

std::string TIndexDirectory::Problem(uint32_t indexSize) const {
    uint32_t previous = 0;
    for (const std::vector<TDirectoryItem>& bucket : Buckets) {
        for (size_t i = 0; i < bucket.size(); ++i) {
            if (i > 0 && bucket[i].B0 <= bucket[i - 1].B0) return "index directory is out of order";
            if (bucket[i].Offset > indexSize) return "index directory points past the index area";
            if (bucket[i].Offset < previous) return "index blocks overlap";
            previous = bucket[i].Offset;
        }
    }
    return std::string();
}

size_t TIndexDirectory::LowerBound(uint8_t b0, uint8_t b1) const {
    const std::vector<TDirectoryItem>& bucket = Buckets[b1];
    size_t lo = 0, hi = bucket.size();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (bucket[mid].B0 < b0) lo = mid + 1;
        else hi = mid;
    }
    return lo;
}

bool TIndexDirectory::Contains(uint16_t blockId) const {
    const std::vector<TDirectoryItem>& bucket = Buckets[BlockB1(blockId)];
    const size_t at = LowerBound(BlockB0(blockId), BlockB1(blockId));
    return at < bucket.size() && bucket[at].B0 == BlockB0(blockId);
}

bool TIndexDirectory::Locate(uint16_t blockId, uint32_t indexSize, TBlockSpan* span) const {
    if (!Contains(blockId)) return false;
    const int b1 = BlockB1(blockId);
    const size_t at = LowerBound(BlockB0(blockId), BlockB1(blockId));
    span->Offset = Buckets[b1][at].Offset;
    uint32_t end = indexSize;
    if (at + 1 < Buckets[b1].size()) {
        end = Buckets[b1][at + 1].Offset;
    } else {
        for (int next = b1 + 1; next < kBucketCount; ++next) {
            if (!Buckets[next].empty()) {
                end = Buckets[next].front().Offset;
                break;
            }
        }
    }
    // A directory that passed Problem() keeps end >= Offset; stay safe anyway.
    span->Size = end > span->Offset ? end - span->Offset : 0;
    return true;
}

void TIndexDirectory::Clear() {
    for (std::vector<TDirectoryItem>& bucket : Buckets) bucket.clear();
}
