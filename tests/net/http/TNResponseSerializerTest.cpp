#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "emulator/SampleImages.h"
#include "net/http/TNCompoundResponseSerializer.h"
#include "net/http/TNImageResponseSerializer.h"
#include "net/http/TNXMLParserResponseSerializer.h"
#include "platform/foundation/XMLParser.h"
#include "platform/graphics/Context.h"
#include "net/http/TNJSONResponseSerializer.h"
#include "net/http/TNPropertyListResponseSerializer.h"
#include "platform/foundation/HTTPURLResponse.h"

namespace {

ns::URLResponsePtr response(int status, const std::string& contentType) {
    std::vector<ns::HTTPHeaderFields::Field> headers;
    if (!contentType.empty()) headers.emplace_back("Content-Type", contentType);
    return ns::HTTPURLResponse::create(ns::URL::URLWithString("http://127.0.0.1/r"), status, "HTTP/1.1", headers);
}

TEST(TNJSONResponseSerializerTest, StatusAndTypeTable) {
    struct Case {
        const char* what;
        int status;
        const char* type;
        std::string body;
        bool object;
        std::int64_t code;            // 0: no error
        std::int64_t underlyingCode;  // 0: none
    };
    const std::vector<Case> cases = {
        {"200 JSON", 200, "application/json", "{\"a\":1}", true, 0, 0},
        {"text/json also", 200, "text/json; charset=utf-8", "[1]", true, 0, 0},
        {"200 html", 200, "text/html", "<p>", false, -1016, 0},
        {"404 JSON error body still decoded", 404, "application/json", "{\"e\":2}", true, -1011, 0},
        {"500 html: status over type", 500, "text/html", "oops", false, -1011, -1016},
        {"single space", 200, "application/json", " ", false, 0, 0},
        {"empty body", 200, "application/json", "", false, 0, 0},
        {"unacceptable type, empty body: no error", 200, "text/html", "", false, 0, 0},
        {"not JSON", 200, "application/json", "{nope", false, -1, 0},
    };
    auto serializer = TNJSONResponseSerializer::serializer();
    for (const auto& c : cases) {
        ns::ErrorPtr error;
        ns::Value object = serializer->responseObjectForResponse(response(c.status, c.type), ns::Data::fromString(c.body), &error);
        EXPECT_EQ(!object.isNil(), c.object) << c.what;
        if (c.code == 0) {
            EXPECT_FALSE(error) << c.what;
        } else {
            ASSERT_TRUE(error) << c.what;
            if (c.code != -1) {
                EXPECT_EQ(error->code(), c.code) << c.what;
                EXPECT_EQ(error->domain(), TNURLResponseSerializationErrorDomain) << c.what;
                EXPECT_TRUE(error->userInfo()[TNNetworkingOperationFailingURLResponseErrorKey].as<ns::URLResponse>()) << c.what;
            }
            auto underlying = error->underlyingError();
            EXPECT_EQ(underlying ? underlying->code() : 0, c.underlyingCode) << c.what;
        }
    }
}

TEST(TNJSONResponseSerializerTest, MessagesNullRemovalAndCharsets) {
    auto serializer = TNJSONResponseSerializer::serializer();
    ns::ErrorPtr error;
    serializer->responseObjectForResponse(response(404, "application/json"), ns::Data::fromString("{}"), &error);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->localizedDescription(), "Request failed: not found (404)");

    serializer->removesKeysWithNullValues = true;
    ns::Value stripped = serializer->responseObjectForResponse(
        response(200, "application/json"), ns::Data::fromString("{\"a\":null,\"b\":[{\"c\":null}]}"), nullptr);
    EXPECT_EQ(stripped, ns::Value::dictionary({{"b", ns::Value::array({ns::Value(ns::Dictionary())})}}));

    // Latin-1 bytes named by the response are decoded as Latin-1.
    ns::Data latin1({'[', '"', 0xE9, '"', ']'});
    ns::Value decoded =
        serializer->responseObjectForResponse(response(200, "application/json; charset=iso-8859-1"), latin1, nullptr);
    EXPECT_EQ(decoded, ns::Value::array({"é"})) << decoded.description();
    EXPECT_TRUE(serializer->responseObjectForResponse(response(200, "application/json"), latin1, nullptr).isNil());
}

TEST(TNResponseSerializerTest, BaseCompoundAndPropertyList) {
    auto base = TNHTTPResponseSerializer::serializer();
    ns::ErrorPtr error;
    EXPECT_EQ(base->responseObjectForResponse(response(503, "x/y"), ns::Data::fromString("raw"), &error),
              ns::Value(ns::Data::fromString("raw")));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), -1011);

    auto plist = TNPropertyListResponseSerializer::serializer();
    auto compound = TNCompoundResponseSerializer::compoundSerializerWithResponseSerializers({plist, TNJSONResponseSerializer::serializer()});
    error.reset();
    EXPECT_EQ(compound->responseObjectForResponse(response(200, "application/json"), ns::Data::fromString("[1]"), &error),
              ns::Value::array({1}));
    EXPECT_FALSE(error);

    std::string xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>k</key><string>v</string></dict></plist>";
    EXPECT_EQ(plist->responseObjectForResponse(response(200, "application/x-plist"), ns::Data::fromString(xml), nullptr),
              ns::Value::dictionary({{"k", "v"}}));

    auto copy = TNJSONResponseSerializer::serializerWithReadingOptions(3)->copy();
    EXPECT_EQ(std::static_pointer_cast<TNJSONResponseSerializer>(copy)->readingOptions, 3u);
    EXPECT_TRUE(copy->acceptableContentTypes->count("text/javascript"));
}

// A PNG whose left half is opaque red and right half half-transparent blue.
ns::Data twoColourPNG(std::size_t width, std::size_t height) {
    auto context = cg::Context::createBitmap(width, height);
    context->setRGBFillColor(1, 0, 0, 1);
    context->fillRect(cg::RectMake(0, 0, static_cast<cg::Float>(width / 2), static_cast<cg::Float>(height)));
    context->setRGBFillColor(0, 0, 1, 0.5);
    context->fillRect(cg::RectMake(static_cast<cg::Float>(width / 2), 0, static_cast<cg::Float>(width - width / 2),
                                   static_cast<cg::Float>(height)));
    return context->createImage()->pngData();
}

TEST(TNImageResponseSerializerTest, DecodesAtItsScaleAndInflatesOnlyWithinTheLimits) {
    auto serializer = TNImageResponseSerializer::serializer();
    serializer->imageScale = 2;
    const ns::Data png = twoColourPNG(64, 32);
    for (bool inflate : {true, false}) {
        serializer->automaticallyInflatesResponseImage = inflate;
        ns::ErrorPtr error;
        auto image = serializer->responseObjectForResponse(response(200, "image/png"), png, &error).as<ui::Image>();
        ASSERT_TRUE(image) << inflate;
        EXPECT_FALSE(error);
        EXPECT_EQ(image->scale(), 2);
        EXPECT_EQ(image->size(), (cg::Size{32, 16}));
        // Inflating redraws the pixels; it must not move, flip or darken them.
        auto decoded = cg::Image::createWithPNGData(png);
        for (auto [x, y] : {std::pair<std::size_t, std::size_t>{2, 3}, {60, 30}, {31, 0}, {32, 31}}) {
            auto got = image->CGImage()->pixel(x, y);
            auto want = decoded->pixel(x, y);
            EXPECT_NEAR(got.r, want.r, 0.01) << x << "," << y;
            EXPECT_NEAR(got.b, want.b, 0.01) << x << "," << y;
            EXPECT_NEAR(got.a, want.a, 0.01) << x << "," << y;
        }
    }

    auto jpeg = serializer->responseObjectForResponse(response(200, "image/jpeg"), ns::Data::fromString(emulator::solidJPEG(16, 8, 0, 200, 0)), nullptr).as<ui::Image>();
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->size(), (cg::Size{8, 4}));
    EXPECT_NEAR(jpeg->CGImage()->pixel(5, 5).g, 200.0 / 255, 0.05);
    EXPECT_EQ(jpeg->CGImage()->pixel(5, 5).a, 1);

    // Bytes that are no image: no object and no error; a foreign type: -1016.
    ns::ErrorPtr error;
    EXPECT_TRUE(serializer->responseObjectForResponse(response(200, "image/png"), ns::Data::fromString("nope"), &error).isNil());
    EXPECT_FALSE(error);
    EXPECT_TRUE(serializer->responseObjectForResponse(response(200, "text/html"), png, &error).isNil());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), -1016);

    struct Limit {
        std::size_t width, height, bits;
        bool inflated;
    };
    for (const Limit& c : {Limit{1024, 1024, 8, true}, Limit{2048, 1024, 8, false}, Limit{1025, 1024, 8, false},
                           Limit{16, 16, 16, false}, Limit{1, 1048576, 8, true}, Limit{0, 0, 8, true}})
        EXPECT_EQ(TNImageIsInflatable(c.width, c.height, c.bits), c.inflated) << c.width << "x" << c.height << "x" << c.bits;
}

TEST(TNImageResponseSerializerTest, ACompoundOfImageAndJSONAnswersJSONWithJSON) {
    auto compound = TNCompoundResponseSerializer::compoundSerializerWithResponseSerializers(
        {TNImageResponseSerializer::serializer(), TNJSONResponseSerializer::serializer()});
    ns::ErrorPtr error;
    EXPECT_EQ(compound->responseObjectForResponse(response(200, "application/json"), ns::Data::fromString("{\"a\":1}"), &error),
              ns::Value::dictionary({{"a", 1}}));
    EXPECT_FALSE(error);
    auto image = compound->responseObjectForResponse(response(200, "image/png"), twoColourPNG(4, 4), &error);
    EXPECT_TRUE(image.as<ui::Image>());
}

// Records what a parser reports, as one line per event.
class RecordingXMLDelegate : public ns::XMLParserDelegate {
public:
    void parserDidStartElement(ns::XMLParser&, const std::string& name, const ns::Dictionary& attributes) override {
        std::string line = "<" + name;
        for (const auto& [key, value] : attributes) line += " " + key + "=" + value.stringValue();
        events.push_back(line + ">");
    }
    void parserDidEndElement(ns::XMLParser&, const std::string& name) override { events.push_back("</" + name + ">"); }
    void parserFoundCharacters(ns::XMLParser&, const std::string& text) override {
        if (!events.empty() && events.back().rfind("text:", 0) == 0)
            events.back() += text;
        else
            events.push_back("text:" + text);
    }
    void parserParseErrorOccurred(ns::XMLParser&, const ns::ErrorPtr&) override { events.push_back("error"); }
    std::vector<std::string> events;
};

TEST(TNXMLParserResponseSerializerTest, HandsBackAParserOverTheBodyThatHasNotRunYet) {
    auto serializer = TNXMLParserResponseSerializer::serializer();
    const std::string xml = "<?xml version=\"1.0\"?><list n=\"2\" a=\"x&amp;y\"><item>caf&#233; &lt;1&gt;</item><item/></list>";
    for (const char* type : {"application/xml", "text/xml; charset=utf-8"}) {
        ns::ErrorPtr error;
        auto parser = serializer->responseObjectForResponse(response(200, type), ns::Data::fromString(xml), &error)
                          .as<ns::XMLParser>();
        ASSERT_TRUE(parser) << type;
        EXPECT_FALSE(error);
        EXPECT_EQ(parser->data(), ns::Data::fromString(xml));
        auto delegate = std::make_shared<RecordingXMLDelegate>();
        parser->setDelegate(delegate);
        EXPECT_TRUE(delegate->events.empty());  // nothing ran before parse()
        EXPECT_TRUE(parser->parse());
        EXPECT_EQ(delegate->events, (std::vector<std::string>{"<list n=2 a=x&y>", "<item>", "text:caf\xC3\xA9 <1>",
                                                              "</item>", "<item>", "</item>", "</list>"}));
    }

    // Validation: HTML is refused with -1016; a 500 with XML still parses, with the status error.
    ns::ErrorPtr error;
    EXPECT_TRUE(serializer->responseObjectForResponse(response(200, "text/html"), ns::Data::fromString(xml), &error).isNil());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), -1016);
    error.reset();
    EXPECT_TRUE(serializer->responseObjectForResponse(response(500, "text/xml"), ns::Data::fromString(xml), &error)
                    .as<ns::XMLParser>());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), -1011);
}

TEST(TNXMLParserResponseSerializerTest, MalformedOrHostileDocumentsFailWithAnError) {
    const std::string laughs =
        "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
        "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">"
        "<!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\"><!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\">]><l>&h;</l>";
    const std::string external = "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><l>&x;</l>";
    struct Case {
        const char* what;
        std::string xml;
        bool ok;
    };
    for (const Case& c : {Case{"mismatched", "<a>\n<b></a>", false}, Case{"unclosed", "<a>", false},
                          Case{"empty", "", false}, Case{"two roots", "<a/><b/>", false},
                          Case{"entity expansion bomb", laughs, false}, Case{"external entity", external, true}}) {
        auto parser = ns::XMLParser::create(ns::Data::fromString(c.xml));
        auto delegate = std::make_shared<RecordingXMLDelegate>();
        parser->setDelegate(delegate);
        EXPECT_EQ(parser->parse(), c.ok) << c.what;
        EXPECT_EQ(!parser->parserError(), c.ok) << c.what;
        if (!c.ok) {
            EXPECT_EQ(parser->parserError()->domain(), ns::kXMLParserErrorDomain) << c.what;
            EXPECT_EQ(delegate->events.back(), "error") << c.what;
        }
        // The outside world is never read into the document.
        for (const auto& event : delegate->events) EXPECT_EQ(event.find("root:"), std::string::npos) << c.what;
    }
    // A delegate can stop the run.
    class Stopper : public ns::XMLParserDelegate {
        void parserDidStartElement(ns::XMLParser& parser, const std::string&, const ns::Dictionary&) override {
            parser.abortParsing();
        }
    };
    auto parser = ns::XMLParser::create(ns::Data::fromString("<a><b/></a>"));
    auto stopper = std::make_shared<Stopper>();
    parser->setDelegate(stopper);
    EXPECT_FALSE(parser->parse());
    ASSERT_TRUE(parser->parserError());
    EXPECT_EQ(parser->parserError()->code(), 512);
}

}  // namespace
