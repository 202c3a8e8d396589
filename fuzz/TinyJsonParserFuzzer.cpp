// libFuzzer target: the TinyJson parser on arbitrary bytes. Whatever parses
// must be written back, and the written text must parse to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/json/TinyJsonParser.h"
#include "net/json/TinyJsonWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto parser = TinyJsonParser::create();
    ns::ErrorPtr error;
    const ns::Value value = parser->objectWithString(text, &error);
    if (value.isNil()) {
        if (!error || parser->errorTrace().empty()) std::abort();
        return 0;
    }
    auto writer = TinyJsonWriter::create();
    writer->setHumanReadable(size % 2 == 1);
    writer->setSortKeys(size % 3 == 1);
    const ns::Value written = writer->stringWithObject(value, &error);
    if (!written.isString()) std::abort();
    const ns::Value reread = parser->objectWithString(std::string_view(written.asString()), &error);
    if (!reread.isEqual(value)) std::abort();
    return 0;
}
