// The two vocabularies the whole system shares: parts of speech (which are
// also the section numbers of the database file) and relation kinds (the
// kinds of synset pointers, whose names are the captions of the relation
// tabs).
#pragma once

#include <cstdint>
#include <string>

constexpr int kPartOfSpeechCount = 8;
// A set of parts of speech: bit n for part of speech n.
constexpr uint8_t kAllSections = 255;

constexpr int kRelationKindCount = 12;
// Not a pointer kind: the other words of the senses themselves.
constexpr int kSynonymsKind = 12;

// "Noun" ... "Interjection"; an empty text outside 0..7.
const char* PartOfSpeechName(int partOfSpeech);

// "Antonyms" ... "Similar" for 0..11, "Synonyms" for 12; empty otherwise.
const char* RelationKindName(int kind);

// The kind whose name is caption, or -1.
int RelationKindOf(const std::string& caption);

// Whether the target words of this kind are inflected to the looked-up form.
bool IsInflectedKind(int kind);

// Mask of one part of speech; 0 outside 0..7.
inline uint8_t SectionBit(int partOfSpeech) {
    return partOfSpeech >= 0 && partOfSpeech < kPartOfSpeechCount ? static_cast<uint8_t>(1u << partOfSpeech) : 0;
}

// Mask of one relation kind; kinds 0..15 fit, others give 0.
inline uint16_t KindBit(int kind) { return kind >= 0 && kind < 16 ? static_cast<uint16_t>(1u << kind) : 0; }
