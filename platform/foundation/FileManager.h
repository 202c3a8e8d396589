// ns::FileManager: the platform's file manager over the POSIX file system.
//
// Paths are UTF-8 text. Failures come back as false / nothing with an
// NSCocoaErrorDomain error (CocoaError.h) naming the path: 4 or 260 for a
// missing item, 257 / 513 for permission, 516 for an existing destination,
// 512 / 640 for write failures.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ns {

// Attribute keys and file types, spelled as the platform spells them.
inline constexpr const char* kFileSize = "NSFileSize";
inline constexpr const char* kFileModificationDate = "NSFileModificationDate";
inline constexpr const char* kFileType = "NSFileType";
inline constexpr const char* kFilePosixPermissions = "NSFilePosixPermissions";
inline constexpr const char* kFileTypeRegular = "NSFileTypeRegular";
inline constexpr const char* kFileTypeDirectory = "NSFileTypeDirectory";
inline constexpr const char* kFileTypeSymbolicLink = "NSFileTypeSymbolicLink";
inline constexpr const char* kFileTypeUnknown = "NSFileTypeUnknown";

class FileManager : public Object {
public:
    static std::shared_ptr<FileManager> create() { return std::shared_ptr<FileManager>(new FileManager()); }
    static std::shared_ptr<FileManager> defaultManager();

    // Follows symbolic links; *isDirectory tells whether the item is a folder.
    bool fileExistsAtPath(const std::string& path, bool* isDirectory = nullptr) const;

    // Without intermediates the parent must exist; an existing folder is an
    // error without intermediates (516) and success with them.
    bool createDirectoryAtPath(const std::string& path, bool withIntermediateDirectories,
                               const Dictionary& attributes = {}, ErrorPtr* error = nullptr) const;

    // Names of the folder's items (no "." or ".."), sorted by byte order.
    std::optional<std::vector<std::string>> contentsOfDirectoryAtPath(const std::string& path,
                                                                      ErrorPtr* error = nullptr) const;
    // Paths of every item below the folder, relative to it ("a", "a/b"),
    // sorted; symbolic links are listed, not followed.
    std::optional<std::vector<std::string>> subpathsOfDirectoryAtPath(const std::string& path,
                                                                      ErrorPtr* error = nullptr) const;

    // NSFileSize (unsigned), NSFileModificationDate (date), NSFileType and
    // NSFilePosixPermissions of the item itself (a link is not followed).
    std::optional<Dictionary> attributesOfItemAtPath(const std::string& path, ErrorPtr* error = nullptr) const;
    // Applies NSFileModificationDate and NSFilePosixPermissions when present.
    bool setAttributes(const Dictionary& attributes, const std::string& path, ErrorPtr* error = nullptr) const;

    // Removes a file, a link or a whole folder.
    bool removeItemAtPath(const std::string& path, ErrorPtr* error = nullptr) const;
    // Both refuse an existing destination (516), as the platform does.
    bool moveItemAtPath(const std::string& source, const std::string& destination, ErrorPtr* error = nullptr) const;
    bool copyItemAtPath(const std::string& source, const std::string& destination, ErrorPtr* error = nullptr) const;

    // Writes the contents atomically, replacing an existing file, then applies
    // the attributes. False when the file could not be written.
    bool createFileAtPath(const std::string& path, const Data& contents, const Dictionary& attributes = {}) const;
    std::optional<Data> contentsAtPath(const std::string& path) const;

protected:
    FileManager() = default;
};

}  // namespace ns
