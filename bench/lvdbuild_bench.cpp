// The database build from WordNet 3.0 (target: at most 20 s), in its two
// phases: planning (reading, encoding, the limits, the morphology lists) and
// writing the file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "DatabasePlan.h"

namespace {

const std::string kOutput = "lvdbuild_bench.lvd";

void BM_PlanDatabase(benchmark::State& state) {
    for (auto _ : state) {
        TDatabasePlan plan = PlanDatabase(TBuildSources());
        benchmark::DoNotOptimize(plan.synsets.records.data());
    }
}

void BM_BuildDatabase(benchmark::State& state) {
    int64_t size = 0;
    for (auto _ : state) {
        TDatabasePlan plan = PlanDatabase(TBuildSources());
        size = WriteDatabase(plan, kOutput);
    }
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
    std::remove(kOutput.c_str());
}

BENCHMARK(BM_PlanDatabase)->Unit(benchmark::kSecond)->Iterations(2);
BENCHMARK(BM_BuildDatabase)->Unit(benchmark::kSecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
