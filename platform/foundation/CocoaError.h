// The platform's NSCocoaErrorDomain codes for files and serialization, and
// the one place that turns a failed system call into such an error.
#pragma once

#include <string>

#include "platform/foundation/Error.h"

namespace ns {

enum CocoaErrorCode : int {
    kFileNoSuchFileError = 4,
    kFileLockingError = 255,
    kFileReadUnknownError = 256,
    kFileReadNoPermissionError = 257,
    kFileReadInvalidFileNameError = 258,
    kFileReadCorruptFileError = 259,
    kFileReadNoSuchFileError = 260,
    kFileWriteUnknownError = 512,
    kFileWriteNoPermissionError = 513,
    kFileWriteInvalidFileNameError = 514,
    kFileWriteFileExistsError = 516,
    kFileWriteOutOfSpaceError = 640,
    kFileWriteVolumeReadOnlyError = 642,
    kPropertyListReadCorruptError = 3840,  // also what JSON reading reports
    kPropertyListWriteInvalidError = 3852,
    kCoderReadCorruptError = 4864,
    kCoderValueNotFoundError = 4865,
};

// What the caller was doing when the system call failed; it decides which
// code an errno becomes (a missing file is 260 when reading, 4 otherwise).
enum class FileOperation { Read, Write, Other };

// An NSCocoaErrorDomain error for `path` from a POSIX errno: the path under
// NSFilePath and the POSIX error under NSUnderlyingError.
ErrorPtr cocoaFileError(FileOperation operation, int posixErrno, const std::string& path);
// A plain NSCocoaErrorDomain error with a description.
ErrorPtr cocoaError(int code, const std::string& description);

// Stores `error` into `*out` when out is given (the platform's NSError**).
inline void setError(ErrorPtr* out, ErrorPtr error) {
    if (out) *out = std::move(error);
}

}  // namespace ns
