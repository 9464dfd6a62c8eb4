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
    json.Key("synonyms");
    json.StringArray(SynonymsOf(lists));
    json.Key("relations");
    json.BeginObject();
    for (const TRelationList& list : lists) {
        if (list.kind == kSynonymsKind) continue;
        json.Key(RelationKindName(list.kind));
        json.StringArray(list.words);
    }
    json.EndObject();
}

}  // namespace

void WriteJsonReport(const TLookupReport& report, std::ostream& out) {
    TJsonWriter json(out);
    json.BeginObject();
    json.Key("word");
    json.String(report.word);
    json.Key("found");
    json.Bool(report.found);
    json.Key("senses");
    json.BeginArray();
    for (const TReportSense& sense : report.senses) {
        json.BeginObject();
        json.Key("pos");
        json.String(PartOfSpeechName(sense.partOfSpeech));
        json.Key("word");
        json.String(sense.word);
        json.Key("forms");
        json.String(sense.forms);
        json.Key("definition");
        json.String(sense.definition);
        WriteLists(json, sense.lists);
        json.EndObject();
    }
    json.EndArray();
    WriteLists(json, report.lists);
    json.Key("nearest");
    json.StringArray(report.nearest);
    json.Key("derived");
    json.StringArray(report.derived);
    json.Key("try");
    json.StringArray(report.tryWords);
    json.EndObject();
    out << '\n';
}
