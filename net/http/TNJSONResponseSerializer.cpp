#include "net/http/TNJSONResponseSerializer.h"

#include "net/json/JetJsonDeserializing.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

std::shared_ptr<TNJSONResponseSerializer> TNJSONResponseSerializer::serializerWithReadingOptions(unsigned options) {
    auto serializer = std::shared_ptr<TNJSONResponseSerializer>(new TNJSONResponseSerializer());
    serializer->readingOptions = options;
    return serializer;
}

TNJSONResponseSerializer::TNJSONResponseSerializer() {
    acceptableContentTypes = std::set<std::string>{"application/json", "text/json", "text/javascript"};
}

std::shared_ptr<TNHTTPResponseSerializer> TNJSONResponseSerializer::makeEmpty() const { return serializer(); }

void TNJSONResponseSerializer::copySettingsInto(TNHTTPResponseSerializer& copy) const {
    static_cast<TNJSONResponseSerializer&>(copy).readingOptions = readingOptions;
}

ns::Value TNJSONResponseSerializer::responseObjectForResponse(const ns::URLResponsePtr& response,
                                                              const std::optional<ns::Data>& data,
                                                              ns::ErrorPtr* error) {
    if (!validateResponse(response, data, error) && shouldSkipDecoding(error)) return ns::Value();
    if (!data) return ns::Value();
    auto text = ns::str::fromData(*data, encodingForResponse(response));
    if (!text || *text == " ") return ns::Value();
    ns::Value object;
    ns::ErrorPtr serializationError;
    if (!text->empty()) {
        // The decoder reads UTF-8; our text already is.
        object = objectFromJSONStringWithParseOptions(*text, 0, &serializationError);
        if (object.isNil() && !serializationError)
            serializationError = ns::Error::withDescription(TNURLResponseSerializationErrorDomain,
                                                            ns::kURLErrorCannotDecodeContentData,
                                                            "Data failed decoding as JSON");
    }
    if (removesKeysWithNullValues && !object.isNil()) object = TNStripNullValues(object);
    if (error) *error = TNChainUnderlyingError(serializationError, *error);
    return object;
}

void TNJSONResponseSerializer::encodeWithCoder(ns::KeyedArchiver& coder) {
    TNHTTPResponseSerializer::encodeWithCoder(coder);
    coder.encodeInt(readingOptions, "readingOptions");
}

bool TNJSONResponseSerializer::initWithCoder(ns::KeyedUnarchiver& coder) {
    if (!TNHTTPResponseSerializer::initWithCoder(coder)) return false;
    readingOptions = static_cast<unsigned>(coder.decodeIntForKey("readingOptions"));
    return true;
}
