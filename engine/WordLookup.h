// The result of a lookup: the senses found, ordered by part of speech, the
// ones that pass the current part-of-speech filter or sense selection, their
// synonyms and relation kinds, and related words read on demand.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "WordList.h"

class TLVDatabase;
class TSynset;

class TWordLookup {
public:
    explicit TWordLookup(TLVDatabase& database);
    ~TWordLookup();
    TWordLookup(const TWordLookup&) = delete;
    TWordLookup& operator=(const TWordLookup&) = delete;

    // Inserts a newly read sense in presentation order, or drops it when a
    // sense with its offset is already present.
    void AddSense(std::unique_ptr<TSynset> synset);
    // Shows the senses whose part of speech is in the set (255: all).
    void FilterSections(uint8_t sections);
    // -1: back to all shown senses; n: narrows Synonyms and KindsPresent to
    // sense n of Senses. ELVError "Invalid sense number" for any other n.
    void SelectSense(int32_t n);
    // Kind 12: Synonyms; kinds 0..11: the words of the synsets the shown (or
    // selected) senses point to with that kind, read from the file.
    const TWordList& GetRelatedWords(int kind);
    void ClearAll();
    void ClearRelated();

    // The gloss of sense i is Senses[i]->Gloss.
    std::vector<std::unique_ptr<TSynset>> Senses;  // presentation order; owned
    std::vector<TSynset*> Shown;                   // those passing the filter
    TWordList Synonyms;
    uint16_t KindsPresent = 0;
    uint8_t SectionsPresent = 255;
    int32_t SelectedSense = -1;
    std::vector<std::unique_ptr<TSynset>> Related;  // owned
    TWordList RelatedWords;
    uint16_t LastKinds = 0;
    bool Dirty = false;
    TLVDatabase& Database;
};
