// Reads many keys of one reply object with the rules of TAVOReplyReader,
// for records that are built by the hundred (device lists).
//
// Routers send the keys of each such object in one fixed order, and records
// read them in nearly that order: each key is looked for first where the
// previous one was found, so a key in order costs one comparison and a key
// out of order costs at most one pass over the object's keys.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/foundation/Value.h"

class TAVOOrderedFieldReader {
public:
    // Throws TAVOReplyShapeError unless `object` is a dictionary; `what`
    // names it in that error.
    TAVOOrderedFieldReader(const ns::Value& object, std::string_view what);

    // The same results and errors as TAVOReplyReader's functions of the same names.
    const ns::Value& lookup(std::string_view key);
    std::string text(std::string_view key);
    int integer(std::string_view key);

private:
    const ns::Dictionary& dictionary_;
    std::size_t next_ = 0;
};
