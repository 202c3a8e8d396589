#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>

#include "emulator/ImageHost.h"
#include "platform/ui/Image.h"

namespace {

TEST(ImageHostTest, ServesDecodablePicturesAnHTMLPageAndCountsRequestsPerPath) {
    emulator::ImageHost host;
    ASSERT_TRUE(host.start());
    host.addPNG("/a.png", 7, 3);
    host.addJPEG("/b.jpg", 9, 4);
    host.addHTML("/c.png");
    host.setDelay("/b.jpg", 0.2);

    httplib::Client client("127.0.0.1", host.server().port());
    struct Case {
        const char* path;
        const char* type;
        double width, height;  // 0: no picture
    } cases[] = {{"/a.png", "image/png", 7, 3}, {"/b.jpg", "image/jpeg", 9, 4}, {"/c.png", "text/html", 0, 0}};
    for (const auto& c : cases) {
        auto started = std::chrono::steady_clock::now();
        auto reply = client.Get(c.path);
        ASSERT_TRUE(reply) << c.path;
        EXPECT_EQ(reply->status, 200);
        EXPECT_EQ(reply->get_header_value("Content-Type").rfind(c.type, 0), 0u) << c.path;
        auto image = ui::Image::imageWithData(ns::Data::fromString(reply->body));
        if (c.width == 0) {
            EXPECT_EQ(image, nullptr);
        } else {
            ASSERT_NE(image, nullptr) << c.path;
            EXPECT_EQ(image->size().width, c.width);
            EXPECT_EQ(image->size().height, c.height);
        }
        if (std::string(c.path) == "/b.jpg") {
            EXPECT_GE(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(), 0.19);
        }
    }
    client.Get("/a.png?v=2");
    EXPECT_EQ(host.requestCount("/a.png"), 2u);
    EXPECT_EQ(host.requestCount("/b.jpg"), 1u);
    EXPECT_EQ(host.totalRequestCount(), 4u);
}

}  // namespace
