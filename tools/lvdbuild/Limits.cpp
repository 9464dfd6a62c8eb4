#include "Limits.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "BuildReport.h"
#include "Codecs.h"
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

size_t ExpandedTextLength(const TPlannedSynset& synset) {
    size_t length = synset.words.size() + 2 + synset.gloss.size();  // separators, " ;", " "
    for (const std::string& word : synset.words) length += word.size();
    return length - 1;  // n words take n - 1 separating spaces
}

void CutText(TPlannedSynset& synset, TBuildReport& report) {
    size_t length = ExpandedTextLength(synset);
    if (length <= kMaxTextLength) return;
    size_t excess = length - kMaxTextLength;
    if (excess > synset.gloss.size())
        throw ELVError("The words of " + SynsetName(synset) + " alone are too long to store");
    synset.gloss.erase(synset.gloss.size() - excess);
    report.AddItem("glosses cut to fit " + std::to_string(kMaxTextLength) + " characters",
                   SynsetName(synset) + ": " + std::to_string(excess) + " characters cut");
}

size_t ShedUntilFits(TPlannedSynset& synset, TBuildReport& report) {
    const std::vector<uint32_t> placeholders;
    for (;;) {
        try {
            return EncodeRecord(synset, placeholders).size();
        } catch (const ELVError&) {
            // The text fits (CutText ran first), so the pointers make it too long.
            if (synset.pointers.empty()) throw;
        }
        size_t i = PointerToShed(synset.pointers);
        const TPlannedPointer& p = synset.pointers[i];
        report.AddItem("pointers shed from records over " + std::to_string(kMaxRecordLength) + " bytes",
                       SynsetName(synset) + ": " + p.symbol + " " + p.targetName);
        synset.pointers.erase(synset.pointers.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void CutSenses(const std::string& key, std::vector<uint32_t>& pointers, TBuildReport& report) {
    if (pointers.size() <= kMaxEntryPointers) return;
    report.AddItem("senses cut from keys with more than " + std::to_string(kMaxEntryPointers),
                   key + ": " + std::to_string(pointers.size() - kMaxEntryPointers) + " of " +
                       std::to_string(pointers.size()));
    pointers.resize(kMaxEntryPointers);
}
