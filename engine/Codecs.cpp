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

// One coded run of symbols: its model, the context before its first symbol
// and the symbol that ends it, if any.
struct TRun {
    TModel Model;
    uint8_t Context;
    int End;
    const char* Damaged;  // the error of a code that holds no such run
};

const TRun kKeyRun = {KeyModel, 0, 0, "Damaged key code"};
const TRun kCountsRun = {CountModel, ' ', 0, "Damaged index counts code"};
const TRun kKindsRun = {KindModel, kKindEnd, kKindEnd, "Damaged pointer codes"};
const TRun kWordNumbersRun = {WordNumberModel, ' ', kNoStopSymbol, "Damaged pointer codes"};

// Codes the run's context, `body` and its end into the state's stream
// without building the framed string.
void EncodeRun(TCoderState& state, const TRun& run, const std::string& body, std::string& code) {
    state.Model = run.Model;
    if (body.empty()) {
        if (run.End == kNoStopSymbol) return;
        const uint8_t only[2] = {run.Context, static_cast<uint8_t>(run.End)};
        EncodeSymbols(state, only, 2, code);
        return;
    }
    const uint8_t first[2] = {run.Context, Bytes(body)[0]};
    EncodeSymbols(state, first, 2, code);
    EncodeSymbols(state, Bytes(body), body.size(), code);
    if (run.End == kNoStopSymbol) return;
    const uint8_t last[2] = {Bytes(body)[body.size() - 1], static_cast<uint8_t>(run.End)};
    EncodeSymbols(state, last, 2, code);
}

// A fresh code of one run.
std::string EncodeOne(const TRun& run, const std::string& body) {
    TCoderState state;
    std::string code;
    EncodeRun(state, run, body, code);
    FinishCode(state, code);
    return code;
}

// Decodes the run from the state's stream: up to its end symbol, which must
// come within `max` symbols, or exactly `max` symbols when it has none.
std::string DecodeRun(TCoderState& state, const TRun& run, const char* code, size_t size, size_t max) {
    state.Model = run.Model;
    state.StopSymbol = run.End;
    state.OutputEnd = run.End == kNoStopSymbol ? max : max + 1;
    std::string out(1, static_cast<char>(run.Context));
    try {
        DecodeSymbols(state, reinterpret_cast<const uint8_t*>(code), size, out);
    } catch (const ECompressError&) {
        throw ECompressError(run.Damaged);
    }
    out.erase(0, 1);
    if (out.size() > max) throw ECompressError(run.Damaged);
    return out;
}

std::string DecodeOne(const TRun& run, const char* code, size_t size, size_t max, size_t* codeLength) {
    TCoderState state;
    std::string out = DecodeRun(state, run, code, size, max);
    if (codeLength) *codeLength = DecodedCodeLength(state);
    return out;
}

void CheckSymbols(const std::string& s, unsigned lowest, unsigned highest, const char* what) {
    for (unsigned char c : s)
        if (c < lowest || c > highest) throw ECompressError(std::string(what) + " " + std::to_string(c) + " cannot be coded");
}

bool IsKeyCharacter(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::string EncodeKey(const std::string& key) {
    if (key.size() > kMaxKeyLength) throw ECompressError("The key " + key + " is too long to code");
    std::string symbols = key;
    for (char& c : symbols) {
        if (!IsKeyCharacter(c)) throw ECompressError("The key " + key + " holds a byte outside the key alphabet");
        c = static_cast<char>(c - kKeyCodeBase);
    }
    return EncodeOne(kKeyRun, symbols);
}

std::string DecodeKey(const char* code, size_t size, size_t* codeLength) {
    std::string key = DecodeOne(kKeyRun, code, size, kMaxKeyLength, codeLength);
    for (char& c : key) {
        c = static_cast<char>(c + kKeyCodeBase);
        if (!IsKeyCharacter(c)) throw ECompressError(kKeyRun.Damaged);
    }
    return key;
}

std::string EncodeCounts(const std::string& counts) {
    if (counts.size() > kMaxCounts) throw ECompressError("An index block cannot hold " + std::to_string(counts.size()) + " counts");
    CheckSymbols(counts, 1, kCountSymbols - 1, "The count");
    return EncodeOne(kCountsRun, counts);
}

std::string DecodeCounts(const char* code, size_t size, size_t* codeLength) {
    return DecodeOne(kCountsRun, code, size, kMaxCounts, codeLength);
}

std::string EncodePointerCodes(const std::string& kinds, const std::string& wordNumbers) {
    if (kinds.size() > kMaxPointers) throw ECompressError("A synset cannot hold " + std::to_string(kinds.size()) + " pointers");
    if (wordNumbers.size() != 2 * kinds.size())
        throw ECompressError("Pointer codes need two word numbers per kind");
    CheckSymbols(kinds, 0, kKindEnd - 1, "The relation kind");
    CheckSymbols(wordNumbers, 0, kWordNumberSymbols - 1, "The word number");
    TCoderState state;
    std::string code;
    EncodeRun(state, kKindsRun, kinds, code);
    EncodeRun(state, kWordNumbersRun, wordNumbers, code);
    FinishCode(state, code);
    return code;
}

void DecodePointerCodes(const char* code, size_t size, std::string* kinds, std::string* wordNumbers,
                        size_t* codeLength) {
    if (kinds == nullptr || wordNumbers == nullptr) throw ECompressError("Pointer codes need both outputs");
    TCoderState state;
    *kinds = DecodeRun(state, kKindsRun, code, size, kMaxPointers);
    wordNumbers->clear();
    if (!kinds->empty()) *wordNumbers = DecodeRun(state, kWordNumbersRun, code, size, 2 * kinds->size());
    // One stream: the word numbers' steps continue the kinds' count.
    if (codeLength) *codeLength = DecodedCodeLength(state);
}
