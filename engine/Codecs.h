// String codecs of the database file: index keys, index-block counts, the
// relation codes of synset records (arithmetic coder over fixed models) and
// the text of synset records (byte substitution).
//
// Every decoder is bounded by the end of its input and by the capacity of its
// output, and raises ECompressError on input that cannot be a code.
#pragma once

#include <cstddef>
#include <string>

// Output capacities of the decoders (and so the limits a builder obeys).
constexpr size_t kMaxTextLength = 3000;   // expanded synset text
constexpr size_t kMaxRecordLength = 2048; // one synset record
constexpr size_t kMaxKeyCode = 510;       // code bytes of one index key
constexpr size_t kMaxPointers = kMaxRecordLength / 3;  // a pointer's target takes 3 bytes
constexpr size_t kMaxCounts = 65535;      // entries of one index block

// key: normalised key (digits and capitals), at most kMaxKeyLength of them.
// Raises ECompressError for a byte outside the key alphabet or a longer key.
std::string EncodeKey(const std::string& key);
// Decodes one key from code[0, size); returns the key without its slashes.
// "Damaged key code" when the code holds no key of that alphabet and length.
// codeLength, when given, receives CodeLength(EncodeKey(key)), learnt from
// the decoder's own steps (see DecodedCodeLength); the other decoders too.
std::string DecodeKey(const char* code, size_t size, size_t* codeLength = nullptr);

// counts: one byte 1..128 per index entry, at most kMaxCounts of them.
std::string EncodeCounts(const std::string& counts);
std::string DecodeCounts(const char* code, size_t size, size_t* codeLength = nullptr);

// kinds: one byte 0..11 per pointer, at most kMaxPointers; wordNumbers: two
// bytes 0..27 per pointer (source then target), so empty exactly when kinds
// is: a code without them could not be read back.
std::string EncodePointerCodes(const std::string& kinds, const std::string& wordNumbers);
// Fills kinds and, after them, twice as many word numbers.
void DecodePointerCodes(const char* code, size_t size, std::string* kinds, std::string* wordNumbers,
                        size_t* codeLength = nullptr);

// Returns the compressed text with its terminating byte 0. The text may hold
// any bytes ("_" is stored as a space, "`" as "'"), at most kMaxTextLength.
std::string CompressText(const std::string& text);
// Expands up to the first byte 0; ECompressError when the bytes end before
// it or expand to more than kMaxTextLength characters.
std::string ExpandText(const char* bytes, size_t size);

// Number of bytes an arithmetic code occupies: the length of what its
// encoder produced.
inline size_t CodeLength(const std::string& code) { return code.size(); }
