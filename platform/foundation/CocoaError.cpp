#include "platform/foundation/CocoaError.h"

#include <cerrno>
#include <cstring>

namespace ns {

namespace {

int codeFor(FileOperation operation, int e) {
    switch (e) {
        case ENOENT:
        case ENOTDIR:
            return operation == FileOperation::Read ? kFileReadNoSuchFileError : kFileNoSuchFileError;
        case EACCES:
        case EPERM:
            return operation == FileOperation::Read ? kFileReadNoPermissionError : kFileWriteNoPermissionError;
        case EEXIST:
        case ENOTEMPTY:
            return kFileWriteFileExistsError;
        case ENAMETOOLONG:
        case EINVAL:
            return operation == FileOperation::Read ? kFileReadInvalidFileNameError : kFileWriteInvalidFileNameError;
        case ENOSPC:
        case EDQUOT:
            return kFileWriteOutOfSpaceError;
        case EROFS:
            return kFileWriteVolumeReadOnlyError;
        default:
            return operation == FileOperation::Read ? kFileReadUnknownError : kFileWriteUnknownError;
    }
}

}  // namespace

ErrorPtr cocoaFileError(FileOperation operation, int posixErrno, const std::string& path) {
    Dictionary info;
    info.set(kFilePathErrorKey, path);
    info.set(kUnderlyingErrorKey, Value(Error::withDescription(kPOSIXErrorDomain, posixErrno, std::strerror(posixErrno))));
    return Error::create(kCocoaErrorDomain, codeFor(operation, posixErrno), std::move(info));
}

ErrorPtr cocoaError(int code, const std::string& description) {
    return Error::withDescription(kCocoaErrorDomain, code, description);
}

}  // namespace ns
