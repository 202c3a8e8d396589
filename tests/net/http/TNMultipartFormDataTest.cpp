#include <gtest/gtest.h>

#include <fstream>

#include "net/http/TNHTTPRequestSerializer.h"
#include "net/http/TNStreamingMultipartFormData.h"
#include "platform/foundation/FileData.h"
#include "tests/net/http/MultipartParser.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::boundaryOf;
using keelbox::test::dispositionParameter;
using keelbox::test::parseMultipart;

// Reads a body stream to its end in pieces of `chunk` bytes; nothing on a
// stream error.
std::optional<std::string> readAll(const ns::InputStreamPtr& stream, std::size_t chunk) {
    stream->open();
    std::string out;
    std::vector<std::uint8_t> buffer(chunk);
    while (true) {
        std::int64_t n = stream->read(buffer.data(), buffer.size());
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        out.append(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(n));
    }
    stream->close();
    return out;
}

std::string writeFile(const std::string& name, const std::string& content) {
    std::string path = keelbox::test::sandboxHome() + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

// A stream that fails after handing out some bytes.
class FailingStream : public ns::InputStream {
public:
    std::int64_t read(std::uint8_t* buffer, std::size_t length) override {
        if (given_ >= 5) {
            fail(ns::Error::create("TestStreamDomain", 7));
            return -1;
        }
        std::size_t n = std::min<std::size_t>(length, 5 - given_);
        std::fill(buffer, buffer + n, 'x');
        given_ += n;
        return static_cast<std::int64_t>(n);
    }
    bool hasBytesAvailable() const override { return true; }

private:
    std::size_t given_ = 0;
};

TEST(TNMultipartFormDataTest, CallerPartsThenParametersReadBackIdentically) {
    std::string fileContent = "file bytes \r\n--not a boundary\r\n" + std::string(3000, 'f');
    auto fileURL = ns::URL::URLWithString("file://" + writeFile("photo.png", fileContent));
    auto serializer = TNHTTPRequestSerializer::serializer();
    ns::Value parameters = ns::Value::dictionary({{"text", "a%20b"},
                                                  {"empty", ns::Value::null()},
                                                  {"raw", ns::Data({0, 1, 2, 255})},
                                                  {"list", ns::Value::array({"x", "y"})}});
    auto request = serializer->multipartFormRequestWithMethod("POST", "http://127.0.0.1/up", parameters,
        [&](TNStreamingMultipartFormData& form) {
            ns::ErrorPtr error;
            EXPECT_TRUE(form.appendPartWithFileURL(fileURL, "file", &error));
            form.appendPartWithInputStream(ns::InputStream::inputStreamWithData(ns::Data::fromString("streamed")),
                                           "s", "s.bin", 8, "application/octet-stream");
            form.appendPartWithFileData(ns::Data::fromString("data"), "d", "d.txt", "text/plain");
        });
    auto boundary = boundaryOf(request.valueForHTTPHeaderField("Content-Type").value_or(""));
    ASSERT_TRUE(boundary);
    ASSERT_TRUE(request.HTTPBodyStream());
    auto body = readAll(request.HTTPBodyStream(), 1 << 16);
    ASSERT_TRUE(body);
    EXPECT_EQ(request.valueForHTTPHeaderField("Content-Length").value_or(""), std::to_string(body->size()));

    auto parts = parseMultipart(*body, *boundary);
    ASSERT_TRUE(parts);
    ASSERT_EQ(parts->size(), 8u);
    struct Expected {
        const char* name;
        std::optional<std::string> fileName;
        std::optional<std::string> type;
        std::string body;
    };
    const std::vector<Expected> expected = {
        {"file", "photo.png", "image/png", fileContent},
        {"s", "s.bin", "application/octet-stream", "streamed"},
        {"d", "d.txt", "text/plain", "data"},
        {"text", std::nullopt, std::nullopt, "a%20b"},  // raw values go out as they are
        {"empty", std::nullopt, std::nullopt, ""},
        {"raw", std::nullopt, std::nullopt, std::string("\0\1\2\xff", 4)},
        {"list[]", std::nullopt, std::nullopt, "x"},
        {"list[]", std::nullopt, std::nullopt, "y"},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& part = (*parts)[i];
        auto disposition = part.header("Content-Disposition").value_or("");
        EXPECT_EQ(dispositionParameter(disposition, "name"), expected[i].name) << i;
        EXPECT_EQ(dispositionParameter(disposition, "filename"), expected[i].fileName) << i;
        EXPECT_EQ(part.header("Content-Type"), expected[i].type) << i;
        EXPECT_TRUE(part.body == expected[i].body) << i;
    }

}

TEST(TNMultipartFormDataTest, TinyReadsGiveTheSameBytes) {
    auto fileURL = ns::URL::URLWithString("file://" + writeFile("notes.txt", std::string(5000, 'n')));
    auto serializer = TNHTTPRequestSerializer::serializer();
    auto request = serializer->multipartFormRequestWithMethod("POST", "http://127.0.0.1/up",
        ns::Value::dictionary({{"k", "v"}}), [&](TNStreamingMultipartFormData& form) {
            EXPECT_TRUE(form.appendPartWithFileURL(fileURL, "file"));
            form.appendPartWithFileData(ns::Data::fromString("data"), "d", "d.txt", "text/plain");
        });
    auto stream = std::static_pointer_cast<TNMultipartBodyStream>(request.HTTPBodyStream());
    auto whole = readAll(stream->copy(), 1 << 16);
    ASSERT_TRUE(whole);
    // Boundary and header texts continue across reads; the closing text too.
    for (std::size_t chunk : {1u, 3u, 7u, 64u}) {
        auto piecewise = readAll(stream->copy(), chunk);
        EXPECT_TRUE(piecewise == whole) << chunk;
    }
    EXPECT_EQ(request.valueForHTTPHeaderField("Content-Length").value_or(""), std::to_string(whole->size()));
}

TEST(TNMultipartFormDataTest, OnePartCarriesBothBoundariesAndEmptyFormsStayPlain) {
    auto form = TNStreamingMultipartFormData::create(ns::MutableURLRequest(ns::URL::URLWithString("http://h/")),
                                                     ns::kUTF8StringEncoding);
    form->appendPartWithFormData(ns::Data::fromString("v"), "k");
    auto request = form->requestByFinalizingMultipartFormData();
    const std::string& b = form->boundary();
    EXPECT_EQ(readAll(request.HTTPBodyStream(), 100),
              "--" + b + "\r\nContent-Disposition: form-data; name=\"k\"\r\n\r\nv\r\n--" + b + "--\r\n");

    auto empty = TNStreamingMultipartFormData::create(ns::MutableURLRequest(ns::URL::URLWithString("http://h/")),
                                                      ns::kUTF8StringEncoding);
    auto plain = empty->requestByFinalizingMultipartFormData();
    EXPECT_FALSE(plain.HTTPBodyStream());
    EXPECT_FALSE(plain.valueForHTTPHeaderField("Content-Type"));
    EXPECT_NE(empty->boundary(), form->boundary());
}

TEST(TNMultipartFormDataTest, NamesCannotBreakOutOfTheirQuotesOrAddHeaderLines) {
    auto form = TNStreamingMultipartFormData::create(ns::MutableURLRequest(ns::URL::URLWithString("http://h/")),
                                                     ns::kUTF8StringEncoding);
    form->appendPartWithFileData(ns::Data::fromString("x"), "a\"\r\nX-Injected: 1", "evil\".txt\r\n\r\nbody",
                                 "text/plain");
    auto request = form->requestByFinalizingMultipartFormData();
    auto body = readAll(request.HTTPBodyStream(), 4096);
    ASSERT_TRUE(body);
    auto parts = parseMultipart(*body, form->boundary());
    ASSERT_TRUE(parts);
    ASSERT_EQ(parts->size(), 1u);
    EXPECT_EQ((*parts)[0].headers.size(), 2u);
    EXPECT_FALSE((*parts)[0].header("X-Injected"));
    auto disposition = (*parts)[0].header("Content-Disposition").value_or("");
    EXPECT_EQ(dispositionParameter(disposition, "name"), "a%22%0D%0AX-Injected: 1");
    EXPECT_EQ(dispositionParameter(disposition, "filename"), "evil%22.txt%0D%0A%0D%0Abody");
    EXPECT_EQ((*parts)[0].body, "x");
}

TEST(TNMultipartFormDataTest, APartThatFailsOrEndsEarlyFailsTheBodyInsteadOfShorteningIt) {
    struct Case {
        const char* what;
        ns::InputStreamPtr stream;
        std::int64_t declared;
    };
    const std::vector<Case> cases = {
        {"stream error", std::make_shared<FailingStream>(), 100},
        {"shorter than declared", ns::InputStream::inputStreamWithData(ns::Data::fromString("abc")), 10},
        {"missing file", ns::InputStream::inputStreamWithFileAtPath("/nonexistent/file"), 10},
    };
    for (const auto& c : cases) {
        auto form = TNStreamingMultipartFormData::create(ns::MutableURLRequest(ns::URL::URLWithString("http://h/")),
                                                         ns::kUTF8StringEncoding);
        form->appendPartWithInputStream(c.stream, "f", "f.bin", c.declared, "application/octet-stream");
        form->appendPartWithFormData(ns::Data::fromString("after"), "k");
        auto stream = form->requestByFinalizingMultipartFormData().HTTPBodyStream();
        EXPECT_FALSE(readAll(stream, 4096)) << c.what;
        EXPECT_EQ(stream->streamStatus(), ns::StreamStatus::Error) << c.what;
        EXPECT_TRUE(stream->streamError()) << c.what;
    }
}

TEST(TNMultipartFormDataTest, FileURLPartsNeedAReadableFile) {
    auto form = TNStreamingMultipartFormData::create(ns::MutableURLRequest(ns::URL::URLWithString("http://h/")),
                                                     ns::kUTF8StringEncoding);
    ns::ErrorPtr error;
    EXPECT_FALSE(form->appendPartWithFileURL(ns::URL::URLWithString("http://h/file.txt"), "f", &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->domain(), TNURLRequestSerializationErrorDomain);
    EXPECT_EQ(error->code(), ns::kURLErrorBadURL);
    EXPECT_EQ(error->localizedFailureReason(), "Expected URL to be a file URL");
    error.reset();
    EXPECT_FALSE(form->appendPartWithFileURL(ns::URL::fileURLWithPath("/nonexistent/file.txt"), "f", &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->localizedFailureReason(), "File URL not reachable.");
    EXPECT_TRUE(form->bodyStream()->isEmpty());
}

TEST(TNMultipartFormDataTest, WritingABodyToAFileCopiesEveryByte) {
    std::string big(300000, 'z');
    for (std::size_t i = 0; i < big.size(); i += 997) big[i] = static_cast<char>('a' + i % 26);
    auto serializer = TNHTTPRequestSerializer::serializer();
    auto request = serializer->multipartFormRequestWithMethod("POST", "http://h/", ns::Value(),
        [&](TNStreamingMultipartFormData& form) { form.appendPartWithFileData(ns::Data::fromString(big), "f", "f", "x/y"); });
    auto expected = readAll(std::static_pointer_cast<TNMultipartBodyStream>(request.HTTPBodyStream())->copy(), 4096);
    std::string path = keelbox::test::sandboxHome() + "/body.out";
    bool done = false;
    ns::ErrorPtr reported = ns::Error::create("unset", 0);
    auto stripped = serializer->requestWithMultipartFormRequest(request, ns::URL::fileURLWithPath(path),
        [&](const ns::ErrorPtr& error) {
            done = true;
            reported = error;
        });
    EXPECT_FALSE(stripped.HTTPBodyStream());
    ASSERT_TRUE(keelbox::test::runMainLoopUntil([&] { return done; }, 10));
    EXPECT_FALSE(reported);
    auto written = ns::dataWithContentsOfFile(path);
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->toString() == expected);
}

TEST(TNMultipartFormDataTest, InMemoryFormDeclaresTheLengthOfWhatItSends) {
    auto serializer = TNHTTPRequestSerializer::serializer();
    auto request = serializer->multipartFormRequestWithMethodSB("POST", "http://h/", ns::Value::dictionary({{"k", "v"}}),
                                                                [](ns::Data& data) { data.append("abc", 3); });
    ASSERT_TRUE(request.HTTPBody());
    EXPECT_EQ(request.valueForHTTPHeaderField("Content-Length").value_or(""),
              std::to_string(request.HTTPBody()->length()));
    EXPECT_EQ(request.valueForHTTPHeaderField("Content-Type").value_or(""), "application/octet-stream");
}

}  // namespace
