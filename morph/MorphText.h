// Small text helpers of the morpher. Casing is ASCII-only; every helper is
// bounded by the length of its argument.
#pragma once

#include <string>
#include <string_view>

namespace morphtext {

constexpr char kCR = '\r';

// The fields of a verb exception line; fields after the fourth hold further
// past tenses.
constexpr int kPastField = 1;
constexpr int kParticipleField = 2;
constexpr int kPresentParticipleField = 3;
constexpr int kThirdPersonField = 4;

inline std::string UpperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

inline std::string LowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The i-th character from the end (0 = the last), or 0 when s is shorter.
inline char FromEnd(std::string_view s, size_t i) { return i < s.size() ? s[s.size() - 1 - i] : 0; }

// s without its last n characters; empty when s is not longer than n.
inline std::string Minus(std::string_view s, size_t n) {
    return std::string(s.substr(0, s.size() > n ? s.size() - n : 0));
}

inline bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

inline bool IsVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

// The endings -es of plurals and third persons: S, X, Z, CH and SH.
inline bool IsSibilant(char last, char before) {
    return last == 'S' || last == 'X' || last == 'Z' || (last == 'H' && (before == 'C' || before == 'S'));
}

}  // namespace morphtext
