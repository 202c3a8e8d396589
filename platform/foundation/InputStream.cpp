#include "platform/foundation/InputStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ns {

namespace {

class DataInputStream : public InputStream {
public:
    explicit DataInputStream(Data data) : data_(std::move(data)) {}

    void open() override {
        if (streamStatus() != StreamStatus::NotOpen) return;
        setStatus(data_.empty() ? StreamStatus::AtEnd : StreamStatus::Open);
    }

    std::int64_t read(std::uint8_t* buffer, std::size_t maxLength) override {
        if (!isOpen() || !buffer) return -1;
        std::size_t n = std::min(maxLength, data_.length() - position_);
        if (n) std::memcpy(buffer, data_.bytes() + position_, n);
        position_ += n;
        if (position_ >= data_.length()) setStatus(StreamStatus::AtEnd);
        return static_cast<std::int64_t>(n);
    }

    bool hasBytesAvailable() const override {
        auto s = streamStatus();
        return (s == StreamStatus::NotOpen || isOpen()) && position_ < data_.length();
    }

private:
    Data data_;
    std::size_t position_ = 0;
};

class FileInputStream : public InputStream {
public:
    explicit FileInputStream(std::string path) : path_(std::move(path)) {}
    ~FileInputStream() override {
        if (fd_ >= 0) ::close(fd_);
    }

    void open() override {
        if (streamStatus() != StreamStatus::NotOpen) return;
        fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) {
            fail(posixError(errno, path_));
            return;
        }
        struct stat st {};
        if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
            fail(posixError(EISDIR, path_));
            return;
        }
        setStatus(StreamStatus::Open);
    }

    void close() override {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        InputStream::close();
    }

    std::int64_t read(std::uint8_t* buffer, std::size_t maxLength) override {
        if (!isOpen() || fd_ < 0 || !buffer) return -1;
        if (streamStatus() == StreamStatus::AtEnd) return 0;
        ssize_t n;
        do {
            n = ::read(fd_, buffer, maxLength);
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            fail(posixError(errno, path_));
            return -1;
        }
        if (n == 0 || atEndOfFile()) setStatus(StreamStatus::AtEnd);
        return n;
    }

    bool hasBytesAvailable() const override {
        auto s = streamStatus();
        return s == StreamStatus::NotOpen || s == StreamStatus::Open || s == StreamStatus::Reading;
    }

private:
    bool atEndOfFile() const {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) return false;
        off_t pos = ::lseek(fd_, 0, SEEK_CUR);
        return pos >= 0 && pos >= st.st_size;
    }

    std::string path_;
    int fd_ = -1;
};

}  // namespace

std::shared_ptr<InputStream> InputStream::inputStreamWithData(Data data) {
    return std::make_shared<DataInputStream>(std::move(data));
}

std::shared_ptr<InputStream> InputStream::inputStreamWithFileAtPath(std::string path) {
    return std::make_shared<FileInputStream>(std::move(path));
}

std::shared_ptr<InputStream> InputStream::inputStreamWithURL(const URLPtr& url) {
    if (!url || !url->isFileURL()) return nullptr;
    return inputStreamWithFileAtPath(url->path());
}

std::int64_t InputStream::read(std::uint8_t*, std::size_t) { return -1; }

bool InputStream::hasBytesAvailable() const { return false; }

}  // namespace ns
