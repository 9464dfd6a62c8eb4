// Reads a written database back through the engine and compares it with the
// plan it was built from: every synset record, every index key, the
// morphology lists.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "DatabasePlan.h"

struct TVerifyResult {
    size_t synsets = 0;
    size_t keys = 0;
    size_t mismatches = 0;
    std::vector<std::string> examples;  // the first mismatches, described
};

TVerifyResult VerifyDatabase(const TDatabasePlan& plan, const std::string& path);
