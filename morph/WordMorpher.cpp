// The morpher's lists: the payload they travel in, and the searches over them.
//
// Morphology payload, as WriteTo writes it (all integers little-endian):
//
//   payload   := list{nouns} list{verbs} list{adjectives} list{stems} list{doubling}
//   list      := count:fixed32 byte[count]
//
// and the text of each list:
//
//   list text := CR (line CR)*            (or empty)
//   line      := key ("," form)*          exception lists: nouns, verbs, adjectives
//              | key                      stems and doubling verbs
//
// A key is upper-case letters and digits; a form is upper case and may hold
// other characters (a space) or be empty.

#include "WordMorpher.h"

#include <algorithm>
#include <limits>

#include "Coding.h"
#include "LVErrors.h"
#include "ListSearch.h"
#include "MorphText.h"

using namespace morphtext;

namespace {

constexpr const char* kDamagedPayload = "Damaged morphology lists in database file";

// Decodes one list of the payload; refuses a count that passes the stream's end.
std::string ReadList(TStream& stream) {
    char head[4];
    if (stream.Read(head, sizeof head) != sizeof head) throw ELVError(kDamagedPayload);
    const uint32_t count = coding::DecodeFixed32(head);
    const int64_t left = stream.Size() - stream.Position();
    if (left < 0 || static_cast<uint64_t>(count) > static_cast<uint64_t>(left))
        throw ELVError(kDamagedPayload);
    std::string bytes(count, '\0');
    if (count != 0 && stream.Read(&bytes[0], count) != count) throw ELVError(kDamagedPayload);
    return bytes;
}

// CR key terminator: how a line for key starts in a list.
std::string Framed(std::string_view key, char terminator) {
    std::string pattern;
    pattern.reserve(key.size() + 2);
    pattern += kCR;
    pattern += key;
    pattern += terminator;
    return pattern;
}

void WriteList(std::string& out, const std::string& list) {
    if (list.size() > std::numeric_limits<uint32_t>::max())
        throw ELVError("Morphology list too long for the database file");
    coding::PutFixed32(&out, static_cast<uint32_t>(list.size()));
    out += list;
}

}  // namespace

// Decodes the payload that WriteTo writes, leaving the stream after it.
TWordMorpher::TWordMorpher(TStream& stream) {
    for (std::string& list : exceptions_) list = ReadList(stream);
    adjectiveStems_ = ReadList(stream);
    doublingVerbs_ = ReadList(stream);
}

TWordMorpher::TWordMorpher(std::string nounExceptions, std::string verbExceptions,
                           std::string adjectiveExceptions, std::string adjectiveStems,
                           std::string doublingVerbs)
    : adjectiveStems_(std::move(adjectiveStems)),
      doublingVerbs_(std::move(doublingVerbs)),
      exceptions_{std::move(nounExceptions), std::move(verbExceptions),
                  std::move(adjectiveExceptions)} {}

void TWordMorpher::WriteTo(TStream& stream) const {
    std::string out;
    for (const std::string& list : exceptions_) WriteList(out, list);
    WriteList(out, adjectiveStems_);
    WriteList(out, doublingVerbs_);
    stream.WriteString(out);
}

std::optional<std::string_view> TWordMorpher::FindLine(int partOfSpeech,
                                                       std::string_view key) const {
    if (partOfSpeech < 0 || partOfSpeech > 2) return std::nullopt;
    const std::string_view list = exceptions_[partOfSpeech];
    const size_t at = FindInList(list, Framed(key, ','));
    if (at == std::string_view::npos) return std::nullopt;
    const size_t start = at + 1;
    const size_t end = std::min(list.find(kCR, start), list.size());
    return list.substr(start, end - start);
}

bool TWordMorpher::HasKey(const std::string& list, std::string_view key) {
    return FindInList(list, Framed(key, kCR)) != std::string_view::npos;
}

std::string TWordMorpher::ExceptionField(std::string_view line, int n) {
    size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) return std::string();
        start = comma + 1;
    }
    const size_t end = std::min(line.find(',', start), line.size());
    return LowerCase(line.substr(start, end - start));
}

int TWordMorpher::BasesFromExceptions(const std::string& form, std::vector<std::string>& list,
                                      int partOfSpeech) const {
    if (form.size() < 2 || partOfSpeech < 0 || partOfSpeech > 2) return 0;
    const std::string_view text = exceptions_[partOfSpeech];
    const std::string pattern = "," + UpperCase(form);
    int field = 0;
    for (size_t at = FindInList(text, pattern); at != std::string_view::npos;
         at = FindInList(text, pattern, at + 4)) {
        const size_t after = at + pattern.size();
        if (after >= text.size() || (text[after] != kCR && text[after] != ',')) continue;
        const size_t cr = text.rfind(kCR, at);
        const size_t lineStart = cr == std::string_view::npos ? 0 : cr + 1;
        list.emplace_back(text.substr(lineStart, text.find(',', lineStart) - lineStart));
        // The key's comma opens field 1, each further comma the next field.
        field = static_cast<int>(std::count(text.begin() + lineStart, text.begin() + at + 1, ','));
    }
    return field;
}

void TWordMorpher::AppendGuarded(std::vector<std::string>& list, std::string candidate,
                                 int partOfSpeech, std::string_view upper, bool strict) const {
    if (strict) {
        const auto line = FindLine(partOfSpeech, candidate);
        if (line && line->find(upper) == std::string_view::npos) return;
    }
    list.push_back(std::move(candidate));
}

void TWordMorpher::AppendUndoubled(std::vector<std::string>& list, std::string candidate,
                                   std::string_view upper, bool strict) const {
    if (HasKey(doublingVerbs_, candidate)) {
        if (!strict) list.push_back(std::move(candidate));
        return;
    }
    AppendGuarded(list, std::move(candidate), 1, upper, strict);
}
