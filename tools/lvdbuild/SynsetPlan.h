// The synset area as it will be written: WordNet's synsets in section order,
// their pointers mapped to relation kinds, every limit applied, and each
// record placed at its offset.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Limits.h"
#include "WordNetReader.h"

class TBuildReport;

struct TSynsetPlan {
    std::vector<TPlannedSynset> synsets;  // in file order
    std::vector<uint32_t> offsets;        // record offset of each synset
    std::vector<std::string> records;     // the encoded records, targets resolved
    std::array<int32_t, 8> sectionEnd{};
    // (section, WordNet offset) -> position in synsets
    std::map<std::pair<int, uint32_t>, size_t> byWordNet;
};

TSynsetPlan PlanSynsets(const TWordNet& wordNet, TBuildReport& report);
