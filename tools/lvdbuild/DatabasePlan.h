// Everything the database file will hold, planned from the sources before a
// byte is written: the build writes it, --verify compares a file with it.
#pragma once

#include <string>

#include "BuildReport.h"
#include "IndexPlan.h"
#include "MorphLists.h"
#include "SynsetPlan.h"

struct TBuildSources {
    std::string wordNetDir = "/usr/share/wordnet";
    std::string hunspellAff = "/usr/share/hunspell/en_US.aff";
    std::string hunspellDic = "/usr/share/hunspell/en_US.dic";
};

struct TDatabasePlan {
    TSynsetPlan synsets;
    TIndexEntries index;
    TMorphLists morphology;
    TBuildReport report;
};

TDatabasePlan PlanDatabase(const TBuildSources& sources);

// Writes the file (through a temporary beside it, so that a failed build
// leaves no partial database) and returns its size.
int64_t WriteDatabase(TDatabasePlan& plan, const std::string& path);
