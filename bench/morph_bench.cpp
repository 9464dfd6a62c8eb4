// The morpher's hot operations over 10,000 words, with word lists of the size
// that lvdbuild makes from WordNet 3.0 (about 2,050 noun, 710 verb and 210
// adjective lines, 1,150 stems and 490 doubling verbs). Read the
// "ns_per_word" counter.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "WordMorpher.h"

namespace {

constexpr int kWords = 10000;

// Deterministic pronounceable pseudo-words, so runs compare.
class WordMaker {
public:
    std::string Next() {
        static const char consonants[] = "bcdfghklmnprstvwz";
        static const char vowels[] = "aeiou";
        std::string word;
        const int syllables = 2 + static_cast<int>(Random() % 2);
        for (int i = 0; i < syllables; ++i) {
            word += consonants[Random() % (sizeof consonants - 1)];
            word += vowels[Random() % (sizeof vowels - 1)];
        }
        if (Random() % 2) word += consonants[Random() % (sizeof consonants - 1)];
        return word;
    }
    uint32_t Random() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }

private:
    uint32_t state_ = 12345;
};

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

struct Fixture {
    TWordMorpher morpher;
    std::vector<std::string> bases;  // base forms, for inflecting
    std::vector<std::string> forms;  // typed forms, for base-finding
};

TWordMorpher MakeMorpher(WordMaker& maker, std::vector<std::string>& irregular) {
    std::string nouns = "\r", verbs = "\r", adjectives = "\r", stems = "\r", doubling = "\r";
    for (int i = 0; i < 2050; ++i) {
        const std::string key = Upper(maker.Next()), form = Upper(maker.Next());
        nouns += key + "," + form + "\r";
        irregular.push_back(form);
    }
    for (int i = 0; i < 710; ++i) {
        const std::string key = Upper(maker.Next()), past = Upper(maker.Next());
        const std::string participle = i % 2 ? Upper(maker.Next()) : std::string();
        verbs += key + "," + past + "," + participle + "," + key + "ING," + key + "S\r";
        irregular.push_back(past);
    }
    for (int i = 0; i < 210; ++i) {
        const std::string key = Upper(maker.Next()), comparative = Upper(maker.Next());
        adjectives += key + "," + comparative + "," + Upper(maker.Next()) + "\r";
        irregular.push_back(comparative);
    }
    for (int i = 0; i < 1150; ++i) stems += Upper(maker.Next()) + "\r";
    for (int i = 0; i < 490; ++i) doubling += Upper(maker.Next()) + "\r";
    return TWordMorpher(nouns, verbs, adjectives, stems, doubling);
}

const Fixture& TheFixture() {
    static const Fixture fixture = [] {
        WordMaker maker;
        std::vector<std::string> irregular;
        TWordMorpher morpher = MakeMorpher(maker, irregular);
        static const char* const endings[] = {"s", "es", "ies", "ed", "ied", "ing", "er", "est"};
        std::vector<std::string> bases, forms;
        for (int i = 0; i < kWords; ++i) {
            bases.push_back(maker.Next());
            // A quarter irregular forms, the rest regular endings and plain words.
            if (i % 4 == 0)
                forms.push_back(irregular[maker.Random() % irregular.size()]);
            else
                forms.push_back(maker.Next() + endings[maker.Random() % 8]);
        }
        return Fixture{std::move(morpher), std::move(bases), std::move(forms)};
    }();
    return fixture;
}

void ReportPerWord(benchmark::State& state) {
    state.counters["ns_per_word"] = benchmark::Counter(
        kWords * 1e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Runs one base-form question, as the index search asks it, for every form.
template <typename Question>
void OverForms(benchmark::State& state, Question question) {
    const Fixture& f = TheFixture();
    for (auto _ : state)
        for (const std::string& word : f.forms) {
            std::vector<std::string> list;
            uint8_t kind = 1;
            benchmark::DoNotOptimize(question(f.morpher, word, list, kind));
        }
    ReportPerWord(state);
}

void BM_NounBases(benchmark::State& state) {
    OverForms(state, [](const TWordMorpher& m, const std::string& w, std::vector<std::string>& l,
                        uint8_t&) { return m.NounBases(w, l, true); });
}
BENCHMARK(BM_NounBases)->Unit(benchmark::kMillisecond);

void BM_VerbBases(benchmark::State& state) {
    OverForms(state, [](const TWordMorpher& m, const std::string& w, std::vector<std::string>& l,
                        uint8_t& kind) { return m.VerbBases(w, l, kind, true); });
}
BENCHMARK(BM_VerbBases)->Unit(benchmark::kMillisecond);

void BM_AdjectiveBases(benchmark::State& state) {
    OverForms(state, [](const TWordMorpher& m, const std::string& w, std::vector<std::string>& l,
                        uint8_t& kind) { return m.AdjectiveBases(w, l, kind, true); });
}
BENCHMARK(BM_AdjectiveBases)->Unit(benchmark::kMillisecond);

void BM_InflectAll(benchmark::State& state) {
    const Fixture& f = TheFixture();
    const auto kind = static_cast<uint8_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> list = f.bases;
        state.ResumeTiming();
        f.morpher.InflectAll(list, kind);
        benchmark::DoNotOptimize(list.data());
    }
    ReportPerWord(state);
}
BENCHMARK(BM_InflectAll)
    ->Arg(inflection::kPlural)
    ->Arg(inflection::kPast)
    ->Arg(inflection::kComparative)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
