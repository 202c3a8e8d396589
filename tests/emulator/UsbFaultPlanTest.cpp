// The emulated USB disk's scripted behaviour: pieces named with the end
// just past them, status sequences and scripted sizes, a failing upload
// piece, and download replies that break the range rules.
#include <gtest/gtest.h>

#include "emulator/EmulatorState.h"
#include "emulator/RouterCommandInterface.h"

namespace emulator {
namespace {

std::string body(const Reply& reply) {
    if (!reply.streamFill) return reply.body;
    std::string out(reply.streamLength, '\0');
    reply.streamFill(0, out.data(), out.size());
    return out;
}

std::optional<std::string> header(const Reply& reply, const std::string& name) {
    for (const auto& [n, v] : reply.headers)
        if (n == name) return v;
    return std::nullopt;
}

TEST(UsbFaultPlanTest, PiecesMayNameTheirEndEitherWay) {
    EmulatedUsbDisk disk;
    EXPECT_EQ(disk.writePiece("/", "a.bin", std::string("bytes 0-3/6"), "abc").errcode, 0);  // end just past
    EXPECT_EQ(disk.writePiece("/", "a.bin", std::string("bytes 3-5/6"), "def").errcode, 0);  // last byte
    EXPECT_EQ(disk.writePiece("/", "e.bin", std::string("bytes 0-0/0"), "").errcode, 0);
    EXPECT_NE(disk.writePiece("/", "a.bin", std::string("bytes 0-5/6"), "abc").errcode, 0);
    EXPECT_NE(disk.writePiece("/", "a.bin", std::string("bytes 4-7/6"), "xyz").errcode, 0);
    EXPECT_EQ(disk.readRange("/a.bin", std::nullopt).size, 6u);
}

TEST(UsbFaultPlanTest, ScriptedStatusesSizesAndFailingPieces) {
    auto state = EmulatorState::create();
    RouterCommandInterface commands(state);
    UsbFaultPlan plan;
    plan.statusSequence = {2, 0, 1};
    plan.totalKiB = 1048576;
    plan.freeKiB = 524288;
    plan.failUploadPiece = 1;
    commands.setUsbFaults(plan);
    auto status = [&] { return commands.answer("R1", "usb.getStatus", {}, std::nullopt, std::nullopt)->vdata.asDictionary(); };
    EXPECT_EQ(status()["status"].intValue(), 2);
    EXPECT_EQ(status()["status"].intValue(), 0);
    auto ready = status();
    EXPECT_EQ(ready["status"].intValue(), 1);
    EXPECT_EQ(ready["usb_total"].stringValue(), "1048576");
    EXPECT_EQ(ready["usb_free"].stringValue(), "524288");
    EXPECT_EQ(status()["usb_free"].stringValue(), "524288") << "the disk's own status again, sizes still scripted";

    FormPart part{"file", std::string("x.bin"), "application/octet-stream", "ab", 2};
    const ns::Dictionary params{{"path", "/"}, {"filename", "x.bin"}};
    EXPECT_EQ(commands.answer("R1", "usb.uploadFile", params, part, std::string("bytes 0-2/4"))->errcode, 0);
    EXPECT_NE(commands.answer("R1", "usb.uploadFile", params, part, std::string("bytes 2-4/4"))->errcode, 0);
    EXPECT_EQ(commands.answer("R1", "usb.uploadFile", params, part, std::string("bytes 2-4/4"))->errcode, 0);
    EXPECT_EQ(commands.uploadPiecesSeen(), 3);

    commands.answer("R1", "usb.umountDisk", {}, std::nullopt, std::nullopt);
    EXPECT_EQ(status()["status"].intValue(), 0) << "later polls see no disk";
}

TEST(UsbFaultPlanTest, DownloadRepliesCanBreakTheRangeRules) {
    auto state = EmulatorState::create();
    RouterCommandInterface commands(state);
    ASSERT_EQ(commands.disk().writePiece("/", "f.bin", std::nullopt, "0123456789").errcode, 0);
    const ns::Dictionary params{{"file", "/f.bin"}};
    const std::string range = "bytes=2-5";
    struct Case {
        UsbFaultPlan::Download fault;
        int status;
        std::optional<std::string> contentRange;
        std::string body;
    };
    const std::vector<Case> cases = {
        {UsbFaultPlan::Download::None, 206, "bytes 2-5/10", "2345"},
        {UsbFaultPlan::Download::OmitContentRange, 206, std::nullopt, "2345"},
        {UsbFaultPlan::Download::IgnoreRange, 200, std::nullopt, "0123456789"},
        {UsbFaultPlan::Download::WrongStart, 206, "bytes 3-5/10", "345"},
        {UsbFaultPlan::Download::Empty, 206, "bytes 2-1/10", ""},
    };
    for (const auto& c : cases) {
        UsbFaultPlan plan;
        plan.download = c.fault;
        commands.setUsbFaults(plan);
        Reply reply;
        commands.download(params, range, reply);
        EXPECT_EQ(reply.status, c.status);
        EXPECT_EQ(header(reply, "Content-Range"), c.contentRange);
        EXPECT_EQ(body(reply), c.body);
    }
    for (auto fault : {UsbFaultPlan::Download::Status416, UsbFaultPlan::Download::Status500}) {
        UsbFaultPlan plan;
        plan.download = fault;
        plan.downloadFaultAt = 1;
        commands.setUsbFaults(plan);
        Reply first, second;
        commands.download(params, range, first);
        commands.download(params, range, second);
        EXPECT_EQ(first.status, 206) << "only the scripted request misbehaves";
        EXPECT_EQ(second.status, fault == UsbFaultPlan::Download::Status416 ? 416 : 500);
        EXPECT_FALSE(second.body.empty());
        EXPECT_EQ(commands.downloadRequestsSeen(), 2);
    }
}

}  // namespace
}  // namespace emulator
