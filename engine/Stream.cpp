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
}

TFileStream::~TFileStream() { std::fclose(file_); }

size_t TFileStream::Read(void* buffer, size_t count) {
    size_t n = std::fread(buffer, 1, count, file_);
    if (n < count && std::ferror(file_)) throw EFOpenError("Cannot read file \"" + name_ + "\". " + Reason());
    return n;
}

void TFileStream::Write(const void* buffer, size_t count) {
    if (std::fwrite(buffer, 1, count, file_) != count)
        throw EFOpenError("Cannot write file \"" + name_ + "\". " + Reason());
}

void TFileStream::Seek(int64_t position) {
    if (!SeekTo(file_, position < 0 ? 0 : position, SEEK_SET))
        throw EFOpenError("Cannot seek in file \"" + name_ + "\". " + Reason());
}

int64_t TFileStream::Position() const { return Tell(file_); }

int64_t TFileStream::Size() const {
    int64_t here = Tell(file_);
    SeekTo(file_, 0, SEEK_END);
    int64_t size = Tell(file_);
    SeekTo(file_, here, SEEK_SET);
    return size;
}

void TFileStream::Truncate() {
    std::fflush(file_);
    int64_t here = Tell(file_);
#ifdef _WIN32
    bool ok = _chsize_s(_fileno(file_), here) == 0;
#else
    bool ok = ftruncate(fileno(file_), static_cast<off_t>(here)) == 0;
#endif
    if (!ok) throw EFOpenError("Cannot truncate file \"" + name_ + "\". " + Reason());
}
