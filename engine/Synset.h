// One sense of the lexicon: its words, its gloss and its typed pointers to
// other synsets, as stored in one variable-length record of the synset area.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Stream.h"

struct TSynsetPointer {
    uint8_t Kind = 0;      // relation kind 0..11
    uint32_t Target = 0;   // 24-bit file offset of the target record
    uint8_t SourceWord = 0;  // 0: the whole synset; n: only its n-th word (from 1)
    uint8_t TargetWord = 0;  // 0: the whole target; n: only the target's n-th word
};

class TSynset {
public:
    virtual ~TSynset() = default;

    // Decodes the record at the stream's position (at most kMaxRecordLength
    // bytes). Raises ELVError for a record that is damaged (shorter than its
    // pointers, text without its end, no gloss separator) and ECompressError
    // for codes that cannot be decoded; never reads past what it read.
    virtual void ReadFrom(TStream& stream);

    // Writes the record at the stream's position and returns its length.
    // Raises ELVError, writing nothing, when the record or its text would
    // be too long to read back; ECompressError for an unstorable kind or
    // word number.
    virtual size_t WriteTo(TStream& stream) const;

    // Makes the first word whose key is `key` the KeyWord, removes it from
    // Words and keeps only the pointers of the whole synset or of that word.
    // Raises ELVKeyWordError when no word has that key.
    void SelectKey(const std::string& key);

    // The set of kinds among Pointers (kinds up to 15 count).
    uint16_t KindMask() const;

    int32_t PointerCount() const { return static_cast<int32_t>(Pointers.size()); }

    std::string KeyWord;          // the word the synset was reached by; empty until SelectKey
    std::string Gloss;            // definition with examples
    uint8_t InflectionKind = 0;   // inflection its Words were put into, 0 for none
    int32_t Offset = -1;          // file offset of the record, -1 when not read from a file
    std::vector<std::string> Words;     // words in record order, minus KeyWord once selected
    std::vector<std::string> AllWords;  // all words in record order
    std::vector<TSynsetPointer> Pointers;
    uint8_t Section = 0;          // part of speech

private:
    std::string PlainText() const;
    void ParseText(const std::string& text);
    [[noreturn]] void Damaged(const std::string& what) const;
};
