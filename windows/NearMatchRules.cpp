#include "NearMatchRules.h"

namespace {

constexpr uint8_t N = kNounBit;
constexpr uint8_t V = kVerbBit;
constexpr uint8_t A = kAdjectiveBit;
constexpr uint8_t R = kAdverbBit;

constexpr TAffixSide kSuffix = TAffixSide::Suffix;
constexpr TAffixSide kPrefix = TAffixSide::Prefix;

constexpr TDerivationRunWhen kAlways = TDerivationRunWhen::Always;
constexpr TDerivationRunWhen kAfterFailure = TDerivationRunWhen::AfterFailure;
constexpr TDerivationRunWhen kNoDerivedRow = TDerivationRunWhen::NoDerivedRow;

constexpr TLetterPlace kStart = TLetterPlace::Start;
constexpr TLetterPlace kEnd = TLetterPlace::End;
constexpr TLetterPlace kInside = TLetterPlace::Inside;

constexpr const char* kVowels = "aeiouAEIOU";
constexpr const char* kAnything = "";

constexpr TLetterRunWhen kAny = TLetterRunWhen::Always;
constexpr TLetterRunWhen kNoTryRow = TLetterRunWhen::NoTryRow;

}  // namespace

// Applied in this order; each rule stops at its first confirmed candidate.
const TDerivationRule kDerivationRules[] = {
    {"isation", "ise", V, kSuffix, kAlways},              // D1
    {"isations", "ise", V, kSuffix, kAfterFailure},       // D2
    {"ization", "ize", V, kSuffix, kAlways},              // D3
    {"izations", "ize", V, kSuffix, kAfterFailure},       // D4
    {"tion", "te", V, kSuffix, kNoDerivedRow},            // D5
    {"tion", "t", V, kSuffix, kAfterFailure},             // D6
    {"ize", "", A, kSuffix, kAlways},                     // D7
    {"izing", "", A, kSuffix, kAlways},                   // D8
    {"izes", "", A, kSuffix, kAlways},                    // D9
    {"ized", "", A, kSuffix, kAlways},                    // D10
    {"ise", "", A, kSuffix, kAlways},                     // D11
    {"ising", "", A, kSuffix, kAlways},                   // D12
    {"ises", "", A, kSuffix, kAlways},                    // D13
    {"ised", "", A, kSuffix, kAlways},                    // D14
    {"er", "", V, kSuffix, kAlways},                      // D15
    {"er", "e", V, kSuffix, kAlways},                     // D16
    {"iness", "y", A, kSuffix, kAlways},                  // D17
    {"ness", "", A, kSuffix, kAfterFailure},              // D18
    {"edness", "", V, kSuffix, kAfterFailure},            // D19
    {"un", "", V | A | R, kPrefix, kAlways},              // D20
    {"anti", "", N | A, kPrefix, kAlways},                // D21
    {"over", "", V | A | R, kPrefix, kAlways},            // D22
    {"super", "", A, kPrefix, kAlways},                   // D23
    {"under", "", V | A | R, kPrefix, kAlways},           // D24
    {"re", "", V, kPrefix, kAlways},                      // D25
    {"like", "", N, kSuffix, kAlways},                    // D26
    {"less", "", N, kSuffix, kAlways},                    // D27
    {"ly", "", A, kSuffix, kAlways},                      // D28
    {"ly", "e", A, kSuffix, kAlways},                     // D29
    {"ily", "y", A, kSuffix, kAlways},                    // D30
    {"de", "", V, kPrefix, kAlways},                      // D31
    {"non", "", A, kPrefix, kAlways},                     // D32
    {"in", "", A, kPrefix, kAlways},                      // D33
    {"ic", "y", N, kSuffix, kAlways},                     // D34
    {"ic", "", N, kSuffix, kAlways},                      // D35
    {"ism", "", N | A, kSuffix, kAlways},                 // D36
    {"ism", "y", N | A, kSuffix, kAlways},                // D37
    {"ism", "ic", A, kSuffix, kAlways},                   // D38
    {"able", "e", V, kSuffix, kAlways},                   // D39
    {"able", "", V, kSuffix, kAlways},                    // D40
    {"iable", "y", V, kSuffix, kAlways},                  // D41
    {"ish", "", V | A | R, kSuffix, kAlways},             // D42
    {"ishly", "", V | A, kSuffix, kAlways},               // D43
    {"ian", "", N, kSuffix, kAlways},                     // D44
    {"ians", "", N, kSuffix, kAlways},                    // D45
    {"or", "", V, kSuffix, kAlways},                      // D46
    {"or", "e", V, kSuffix, kAlways},                     // D47
    {"ors", "", V, kSuffix, kAlways},                     // D48
    {"ors", "e", V, kSuffix, kAlways},                    // D49
    {"bility", "ble", A, kSuffix, kAlways},               // D50
};
const size_t kDerivationRuleCount = sizeof kDerivationRules / sizeof kDerivationRules[0];

// Applied to the typed word only, in this order; one occurrence per rule.
const TLetterRule kLetterRules[] = {
    {"ous", "ious", kInside, "i", kAny},                  // S1
    {"us", "ous", kInside, "o", kAny},                    // S2
    {"cious", "tious", kInside, kAnything, kAny},         // S3
    {"ent", "ant", kInside, kAnything, kAny},             // S4
    {"enc", "anc", kInside, kAnything, kAny},             // S5
    {"ant", "ent", kInside, kAnything, kAny},             // S6
    {"ch", "tch", kInside, "t", kAny},                    // S7
    {"tch", "ch", kInside, kAnything, kAny},              // S8
    {"a", "e", kInside, kVowels, kAny},                   // S9
    {"e", "i", kInside, kVowels, kAny},                   // S10
    {"i", "e", kInside, kVowels, kAny},                   // S11
    {"d", "g", kInside, kAnything, kAny},                 // S12
    {"g", "d", kInside, "d", kAny},                       // S13
    {"y", "i", kInside, kAnything, kAny},                 // S14
    {"i", "y", kInside, kAnything, kAny},                 // S15
    {"ey", "y", kEnd, kAnything, kAny},                   // S16
    {"y", "ey", kEnd, kAnything, kAny},                   // S17
    {"ly", "ely", kEnd, kAnything, kAny},                 // S18
    {"ly", "lly", kEnd, "l", kAny},                       // S19
    {"ie", "ei", kInside, kAnything, kAny},               // S20
    {"ei", "ie", kInside, kAnything, kAny},               // S21
    {"j", "g", kInside, kAnything, kAny},                 // S22
    {"e", "i", kInside, kAnything, kAny},                 // S23
    {"g", "dg", kInside, "g", kAny},                      // S24
    {"ee", "ea", kInside, kAnything, kAny},               // S25
    {"er", "or", kEnd, kAnything, kAny},                  // S26
    {"or", "er", kEnd, kAnything, kAny},                  // S27
    {"ea", "ee", kInside, kAnything, kAny},               // S28
    {"el", "le", kInside, "e", kAny},                     // S29
    {"z", "x", kStart, kAnything, kAny},                  // S30
    {"f", "ph", kStart, kAnything, kAny},                 // S31
    {"ite", "ight", kInside, kAnything, kAny},            // S32
    {"s", "c", kInside, "s", kAny},                       // S33
    {"dry", "dary", kInside, kAnything, kAny},            // S34
    {"ory", "ary", kInside, kAnything, kAny},             // S35
    {"ary", "ory", kInside, kAnything, kAny},             // S36
    {"sr", "scr", kInside, kAnything, kAny},              // S37
    {"out", "aut", kInside, kAnything, kAny},             // S38
    {"ht", "th", kInside, "g", kAny},                     // S39
    {"hs", "sh", kInside, "t", kAny},                     // S40
    {"nc", "nsc", kInside, kAnything, kAny},              // S41
    {"ns", "nc", kInside, kAnything, kAny},               // S42
    {"etia", "ecia", kInside, kAnything, kAny},           // S43
    {"u", "eu", kInside, kVowels, kAny},                  // S44
    {"ore", "or", kInside, kAnything, kAny},              // S45
    {"qu", "cqu", kInside, "c", kAny},                    // S46
    {"kw", "qu", kInside, kAnything, kAny},               // S47
    {"ga", "gua", kInside, kAnything, kAny},              // S48
    {"mth", "nth", kInside, kAnything, kAny},             // S49
    {"mph", "nph", kInside, kAnything, kAny},             // S50
    {"nb", "mb", kInside, kAnything, kAny},               // S51
    {"m", "mb", kEnd, "s", kAny},                         // S52
    {"er", "ur", kInside, kAnything, kNoTryRow},          // S53
    {"eable", "able", kEnd, kAnything, kAny},             // S54
    {"able", "ible", kEnd, kAnything, kAny},              // S55
    {"ible", "able", kEnd, kAnything, kAny},              // S56
    {"supercede", "supersede", kStart, kAnything, kAny},  // S57
    {"illi", "ili", kStart, kAnything, kAny},             // S58
};
const size_t kLetterRuleCount = sizeof kLetterRules / sizeof kLetterRules[0];

const char kDoublingLetters[] = "cdglmnprstz";
