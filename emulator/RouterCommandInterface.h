// The router's command interface on the home network, beside its numbered
// API on "/home1/": the Wi-Fi timer under its other spelling
// ("router.getWifiTimer", "router.setWifiTimer") and the USB storage
// commands over an emulated disk. Uploads arrive as multipart bodies (part
// "file", the piece's place in "Content-Range"); downloads answer the file
// bytes themselves (206 with "Content-Range", 416 past the end), read piece
// by piece so large files never sit in memory.
#pragma once

#include <mutex>
#include <optional>
#include <string>

#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedUsbDisk.h"
#include "emulator/EmulatorState.h"
#include "emulator/HttpServer.h"
#include "emulator/RequestLog.h"
#include "emulator/UsbFaultPlan.h"
#include "platform/foundation/Value.h"

namespace emulator {

class RouterCommandInterface {
public:
    explicit RouterCommandInterface(EmulatorStatePtr state) : state_(std::move(state)) {}

    EmulatedUsbDisk& disk() { return disk_; }
    // Scripted faults of the USB commands (tests only).
    void setUsbFaults(UsbFaultPlan plan);
    // Upload pieces and download requests seen so far.
    int uploadPiecesSeen() const;
    int downloadRequestsSeen() const;

    // The calls this interface owns; none for every other call.
    std::optional<APIResult> answer(const std::string& routerId, const std::string& cmd, const ns::Dictionary& params,
                                    const std::optional<FormPart>& file,
                                    const std::optional<std::string>& contentRange);
    // "usb.downloadFile": the raw reply for the "Range" the request carries.
    void download(const ns::Dictionary& params, const std::optional<std::string>& range, Reply& reply);

private:
    EmulatorStatePtr state_;
    EmulatedUsbDisk disk_;
    mutable std::mutex faultMutex_;
    UsbFaultPlan faults_;
    int uploadPieces_ = 0;
    int downloadRequests_ = 0;
};

}  // namespace emulator
