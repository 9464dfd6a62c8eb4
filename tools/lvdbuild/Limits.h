// The limits a database file imposes, and how the builder makes the data
// fit them: what does not fit is shed or cut, and the report says what.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Synset.h"

class TBuildReport;

// Pointer word numbers run 0..27; record offsets and index-block offsets
// are 24-bit.
constexpr uint8_t kMaxWordNumber = 27;
constexpr uint64_t kMaxAreaSize = uint64_t(1) << 24;

// The report's groups of dropped and cut items, one per limit.
namespace limitgroup {
constexpr char kShedPointers[] = "pointers shed from records over 2048 bytes";
constexpr char kWordNumbers[] = "pointers with word numbers above 27 dropped";
constexpr char kCutSenses[] = "senses cut from keys with more than 128";
constexpr char kCutGlosses[] = "glosses cut to fit 3000 characters";
}  // namespace limitgroup

// A pointer as planned: the record pointer (Target filled in once records
// are placed), its WordNet symbol, and the index of its target synset.
struct TPlannedPointer {
    TSynsetPointer pointer;
    std::string symbol;
    size_t target = 0;
    std::string targetName;  // the target as WordNet names it: "n 02084071"
};

struct TPlannedSynset {
    int section = 0;
    uint32_t wordNetOffset = 0;
    std::vector<std::string> words;
    std::string gloss;
    std::vector<TPlannedPointer> pointers;
};

// Names a synset in the report: "n 02084071", and with its first word
// "n 02084071 dog".
std::string WordNetName(int section, uint32_t offset);
std::string SynsetName(const TPlannedSynset& synset);

// The record of synset, with each pointer's Target set from offsets (the
// record offset of every planned synset; empty: all targets 0). Raises
// ELVError when it is too long to store.
std::string EncodeRecord(const TPlannedSynset& synset, const std::vector<uint32_t>& offsets);

// Writes the resolved targets into a record encoded with placeholder ones:
// the same bytes EncodeRecord(synset, offsets) gives, without compressing
// the text again. The targets follow the pointer codes, 3 bytes each.
void ResolveTargets(std::string& record, const TPlannedSynset& synset,
                    const std::vector<uint32_t>& offsets);

// The length of the text a record expands to: its words, " ;", the gloss
// and a final space.
size_t ExpandedTextLength(const TPlannedSynset& synset);

// The text codec stores "`" as "'" and "_" as a space; the gloss as it will
// read back, counted in the report when it changes.
std::string StorableGloss(const std::string& gloss, TBuildReport& report);

// Cuts the gloss so that the expanded text fits kMaxTextLength.
void CutText(TPlannedSynset& synset, TBuildReport& report);

// Encodes synset with placeholder targets, first shedding pointers while the
// record is too long: instance hyponyms first, then always the last pointer
// of the kind that has the most. Returns the record.
std::string ShedUntilFits(TPlannedSynset& synset, TBuildReport& report);

// Cuts an index entry to the senses one entry can hold.
void CutSenses(const std::string& key, std::vector<uint32_t>& pointers, TBuildReport& report);
