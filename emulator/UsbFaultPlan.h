// Scripted misbehaviour of the emulated router's USB commands, for the tests
// of the file manager: a sequence of disk states for successive status
// polls, an upload piece that fails, and download replies that break the
// range rules (no Content-Range, an ignored Range, an error status with a
// body). A dropped connection is the HttpServer's own fault on "/home1/".
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace emulator {

struct UsbFaultPlan {
    // Statuses answered by the next usb.getStatus calls, one each; once it
    // is used up the disk's own status answers again.
    std::deque<int> statusSequence;
    // The disk's size and free room in KiB, in place of the folder's own.
    std::optional<std::uint64_t> totalKiB;
    std::optional<std::uint64_t> freeKiB;

    // The upload piece with this number (0 = the next one to arrive) answers
    // an error instead of being written; -1: none.
    int failUploadPiece = -1;
    int failUploadCode = -1305;

    enum class Download {
        None,
        OmitContentRange,  // a 206 without its Content-Range header
        IgnoreRange,       // the whole file with 200, whatever was asked
        WrongStart,        // a 206 whose range starts one byte late
        Status416,         // 416 with a text body
        Status500,         // 500 with a text body
        Empty,             // a 206 of no bytes
    };
    Download download = Download::None;
    // The download request with this number (0 = the next one) misbehaves;
    // the fault then stays for every later request when `downloadSticky`.
    int downloadFaultAt = 0;
    bool downloadSticky = false;
};

}  // namespace emulator
