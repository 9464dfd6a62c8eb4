#include "NearMatch.h"

#include <string_view>
#include <vector>

#include "MorphText.h"
#include "NearMatchRules.h"
#include "NormaliseKey.h"
#include "WordList.h"
#include "WordMorpher.h"

namespace {

constexpr const char* kDerivedCaption = "May be derived from ";
constexpr const char* kTryCaption = "Try ";
constexpr const char* kAlsoTryCaption = "Also try ";

// Shorter words give too many false suggestions; longer ones cannot be keys.
constexpr size_t kMinWordLength = 3;
constexpr size_t kMaxWordLength = kMaxKeyLength;

constexpr int kNoun = 0;
constexpr int kVerb = 1;
constexpr int kAdjective = 2;

bool Contains(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

// Opens the database on first use and closes it when the search ends, however
// it ends.
class TDatabaseHold {
public:
    explicit TDatabaseHold(TNearMatchSource& source) : source_(source) {}
    ~TDatabaseHold() {
        if (open_) source_.Close();
    }
    TDatabaseHold(const TDatabaseHold&) = delete;
    TDatabaseHold& operator=(const TDatabaseHold&) = delete;

    void Ensure() {
        if (open_) return;
        // Marked first: a failed Open still counts and must be closed.
        open_ = true;
        source_.Open();
    }

private:
    TNearMatchSource& source_;
    bool open_ = false;
};

// The state of one search.
class TNearMatchSearch {
public:
    TNearMatchSearch(TNearMatchSource& source, TSuggestionSink& sink, const std::string& word)
        : source_(source), sink_(sink), word_(word), hold_(source) {}

    int Run();

private:
    void DerivationPhase();
    void LetterPhase();
    bool ApplyDerivation(const TDerivationRule& rule);
    void ReinflectBases();
    bool ApplyLetterRule(const TLetterRule& rule);
    void VaryDoubleLetters();
    bool TryCandidate(const std::string& candidate);
    // False when candidate was tried before; records it otherwise.
    bool FirstTry(const std::string& candidate) { return triedWords_.Add(candidate); }
    void Offer(TSuggestionRow row, const std::string& word);

    TNearMatchSource& source_;
    TSuggestionSink& sink_;
    const std::string word_;
    // The typed word and every derivation candidate, found or not, so that
    // later rules chain on earlier ones.
    std::vector<std::string> workList_;
    // Sorted and compared without regard to case: no candidate is looked up
    // twice in one search.
    TWordList triedWords_;
    bool derivedRow_ = false;
    bool tryRow_ = false;
    TDatabaseHold hold_;
};

int TNearMatchSearch::Run() {
    if (word_.size() < kMinWordLength || word_.size() > kMaxWordLength) return 0;
    DerivationPhase();
    ReinflectBases();
    LetterPhase();
    VaryDoubleLetters();
    return int(derivedRow_) + int(tryRow_);
}

void TNearMatchSearch::DerivationPhase() {
    workList_.push_back(word_);
    bool previousRan = false;
    bool previousOffered = false;
    for (size_t i = 0; i < kDerivationRuleCount; ++i) {
        const TDerivationRule& rule = kDerivationRules[i];
        bool run = true;
        switch (rule.RunWhen) {
            case TDerivationRunWhen::Always: break;
            case TDerivationRunWhen::AfterFailure: run = previousRan && !previousOffered; break;
            case TDerivationRunWhen::NoDerivedRow: run = !derivedRow_; break;
        }
        previousOffered = run && ApplyDerivation(rule);
        previousRan = run;
    }
}

void TNearMatchSearch::LetterPhase() {
    for (size_t i = 0; i < kLetterRuleCount; ++i) {
        const TLetterRule& rule = kLetterRules[i];
        if (rule.RunWhen == TLetterRunWhen::NoTryRow && tryRow_) continue;
        ApplyLetterRule(rule);
    }
}

bool TNearMatchSearch::ApplyDerivation(const TDerivationRule& rule) {
    const std::string_view affix = rule.Affix;
    // Candidates this rule appends are left to the rules after it.
    const size_t count = workList_.size();
    for (size_t i = 0; i < count; ++i) {
        const std::string entry = workList_[i];
        if (entry.size() < affix.size()) continue;
        std::string candidate;
        if (rule.Side == TAffixSide::Suffix) {
            const size_t stem = entry.size() - affix.size();
            if (morphtext::LowerCase(std::string_view(entry).substr(stem)) != affix) continue;
            candidate = morphtext::LowerCase(std::string_view(entry).substr(0, stem)) + rule.Replacement;
        } else {
            if (morphtext::LowerCase(std::string_view(entry).substr(0, affix.size())) != affix) continue;
            candidate = rule.Replacement + entry.substr(affix.size());
        }
        workList_.push_back(candidate);
        if (!FirstTry(candidate)) return false;
        if (candidate.empty()) continue;
        hold_.Ensure();
        if (source_.LookupSections(candidate) & rule.Sections) {
            Offer(TSuggestionRow::Derived, candidate);
            return true;
        }
    }
    return false;
}

void TNearMatchSearch::ReinflectBases() {
    hold_.Ensure();
    const TWordMorpher& morpher = source_.Morpher();
    for (int partOfSpeech : {kNoun, kVerb, kAdjective}) {
        uint8_t kind = 1;
        std::vector<std::string> bases;
        switch (partOfSpeech) {
            case kNoun: morpher.NounBases(word_, bases, false); break;
            case kVerb: morpher.VerbBases(word_, bases, kind, false); break;
            default: morpher.AdjectiveBases(word_, bases, kind, false); break;
        }
        for (const std::string& key : bases) {
            const std::string base = morphtext::LowerCase(key);
            switch (partOfSpeech) {
                case kNoun: TryCandidate(morpher.PluralOf(base)); break;
                case kVerb: TryCandidate(morpher.VerbForm(base, kind)); break;
                default: TryCandidate(morpher.AdjectiveForm(base, kind)); break;
            }
        }
    }
}

bool TNearMatchSearch::ApplyLetterRule(const TLetterRule& rule) {
    const std::string_view find = rule.Find;
    const size_t length = word_.size();
    if (length < find.size()) return false;
    size_t at = std::string::npos;
    switch (rule.Place) {
        case TLetterPlace::Start:
            if (word_.compare(0, find.size(), find) == 0) at = 0;
            break;
        case TLetterPlace::End: {
            // Searching from one character early makes a word that holds the
            // text there too (such as "mm" for "m") count as no match.
            const size_t end = length - find.size();
            if (word_.find(find, end > 0 ? end - 1 : 0) == end) at = end;
            break;
        }
        case TLetterPlace::Inside: at = word_.find(find, 1); break;
    }
    if (at == std::string::npos) return false;
    if (at > 0 && Contains(rule.NotAfter, word_[at - 1])) return false;
    hold_.Ensure();
    return TryCandidate(word_.substr(0, at) + rule.Replacement + word_.substr(at + find.size()));
}

void TNearMatchSearch::VaryDoubleLetters() {
    const size_t length = word_.size();
    // The first character is never doubled or removed.
    for (size_t i = 1; i < length; ++i) {
        if (i + 1 < length && word_[i] == word_[i + 1]) {
            TryCandidate(std::string(word_).erase(i, 1));
        } else if (Contains(kDoublingLetters, word_[i]) && word_[i] != word_[i - 1]) {
            TryCandidate(std::string(word_).insert(i, 1, word_[i]));
        }
    }
}

bool TNearMatchSearch::TryCandidate(const std::string& candidate) {
    if (candidate.empty() || !FirstTry(candidate)) return false;
    hold_.Ensure();
    if (!source_.HasIndexEntry(candidate)) return false;
    Offer(TSuggestionRow::Try, candidate);
    return true;
}

void TNearMatchSearch::Offer(TSuggestionRow row, const std::string& word) {
    bool& exists = row == TSuggestionRow::Derived ? derivedRow_ : tryRow_;
    if (!exists) {
        const char* caption = row == TSuggestionRow::Derived ? kDerivedCaption
                              : derivedRow_                   ? kAlsoTryCaption
                                                              : kTryCaption;
        sink_.BeginRow(row, caption);
        exists = true;
    }
    sink_.AddWord(word);
}

}  // namespace

int ShowNearMatches(TNearMatchSource& source, const std::string& word, TSuggestionSink& sink) {
    return TNearMatchSearch(source, sink, word).Run();
}
