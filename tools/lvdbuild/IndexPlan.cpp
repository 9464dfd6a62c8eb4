#include "IndexPlan.h"

#include <algorithm>
#include <map>

#include "BuildReport.h"
#include "NormaliseKey.h"

namespace {

// Per key, per section: synset positions in sense order.
using TSenses = std::map<std::string, std::array<std::vector<size_t>, kWordNetSections>>;

bool AddSense(TSenses& senses, const std::string& key, int section, size_t synset) {
    std::vector<size_t>& list = senses[key][section];
    if (std::find(list.begin(), list.end(), synset) != list.end()) return false;
    list.push_back(synset);
    return true;
}

}  // namespace

TIndexEntries PlanIndex(const TWordNet& wordNet, const TSynsetPlan& synsets, TBuildReport& report) {
    TSenses senses;
    // Lemmas that share a key (hot dog, hotdog) merge, each part of speech
    // keeping its order.
    for (int s = 0; s < kWordNetSections; ++s)
        for (const TWnIndexEntry& entry : wordNet.index[s]) {
            std::string key = NormaliseKey(entry.lemma);
            if (key.empty()) {
                report.AddItem("lemmas without a key left out", entry.lemma);
                continue;
            }
            for (uint32_t offset : entry.offsets) {
                auto found = synsets.byWordNet.find({s, offset});
                if (found == synsets.byWordNet.end())
                    report.AddItem("index senses of a missing synset dropped",
                                   entry.lemma + ": " + WordNetName(s, offset));
                else
                    AddSense(senses, key, s, found->second);
            }
        }
    // Every word must reach its synsets through its key, listed or not.
    for (size_t i = 0; i < synsets.synsets.size(); ++i) {
        const TPlannedSynset& synset = synsets.synsets[i];
        for (const std::string& word : synset.words) {
            std::string key = NormaliseKey(word);
            if (key.empty())
                report.AddItem("words without a key left out of the index", SynsetName(synset) + ": " + word);
            else if (AddSense(senses, key, synset.section, i))
                report.AddItem("senses added for words the WordNet index omits",
                               SynsetName(synset) + ": " + word);
        }
    }
    TIndexEntries entries;
    size_t pointers = 0;
    for (const auto& [key, perSection] : senses) {
        std::vector<uint32_t> offsets;
        for (const std::vector<size_t>& list : perSection)
            for (size_t synset : list) offsets.push_back(synsets.offsets[synset]);
        CutSenses(key, offsets, report);
        pointers += offsets.size();
        entries.emplace_back(key, std::move(offsets));
    }
    report.SetCount("keys", static_cast<long long>(entries.size()));
    report.SetCount("index pointers", static_cast<long long>(pointers));
    return entries;
}
