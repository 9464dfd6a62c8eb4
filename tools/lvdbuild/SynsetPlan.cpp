#include "SynsetPlan.h"

#include "BuildReport.h"
#include "LVErrors.h"
#include "Relations.h"

namespace {

// Maps WordNet's pointers to ours: domain pointers have no kind; word
// numbers beyond what a record can store drop the pointer.
void MapPointers(const TWnSynset& source, const TSynsetPlan& plan, TPlannedSynset& synset,
                 TBuildReport& report) {
    for (const TWnPointer& p : source.pointers) {
        TRelation relation = RelationOf(p.symbol);
        std::string what = SynsetName(synset) + ": " + p.symbol + " " +
                           WordNetName(p.targetSection, p.target);
        if (relation.fate == TPointerFate::Domain) {
            report.AddToCount("domain pointers dropped", 1);
            continue;
        }
        if (relation.fate == TPointerFate::Unknown) {
            report.AddItem("pointers with an unknown symbol dropped", what);
            continue;
        }
        auto target = plan.byWordNet.find({p.targetSection, p.target});
        if (target == plan.byWordNet.end()) {
            report.AddItem("pointers to a missing synset dropped", what);
            continue;
        }
        if (p.sourceWord > kMaxWordNumber || p.targetWord > kMaxWordNumber) {
            report.AddItem(limitgroup::kWordNumbers,
                           what + " (words " + std::to_string(p.sourceWord) + "/" +
                               std::to_string(p.targetWord) + ")");
            continue;
        }
        TPlannedPointer planned;
        planned.pointer.Kind = relation.kind;
        planned.pointer.SourceWord = p.sourceWord;
        planned.pointer.TargetWord = p.targetWord;
        planned.symbol = p.symbol;
        planned.target = target->second;
        planned.targetName = WordNetName(p.targetSection, p.target);
        synset.pointers.push_back(planned);
    }
}

}  // namespace

TSynsetPlan PlanSynsets(const TWordNet& wordNet, TBuildReport& report) {
    TSynsetPlan plan;
    for (int s = 0; s < kWordNetSections; ++s)
        for (const TWnSynset& source : wordNet.synsets[s]) {
            plan.byWordNet[{s, source.offset}] = plan.synsets.size();
            TPlannedSynset synset;
            synset.section = s;
            synset.wordNetOffset = source.offset;
            synset.words = source.words;
            synset.gloss = StorableGloss(source.gloss, report);
            plan.synsets.push_back(std::move(synset));
        }

    // First pass: shed and cut until every record fits, and place it. A
    // record's length does not depend on its targets (3 bytes each).
    uint64_t offset = 0;
    size_t next = 0;
    for (int s = 0; s < kWordNetSections; ++s) {
        for (const TWnSynset& source : wordNet.synsets[s]) {
            TPlannedSynset& synset = plan.synsets[next++];
            MapPointers(source, plan, synset, report);
            CutText(synset, report);
            plan.offsets.push_back(static_cast<uint32_t>(offset));
            plan.records.push_back(ShedUntilFits(synset, report));
            offset += plan.records.back().size();
            report.AddToCount("pointers", static_cast<long long>(synset.pointers.size()));
        }
        if (offset > kMaxAreaSize)
            throw ELVError("The synset area needs " + std::to_string(offset) + " bytes, more than " +
                           std::to_string(kMaxAreaSize) + " that record offsets can address");
        plan.sectionEnd[s] = static_cast<int32_t>(offset);
    }
    for (int s = kWordNetSections; s < 8; ++s) plan.sectionEnd[s] = static_cast<int32_t>(offset);

    // Second pass: the targets, now that every record has its offset.
    for (size_t i = 0; i < plan.synsets.size(); ++i)
        ResolveTargets(plan.records[i], plan.synsets[i], plan.offsets);
    report.SetCount("synsets", static_cast<long long>(plan.synsets.size()));
    report.SetCount("synset area bytes", static_cast<long long>(offset));
    return plan;
}
