#include "MorphLists.h"

#include <algorithm>
#include <map>
#include <set>

#include "HunspellWords.h"
#include "MorphText.h"
#include "NormaliseKey.h"
#include "VerbForms.h"
#include "WordMorpher.h"

using morphtext::EndsWith;
using morphtext::kCR;
using morphtext::Minus;
using morphtext::UpperCase;

namespace {

// Base -> its listed forms, bases in the order WordNet first names them.
struct TFormGroups {
    std::vector<std::string> bases;
    std::map<std::string, std::vector<std::string>> forms;
};

TFormGroups GroupByBase(const std::vector<TWnException>& exceptions) {
    TFormGroups groups;
    for (const TWnException& e : exceptions)
        for (const std::string& base : e.bases) {
            std::vector<std::string>& forms = groups.forms[base];
            if (forms.empty()) groups.bases.push_back(base);
            if (std::find(forms.begin(), forms.end(), e.form) == forms.end()) forms.push_back(e.form);
        }
    return groups;
}

bool IsPlainWord(const std::string& word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string ExceptionLine(const std::string& base, const std::vector<std::string>& forms) {
    std::string line = NormaliseKey(base);
    for (const std::string& form : forms) line += "," + UpperCase(form);
    return line;
}

// stop: stopped, stopping; quiz: quizzes. Only forms hunspell knows count,
// so that British doublings (travelled) stay out.
std::string DoublingVerbs(const std::vector<TWnException>& verbs, const THunspellWords& words) {
    std::set<std::string> keys;
    for (const TWnException& e : verbs)
        for (const std::string& base : e.bases) {
            std::string head = base.substr(0, base.find(' '));
            std::string formHead = e.form.substr(0, e.form.find(' '));
            if (!IsPlainWord(head) || morphtext::IsVowel(UpperCase(head).back())) continue;
            std::string doubled = head + head.back();
            bool isDoubling = formHead == doubled + "ed" || formHead == doubled + "ing" ||
                              formHead == doubled + "es";
            if (isDoubling && words.Has(formHead)) keys.insert(NormaliseKey(head));
        }
    return ListText(std::vector<std::string>(keys.begin(), keys.end()));
}

std::string VerbExceptions(const TWordNet& wordNet, const TWordMorpher& regular,
                           const THunspellWords& words) {
    TFormGroups groups = GroupByBase(wordNet.exceptions[1]);
    std::vector<std::string> lines;
    for (const std::string& base : groups.bases) {
        TVerbLine line = CompleteVerbLine(base, groups.forms[base], regular, words);
        if (!IsRegular(line, regular)) lines.push_back(VerbLineText(line));
    }
    // Verbs WordNet lists no form of may still need a line: burst, hoe.
    for (const TWnIndexEntry& verb : wordNet.index[1]) {
        if (groups.forms.count(verb.lemma) || verb.lemma.find(' ') != std::string::npos) continue;
        TVerbLine line = CompleteVerbLine(verb.lemma, {}, regular, words);
        if (!IsRegular(line, regular)) lines.push_back(VerbLineText(line));
    }
    return ListText(lines);
}

std::string NounExceptions(const TWordNet& wordNet) {
    TFormGroups groups = GroupByBase(wordNet.exceptions[0]);
    std::vector<std::string> lines;
    for (const std::string& base : groups.bases)
        lines.push_back(ExceptionLine(base, groups.forms[base]));
    return ListText(lines);
}

// Adjective lines are "KEY,COMPARATIVE,SUPERLATIVE[,SUPERLATIVE...]"; a
// further comparative (further beside farther) gets a line of its own after
// the first, which only the search for base forms reads. Lines whose forms
// are the regular ones become stems instead.
void AdjectiveLists(const TWordNet& wordNet, const THunspellWords& words, TMorphLists& lists) {
    // adv.exc lists forms of words that are adjectives too (well: best).
    std::set<std::string> adjectives;
    for (const TWnIndexEntry& adjective : wordNet.index[2]) adjectives.insert(adjective.lemma);
    std::vector<TWnException> exceptions = wordNet.exceptions[2];
    for (const TWnException& e : wordNet.exceptions[3]) {
        TWnException adjectival{e.form, {}};
        for (const std::string& base : e.bases)
            if (adjectives.count(base)) adjectival.bases.push_back(base);
        if (!adjectival.bases.empty()) exceptions.push_back(adjectival);
    }
    TFormGroups groups = GroupByBase(exceptions);
    std::vector<std::string> lines;
    std::set<std::string> stems;
    for (const std::string& base : groups.bases) {
        std::vector<std::string> comparatives, superlatives;
        for (const std::string& form : groups.forms[base])
            (EndsWith(form, "st") ? superlatives : comparatives).push_back(form);
        // A missing form is the one the other makes (farther: farthest) or
        // the regular one, where the dictionary knows it; else none (no
        // "goodest" beside better).
        TAdjectiveForms regular = RegularAdjectiveForms(base);
        auto fill = [&words](std::vector<std::string>& forms, const std::vector<std::string>& others,
                             const char* from, const char* to, const std::string& regularForm) {
            if (!forms.empty()) return;
            for (const std::string& other : others) {
                std::string made = Minus(other, std::string(from).size()) + to;
                if (EndsWith(other, from) && words.Has(made)) forms.push_back(made);
            }
            if (forms.empty() && words.Has(regularForm)) forms.push_back(regularForm);
        };
        fill(superlatives, comparatives, "er", "est", regular.superlative);
        fill(comparatives, superlatives, "est", "er", regular.comparative);
        if (comparatives.size() == 1 && superlatives.size() == 1 && !regular.stem.empty() &&
            comparatives[0] == regular.comparative && superlatives[0] == regular.superlative) {
            stems.insert(UpperCase(regular.stem));
            continue;
        }
        if (comparatives.empty()) comparatives.push_back(std::string());
        std::vector<std::string> first = {comparatives[0]};
        first.insert(first.end(), superlatives.begin(), superlatives.end());
        lines.push_back(ExceptionLine(base, first));
        for (size_t i = 1; i < comparatives.size(); ++i)
            lines.push_back(ExceptionLine(base, {comparatives[i]}));
    }
    for (const TWnIndexEntry& adjective : wordNet.index[2]) {
        if (!IsPlainWord(adjective.lemma) || groups.forms.count(adjective.lemma)) continue;
        TAdjectiveForms regular = RegularAdjectiveForms(adjective.lemma);
        if (!regular.stem.empty() && words.Has(regular.comparative) && words.Has(regular.superlative))
            stems.insert(UpperCase(regular.stem));
    }
    // cut and cute share the stem CUT, so cut would take cute's cuter: the
    // adjective without the e is compared with more and most instead.
    for (const std::string& adjective : adjectives) {
        if (!IsPlainWord(adjective) || groups.forms.count(adjective) || !adjectives.count(adjective + "e"))
            continue;
        TAdjectiveForms regular = RegularAdjectiveForms(adjective);
        if (!regular.stem.empty() && stems.count(UpperCase(regular.stem)))
            lines.push_back(ExceptionLine(adjective, {"more " + adjective, "most " + adjective}));
    }
    lists.adjectiveExceptions = ListText(lines);
    lists.adjectiveStems = ListText(std::vector<std::string>(stems.begin(), stems.end()));
}

}  // namespace

std::string ListText(const std::vector<std::string>& lines) {
    if (lines.empty()) return std::string();
    std::string text(1, kCR);
    for (const std::string& line : lines) text += line + kCR;
    return text;
}

// Asks the morpher itself, offering it every stem its rule could look for
// (the word, the word minus its e, its y turned to i), so the forms agree
// with the morpher's rule by construction.
TAdjectiveForms RegularAdjectiveForms(const std::string& adjective) {
    std::string upper = UpperCase(adjective);
    std::string stems = ListText({upper, Minus(upper, 1), Minus(upper, 1) + "I"});
    TWordMorpher morpher("", "", "", stems, "");
    TAdjectiveForms forms;
    forms.comparative = morpher.AdjectiveForm(adjective, 6);
    forms.superlative = morpher.AdjectiveForm(adjective, 7);
    if (EndsWith(forms.comparative, "er")) forms.stem = Minus(forms.comparative, 2);
    return forms;
}

TMorphLists BuildMorphLists(const TWordNet& wordNet, const THunspellWords& words) {
    TMorphLists lists;
    lists.doublingVerbs = DoublingVerbs(wordNet.exceptions[1], words);
    TWordMorpher regular("", "", "", "", lists.doublingVerbs);
    lists.verbExceptions = VerbExceptions(wordNet, regular, words);
    lists.nounExceptions = NounExceptions(wordNet);
    AdjectiveLists(wordNet, words, lists);
    return lists;
}
