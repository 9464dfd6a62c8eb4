#include "Relations.h"


namespace {

// Relation kinds: 0 Antonyms, 1 Attribs, 2 Causes, 3 Derived, 4 Entails,
// 5 Parts, 6 Type of, 7 Types, 8 Part of, 9 Participle, 10 See also,
// 11 Similar.
struct TSymbolKind {
    const char* symbol;
    int kind;  // -1: a domain pointer, which has no kind
};

const TSymbolKind kSymbols[] = {
    {"!", 0},   {"=", 1},   {">", 2},   {"\\", 3},  {"+", 3},   {"*", 4},   {"%m", 5},
    {"%s", 5},  {"%p", 5},  {"@", 6},   {"@i", 6},  {"~", 7},   {"~i", 7},  {"#m", 8},
    {"#s", 8},  {"#p", 8},  {"<", 9},   {"^", 10},  {"&", 11},  {"$", 11},  {";c", -1},
    {"-c", -1}, {";r", -1}, {"-r", -1}, {";u", -1}, {"-u", -1},
};

}  // namespace

TRelation RelationOf(const std::string& symbol) {
    for (const TSymbolKind& s : kSymbols)
        if (symbol == s.symbol)
            return s.kind < 0 ? TRelation{TPointerFate::Domain, 0}
                              : TRelation{TPointerFate::Kept, static_cast<uint8_t>(s.kind)};
    return {TPointerFate::Unknown, 0};
}
