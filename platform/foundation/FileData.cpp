#include "platform/foundation/FileData.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <filesystem>

#include "platform/foundation/Clock.h"
#include "platform/foundation/CocoaError.h"

namespace ns {

namespace {

// Files larger than this are not read into memory: a store or resource that
// big is damaged, and allocating for it could take the process down.
constexpr off_t kMaxReadableFile = off_t(1) << 31;

bool writeAll(int fd, const Data& data) {
    const std::uint8_t* p = data.bytes();
    std::size_t left = data.length();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string parentOf(const std::string& path) {
    std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

void syncFolder(const std::string& folder) {
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

}  // namespace

void stampModificationDateWithClock(int fd) {
    if (!Clock::isVirtual()) return;
    double now = Clock::now();
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    double whole = std::floor(now);
    times[1].tv_sec = static_cast<time_t>(whole);
    times[1].tv_nsec = static_cast<long>((now - whole) * 1e9);
    ::futimens(fd, times);
}

std::optional<Data> dataWithContentsOfFile(const std::string& path, ErrorPtr* error) {
    // Non-blocking so that a named pipe cannot hang the caller; it is refused below.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        setError(error, cocoaFileError(FileOperation::Read, errno, path));
        return std::nullopt;
    }
    struct stat st {};
    errno = 0;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxReadableFile) {
        int e = errno;
        if (S_ISDIR(st.st_mode)) e = EISDIR;
        else if (st.st_size > kMaxReadableFile) e = EFBIG;
        else if (e == 0) e = EINVAL;
        ::close(fd);
        setError(error, cocoaFileError(FileOperation::Read, e, path));
        return std::nullopt;
    }
    Data out;
    out.vector().reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            int e = errno;
            ::close(fd);
            setError(error, cocoaFileError(FileOperation::Read, e, path));
            return std::nullopt;
        }
        if (n == 0) break;
        out.append(buf, static_cast<std::size_t>(n));
        if (static_cast<off_t>(out.length()) > kMaxReadableFile) {
            ::close(fd);
            setError(error, cocoaFileError(FileOperation::Read, EFBIG, path));
            return std::nullopt;
        }
    }
    ::close(fd);
    return out;
}

bool writeDataToFile(const Data& data, const std::string& path, bool atomically, ErrorPtr* error) {
    if (path.empty()) {
        setError(error, cocoaFileError(FileOperation::Write, ENOENT, path));
        return false;
    }
    if (!atomically) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            setError(error, cocoaFileError(FileOperation::Write, errno, path));
            return false;
        }
        bool ok = writeAll(fd, data);
        int e = errno;
        if (ok) stampModificationDateWithClock(fd);
        if (::close(fd) != 0 && ok) {
            ok = false;
            e = errno;
        }
        if (!ok) setError(error, cocoaFileError(FileOperation::Write, e, path));
        return ok;
    }

    std::string folder = parentOf(path);
    std::string name = std::filesystem::path(path).filename().string();
    std::string temp = folder + "/." + name + ".tmp-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        setError(error, cocoaFileError(FileOperation::Write, errno, path));
        return false;
    }
    // mkstemp makes the file private; give it the mode the target had, or
    // the usual one for a new file.
    struct stat old {};
    mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);

    bool ok = writeAll(fd, data) && ::fsync(fd) == 0;
    int e = errno;
    if (ok) stampModificationDateWithClock(fd);
    if (::close(fd) != 0 && ok) {
        ok = false;
        e = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        e = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        setError(error, cocoaFileError(FileOperation::Write, e, path));
        return false;
    }
    syncFolder(folder);
    return true;
}

}  // namespace ns
