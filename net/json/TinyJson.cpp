#include "net/json/TinyJson.h"

#include "net/json/TinyJsonParser.h"
#include "net/json/TinyJsonWriter.h"
#include "platform/foundation/Log.h"

ns::Value JSONValue(std::string_view text) {
    auto parser = TinyJsonParser::create();
    ns::Value result = parser->objectWithString(text);
    if (result.isNil()) ns::logWarning("-JSONValue failed. Error trace is: " + parser->errorTraceDescription());
    return result;
}

ns::Value JSONRepresentation(const ns::Value& value) {
    auto writer = TinyJsonWriter::create();
    ns::Value result = writer->stringWithObject(value);
    if (result.isNil())
        ns::logWarning("-JSONRepresentation failed. Error trace is: " + writer->errorTraceDescription());
    return result;
}
