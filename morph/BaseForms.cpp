// Going down: from a form the user typed to candidate base keys. The order of
// the candidates is the order in which the index search tries them.

#include "MorphText.h"
#include "NormaliseKey.h"
#include "WordMorpher.h"

using namespace morphtext;

namespace {

// The words that compare an adjective, and the base each implies.
struct Periphrasis {
    const char* word;
    uint8_t kind;
    const char* prefix;
};
constexpr Periphrasis kPeriphrases[] = {{"more", inflection::kComparative, ""},
                                        {"less", inflection::kComparative, "UN"},
                                        {"most", inflection::kSuperlative, ""}};

int Count(const std::vector<std::string>& list) { return static_cast<int>(list.size()); }

// Which verb form a field of an exception line holds.
uint8_t VerbKindOfField(int field) {
    switch (field) {
        case kParticipleField:
            return inflection::kPastParticiple;
        case kPresentParticipleField:
            return inflection::kPresentParticiple;
        case kThirdPersonField:
            return inflection::kThirdPerson;
        default:
            return inflection::kPast;
    }
}

}  // namespace

int TWordMorpher::NounBases(const std::string& word, std::vector<std::string>& list,
                            bool strict) const {
    const std::string upper = UpperCase(word);
    if (BasesFromExceptions(upper, list, 0) != 0) return 1;
    const size_t n = upper.size();
    if (n > 4) {
        if (EndsWith(upper, "IES")) AppendGuarded(list, Minus(upper, 3) + "Y", 0, upper, strict);
        const char beforeEs = FromEnd(upper, 2);
        if (EndsWith(upper, "ES") && (beforeEs == 'O' || IsSibilant(beforeEs, FromEnd(upper, 3))))
            AppendGuarded(list, Minus(upper, 2), 0, upper, strict);
    }
    if (EndsWith(upper, "S")) AppendGuarded(list, Minus(upper, 1), 0, upper, strict);
    return Count(list);
}

int TWordMorpher::VerbBases(const std::string& word, std::vector<std::string>& list,
                            uint8_t& kind, bool strict) const {
    const std::string key = NormaliseKey(word);
    // "are" is no past of "be", whatever field of its line it stands in: like
    // "am", it is the base itself, and its synonyms stay uninflected.
    if (key == "AM" || key == "ARE") {
        list.emplace_back("BE");
        kind = inflection::kNone;
        return 1;
    }
    if (const int field = BasesFromExceptions(word, list, 1)) {
        kind = VerbKindOfField(field);
        return Count(list);
    }

    kind = inflection::kThirdPerson;
    const size_t n = key.size();
    const char last = FromEnd(key, 0);
    if (n > 2) {
        const bool endsDorS = last == 'D' || last == 'S';
        if (FromEnd(key, 2) == 'I' && FromEnd(key, 1) == 'E') {
            // cried, cries -> cry
            if (endsDorS) AppendGuarded(list, Minus(key, 3) + "Y", 1, key, strict);
            if (last == 'D') kind = inflection::kPast;
        } else if (FromEnd(key, 1) == 'E') {
            if (endsDorS) {
                const std::string undoubled = Minus(key, 3);
                if (n > 4 && FromEnd(key, 3) == FromEnd(key, 2) && HasKey(doublingVerbs_, undoubled)) {
                    AppendGuarded(list, undoubled, 1, key, strict);  // stopped -> stop
                } else {
                    AppendGuarded(list, Minus(key, 1), 1, key, strict);  // baked -> bake
                    AppendUndoubled(list, Minus(key, 2), key, strict);   // walked -> walk
                }
            }
            if (last == 'D') kind = inflection::kPast;
        } else if (EndsWith(key, "ING")) {
            const std::string undoubled = Minus(key, 4);
            if (n > 5 && FromEnd(key, 3) == FromEnd(key, 4) && HasKey(doublingVerbs_, undoubled)) {
                list.push_back(undoubled);  // stopping -> stop
            } else {
                const std::string stem = Minus(key, 3);
                list.push_back(stem + "E");               // making -> make
                AppendUndoubled(list, stem, key, strict);  // walking -> walk
                if (stem.size() > 1 && stem.back() == 'Y')
                    list.push_back(Minus(stem, 1) + "IE");  // dying -> die
            }
            kind = inflection::kPresentParticiple;
        } else if (last == 'S') {
            list.push_back(Minus(key, 1));
        }
    }

    // A phrasal verb takes its bases and its kind from its first word.
    const size_t space = word.find(' ');
    if (space != std::string::npos) {
        std::vector<std::string> heads;
        VerbBases(word.substr(0, space), heads, kind, strict);
        const std::string rest = NormaliseKey(word.substr(space));
        for (const std::string& head : heads) list.push_back(head + rest);
    }
    return Count(list);
}

int TWordMorpher::AdjectiveBases(const std::string& word, std::vector<std::string>& list,
                                 uint8_t& kind, bool strict) const {
    if (const int field = BasesFromExceptions(word, list, 2)) {
        kind = field == 1 ? inflection::kComparative : inflection::kSuperlative;
        return 1;
    }
    const std::string key = NormaliseKey(word);
    const size_t n = key.size();
    if (n > 3) {
        if (n > 4 && EndsWith(key, "IEST")) {
            kind = inflection::kSuperlative;
            AppendGuarded(list, Minus(key, 4) + "Y", 2, key, strict);
        } else if (EndsWith(key, "IER")) {
            kind = inflection::kComparative;
            AppendGuarded(list, Minus(key, 3) + "Y", 2, key, strict);
        }
        if (EndsWith(key, "EST")) {
            kind = inflection::kSuperlative;
            AppendGuarded(list, Minus(key, 3), 2, key, strict);  // largest -> larg
            AppendGuarded(list, Minus(key, 2), 2, key, strict);  // largest -> large
        } else if (EndsWith(key, "ER")) {
            kind = inflection::kComparative;
            AppendGuarded(list, Minus(key, 2), 2, key, strict);
            AppendGuarded(list, Minus(key, 1), 2, key, strict);
        }
    }

    // Periphrastic forms: more happy, less happy (unhappy), most happy.
    if (word.find(' ') == 4) {
        for (const Periphrasis& lead : kPeriphrases) {
            if (word.compare(0, 4, lead.word) != 0) continue;
            kind = lead.kind;
            std::string candidate = std::string(lead.prefix) + NormaliseKey(word.substr(5));
            // An adjective with irregular forms is not compared with "more".
            if (!strict || !FindLine(2, candidate)) list.push_back(std::move(candidate));
            break;
        }
    }
    return Count(list);
}
