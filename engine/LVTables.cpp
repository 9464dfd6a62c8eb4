#include "LVTables.h"

namespace {

const char* const kPartOfSpeechNames[kPartOfSpeechCount] = {
    "Noun", "Verb", "Adjective", "Adverb", "Preposition", "Conjunction", "Pronoun", "Interjection"};

struct TRelationKindInfo {
    const char* Name;
    bool Inflected;
};

const TRelationKindInfo kRelationKinds[kRelationKindCount + 1] = {
    {"Antonyms", true}, {"Attribs", false},    {"Causes", false},   {"Derived", false}, {"Entails", false},
    {"Parts", true},    {"Type of", true},     {"Types", true},     {"Part of", false}, {"Participle", false},
    {"See also", false}, {"Similar", true},    {"Synonyms", false}};

}  // namespace

const char* PartOfSpeechName(int partOfSpeech) {
    return partOfSpeech >= 0 && partOfSpeech < kPartOfSpeechCount ? kPartOfSpeechNames[partOfSpeech] : "";
}

const char* RelationKindName(int kind) {
    return kind >= 0 && kind <= kSynonymsKind ? kRelationKinds[kind].Name : "";
}

int RelationKindOf(const std::string& caption) {
    for (int kind = 0; kind <= kSynonymsKind; ++kind)
        if (caption == kRelationKinds[kind].Name) return kind;
    return -1;
}

bool IsInflectedKind(int kind) { return kind >= 0 && kind < kRelationKindCount && kRelationKinds[kind].Inflected; }
