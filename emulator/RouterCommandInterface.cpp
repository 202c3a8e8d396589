#include "emulator/RouterCommandInterface.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <memory>

namespace emulator {

std::optional<APIResult> RouterCommandInterface::answer(const std::string& routerId, const std::string& cmd,
                                                        const ns::Dictionary& params,
                                                        const std::optional<FormPart>& file,
                                                        const std::optional<std::string>& contentRange) {
    if (cmd == "router.getWifiTimer") return EmulatedRouterAPI::call(*state_, routerId, "router.getwifitimer", params);
    if (cmd == "router.setWifiTimer") return EmulatedRouterAPI::call(*state_, routerId, "router.setwifitimer", params);
    if (cmd == "usb.getStatus") return disk_.getStatus();
    if (cmd == "usb.getFileList") return disk_.getFileList(params["path"].stringValue());
    if (cmd == "usb.deleteFile") return disk_.deleteFiles(params["filenames"].stringValue());
    if (cmd == "usb.umountDisk") return disk_.umount();
    if (cmd == "usb.uploadFile") {
        if (!file) return APIResult{-1306, "no file part", {}};
        return disk_.writePiece(params["path"].stringValue(), params["filename"].stringValue(), contentRange, file->body);
    }
    return std::nullopt;
}

void RouterCommandInterface::download(const ns::Dictionary& params, const std::optional<std::string>& range, Reply& reply) {
    const std::string routerPath = params["file"].stringValue();
    const EmulatedUsbDisk::Range r = disk_.readRange(routerPath, range);
    reply.contentType = "application/octet-stream";
    reply.status = r.status;
    if (r.status == 404) {
        reply.body = "no such file";
        return;
    }
    if (r.status == 416) {
        reply.headers.emplace_back("Content-Range", "bytes */" + std::to_string(r.size));
        return;
    }
    if (r.status == 206)
        reply.headers.emplace_back("Content-Range", "bytes " + std::to_string(r.offset) + "-" +
                                                        std::to_string(r.offset + r.length - 1) + "/" + std::to_string(r.size));
    auto path = disk_.resolve(routerPath);
    const int fd = path ? ::open(path->c_str(), O_RDONLY) : -1;
    if (fd < 0) {
        reply.status = 404;
        reply.body = "no such file";
        return;
    }
    // The descriptor closes with the last copy of the fill callback.
    auto handle = std::shared_ptr<int>(new int(fd), [](int* p) {
        ::close(*p);
        delete p;
    });
    const std::uint64_t first = r.offset;
    reply.streamLength = r.length;
    reply.streamFill = [handle, first](std::uint64_t offset, char* out, std::size_t length) {
        std::size_t done = 0;
        while (done < length) {
            const ssize_t n = ::pread(*handle, out + done, length - done, static_cast<off_t>(first + offset + done));
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        if (done < length) std::memset(out + done, 0, length - done);
    };
}

}  // namespace emulator
