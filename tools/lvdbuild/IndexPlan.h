// The word index as it will be written: one entry per normalised key, its
// senses in WordNet's sense order within each part of speech and the parts
// of speech in section order.
#pragma once

#include "IndexWriter.h"
#include "SynsetPlan.h"

class TBuildReport;

// Entries ascending by key, pointers as record offsets.
TIndexEntries PlanIndex(const TWordNet& wordNet, const TSynsetPlan& synsets, TBuildReport& report);
