#include <gtest/gtest.h>

#include "emulator/HttpServer.h"
#include "net/http/TNArchivedHTTPValues.h"
#include "net/http/TNCompoundResponseSerializer.h"
#include "net/http/TNHTTPCodingClasses.h"
#include "net/http/TNHTTPRequestOperationManager.h"
#include "net/http/TNImageResponseSerializer.h"
#include "net/http/TNJSONRequestSerializer.h"
#include "net/http/TNJSONResponseSerializer.h"
#include "net/http/TNPropertyListRequestSerializer.h"
#include "net/http/TNPropertyListResponseSerializer.h"
#include "net/http/TNXMLParserResponseSerializer.h"
#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::runMainLoopUntil;

// Archives the object and reads it back as T (nullptr when that fails).
template <class T, class U>
std::shared_ptr<T> roundTrip(const std::shared_ptr<U>& object) {
    TNRegisterHTTPCodingClasses();
    auto data = ns::KeyedArchiver::archivedDataWithRootObject(ns::Value(object));
    if (!data) return nullptr;
    return ns::KeyedUnarchiver::unarchiveObjectWithData(*data).template as<T>();
}

TEST(TNArchivingTest, RequestSerializersKeepTheirHeadersStyleAndOwnSettings) {
    auto base = TNHTTPRequestSerializer::serializer();
    base->setValue("secret", "X-Token");
    base->setValue(std::nullopt, "User-Agent");
    base->timeoutInterval = 5;  // not archived
    auto back = roundTrip<TNHTTPRequestSerializer>(base);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->className(), "TNHTTPRequestSerializer");
    EXPECT_EQ(back->HTTPRequestHeaders().toDictionary(), base->HTTPRequestHeaders().toDictionary());
    EXPECT_FALSE(back->valueForHTTPHeaderField("User-Agent"));
    EXPECT_EQ(back->timeoutInterval, 60.0);

    auto json = roundTrip<TNJSONRequestSerializer>(TNJSONRequestSerializer::serializerWithWritingOptions(1));
    ASSERT_TRUE(json);
    EXPECT_EQ(json->writingOptions, 1u);
    auto plist = roundTrip<TNPropertyListRequestSerializer>(TNPropertyListRequestSerializer::serializerWithFormat(200, 3));
    ASSERT_TRUE(plist);
    EXPECT_EQ(plist->format, 200u);
    EXPECT_EQ(plist->writeOptions, 3u);
}

TEST(TNArchivingTest, ResponseSerializersKeepCodesTypesAndOwnSettings) {
    auto json = TNJSONResponseSerializer::serializerWithReadingOptions(4);
    json->acceptableStatusCodes = std::set<int>{200, 404};
    json->removesKeysWithNullValues = true;  // not archived
    auto jsonBack = roundTrip<TNJSONResponseSerializer>(json);
    ASSERT_TRUE(jsonBack);
    EXPECT_EQ(jsonBack->acceptableStatusCodes, json->acceptableStatusCodes);
    EXPECT_EQ(jsonBack->acceptableContentTypes, json->acceptableContentTypes);
    EXPECT_EQ(jsonBack->readingOptions, 4u);
    EXPECT_FALSE(jsonBack->removesKeysWithNullValues);

    // A base serializer without any sets stays without them.
    auto open = TNHTTPResponseSerializer::serializer();
    open->acceptableStatusCodes.reset();
    auto openBack = roundTrip<TNHTTPResponseSerializer>(open);
    ASSERT_TRUE(openBack);
    EXPECT_FALSE(openBack->acceptableStatusCodes);
    EXPECT_FALSE(openBack->acceptableContentTypes);

    auto image = TNImageResponseSerializer::serializer();
    image->imageScale = 3;
    image->automaticallyInflatesResponseImage = false;
    auto compound = TNCompoundResponseSerializer::compoundSerializerWithResponseSerializers(
        {image, TNXMLParserResponseSerializer::serializer(), TNPropertyListResponseSerializer::serializerWithFormat(200, 1)});
    auto back = roundTrip<TNCompoundResponseSerializer>(compound);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->responseSerializers.size(), 3u);
    auto imageBack = std::dynamic_pointer_cast<TNImageResponseSerializer>(back->responseSerializers[0]);
    ASSERT_TRUE(imageBack);
    EXPECT_EQ(imageBack->imageScale, 3);
    EXPECT_FALSE(imageBack->automaticallyInflatesResponseImage);
    EXPECT_EQ(back->responseSerializers[1]->className(), "TNXMLParserResponseSerializer");
    EXPECT_EQ(back->responseSerializers[1]->acceptableContentTypes, (std::set<std::string>{"application/xml", "text/xml"}));
    auto plistBack = std::dynamic_pointer_cast<TNPropertyListResponseSerializer>(back->responseSerializers[2]);
    ASSERT_TRUE(plistBack);
    EXPECT_EQ(plistBack->format, 200u);
    EXPECT_EQ(plistBack->readOptions, 1u);
}

TEST(TNArchivingTest, ManagerKeepsItsBaseURLAndSerializers) {
    auto manager = TNHTTPRequestOperationManager::initWithBaseURL(ns::URL::URLWithString("http://127.0.0.1:9/api"));
    manager->requestSerializer = TNJSONRequestSerializer::serializer();
    manager->responseSerializer = TNPropertyListResponseSerializer::serializer();
    manager->shouldUseCredentialStorage = false;  // not archived
    auto back = roundTrip<TNHTTPRequestOperationManager>(manager);
    ASSERT_TRUE(back);
    ASSERT_TRUE(back->baseURL());
    EXPECT_EQ(back->baseURL()->absoluteString(), "http://127.0.0.1:9/api/");
    EXPECT_TRUE(std::dynamic_pointer_cast<TNJSONRequestSerializer>(back->requestSerializer));
    EXPECT_TRUE(std::dynamic_pointer_cast<TNPropertyListResponseSerializer>(back->responseSerializer));
    EXPECT_TRUE(back->shouldUseCredentialStorage);
    EXPECT_EQ(back->resolvedURLString("x"), "http://127.0.0.1:9/api/x");
}

TEST(TNArchivingTest, OperationsKeepTheirExchangeAndAnExecutingOneIsPausedAndStoredReady) {
    emulator::HttpServer server;
    server.route("GET", "/json", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
        reply.contentType = "application/json";
        reply.body = "{\"a\":1}";
    });
    server.route("GET", "/slow", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
        reply.contentType = "application/octet-stream";
        reply.body = std::string(1000, 'x');
    });
    ASSERT_TRUE(server.start());
    auto manager = TNHTTPRequestOperationManager::manager();

    // Finished: everything of the exchange comes back, still finished.
    bool done = false;
    ns::MutableURLRequest request(ns::URL::URLWithString(server.url("/json")));
    request.setValue("yes", "X-Kept");
    request.setHTTPBody(ns::Data::fromString("body"));
    request.setHTTPMethod("GET");
    auto finished = manager->HTTPRequestOperationWithRequest(
        request, [&](const TNHTTPRequestOperationPtr&, const ns::Value&) { done = true; },
        [&](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr&) { done = true; });
    manager->operationQueue->addOperation(finished);
    ASSERT_TRUE(runMainLoopUntil([&] { return done; }, 10));
    auto back = roundTrip<TNHTTPRequestOperation>(finished);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->isFinished());
    EXPECT_EQ(back->request().url()->absoluteString(), server.url("/json"));
    EXPECT_EQ(back->request().valueForHTTPHeaderField("X-Kept").value_or(""), "yes");
    EXPECT_EQ(back->request().HTTPBody(), ns::Data::fromString("body"));
    ASSERT_TRUE(back->HTTPResponse());
    EXPECT_EQ(back->HTTPResponse()->statusCode(), 200);
    EXPECT_EQ(back->HTTPResponse()->MIMEType().value_or(""), "application/json");
    EXPECT_EQ(back->responseData(), ns::Data::fromString("{\"a\":1}"));
    EXPECT_EQ(back->totalBytesRead(), finished->totalBytesRead());
    EXPECT_TRUE(std::dynamic_pointer_cast<TNJSONResponseSerializer>(back->responseSerializer()));
    // Decoding works again from what was kept.
    EXPECT_EQ(back->responseObject(), ns::Value::dictionary({{"a", 1}}));

    // An error with a URL, a response object and an underlying error keeps
    // what is plain and its chain.
    ns::Dictionary info;
    info.set(ns::kLocalizedDescriptionKey, "broken");
    info.set(ns::kURLErrorFailingURLErrorKey, ns::Value(ns::URL::URLWithString("http://127.0.0.1/x")));
    info.set(ns::kUnderlyingErrorKey, ns::Value(ns::Error::create("inner", 7)));
    auto error = ns::Error::create("outer", -3, info);
    auto archivedError = TNErrorFromArchive(TNArchivedError(error));
    ASSERT_TRUE(archivedError && *archivedError);
    EXPECT_EQ((*archivedError)->domain(), "outer");
    EXPECT_EQ((*archivedError)->userInfo()[ns::kURLErrorFailingURLErrorKey], ns::Value("http://127.0.0.1/x"));
    ASSERT_TRUE((*archivedError)->underlyingError());
    EXPECT_EQ((*archivedError)->underlyingError()->code(), 7);

    // Executing: archiving pauses it, and it comes back ready with a range
    // continuing where its body stopped.
    server.setFault("/slow", emulator::Fault::stalling());
    auto executing = TNHTTPRequestOperation::create(ns::URLRequest(ns::URL::URLWithString(server.url("/slow"))));
    manager->operationQueue->addOperation(executing);
    ASSERT_TRUE(server.log().waitUntil([](const auto& entries) { return !entries.empty() && entries.back().path == "/slow"; }, 10));
    ASSERT_TRUE(runMainLoopUntil([&] { return executing->isExecuting(); }, 10));
    auto resumed = roundTrip<TNHTTPRequestOperation>(executing);
    ASSERT_TRUE(resumed);
    EXPECT_TRUE(executing->isPaused());
    EXPECT_TRUE(resumed->isReady());
    EXPECT_EQ(resumed->request().valueForHTTPHeaderField("Range").value_or(""), "bytes=0-");
}

TEST(TNArchivingTest, ArchivesOfTheWrongShapeReadAsNil) {
    TNRegisterHTTPCodingClasses();
    // A coded object whose fields hold the wrong kinds of values.
    class Forged : public ns::Object, public ns::Coding {
    public:
        explicit Forged(std::string name, std::function<void(ns::KeyedArchiver&)> write)
            : name_(std::move(name)), write_(std::move(write)) {}
        std::string className() const override { return name_; }
        void encodeWithCoder(ns::KeyedArchiver& coder) override { write_(coder); }
        bool initWithCoder(ns::KeyedUnarchiver&) override { return false; }

    private:
        std::string name_;
        std::function<void(ns::KeyedArchiver&)> write_;
    };
    struct Case {
        const char* what;
        const char* className;
        std::function<void(ns::KeyedArchiver&)> write;
    };
    const std::vector<Case> cases = {
        {"headers not a dictionary", "TNHTTPRequestSerializer",
         [](ns::KeyedArchiver& c) { c.encodeString("x", "mutableHTTPRequestHeaders"); }},
        {"header value not text", "TNHTTPRequestSerializer",
         [](ns::KeyedArchiver& c) { c.encodeObject(ns::Value::dictionary({{"A", 1}}), "mutableHTTPRequestHeaders"); }},
        {"status codes not numbers", "TNJSONResponseSerializer",
         [](ns::KeyedArchiver& c) { c.encodeObject(ns::Value::array({"two hundred"}), "acceptableStatusCodes"); }},
        {"member not a serializer", "TNCompoundResponseSerializer",
         [](ns::KeyedArchiver& c) { c.encodeObject(ns::Value::array({1}), "responseSerializers"); }},
        {"image scale of zero", "TNImageResponseSerializer", [](ns::KeyedArchiver& c) { c.encodeDouble(0, "imageScale"); }},
        {"operation without a request", "TNURLConnectionOperation", [](ns::KeyedArchiver& c) { c.encodeInt(1, "state"); }},
        {"operation in an impossible state", "TNURLConnectionOperation",
         [](ns::KeyedArchiver& c) {
             c.encodeObject(TNArchivedRequest(ns::URLRequest()), "request");
             c.encodeInt(2, "state");
         }},
        {"response of the wrong shape", "TNHTTPRequestOperation",
         [](ns::KeyedArchiver& c) {
             c.encodeObject(TNArchivedRequest(ns::URLRequest()), "request");
             c.encodeInt(1, "state");
             c.encodeObject(ns::Value::dictionary({{"statusCode", 200}, {"allHeaderFields", "x"}}), "response");
         }},
        {"base URL not a URL", "TNHTTPRequestOperationManager", [](ns::KeyedArchiver& c) { c.encodeString("", "baseURL"); }},
    };
    for (const auto& c : cases) {
        auto data = ns::KeyedArchiver::archivedDataWithRootObject(ns::Value(std::make_shared<Forged>(c.className, c.write)));
        ASSERT_TRUE(data) << c.what;
        EXPECT_TRUE(ns::KeyedUnarchiver::unarchiveObjectWithData(*data).isNil()) << c.what;
    }
}

}  // namespace
