#include "TextPrinter.h"

#include <cstdio>

#include "LVTables.h"

namespace {

void PrintWordLine(std::ostream& out, const std::string& label, const std::vector<std::string>& words) {
    out << label;
    for (size_t i = 0; i < words.size(); ++i) out << (i == 0 ? "" : ", ") << words[i];
    out << '\n';
}

}  // namespace

std::string HeadingText(const TReportSense& sense) {
    std::string text = std::string(PartOfSpeechName(sense.partOfSpeech)) + ": " + sense.word;
    if (!sense.forms.empty()) text += " (" + sense.forms + ")";
    return text;
}

void PrintText(const TLookupReport& report, std::ostream& out) {
    if (!report.found) {
        out << "Word not found: " << report.word << '\n';
        if (!report.derived.empty()) PrintWordLine(out, "May be derived from ", report.derived);
        if (!report.tryWords.empty())
            PrintWordLine(out, report.derived.empty() ? "Try " : "Also try ", report.tryWords);
        if (!report.nearest.empty()) PrintWordLine(out, "Nearest: ", report.nearest);
        return;
    }
    // A heading starts wherever the word or the part of speech changes, and
    // the numbering restarts under it, as in the window's definitions area.
    const TReportSense* previous = nullptr;
    int number = 0;
    for (const TReportSense& sense : report.senses) {
        if (previous == nullptr || sense.word != previous->word || sense.partOfSpeech != previous->partOfSpeech) {
            out << HeadingText(sense) << '\n';
            number = 0;
        }
        char label[16];
        std::snprintf(label, sizeof label, "%3d. ", ++number);
        out << label << sense.definition << '\n';
        previous = &sense;
    }
    if (!report.lists.empty()) out << '\n';
    for (const TRelationList& list : report.lists)
        PrintWordLine(out, std::string(RelationKindName(list.kind)) + ": ", list.words);
}
