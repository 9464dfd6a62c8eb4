// What the lookup window shows for one word, as plain data: filled from the
// engine by BuildReport and written out as text or JSON.
#pragma once

#include <string>
#include <vector>

#include "LVTables.h"

// One word list of the relation tabs: a relation kind, or kSynonymsKind.
struct TRelationList {
    int kind = kSynonymsKind;
    std::vector<std::string> words;  // as the list shows them, "*" included
};

struct TReportSense {
    int partOfSpeech = 0;
    std::string word;        // the entry word of the sense
    std::string forms;       // the morpher's forms text for the heading, or empty
    std::string definition;  // as shown: first letter capitalised, " " when empty
    // Only filled for JSON: the lists when this sense alone is selected.
    std::vector<TRelationList> lists;
};

struct TLookupReport {
    std::string word;
    bool found = false;
    std::vector<TReportSense> senses;  // in the order of the definitions area
    // The tabs in order: "Synonyms" when there are any, then the kinds present.
    std::vector<TRelationList> lists;
    // Not found: the "Nearest" list and the near-match suggestion rows.
    std::vector<std::string> nearest;
    std::vector<std::string> derived;
    std::vector<std::string> tryWords;
};
