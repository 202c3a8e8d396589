#include "protocol/records/TAVOReplyReader.h"

#include "protocol/records/TAVOReplyShapeError.h"

namespace TAVOReplyReader {

namespace {
const ns::Value kNil;
}

const ns::Value& lookup(const ns::Value& object, std::string_view key) {
    if (object.isNil()) return kNil;
    if (!object.isDictionary())
        throw TAVOReplyShapeError("cannot look up \"" + std::string(key) + "\" in " + object.description());
    return object[key];
}

std::string text(const ns::Value& object, std::string_view key) { return textValue(lookup(object, key), key); }

std::string textValue(const ns::Value& value, std::string_view what) {
    if (value.isNil()) return {};
    if (!value.isString()) throw TAVOReplyShapeError("\"" + std::string(what) + "\" is not text");
    return value.asString();
}

int intFromText(const ns::Value& object, std::string_view key) {
    const ns::Value& value = lookup(object, key);
    if (value.isNil()) return 0;
    if (!value.isString()) throw TAVOReplyShapeError("\"" + std::string(key) + "\" is not text");
    return value.asString().empty() ? 0 : value.intValue();
}

int integerValue(const ns::Value& value, std::string_view what) {
    if (value.isNil()) return 0;
    if (value.isNumber() || value.isString()) return value.intValue();
    throw TAVOReplyShapeError("\"" + std::string(what) + "\" is neither a number nor text");
}

int integer(const ns::Value& object, std::string_view key) { return integerValue(lookup(object, key), key); }

const ns::Value& requireObject(const ns::Value& value, std::string_view what) {
    if (!value.isDictionary()) throw TAVOReplyShapeError(std::string(what) + " is not an object");
    return value;
}

}  // namespace TAVOReplyReader
