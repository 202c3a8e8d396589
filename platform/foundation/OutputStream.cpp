#include "platform/foundation/OutputStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <utility>

namespace ns {

namespace {

class MemoryOutputStream : public OutputStream {
public:
    std::int64_t write(const std::uint8_t* buffer, std::size_t length) override {
        if (!isOpen() || (!buffer && length)) return -1;
        std::lock_guard<std::mutex> lock(mutex_);
        data_.append(buffer, length);
        return static_cast<std::int64_t>(length);
    }

    bool hasSpaceAvailable() const override { return streamStatus() == StreamStatus::Open; }

    void reserveCapacity(std::size_t bytes) override {
        std::lock_guard<std::mutex> lock(mutex_);
        data_.vector().reserve(data_.length() + bytes);
    }

    Value propertyForKey(std::string_view key) const override {
        if (key != kStreamDataWrittenToMemoryStreamKey) return Value();
        std::lock_guard<std::mutex> lock(mutex_);
        return Value(data_);
    }

    std::optional<Data> takeDataWrittenToMemory() override {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(data_, Data());
    }

private:
    mutable std::mutex mutex_;
    Data data_;
};

class FileOutputStream : public OutputStream {
public:
    FileOutputStream(std::string path, bool append) : path_(std::move(path)), append_(append) {}
    ~FileOutputStream() override {
        if (fd_ >= 0) ::close(fd_);
    }

    void open() override {
        if (streamStatus() != StreamStatus::NotOpen) return;
        int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append_ ? O_APPEND : O_TRUNC);
        fd_ = ::open(path_.c_str(), flags, 0644);
        if (fd_ < 0) {
            fail(posixError(errno, path_));
            return;
        }
        // Appending continues at the end, so the offset reports what is there.
        if (append_) ::lseek(fd_, 0, SEEK_END);
        setStatus(StreamStatus::Open);
    }

    void close() override {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        OutputStream::close();
    }

    std::int64_t write(const std::uint8_t* buffer, std::size_t length) override {
        if (!isOpen() || fd_ < 0 || (!buffer && length)) return -1;
        std::size_t done = 0;
        while (done < length) {
            ssize_t n = ::write(fd_, buffer + done, length - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                fail(posixError(errno, path_));
                return -1;
            }
            done += static_cast<std::size_t>(n);
        }
        return static_cast<std::int64_t>(done);
    }

    bool hasSpaceAvailable() const override { return streamStatus() == StreamStatus::Open; }

    Value propertyForKey(std::string_view key) const override {
        if (key != kStreamFileCurrentOffsetKey || fd_ < 0) return Value();
        off_t pos = ::lseek(fd_, 0, SEEK_CUR);
        if (pos < 0) return Value();
        return Value(static_cast<std::uint64_t>(pos));
    }

private:
    std::string path_;
    bool append_;
    int fd_ = -1;
};

}  // namespace

std::shared_ptr<OutputStream> OutputStream::outputStreamToMemory() { return std::make_shared<MemoryOutputStream>(); }

std::shared_ptr<OutputStream> OutputStream::outputStreamToFileAtPath(std::string path, bool append) {
    return std::make_shared<FileOutputStream>(std::move(path), append);
}

std::shared_ptr<OutputStream> OutputStream::outputStreamWithURL(const URLPtr& url, bool append) {
    if (!url || !url->isFileURL()) return nullptr;
    return outputStreamToFileAtPath(url->path(), append);
}

std::int64_t OutputStream::write(const std::uint8_t*, std::size_t) { return -1; }

bool OutputStream::hasSpaceAvailable() const { return false; }

void OutputStream::reserveCapacity(std::size_t) {}

std::optional<Data> OutputStream::dataWrittenToMemory() const {
    Value v = propertyForKey(kStreamDataWrittenToMemoryStreamKey);
    if (!v.isData()) return std::nullopt;
    return v.asData();
}

std::optional<Data> OutputStream::takeDataWrittenToMemory() { return dataWrittenToMemory(); }

std::optional<std::uint64_t> OutputStream::fileCurrentOffset() const {
    Value v = propertyForKey(kStreamFileCurrentOffsetKey);
    if (!v.isNumber()) return std::nullopt;
    return v.unsignedLongLongValue();
}

}  // namespace ns
