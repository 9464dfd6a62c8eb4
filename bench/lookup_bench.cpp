// Lookup speed over the real database (build/native/lxvr17.lvd or
// $LEXIVAR_DB): LookupWord plus GetRelatedWords for every kind present, for
// a sample of 10,000 WordNet index words (every k-th lemma of index.noun,
// .verb, .adj and .adv). Each iteration is one word, timed on its own, so
// the counters give the median, p90 and p99 over the sample: of the elapsed
// time, and of the thread's CPU time (user and system), which other load on
// the machine does not inflate.
//
//   hot:  one database object for the whole sample (index loaded once)
//   cold: a new TLVDatabase per word (tail read and index loaded each time)
//   hot_common: one database, eight everyday words in turn, so that their
//               index blocks stay among the six cached (shows what the
//               block decoding costs the sample)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <time.h>

#include "DatabasePath.h"
#include "LVDatabase.h"
#include "LVTables.h"
#include "WordLookup.h"

namespace {

constexpr size_t kSampleSize = 10000;
constexpr const char* kWordNetDir = "/usr/share/wordnet";

std::vector<std::string> ReadSample() {
    std::vector<std::string> lemmas;
    for (const char* name : {"index.noun", "index.verb", "index.adj", "index.adv"}) {
        std::ifstream in(std::string(kWordNetDir) + "/" + name);
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == ' ') continue;  // the licence header
            std::string lemma = line.substr(0, line.find(' '));
            std::replace(lemma.begin(), lemma.end(), '_', ' ');
            lemmas.push_back(lemma);
        }
    }
    std::vector<std::string> sample;
    const size_t step = std::max<size_t>(1, lemmas.size() / kSampleSize);
    for (size_t i = 0; i < lemmas.size() && sample.size() < kSampleSize; i += step) sample.push_back(lemmas[i]);
    return sample;
}

const std::vector<std::string>& Sample() {
    static const std::vector<std::string> sample = ReadSample();
    return sample;
}

const std::string& DatabaseFile() {
    static const std::string path = LocateDatabase("", std::getenv("LEXIVAR_DB"), ExecutablePath("lookup_bench"));
    return path;
}

// Skips the benchmark when there is nothing to measure on.
bool Ready(benchmark::State& state) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(DatabaseFile(), error)) {
        state.SkipWithError(("no database at " + DatabaseFile() + " (set LEXIVAR_DB)").c_str());
        return false;
    }
    if (Sample().empty()) {
        state.SkipWithError("no WordNet index files in /usr/share/wordnet");
        return false;
    }
    return true;
}

// What the window does for one search with every tab opened: the lookup,
// then the related words of each kind present. Returns the words listed.
size_t LookupWithAllRelations(TLVDatabase& database, const std::string& word) {
    TOpenScope open(database);
    database.LookupWord(word);
    TWordLookup& lookup = *database.Lookup;
    size_t words = lookup.Synonyms.Size();
    for (int kind = 0; kind < kRelationKindCount; ++kind)
        if (lookup.KindsPresent & KindBit(kind)) words += lookup.GetRelatedWords(kind).Size();
    return words;
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Counters prefix_median_us, prefix_p90_us and prefix_p99_us.
void ReportDistribution(benchmark::State& state, const std::string& prefix, std::vector<double> micros) {
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    auto at = [&](double q) { return micros[static_cast<size_t>(q * double(micros.size() - 1))]; };
    state.counters[prefix + "median_us"] = at(0.5);
    state.counters[prefix + "p90_us"] = at(0.9);
    state.counters[prefix + "p99_us"] = at(0.99);
}

template <typename Lookup>
void TimeEachWord(benchmark::State& state, const std::vector<std::string>& sample, Lookup lookup) {
    std::vector<double> wall, cpu;
    wall.reserve(sample.size());
    cpu.reserve(sample.size());
    size_t words = 0, i = 0;
    for (auto _ : state) {
        const double cpuStart = ThreadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const size_t listed = lookup(sample[i]);
        const auto stop = std::chrono::steady_clock::now();
        const double cpuStop = ThreadCpuSeconds();
        benchmark::DoNotOptimize(listed);
        words += listed;
        const double seconds = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(seconds);
        wall.push_back(seconds * 1e6);
        cpu.push_back((cpuStop - cpuStart) * 1e6);
        i = (i + 1) % sample.size();
    }
    if (!wall.empty()) state.counters["words_per_lookup"] = double(words) / double(wall.size());
    ReportDistribution(state, "", std::move(wall));
    ReportDistribution(state, "cpu_", std::move(cpu));
}

void BM_LookupHot(benchmark::State& state) {
    if (!Ready(state)) return;
    TLVDatabase database;
    database.SetFileName(DatabaseFile());
    database.LookupWord("");  // loads the index, as the window's first search does
    TimeEachWord(state, Sample(), [&](const std::string& word) { return LookupWithAllRelations(database, word); });
}

void BM_LookupHotCommon(benchmark::State& state) {
    if (!Ready(state)) return;
    static const std::vector<std::string> common = {"run", "cat", "good", "house", "make", "light", "water", "set"};
    TLVDatabase database;
    database.SetFileName(DatabaseFile());
    database.LookupWord("");
    TimeEachWord(state, common, [&](const std::string& word) { return LookupWithAllRelations(database, word); });
}

void BM_LookupCold(benchmark::State& state) {
    if (!Ready(state)) return;
    TimeEachWord(state, Sample(), [](const std::string& word) {
        auto database = std::make_unique<TLVDatabase>();
        database->SetFileName(DatabaseFile());
        return LookupWithAllRelations(*database, word);
    });
}

}  // namespace

BENCHMARK(BM_LookupHot)->Iterations(kSampleSize)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupHotCommon)->Iterations(kSampleSize)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupCold)->Iterations(kSampleSize)->UseManualTime()->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
