// The router's USB disk, played by a temporary folder that lives as long as
// the object. Router paths ("/photos/a.jpg") are resolved inside the folder
// only: a path with ".." or a hidden name never reaches the real disk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

#include "emulator/EmulatedRouterAPI.h"

namespace emulator {

class EmulatedUsbDisk {
public:
    EmulatedUsbDisk();
    ~EmulatedUsbDisk();
    EmulatedUsbDisk(const EmulatedUsbDisk&) = delete;
    EmulatedUsbDisk& operator=(const EmulatedUsbDisk&) = delete;

    const std::filesystem::path& root() const { return root_; }
    // 0 no disk, 1 ready, 2 found and still being read.
    void setStatus(int status);
    int status() const;

    // The real path of a router path; none when it would leave the folder.
    std::optional<std::filesystem::path> resolve(const std::string& routerPath) const;

    APIResult getStatus() const;
    APIResult getFileList(const std::string& path) const;
    // Names joined by ";"; the result counts the names that could not go.
    APIResult deleteFiles(const std::string& joinedNames);
    APIResult umount();
    // Writes `bytes` at the offset that "bytes first-end/total" names (at 0
    // without one); the end may be the last byte or the offset just past
    // it; a piece that matches neither is refused.
    APIResult writePiece(const std::string& folder, const std::string& fileName,
                         const std::optional<std::string>& contentRange, const std::string& bytes);

    // A ranged read: the status (200, 206 or 416), the first offset and the
    // length to send, and the file's size.
    struct Range {
        int status = 404;
        std::uint64_t offset = 0;
        std::uint64_t length = 0;
        std::uint64_t size = 0;
    };
    Range readRange(const std::string& routerPath, const std::optional<std::string>& rangeHeader) const;

private:
    mutable std::mutex mutex_;
    std::filesystem::path root_;
    int status_ = 1;
};

}  // namespace emulator
