// Going up: from a base form to an inflected form, and the text of a word's
// irregular forms. Endings are appended to the word as given, so its case
// stays; the letters that decide an ending are read from the word's key.

#include <algorithm>

#include "MorphText.h"
#include "NormaliseKey.h"
#include "WordMorpher.h"

using namespace morphtext;

namespace {

// FormsText builds its text in a buffer of this size and cuts it there.
constexpr size_t kFormsTextCapacity = 200;
// Forms after this many fields of a line are shown as alternatives.
constexpr int kFieldsBeforeAlso = 4;

constexpr const char* kFormsOfBe = "am,are,is,was,were,been,being";

void AppendCut(std::string& buffer, std::string_view text) {
    buffer.append(text.substr(0, kFormsTextCapacity - std::min(buffer.size(), kFormsTextCapacity)));
}

bool IsLowerLetter(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

std::string TWordMorpher::Inflect(const std::string& word, uint8_t kind) const {
    switch (kind) {
        case inflection::kPlural:
            return PluralOf(word);
        case inflection::kThirdPerson:
        case inflection::kPast:
        case inflection::kPresentParticiple:
            return VerbForm(word, kind);
        case inflection::kComparative:
        case inflection::kSuperlative:
            return AdjectiveForm(word, kind);
        default:
            return word;
    }
}

void TWordMorpher::InflectAll(std::vector<std::string>& list, uint8_t kind) const {
    for (std::string& item : list) {
        std::string form = Inflect(item, kind);
        if (form.empty())
            item += '*';
        else
            item = std::move(form);
    }
}

std::string TWordMorpher::PluralOf(const std::string& word) const {
    if (word.empty()) return std::string();
    const std::string key = NormaliseKey(word);
    if (const auto line = FindLine(0, key)) return ExceptionField(*line, 1);
    if (word.size() == 1) return word + "s";
    // Phrases and capitalised names (Paris) have no plural of their own.
    if (word.find(' ') != std::string::npos || (!IsLowerLetter(word[0]) && IsLowerLetter(word[1])))
        return std::string();
    const char last = FromEnd(key, 0), before = FromEnd(key, 1);
    if (IsSibilant(last, before)) return word + "es";
    if (last == 'Y' && !IsVowel(before)) return Minus(word, 1) + "ies";
    return word + "s";
}

std::string TWordMorpher::VerbForm(const std::string& word, uint8_t kind) const {
    if (word.size() < 2 || kind < inflection::kThirdPerson ||
        kind > inflection::kPresentParticiple)
        return std::string();
    const std::string key = NormaliseKey(word);
    if (const auto line = FindLine(1, key)) {
        std::string form;
        switch (kind) {
            case inflection::kPast:
                return ExceptionField(*line, kPastField);
            case inflection::kPastParticiple:
                form = ExceptionField(*line, kParticipleField);
                return form.empty() ? ExceptionField(*line, kPastField) : form;
            case inflection::kPresentParticiple:
                form = ExceptionField(*line, kPresentParticipleField);
                break;
            default:
                form = ExceptionField(*line, kThirdPersonField);
                break;
        }
        return form.empty() ? RegularVerbForm(word, key, kind) : form;
    }
    if (HasKey(doublingVerbs_, key)) {
        const char doubled = word.back();
        switch (kind) {
            case inflection::kThirdPerson: {
                const char last = FromEnd(key, 0);
                return last == 'S' || last == 'Z' ? word + doubled + "es" : word + "s";
            }
            case inflection::kPresentParticiple:
                return word + doubled + "ing";
            default:
                return word + doubled + "ed";
        }
    }
    return RegularVerbForm(word, key, kind);
}

std::string TWordMorpher::RegularVerbForm(const std::string& word, const std::string& key,
                                          uint8_t kind) const {
    const size_t space = word.find(' ');
    if (space != std::string::npos) {
        // A phrasal verb inflects its first word: give up -> gave up.
        const std::string head = VerbForm(word.substr(0, space), kind);
        return head.empty() ? head : head + word.substr(space);
    }
    const char last = FromEnd(key, 0), before = FromEnd(key, 1);
    const bool thirdPerson = kind == inflection::kThirdPerson;
    if (kind == inflection::kPresentParticiple) {
        if (last != 'E') return word + "ing";
        return (before == 'I' ? Minus(word, 2) + "y" : Minus(word, 1)) + "ing";
    }
    if (last == 'Y' && IsVowel(before)) return word + (thirdPerson ? "s" : "ed");
    if (last == 'Y') return Minus(word, 1) + (thirdPerson ? "ies" : "ied");
    if (last == 'E') return word + (thirdPerson ? "s" : "d");
    if (thirdPerson) return word + (last == 'O' || IsSibilant(last, before) ? "es" : "s");
    return word + "ed";
}

std::string TWordMorpher::AdjectiveForm(const std::string& word, uint8_t kind) const {
    if (word.size() < 2 || (kind != inflection::kComparative && kind != inflection::kSuperlative))
        return std::string();
    const bool comparative = kind == inflection::kComparative;
    const std::string key = NormaliseKey(word);
    if (const auto line = FindLine(2, key)) return ExceptionField(*line, comparative ? 1 : 2);

    const char last = FromEnd(key, 0), before = FromEnd(key, 1);
    std::string regular;
    if (last == 'E')
        regular = word + (comparative ? "r" : "st");
    else if (last == 'Y' && !IsVowel(before))
        regular = Minus(word, 1) + (comparative ? "ier" : "iest");
    else
        regular = word + (comparative ? "er" : "est");
    if (HasKey(adjectiveStems_, UpperCase(Minus(regular, comparative ? 2 : 3)))) return regular;

    if (!comparative) return "most " + word;
    if (word.size() > 5 && word.compare(0, 2, "un") == 0) return "less " + word.substr(2);
    return "more " + word;
}

std::string TWordMorpher::FormsText(const std::string& word, int partOfSpeech) const {
    if (partOfSpeech < 0 || partOfSpeech > 2 || word.empty()) return std::string();
    const std::string key = NormaliseKey(word);
    if (const auto line = FindLine(partOfSpeech, key)) {
        if (key == "BE") return kFormsOfBe;
        // Empty fields vanish; the comma that ends the fourth field becomes
        // ", also " so that further forms read as alternatives.
        std::string buffer;
        int commas = 0;
        char previous = ',';
        for (const char c : line->substr(key.size() + 1)) {
            if (c == ',') {
                ++commas;
                if (commas == kFieldsBeforeAlso) {
                    if (!buffer.empty() && buffer.back() == ',') buffer.pop_back();
                    AppendCut(buffer, ", also ");
                } else if (previous != ',') {
                    AppendCut(buffer, ",");
                }
            } else {
                AppendCut(buffer, std::string_view(&c, 1));
            }
            previous = c;
        }
        return LowerCase(buffer);
    }
    if (partOfSpeech == 1 && HasKey(doublingVerbs_, key)) {
        // The word, not its key, is doubled: bytes that the key drops (a
        // long tail of them) must not carry the text past the buffer.
        const std::string doubled = LowerCase(word + word.back());
        const char last = doubled.back();
        std::string buffer;
        if (last == 's' || last == 'z') AppendCut(buffer, doubled + "es,");
        AppendCut(buffer, doubled + "ed,");
        AppendCut(buffer, doubled + "ing");
        return buffer;
    }
    return std::string();
}
