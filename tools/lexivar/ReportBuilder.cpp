#include "ReportBuilder.h"

#include "IndexLookup.h"
#include "LVDatabase.h"
#include "LVTables.h"
#include "NearMatchDatabase.h"
#include "Synset.h"
#include "WordLookup.h"
#include "WordMorpher.h"

namespace {

// The tabs the window shows for the current filter or selection, in order,
// each with its words; only the tab `only` when that is not -1.
std::vector<TRelationList> CollectLists(TWordLookup& lookup, int only) {
    std::vector<TRelationList> lists;
    if (lookup.Shown.empty()) return lists;
    auto wanted = [only](int kind) { return only < 0 || only == kind; };
    if (!lookup.Synonyms.Empty() && wanted(kSynonymsKind))
        lists.push_back({kSynonymsKind, lookup.Synonyms.Items()});
    for (int kind = 0; kind < kRelationKindCount; ++kind)
        if ((lookup.KindsPresent & KindBit(kind)) && wanted(kind))
            lists.push_back({kind, lookup.GetRelatedWords(kind).Items()});
    return lists;
}

void AddSenses(TLVDatabase& database, TLookupReport& report, bool perSenseLists) {
    TWordLookup& lookup = *database.Lookup;
    for (const std::unique_ptr<TSynset>& synset : lookup.Senses) {
        TReportSense sense;
        sense.partOfSpeech = synset->Section;
        sense.word = synset->KeyWord;
        // The forms belong to the heading: ask the morpher (a scan of its
        // lists) once per heading, as the window does.
        const TReportSense* previous = report.senses.empty() ? nullptr : &report.senses.back();
        if (previous && previous->word == sense.word && previous->partOfSpeech == sense.partOfSpeech)
            sense.forms = previous->forms;
        else
            sense.forms = database.Morpher->FormsText(sense.word, sense.partOfSpeech);
        sense.definition = DefinitionText(synset->Gloss);
        report.senses.push_back(std::move(sense));
    }
    if (!perSenseLists) return;
    for (size_t i = 0; i < report.senses.size(); ++i) {
        lookup.SelectSense(static_cast<int32_t>(i));
        report.senses[i].lists = CollectLists(lookup, -1);
    }
    lookup.SelectSense(-1);
}

// The part-of-speech button and the click on a sense number.
void ApplyFilter(TWordLookup& lookup, const TLookupOptions& options) {
    if (options.partOfSpeech >= 0) lookup.FilterSections(SectionBit(options.partOfSpeech));
    if (options.sense == 0) return;
    const int32_t n = options.sense - 1;
    if (n < static_cast<int32_t>(lookup.Senses.size()) && !(SectionBit(lookup.Senses[n]->Section) & lookup.SectionsPresent))
        lookup.FilterSections(kAllSections);
    lookup.SelectSense(n);
}

void AddNotFound(TLVDatabase& database, TLookupReport& report) {
    database.Index->ListNeighbours(report.nearest, kNearestCount);
    // The near-match search runs lookups of its own, so it comes last.
    TSuggestionCollector rows = CollectNearMatches(database, report.word);
    report.derived = rows.WordsOf(TSuggestionRow::Derived);
    report.tryWords = rows.WordsOf(TSuggestionRow::Try);
}

}  // namespace

std::string DefinitionText(const std::string& gloss) {
    if (gloss.empty()) return " ";
    std::string text = gloss;
    if (text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

TLookupReport BuildReport(TLVDatabase& database, const TLookupOptions& options) {
    TLookupReport report;
    report.word = options.word;
    database.SuspendRelookup = true;
    database.SetMatchSpeechPart(!options.rootsOnly);
    database.SuspendRelookup = false;

    TOpenScope open(database);
    database.LookupWord(options.word);
    TWordLookup& lookup = *database.Lookup;
    report.found = !lookup.Senses.empty();
    if (!report.found) {
        if (!options.word.empty()) AddNotFound(database, report);
        return report;
    }
    AddSenses(database, report, options.json);
    ApplyFilter(lookup, options);
    report.lists = CollectLists(lookup, options.relation);
    return report;
}
