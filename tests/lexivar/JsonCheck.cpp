#include "JsonCheck.h"

#include <cstdlib>

namespace {

class TParser {
public:
    explicit TParser(const std::string& text) : s_(text) {}

    TJsonValue Document() {
        TJsonValue value = Value();
        SkipSpace();
        if (pos_ != s_.size()) Fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void Fail(const std::string& why) {
        throw std::runtime_error("JSON: " + why + " at " + std::to_string(pos_));
    }
    void SkipSpace() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\r' || s_[pos_] == '\t'))
            ++pos_;
    }
    char Peek() {
        SkipSpace();
        if (pos_ >= s_.size()) Fail("unexpected end");
        return s_[pos_];
    }
    void Expect(char c) {
        if (Peek() != c) Fail(std::string("expected ") + c);
        ++pos_;
    }
    void Literal(const char* word) {
        for (const char* p = word; *p; ++p, ++pos_)
            if (pos_ >= s_.size() || s_[pos_] != *p) Fail("bad literal");
    }

    TJsonValue Value() {
        TJsonValue v;
        char c = Peek();
        if (c == '{') {
            v.type = TJsonValue::Object;
            ++pos_;
            if (Peek() == '}') { ++pos_; return v; }
            for (;;) {
                if (Peek() != '"') Fail("expected a key");
                std::string key = StringBody();
                if (v.members.count(key)) Fail("duplicate key " + key);
                Expect(':');
                v.keys.push_back(key);
                v.members[key] = Value();
                if (Peek() == ',') { ++pos_; continue; }
                Expect('}');
                return v;
            }
        }
        if (c == '[') {
            v.type = TJsonValue::Array;
            ++pos_;
            if (Peek() == ']') { ++pos_; return v; }
            for (;;) {
                v.items.push_back(Value());
                if (Peek() == ',') { ++pos_; continue; }
                Expect(']');
                return v;
            }
        }
        if (c == '"') {
            v.type = TJsonValue::String;
            v.text = StringBody();
            return v;
        }
        if (c == 't' || c == 'f') {
            v.type = TJsonValue::Bool;
            v.boolean = c == 't';
            Literal(v.boolean ? "true" : "false");
            return v;
        }
        if (c == 'n') {
            Literal("null");
            return v;
        }
        v.type = TJsonValue::Number;
        size_t start = pos_;
        if (s_[pos_] == '-') ++pos_;
        while (pos_ < s_.size() && (isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.' ||
                                    s_[pos_] == 'e' || s_[pos_] == 'E' || s_[pos_] == '+' || s_[pos_] == '-'))
            ++pos_;
        v.text = s_.substr(start, pos_ - start);
        if (v.text.empty() || v.text == "-") Fail("bad value");
        return v;
    }

    void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // Checks one UTF-8 sequence starting at pos_ and copies it.
    void CopyUtf8(std::string& out) {
        unsigned char c = static_cast<unsigned char>(s_[pos_]);
        size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        if (length == 0 || c > 0xF4 || pos_ + length > s_.size()) Fail("invalid UTF-8");
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s_[pos_ + k]) & 0xC0) != 0x80) Fail("invalid UTF-8");
        out.append(s_, pos_, length);
        pos_ += length;
    }

    std::string StringBody() {
        ++pos_;  // opening quote
        std::string out;
        for (;;) {
            if (pos_ >= s_.size()) Fail("unterminated string");
            unsigned char c = static_cast<unsigned char>(s_[pos_]);
            if (c == '"') { ++pos_; return out; }
            if (c < 0x20) Fail("raw control character");
            if (c >= 0x80) { CopyUtf8(out); continue; }
            ++pos_;
            if (c != '\\') { out += static_cast<char>(c); continue; }
            if (pos_ >= s_.size()) Fail("unterminated escape");
            char e = s_[pos_++];
            switch (e) {
                case '"': case '\\': case '/': out += e; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    if (pos_ + 4 > s_.size()) Fail("short \\u escape");
                    std::string hex = s_.substr(pos_, 4);
                    if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) Fail("bad \\u escape");
                    AppendUtf8(out, static_cast<unsigned>(std::strtoul(hex.c_str(), nullptr, 16)));
                    pos_ += 4;
                    break;
                }
                default: Fail("bad escape");
            }
        }
    }

    const std::string& s_;
    size_t pos_ = 0;
};

}  // namespace

const TJsonValue& TJsonValue::operator[](const std::string& key) const {
    auto it = members.find(key);
    if (type != Object || it == members.end()) throw std::runtime_error("JSON: no key " + key);
    return it->second;
}

std::vector<std::string> TJsonValue::Strings() const {
    if (type != Array) throw std::runtime_error("JSON: not an array");
    std::vector<std::string> out;
    for (const TJsonValue& item : items) {
        if (item.type != String) throw std::runtime_error("JSON: not a string");
        out.push_back(item.text);
    }
    return out;
}

TJsonValue ParseJson(const std::string& text) { return TParser(text).Document(); }
