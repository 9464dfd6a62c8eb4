// The work of the not-found display over 1,000 realistic misspellings on the
// database built from WordNet: each is a real index word with one typical
// slip (a dropped, doubled or swapped letter, ie/ei, a wrong regular
// inflection of an irregular word) that the lookup does not find. Each word
// is looked up first, untimed, as the window does before it suggests.
//
// Counters: median_ms and p99_ms per word, lookups per word (full lookups
// and index searches together).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "LVDatabase.h"
#include "NearMatchDatabase.h"
#include "TestDatabase.h"
#include "WordLookup.h"

namespace {

constexpr size_t kWords = 1000;
constexpr const char* kWordNet = "/usr/share/wordnet/";

class TNullSink : public TSuggestionSink {
public:
    void BeginRow(TSuggestionRow, const std::string&) override {}
    void AddWord(const std::string&) override {}
};

// The real source, counting the questions it answers.
class TCountingSource : public TNearMatchSource {
public:
    explicit TCountingSource(TLVDatabase& database) : source_(database) {}
    void Open() override { source_.Open(); }
    void Close() override { source_.Close(); }
    uint8_t LookupSections(const std::string& word) override {
        ++questions;
        return source_.LookupSections(word);
    }
    bool HasIndexEntry(const std::string& word) override {
        ++questions;
        return source_.HasIndexEntry(word);
    }
    const TWordMorpher& Morpher() override { return source_.Morpher(); }

    int64_t questions = 0;

private:
    TLVNearMatchSource source_;
};

uint32_t Next(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

// Single lower-case words of a WordNet index file, in file order.
std::vector<std::string> IndexWords(const std::string& file) {
    std::vector<std::string> words;
    std::ifstream in(kWordNet + file);
    std::string line;
    while (std::getline(in, line)) {
        const std::string word = line.substr(0, line.find(' '));
        if (word.size() >= 5 && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            words.push_back(word);
    }
    return words;
}

// Base forms of a WordNet exception file ("bought buy" gives buy).
std::vector<std::string> IrregularBases(const std::string& file) {
    std::set<std::string> bases;
    std::ifstream in(kWordNet + file);
    std::string form, base;
    while (in >> form >> base)
        if (base.find('_') == std::string::npos) bases.insert(base);
    return {bases.begin(), bases.end()};
}

std::string Slip(const std::string& word, uint32_t& state, int kind) {
    std::string w = word;
    const size_t at = 1 + Next(state) % (w.size() - 2);
    switch (kind) {
        case 0: w.erase(at, 1); break;
        case 1: w.insert(at, 1, w[at]); break;
        case 2: std::swap(w[at], w[at + 1]); break;
        default: {
            const size_t ie = w.find("ie");
            const size_t ei = w.find("ei");
            if (ie != std::string::npos) w.replace(ie, 2, "ei");
            else if (ei != std::string::npos) w.replace(ei, 2, "ie");
            else w.erase(at, 1);
        }
    }
    return w;
}

bool Found(TLVDatabase& database, const std::string& word) {
    database.LookupWord(word);
    return !database.Lookup->Senses.empty();
}

// Misspellings the lookup does not find, deterministic from run to run.
std::vector<std::string> Misspellings(TLVDatabase& database) {
    std::vector<std::string> words = IndexWords("index.noun");
    for (const char* file : {"index.verb", "index.adj", "index.adv"}) {
        std::vector<std::string> more = IndexWords(file);
        words.insert(words.end(), more.begin(), more.end());
    }
    std::vector<std::string> verbs = IrregularBases("verb.exc");
    std::vector<std::string> nouns = IrregularBases("noun.exc");
    std::vector<std::string> result;
    uint32_t state = 2024;
    for (size_t tries = 0; result.size() < kWords && tries < 100 * kWords; ++tries) {
        const int kind = static_cast<int>(tries % 5);
        std::string slip;
        if (kind == 4) {
            // A wrong regular inflection: "buyed", "mouses".
            const bool verb = Next(state) % 2;
            const std::vector<std::string>& bases = verb ? verbs : nouns;
            if (bases.empty()) continue;
            slip = bases[Next(state) % bases.size()] + (verb ? "ed" : "s");
        } else {
            if (words.empty()) break;
            slip = Slip(words[Next(state) % words.size()], state, kind);
        }
        if (!Found(database, slip)) result.push_back(slip);
    }
    return result;
}

void BM_ShowNotFound(benchmark::State& state) {
    const std::string path = TestDatabasePath();
    if (!FileExists(path)) {
        state.SkipWithError(("no database at " + path).c_str());
        return;
    }
    TLVDatabase database;
    database.SetFileName(path);
    const std::vector<std::string> words = Misspellings(database);
    if (words.size() < kWords) {
        state.SkipWithError("could not make 1,000 misspellings");
        return;
    }
    TCountingSource source(database);
    TNullSink sink;
    // Every word of every iteration counts, the first (cold) pass included.
    std::vector<double> times;
    for (auto _ : state) {
        for (const std::string& word : words) {
            TOpenScope open(database);
            database.LookupWord(word);
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(ShowNearMatches(source, word, sink));
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p99_ms"] = times[times.size() * 99 / 100];
    state.counters["max_ms"] = times.back();
    state.counters["lookups_per_word"] = double(source.questions) / double(times.size());
}

}  // namespace

BENCHMARK(BM_ShowNotFound)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
