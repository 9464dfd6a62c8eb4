#include "ReportJson.h"

#include "JsonWriter.h"
#include "LVTables.h"

namespace {

const std::vector<std::string>& SynonymsOf(const std::vector<TRelationList>& lists) {
    static const std::vector<std::string> none;
    for (const TRelationList& list : lists)
        if (list.kind == kSynonymsKind) return list.words;
    return none;
}

// "synonyms" and "relations" of a set of lists: the Synonyms list apart, the
// relation kinds as an object in tab order.
void WriteLists(TJsonWriter& json, const std::vector<TRelationList>& lists) {
    json.Member("synonyms", SynonymsOf(lists));
    json.Key("relations");
    json.BeginObject();
    for (const TRelationList& list : lists) {
        if (list.kind == kSynonymsKind) continue;
        json.Member(RelationKindName(list.kind), list.words);
    }
    json.EndObject();
}

}  // namespace

void WriteJsonReport(const TLookupReport& report, std::ostream& out) {
    TJsonWriter json(out);
    json.BeginObject();
    json.Member("word", report.word);
    json.Key("found");
    json.Bool(report.found);
    json.Key("senses");
    json.BeginArray();
    for (const TReportSense& sense : report.senses) {
        json.BeginObject();
        json.Member("pos", PartOfSpeechName(sense.partOfSpeech));
        json.Member("word", sense.word);
        json.Member("forms", sense.forms);
        json.Member("definition", sense.definition);
        WriteLists(json, sense.lists);
        json.EndObject();
    }
    json.EndArray();
    WriteLists(json, report.lists);
    json.Member("nearest", report.nearest);
    json.Member("derived", report.derived);
    json.Member("try", report.tryWords);
    json.EndObject();
    out << '\n';
}
