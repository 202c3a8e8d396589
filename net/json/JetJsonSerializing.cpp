#include "net/json/JetJsonSerializing.h"

#include "net/json/JTSerializer.h"

namespace {

ns::Value serialize(const ns::Value& object, unsigned options, unsigned asType, bool includeQuotes,
                    ns::ErrorPtr* error) {
    unsigned encodeOption = asType;
    if (object.isString())
        encodeOption |= kJTEncodeOptionStringObj | (includeQuotes ? 0 : kJTEncodeOptionStringObjTrimQuotes);
    else
        encodeOption |= kJTEncodeOptionCollectionObj;
    return JTSerializer::serializeObject(object, options, encodeOption, error);
}

}  // namespace

ns::Value JSONString(const ns::Value& object) { return JSONStringWithOptions(object, kJTSerializeOptionNone); }

ns::Value JSONStringWithOptions(const ns::Value& object, unsigned serializeOptions, ns::ErrorPtr* error) {
    return serialize(object, serializeOptions, kJTEncodeOptionAsString, true, error);
}

ns::Value JSONStringWithOptionsIncludeQuotes(const ns::Value& string, unsigned serializeOptions, bool includeQuotes,
                                             ns::ErrorPtr* error) {
    return serialize(string, serializeOptions, kJTEncodeOptionAsString, includeQuotes, error);
}

ns::Value JSONData(const ns::Value& object) { return JSONDataWithOptions(object, kJTSerializeOptionNone); }

ns::Value JSONDataWithOptions(const ns::Value& object, unsigned serializeOptions, ns::ErrorPtr* error) {
    return serialize(object, serializeOptions, kJTEncodeOptionAsData, true, error);
}

ns::Value JSONDataWithOptionsIncludeQuotes(const ns::Value& string, unsigned serializeOptions, bool includeQuotes,
                                           ns::ErrorPtr* error) {
    return serialize(string, serializeOptions, kJTEncodeOptionAsData, includeQuotes, error);
}
