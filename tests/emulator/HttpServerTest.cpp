#include <gtest/gtest.h>
#include <httplib.h>

#include "emulator/HttpServer.h"

namespace {

using emulator::Fault;
using emulator::HttpServer;
using emulator::LoggedRequest;
using emulator::Reply;

class HttpServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.route("POST", "/echo", [](const LoggedRequest& request, Reply& reply) {
            reply.contentType = "application/octet-stream";
            reply.body = request.body;
        });
        server.route("GET", "/big", [](const LoggedRequest&, Reply& reply) {
            reply.streamLength = 1 << 20;
            reply.streamFill = [](std::uint64_t offset, char* out, std::size_t length) {
                for (std::size_t i = 0; i < length; ++i) out[i] = static_cast<char>((offset + i) % 251);
            };
        });
        ASSERT_TRUE(server.start());
    }
    httplib::Client client() {
        httplib::Client c("127.0.0.1", server.port());
        c.set_read_timeout(5, 0);
        return c;
    }
    HttpServer server;
};

TEST_F(HttpServerTest, ServesRoutesAndLogsRawAndDecodedRequests) {
    auto c = client();
    auto result = c.Post("/echo?a=1&b=x%20y", httplib::Headers{{"X-Probe", "yes"}}, "name=J%C3%B6rg&flag=on",
                         "application/x-www-form-urlencoded");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->body, "name=J%C3%B6rg&flag=on");

    auto missing = c.Get("/nowhere");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->status, 404);

    // The outcome is logged once the last byte is written, maybe after the client has it.
    ASSERT_TRUE(server.log().waitUntil(
        [](const auto& e) { return e.size() == 2 && e[0].outcome == LoggedRequest::Outcome::Answered; }, 5));
    auto entries = server.log().entries();
    const auto& first = entries[0];
    EXPECT_EQ(first.method, "POST");
    EXPECT_EQ(first.path, "/echo");
    EXPECT_EQ(first.query, "a=1&b=x%20y");
    EXPECT_EQ(first.header("x-probe").value_or(""), "yes");
    EXPECT_EQ(first.body, "name=J%C3%B6rg&flag=on");
    EXPECT_EQ(first.field("name").value_or(""), "J\xC3\xB6rg");
    EXPECT_EQ(first.field("b").value_or(""), "x y");
    EXPECT_EQ(first.outcome, LoggedRequest::Outcome::Answered);
    EXPECT_EQ(entries[1].status, 404);
}

TEST_F(HttpServerTest, StreamsGeneratedBodies) {
    auto result = client().Get("/big");
    ASSERT_TRUE(result);
    ASSERT_EQ(result->body.size(), 1u << 20);
    for (std::size_t i = 0; i < result->body.size(); i += 4099)
        ASSERT_EQ(static_cast<unsigned char>(result->body[i]), i % 251);
    EXPECT_TRUE(server.log().waitUntil(
        [](const auto& e) { return e.size() == 1 && e[0].outcome == LoggedRequest::Outcome::Answered; }, 5));
}

TEST_F(HttpServerTest, FaultsReplaceOrBreakTheAnswer) {
    Fault replaced;
    replaced.status = 503;
    replaced.contentType = "text/html";
    replaced.body = "<b>busy</b>";
    server.setFault("/echo", replaced);
    auto result = client().Post("/echo", "x", "text/plain");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 503);
    EXPECT_EQ(result->get_header_value("Content-Type"), "text/html");
    EXPECT_EQ(result->body, "<b>busy</b>");

    server.setFault("/big", Fault::closingMidBody(1000));
    EXPECT_FALSE(client().Get("/big"));
    EXPECT_TRUE(server.log().waitUntil(
        [](const auto& e) { return e.size() == 2 && e[1].outcome == LoggedRequest::Outcome::Cut; }, 5));

    server.setFault("/echo", Fault::refusing());
    EXPECT_FALSE(client().Post("/echo", "x", "text/plain"));
    EXPECT_EQ(server.log().last()->outcome, LoggedRequest::Outcome::Cut);

    server.clearFaults();
    server.setFault("/echo", Fault::delayed(0.2));
    auto started = std::chrono::steady_clock::now();
    auto delayed = client().Post("/echo", "late", "text/plain");
    ASSERT_TRUE(delayed);
    EXPECT_EQ(delayed->body, "late");
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(190));
}

TEST_F(HttpServerTest, StalledRequestNoticesTheClientLeavingAndStopEndsIt) {
    server.setFault("/echo", Fault::stalling());
    auto c = client();
    c.set_read_timeout(0, 300000);  // the client gives up after 0.3 s
    EXPECT_FALSE(c.Post("/echo", "x", "text/plain"));
    EXPECT_TRUE(server.log().waitUntil(
        [](const auto& e) { return e.size() == 1 && e[0].outcome == LoggedRequest::Outcome::Dropped; }, 5));

    // A stall still in progress when the server stops is abandoned, and stop returns.
    std::thread pending([port = server.port()] {
        httplib::Client c("127.0.0.1", port);
        c.set_read_timeout(10, 0);
        c.Post("/echo", "y", "text/plain");
    });
    ASSERT_TRUE(server.log().waitUntil([](const auto& e) { return e.size() == 2; }, 5));
    server.stop();
    pending.join();
    EXPECT_EQ(server.log().last()->outcome, LoggedRequest::Outcome::Abandoned);
}

TEST(HttpsServerTest, PresentsTheChosenIdentityOnAFreePort) {
    HttpServer a({.https = true});
    HttpServer b({.https = true, .identity = emulator::Identity::ForeignServer});
    a.route("GET", "/", [](const LoggedRequest&, Reply& reply) { reply.body = "hello"; });
    ASSERT_TRUE(a.start());
    ASSERT_TRUE(b.start());
    EXPECT_NE(a.port(), b.port());
    EXPECT_EQ(a.baseURL(), "https://127.0.0.1:" + std::to_string(a.port()));

    httplib::SSLClient trusting("127.0.0.1", a.port());
    trusting.set_ca_cert_path(emulator::TestPKI::path("root-ca", "pem").c_str());
    trusting.enable_server_certificate_verification(true);
    auto result = trusting.Get("/");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->body, "hello");

    httplib::SSLClient refusing("127.0.0.1", b.port());
    refusing.set_ca_cert_path(emulator::TestPKI::path("root-ca", "pem").c_str());
    refusing.enable_server_certificate_verification(true);
    EXPECT_FALSE(refusing.Get("/"));
    EXPECT_EQ(b.log().count(), 0u);
}

}  // namespace
