// Byte streams the engine reads from and writes to: the database file and
// in-memory buffers (the loaded tail, a database being built, tests).
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "LVErrors.h"

// A file that cannot be opened or read; carries the platform's reason.
class EFOpenError : public LVException {
public:
    using LVException::LVException;
};

class TStream {
public:
    virtual ~TStream() = default;
    // Reads up to count bytes at the position; returns how many were read.
    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual void Write(const void* buffer, size_t count) = 0;
    // Positions past the end are allowed; reads there return 0 bytes.
    virtual void Seek(int64_t position) = 0;
    virtual int64_t Position() const = 0;
    virtual int64_t Size() const = 0;
    // Cuts the stream at the current position.
    virtual void Truncate() = 0;

    void WriteString(const std::string& bytes) { Write(bytes.data(), bytes.size()); }
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : data_(std::move(bytes)) {}

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* buffer, size_t count) override;
    void Seek(int64_t position) override;
    int64_t Position() const override { return static_cast<int64_t>(pos_); }
    int64_t Size() const override { return static_cast<int64_t>(data_.size()); }
    void Truncate() override;

    const std::string& Data() const { return data_; }

private:
    std::string data_;
    size_t pos_ = 0;
};

// Reads go through a buffer of the stream's own, so that seeking to bytes
// already read (the next synset record near the last) costs no system call;
// a seek only moves the position, and the file is positioned when it is
// next read or written, unless it stands there already.
class TFileStream : public TStream {
public:
    static constexpr size_t kBufferSize = 8192;
    // The least a read after a jump asks of the file.
    static constexpr size_t kJumpReadSize = 512;

    // Read-only shares the file with other readers and denies writers;
    // forWriting opens (creating if needed) for exclusive read and write.
    TFileStream(const std::string& fileName, bool forWriting);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* buffer, size_t count) override;
    void Seek(int64_t position) override;
    int64_t Position() const override;
    int64_t Size() const override;
    void Truncate() override;

private:
    // Positions the file at pos_ or raises.
    void SeekFile();
    void ThrowIfReadFailed();

    std::FILE* file_ = nullptr;
    std::string name_;
    int64_t pos_ = 0;
    mutable int64_t filePos_ = 0;  // where the file stands; -1 when unknown
    std::unique_ptr<char[]> buffer_;  // kBufferSize bytes once first read into
    int64_t bufferStart_ = 0;
    size_t bufferLength_ = 0;   // bytes of buffer_ that hold file bytes
};
