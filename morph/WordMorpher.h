// English inflection in both directions: base form to inflected form (Inflect)
// and inflected form to candidate base forms (NounBases, VerbBases,
// AdjectiveBases), driven by a few built-in rules and five word lists that
// come from the database file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Stream.h"

// InflectionKind: carried from an index hit to its synsets and used to
// inflect their word lists.
namespace inflection {
constexpr uint8_t kNone = 0;
constexpr uint8_t kPlural = 1;
constexpr uint8_t kThirdPerson = 2;
constexpr uint8_t kPast = 3;
constexpr uint8_t kPastParticiple = 4;
constexpr uint8_t kPresentParticiple = 5;
constexpr uint8_t kComparative = 6;
constexpr uint8_t kSuperlative = 7;
}  // namespace inflection

// Each list is one string of lines, every line preceded and followed by a
// single CR: exception lists hold "KEY,FORM1,FORM2,...", the stem and
// doubling lists one key a line. Lines are found by substring search only.
class TWordMorpher {
public:
    // Reads the five length-prefixed lists of the database's morphology
    // payload; ELVError if the stream ends before a list does.
    explicit TWordMorpher(TStream& stream);
    TWordMorpher(std::string nounExceptions, std::string verbExceptions,
                 std::string adjectiveExceptions, std::string adjectiveStems,
                 std::string doublingVerbs);

    // Writes the payload that the stream constructor reads.
    void WriteTo(TStream& stream) const;

    // Going up. An empty result means the morpher has no form.
    std::string Inflect(const std::string& word, uint8_t kind) const;
    // Inflects every item in place; an item without a form gets "*" appended.
    void InflectAll(std::vector<std::string>& list, uint8_t kind) const;
    std::string PluralOf(const std::string& word) const;
    std::string VerbForm(const std::string& word, uint8_t kind) const;
    std::string AdjectiveForm(const std::string& word, uint8_t kind) const;
    // The irregular forms shown after a heading ("ran,run,running,runs").
    std::string FormsText(const std::string& word, int partOfSpeech) const;

    // Going down: append candidate base keys to list, in rule order, and
    // return the list's count. Strict mode (the index search) drops rule-made
    // candidates that the exception lists contradict.
    int NounBases(const std::string& word, std::vector<std::string>& list, bool strict) const;
    // kind: set to 1 by the caller; left holding the InflectionKind the word
    // was recognised as.
    int VerbBases(const std::string& word, std::vector<std::string>& list, uint8_t& kind,
                  bool strict) const;
    int AdjectiveBases(const std::string& word, std::vector<std::string>& list, uint8_t& kind,
                       bool strict) const;

    // Appends the key of every exception line of partOfSpeech that lists
    // form; returns the field number of the last match, 0 for none.
    int BasesFromExceptions(const std::string& form, std::vector<std::string>& list,
                            int partOfSpeech) const;
    // Field n (1 = the first after the key) of a line "KEY,F1,F2,...",
    // lower-cased; empty when the line has no such field.
    static std::string ExceptionField(std::string_view line, int n);

    const std::string& Exceptions(int partOfSpeech) const { return exceptions_.at(partOfSpeech); }
    const std::string& NounExceptions() const { return exceptions_[0]; }
    const std::string& VerbExceptions() const { return exceptions_[1]; }
    const std::string& AdjectiveExceptions() const { return exceptions_[2]; }
    const std::string& AdjectiveStems() const { return adjectiveStems_; }
    const std::string& DoublingVerbs() const { return doublingVerbs_; }

private:
    // The text "KEY,F1,..." of the first line for key, without its CRs.
    std::optional<std::string_view> FindLine(int partOfSpeech, std::string_view key) const;
    // True when the one-key-a-line list holds key.
    static bool HasKey(const std::string& list, std::string_view key);

    std::string RegularVerbForm(const std::string& word, const std::string& key,
                                uint8_t kind) const;

    // The candidate guards. upper is the word being worked on: the noun
    // upper-cased, or the verb's or adjective's key.
    void AppendGuarded(std::vector<std::string>& list, std::string candidate, int partOfSpeech,
                       std::string_view upper, bool strict) const;
    void AppendUndoubled(std::vector<std::string>& list, std::string candidate,
                         std::string_view upper, bool strict) const;

    std::string adjectiveStems_;
    std::string doublingVerbs_;
    std::array<std::string, 3> exceptions_;
};
