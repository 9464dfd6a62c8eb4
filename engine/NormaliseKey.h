// Key normalisation: the form in which the index, the morphology lists and
// every key comparison see a word.
#pragma once

#include <string>

// Keys are built in a buffer of 260 characters; longer ones are cut there.
constexpr size_t kMaxKeyLength = 259;

// Upper-cases ASCII letters and drops every byte that is then not a digit or
// a capital: "Hot-dog", "hot dog" and "HOTDOG" all give "HOTDOG".
inline std::string NormaliseKey(const std::string& word) {
    std::string key;
    for (unsigned char c : word) {
        if (c > 'Z') c = static_cast<unsigned char>(c - 32);
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) {
            if (key.size() == kMaxKeyLength) break;
            key += static_cast<char>(c);
        }
    }
    return key;
}
