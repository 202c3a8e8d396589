#include <gtest/gtest.h>

#include "platform/foundation/HTTPURLResponse.h"

using ns::HTTPURLResponse;

TEST(HTTPURLResponse, HeadersJoinRepeatsAndParseContentType) {
    auto url = ns::URL::URLWithString("http://127.0.0.1/files/report.txt?x=1");
    auto response = HTTPURLResponse::create(url, 200, "HTTP/1.1",
                                            {{"Content-Type", "Text/HTML; Charset=\"ISO-8859-1\""},
                                             {"Set-Cookie", "a=1"},
                                             {"set-cookie", "b=2"},
                                             {"Content-Length", "1234"}});
    EXPECT_EQ(response->statusCode(), 200);
    EXPECT_EQ(response->valueForHTTPHeaderField("SET-COOKIE"), "a=1, b=2");
    EXPECT_EQ(response->allHeaderFields().value("content-type"), "Text/HTML; Charset=\"ISO-8859-1\"");
    EXPECT_EQ(response->allHeaderFields().size(), 3u);
    EXPECT_EQ(response->MIMEType(), "text/html");
    EXPECT_EQ(response->textEncodingName(), "ISO-8859-1");
    EXPECT_EQ(response->expectedContentLength(), 1234);
    EXPECT_EQ(response->suggestedFilename(), "report.txt");
    EXPECT_EQ(response->url(), url);
}

TEST(HTTPURLResponse, MissingOrBadHeadersAndFileNames) {
    struct Case {
        std::vector<ns::HTTPHeaderFields::Field> headers;
        std::optional<std::string> mime;
        long long length;
        std::string filename;
    };
    const Case cases[] = {
        {{}, std::nullopt, -1, "Unknown"},
        {{{"Content-Length", "-5"}}, std::nullopt, -1, "Unknown"},
        {{{"Content-Length", "12abc"}}, std::nullopt, -1, "Unknown"},
        {{{"Content-Type", "application/json"}}, "application/json", -1, "Unknown"},
        {{{"Content-Disposition", "attachment; filename=\"a b.bin\""}}, std::nullopt, -1, "a b.bin"},
        // A server-given name never carries a path.
        {{{"Content-Disposition", "attachment; filename=\"../../etc/passwd\""}}, std::nullopt, -1, "passwd"},
        {{{"Content-Disposition", "attachment; filename=\"..\""}}, std::nullopt, -1, "Unknown"},
    };
    for (const auto& c : cases) {
        auto r = HTTPURLResponse::create(ns::URL::URLWithString("http://h/"), 404, "HTTP/1.1", c.headers);
        EXPECT_EQ(r->MIMEType(), c.mime);
        EXPECT_EQ(r->expectedContentLength(), c.length);
        EXPECT_EQ(r->suggestedFilename(), c.filename);
    }
}

TEST(HTTPURLResponse, StatusTexts) {
    EXPECT_EQ(HTTPURLResponse::localizedStringForStatusCode(404), "not found");
    EXPECT_EQ(HTTPURLResponse::localizedStringForStatusCode(500), "internal server error");
    EXPECT_EQ(HTTPURLResponse::localizedStringForStatusCode(299), "success");
    EXPECT_EQ(HTTPURLResponse::localizedStringForStatusCode(499), "client error");
    auto plain = ns::URLResponse::create(nullptr, "text/plain", -7, std::nullopt);
    EXPECT_EQ(plain->expectedContentLength(), -1);
    EXPECT_EQ(plain->suggestedFilename(), "Unknown");
}
