#include "emulator/RouterCommandInterface.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <memory>

namespace emulator {

namespace {

// A scripted "ready" answer still carries the disk's real sizes.
APIResult readyStatus(const EmulatedUsbDisk& disk) {
    APIResult result = disk.getStatus();
    if (result.vdata.isDictionary()) result.vdata.mutableDictionary().set("status", 1);
    return result;
}

// The scripted sizes (KiB) in place of the folder's real ones.
APIResult withSizes(APIResult result, const UsbFaultPlan& plan) {
    if (!result.vdata.isDictionary() || result.vdata.asDictionary()["status"].intValue() == 0) return result;
    auto& d = result.vdata.mutableDictionary();
    if (plan.totalKiB) d.set("usb_total", std::to_string(*plan.totalKiB));
    if (plan.freeKiB) d.set("usb_free", std::to_string(*plan.freeKiB));
    return result;
}

}  // namespace

std::optional<APIResult> RouterCommandInterface::answer(const std::string& routerId, const std::string& cmd,
                                                        const ns::Dictionary& params,
                                                        const std::optional<FormPart>& file,
                                                        const std::optional<std::string>& contentRange) {
    if (cmd == "router.getWifiTimer") return EmulatedRouterAPI::call(*state_, routerId, "router.getwifitimer", params);
    if (cmd == "router.setWifiTimer") return EmulatedRouterAPI::call(*state_, routerId, "router.setwifitimer", params);
    if (cmd == "usb.getStatus") {
        std::lock_guard<std::mutex> lock(faultMutex_);
        if (!faults_.statusSequence.empty()) {
            const int status = faults_.statusSequence.front();
            faults_.statusSequence.pop_front();
            if (status == 1) return withSizes(readyStatus(disk_), faults_);
            return withSizes(APIResult{0, "", ns::Value::dictionary({{"status", status}})}, faults_);
        }
        return withSizes(disk_.getStatus(), faults_);
    }
    if (cmd == "usb.getFileList") return disk_.getFileList(params["path"].stringValue());
    if (cmd == "usb.deleteFile") return disk_.deleteFiles(params["filenames"].stringValue());
    if (cmd == "usb.umountDisk") return disk_.umount();
    if (cmd == "usb.uploadFile") {
        if (!file) return APIResult{-1306, "no file part", {}};
        {
            std::lock_guard<std::mutex> lock(faultMutex_);
            const int piece = uploadPieces_++;
            if (piece == faults_.failUploadPiece) return APIResult{faults_.failUploadCode, "write failed", {}};
        }
        return disk_.writePiece(params["path"].stringValue(), params["filename"].stringValue(), contentRange, file->body);
    }
    return std::nullopt;
}

void RouterCommandInterface::setUsbFaults(UsbFaultPlan plan) {
    std::lock_guard<std::mutex> lock(faultMutex_);
    faults_ = std::move(plan);
    uploadPieces_ = 0;
    downloadRequests_ = 0;
}

int RouterCommandInterface::uploadPiecesSeen() const {
    std::lock_guard<std::mutex> lock(faultMutex_);
    return uploadPieces_;
}

int RouterCommandInterface::downloadRequestsSeen() const {
    std::lock_guard<std::mutex> lock(faultMutex_);
    return downloadRequests_;
}

void RouterCommandInterface::download(const ns::Dictionary& params, const std::optional<std::string>& range, Reply& reply) {
    const std::string routerPath = params["file"].stringValue();
    UsbFaultPlan::Download fault = UsbFaultPlan::Download::None;
    {
        std::lock_guard<std::mutex> lock(faultMutex_);
        const int request = downloadRequests_++;
        if (request == faults_.downloadFaultAt || (faults_.downloadSticky && request > faults_.downloadFaultAt))
            fault = faults_.download;
    }
    if (fault == UsbFaultPlan::Download::Status416 || fault == UsbFaultPlan::Download::Status500) {
        reply.contentType = "text/html; charset=utf-8";
        reply.status = fault == UsbFaultPlan::Download::Status416 ? 416 : 500;
        reply.body = "<html><body>the router cannot send that</body></html>";
        return;
    }
    EmulatedUsbDisk::Range r = disk_.readRange(routerPath, fault == UsbFaultPlan::Download::IgnoreRange
                                                               ? std::optional<std::string>() : range);
    if (r.status == 206 && fault == UsbFaultPlan::Download::WrongStart && r.length > 1) {
        ++r.offset;
        --r.length;
    }
    if (r.status == 206 && fault == UsbFaultPlan::Download::Empty) r.length = 0;
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
    if (r.status == 206 && fault != UsbFaultPlan::Download::OmitContentRange)
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
