#include "Stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

size_t TMemoryStream::Read(void* buffer, size_t count) {
    if (pos_ >= data_.size()) return 0;
    size_t n = std::min(count, data_.size() - pos_);
    std::memcpy(buffer, data_.data() + pos_, n);
    pos_ += n;
    return n;
}

void TMemoryStream::Write(const void* buffer, size_t count) {
    if (pos_ > data_.size()) data_.resize(pos_, '\0');
    size_t overlap = std::min(count, data_.size() - pos_);
    data_.replace(pos_, overlap, static_cast<const char*>(buffer), count);
    pos_ += count;
}

void TMemoryStream::Seek(int64_t position) { pos_ = position < 0 ? 0 : static_cast<size_t>(position); }

void TMemoryStream::Truncate() {
    if (pos_ < data_.size()) data_.resize(pos_);
}

namespace {

std::string Reason() { return std::strerror(errno); }

int64_t Tell(std::FILE* f) {
#ifdef _WIN32
    return _ftelli64(f);
#else
    return ftello(f);
#endif
}

bool SeekTo(std::FILE* f, int64_t pos, int whence) {
#ifdef _WIN32
    return _fseeki64(f, pos, whence) == 0;
#else
    return fseeko(f, static_cast<off_t>(pos), whence) == 0;
#endif
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, bool forWriting) : name_(fileName) {
    // For writing, an existing file is opened as it is ("r+b"); only a
    // missing one is created, so opening a database never empties it.
#ifdef _WIN32
    if (forWriting) {
        file_ = _fsopen(fileName.c_str(), "r+b", _SH_DENYRW);
        if (!file_ && errno == ENOENT) file_ = _fsopen(fileName.c_str(), "w+b", _SH_DENYRW);
    } else {
        file_ = _fsopen(fileName.c_str(), "rb", _SH_DENYWR);
    }
#else
    file_ = std::fopen(fileName.c_str(), forWriting ? "r+b" : "rb");
    if (!file_ && forWriting && errno == ENOENT) file_ = std::fopen(fileName.c_str(), "w+b");
#endif
    if (!file_) throw EFOpenError("Cannot open file \"" + fileName + "\". " + Reason());
    // Reads are buffered here already; a second buffer in the C library
    // would only copy every byte twice. Writes keep it.
    if (!forWriting) std::setvbuf(file_, nullptr, _IONBF, 0);
}

TFileStream::~TFileStream() { std::fclose(file_); }

void TFileStream::SeekFile() {
    filePos_ = -1;
    if (!SeekTo(file_, pos_, SEEK_SET)) throw EFOpenError("Cannot seek in file \"" + name_ + "\". " + Reason());
    filePos_ = pos_;
}

void TFileStream::ThrowIfReadFailed() {
    if (std::ferror(file_)) throw EFOpenError("Cannot read file \"" + name_ + "\". " + Reason());
}

size_t TFileStream::Read(void* buffer, size_t count) {
    char* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        if (pos_ >= bufferStart_ && pos_ < bufferStart_ + int64_t(bufferLength_)) {
            const size_t at = static_cast<size_t>(pos_ - bufferStart_);
            const size_t n = std::min(count - done, bufferLength_ - at);
            std::memcpy(out + done, buffer_.get() + at, n);
            done += n;
            pos_ += int64_t(n);
            continue;
        }
        const bool sequential = pos_ == bufferStart_ + int64_t(bufferLength_) && bufferLength_ != 0;
        if (pos_ != filePos_) SeekFile();
        if (count - done >= kBufferSize) {
            // Too long to be worth buffering: straight into the caller's bytes.
            const size_t n = std::fread(out + done, 1, count - done, file_);
            ThrowIfReadFailed();
            done += n;
            pos_ += int64_t(n);
            filePos_ = pos_;
            break;
        }
        // A jump reads only what is asked (a record, a block); reading on
        // from the buffer's end fills it whole.
        const size_t want = sequential ? kBufferSize : std::max(count - done, kJumpReadSize);
        // Not zeroed: the file is opened for every operation, and only the
        // bytes read are ever used.
        if (!buffer_) buffer_.reset(new char[kBufferSize]);
        bufferStart_ = pos_;
        bufferLength_ = std::fread(buffer_.get(), 1, want, file_);
        filePos_ = pos_ + int64_t(bufferLength_);
        if (bufferLength_ < want) ThrowIfReadFailed();
        if (bufferLength_ == 0) break;  // the end of the file
    }
    return done;
}

void TFileStream::Write(const void* buffer, size_t count) {
    bufferLength_ = 0;  // the buffered bytes may be the ones written
    SeekFile();
    // A read may follow a write only after a seek.
    filePos_ = -1;
    if (std::fwrite(buffer, 1, count, file_) != count)
        throw EFOpenError("Cannot write file \"" + name_ + "\". " + Reason());
    pos_ += int64_t(count);
}

void TFileStream::Seek(int64_t position) { pos_ = position < 0 ? 0 : position; }

int64_t TFileStream::Position() const { return pos_; }

int64_t TFileStream::Size() const {
    // Moving the file is harmless: marked unknown, its position is set again
    // by the next read or write.
    filePos_ = -1;
    if (!SeekTo(file_, 0, SEEK_END)) throw EFOpenError("Cannot seek in file \"" + name_ + "\". " + Reason());
    return Tell(file_);
}

void TFileStream::Truncate() {
    std::fflush(file_);
    bufferLength_ = 0;
#ifdef _WIN32
    bool ok = _chsize_s(_fileno(file_), pos_) == 0;
#else
    bool ok = ftruncate(fileno(file_), static_cast<off_t>(pos_)) == 0;
#endif
    if (!ok) throw EFOpenError("Cannot truncate file \"" + name_ + "\". " + Reason());
}
