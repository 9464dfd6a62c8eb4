#include "JsonWriter.h"

#include <cstdio>

namespace {

// Length of the well-formed UTF-8 sequence at s[i], or 0 when there is none.
size_t Utf8SequenceLength(const std::string& s, size_t i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;  // no UTF-16 surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return length;
}

void AppendUnicodeEscape(std::string& out, unsigned char c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
    out += buffer;
}

}  // namespace

void AppendJsonString(std::string& out, const std::string& bytes) {
    out += '"';
    for (size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x80) {
            size_t length = Utf8SequenceLength(bytes, i);
            if (length == 0) {
                AppendUnicodeEscape(out, c);
                ++i;
            } else {
                out.append(bytes, i, length);
                i += length;
            }
            continue;
        }
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F)
                    AppendUnicodeEscape(out, c);
                else
                    out += static_cast<char>(c);
        }
        ++i;
    }
    out += '"';
}

void TJsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasValue_.empty()) {
        if (hasValue_.back()) out_ << ',';
        hasValue_.back() = true;
    }
}

void TJsonWriter::Open(char bracket) {
    BeforeValue();
    out_ << bracket;
    hasValue_.push_back(false);
}

void TJsonWriter::Close(char bracket) {
    hasValue_.pop_back();
    out_ << bracket;
}

void TJsonWriter::BeginObject() { Open('{'); }
void TJsonWriter::EndObject() { Close('}'); }
void TJsonWriter::BeginArray() { Open('['); }
void TJsonWriter::EndArray() { Close(']'); }

void TJsonWriter::Key(const std::string& name) {
    BeforeValue();
    std::string literal;
    AppendJsonString(literal, name);
    out_ << literal << ':';
    afterKey_ = true;
}

void TJsonWriter::String(const std::string& value) {
    BeforeValue();
    std::string literal;
    AppendJsonString(literal, value);
    out_ << literal;
}

void TJsonWriter::Bool(bool value) {
    BeforeValue();
    out_ << (value ? "true" : "false");
}

void TJsonWriter::Int(long long value) {
    BeforeValue();
    out_ << value;
}

void TJsonWriter::StringArray(const std::vector<std::string>& values) {
    BeginArray();
    for (const std::string& value : values) String(value);
    EndArray();
}

void TJsonWriter::Member(const std::string& name, const std::string& value) {
    Key(name);
    String(value);
}

void TJsonWriter::Member(const std::string& name, const std::vector<std::string>& values) {
    Key(name);
    StringArray(values);
}
