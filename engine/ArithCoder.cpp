#include "ArithCoder.h"

#include "LVErrors.h"

namespace {

constexpr uint32_t kHalf = 0x80000000u;
constexpr uint32_t kQuarter = 0x40000000u;
constexpr uint32_t kThreeQuarters = 0xC0000000u;

void Start(TCoderState& state) {
    state.High = 0xFFFFFFFFu;
    state.Low = 0;
    state.PendingBits = 0;
    state.BitMask = 0x80;
}

// Rotates the mask right; true when it wrapped to the next byte.
bool NextBit(TCoderState& state) {
    state.BitMask = static_cast<uint8_t>(state.BitMask >> 1 | state.BitMask << 7);
    return state.BitMask == 0x80;
}

void EmitBit(TCoderState& state, std::string& output, bool one) {
    if (one) output.back() = static_cast<char>(static_cast<uint8_t>(output.back()) | state.BitMask);
    if (NextBit(state)) output.push_back('\0');
}

void EmitWithPending(TCoderState& state, std::string& output, bool bit, uint32_t pending) {
    EmitBit(state, output, bit);
    for (; pending > 0; --pending) EmitBit(state, output, !bit);
}

// floor(n / d) for n < 2^48 and d < 2^32 whose quotient is below 2^32, in
// double arithmetic: both operands are exact, and a quotient within 1/d of the
// next integer is still told apart from it (its spacing there is 2^-20 or
// finer), so rounding never reaches that integer. A hardware double division
// is several times faster than a 64-bit integer one, and 32-bit x86 has none.
uint32_t Quotient(uint64_t n, uint32_t d) {
    return static_cast<uint32_t>(static_cast<double>(n) / static_cast<double>(d));
}

// Narrows [Low, High] to the counts of symbol s.
void Narrow(TCoderState& state, const TFrequencyTable& table, unsigned s) {
    const uint64_t range = state.High - state.Low;
    const uint32_t low = state.Low;
    state.High = low + Quotient(range * table.Counts[s], table.Counts[0]) - 1;
    state.Low = low + Quotient(range * table.Counts[s + 1], table.Counts[0]);
}

enum class TStep { Zero, One, Middle };

// The encoder's renormalisation; `onStep` runs before each doubling with the
// case taken.
template <typename OnStep>
void Renormalise(TCoderState& state, OnStep onStep) {
    for (;;) {
        if (state.High < kHalf) {
            onStep(TStep::Zero);
        } else if (state.Low >= kHalf) {
            onStep(TStep::One);
        } else if (state.Low >= kQuarter && state.High < kThreeQuarters) {
            state.Low -= kQuarter;
            state.High -= kQuarter;
            onStep(TStep::Middle);
        } else {
            return;
        }
        state.Low <<= 1;
        state.High = state.High << 1 | 1;
    }
}

// The n bits (n <= 31) of input from the decoder's next bit on, the first
// one highest; bits past the end of input read as 0. Moves past them.
uint32_t TakeBits(TCoderState& state, const uint8_t* input, size_t size, unsigned n) {
    // Bits of the current byte already taken: the mask holds one bit.
    const unsigned skip = static_cast<unsigned>(__builtin_clz(state.BitMask)) - 24;
    uint64_t window = 0;  // the 40 bits from the current byte on
    const uint8_t* at = input + state.Input;
    if (state.Input < size && size - state.Input >= 5) {
        window = uint64_t(at[0]) << 32 | uint32_t(at[1]) << 24 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 8 | at[4];
    } else {
        for (size_t i = 0; i < 5; ++i) window = window << 8 | (state.Input + i < size ? at[i] : 0u);
    }
    const uint32_t bits = static_cast<uint32_t>(window >> (40 - skip - n)) & ((1u << n) - 1);
    const unsigned next = skip + n;
    state.Input += next / 8;
    state.BitMask = static_cast<uint8_t>(0x80u >> (next % 8));
    return bits;
}

// The decoder's side of Renormalise, taking the same steps with Value in
// tow. The steps where Low and High agree in their top bit come in runs as
// long as their common leading bits, and each run is taken in one go.
void RenormaliseDecoder(TCoderState& state, const uint8_t* input, size_t size) {
    for (;;) {
        if (state.High < kHalf || state.Low >= kHalf) {
            // High > Low, so they differ in some bit: n <= 31.
            const unsigned n = static_cast<unsigned>(__builtin_clz(state.Low ^ state.High));
            state.Low <<= n;
            state.High = state.High << n | ((1u << n) - 1);
            state.Value = state.Value << n | TakeBits(state, input, size, n);
            state.Steps += n;
        } else if (state.Low >= kQuarter && state.High < kThreeQuarters) {
            state.Low = (state.Low - kQuarter) << 1;
            state.High = (state.High - kQuarter) << 1 | 1;
            state.Value = (state.Value - kQuarter) << 1 | TakeBits(state, input, size, 1);
            ++state.Steps;
        } else {
            return;
        }
    }
}

}  // namespace

size_t EncodeSymbols(TCoderState& state, const uint8_t* input, size_t size, std::string& output) {
    if (size == 0) throw ECompressError();
    if (state.Model == nullptr) throw ECompressError("The coder has no model");
    if (state.BitMask == 0) {
        Start(state);
        output.push_back('\0');
    } else if (output.empty()) {
        throw ECompressError("A continued code has no output");
    }
    for (size_t i = 1; i < size; ++i) {
        const TFrequencyTable table = state.Model(input[i - 1]);
        const unsigned s = input[i];
        if (s >= table.Symbols || table.Counts[s] <= table.Counts[s + 1])
            throw ECompressError("The symbol " + std::to_string(s) + " cannot be coded");
        Narrow(state, table, s);
        Renormalise(state, [&](TStep step) {
            if (step == TStep::Middle) {
                ++state.PendingBits;
            } else {
                EmitWithPending(state, output, step == TStep::One, state.PendingBits);
                state.PendingBits = 0;
            }
        });
    }
    return output.size();
}

size_t EncodeSymbols(TCoderState& state, const std::string& input, std::string& output) {
    return EncodeSymbols(state, reinterpret_cast<const uint8_t*>(input.data()), input.size(), output);
}

size_t FinishCode(TCoderState& state, std::string& output) {
    if (state.BitMask == 0 || output.empty()) throw ECompressError("There is no code to finish");
    EmitWithPending(state, output, state.Low >= kQuarter, state.PendingBits + 1);
    state.PendingBits = 0;
    return output.size();
}

size_t DecodeSymbols(TCoderState& state, const uint8_t* input, size_t size, std::string& output) {
    if (output.empty()) throw ECompressError("Decoding needs a context byte");
    if (state.Model == nullptr) throw ECompressError("The coder has no model");
    if (state.BitMask == 0) {
        Start(state);
        state.Value = 0;
        for (size_t i = 0; i < 4; ++i) state.Value = state.Value << 8 | (i < size ? input[i] : 0u);
        state.Input = 4;
        state.Steps = 0;
    }
    while (output.size() - 1 < state.OutputEnd) {
        const TFrequencyTable table = state.Model(static_cast<uint8_t>(output.back()));
        const uint64_t range = state.High - state.Low;  // > 0: renormalising leaves Low < 2^31 <= High
        const uint64_t c = Quotient((uint64_t(state.Value - state.Low) + 1) * table.Counts[0] - 1,
                                    static_cast<uint32_t>(range));
        // The symbol is i - 1 for the smallest i >= 1 with Counts[i] <= c;
        // the counts fall, so a binary search finds it (Counts[Symbols] = 0).
        unsigned lo = 1, hi = table.Symbols;
        while (lo < hi) {
            const unsigned mid = (lo + hi) / 2;
            if (table.Counts[mid] <= c) hi = mid;
            else lo = mid + 1;
        }
        const unsigned s = lo - 1;
        Narrow(state, table, s);
        RenormaliseDecoder(state, input, size);
        // A whole code is read at most 29 bits past its last byte (32 bits of
        // look-ahead less the closing bits), so this input is not one.
        if (state.Input > size + 4) throw ECompressError("Damaged code: it runs past the end of its input");
        if (static_cast<int>(s) == state.StopSymbol) break;
        output.push_back(static_cast<char>(s));
    }
    return output.size() - 1;
}
