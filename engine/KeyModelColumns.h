// The letter-pair columns of the key model, generated from WordNet's keys by
// tools/gen_keymodel (see KeyModelColumns.cpp).
#pragma once

#include <cstdint>

// Contexts 1-10 (digits) then 18-43 (letters), in that order; each column
// holds the cumulative counts C[0] .. C[44] of the 44 key symbols.
constexpr int kKeyPairContexts = 36;
extern const uint16_t kKeyPairColumns[kKeyPairContexts][45];
