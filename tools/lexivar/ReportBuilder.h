// Fills a lookup report from the engine, doing what the lookup window does
// for a search: the lookup, the definitions, the lists of the tabs present,
// and for a word not found the Nearest list and the near-match rows.
#pragma once

#include "LookupReport.h"
#include "Options.h"

class TLVDatabase;

// How many index words either side the Nearest list asks for.
constexpr int kNearestCount = 50;

// Uses options.word, rootsOnly, partOfSpeech, sense, relation and json (per
// sense lists are only gathered for JSON). Engine errors propagate;
// "Invalid sense number" when options.sense is beyond the last sense.
TLookupReport BuildReport(TLVDatabase& database, const TLookupOptions& options);

// The definition as the window shows it: first letter capitalised, " " when
// empty.
std::string DefinitionText(const std::string& gloss);
