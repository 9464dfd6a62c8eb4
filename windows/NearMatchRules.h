// The fixed rule tables of the near-match suggestions: derivation rules that
// strip a common affix, and letter rules that put a common slip right.
#pragma once

#include <cstddef>
#include <cstdint>

// Part-of-speech bits of a derivation rule (bit p for part of speech p).
constexpr uint8_t kNounBit = 1 << 0;
constexpr uint8_t kVerbBit = 1 << 1;
constexpr uint8_t kAdjectiveBit = 1 << 2;
constexpr uint8_t kAdverbBit = 1 << 3;

enum class TAffixSide { Suffix, Prefix };

// When a derivation rule runs, judged from the rules before it.
enum class TDerivationRunWhen {
    Always,
    // The rule just before it ran and offered nothing: a longer or rarer
    // form of the same affix is tried only when the usual one failed.
    AfterFailure,
    // No word has been offered in the derived row yet.
    NoDerivedRow,
};

struct TDerivationRule {
    const char* Affix;        // lower case
    const char* Replacement;  // lower case, possibly empty
    uint8_t Sections;         // parts of speech the result must exist in
    TAffixSide Side;
    TDerivationRunWhen RunWhen;
};

enum class TLetterPlace { Start, End, Inside };

enum class TLetterRunWhen { Always, NoTryRow };

struct TLetterRule {
    const char* Find;         // compared case-sensitively
    const char* Replacement;
    TLetterPlace Place;
    // Characters that must not stand just before the occurrence (empty: no
    // guard).
    const char* NotAfter;
    TLetterRunWhen RunWhen;
};

extern const TDerivationRule kDerivationRules[];
extern const size_t kDerivationRuleCount;

extern const TLetterRule kLetterRules[];
extern const size_t kLetterRuleCount;

// Letters that VaryDoubleLetters may double.
extern const char kDoublingLetters[];
