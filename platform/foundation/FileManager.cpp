#include "platform/foundation/FileManager.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <functional>

#include "platform/foundation/CocoaError.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/Singleton.h"

namespace ns {

namespace fs = std::filesystem;

namespace {

bool fail(ErrorPtr* error, FileOperation op, int e, const std::string& path) {
    setError(error, cocoaFileError(op, e, path));
    return false;
}

const char* typeName(mode_t mode) {
    if (S_ISREG(mode)) return kFileTypeRegular;
    if (S_ISDIR(mode)) return kFileTypeDirectory;
    if (S_ISLNK(mode)) return kFileTypeSymbolicLink;
    return kFileTypeUnknown;
}

bool lexists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

std::shared_ptr<FileManager> FileManager::defaultManager() { return Singleton<FileManager>::get(); }

bool FileManager::fileExistsAtPath(const std::string& path, bool* isDirectory) const {
    struct stat st {};
    bool exists = !path.empty() && ::stat(path.c_str(), &st) == 0;
    if (isDirectory) *isDirectory = exists && S_ISDIR(st.st_mode);
    return exists;
}

bool FileManager::createDirectoryAtPath(const std::string& path, bool withIntermediateDirectories,
                                        const Dictionary& attributes, ErrorPtr* error) const {
    if (path.empty()) return fail(error, FileOperation::Write, ENOENT, path);
    if (withIntermediateDirectories) {
        std::error_code ec;
        fs::create_directories(path, ec);
        bool isDir = false;
        if (!fileExistsAtPath(path, &isDir) || !isDir) {
            return fail(error, FileOperation::Write, ec ? ec.value() : EEXIST, path);
        }
    } else if (::mkdir(path.c_str(), 0755) != 0) {
        return fail(error, FileOperation::Write, errno, path);
    }
    return attributes.empty() || setAttributes(attributes, path, error);
}

std::optional<std::vector<std::string>> FileManager::contentsOfDirectoryAtPath(const std::string& path,
                                                                               ErrorPtr* error) const {
    DIR* dir = ::opendir(path.c_str());
    if (!dir) {
        setError(error, cocoaFileError(FileOperation::Read, errno, path));
        return std::nullopt;
    }
    std::vector<std::string> names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(std::move(name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::vector<std::string>> FileManager::subpathsOfDirectoryAtPath(const std::string& path,
                                                                               ErrorPtr* error) const {
    std::error_code ec;
    fs::recursive_directory_iterator it(path, fs::directory_options::none, ec);
    if (ec) {
        setError(error, cocoaFileError(FileOperation::Read, ec.value(), path));
        return std::nullopt;
    }
    std::vector<std::string> out;
    for (; it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (ec) break;
        out.push_back(it->path().lexically_relative(path).string());
    }
    if (ec) {
        setError(error, cocoaFileError(FileOperation::Read, ec.value(), path));
        return std::nullopt;
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::optional<Dictionary> FileManager::attributesOfItemAtPath(const std::string& path, ErrorPtr* error) const {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        setError(error, cocoaFileError(FileOperation::Read, errno, path));
        return std::nullopt;
    }
    Dictionary attrs;
    attrs.set(kFileSize, Value(static_cast<std::uint64_t>(st.st_size)));
    double mtime = static_cast<double>(st.st_mtim.tv_sec) + static_cast<double>(st.st_mtim.tv_nsec) / 1e9;
    attrs.set(kFileModificationDate, Value(Date::withTimeIntervalSince1970(mtime)));
    attrs.set(kFileType, Value(typeName(st.st_mode)));
    attrs.set(kFilePosixPermissions, Value(static_cast<std::uint64_t>(st.st_mode & 07777)));
    return attrs;
}

bool FileManager::setAttributes(const Dictionary& attributes, const std::string& path, ErrorPtr* error) const {
    if (!lexists(path)) return fail(error, FileOperation::Write, ENOENT, path);
    if (const Value* perms = attributes.find(kFilePosixPermissions); perms && perms->isNumber()) {
        if (::chmod(path.c_str(), static_cast<mode_t>(perms->unsignedLongLongValue() & 07777)) != 0) {
            return fail(error, FileOperation::Write, errno, path);
        }
    }
    if (const Value* date = attributes.find(kFileModificationDate); date && date->isDate()) {
        double t = date->asDate().timeIntervalSince1970();
        double whole = std::floor(t);
        timespec times[2];
        times[0].tv_sec = 0;
        times[0].tv_nsec = UTIME_OMIT;
        times[1].tv_sec = static_cast<time_t>(whole);
        times[1].tv_nsec = static_cast<long>((t - whole) * 1e9);
        if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) return fail(error, FileOperation::Write, errno, path);
    }
    return true;
}

bool FileManager::removeItemAtPath(const std::string& path, ErrorPtr* error) const {
    if (path.empty() || !lexists(path)) return fail(error, FileOperation::Other, ENOENT, path);
    std::error_code ec;
    fs::remove_all(path, ec);
    if (ec) return fail(error, FileOperation::Write, ec.value(), path);
    return true;
}

bool FileManager::moveItemAtPath(const std::string& source, const std::string& destination, ErrorPtr* error) const {
    if (source.empty() || !lexists(source)) return fail(error, FileOperation::Other, ENOENT, source);
    if (destination.empty()) return fail(error, FileOperation::Write, ENOENT, destination);
    if (lexists(destination)) return fail(error, FileOperation::Write, EEXIST, destination);
    if (::rename(source.c_str(), destination.c_str()) == 0) return true;
    if (errno != EXDEV) return fail(error, FileOperation::Write, errno, destination);
    // Another file system: copy, then remove the source only once the copy
    // is complete, so a failure never loses the item.
    if (!copyItemAtPath(source, destination, error)) return false;
    return removeItemAtPath(source, error);
}

bool FileManager::copyItemAtPath(const std::string& source, const std::string& destination, ErrorPtr* error) const {
    if (source.empty() || !lexists(source)) return fail(error, FileOperation::Read, ENOENT, source);
    if (destination.empty()) return fail(error, FileOperation::Write, ENOENT, destination);
    if (lexists(destination)) return fail(error, FileOperation::Write, EEXIST, destination);
    std::error_code ec;
    fs::copy(source, destination, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove_all(destination, ignored);
        return fail(error, FileOperation::Write, ec.value(), destination);
    }
    return true;
}

bool FileManager::createFileAtPath(const std::string& path, const Data& contents, const Dictionary& attributes) const {
    if (!writeDataToFile(contents, path, true)) return false;
    return attributes.empty() || setAttributes(attributes, path);
}

std::optional<Data> FileManager::contentsAtPath(const std::string& path) const {
    return dataWithContentsOfFile(path);
}

}  // namespace ns
