// The four fixed models of the arithmetic coder. Their tables are part of the
// file format: a database written with other tables cannot be read.
#pragma once

#include <cstdint>

#include "ArithCoder.h"

// Relation kinds of a synset's pointers: 0-11, 12 ends the list; order 1
// (context 12 before the first kind).
constexpr unsigned kKindSymbols = 13;
constexpr uint8_t kKindEnd = 12;
TFrequencyTable KindModel(uint8_t previous);

// Source and target word numbers 0-27; order 0.
constexpr unsigned kWordNumberSymbols = 28;
TFrequencyTable WordNumberModel(uint8_t previous);

// Pointer counts of index entries: 0 ends, 1-128; order 0.
constexpr unsigned kCountSymbols = 129;
TFrequencyTable CountModel(uint8_t previous);

// Key characters as character code - 47: 0 = "/" (start and end), 1-10 the
// digits, 11-17 never occur, 18-43 "A" to "Z"; order 1.
constexpr unsigned kKeySymbols = 44;
constexpr uint8_t kKeyCodeBase = 47;
TFrequencyTable KeyModel(uint8_t previous);
