// Arithmetic coder over fixed frequency tables: the coder of index keys,
// index-block counts and the relation codes of synset records.
//
// A code is the bit string of the interval that its symbols select, written
// from the most significant bit of each byte. The file stores no lengths:
// a reader learns how long a code was from the steps its decoder took, which
// are the steps the writer's encoder took for the same symbols.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A column of cumulative counts Counts[0] > ... > Counts[Symbols] = 0; symbol s
// owns Counts[s+1] <= c < Counts[s], so symbol 0 owns the top of the interval.
struct TFrequencyTable {
    const uint16_t* Counts;
    unsigned Symbols;
};

// Returns the table for the symbol before the one being coded (order-0
// models ignore it). Raises ECompressError for a context it has no table for.
using TModel = TFrequencyTable (*)(uint8_t context);

constexpr int kNoStopSymbol = -1;

// One code stream. BitMask 0 marks a fresh state; passing the same state to
// a second call continues the stream where the first call ended.
struct TCoderState {
    uint32_t High = 0;
    uint32_t Low = 0;
    uint32_t Value = 0;         // decoder: the code bits in view
    uint8_t BitMask = 0;        // current bit of the current output/input byte
    uint32_t PendingBits = 0;   // encoder: opposite bits owed
    size_t Input = 0;           // decoder: index of the byte holding the next bit
    size_t OutputEnd = 0;       // decoder: last output position that may be stored
    int StopSymbol = kNoStopSymbol;  // decoder: ends decoding, not stored
    TModel Model = nullptr;
    // decoder: renormalisation steps so far. The encoder of the same symbols
    // takes the same steps and emits one bit per step, so this is the bit
    // count of its code before FinishCode.
    size_t Steps = 0;
};

// Codes input[1, size), each byte with the table Model returns for the byte
// before it (input[0] is context only), appending to output, whose last byte
// is the one being filled. Returns output.size(). ECompressError with an empty
// message when size is 0, and a message for a symbol the model cannot code.
size_t EncodeSymbols(TCoderState& state, const uint8_t* input, size_t size, std::string& output);
size_t EncodeSymbols(TCoderState& state, const std::string& input, std::string& output);

// Appends the closing bits; returns the code's final length, output.size().
size_t FinishCode(TCoderState& state, std::string& output);

// Decodes from input[0, size) (bits past its end read as 0) and appends the
// symbols to output, whose last byte is the context of the first one, until
// StopSymbol or until position OutputEnd of output is stored. Returns the
// position of the last byte of output. Never appends past OutputEnd; raises
// ECompressError when the symbols need more bits than the input can hold.
size_t DecodeSymbols(TCoderState& state, const uint8_t* input, size_t size, std::string& output);

// Length in bytes of the code whose symbols the state has decoded so far, as
// FinishCode would return it after encoding them: the closing bits add 2.
inline size_t DecodedCodeLength(const TCoderState& state) { return (state.Steps + 2) / 8 + 1; }
