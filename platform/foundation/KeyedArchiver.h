// ns::KeyedArchiver: turns a value tree, including objects that implement
// ns::Coding, into bytes of our own keyed-archive format (KeyedArchiveFormat.h).
//
// Archiving fails (nothing / false) when the tree holds an object that cannot
// code itself or nests deeper than the format allows (an object that contains
// itself, for instance), as the platform refuses such archives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Value.h"

namespace ns {

class KeyedArchiver {
public:
    static std::optional<Data> archivedDataWithRootObject(const Value& root);
    // Writes the archive to the file atomically; false when archiving or writing fails.
    static bool archiveRootObject(const Value& root, const std::string& path);

    // Called from Coding::encodeWithCoder. A key encoded twice keeps the last value.
    void encodeObject(const Value& value, const std::string& key);
    void encodeInt(std::int64_t value, const std::string& key);
    void encodeInteger(std::int64_t value, const std::string& key) { encodeInt(value, key); }
    void encodeBool(bool value, const std::string& key);
    void encodeDouble(double value, const std::string& key);
    void encodeFloat(float value, const std::string& key) { encodeDouble(value, key); }
    void encodeString(const std::string& value, const std::string& key);
    void encodeData(const Data& value, const std::string& key);

private:
    KeyedArchiver() = default;
    using Frame = std::vector<std::pair<std::string, std::string>>;  // key -> encoded item
    void put(const std::string& key, std::string item);
    bool writeItem(std::string& out, const Value& value, int depth);
    bool writeObject(std::string& out, const ObjectPtr& object, int depth);

    std::vector<Frame> frames_;
    bool failed_ = false;
    int depth_ = 0;
};

}  // namespace ns
