// Reading command replies: the envelope, the records and the file list.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "net/json/JetJsonDeserializing.h"
#include "platform/foundation/Format.h"
#include "protocol/commands/TAVODeleteFileParser.h"
#include "protocol/commands/TAVODownloadFileParser.h"
#include "protocol/commands/TAVOFileCommonUtility.h"
#include "protocol/commands/TAVOFileInfo.h"
#include "protocol/commands/TAVOGetFileListParser.h"
#include "protocol/commands/TAVOGetRadioParser.h"
#include "protocol/commands/TAVOGetWiFiTimeParser.h"
#include "protocol/commands/TAVOQuitUsbParser.h"
#include "protocol/commands/TAVOUSBStatus.h"
#include "protocol/commands/TAVOUsbStatusParser.h"
#include "protocol/records/TAVORouterRadioPower.h"
#include "protocol/records/TAVOWIFITime.h"

namespace {

ns::Value json(const char* text) { return objectFromJSONString(text); }

std::string triesLeft(int n) { return ns::format(TAVOLocalizedString("still have %d time to try"), n); }

TEST(CommandParserTest, EnvelopeOutcomes) {
    struct Case {
        const char* label;
        ns::Value reply;
        bool ok;
        int code;             // the TAVOError code on failure
        std::string message;  // part of the message on failure ("" to skip)
    };
    const Case cases[] = {
        {"no reply object succeeds", ns::Value(), true, 0, ""},
        {"errcode 0 without vdata", json(R"({"errcode":0})"), true, 0, ""},
        {"errcode \"0\" as text", json(R"({"errcode":"0","vdata":{}})"), true, 0, ""},
        {"router error", json(R"({"errcode":-1100,"errdesc":"x"})"), false, 100001, ""},
        {"unknown router error", json(R"({"errcode":-7})"), false, 100000, ""},
        {"wrong password, count 5 leaves 0", json(R"({"errcode":-1010,"vdata":{"count":5}})"), false, 100009, triesLeft(0)},
        {"wrong password, count 2 leaves 3", json(R"({"errcode":-1010,"vdata":{"count":2}})"), false, 100009, triesLeft(3)},
        {"wrong password, no count leaves 5", json(R"({"errcode":-1010})"), false, 100009, triesLeft(5)},
        {"reply is a list", json(R"([1,2])"), false, 300003, ""},
        {"errcode is an object", json(R"({"errcode":{}})"), false, 300003, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto parser = TAVODownloadFileParser::create();
        EXPECT_EQ(parser->parseResponse(c.reply), c.ok);
        if (c.ok) {
            EXPECT_FALSE(parser->error);
            EXPECT_TRUE(parser->result.isNil());
            continue;
        }
        ASSERT_TRUE(parser->error);
        EXPECT_EQ(parser->error->errorCode(), c.code);
        EXPECT_EQ(parser->error->type(), c.code == 300003 ? 3 : 1);
        if (!c.message.empty()) {
            EXPECT_NE(parser->error->errorMsg().find(c.message), std::string::npos) << parser->error->errorMsg();
        }
    }
}

TEST(CommandParserTest, RadioPowerList) {
    auto parser = TAVOGetRadioParser::create();
    ASSERT_TRUE(parser->parseResponse(json(R"({"errcode":0,"vdata":[{"freq":"2.4G","power":80},{"freq":"5G","power":"60"}]})")));
    const ns::Array& list = parser->result.asArray();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].as<TAVORouterRadioPower>()->frequency, "2.4G");
    EXPECT_FLOAT_EQ(list[0].as<TAVORouterRadioPower>()->powerPercent, 80);
    EXPECT_FLOAT_EQ(list[1].as<TAVORouterRadioPower>()->powerPercent, 60);

    auto empty = TAVOGetRadioParser::create();
    ASSERT_TRUE(empty->parseResponse(json(R"({"errcode":0,"vdata":{}})")));
    EXPECT_TRUE(empty->result.asArray().empty());

    auto wrong = TAVOGetRadioParser::create();
    EXPECT_FALSE(wrong->parseResponse(json(R"({"errcode":0,"vdata":{"freq":"2.4G"}})")));
    EXPECT_EQ(wrong->error->errorCode(), 300003);
    EXPECT_TRUE(wrong->result.isNil());
}

TEST(CommandParserTest, RecordsFromVdata) {
    auto timer = TAVOGetWiFiTimeParser::create();
    ASSERT_TRUE(timer->parseResponse(json(R"({"errcode":0,"vdata":{"open":"07:00","close":"23:00","open_sw":1,"close_sw":"0"}})")));
    auto time = timer->result.as<TAVOWIFITime>();
    ASSERT_TRUE(time);
    EXPECT_EQ(time->openTime.stringValue(), "07:00");
    EXPECT_TRUE(time->isOpenWork);
    EXPECT_FALSE(time->isCloseWork);
    auto noTimer = TAVOGetWiFiTimeParser::create();
    EXPECT_TRUE(noTimer->parseResponse(json(R"({"errcode":0,"vdata":[]})")));
    EXPECT_TRUE(noTimer->result.isNil());

    auto usb = TAVOUsbStatusParser::create();
    ASSERT_TRUE(usb->parseResponse(json(
        R"({"errcode":0,"vdata":{"status":1,"manufacturer":"M","product":"P","usb_path":"/mnt","usb_total":1000,"usb_used":"400"}})")));
    auto status = usb->result.as<TAVOUSBStatus>();
    ASSERT_TRUE(status);
    EXPECT_EQ(status->status, 1);
    EXPECT_EQ(status->manufacturer, "M");
    EXPECT_EQ(status->usb_total, "1000");
    EXPECT_EQ(status->usb_used, "400");
    EXPECT_EQ(status->usb_free, "");

    auto quit = TAVOQuitUsbParser::create();
    ASSERT_TRUE(quit->parseResponse(json(R"({"errcode":0,"vdata":{"status":1}})")));
    EXPECT_EQ(quit->result.intValue(), 1);
    auto del = TAVODeleteFileParser::create();
    ASSERT_TRUE(del->parseResponse(json(R"({"errcode":0,"vdata":{"result":"2"}})")));
    EXPECT_EQ(del->result.intValue(), 2);
    auto badQuit = TAVOQuitUsbParser::create();
    EXPECT_FALSE(badQuit->parseResponse(json(R"({"errcode":0,"vdata":"text"})")));
    EXPECT_EQ(badQuit->error->errorCode(), 300003);
}

TEST(CommandParserTest, FileListBecomesAFolderRecordNewestFirst) {
    auto parser = TAVOGetFileListParser::create();
    ASSERT_TRUE(parser->parseResponse(json(R"({"errcode":0,"vdata":{"path":"/music/","length":4,"filelist":[
        {"name":"old.mp3","type":"f","size":2048,"date":1000},
        {"name":"albums","type":"d","size":0,"date":3000},
        {"name":"huge.iso","type":"f","size":0,"date":0},
        {"name":"new.mp3","type":"f","size":3145728,"date":2000}]}})")));
    auto folder = parser->result.as<TAVOFileInfo>();
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->filePath, "/music/");
    EXPECT_EQ(folder->filesNum, 4);
    ASSERT_EQ(folder->subFiles.size(), 4u);
    EXPECT_EQ(folder->subFiles[0]->fileName, "albums");
    EXPECT_EQ(folder->subFiles[0]->fileType, 0);
    EXPECT_EQ(folder->subFiles[0]->fileLogoUrl, "ic_type_folder");
    EXPECT_EQ(folder->subFiles[1]->fileName, "new.mp3");
    EXPECT_EQ(folder->subFiles[1]->size, "3.0MB");
    EXPECT_EQ(folder->subFiles[1]->filePath, "/music/new.mp3");
    EXPECT_EQ(folder->subFiles[1]->parentPath, "/music/");
    EXPECT_FALSE(folder->subFiles[1]->isBigFile);
    EXPECT_EQ(folder->subFiles[2]->size, "2.0KB");
    EXPECT_EQ(folder->subFiles[3]->fileName, "huge.iso");
    EXPECT_TRUE(folder->subFiles[3]->isBigFile);

    auto empty = TAVOGetFileListParser::create();
    ASSERT_TRUE(empty->parseResponse(json(R"({"errcode":0})")));
    auto none = empty->result.as<TAVOFileInfo>();
    ASSERT_TRUE(none);
    EXPECT_EQ(none->filePath, "");
    EXPECT_EQ(none->filesNum, 0);
    EXPECT_TRUE(none->subFiles.empty());

    auto bad = TAVOGetFileListParser::create();
    EXPECT_FALSE(bad->parseResponse(json(R"({"errcode":0,"vdata":{"path":"/","filelist":[{"name":7}]}})")));
    EXPECT_EQ(bad->error->errorCode(), 300003);
}

TEST(CommandParserTest, FileHelpers) {
    EXPECT_EQ(TAVOFileCommonUtility::getFileTypeByString("d"), 0);
    EXPECT_EQ(TAVOFileCommonUtility::getFileTypeByString("f"), 1);
    EXPECT_EQ(TAVOFileCommonUtility::getFileTypeByString(""), 1);
    EXPECT_EQ(TAVOFileCommonUtility::getFileSizeString(512), "0.5KB");
    EXPECT_EQ(TAVOFileCommonUtility::getFileSizeString(1048576), "1.0MB");
    EXPECT_EQ(TAVOFileCommonUtility::getFileSizeString(1073741824.0f), "1024.0MB");
    EXPECT_EQ(TAVOFileCommonUtility::getFileSizeString(2147483648.0f), "2.0GB");
    EXPECT_EQ(TAVOFileCommonUtility::getLogoByName("a.JPG", 1), "ft_jpg");
    EXPECT_EQ(TAVOFileCommonUtility::getLogoByName("noext", 1), "ic_type_unknown");
    EXPECT_EQ(TAVOFileCommonUtility::getFileDateStringByDate(ns::Date::withTimeIntervalSince1970(0)).size(), 16u);
}

}  // namespace
