#include <gtest/gtest.h>

#include "emulator/ImageHost.h"
#include "net/http/TNHTTPRequestOperation.h"
#include "net/http/TNNetworkingNotifications.h"
#include "net/views/TNImageCache.h"
#include "net/views/UIActivityIndicatorViewTNNetworking.h"
#include "net/views/UIAlertViewTNNetworking.h"
#include "net/views/UIButtonTNNetworking.h"
#include "net/views/UIImageViewTNNetworking.h"
#include "net/views/UIProgressViewTNNetworking.h"
#include "net/views/UIRefreshControlTNNetworking.h"
#include "net/views/UIWebViewTNNetworking.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/NotificationCenter.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::drainMainLoop;
using keelbox::test::runMainLoopUntil;

class FancyImageView : public ui::ImageView {
    using ui::ImageView::ImageView;
};

class TNViewExtensionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.start());
        host.addPNG("/a.png", 12, 8);
        host.addJPEG("/b.jpg", 20, 10);
        host.addPNG("/slow.png", 5, 5);
        host.setDelay("/slow.png", 0.4);
        host.addBytes("/missing.png", "{}", "application/json", 404);
        placeholder = ui::Image::imageWithCGImage(cg::Image::create(1, 1));
    }
    ns::URLRequest request(const std::string& path) { return ns::URLRequest(ns::URL::URLWithString(host.url(path))); }
    // Pixel sizes: the image serializer gives the screen's scale.
    static bool shows(const ui::ImagePtr& image, std::size_t width, std::size_t height) {
        return image && image->CGImage()->width() == width && image->CGImage()->height() == height;
    }

    emulator::ImageHost host;
    ui::ImagePtr placeholder;
};

TEST_F(TNViewExtensionsTest, ImageViewsLoadOnceAndThenAnswerFromTheirClassCache) {
    auto view = ui::ImageView::create();
    UIImageViewTNNetworking::setImageWithURLRequest(view, request("/a.png"), placeholder);
    EXPECT_EQ(view->image(), placeholder);
    EXPECT_TRUE(UIImageViewTNNetworking::imageRequestOperation(view));
    ASSERT_TRUE(runMainLoopUntil([&] { return shows(view->image(), 12, 8); }));
    EXPECT_FALSE(UIImageViewTNNetworking::imageRequestOperation(view));

    // A hit starts nothing and passes neither request nor response.
    auto second = ui::ImageView::create();
    bool hit = false;
    UIImageViewTNNetworking::setImageWithURLRequest(
        second, request("/a.png"), placeholder,
        [&](const std::optional<ns::URLRequest>& r, const ns::HTTPURLResponsePtr& response, const ui::ImagePtr& image) {
            hit = !r && !response && image == view->image();
        });
    EXPECT_TRUE(hit);
    EXPECT_EQ(host.requestCount("/a.png"), 1u);

    // Reloading policies miss the cache; the result is stored all the same.
    ns::MutableURLRequest reload(request("/a.png"));
    reload.setCachePolicy(ns::kURLRequestReloadIgnoringLocalCacheData);
    UIImageViewTNNetworking::setImageWithURLRequest(second, reload, nullptr);
    ASSERT_TRUE(runMainLoopUntil([&] { return !UIImageViewTNNetworking::imageRequestOperation(second); }));
    EXPECT_EQ(host.requestCount("/a.png"), 2u);
    EXPECT_NE(TNImageCache::defaultCache()->cachedImageForRequest(request("/a.png")), view->image());

    // A subclass with its own cache does not see the default one.
    auto custom = TNImageCache::create();
    UIImageViewTNNetworking::setSharedImageCache(custom, typeid(FancyImageView));
    auto fancy = ui::View::make<FancyImageView>();
    UIImageViewTNNetworking::setImageWithURLRequest(fancy, request("/a.png"), placeholder);
    EXPECT_EQ(fancy->image(), placeholder);
    ASSERT_TRUE(runMainLoopUntil([&] { return shows(fancy->image(), 12, 8); }));
    EXPECT_TRUE(custom->cachedImageForRequest(request("/a.png")));
    UIImageViewTNNetworking::setSharedImageCache(nullptr, typeid(FancyImageView));

    ns::NotificationCenter::defaultCenter()->postNotificationName(ns::UIApplicationDidReceiveMemoryWarningNotification);
    EXPECT_EQ(TNImageCache::defaultCache()->count(), 0u);
}

TEST_F(TNViewExtensionsTest, ASecondImageLoadCancelsTheFirstWhoseAnswerIsDropped) {
    auto view = ui::ImageView::create();
    int firstReports = 0;
    UIImageViewTNNetworking::setImageWithURLRequest(
        view, request("/slow.png"), placeholder, [&](auto&, auto&, auto&) { ++firstReports; },
        [&](auto&, auto&, auto&) { ++firstReports; });
    auto first = UIImageViewTNNetworking::imageRequestOperation(view);
    ui::ImagePtr got;
    UIImageViewTNNetworking::setImageWithURLRequest(view, request("/b.jpg"), placeholder,
                                                    [&](auto&, auto&, const ui::ImagePtr& image) { got = image; });
    EXPECT_TRUE(first->isCancelled());
    ASSERT_TRUE(runMainLoopUntil([&] { return got && first->isFinished(); }));
    EXPECT_TRUE(shows(got, 20, 10));
    runMainLoopUntil([] { return false; }, 0.5);
    EXPECT_EQ(firstReports, 0);
    EXPECT_EQ(view->image(), placeholder);  // a success callback shows nothing itself
}

TEST_F(TNViewExtensionsTest, ButtonsLoadImagesPerStateAndReportFailuresOnlyWithAResponse) {
    auto button = ui::Button::create();
    UIButtonTNNetworking::setImageForState(button, ui::ControlStateHighlighted, ns::URL::URLWithString(host.url("/a.png")),
                                           placeholder);
    UIButtonTNNetworking::setBackgroundImageForState(button, ui::ControlStateNormal,
                                                     ns::URL::URLWithString(host.url("/b.jpg")));
    EXPECT_EQ(button->imageForState(ui::ControlStateHighlighted), placeholder);
    ASSERT_TRUE(runMainLoopUntil([&] {
        return shows(button->imageForState(ui::ControlStateHighlighted), 12, 8) &&
               shows(button->backgroundImageForState(ui::ControlStateNormal), 20, 10);
    }));
    EXPECT_EQ(host.server().log().entries()[0].header("Accept").value_or(""), "image/*");

    ns::ErrorPtr withResponse;
    UIButtonTNNetworking::setImageForState(button, ui::ControlStateNormal, request("/missing.png"), nullptr, nullptr,
                                           [&](const ns::ErrorPtr& e) { withResponse = e; });
    ASSERT_TRUE(runMainLoopUntil([&] { return withResponse != nullptr; }));
    EXPECT_EQ(withResponse->code(), -1011);

    host.server().setFault("/refused.png", emulator::Fault::refusing());
    bool reported = false;
    UIButtonTNNetworking::setImageForState(button, ui::ControlStateNormal, request("/refused.png"), nullptr, nullptr,
                                           [&](const ns::ErrorPtr&) { reported = true; });
    auto operation = UIButtonTNNetworking::imageRequestOperation(button);
    ASSERT_TRUE(runMainLoopUntil([&] { return operation->isFinished(); }));
    drainMainLoop();
    EXPECT_FALSE(reported);
}

TEST_F(TNViewExtensionsTest, IndicatorsFollowTheStartAndFinishOfTheirOperationOnly) {
    auto indicator = ui::ActivityIndicatorView::create();
    auto refresh = ui::RefreshControl::create();
    auto first = TNHTTPRequestOperation::create(request("/slow.png"));
    auto second = TNHTTPRequestOperation::create(request("/a.png"));
    UIActivityIndicatorViewTNNetworking::setAnimatingWithStateOfOperation(indicator, first);
    UIRefreshControlTNNetworking::setRefreshingWithStateOfOperation(refresh, first);
    EXPECT_FALSE(indicator->isAnimating());

    first->start();
    ASSERT_TRUE(runMainLoopUntil([&] { return indicator->isAnimating() && refresh->isRefreshing(); }));
    ASSERT_TRUE(runMainLoopUntil([&] { return first->isFinished(); }));
    ASSERT_TRUE(runMainLoopUntil([&] { return !indicator->isAnimating() && !refresh->isRefreshing(); }));

    // Following another operation detaches from the first.
    auto third = TNHTTPRequestOperation::create(request("/slow.png"));
    UIActivityIndicatorViewTNNetworking::setAnimatingWithStateOfOperation(indicator, third);
    UIActivityIndicatorViewTNNetworking::setAnimatingWithStateOfOperation(indicator, second);
    third->start();
    ASSERT_TRUE(runMainLoopUntil([&] { return third->isExecuting(); }));
    runMainLoopUntil([] { return false; }, 0.1);
    EXPECT_FALSE(indicator->isAnimating());
    // A finished operation only detaches.
    indicator->startAnimating();
    UIActivityIndicatorViewTNNetworking::setAnimatingWithStateOfOperation(indicator, first);
    EXPECT_TRUE(indicator->isAnimating());
    third->cancel();
    ASSERT_TRUE(runMainLoopUntil([&] { return third->isFinished(); }));
}

TEST_F(TNViewExtensionsTest, ProgressViewsFollowDownloadProgressAfterTheOperationsOwnCallback) {
    std::string body(200000, 'p');
    host.addBytes("/big.bin", body, "application/octet-stream");
    auto operation = TNHTTPRequestOperation::create(request("/big.bin"));
    std::int64_t seenByOwnCallback = 0;
    operation->setDownloadProgressBlock([&](std::int64_t, std::int64_t total, std::int64_t) { seenByOwnCallback = total; });
    auto bar = ui::ProgressView::create();
    UIProgressViewTNNetworking::setProgressWithDownloadProgressOfOperation(bar, operation, false);
    UIProgressViewTNNetworking::setDownloadProgressAnimated(bar, true);
    EXPECT_TRUE(UIProgressViewTNNetworking::downloadProgressAnimated(bar));
    EXPECT_FALSE(UIProgressViewTNNetworking::uploadProgressAnimated(bar));
    operation->start();
    ASSERT_TRUE(runMainLoopUntil([&] { return operation->isFinished() && bar->progress() == 1.0; }));
    EXPECT_EQ(seenByOwnCallback, 200000);
}

TEST_F(TNViewExtensionsTest, AnOperationErrorShowsOneAlertWithTextsFromTheError) {
    struct Case {
        ns::Dictionary info;
        std::string title, message;
    } cases[] = {
        {ns::Dictionary{{ns::kLocalizedDescriptionKey, "Failed"}, {"NSLocalizedRecoverySuggestion", "Retry"}},
         "Failed", "Retry"},
        {ns::Dictionary{{ns::kLocalizedDescriptionKey, "Failed"}, {ns::kLocalizedFailureReasonErrorKey, "Offline"}},
         "Failed", "Offline"},
        {ns::Dictionary{{ns::kLocalizedDescriptionKey, "Failed"}}, "Error", "Failed"},
        {ns::Dictionary{}, "Error", "Domain Error: 7"},
    };
    for (const auto& c : cases) {
        auto [title, message] = UIAlertViewTNNetworking::titleAndMessageForError(ns::Error::create("Domain", 7, c.info));
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(message, c.message);
    }

    auto center = ns::NotificationCenter::defaultCenter();
    const std::size_t registrations = center->registrationCount();
    auto good = TNHTTPRequestOperation::create(request("/a.png"));
    UIAlertViewTNNetworking::showAlertViewForRequestOperationWithErrorOnCompletion(good, nullptr);
    // A connection failure: the error is the operation's at once.
    host.server().setFault("/refused.png", emulator::Fault::refusing());
    auto bad = TNHTTPRequestOperation::create(request("/refused.png"));
    UIAlertViewTNNetworking::showAlertViewForRequestOperationWithErrorOnCompletion(bad, nullptr, "Close", {"Again", "Never"});
    EXPECT_EQ(center->registrationCount(), registrations + 2);
    good->start();
    bad->start();
    ASSERT_TRUE(runMainLoopUntil([&] { return good->isFinished() && bad->isFinished(); }));
    drainMainLoop();
    auto alerts = ui::AlertView::visibleAlerts();
    ASSERT_EQ(alerts.size(), 1u);
    auto texts = UIAlertViewTNNetworking::titleAndMessageForError(bad->error());
    EXPECT_EQ(alerts[0]->title, texts.first);
    EXPECT_EQ(alerts[0]->message, texts.second);
    EXPECT_FALSE(texts.second.empty());
    EXPECT_EQ(alerts[0]->numberOfButtons(), 2);
    EXPECT_EQ(alerts[0]->buttonTitleAtIndex(0), "Close");
    EXPECT_EQ(alerts[0]->buttonTitleAtIndex(1), "Again");
    EXPECT_EQ(center->registrationCount(), registrations);
}

TEST_F(TNViewExtensionsTest, WebViewsLoadTextThroughAnOperationInTheResponsesEncoding) {
    host.addBytes("/latin.html", "<p>caf\xe9</p>", "text/html; charset=iso-8859-1");
    host.addBytes("/plain.html", "<p>na\xc3\xafve</p>", "text/html");
    auto web = ui::WebView::create();
    std::string seen;
    UIWebViewTNNetworking::loadRequest(web, request("/latin.html"), nullptr,
                                       [&](const ns::HTTPURLResponsePtr&, const std::string& text) {
                                           seen = text;
                                           return text + "<p>extra</p>";
                                       },
                                       nullptr);
    ASSERT_TRUE(runMainLoopUntil([&] { return !web->loadedHTML().empty(); }));
    EXPECT_EQ(seen, "<p>caf\xc3\xa9</p>");
    EXPECT_EQ(web->loadedHTML(), "<p>caf\xc3\xa9</p><p>extra</p>");
    EXPECT_EQ(web->currentURL(), host.url("/latin.html"));

    // No encoding named: UTF-8.
    UIWebViewTNNetworking::loadRequest(web, request("/plain.html"), nullptr, nullptr, nullptr);
    ASSERT_TRUE(runMainLoopUntil([&] { return web->loadedHTML() == "<p>na\xc3\xafve</p>"; }));

    ns::ErrorPtr failed;
    UIWebViewTNNetworking::loadRequest(web, request("/missing.png"), nullptr, nullptr,
                                       [&](const ns::ErrorPtr& e) { failed = e; });
    ASSERT_TRUE(runMainLoopUntil([&] { return failed != nullptr; }));
    EXPECT_EQ(failed->code(), -1011);
}

}  // namespace
