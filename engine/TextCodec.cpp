// The text of synset records, coded by byte substitution:
//
//   text    := item* 0
//   item    := literal | "/" any-byte | code
//   literal := 32-34 | 39-46 | 48-59 | "A" | "a"-"z"     stands for itself
//   code    := every other byte 1-255                     stands for kEntries[code]
//
// CompressText escapes the plain text, cuts it after every space and replaces
// entries in each piece in a fixed order of code ranges; entries hold only
// lower-case letters, spaces and ";", so a replacement never reaches into an
// escape or an earlier code.
#include <array>
#include <cstring>

#include "Codecs.h"
#include "LVErrors.h"

namespace {

constexpr uint8_t kEnd = 0;
constexpr uint8_t kEscape = '/';

// The dictionary: the text each code byte stands for; nullptr for the bytes
// that are not codes.
constexpr const char* kEntries[256] = {
    /*   0 */ nullptr, "ed ", "es ", "al ", "er ", "ter", "on ", "con",
    /*   8 */ "per", "ing", "res", "le ", "ers", "ver", "eri", "ine",
    /*  16 */ "ant", "re ", "en ", "all", "se ", "pro", "ess", "str",
    /*  24 */ "com", "ent", "is ", "tra", "est", "ste", "der", "low",
    /*  32 */ nullptr, nullptr, nullptr, "p ", "ex", "sp", "ag", nullptr,
    /*  40 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /*  48 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /*  56 */ nullptr, nullptr, nullptr, nullptr, "um", "ff", "gr", "fi",
    /*  64 */ "bo", nullptr, "pi", "mb", "ck", "of", "ru", "wh",
    /*  72 */ "e;", "em", "br", "im", "s;", "ab", "ph", "wa",
    /*  80 */ "gi", "ap", "oo", "uc", "mp", "g ", "om", "od",
    /*  88 */ "o ", "bi", "pr", "in", "re", "k ", "ir", "n ",
    /*  96 */ "qu", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 104 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 112 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 120 */ nullptr, nullptr, nullptr, "ation ", "tion ", "ical ", "having ", "relating ",
    /* 128 */ "ing ", "ate ", "ment ", "manner ", "ness ", "able ", "some", "form",
    /* 136 */ "one ", "ive ", "ted ", "ther", "ous ", "ter ", "ent ", "all ",
    /* 144 */ "tion", "nce ", "tic ", "ight ", ";the ", "of ", "the ", "for ",
    /* 152 */ "and ", ";a ", "a ", "in ", "to ", "with ", "that ", "or ",
    /* 160 */ "by ", "from ", "especially ", "as ", "used ", "an ", "genus ", "ally ",
    /* 168 */ "ar", "e ", "l ", "m ", "t ", "an", "or", "s ",
    /* 176 */ "at", "it", "la", "ic", "ea", "el", "en", "li",
    /* 184 */ "ac", "ri", "is", "ra", "th", "ou", "ro", "le",
    /* 192 */ "st", "ch", "on", "al", "us", "ma", "er", "ti",
    /* 200 */ "ha", "nd", "un", "il", "ta", "de", "di", "si",
    /* 208 */ "ur", "ce", "as", "ho", "ol", "ca", "se", "d ",
    /* 216 */ "ge", "sh", "te", "ec", "lo", "h ", "et", "ni",
    /* 224 */ "he", "po", "co", "id", "be", "hi", "pa", "ct",
    /* 232 */ "rt", "ne", "me", "mi", "mo", "es", "su", "no",
    /* 240 */ "ut", "pe", "to", "am", "ad", "ul", "op", "ci",
    /* 248 */ "ot", "ed", "pl", "ns", "ll", "ee", "tr", "os",
};

// Code ranges in the order CompressText replaces them; within a range the
// codes go up.
const struct {
    uint8_t First, Last;
} kPasses[] = {{123, 167}, {1, 31}, {168, 255}, {91, 96}, {35, 38}, {60, 64}, {66, 90}};

constexpr size_t LengthOf(const char* entry) {
    size_t n = 0;
    while (entry && entry[n]) ++n;
    return n;
}

// The length of each entry, so that expanding needs no strlen.
constexpr std::array<uint8_t, 256> kEntryLengths = [] {
    std::array<uint8_t, 256> lengths{};
    for (size_t i = 0; i < lengths.size(); ++i) lengths[i] = static_cast<uint8_t>(LengthOf(kEntries[i]));
    return lengths;
}();

constexpr size_t kLongestEntry = [] {
    size_t longest = 0;
    for (uint8_t n : kEntryLengths) longest = n > longest ? n : longest;
    return longest;
}();

bool IsCode(uint8_t b) { return kEntries[b] != nullptr; }
bool IsLiteral(uint8_t b) { return b != kEnd && b != kEscape && !IsCode(b); }

// Appends the escaped form of the plain text.
void Escape(const std::string& text, std::string& out) {
    for (unsigned char b : text) {
        if (b == '_') {
            out += ' ';
        } else if (b == '`') {
            out += '\'';
        } else {
            if (!IsLiteral(b)) out += static_cast<char>(kEscape);
            out += static_cast<char>(b);
        }
    }
}

// Replaces every occurrence of the code's entry, leftmost first. The code
// byte can never be part of a later match, so the search goes on after it.
void Substitute(std::string& piece, uint8_t code) {
    const char* entry = kEntries[code];
    const size_t length = std::strlen(entry);
    for (size_t at = piece.find(entry); at != std::string::npos; at = piece.find(entry, at + 1))
        piece.replace(at, length, 1, static_cast<char>(code));
}

}  // namespace

std::string CompressText(const std::string& text) {
    if (text.size() > kMaxTextLength)
        throw ECompressError("A text of " + std::to_string(text.size()) + " characters is too long to store");
    std::string escaped;
    Escape(text, escaped);
    std::string out, piece;
    for (size_t start = 0; start < escaped.size();) {
        const size_t space = escaped.find(' ', start);
        const size_t end = space == std::string::npos ? escaped.size() : space + 1;
        piece.assign(escaped, start, end - start);
        for (const auto& pass : kPasses)
            for (unsigned code = pass.First; code <= pass.Last; ++code) Substitute(piece, static_cast<uint8_t>(code));
        out += piece;
        start = end;
    }
    out += static_cast<char>(kEnd);
    return out;
}

std::string ExpandText(const char* bytes, size_t size) {
    const uint8_t* in = reinterpret_cast<const uint8_t*>(bytes);
    // Room for the longest text and one more entry: the length check
    // follows each item, as the text can only grow by one entry at a time.
    char text[kMaxTextLength + kLongestEntry + 1];
    size_t n = 0;
    for (size_t i = 0;; ++i) {
        if (i >= size) throw ECompressError("Damaged text: it has no end");
        const uint8_t b = in[i];
        if (b == kEnd) return std::string(text, n);
        if (b == kEscape) {
            if (++i >= size) throw ECompressError("Damaged text: it ends in an escape");
            text[n++] = static_cast<char>(in[i]);
        } else if (IsCode(b)) {
            std::memcpy(text + n, kEntries[b], kEntryLengths[b]);
            n += kEntryLengths[b];
        } else {
            text[n++] = static_cast<char>(b);
        }
        if (n > kMaxTextLength) throw ECompressError("Damaged text: it expands past 3000 characters");
    }
}
