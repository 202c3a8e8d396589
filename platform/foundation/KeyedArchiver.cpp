#include "platform/foundation/KeyedArchiver.h"

#include <cstring>

#include "platform/foundation/FileData.h"
#include "platform/foundation/KeyedArchiveFormat.h"
#include "platform/foundation/Log.h"

namespace ns {

namespace {

void putU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}
void putU64(std::string& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}
void putDouble(std::string& out, double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    putU64(out, bits);
}
bool putBytes(std::string& out, const void* bytes, std::size_t length) {
    if (length > UINT32_MAX) return false;
    putU32(out, static_cast<std::uint32_t>(length));
    out.append(static_cast<const char*>(bytes), length);
    return true;
}
bool putString(std::string& out, const std::string& s) { return putBytes(out, s.data(), s.size()); }

}  // namespace

std::optional<Data> KeyedArchiver::archivedDataWithRootObject(const Value& root) {
    KeyedArchiver archiver;
    std::string payload;
    if (!archiver.writeItem(payload, root, 1) || archiver.failed_) return std::nullopt;
    std::string out(archive::kMagic, sizeof archive::kMagic);
    putU64(out, payload.size());
    out += payload;
    return Data::fromString(out);
}

bool KeyedArchiver::archiveRootObject(const Value& root, const std::string& path) {
    auto data = archivedDataWithRootObject(root);
    return data && writeDataToFile(*data, path, true);
}

bool KeyedArchiver::writeItem(std::string& out, const Value& value, int depth) {
    if (depth > archive::kMaxDepth) {
        logWarning("Keyed archive refused: the value tree nests too deep (does an object contain itself?)");
        return false;
    }
    switch (value.kind()) {
        case ValueKind::Nil: out.push_back(archive::kNil); return true;
        case ValueKind::Null: out.push_back(archive::kNull); return true;
        case ValueKind::Bool: out.push_back(value.boolValue() ? archive::kTrue : archive::kFalse); return true;
        case ValueKind::Integer:
            out.push_back(archive::kInteger);
            putU64(out, static_cast<std::uint64_t>(value.longLongValue()));
            return true;
        case ValueKind::Unsigned:
            out.push_back(archive::kUnsigned);
            putU64(out, value.unsignedLongLongValue());
            return true;
        case ValueKind::Double:
            out.push_back(archive::kDouble);
            putDouble(out, value.doubleValue());
            return true;
        case ValueKind::Decimal: out.push_back(archive::kDecimal); return putString(out, value.decimalText());
        case ValueKind::String: out.push_back(archive::kString); return putString(out, value.asString());
        case ValueKind::Data:
            out.push_back(archive::kData);
            return putBytes(out, value.asData().bytes(), value.asData().length());
        case ValueKind::Date:
            out.push_back(archive::kDate);
            putDouble(out, value.asDate().timeIntervalSince1970());
            return true;
        case ValueKind::Array:
            out.push_back(archive::kArray);
            putU32(out, static_cast<std::uint32_t>(value.asArray().size()));
            for (const Value& item : value.asArray()) {
                if (!writeItem(out, item, depth + 1)) return false;
            }
            return true;
        case ValueKind::Dictionary:
            out.push_back(archive::kDictionary);
            putU32(out, static_cast<std::uint32_t>(value.asDictionary().size()));
            for (const auto& [key, item] : value.asDictionary()) {
                if (!putString(out, key) || !writeItem(out, item, depth + 1)) return false;
            }
            return true;
        case ValueKind::Object: return writeObject(out, value.asObject(), depth);
    }
    return false;
}

bool KeyedArchiver::writeObject(std::string& out, const ObjectPtr& object, int depth) {
    auto* coding = dynamic_cast<Coding*>(object.get());
    if (!coding) {
        logWarning("Keyed archive refused: " + object->className() + " cannot code itself");
        return false;
    }
    frames_.emplace_back();
    int savedDepth = depth_;
    depth_ = depth;
    coding->encodeWithCoder(*this);
    depth_ = savedDepth;
    Frame frame = std::move(frames_.back());
    frames_.pop_back();
    if (failed_) return false;
    out.push_back(archive::kObject);
    if (!putString(out, object->className())) return false;
    putU32(out, static_cast<std::uint32_t>(frame.size()));
    for (const auto& [key, item] : frame) {
        if (!putString(out, key)) return false;
        out += item;
    }
    return true;
}

void KeyedArchiver::put(const std::string& key, std::string item) {
    if (frames_.empty()) return;  // only meaningful inside encodeWithCoder
    for (auto& entry : frames_.back()) {
        if (entry.first == key) {
            entry.second = std::move(item);
            return;
        }
    }
    frames_.back().emplace_back(key, std::move(item));
}

void KeyedArchiver::encodeObject(const Value& value, const std::string& key) {
    std::string item;
    if (!writeItem(item, value, depth_ + 1)) {
        failed_ = true;
        return;
    }
    put(key, std::move(item));
}

void KeyedArchiver::encodeInt(std::int64_t value, const std::string& key) { encodeObject(Value(value), key); }
void KeyedArchiver::encodeBool(bool value, const std::string& key) { encodeObject(Value(value), key); }
void KeyedArchiver::encodeDouble(double value, const std::string& key) { encodeObject(Value(value), key); }
void KeyedArchiver::encodeString(const std::string& value, const std::string& key) { encodeObject(Value(value), key); }
void KeyedArchiver::encodeData(const Data& value, const std::string& key) { encodeObject(Value(value), key); }

}  // namespace ns
