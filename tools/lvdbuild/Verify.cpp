#include "Verify.h"

#include <map>
#include <memory>
#include <set>

#include "IndexLookup.h"
#include "LVDatabase.h"
#include "NormaliseKey.h"
#include "Synset.h"
#include "WordMorpher.h"

namespace {

constexpr size_t kExamples = 20;

class TChecker {
public:
    explicit TChecker(TVerifyResult& result) : result_(result) {}
    void Expect(bool ok, const std::string& what) {
        if (ok) return;
        if (result_.mismatches++ < kExamples) result_.examples.push_back(what);
    }

private:
    TVerifyResult& result_;
};

// The gloss a record reads back as: a synset without one shows its words.
std::string ExpectedGloss(const TPlannedSynset& synset) {
    if (!synset.gloss.empty()) return synset.gloss;
    std::string joined;
    for (const std::string& word : synset.words) joined += (joined.empty() ? "" : ", ") + word;
    return joined;
}

bool SamePointers(const TSynset& read, const TPlannedSynset& planned,
                  const std::vector<uint32_t>& offsets) {
    if (read.Pointers.size() != planned.pointers.size()) return false;
    for (size_t i = 0; i < read.Pointers.size(); ++i) {
        const TSynsetPointer& r = read.Pointers[i];
        const TSynsetPointer& p = planned.pointers[i].pointer;
        if (r.Kind != p.Kind || r.SourceWord != p.SourceWord || r.TargetWord != p.TargetWord ||
            r.Target != offsets[planned.pointers[i].target])
            return false;
    }
    return true;
}

void VerifySynsets(TLVDatabase& database, const TSynsetPlan& plan, TChecker& check,
                   TVerifyResult& result) {
    for (size_t i = 0; i < plan.synsets.size(); ++i) {
        const TPlannedSynset& planned = plan.synsets[i];
        const std::string name = SynsetName(planned);
        std::unique_ptr<TSynset> read;
        try {
            read = database.ReadSynset(static_cast<int32_t>(plan.offsets[i]));
        } catch (const LVException& e) {
            check.Expect(false, name + ": cannot be read: " + e.what());
            continue;
        }
        check.Expect(read->AllWords == planned.words, name + ": words differ");
        check.Expect(read->Gloss == ExpectedGloss(planned), name + ": gloss differs");
        check.Expect(SamePointers(*read, planned, plan.offsets), name + ": pointers differ");
        check.Expect(read->Section == planned.section, name + ": in the wrong section");
        ++result.synsets;
    }
}

// Every key reads back with its pointers; every word reaches its synset.
void VerifyIndex(TLVDatabase& database, const TDatabasePlan& plan, TChecker& check,
                 TVerifyResult& result) {
    TIndexLookup& index = *database.Index;
    std::map<std::string, std::set<uint32_t>> reached;
    for (const auto& [key, pointers] : plan.index) {
        const TIndexRec* entry = nullptr;
        if (index.LoadBlock(BlockIdOfKey(key), *database.Stream())) entry = index.CurrentBlock->Find(key);
        if (!entry) {
            check.Expect(false, key + ": key not found");
            continue;
        }
        bool same = entry->Count == pointers.size();
        for (size_t i = 0; same && i < pointers.size(); ++i) same = entry->Pointer(i) == pointers[i];
        check.Expect(same, key + ": senses differ");
        for (size_t i = 0; i < entry->Count; ++i) reached[key].insert(entry->Pointer(i));
        ++result.keys;
    }
    for (size_t i = 0; i < plan.synsets.synsets.size(); ++i)
        for (const std::string& word : plan.synsets.synsets[i].words) {
            const std::string key = NormaliseKey(word);
            if (key.empty()) continue;
            // A full entry may have lost the sense to the limit (reported).
            const bool full = reached[key].size() == kMaxEntryPointers;
            check.Expect(full || reached[key].count(plan.synsets.offsets[i]) != 0,
                         SynsetName(plan.synsets.synsets[i]) + ": not reached through " + key);
        }
}

void VerifyMorphology(const TWordMorpher& morpher, const TMorphLists& lists, TChecker& check) {
    check.Expect(morpher.NounExceptions() == lists.nounExceptions, "noun exceptions differ");
    check.Expect(morpher.VerbExceptions() == lists.verbExceptions, "verb exceptions differ");
    check.Expect(morpher.AdjectiveExceptions() == lists.adjectiveExceptions, "adjective exceptions differ");
    check.Expect(morpher.AdjectiveStems() == lists.adjectiveStems, "adjective stems differ");
    check.Expect(morpher.DoublingVerbs() == lists.doublingVerbs, "doubling verbs differ");
}

}  // namespace

TVerifyResult VerifyDatabase(const TDatabasePlan& plan, const std::string& path) {
    TVerifyResult result;
    TChecker check(result);
    TLVDatabase database;
    database.SetFileName(path);
    database.LoadIndex();
    TOpenScope open(database);
    for (int s = 0; s < 8; ++s)
        check.Expect(database.Trailer.SectionEnd[s] == plan.synsets.sectionEnd[s],
                     "section " + std::to_string(s) + " ends elsewhere");
    VerifySynsets(database, plan.synsets, check, result);
    VerifyIndex(database, plan, check, result);
    VerifyMorphology(*database.Morpher, plan.morphology, check);
    return result;
}
