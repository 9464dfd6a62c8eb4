// lvdbuild: builds the database file from WordNet 3.0, or verifies one.
//
//   lvdbuild [-o FILE] [--wordnet DIR] [--hunspell DIR]
//   lvdbuild --verify FILE [--wordnet DIR] [--hunspell DIR]
//
// The build writes FILE (default lxvr17.lvd) and its report beside it
// (lxvr17.report.txt).
#include <chrono>
#include <cstdio>
#include <string>

#include "DatabasePlan.h"
#include "LVErrors.h"
#include "Verify.h"

namespace {

struct TOptions {
    TBuildSources sources;
    std::string output = "lxvr17.lvd";
    std::string verify;
};

int Usage() {
    std::fprintf(stderr,
                 "usage: lvdbuild [-o FILE] [--wordnet DIR] [--hunspell DIR]\n"
                 "       lvdbuild --verify FILE [--wordnet DIR] [--hunspell DIR]\n");
    return 2;
}

bool ParseOptions(int argc, char** argv, TOptions& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc) return false;
        std::string value = argv[++i];
        if (arg == "-o") {
            options.output = value;
        } else if (arg == "--verify") {
            options.verify = value;
        } else if (arg == "--wordnet") {
            options.sources.wordNetDir = value;
        } else if (arg == "--hunspell") {
            options.sources.hunspellAff = value + "/en_US.aff";
            options.sources.hunspellDic = value + "/en_US.dic";
        } else {
            return false;
        }
    }
    return true;
}

// lxvr17.lvd -> lxvr17.report.txt, in the same folder.
std::string ReportPath(const std::string& database) {
    std::string base = database;
    size_t dot = base.rfind('.');
    size_t slash = base.find_last_of("/\\");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) base.erase(dot);
    return base + ".report.txt";
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int Verify(const TOptions& options) {
    TDatabasePlan plan = PlanDatabase(options.sources);
    TVerifyResult result = VerifyDatabase(plan, options.verify);
    for (const std::string& example : result.examples) std::fprintf(stderr, "mismatch: %s\n", example.c_str());
    std::printf("%s: %zu synsets, %zu keys read back; %zu mismatches\n", options.verify.c_str(),
                result.synsets, result.keys, result.mismatches);
    return result.mismatches == 0 ? 0 : 1;
}

int Build(const TOptions& options) {
    auto start = std::chrono::steady_clock::now();
    TDatabasePlan plan = PlanDatabase(options.sources);
    int64_t size = WriteDatabase(plan, options.output);
    std::string report = ReportPath(options.output);
    plan.report.WriteFile(report);
    std::printf("%s: %lld bytes, %lld synsets, %lld keys in %.1f s; report in %s\n",
                options.output.c_str(), static_cast<long long>(size), plan.report.Count("synsets"),
                plan.report.Count("keys"), SecondsSince(start), report.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (!ParseOptions(argc, argv, options)) return Usage();
    try {
        return options.verify.empty() ? Build(options) : Verify(options);
    } catch (const LVException& e) {
        std::fprintf(stderr, "lvdbuild: %s\n", e.what());
        return 1;
    }
}
