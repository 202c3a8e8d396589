// What each command sends: name, cloud path, body pairs and headers.
#include <gtest/gtest.h>

#include <functional>

#include "protocol/commands/TAVOCloseWiFiTimeCommand.h"
#include "protocol/commands/TAVODeleteFileCommand.h"
#include "protocol/commands/TAVODownloadFileCommand.h"
#include "protocol/commands/TAVOGetFileListCommand.h"
#include "protocol/commands/TAVOGetRadioCommand.h"
#include "protocol/commands/TAVOGetWIFITimeCommand.h"
#include "protocol/commands/TAVOQuitUsbCommand.h"
#include "protocol/commands/TAVOSetWiFiTimeCommand.h"
#include "protocol/commands/TAVOUpdateRadioCommand.h"
#include "protocol/commands/TAVOUploadFileCommand.h"
#include "protocol/commands/TAVOUsbStatusCommand.h"
#include "protocol/commands/TAVOWiFiCloseCommand.h"
#include "protocol/commands/TAVOWiFiPasswordCommand.h"

namespace {

struct Row {
    const char* label;
    std::function<TAVOCommandPtr()> make;
    const char* cmd;
    const char* url;
    const char* bodyJSON;    // the body pairs, in order, as description
    const char* headersJSON;
};

std::string text(const ns::Dictionary& d) {
    std::string out;
    for (const auto& [key, value] : d) out += key + "=" + (value.isString() ? "'" + value.asString() + "'" : value.stringValue()) + ";";
    return out;
}

TEST(CommandTableTest, EveryCommandSendsItsNamePathBodyAndHeaders) {
    const Row rows[] = {
        {"get radio", [] { return TAVOGetRadioCommand::create(); }, "router.getRadioPower", "router/getRadioPower", "", ""},
        {"update radio",
         [] {
             auto c = TAVOUpdateRadioCommand::create();
             c->freq = "2.4G";
             c->power = 75;
             return c;
         },
         "router.updateRadioPower", "router/updateRadioPower", "freq='2.4G';power=75;", ""},
        {"wifi close",
         [] {
             auto c = TAVOWiFiCloseCommand::create();
             c->close = true;
             c->type = 2;
             c->sw_2g = 1;
             c->sw_5g = 0;
             return c;
         },
         "router.wifiControl", "router/wifiControl", "sw=0;type=2;sw_2g=1;sw_5g=0;", ""},
        {"wifi open",
         [] {
             auto c = TAVOWiFiCloseCommand::create();
             c->type = 1;
             c->sw_2g = 1;
             c->sw_5g = 1;
             return c;
         },
         "router.wifiControl", "router/wifiControl", "sw=1;type=1;sw_2g=1;sw_5g=1;", ""},
        {"get timer", [] { return TAVOGetWIFITimeCommand::create(); }, "router.getWifiTimer", "router/getwifitimer", "", ""},
        {"set timer",
         [] {
             auto c = TAVOSetWiFiTimeCommand::create();
             c->time = "23:30";
             c->type = 2;
             return c;
         },
         "router.setWifiTimer", "router/setwifitimer", "time='23:30';type=2;", ""},
        {"close timer",
         [] {
             auto c = TAVOCloseWiFiTimeCommand::create();
             c->type = 1;
             return c;
         },
         "router.closeWifiTimer", "router/closeWifiTimer", "type=1;", ""},
        {"password, 2.4 GHz name only",
         [] {
             auto c = TAVOWiFiPasswordCommand::create();
             c->wifi2gSSID = "home";
             return c;
         },
         "wifi.set", "wifi/updateWifiPwd", "ssid='home';", ""},
        {"password, all four (an empty text is sent)",
         [] {
             auto c = TAVOWiFiPasswordCommand::create();
             c->wifi2gSSID = "a";
             c->wifi2gPWD = "";
             c->wifi5gSSID = "b";
             c->wifi5gPWD = "p5";
             return c;
         },
         "wifi.set", "wifi/updateWifiPwd", "ssid='a';pwd='';ssid_5g='b';pwd_5g='p5';", ""},
        {"usb status", [] { return TAVOUsbStatusCommand::create(); }, "usb.getStatus", "", "", ""},
        {"unmount", [] { return TAVOQuitUsbCommand::create(); }, "usb.umountDisk", "", "", ""},
        {"file list, empty path", [] { return TAVOGetFileListCommand::create(); }, "usb.getFileList", "", "", ""},
        {"file list",
         [] {
             auto c = TAVOGetFileListCommand::create();
             c->path = "/";
             return c;
         },
         "usb.getFileList", "", "path='/';", ""},
        {"delete",
         [] {
             auto c = TAVODeleteFileCommand::create();
             c->fileNames = {"/a.txt", "/b.txt"};
             return c;
         },
         "usb.deleteFile", "", "filenames='/a.txt;/b.txt';", ""},
        {"delete never sends a name holding ';'",
         [] {
             auto c = TAVODeleteFileCommand::create();
             c->fileNames = {"/x;/important", "/b.txt"};
             return c;
         },
         "usb.deleteFile", "", "filenames='/b.txt';", ""},
        {"upload with range",
         [] {
             auto c = TAVOUploadFileCommand::create();
             c->fileName = "f.bin";
             c->path = "/up";
             c->contentRange = "bytes 0-9/20";
             return c;
         },
         "usb.uploadFile", "", "filename='f.bin';path='/up';", "Content-Range='bytes 0-9/20';"},
        {"upload without range",
         [] {
             auto c = TAVOUploadFileCommand::create();
             c->fileName = "f.bin";
             c->path = "/";
             return c;
         },
         "usb.uploadFile", "", "filename='f.bin';path='/';", ""},
        {"download",
         [] {
             auto c = TAVODownloadFileCommand::create();
             c->fileName = "/f.bin";
             c->range = "bytes=0-1048575";
             return c;
         },
         "usb.downloadFile", "", "file='/f.bin';", "Range='bytes=0-1048575';"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        auto command = row.make();
        EXPECT_EQ(command->cmd(), row.cmd);
        EXPECT_EQ(command->url(), row.url);
        EXPECT_EQ(text(command->bodys()), row.bodyJSON);
        EXPECT_EQ(text(command->headers()), row.headersJSON);
    }
}

TEST(CommandTableTest, ConcreteCommandsComputeTheirBodyFromProperties) {
    auto command = TAVOSetWiFiTimeCommand::create();
    command->setBodys(ns::Dictionary{{"time", "stale"}});
    command->time = "07:00";
    command->type = 1;
    EXPECT_EQ(text(command->bodys()), "time='07:00';type=1;");
    auto plain = TAVOCommand::create();
    plain->setCmd("x.y");
    plain->setBodys(ns::Dictionary{{"k", "v"}});
    EXPECT_EQ(text(plain->bodys()), "k='v';");
}

}  // namespace
