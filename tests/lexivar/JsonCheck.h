// A strict little JSON reader for the tests: parses the tool's output back so
// that its structure can be checked. Escapes are decoded to UTF-8.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

struct TJsonValue {
    enum Type { Null, Bool, Number, String, Array, Object } type = Null;
    bool boolean = false;
    std::string text;  // String: the decoded bytes; Number: its spelling
    std::vector<TJsonValue> items;
    std::vector<std::string> keys;  // Object: the keys in order
    std::map<std::string, TJsonValue> members;

    const TJsonValue& operator[](const std::string& key) const;
    std::vector<std::string> Strings() const;  // an array of strings
};

// Raises std::runtime_error on anything that is not exactly one JSON value
// (surrounding white space allowed), including invalid UTF-8 and raw
// control characters in strings.
TJsonValue ParseJson(const std::string& text);
