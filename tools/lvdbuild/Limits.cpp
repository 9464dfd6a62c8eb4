#include "Limits.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "BuildReport.h"
#include "Codecs.h"
#include "Coding.h"
#include "IndexWriter.h"
#include "LVErrors.h"

namespace {

const char kSectionLetters[] = "nvar";

// The pointer to shed next: the last instance hyponym, else the last
// pointer of the most numerous kind.
size_t PointerToShed(const std::vector<TPlannedPointer>& pointers) {
    for (size_t i = pointers.size(); i-- > 0;)
        if (pointers[i].symbol == "~i") return i;
    std::array<size_t, 256> perKind{};
    for (const TPlannedPointer& p : pointers) ++perKind[p.pointer.Kind];
    size_t largest = static_cast<size_t>(
        std::max_element(perKind.begin(), perKind.end()) - perKind.begin());
    for (size_t i = pointers.size(); i-- > 0;)
        if (pointers[i].pointer.Kind == largest) return i;
    return pointers.size() - 1;
}

}  // namespace

std::string WordNetName(int section, uint32_t offset) {
    char name[16];
    std::snprintf(name, sizeof name, "%c %08u", kSectionLetters[section & 3],
                  static_cast<unsigned>(offset));
    return name;
}

std::string SynsetName(const TPlannedSynset& synset) {
    return WordNetName(synset.section, synset.wordNetOffset) + " " +
           (synset.words.empty() ? std::string() : synset.words.front());
}

std::string EncodeRecord(const TPlannedSynset& synset, const std::vector<uint32_t>& offsets) {
    TSynset record;
    record.AllWords = synset.words;
    record.Words = synset.words;
    record.Gloss = synset.gloss;
    for (const TPlannedPointer& p : synset.pointers) {
        record.Pointers.push_back(p.pointer);
        record.Pointers.back().Target = offsets.empty() ? 0 : offsets.at(p.target);
    }
    TMemoryStream stream;
    record.WriteTo(stream);
    return stream.Data();
}

void ResolveTargets(std::string& record, const TPlannedSynset& synset,
                    const std::vector<uint32_t>& offsets) {
    std::string kinds, wordNumbers;
    for (const TPlannedPointer& p : synset.pointers) {
        kinds += static_cast<char>(p.pointer.Kind);
        wordNumbers += static_cast<char>(p.pointer.SourceWord);
        wordNumbers += static_cast<char>(p.pointer.TargetWord);
    }
    std::string targets;
    for (const TPlannedPointer& p : synset.pointers) coding::PutFixed24(&targets, offsets.at(p.target));
    const size_t at = CodeLength(EncodePointerCodes(kinds, wordNumbers));
    if (at + targets.size() > record.size()) throw ELVError("Record of " + SynsetName(synset) + " is shorter than its pointers");
    record.replace(at, targets.size(), targets);
}

size_t ExpandedTextLength(const TPlannedSynset& synset) {
    // n words take n - 1 separating spaces; then " ;" and the final space
    size_t length = synset.words.size() + 2 + synset.gloss.size();
    for (const std::string& word : synset.words) length += word.size();
    return length;
}

std::string StorableGloss(const std::string& gloss, TBuildReport& report) {
    std::string stored = gloss;
    for (char& c : stored) {
        if (c == '`') c = '\'';
        if (c == '_') c = ' ';
    }
    if (stored != gloss) report.AddToCount("glosses with ` or _ stored as ' or space", 1);
    return stored;
}

void CutText(TPlannedSynset& synset, TBuildReport& report) {
    size_t length = ExpandedTextLength(synset);
    if (length <= kMaxTextLength) return;
    size_t excess = length - kMaxTextLength;
    if (excess > synset.gloss.size())
        throw ELVError("The words of " + SynsetName(synset) + " alone are too long to store");
    synset.gloss.erase(synset.gloss.size() - excess);
    report.AddItem(limitgroup::kCutGlosses,
                   SynsetName(synset) + ": " + std::to_string(excess) + " characters cut");
}

std::string ShedUntilFits(TPlannedSynset& synset, TBuildReport& report) {
    const std::vector<uint32_t> placeholders;
    for (;;) {
        // More pointers than a record has room for targets cannot be encoded.
        if (synset.pointers.size() <= kMaxPointers) {
            try {
                return EncodeRecord(synset, placeholders);
            } catch (const ELVError&) {
                // The text fits (CutText ran first), so the pointers make it too long.
                if (synset.pointers.empty()) throw;
            }
        }
        size_t i = PointerToShed(synset.pointers);
        const TPlannedPointer& p = synset.pointers[i];
        report.AddItem(limitgroup::kShedPointers,
                       SynsetName(synset) + ": " + p.symbol + " " + p.targetName);
        synset.pointers.erase(synset.pointers.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void CutSenses(const std::string& key, std::vector<uint32_t>& pointers, TBuildReport& report) {
    if (pointers.size() <= kMaxEntryPointers) return;
    report.AddItem(limitgroup::kCutSenses,
                   key + ": " + std::to_string(pointers.size() - kMaxEntryPointers) + " of " +
                       std::to_string(pointers.size()));
    pointers.resize(kMaxEntryPointers);
}
