// Synset record format (what WriteTo writes and ReadFrom decodes):
//
//   record   := codes targets text            (at most kMaxRecordLength bytes)
//   codes    := EncodePointerCodes(kinds, wordNumbers)
//               kinds: one byte per pointer, its Kind;
//               wordNumbers: two bytes per pointer, SourceWord then TargetWord
//   targets  := fixed24 * pointer count       (Target of each pointer, in order)
//   text     := CompressText(plain)           (ends in byte 0)
//   plain    := words " ;" gloss " "          (at most kMaxTextLength bytes)
//   words    := word (" " word)*, each word with its inner spaces as ";"
//
// The length of `codes` is not stored: the reader's decoder measures it.
#include "Synset.h"

#include <cstring>

#include "Codecs.h"
#include "Coding.h"
#include "LVErrors.h"
#include "LVTables.h"
#include "NormaliseKey.h"

namespace {

constexpr char kGlossSeparator[] = " ;";

std::string Replace(std::string text, char from, char to) {
    for (char& c : text)
        if (c == from) c = to;
    return text;
}

std::string Joined(const std::vector<std::string>& words, const char* separator) {
    std::string text;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i) text += separator;
        text += words[i];
    }
    return text;
}

}  // namespace

void TSynset::Damaged(const std::string& what) const {
    throw ELVError("The synset record at offset " + std::to_string(Offset) + " is damaged (" + what + ")");
}

void TSynset::ReadFrom(TStream& stream) {
    char buffer[kMaxRecordLength];
    const size_t size = stream.Read(buffer, sizeof buffer);

    std::string kinds, wordNumbers;
    size_t codeLength = 0;
    DecodePointerCodes(buffer, size, &kinds, &wordNumbers, &codeLength);
    if (wordNumbers.size() != 2 * kinds.size()) Damaged("pointer codes are incomplete");
    const size_t count = kinds.size();
    const size_t textStart = codeLength + 3 * count;
    if (codeLength > size || textStart > size) Damaged("shorter than its pointers");

    std::vector<TSynsetPointer> pointers(count);
    for (size_t i = 0; i < count; ++i) {
        pointers[i].Kind = static_cast<uint8_t>(kinds[i]);
        pointers[i].SourceWord = static_cast<uint8_t>(wordNumbers[2 * i]);
        pointers[i].TargetWord = static_cast<uint8_t>(wordNumbers[2 * i + 1]);
        pointers[i].Target = coding::DecodeFixed24(buffer + codeLength + 3 * i);
    }

    if (!std::memchr(buffer + textStart, 0, size - textStart)) Damaged("text has no end");
    const std::string text = ExpandText(buffer + textStart, size - textStart);
    if (text.size() > kMaxTextLength) throw ECompressError();
    ParseText(text);
    Pointers = std::move(pointers);
    KeyWord.clear();
}

void TSynset::ParseText(const std::string& text) {
    const size_t separator = text.find(kGlossSeparator);
    if (separator == std::string::npos) Damaged("text has no gloss separator");
    const size_t glossStart = separator + 2;
    // The gloss runs to the final space, which is dropped.
    std::string gloss = text.size() > glossStart ? text.substr(glossStart, text.size() - glossStart - 1) : "";

    std::vector<std::string> words;
    if (separator > 0) {
        size_t start = 0;
        while (true) {
            const size_t space = text.find(' ', start);
            const size_t end = space < separator ? space : separator;
            words.push_back(Replace(text.substr(start, end - start), ';', ' '));
            if (end == separator) break;
            start = end + 1;
        }
    }
    if (gloss.empty()) gloss = Joined(words, ", ");

    Gloss = std::move(gloss);
    Words = words;
    AllWords = std::move(words);
}

std::string TSynset::PlainText() const {
    std::vector<std::string> stored;
    stored.reserve(AllWords.size());
    for (const std::string& word : AllWords) stored.push_back(Replace(word, ' ', ';'));
    return Joined(stored, " ") + kGlossSeparator + Gloss + " ";
}

size_t TSynset::WriteTo(TStream& stream) const {
    const std::string plain = PlainText();
    if (plain.size() > kMaxTextLength)
        throw ELVError("Synset text of " + std::to_string(plain.size()) + " characters is too long to store");

    std::string kinds, wordNumbers;
    for (const TSynsetPointer& p : Pointers) {
        kinds += static_cast<char>(p.Kind);
        wordNumbers += static_cast<char>(p.SourceWord);
        wordNumbers += static_cast<char>(p.TargetWord);
    }
    std::string record = EncodePointerCodes(kinds, wordNumbers);
    for (const TSynsetPointer& p : Pointers) coding::PutFixed24(&record, p.Target);
    record += CompressText(plain);
    if (record.size() > kMaxRecordLength)
        throw ELVError("Synset record of " + std::to_string(record.size()) + " bytes is too long to store");
    stream.WriteString(record);
    return record.size();
}

void TSynset::SelectKey(const std::string& key) {
    KeyWord.clear();
    size_t i = 0;
    while (i < Words.size() && NormaliseKey(Words[i]) != key) ++i;
    if (i == Words.size()) throw ELVKeyWordError();
    KeyWord = Words[i];
    Words.erase(Words.begin() + static_cast<std::ptrdiff_t>(i));

    std::vector<TSynsetPointer> kept;
    for (const TSynsetPointer& p : Pointers)
        if (p.SourceWord == 0 || p.SourceWord == i + 1) kept.push_back(p);
    Pointers = std::move(kept);
}

uint16_t TSynset::KindMask() const {
    uint16_t mask = 0;
    for (const TSynsetPointer& p : Pointers) mask |= KindBit(p.Kind);
    return mask;
}
