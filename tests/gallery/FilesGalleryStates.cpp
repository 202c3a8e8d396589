// The file manager's states: the file tab's router-disk page (root, a
// folder with the path strip, select mode, each USB banner, the delete
// password), the downloaded-files page, a list of file rows in every
// transfer state, and the photo picker's album list and grid.
#include <filesystem>

#include "emulator/SampleImages.h"
#include "emulator/UsbFaultPlan.h"
#include "files/MPAlbumPickerController.h"
#include "files/MPAssetTablePickerCtroller.h"
#include "files/MPImagePickerController.h"
#include "files/TAVOFileBrowserViewController.h"
#include "files/TAVOFileInfoCell.h"
#include "files/TAVOFileManager.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Sandbox.h"
#include "platform/ui/TableView.h"
#include "protocol/commands/TAVOFileCommonUtility.h"
#include "platform/ui/ViewController.h"
#include "tests/files/FilesFixture.h"
#include "tests/gallery/GalleryRegistry.h"

namespace fs = std::filesystem;

namespace keelbox::gallery {

namespace {

using test::AppFixture;

// A disk with a few folders and files of several kinds.
void fillDisk(AppFixture& app) {
    const fs::path disk = app.peers().router().commands().disk().root();
    test::writeWholeFile(disk / "Music" / "song.mp3", std::string(4 * 1024 * 1024, 's'));
    test::writeWholeFile(disk / "Photos" / "beach.jpg", std::string(2 * 1024 * 1024, 'b'));
    test::writeWholeFile(disk / "holiday.mp4", std::string(12 * 1024 * 1024, 'h'));
    test::writeWholeFile(disk / "notes.txt", std::string(3000, 'n'));
    test::writeWholeFile(disk / "report.pdf", std::string(250000, 'r'));
}

std::shared_ptr<TAVOFileBrowserViewController> openTab(AppFixture& app, std::deque<int> statuses = {}) {
    EXPECT_TRUE(app.launch());
    test::makeHomeRouterLocal(app);
    emulator::UsbFaultPlan plan;
    plan.statusSequence = std::move(statuses);
    plan.totalKiB = 16 * 1048576;
    plan.freeKiB = 9 * 1048576 + 314572;
    app.peers().router().commands().setUsbFaults(plan);
    auto tab = TAVOFileBrowserViewController::create();
    app.push(tab);
    return tab;
}

void openListedTab(AppFixture& app, const std::shared_ptr<TAVOFileBrowserViewController>& tab) {
    EXPECT_TRUE(app.screen().waitUntil([&] {
        return tab->currentStatus() == 1 && !tab->onlineVC()->onLineItems().empty() && !tab->onlineVC()->loading();
    }));
    app.screen().wait(1.0);
}

TAVOFileInfoPtr row(const std::string& name, int state, double done, double total, int type = 1) {
    auto r = TAVOFileInfo::create();
    r->fileName = name;
    r->fileType = type;
    r->state = state;
    r->sizeLength = done;
    r->totalLength = total;
    r->size = TAVOFileCommonUtility::getFileSizeString(static_cast<float>(total));
    r->time = "2026-12-10 21:45";
    r->fileLogoUrl = TAVOFileCommonUtility::getLogoByName(name, type);
    return r;
}

// A plain list of file rows, one per record.
class RowsScreen : public ui::ViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
public:
    using ui::ViewController::ViewController;
    std::vector<TAVOFileInfoPtr> records;
    void viewDidLoad() override {
        view()->setBackgroundColor(ui::Color::rgb255(248, 248, 248));
        auto table = ui::TableView::create(view()->bounds());
        table->separatorStyle = 0;
        table->setRowHeight(TAVOFileInfoCell::kRowHeight);
        table->setBackgroundColor(ui::Color::clearColor());
        table->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self<RowsScreen>()));
        table->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self<RowsScreen>()));
        view()->addSubview(table);
    }
    long numberOfRowsInSection(ui::TableView&, long) override { return static_cast<long>(records.size()); }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView&, const ui::IndexPath& ip) override {
        auto cell = TAVOFileInfoCell::create("row");
        cell->setCellHeight(TAVOFileInfoCell::kRowHeight);
        const auto& r = records[static_cast<std::size_t>(ip.row)];
        cell->bindModel(r);
        if (r->totalLength > 0 && (r->state == 1 || r->state == 3 || r->state == 6 || r->state == 7)) {
            cell->progressView()->setProgress(static_cast<float>(r->sizeLength / r->totalLength));
            if (r->state == 1 || r->state == 3) cell->rightProgressLB()->setText(ns::format("%.1f%%", r->sizeLength / r->totalLength * 100));
        }
        return cell;
    }
};

void writePictures(AppFixture&, const fs::path& root) {
    ::setenv("KEELBOX_PICTURES_DIR", (root / "Pictures").c_str(), 1);
    ::setenv("KEELBOX_VIDEOS_DIR", (root / "Videos").c_str(), 1);
    // Photos of one colour each: sky, sand, grass, sunset and stone.
    const std::uint8_t colours[][3] = {{120, 170, 220}, {222, 196, 150}, {110, 170, 90}, {235, 140, 80}, {150, 150, 160}};
    int n = 1;
    for (const auto& c : colours)
        test::writeWholeFile(root / "Pictures" / ns::format("IMG_%04d.jpg", n++), emulator::solidJPEG(300, 300, c[0], c[1], c[2]));
    test::writeWholeFile(root / "Pictures" / "Trip" / "IMG_0100.jpg", emulator::solidJPEG(300, 300, 60, 120, 160));
    test::writeWholeFile(root / "Videos" / "clip.mp4", "not really a movie");
}

}  // namespace

void registerFilesGalleryStates() {
    GalleryRegistry::add("files_browser_root", [](AppFixture& app) {
        auto tab = openTab(app);
        fillDisk(app);
        openListedTab(app, tab);
    });
    GalleryRegistry::add("files_browser_folder_path", [](AppFixture& app) {
        auto tab = openTab(app);
        fillDisk(app);
        openListedTab(app, tab);
        tab->onlineVC()->addNodes("Music");
        EXPECT_TRUE(app.screen().waitUntil([&] { return !tab->onlineVC()->loading() && !tab->onlineVC()->onLineItems().empty(); }));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("files_browser_select_mode", [](AppFixture& app) {
        auto tab = openTab(app);
        fillDisk(app);
        openListedTab(app, tab);
        tab->setCurrentMode(1);
        tab->onlineVC()->tapRow(2);
        tab->onlineVC()->tapRow(3);
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("files_browser_delete_password", [](AppFixture& app) {
        auto tab = openTab(app);
        fillDisk(app);
        openListedTab(app, tab);
        tab->onlineVC()->doCharmDeleteFile(tab->onlineVC()->onLineItems().back());
        app.screen().pressAlertButton("OK");
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("files_banner_reading", [](AppFixture& app) {
        auto tab = openTab(app, {2});
        EXPECT_TRUE(app.screen().waitUntil([&] { return tab->currentStatus() == 2; }));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("files_banner_no_disk", [](AppFixture& app) {
        auto tab = openTab(app, {0});
        EXPECT_TRUE(app.screen().waitUntil([&] { return tab->currentStatus() == 0; }));
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("files_banner_remote", [](AppFixture& app) {
        EXPECT_TRUE(app.launch());
        auto tab = TAVOFileBrowserViewController::create();
        app.push(tab);
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("files_banner_connect_wifi", [](AppFixture& app) {
        auto tab = openTab(app, {0});
        EXPECT_TRUE(app.screen().waitUntil([&] { return tab->currentStatus() == 0; }));
        tab->onlineVC()->connectWiFi();
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("files_downloaded_page", [](AppFixture& app) {
        auto tab = openTab(app, {0});
        EXPECT_TRUE(app.screen().waitUntil([&] { return tab->currentStatus() == 0; }));
        const fs::path docs = ns::documentsDirectory();
        test::writeWholeFile(docs / "holiday.mp4", std::string(5 * 1048576, 'h'));
        test::writeWholeFile(docs / "notes.txt", std::string(3000, 'n'));
        test::writeWholeFile(docs / "half.zip", std::string(1048577, 'z'));
        auto store = TAVOFileManager::sharedInstance();
        auto paused = row("half.zip", TAVOFileInfo::Paused, 0, 3 * 1048576);
        store->saveFileInfo(paused, 0, 1, "Documents");
        store->saveFileInfo(row("broken.mkv", TAVOFileInfo::DownloadFailed, 0, 7 * 1048576), 1, 1, "Documents");
        tab->setSelectedIndex(1);
        tab->localVC()->loadData();
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("files_rows_every_state", [](AppFixture& app) {
        EXPECT_TRUE(app.launch());
        auto screen = ui::ViewController::make<RowsScreen>();
        screen->records = {row("Music", 0, 0, 0, 0),
                           row("notes.txt", 0, 0, 3000),
                           row("IMG_0001.JPG", 1, 1048576, 3000000),
                           row("IMG_0002.JPG", 2, 0, 3000000),
                           row("holiday.mp4", 3, 4194304, 12582912),
                           row("broken.mkv", 4, 0, 7340032),
                           row("report.pdf", 5, 250000, 0),
                           row("half.zip", 6, 1048576, 3145728),
                           row("next.mov", 7, 0, 5242880)};
        auto selected = row("chosen.txt", 0, 0, 2048);
        selected->isSelected = true;
        screen->records.push_back(selected);
        auto big = row("huge.iso", 0, 0, 0);
        big->isBigFile = true;
        screen->records.push_back(big);
        app.push(screen);
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("files_picker_albums", [](AppFixture& app) {
        EXPECT_TRUE(app.launch());
        writePictures(app, fs::path(test::sandboxHome()) / "media");
        auto picker = MPImagePickerController::initImagePicker();
        app.screen().navigationStack().back()->presentViewController(picker, false);
        EXPECT_TRUE(app.screen().waitUntil([&] { return !picker->albumPicker()->assetGroups().empty(); }));
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("files_picker_grid", [](AppFixture& app) {
        EXPECT_TRUE(app.launch());
        writePictures(app, fs::path(test::sandboxHome()) / "media");
        auto picker = MPImagePickerController::initImagePicker();
        app.screen().navigationStack().back()->presentViewController(picker, false);
        auto album = picker->albumPicker();
        EXPECT_TRUE(app.screen().waitUntil([&] { return !album->assetGroups().empty(); }));
        album->openAlbum(0);
        app.screen().wait(0.5);
        auto grid = std::dynamic_pointer_cast<MPAssetTablePickerCtroller>(picker->viewControllers().back());
        EXPECT_TRUE(grid);
        if (!grid) return;
        EXPECT_TRUE(app.screen().waitUntil([&] { return grid->loaded(); }));
        grid->mpAssets()[0]->setSelected(true);
        grid->mpAssets()[2]->setSelected(true);
        grid->pickerTableView()->reloadData();
        app.screen().wait(0.5);
    });
}

}  // namespace keelbox::gallery
