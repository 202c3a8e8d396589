#include "emulator/EmulatedUsbDisk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace emulator {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

bool parseUnsigned(const std::string& text, std::uint64_t& out) {
    if (text.empty() || text.size() > 19) return false;
    out = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        out = out * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return true;
}

}  // namespace

EmulatedUsbDisk::EmulatedUsbDisk() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/keelbox-usb-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data())) root_ = fs::path(buffer.data());
}

EmulatedUsbDisk::~EmulatedUsbDisk() {
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
}

void EmulatedUsbDisk::setStatus(int status) {
    std::lock_guard<std::mutex> lock(mutex_);
    status_ = status;
}

int EmulatedUsbDisk::status() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return status_;
}

std::optional<fs::path> EmulatedUsbDisk::resolve(const std::string& routerPath) const {
    if (root_.empty()) return std::nullopt;
    fs::path out = root_;
    for (const auto& component : split(routerPath, '/')) {
        if (component.empty()) continue;
        if (component == "." || component == ".." || component[0] == '.') return std::nullopt;
        if (component.find('\0') != std::string::npos) return std::nullopt;
        out /= component;
    }
    return out;
}

APIResult EmulatedUsbDisk::getStatus() const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (status_ != 1) return APIResult{0, "", ns::Value::dictionary({{"status", status_}})};
    std::error_code error;
    const auto space = fs::space(root_, error);
    const std::uint64_t total = error ? 0 : space.capacity / 1024;
    const std::uint64_t free = error ? 0 : space.available / 1024;
    return APIResult{0, "",
                     ns::Value::dictionary({{"status", 1},
                                            {"manufacturer", "Keelbox"},
                                            {"product", "Emulated Disk"},
                                            {"usb_path", "/"},
                                            {"usb_total", std::to_string(total)},
                                            {"usb_used", std::to_string(total - free)},
                                            {"usb_free", std::to_string(free)}})};
}

APIResult EmulatedUsbDisk::getFileList(const std::string& path) const {
    if (status() != 1) return APIResult{-1301, "no disk", {}};
    auto folder = resolve(path);
    std::error_code error;
    if (!folder || !fs::is_directory(*folder, error)) return APIResult{-1302, "no such folder", {}};
    ns::Array list;
    for (const auto& entry : fs::directory_iterator(*folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        struct stat info {};
        if (::stat(entry.path().c_str(), &info) != 0) continue;
        const bool isFolder = S_ISDIR(info.st_mode);
        list.push_back(ns::Value::dictionary({{"name", name},
                                              {"type", isFolder ? "d" : "f"},
                                              {"size", static_cast<std::int64_t>(isFolder ? 0 : info.st_size)},
                                              {"date", static_cast<std::int64_t>(info.st_mtime)}}));
    }
    std::string shown = path.empty() ? "/" : path;
    if (shown.back() != '/') shown += "/";
    const auto count = static_cast<std::int64_t>(list.size());
    return APIResult{0, "", ns::Value::dictionary({{"path", shown}, {"length", count}, {"filelist", ns::Value(std::move(list))}})};
}

APIResult EmulatedUsbDisk::deleteFiles(const std::string& joinedNames) {
    if (status() != 1) return APIResult{-1301, "no disk", {}};
    int failed = 0;
    for (const auto& name : split(joinedNames, ';')) {
        if (name.empty()) continue;
        auto target = resolve(name);
        std::error_code error;
        if (!target || *target == root_ || fs::remove_all(*target, error) == 0 || error) ++failed;
    }
    return APIResult{0, "", ns::Value::dictionary({{"result", failed}})};
}

APIResult EmulatedUsbDisk::umount() {
    std::lock_guard<std::mutex> lock(mutex_);
    status_ = 0;
    return APIResult{0, "", ns::Value::dictionary({{"status", 1}})};
}

APIResult EmulatedUsbDisk::writePiece(const std::string& folder, const std::string& fileName,
                                      const std::optional<std::string>& contentRange, const std::string& bytes) {
    if (status() != 1) return APIResult{-1301, "no disk", {}};
    if (fileName.empty() || fileName.find('/') != std::string::npos) return APIResult{-1303, "bad file name", {}};
    auto target = resolve(folder + "/" + fileName);
    std::error_code error;
    if (!target || !fs::is_directory(target->parent_path(), error)) return APIResult{-1302, "no such folder", {}};
    std::uint64_t first = 0;
    if (contentRange) {
        // "bytes first-last/total"
        std::uint64_t last = 0, total = 0;
        const std::string& r = *contentRange;
        const auto dash = r.find('-'), slash = r.find('/');
        if (r.rfind("bytes ", 0) != 0 || dash == std::string::npos || slash == std::string::npos || slash < dash ||
            !parseUnsigned(r.substr(6, dash - 6), first) || !parseUnsigned(r.substr(dash + 1, slash - dash - 1), last) ||
            !parseUnsigned(r.substr(slash + 1), total) || last < first)
            return APIResult{-1304, "bad range", {}};
        // The phone names the end as the offset just past the piece
        // ("bytes 0-1048576/3000000"); the HTTP form names the last byte.
        // The piece's length tells them apart.
        const bool pastEnd = last - first == bytes.size() && last <= total;
        const bool lastByte = last - first + 1 == bytes.size() && last < total;
        if (!pastEnd && !lastByte) return APIResult{-1304, "bad range", {}};
    }
    const int fd = ::open(target->c_str(), O_WRONLY | O_CREAT | (contentRange && first > 0 ? 0 : O_TRUNC), 0644);
    if (fd < 0) return APIResult{-1305, std::strerror(errno), {}};
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(first + done));
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (done != bytes.size()) return APIResult{-1305, "write failed", {}};
    return APIResult{0, "", ns::Value::dictionary({})};
}

EmulatedUsbDisk::Range EmulatedUsbDisk::readRange(const std::string& routerPath,
                                                  const std::optional<std::string>& rangeHeader) const {
    Range out;
    auto target = resolve(routerPath);
    std::error_code error;
    if (status() != 1 || !target || !fs::is_regular_file(*target, error)) return out;
    out.size = fs::file_size(*target, error);
    if (error) return out;
    if (!rangeHeader) {
        out.status = 200;
        out.length = out.size;
        return out;
    }
    // "bytes=first-last" or "bytes=first-"
    const std::string& r = *rangeHeader;
    const auto dash = r.find('-');
    std::uint64_t first = 0, last = 0;
    if (r.rfind("bytes=", 0) != 0 || dash == std::string::npos || !parseUnsigned(r.substr(6, dash - 6), first)) {
        out.status = 416;
        return out;
    }
    const std::string lastText = r.substr(dash + 1);
    if (lastText.empty()) {
        last = out.size ? out.size - 1 : 0;
    } else if (!parseUnsigned(lastText, last) || last < first) {
        out.status = 416;
        return out;
    }
    if (first >= out.size) {
        out.status = 416;
        return out;
    }
    if (last >= out.size) last = out.size - 1;
    out.status = 206;
    out.offset = first;
    out.length = last - first + 1;
    return out;
}

}  // namespace emulator
