// The lookup as one JSON object.
#pragma once

#include <ostream>

#include "LookupReport.h"

// Keys: "word", "found", "senses" (each "pos", "word", "forms", "definition",
// "synonyms", "relations"), "synonyms", "relations" (relation name -> words,
// in tab order), "nearest", "derived", "try".
void WriteJsonReport(const TLookupReport& report, std::ostream& out);
