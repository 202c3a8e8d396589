// The file tab with its two pages, driven as a person would against the
// emulated router on the home network: the USB status polled every 5 s and
// its banners, the size line, browsing with the path strip, a download
// handed to the downloaded-files page, a delete behind the admin password,
// select mode, unmounting, and the picker intake's free-room check.
#include <gtest/gtest.h>

#include <filesystem>

#include "emulator/UsbFaultPlan.h"
#include "files/TAVOFileBrowserViewController.h"
#include "files/MPImagePickerController.h"
#include "files/TAVOFileManager.h"
#include "files/TAVOFileScreens.h"
#include "uikit/MAAlertView.h"
#include "widgets/MAPasswordAlertView.h"
#include "platform/ui/AssetsLibrary.h"
#include "tests/files/FilesFixture.h"
#include "widgets/TAVOScreenClassRegistry.h"
#include "widgets/UITableViewCellSeperator.h"

namespace fs = std::filesystem;

namespace keelbox::test {
namespace {

class FileTabTest : public FilesAppTest {
protected:
    void open(std::deque<int> statuses = {}) {
        emulator::UsbFaultPlan plan;
        plan.statusSequence = std::move(statuses);
        plan.totalKiB = 8 * 1048576;
        plan.freeKiB = 3 * 1048576 + 524288;
        commands().setUsbFaults(plan);
        tab = TAVOFileBrowserViewController::create();
        app.push(tab);
        tab->view()->layoutIfNeeded();
    }
    int statusPolls() {
        int n = 0;
        for (const auto& call : app.peers().router().calls())
            if (call.cmd == "usb.getStatus") ++n;
        return n;
    }
    bool listed(const std::string& name) {
        const auto& rows = tab->onlineVC()->onLineItems();
        return std::any_of(rows.begin(), rows.end(), [&](const TAVOFileInfoPtr& r) { return r->fileName == name; });
    }
    long rowOf(const std::string& name) {
        const auto& rows = tab->onlineVC()->onLineItems();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i]->fileName == name) return static_cast<long>(i);
        return -1;
    }
    bool waitListed(const std::string& name) {
        const bool shown = app.screen().waitUntil([&] { return listed(name) && !tab->onlineVC()->loading(); });
        app.screen().wait(0.6);  // the loading panel fades out
        return shown;
    }
    ScreenDriver& screen() { return app.screen(); }
    // Every shown row of the router-disk list has a top line unless it is
    // the first, and a bottom line exactly when it is the last (a reused
    // cell keeps nothing of the row it showed before).
    void expectRowLines() {
        auto table = tab->onlineVC()->onLineTableView();
        table->layoutIfNeeded();
        const long rows = table->numberOfRowsInSection(0);
        for (const auto& cell : table->visibleCells()) {
            auto ip = table->indexPathForCell(cell);
            ASSERT_TRUE(ip);
            auto shown = [&](long tag) {
                auto line = findSubView(tag, cell);
                return line && !line->isHidden();
            };
            SCOPED_TRACE("row " + std::to_string(ip->row) + " of " + std::to_string(rows));
            EXPECT_EQ(shown(kTopSeparatorLineTag), ip->row != 0);
            EXPECT_EQ(shown(kBottomSeparatorLineTag), ip->row + 1 == rows);
        }
    }

    TAVOFileBrowserViewControllerPtr tab;
};

TEST_F(FileTabTest, TheTabIsRegisteredByName) {
    TAVOFileScreens::registerAll();
    auto made = TAVOScreenClassRegistry::create("TAVOFileBrowserViewController");
    ASSERT_TRUE(std::dynamic_pointer_cast<TAVOFileBrowserViewController>(made));
    EXPECT_EQ(std::dynamic_pointer_cast<TAVOFileBrowserViewController>(made)->tabTitle(), "USB disk");
}

TEST_F(FileTabTest, StatusIsPolledEveryFiveSecondsAndDrivesTheBanners) {
    writeWholeFile(disk() / "song.mp3", "la la");
    open({2, 2, 1, 0, 1});
    auto online = tab->onlineVC();
    ASSERT_TRUE(screen().waitUntil([&] { return tab->currentStatus() == 2; }));
    EXPECT_TRUE(online->showUSBStatus());
    EXPECT_EQ(online->statusLB()->text(), "发现USB设备,正在读取...");
    EXPECT_EQ(tab->usbStatusLB()->text(), "共8.0GB,可用3.5GB");
    EXPECT_EQ(statusPolls(), 1);

    screen().wait(5.0);  // 2 again: nothing changes
    ASSERT_TRUE(screen().waitUntil([&] { return statusPolls() == 2; }));
    screen().wait(0.1);
    EXPECT_TRUE(online->showUSBStatus());

    screen().wait(5.0);  // ready: the list
    ASSERT_TRUE(screen().waitUntil([&] { return tab->currentStatus() == 1; }));
    ASSERT_TRUE(waitListed("song.mp3"));
    EXPECT_FALSE(online->showUSBStatus());
    EXPECT_FALSE(online->onLineTableView()->isHidden());
    EXPECT_EQ(tab->navBar()->leftBarButtonItem()->currentTitle(), "Eject");
    EXPECT_EQ(tab->navBar()->rightBarButtonItem()->currentTitle(), "Upload");

    screen().wait(5.0);  // gone
    ASSERT_TRUE(screen().waitUntil([&] { return tab->currentStatus() == 0; }));
    EXPECT_EQ(online->statusLB()->text(), "未发现USB设备");
    EXPECT_FALSE(tab->navBar()->leftBarButtonItem());
    EXPECT_EQ(tab->usbStatusLB()->text(), "共0.0GB,可用0.0GB");

    screen().wait(5.0);  // back: the list is loaded again
    ASSERT_TRUE(screen().waitUntil([&] { return tab->currentStatus() == 1; }));
    ASSERT_TRUE(waitListed("song.mp3"));
    EXPECT_EQ(statusPolls(), 5);

    // Router events 2 and 4 poll once each and keep one timer.
    tab->handleGlobalRouterEvent(1);
    tab->handleGlobalRouterEvent(3);
    screen().wait(0.1);
    EXPECT_EQ(statusPolls(), 5);
    tab->handleGlobalRouterEvent(2);
    tab->handleGlobalRouterEvent(4);
    ASSERT_TRUE(screen().waitUntil([&] { return statusPolls() == 7; }));
    screen().wait(5.0);
    ASSERT_TRUE(screen().waitUntil([&] { return statusPolls() == 8; }));
    screen().wait(0.5);
    EXPECT_EQ(statusPolls(), 8);
}

TEST_F(FileTabTest, ARemoteRouterShowsTheRemoteBannerAndDoesNotPoll) {
    auto router = TAVORouterModel::create();
    router->router_id = "R2";
    TAVOAccountFacade::shared()->setCurrentRouter(router);
    open();
    screen().wait(6.0);
    EXPECT_EQ(statusPolls(), 0);
    EXPECT_FALSE(tab->isPolling());
    EXPECT_EQ(tab->onlineVC()->statusLB()->text(), "当前为远程管理，无法使用USB功能");
}

TEST_F(FileTabTest, BrowsingWithThePathStrip) {
    writeWholeFile(disk() / "a" / "b" / "deep.txt", "deep");
    writeWholeFile(disk() / "top.txt", "top");
    open();
    auto online = tab->onlineVC();
    ASSERT_TRUE(waitListed("a"));
    EXPECT_EQ(online->folderTreeView()->alpha(), 0);

    ASSERT_TRUE(screen().selectRow(online->onLineTableView(), ui::IndexPath::indexPathForRow(rowOf("a"), 0)));
    ASSERT_TRUE(waitListed("b"));
    EXPECT_EQ(online->currentDir()->filePath, "/a/");
    screen().wait(0.3);
    EXPECT_EQ(online->folderTreeView()->alpha(), 1);
    ASSERT_TRUE(screen().selectRow(online->onLineTableView(), ui::IndexPath::indexPathForRow(rowOf("b"), 0)));
    ASSERT_TRUE(waitListed("deep.txt"));
    EXPECT_EQ(online->currentDir()->filePath, "/a/b/");
    EXPECT_EQ(online->treeNodes(), (std::vector<std::string>{"/", "a", "b"}));
    expectRowLines();

    // The nodes: the root's text and widths of text + 25.
    online->folderTreeView()->layoutIfNeeded();
    screen().wait(0.3);
    const auto& cells = online->folderTreeView()->cells();
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(std::dynamic_pointer_cast<TAVOFolderTreeCell>(cells[0])->pathLB()->text(), "根目录");
    EXPECT_DOUBLE_EQ(cells[0]->frame().size.width, ui::Font::systemFontOfSize(16).sizeOfString("根目录").width + 25);

    // The open folder's node does nothing; the root node goes home.
    online->removeNodesAtIndex(2);
    screen().wait(0.3);
    EXPECT_EQ(online->currentDir()->filePath, "/a/b/");
    ASSERT_TRUE(screen().tap(cells[0]));
    screen().wait(0.5);
    ASSERT_TRUE(waitListed("top.txt"));
    expectRowLines();
    EXPECT_EQ(online->currentDir()->filePath, "/");
    EXPECT_EQ(online->treeNodes(), (std::vector<std::string>{"/"}));
    EXPECT_EQ(online->folderTreeView()->alpha(), 0);
    EXPECT_EQ(online->folderSelectedIndex(), 0u);
}

TEST_F(FileTabTest, AFileIsDownloadedToThePhoneAfterAsking) {
    const std::string bytes = filePayload(1048576 + 7);
    writeWholeFile(disk() / "clip.mp4", bytes);
    open();
    auto online = tab->onlineVC();
    ASSERT_TRUE(waitListed("clip.mp4"));
    ASSERT_TRUE(screen().selectRow(online->onLineTableView(), ui::IndexPath::indexPathForRow(rowOf("clip.mp4"), 0)));
    screen().wait(0.5);
    ASSERT_TRUE(screen().alert());
    EXPECT_EQ(screen().alert()->message(), "Download this file?");
    ASSERT_TRUE(screen().pressAlertButton("OK"));
    auto local = tab->localVC();
    ASSERT_TRUE(screen().waitUntil([&] {
        const auto& rows = local->localItems();
        return !rows.empty() && rows[0]->fileName == "clip.mp4" && rows[0]->state == TAVOFileInfo::Completed;
    }, 30));
    EXPECT_EQ(readWholeFile(documents() / "clip.mp4"), bytes);
}

TEST_F(FileTabTest, DeletingAsksForTheAdminPassword) {
    writeWholeFile(disk() / "old.txt", "old");
    writeWholeFile(disk() / "semi;colon.txt", "x");
    open();
    auto online = tab->onlineVC();
    ASSERT_TRUE(waitListed("old.txt"));
    online->doCharmDeleteFile(online->onLineItems()[static_cast<std::size_t>(rowOf("old.txt"))]);
    screen().wait(0.5);
    ASSERT_TRUE(screen().pressAlertButton("OK"));
    screen().wait(0.5);
    ASSERT_TRUE(screen().alert());
    EXPECT_EQ(screen().alert()->title(), "请输入管理密码");
    ASSERT_TRUE(screen().alert()->fillTextField(0, "wrong-password"));
    ASSERT_TRUE(screen().pressAlertButton("OK"));
    screen().wait(0.3);
    auto password = std::dynamic_pointer_cast<MAPasswordAlertView>(MAAlertView::currentAlertView());
    ASSERT_TRUE(password);
    EXPECT_TRUE(password->showErrorInfo());
    EXPECT_TRUE(fs::exists(disk() / "old.txt"));
    password->psw()->setText(kAdminPassword);
    password->setShowErrorInfo(false);
    ASSERT_TRUE(screen().pressAlertButton("OK"));
    ASSERT_TRUE(screen().waitUntil([&] { return !fs::exists(disk() / "old.txt") && !listed("old.txt"); }));

    // A name holding ";" never goes out.
    const auto before = app.peers().router().calls().size();
    online->doCharmDeleteFile(online->onLineItems()[static_cast<std::size_t>(rowOf("semi;colon.txt"))]);
    screen().wait(0.5);
    ASSERT_TRUE(screen().pressAlertButton("OK"));
    screen().wait(0.5);
    ASSERT_TRUE(screen().alert()->fillTextField(0, kAdminPassword));
    ASSERT_TRUE(screen().pressAlertButton("OK"));
    screen().wait(0.3);
    ASSERT_TRUE(screen().toast());
    EXPECT_EQ(screen().toast()->text, "文件删除失败.");
    EXPECT_TRUE(fs::exists(disk() / "semi;colon.txt"));
    for (std::size_t i = before; i < app.peers().router().calls().size(); ++i)
        EXPECT_NE(app.peers().router().calls()[i].cmd, "usb.deleteFile");
}

TEST_F(FileTabTest, SelectModeDownloadsFilesButNotFolders) {
    writeWholeFile(disk() / "one.txt", "1");
    writeWholeFile(disk() / "two.txt", "22");
    fs::create_directories(disk() / "folder");
    open();
    auto online = tab->onlineVC();
    ASSERT_TRUE(waitListed("two.txt"));
    tab->setCurrentMode(1);
    EXPECT_TRUE(online->inSelectMode());
    EXPECT_EQ(tab->titleLB()->text(), "已选择0个文件");
    online->tapRow(rowOf("folder"));
    EXPECT_FALSE(online->downloadOperationBtn()->isEnabled());
    EXPECT_DOUBLE_EQ(online->downloadOperationBtn()->alpha(), 0.3);
    online->tapRow(rowOf("folder"));
    EXPECT_TRUE(online->downloadOperationBtn()->isEnabled());
    online->tapRow(rowOf("one.txt"));
    online->tapRow(rowOf("two.txt"));
    EXPECT_EQ(tab->titleLB()->text(), "2 selected");
    online->downloadBtnClick();
    EXPECT_EQ(tab->currentMode(), 0);
    EXPECT_FALSE(online->inSelectMode());
    EXPECT_EQ(tab->navBar()->leftBarButtonItem()->currentTitle(), "Eject");
    ASSERT_TRUE(screen().waitUntil([&] { return fs::exists(documents() / "two.txt") && fs::exists(documents() / "one.txt") &&
                                                readWholeFile(documents() / "two.txt") == "22"; }));
}

TEST_F(FileTabTest, PickedMediaNeedsRoomOnTheDisk) {
    open();
    ASSERT_TRUE(screen().waitUntil([&] { return tab->currentStatus() == 1 && tab->onlineVC()->currentDir(); }));
    const fs::path photo = fs::path(sandboxHome()) / "Pictures" / "p.jpg";
    writeWholeFile(photo, filePayload(3000));
    auto item = [&](std::int64_t size) {
        return ns::Dictionary{{kMPPickerFileURLKey, ui::AssetsLibrary::urlForPath(photo.string())},
                              {kMPPickerFileSizeKey, size},
                              {kMPPickerDataNameKey, "p.jpg"}};
    };
    // Two large files over 4 GiB together, against 3.5 GiB free: refused whole.
    tab->mpImagePickerControllerDidFinishPickingMediaWithInfo(*MPImagePickerController::initImagePicker(),
                                                              {item(2200000000LL), item(2200000000LL)});
    ASSERT_TRUE(screen().toast());
    EXPECT_EQ(screen().toast()->text, "磁盘存储空间不足");
    EXPECT_TRUE(tab->onlineVC()->uploads()->getAllUploadQueue().empty());

    tab->mpImagePickerControllerDidFinishPickingMediaWithInfo(*MPImagePickerController::initImagePicker(), {});
    EXPECT_EQ(screen().toast()->text, "Please select files first.");

    tab->mpImagePickerControllerDidFinishPickingMediaWithInfo(*MPImagePickerController::initImagePicker(), {item(3000)});
    ASSERT_TRUE(screen().waitUntil([&] { return fs::exists(disk() / "p.jpg") && fs::file_size(disk() / "p.jpg") == 3000; }));
}

TEST_F(FileTabTest, StoredUploadsStandForTheirPartialFiles) {
    writeWholeFile(disk() / "movie.mp4", filePayload(2097152));
    writeWholeFile(disk() / "other.txt", "o");
    auto paused = TAVOFileInfo::create();
    paused->fileName = "movie.mp4";
    paused->parentPath = "/";
    paused->fileType = 1;
    paused->state = TAVOFileInfo::Paused;
    paused->totalLength = 5000000;
    TAVOFileManager::sharedInstance()->saveFileInfo(paused, 0, 0, "/");
    auto failed = TAVOFileInfo::create();
    failed->fileName = "lost.jpg";
    failed->parentPath = "/";
    failed->fileType = 1;
    failed->state = TAVOFileInfo::UploadFailed;
    TAVOFileManager::sharedInstance()->saveFileInfo(failed, 1, 0, "/");
    open();
    ASSERT_TRUE(waitListed("other.txt"));
    const auto& rows = tab->onlineVC()->onLineItems();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]->fileName, "lost.jpg");
    EXPECT_EQ(rows[0]->state, TAVOFileInfo::UploadFailed);
    EXPECT_EQ(rows[1]->fileName, "movie.mp4");
    EXPECT_EQ(rows[1]->state, TAVOFileInfo::Paused);
    EXPECT_EQ(rows[1]->sizeLength, 2097152) << "the router's partial file is the resume offset";
    EXPECT_EQ(rows[2]->fileName, "other.txt");
}

TEST_F(FileTabTest, NoUploadIntakeWithoutAnOpenFolder) {
    open({0});
    ASSERT_TRUE(screen().waitUntil([&] { return tab->currentStatus() == 0; }));
    auto r = TAVOFileInfo::create();
    r->fileName = "p.jpg";
    r->totalLength = 10;
    tab->onlineVC()->doAddWaitingItems({r});
    ASSERT_TRUE(screen().toast());
    EXPECT_EQ(screen().toast()->text, TAVOOnlineViewController::kNoFolderMessage);
    EXPECT_TRUE(tab->onlineVC()->uploads()->getAllUploadQueue().empty());
}

TEST_F(FileTabTest, UnmountingAsksThenShowsNoDisk) {
    open();
    ASSERT_TRUE(screen().waitUntil([&] { return tab->currentStatus() == 1; }));
    tab->leftNavItemPressed();
    screen().wait(0.5);
    ASSERT_TRUE(screen().alert());
    EXPECT_EQ(screen().alert()->message(), "Safely remove the USB disk?");
    ASSERT_TRUE(screen().pressAlertButton("OK"));
    ASSERT_TRUE(screen().waitUntil([&] { return tab->onlineVC()->statusLB()->text() == "未发现USB设备"; }));
    EXPECT_TRUE(tab->onlineVC()->showUSBStatus());
    EXPECT_FALSE(tab->navBar()->leftBarButtonItem());
}

}  // namespace
}  // namespace keelbox::test
