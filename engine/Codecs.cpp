// The arithmetic-coded strings of the database file. Each is coded as
//
//   key     := KeyModel    fresh: context 0, (char - 47)*, 0          ; finish
//   counts  := CountModel  fresh: context " ", count*, 0              ; finish
//   pointer := KindModel   fresh: context 12, kind*, 12
//              [WordNumberModel same stream: context " ", number{2n}] ; finish
//
// where the word numbers are present exactly when there are kinds.
#include "Codecs.h"

#include "ArithCoder.h"
#include "CoderModels.h"
#include "LVErrors.h"
#include "NormaliseKey.h"

namespace {

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

// Codes `body` after `context`, then `end` if it is a symbol, into the state's
// stream without building the framed string.
void EncodeFramed(TCoderState& state, uint8_t context, const std::string& body, int end, std::string& code) {
    const uint8_t first[2] = {context, body.empty() ? static_cast<uint8_t>(end) : Bytes(body)[0]};
    if (body.empty() && end == kNoStopSymbol) return;
    EncodeSymbols(state, first, 2, code);
    if (body.empty()) return;
    EncodeSymbols(state, Bytes(body), body.size(), code);
    if (end == kNoStopSymbol) return;
    const uint8_t last[2] = {Bytes(body)[body.size() - 1], static_cast<uint8_t>(end)};
    EncodeSymbols(state, last, 2, code);
}

// Decodes after `context` until the stop symbol or `limit` symbols; returns
// them. A code that runs past its input raises `damaged`.
std::string DecodeRun(TCoderState& state, const char* code, size_t size, uint8_t context, size_t limit,
                      const char* damaged) {
    std::string out(1, static_cast<char>(context));
    state.OutputEnd = limit;
    try {
        DecodeSymbols(state, reinterpret_cast<const uint8_t*>(code), size, out);
    } catch (const ECompressError&) {
        throw ECompressError(damaged);
    }
    out.erase(0, 1);
    return out;
}

// Decodes a run that must end in its stop symbol within `max` symbols.
std::string DecodeTerminated(TCoderState& state, const char* code, size_t size, uint8_t context, size_t max,
                             const char* damaged) {
    std::string out = DecodeRun(state, code, size, context, max + 1, damaged);
    if (out.size() > max) throw ECompressError(damaged);
    return out;
}

void CheckSymbols(const std::string& s, unsigned lowest, unsigned highest, const char* what) {
    for (unsigned char c : s)
        if (c < lowest || c > highest) throw ECompressError(std::string(what) + " " + std::to_string(c) + " cannot be coded");
}

constexpr uint8_t kCountContext = ' ';
constexpr uint8_t kWordNumberContext = ' ';

}  // namespace

std::string EncodeKey(const std::string& key) {
    if (key.size() > kMaxKeyLength) throw ECompressError("The key " + key + " is too long to code");
    std::string symbols = key;
    for (char& c : symbols) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')))
            throw ECompressError("The key " + key + " holds a byte outside the key alphabet");
        c = static_cast<char>(c - kKeyCodeBase);
    }
    TCoderState state;
    state.Model = KeyModel;
    std::string code;
    EncodeFramed(state, 0, symbols, 0, code);
    FinishCode(state, code);
    return code;
}

std::string DecodeKey(const char* code, size_t size) {
    TCoderState state;
    state.Model = KeyModel;
    state.StopSymbol = 0;
    std::string key = DecodeTerminated(state, code, size, 0, kMaxKeyLength, "Damaged key code");
    for (char& c : key) {
        c = static_cast<char>(c + kKeyCodeBase);
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) throw ECompressError("Damaged key code");
    }
    return key;
}

std::string EncodeCounts(const std::string& counts) {
    if (counts.size() > kMaxCounts) throw ECompressError("An index block cannot hold " + std::to_string(counts.size()) + " counts");
    CheckSymbols(counts, 1, kCountSymbols - 1, "The count");
    TCoderState state;
    state.Model = CountModel;
    std::string code;
    EncodeFramed(state, kCountContext, counts, 0, code);
    FinishCode(state, code);
    return code;
}

std::string DecodeCounts(const char* code, size_t size) {
    TCoderState state;
    state.Model = CountModel;
    state.StopSymbol = 0;
    return DecodeTerminated(state, code, size, kCountContext, kMaxCounts, "Damaged index counts code");
}

std::string EncodePointerCodes(const std::string& kinds, const std::string& wordNumbers) {
    if (kinds.size() > kMaxPointers) throw ECompressError("A synset cannot hold " + std::to_string(kinds.size()) + " pointers");
    if (wordNumbers.size() != 2 * kinds.size())
        throw ECompressError("Pointer codes need two word numbers per kind");
    CheckSymbols(kinds, 0, kKindEnd - 1, "The relation kind");
    CheckSymbols(wordNumbers, 0, kWordNumberSymbols - 1, "The word number");
    TCoderState state;
    state.Model = KindModel;
    std::string code;
    EncodeFramed(state, kKindEnd, kinds, kKindEnd, code);
    state.Model = WordNumberModel;
    EncodeFramed(state, kWordNumberContext, wordNumbers, kNoStopSymbol, code);
    FinishCode(state, code);
    return code;
}

void DecodePointerCodes(const char* code, size_t size, std::string* kinds, std::string* wordNumbers) {
    if (kinds == nullptr || wordNumbers == nullptr) throw ECompressError("Pointer codes need both outputs");
    TCoderState state;
    state.Model = KindModel;
    state.StopSymbol = kKindEnd;
    *kinds = DecodeTerminated(state, code, size, kKindEnd, kMaxPointers, "Damaged pointer codes");
    wordNumbers->clear();
    if (kinds->empty()) return;
    state.Model = WordNumberModel;
    state.StopSymbol = kNoStopSymbol;
    *wordNumbers = DecodeRun(state, code, size, kWordNumberContext, 2 * kinds->size(), "Damaged pointer codes");
}
