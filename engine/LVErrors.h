// The engine's exception classes. Each derives directly from LVException,
// which carries the message; none derives from another, so callers can catch
// exactly the class they handle.
#pragma once

#include <stdexcept>
#include <string>

class LVException : public std::runtime_error {
public:
    explicit LVException(const std::string& message) : std::runtime_error(message) {}
};

// Database errors: bad pointers, invalid sense numbers, damaged files.
class ELVError : public LVException {
public:
    using LVException::LVException;
};

// A synset has no word with the requested key; caught inside the engine.
class ELVKeyWordError : public LVException {
public:
    ELVKeyWordError() : LVException("Key does not exist in synset") {}
};

// Raised by the codecs; encoding an empty string has an empty message.
class ECompressError : public LVException {
public:
    explicit ECompressError(const std::string& message = std::string()) : LVException(message) {}
};
