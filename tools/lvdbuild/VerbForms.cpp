#include "VerbForms.h"

#include <algorithm>

#include "HunspellWords.h"
#include "MorphText.h"
#include "NormaliseKey.h"
#include "WordMorpher.h"

using morphtext::EndsWith;
using morphtext::UpperCase;

namespace {

// The first word of a phrase, which hunspell may know.
std::string Head(const std::string& word) { return word.substr(0, word.find(' ')); }

// A form of a phrase is classified by the part that differs from the base:
// "blew one's nose" by "blew", "bogged-down" by "bogged". Returns form
// without the tail it shares with base from a space or hyphen on.
std::string ChangedPart(const std::string& base, const std::string& form) {
    size_t shared = 0;
    while (shared < base.size() && shared < form.size() &&
           base[base.size() - 1 - shared] == form[form.size() - 1 - shared])
        ++shared;
    for (size_t i = form.size() - shared; i < form.size(); ++i)
        if (form[i] == ' ' || form[i] == '-') return form.substr(0, i);
    return form;
}

// True when another listed form differs from form only in one letter, mine
// in form and theirs in the other: began/begun, sang/sung, swam/swum.
bool HasVowelPartner(const std::string& form, const std::vector<std::string>& forms, char mine,
                     char theirs) {
    for (const std::string& other : forms) {
        if (other.size() != form.size()) continue;
        size_t differ = 0, at = 0;
        for (size_t i = 0; i < form.size(); ++i)
            if (form[i] != other[i]) ++differ, at = i;
        if (differ == 1 && form[at] == mine && other[at] == theirs) return true;
    }
    return false;
}

struct TFormContext {
    const std::string& fullBase;
    const std::string& fullForm;
    const std::string& base;  // head words of base and form
    const std::string& form;
    const std::vector<std::string>& forms;  // head words of every listed form
    const TWordMorpher& regular;
};

// Another listed form that is neither -ing nor -s, so that one of the two
// can be the past: spun alone is both past and participle.
bool HasPastLikePartner(const TFormContext& c) {
    for (const std::string& other : c.forms)
        if (other != c.form && !EndsWith(other, "ing") && !EndsWith(other, "s")) return true;
    return false;
}

struct TFormRule {
    const char* what;
    bool (*applies)(const TFormContext&);
    TVerbRole role;
};

// The classification, tried in order; the first rule that applies decides.
const TFormRule kFormRules[] = {
    {"same key as the base: another spelling of it, or WordNet's mark that the base is no form",
     [](const TFormContext& c) { return NormaliseKey(c.fullForm) == NormaliseKey(c.fullBase); },
     TVerbRole::Variant},
    {"ends in -ing",
     [](const TFormContext& c) { return EndsWith(c.form, "ing") && c.form != c.base; },
     TVerbRole::PresentParticiple},
    {"ends in -s (but is not was) where the base does not, or is its regular third person",
     [](const TFormContext& c) {
         return c.form == c.regular.VerbForm(c.base, 2) ||
                (EndsWith(c.form, "s") && !EndsWith(c.base, "s") && c.form != "was");
     },
     TVerbRole::ThirdPerson},
    {"am, are", [](const TFormContext& c) { return c.form == "am" || c.form == "are"; },
     TVerbRole::Present},
    {"u where another form has a: begun beside began",
     [](const TFormContext& c) { return HasVowelPartner(c.form, c.forms, 'u', 'a'); },
     TVerbRole::Participle},
    {"a where another form has u: began beside begun",
     [](const TFormContext& c) { return HasVowelPartner(c.form, c.forms, 'a', 'u'); },
     TVerbRole::Past},
    {"the base plus -n or -en: proven, beaten, sewn",
     [](const TFormContext& c) { return c.form == c.base + "n" || c.form == c.base + "en"; },
     TVerbRole::Participle},
    {"ends in -n or -ne, not -an, beside another past-like form: eaten, gone, borne",
     [](const TFormContext& c) {
         return (EndsWith(c.form, "n") || EndsWith(c.form, "ne")) && !EndsWith(c.form, "an") &&
                HasPastLikePartner(c);
     },
     TVerbRole::Participle},
    {"anything else is a past tense", [](const TFormContext&) { return true; }, TVerbRole::Past},
};

// Verbs whose participle is the base though their past is not (ran, came).
bool ParticipleIsBase(const std::string& base) {
    return EndsWith(base, "run") || EndsWith(base, "come");
}

// dreamt beside dreamed, spelt beside spelled: the -t form of a verb whose
// regular past is the usual one; not bent beside bended.
bool IsTVariant(const std::string& base, const std::string& form) {
    return !EndsWith(base, "d") && EndsWith(form, "t") &&
           (form == base + "t" || form == morphtext::Minus(base, 1) + "t");
}

// Verbs whose past and participle are the base, and the compounds made with
// them (broadcast, upset, proofread). A compound counts only when the
// dictionary knows no regular past for it; the verbs themselves always do,
// with the regular past as a further form where it is attested (costed).
const char* const kUnchangedVerbs[] = {
    "bet", "bid", "burst", "cast", "cost", "cut", "hit", "hurt", "let", "put", "quit",
    "read", "rid", "set", "shed", "shut", "slit", "split", "spread", "thrust",
};

// Prefixes of such compounds that are not words of their own.
const char* const kVerbPrefixes[] = {"mis", "inter", "under", "tele"};

bool IsUnchangedVerb(const std::string& base, bool regularPastAttested,
                     const THunspellWords& words) {
    for (const char* verb : kUnchangedVerbs) {
        if (!EndsWith(base, verb)) continue;
        std::string prefix = morphtext::Minus(base, std::string(verb).size());
        if (prefix.empty()) return true;
        if (regularPastAttested) continue;
        if (words.Has(prefix)) return true;
        for (const char* known : kVerbPrefixes)
            if (prefix == known) return true;
    }
    return false;
}

// Endings whose e stays before -ing (hoeing, dyeing, singeing) even where
// dropping it makes another verb's form (dying, singing).
const char* const kKeptE[] = {"ee", "oe", "ye", "inge"};

// The regular present participle, or the one that keeps its e (being,
// seeing, hoeing) where the dictionary knows that one.
std::string RegularPresentParticiple(const std::string& base, const TWordMorpher& regular,
                                     const THunspellWords& words) {
    std::string form = regular.VerbForm(base, 5);
    const std::string head = Head(base);
    size_t space = base.find(' ');
    std::string kept = head + "ing" + (space == std::string::npos ? "" : base.substr(space));
    if (kept == form || !words.Has(Head(kept))) return form;
    bool keepsE = !words.Has(Head(form));
    for (const char* ending : kKeptE) keepsE = keepsE || EndsWith(head, ending);
    return keepsE ? kept : form;
}

// The first listed form, unless the dictionary knows only the regular one;
// the others go to rest.
std::string PreferAttested(const std::vector<std::string>& listed, const std::string& regularForm,
                           const THunspellWords& words, std::vector<std::string>& rest) {
    if (listed.empty()) return regularForm;
    if (!words.Has(Head(listed.front())) && words.Has(Head(regularForm))) {
        rest.insert(rest.end(), listed.begin(), listed.end());
        return regularForm;
    }
    rest.insert(rest.end(), listed.begin() + 1, listed.end());
    return listed.front();
}

void AddAlso(TVerbLine& line, const std::string& form) {
    if (form.empty() || form == line.past || form == line.participle ||
        form == line.presentParticiple || form == line.thirdPerson)
        return;
    if (std::find(line.also.begin(), line.also.end(), form) == line.also.end())
        line.also.push_back(form);
}

}  // namespace

TVerbRole ClassifyVerbForm(const std::string& base, const std::string& form,
                           const std::vector<std::string>& forms, const TWordMorpher& regular) {
    std::vector<std::string> heads;
    for (const std::string& f : forms) heads.push_back(ChangedPart(base, f));
    std::string formHead = ChangedPart(base, form);
    std::string baseHead = ChangedPart(form, base);
    TFormContext context{base, form, baseHead, formHead, heads, regular};
    for (const TFormRule& rule : kFormRules)
        if (rule.applies(context)) return rule.role;
    return TVerbRole::Past;  // not reached: the last rule always applies
}

TVerbLine CompleteVerbLine(const std::string& base, const std::vector<std::string>& forms,
                           const TWordMorpher& regular, const THunspellWords& words) {
    std::vector<std::string> pasts, participles, presentParticiples, thirdPersons, rest;
    for (const std::string& form : forms) {
        switch (ClassifyVerbForm(base, form, forms, regular)) {
            case TVerbRole::PresentParticiple: presentParticiples.push_back(form); break;
            case TVerbRole::ThirdPerson: thirdPersons.push_back(form); break;
            case TVerbRole::Present: rest.push_back(form); break;
            case TVerbRole::Variant: break;
            case TVerbRole::Participle: participles.push_back(form); break;
            case TVerbRole::Past: pasts.push_back(form); break;
        }
    }
    auto attested = [&words](const std::string& form) { return words.Has(Head(form)); };
    const std::string baseHead = Head(base);
    const std::string regularPast = regular.VerbForm(base, 3);
    const bool regularPastAttested = attested(regularPast);

    // quit and bet keep the base as their past where WordNet lists only the
    // regular one (quitted, betted); that one follows.
    if (IsUnchangedVerb(baseHead, true, words) &&
        std::all_of(pasts.begin(), pasts.end(), [&](const std::string& p) { return p == regularPast; })) {
        rest.insert(rest.end(), pasts.begin(), pasts.end());
        pasts.clear();
    }

    TVerbLine line;
    line.base = base;
    // Without a listed past: proved beside proven, beat beside beaten, set
    // beside setting.
    if (!pasts.empty())
        line.past = pasts.front();
    else if (!participles.empty())
        line.past = regularPastAttested ? regularPast : base;
    else
        line.past = IsUnchangedVerb(baseHead, regularPastAttested, words) ? base : regularPast;
    if (line.past == base && regularPastAttested) rest.push_back(regularPast);
    if (!participles.empty())
        line.participle = participles.front();
    else
        line.participle = ParticipleIsBase(baseHead) && !pasts.empty() ? base : line.past;

    // One irregular past beside an attested regular one: both are listed,
    // the regular first where the irregular is the -t variant or unknown to
    // the dictionary (travelled beside traveled).
    if (pasts.size() == 1 && participles.empty() && !ParticipleIsBase(baseHead) &&
        regularPastAttested && regularPast != line.past) {
        if (IsTVariant(baseHead, Head(line.past)) || !attested(line.past)) {
            rest.insert(rest.begin(), line.past);
            line.past = line.participle = regularPast;
        } else {
            rest.insert(rest.begin(), regularPast);
        }
    }
    line.presentParticiple =
        PreferAttested(presentParticiples, RegularPresentParticiple(base, regular, words), words, rest);
    line.thirdPerson = PreferAttested(thirdPersons, regular.VerbForm(base, 2), words, rest);
    for (size_t i = 1; i < pasts.size(); ++i) AddAlso(line, pasts[i]);
    for (size_t i = 1; i < participles.size(); ++i) AddAlso(line, participles[i]);
    for (const std::string& form : rest) AddAlso(line, form);
    return line;
}

bool IsRegular(const TVerbLine& line, const TWordMorpher& regular) {
    return line.also.empty() && line.past == regular.VerbForm(line.base, 3) &&
           line.participle == regular.VerbForm(line.base, 4) &&
           line.presentParticiple == regular.VerbForm(line.base, 5) &&
           line.thirdPerson == regular.VerbForm(line.base, 2);
}

std::string VerbLineText(const TVerbLine& line) {
    std::string text = NormaliseKey(line.base);
    for (const std::string* form :
         {&line.past, &line.participle, &line.presentParticiple, &line.thirdPerson})
        text += "," + UpperCase(*form);
    for (const std::string& form : line.also) text += "," + UpperCase(form);
    return text;
}
