#include <gtest/gtest.h>

#include "emulator/ImageHost.h"
#include "emulator/SampleImages.h"
#include "net/imageloader/UIButtonWebCache.h"
#include "net/imageloader/UIImageForceDecode.h"
#include "net/imageloader/UIImageViewWebCache.h"
#include "net/imageloader/WebImageDecoder.h"
#include "net/imageloader/WebImageCache.h"
#include "net/imageloader/WebImageManager.h"
#include "net/imageloader/WebImagePrefetcher.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/Thread.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::advance;
using keelbox::test::drainMainLoop;
using keelbox::test::runMainLoopUntil;

class WebImageLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.start());
        host.addPNG("/pics/red.png", 12, 8);
        host.addJPEG("/pics/blue.jpg", 20, 10);
        host.addHTML("/pics/missing.png");
        placeholder = ui::Image::imageWithCGImage(cg::Image::create(1, 1));
    }
    ns::URLPtr url(const std::string& path) { return ns::URL::URLWithString(host.url(path)); }
    static bool shows(const ui::ImageViewPtr& view, double width, double height) {
        return view->image() && view->image()->size().width == width && view->image()->size().height == height;
    }
    // Real time for pending answers to arrive while the main loop runs.
    static void settle(double seconds) {
        runMainLoopUntil([] { return false; }, seconds);
    }

    emulator::ImageHost host;
    ui::ImagePtr placeholder;
};

TEST_F(WebImageLoaderTest, ViewsAskingForOneURLShareOneDownloadAndAllShowTheImage) {
    host.setDelay("/pics/blue.jpg", 0.3);
    auto first = ui::ImageView::create();
    auto second = ui::ImageView::create();
    auto button = ui::Button::create();
    UIImageViewWebCache::setImageWithURL(first, url("/pics/blue.jpg"), placeholder);
    UIImageViewWebCache::setImageWithURL(second, url("/pics/blue.jpg"), placeholder);
    UIButtonWebCache::setImageWithURL(button, url("/pics/blue.jpg"), placeholder);
    EXPECT_EQ(first->image(), placeholder);
    EXPECT_EQ(button->imageForState(ui::ControlStateNormal), placeholder);

    ASSERT_TRUE(runMainLoopUntil([&] {
        return shows(first, 20, 10) && shows(second, 20, 10) && button->imageForState(ui::ControlStateNormal) != placeholder;
    }));
    EXPECT_EQ(first->image(), second->image());
    EXPECT_EQ(host.requestCount("/pics/blue.jpg"), 1u);
    EXPECT_EQ(WebImageManager::sharedManager()->runningDownloadCount(), 0u);
}

TEST_F(WebImageLoaderTest, ASecondLoadOfAViewReplacesTheFirstWhichIsCancelledWhenNobodyElseWaits) {
    host.setDelay("/pics/blue.jpg", 0.4);
    auto view = ui::ImageView::create();
    UIImageViewWebCache::setImageWithURL(view, url("/pics/blue.jpg"), placeholder);
    ASSERT_TRUE(runMainLoopUntil([&] { return host.requestCount("/pics/blue.jpg") == 1; }));
    UIImageViewWebCache::setImageWithURL(view, url("/pics/red.png"), placeholder);
    EXPECT_EQ(WebImageManager::sharedManager()->runningDownloadCount(), 0u);  // the first went at once

    ASSERT_TRUE(runMainLoopUntil([&] { return shows(view, 12, 8); }));
    settle(0.6);  // past the moment the first answer would have arrived
    EXPECT_TRUE(shows(view, 12, 8));
    EXPECT_EQ(WebImageManager::sharedManager()->imageWithURL(url("/pics/blue.jpg")), nullptr);

    // When another view still waits for the first URL, its download goes on.
    auto keeps = ui::ImageView::create();
    auto switches = ui::ImageView::create();
    UIImageViewWebCache::setImageWithURL(keeps, url("/pics/blue.jpg"), placeholder);
    UIImageViewWebCache::setImageWithURL(switches, url("/pics/blue.jpg"), placeholder);
    ASSERT_TRUE(runMainLoopUntil([&] { return WebImageManager::sharedManager()->runningDownloadCount() == 1; }));
    UIImageViewWebCache::setImageWithURL(switches, url("/pics/red.png"), placeholder);  // from memory, at once
    EXPECT_TRUE(shows(switches, 12, 8));
    ASSERT_TRUE(runMainLoopUntil([&] { return shows(keeps, 20, 10); }));
    EXPECT_TRUE(shows(switches, 12, 8));
}

TEST_F(WebImageLoaderTest, MemoryHitsAnswerAtOnceAndDiskHitsLaterAfterTheMemoryIsCleared) {
    auto cache = WebImageCache::sharedImageCache();
    auto view = ui::ImageView::create();
    UIImageViewWebCache::setImageWithURL(view, url("/pics/red.png"), placeholder);
    ASSERT_TRUE(runMainLoopUntil([&] { return shows(view, 12, 8); }));
    cache->waitForDiskWrites();
    const std::string key = host.url("/pics/red.png");
    auto onDisk = ns::dataWithContentsOfFile(ns::cachesDirectory() + "/ImageCache/" + WebImageCache::fileNameForKey(key));
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(onDisk->toString(), emulator::solidPNG(12, 8, 200, 40, 40));  // the bytes as they came

    auto fromMemory = ui::ImageView::create();
    UIImageViewWebCache::setImageWithURL(fromMemory, url("/pics/red.png"), placeholder);
    EXPECT_EQ(fromMemory->image(), view->image());  // before the call returned

    ns::NotificationCenter::defaultCenter()->postNotificationName(ns::UIApplicationDidReceiveMemoryWarningNotification);
    EXPECT_EQ(cache->memoryCount(), 0u);
    auto fromDisk = ui::ImageView::create();
    UIImageViewWebCache::setImageWithURL(fromDisk, url("/pics/red.png"), placeholder);
    EXPECT_EQ(fromDisk->image(), placeholder);  // the disk answers on a later turn
    ASSERT_TRUE(runMainLoopUntil([&] { return shows(fromDisk, 12, 8); }));
    EXPECT_EQ(cache->memoryCount(), 1u);
    EXPECT_EQ(host.requestCount("/pics/red.png"), 1u);

    // Memory-only requests never reach the disk.
    host.addPNG("/pics/memory.png", 3, 3);
    auto memoryOnly = ui::ImageView::create();
    UIImageViewWebCache::setImageWithURL(memoryOnly, url("/pics/memory.png"), nullptr, WebImageCacheMemoryOnly);
    ASSERT_TRUE(runMainLoopUntil([&] { return shows(memoryOnly, 3, 3); }));
    cache->waitForDiskWrites();
    EXPECT_FALSE(ns::FileManager::defaultManager()->fileExistsAtPath(cache->cachePathForKey(host.url("/pics/memory.png"))));
}

TEST_F(WebImageLoaderTest, AnHTMLReplyIsFetchedOnceAndTheURLRememberedAsFailed) {
    auto manager = WebImageManager::sharedManager();
    auto view = ui::ImageView::create();
    UIImageViewWebCache::setImageWithURL(view, url("/pics/missing.png"), placeholder);
    ASSERT_TRUE(runMainLoopUntil([&] { return manager->hasFailed(url("/pics/missing.png")); }));
    EXPECT_EQ(view->image(), placeholder);

    auto again = ui::ImageView::create();
    UIImageViewWebCache::setImageWithURL(again, url("/pics/missing.png"), placeholder);
    settle(0.3);
    EXPECT_EQ(again->image(), placeholder);
    EXPECT_EQ(host.requestCount("/pics/missing.png"), 1u);

    // Asking to retry fetches it again; a connection failure is not remembered.
    UIImageViewWebCache::setImageWithURL(again, url("/pics/missing.png"), placeholder, WebImageRetryFailed);
    ASSERT_TRUE(runMainLoopUntil([&] { return host.requestCount("/pics/missing.png") == 2; }));
    host.server().setFault("/pics/gone.png", emulator::Fault::refusing());
    UIImageViewWebCache::setImageWithURL(again, url("/pics/gone.png"), placeholder);
    ASSERT_TRUE(runMainLoopUntil([&] { return manager->runningDownloadCount() == 0 && host.requestCount("/pics/gone.png") == 1; }));
    settle(0.1);
    EXPECT_FALSE(manager->hasFailed(url("/pics/gone.png")));
    EXPECT_EQ(again->image(), placeholder);
}

TEST_F(WebImageLoaderTest, NoURLShowsThePlaceholderAndStartsNothing) {
    auto view = ui::ImageView::create();
    view->setImage(ui::Image::imageWithCGImage(cg::Image::create(5, 5)));
    UIImageViewWebCache::setImageWithURL(view, nullptr, placeholder);
    EXPECT_EQ(view->image(), placeholder);
    WebImageManager::sharedManager()->downloadWithURL("", UIImageViewWebCache::managerDelegateForView(view));
    settle(0.1);
    EXPECT_EQ(host.totalRequestCount(), 0u);
}

TEST_F(WebImageLoaderTest, CleanDiskRemovesFilesSevenDaysOldOrOlder) {
    auto cache = WebImageCache::sharedImageCache();
    EXPECT_EQ(WebImageCache::fileNameForKey("http://example.com/a.png"), "b876851593b9e119ed73f38561576bda");
    EXPECT_EQ(cache->getCachePath(), ns::cachesDirectory() + "/ImageCache");

    auto image = ui::Image::imageWithData(ns::Data::fromString(emulator::solidPNG(2, 2, 1, 2, 3)));
    ASSERT_TRUE(image);
    cache->storeImage(image, ns::Data::fromString(emulator::solidPNG(2, 2, 1, 2, 3)), "old", true);
    cache->waitForDiskWrites();
    auto files = ns::FileManager::defaultManager();
    files->createDirectoryAtPath(cache->getCachePath() + "/nested", true);
    ns::writeDataToFile(ns::Data::fromString("x"), cache->getCachePath() + "/nested/file", true);
    advance(100);
    cache->storeImage(image, ns::Data::fromString("younger"), "young", true);
    cache->waitForDiskWrites();

    advance(WebImageCache::kMaxCacheAge - 101);  // "old" is 604799 s old
    cache->cleanDisk();
    EXPECT_TRUE(files->fileExistsAtPath(cache->cachePathForKey("old")));
    EXPECT_TRUE(files->fileExistsAtPath(cache->getCachePath() + "/nested/file"));

    advance(1);  // exactly 604800 s: expired too
    ns::NotificationCenter::defaultCenter()->postNotificationName(ns::UIApplicationWillTerminateNotification);
    EXPECT_FALSE(files->fileExistsAtPath(cache->cachePathForKey("old")));
    EXPECT_FALSE(files->fileExistsAtPath(cache->getCachePath() + "/nested/file"));
    EXPECT_TRUE(files->fileExistsAtPath(cache->cachePathForKey("young")));

    // The disk answer uses the file; clearing removes everything.
    EXPECT_EQ(cache->imageFromKey("young", false), image);  // still in memory
    cache->removeImageForKey("young");
    EXPECT_EQ(cache->imageFromKey("young"), nullptr);
    cache->storeImage(image, ns::Data::fromString(emulator::solidPNG(2, 2, 1, 2, 3)), "again", true);
    cache->waitForDiskWrites();
    cache->clearMemory();
    EXPECT_NE(cache->imageFromKey("again"), nullptr);  // read from disk at once
    cache->clearDisk();
    EXPECT_EQ(files->contentsOfDirectoryAtPath(cache->getCachePath())->size(), 0u);
}

TEST_F(WebImageLoaderTest, PrefetcherLoadsEveryURLAFewAtATime) {
    std::vector<ns::URLPtr> urls;
    for (int i = 0; i < 5; ++i) {
        host.addPNG("/pics/p" + std::to_string(i) + ".png", 2 + i, 2);
        urls.push_back(url("/pics/p" + std::to_string(i) + ".png"));
    }
    urls.push_back(url("/pics/missing.png"));
    // A URL no download can even start for still gets its answer.
    urls.push_back(ns::URL::URLWithString("ftp://127.0.0.1/pics/a.png"));
    auto prefetcher = WebImagePrefetcher::sharedImagePrefetcher();
    prefetcher->prefetchURLs(urls);
    EXPECT_EQ(prefetcher->requestedCount(), 3u);
    ASSERT_TRUE(runMainLoopUntil([&] { return prefetcher->finishedCount() == 7; }));
    EXPECT_EQ(prefetcher->skippedCount(), 2u);
    EXPECT_NE(WebImageManager::sharedManager()->imageWithURL(urls[4]), nullptr);
}

}  // namespace

namespace {

class RecordingDecoderDelegate : public WebImageDecoderDelegate {
public:
    void imageDecoderDidFinishDecodingImage(const ui::ImagePtr& image, const ns::Value& userInfo) override {
        decoded = image;
        info = userInfo;
        onMain = ns::Thread::isMainThread();
    }
    ui::ImagePtr decoded;
    ns::Value info;
    bool onMain = false;
};

TEST(WebImageDecoderTest, DecodedCopiesKeepThePixelsAtScaleOne) {
    auto png = ns::Data::fromString(emulator::solidPNG(6, 4, 10, 200, 30));
    auto original = ui::Image::imageWithData(png, 2);
    ASSERT_TRUE(original);
    auto copy = UIImageForceDecode::decodedImageWithImage(original);
    ASSERT_TRUE(copy);
    EXPECT_NE(copy->CGImage(), original->CGImage());
    EXPECT_EQ(copy->scale(), 1);
    EXPECT_EQ(copy->CGImage()->width(), 6u);
    EXPECT_EQ(copy->CGImage()->pixel(3, 2).g, original->CGImage()->pixel(3, 2).g);
    EXPECT_EQ(UIImageForceDecode::decodedImageWithImage(nullptr), nullptr);

    auto delegate = std::make_shared<RecordingDecoderDelegate>();
    WebImageDecoder::sharedImageDecoder()->decodeImage(original, delegate, ns::Value("tag"));
    EXPECT_EQ(delegate->decoded, nullptr);  // never before a later turn
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->decoded != nullptr; }));
    EXPECT_TRUE(delegate->onMain);
    EXPECT_EQ(delegate->info.stringValue(), "tag");
    EXPECT_EQ(delegate->decoded->CGImage()->width(), 6u);
}

}  // namespace
