// Reading a whole file into ns::Data and writing one, atomically when asked.
//
// An atomic write goes to a temporary file in the same folder, is flushed to
// disk, and then renamed over the target, so a reader sees either the old or
// the new content, never a mix, and a failed write leaves the old file as it
// was.
//
// While the clock is virtual (tests), files written here carry the virtual
// time as their modification date, so that age checks agree with Date::now().
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"

namespace ns {

// The file's bytes, or nothing when it cannot be read (missing, a folder,
// no permission). The error, when asked for, is NSCocoaErrorDomain 260, 257...
std::optional<Data> dataWithContentsOfFile(const std::string& path, ErrorPtr* error = nullptr);

// Writes the bytes; true on success. On failure nothing is left behind and,
// for an atomic write, the old file stays intact.
bool writeDataToFile(const Data& data, const std::string& path, bool atomically, ErrorPtr* error = nullptr);

// Sets the file's modification date to the clock's time when the clock is
// virtual (see above); a no-op with the real clock.
void stampModificationDateWithClock(int fd);

}  // namespace ns
