// The relation kind of each WordNet pointer symbol.
#pragma once

#include <cstdint>
#include <string>

enum class TPointerFate { Kept, Domain, Unknown };

struct TRelation {
    TPointerFate fate;
    uint8_t kind;  // relation kind 0..11 when fate is Kept
};

TRelation RelationOf(const std::string& symbol);

// Instance hyponyms are the first pointers a record too long sheds.
inline bool IsInstanceHyponym(const std::string& symbol) { return symbol == "~i"; }
