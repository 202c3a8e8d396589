#include "protocol/records/TAVOOrderedFieldReader.h"

#include "protocol/records/TAVOReplyReader.h"

namespace {
const ns::Value kNil;
}

TAVOOrderedFieldReader::TAVOOrderedFieldReader(const ns::Value& object, std::string_view what)
    : dictionary_(TAVOReplyReader::requireObject(object, what).asDictionary()) {}

const ns::Value& TAVOOrderedFieldReader::lookup(std::string_view key) {
    const auto& entries = dictionary_.entries();
    const std::size_t count = entries.size();
    for (std::size_t step = 0; step < count; ++step) {
        std::size_t at = next_ + step;
        if (at >= count) at -= count;
        if (entries[at].first == key) {
            next_ = at + 1 == count ? 0 : at + 1;
            return entries[at].second;
        }
    }
    return kNil;
}

std::string TAVOOrderedFieldReader::text(std::string_view key) { return TAVOReplyReader::textValue(lookup(key), key); }

int TAVOOrderedFieldReader::integer(std::string_view key) { return TAVOReplyReader::integerValue(lookup(key), key); }
