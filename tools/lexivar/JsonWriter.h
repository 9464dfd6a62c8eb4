// A small streaming JSON writer: the tool's --json output.
//
// Strings are byte strings in the platform's 8-bit code page or UTF-8. Bytes
// that form well-formed UTF-8 sequences are written as they are; any other
// byte above 127 is taken as Latin-1 and written as \u00XX, so the output is
// always valid UTF-8 JSON whatever the encoding of the input.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Appends the JSON string literal of bytes (with its quotes) to out.
void AppendJsonString(std::string& out, const std::string& bytes);

class TJsonWriter {
public:
    explicit TJsonWriter(std::ostream& out) : out_(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // Names the next value inside an object.
    void Key(const std::string& name);
    void String(const std::string& value);
    void Bool(bool value);
    void Int(long long value);
    void StringArray(const std::vector<std::string>& values);
    // Key and value in one.
    void Member(const std::string& name, const std::string& value);
    void Member(const std::string& name, const std::vector<std::string>& values);

private:
    void Open(char bracket);
    void Close(char bracket);
    // Writes the comma that separates this value from the previous one.
    void BeforeValue();

    std::ostream& out_;
    // One entry per open container: whether it already holds a value.
    std::vector<bool> hasValue_;
    bool afterKey_ = false;
};
