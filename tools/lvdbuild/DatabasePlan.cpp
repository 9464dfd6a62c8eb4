#include "DatabasePlan.h"

#include <cstdio>
#include <memory>

#include "HunspellWords.h"
#include "IndexLookup.h"
#include "LVDatabase.h"
#include "LVErrors.h"
#include "WordMorpher.h"

TDatabasePlan PlanDatabase(const TBuildSources& sources) {
    TDatabasePlan plan;
    // The limits first, so that the report shows each even when nothing met it.
    for (const char* group : {limitgroup::kShedPointers, limitgroup::kWordNumbers,
                              limitgroup::kCutSenses, limitgroup::kCutGlosses})
        plan.report.SetCount(group, 0);
    TWordNet wordNet = ReadWordNet(sources.wordNetDir);
    plan.synsets = PlanSynsets(wordNet, plan.report);
    plan.index = PlanIndex(wordNet, plan.synsets, plan.report);
    plan.morphology = BuildMorphLists(
        wordNet, THunspellWords::FromFiles(sources.hunspellAff, sources.hunspellDic));
    const TMorphLists& m = plan.morphology;
    plan.report.SetCount("morphology bytes",
                         static_cast<long long>(m.nounExceptions.size() + m.verbExceptions.size() +
                                                m.adjectiveExceptions.size() +
                                                m.adjectiveStems.size() + m.doublingVerbs.size()));
    return plan;
}

namespace {

void WriteFile(const TDatabasePlan& plan, TStream& out, TBuildReport& report) {
    TLVDatabase database;
    for (const std::string& record : plan.synsets.records) out.WriteString(record);
    for (int s = 0; s < 8; ++s) database.Trailer.SectionEnd[s] = plan.synsets.sectionEnd[s];

    database.Trailer.IndexStart = static_cast<int32_t>(out.Position());
    TIndexWriter writer;
    for (const auto& [key, pointers] : plan.index) writer.Add(key, pointers);
    database.Index = std::make_unique<TIndexLookup>(database);
    uint32_t indexBytes = writer.WriteBlocks(out, database.Index->Directory);
    report.SetCount("index area bytes", indexBytes);

    const TMorphLists& m = plan.morphology;
    database.Morpher = std::make_unique<TWordMorpher>(m.nounExceptions, m.verbExceptions,
                                                      m.adjectiveExceptions, m.adjectiveStems,
                                                      m.doublingVerbs);
    database.WriteTail(out);
}

}  // namespace

int64_t WriteDatabase(TDatabasePlan& plan, const std::string& path) {
    const std::string temporary = path + ".part";
    int64_t size = 0;
    try {
        TFileStream out(temporary, true);
        WriteFile(plan, out, plan.report);
        size = out.Size();
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw ELVError("Cannot replace " + path);
    }
    plan.report.SetCount("file bytes", size);
    return size;
}
