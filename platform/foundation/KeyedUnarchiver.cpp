#include "platform/foundation/KeyedUnarchiver.h"

#include <cstring>

#include "platform/foundation/CocoaError.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/KeyedArchiveFormat.h"

namespace ns {

// What every coder of one unarchiving shares.
struct KeyedUnarchiver::State {
    bool failed = false;
};

namespace {

// An archived object as read from the bytes, before its class recreates it.
class ArchivedObject : public Object {
public:
    ArchivedObject(std::string name, Dictionary fields) : name(std::move(name)), fields(std::move(fields)) {}
    std::string name;
    Dictionary fields;
};

// Reads items from the payload; every read is bounds-checked.
class Reader {
public:
    Reader(const std::uint8_t* bytes, std::size_t length) : p_(bytes), end_(bytes + length) {}
    bool done() const { return p_ == end_; }

    std::optional<Value> item(int depth) {
        if (depth > archive::kMaxDepth) return std::nullopt;
        std::uint8_t tag;
        if (!u8(tag)) return std::nullopt;
        switch (tag) {
            case archive::kNil: return Value();
            case archive::kNull: return Value::null();
            case archive::kFalse: return Value(false);
            case archive::kTrue: return Value(true);
            case archive::kInteger: {
                std::uint64_t v;
                if (!u64(v)) return std::nullopt;
                return Value(static_cast<std::int64_t>(v));
            }
            case archive::kUnsigned: {
                std::uint64_t v;
                if (!u64(v)) return std::nullopt;
                return Value(v);
            }
            case archive::kDouble:
            case archive::kDate: {
                std::uint64_t bits;
                if (!u64(bits)) return std::nullopt;
                double d;
                std::memcpy(&d, &bits, sizeof d);
                if (tag == archive::kDouble) return Value(d);
                return Value(Date::withTimeIntervalSince1970(d));
            }
            case archive::kDecimal:
            case archive::kString: {
                std::string s;
                if (!string(s)) return std::nullopt;
                return tag == archive::kString ? Value(std::move(s)) : Value::decimal(std::move(s));
            }
            case archive::kData: {
                std::uint32_t n;
                if (!u32(n) || remaining() < n) return std::nullopt;
                Data d(p_, n);
                p_ += n;
                return Value(std::move(d));
            }
            case archive::kArray: {
                std::uint32_t n;
                if (!u32(n) || remaining() < n) return std::nullopt;  // every item takes a byte at least
                Array a;
                a.reserve(n);
                for (std::uint32_t i = 0; i < n; ++i) {
                    auto v = item(depth + 1);
                    if (!v) return std::nullopt;
                    a.push_back(std::move(*v));
                }
                return Value(std::move(a));
            }
            case archive::kDictionary: {
                auto fields = entries(depth);
                if (!fields) return std::nullopt;
                return Value(std::move(*fields));
            }
            case archive::kObject: {
                std::string name;
                if (!string(name) || name.empty()) return std::nullopt;
                auto fields = entries(depth);
                if (!fields) return std::nullopt;
                return Value(std::make_shared<ArchivedObject>(std::move(name), std::move(*fields)));
            }
            default: return std::nullopt;
        }
    }

private:
    std::size_t remaining() const { return static_cast<std::size_t>(end_ - p_); }
    bool u8(std::uint8_t& v) {
        if (remaining() < 1) return false;
        v = *p_++;
        return true;
    }
    bool u32(std::uint32_t& v) {
        if (remaining() < 4) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(p_[i]) << (8 * i);
        p_ += 4;
        return true;
    }
    bool u64(std::uint64_t& v) {
        if (remaining() < 8) return false;
        v = 0;
        for (int i = 0; i < 8; ++i) v |= static_cast<std::uint64_t>(p_[i]) << (8 * i);
        p_ += 8;
        return true;
    }
    bool string(std::string& s) {
        std::uint32_t n;
        if (!u32(n) || remaining() < n) return false;
        s.assign(reinterpret_cast<const char*>(p_), n);
        p_ += n;
        return true;
    }
    std::optional<Dictionary> entries(int depth) {
        std::uint32_t n;
        // Every entry takes five bytes at least (key length and a tag).
        if (!u32(n) || remaining() / 5 < n) return std::nullopt;
        Dictionary d;
        for (std::uint32_t i = 0; i < n; ++i) {
            std::string key;
            if (!string(key)) return std::nullopt;
            auto v = item(depth + 1);
            if (!v) return std::nullopt;
            d.set(std::move(key), std::move(*v));
        }
        return d;
    }

    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

bool holdsObjects(const Value& v) {
    if (v.isObject()) return true;
    if (v.isArray()) {
        for (const Value& item : v.asArray()) {
            if (holdsObjects(item)) return true;
        }
    } else if (v.isDictionary()) {
        for (const auto& [key, item] : v.asDictionary()) {
            if (holdsObjects(item)) return true;
        }
    }
    return false;
}

}  // namespace

Value KeyedUnarchiver::materialize(State& state, const Value& raw, int depth) {
    if (state.failed) return Value();
    if (raw.isObject()) {
        auto archived = raw.as<ArchivedObject>();
        if (!archived) return Value();
        std::shared_ptr<Coding> coding = ClassRegistry<Coding>::create(archived->name);
        ObjectPtr object = std::dynamic_pointer_cast<Object>(coding);
        if (!object) {
            state.failed = true;  // an unknown class: the archive cannot be read
            return Value();
        }
        KeyedUnarchiver coder(state, archived->fields, depth);
        if (!coding->initWithCoder(coder) || state.failed) return Value();
        return Value(object);
    }
    if (!holdsObjects(raw)) return raw;
    if (raw.isArray()) {
        Array out;
        out.reserve(raw.asArray().size());
        for (const Value& item : raw.asArray()) out.push_back(materialize(state, item, depth + 1));
        return Value(std::move(out));
    }
    Dictionary out;
    for (const auto& [key, item] : raw.asDictionary()) {
        Value v = materialize(state, item, depth + 1);
        if (!v.isNil()) out.set(key, std::move(v));
    }
    return Value(std::move(out));
}

Value KeyedUnarchiver::unarchiveObjectWithData(const Data& data, ErrorPtr* error) {
    auto corrupt = [&] {
        setError(error, cocoaError(kCoderReadCorruptError, "The data couldn’t be read because it isn’t in the correct format."));
        return Value();
    };
    if (data.length() < archive::kHeaderSize || std::memcmp(data.bytes(), archive::kMagic, sizeof archive::kMagic) != 0) {
        return corrupt();
    }
    std::uint64_t length = 0;
    for (int i = 0; i < 8; ++i) length |= static_cast<std::uint64_t>(data.bytes()[8 + i]) << (8 * i);
    if (length != data.length() - archive::kHeaderSize) return corrupt();
    Reader reader(data.bytes() + archive::kHeaderSize, data.length() - archive::kHeaderSize);
    auto raw = reader.item(1);
    if (!raw || !reader.done()) return corrupt();
    State state;
    Value root = materialize(state, *raw, 1);
    if (state.failed) return corrupt();
    return root;
}

Value KeyedUnarchiver::unarchiveObjectWithFile(const std::string& path) {
    auto data = dataWithContentsOfFile(path);
    return data ? unarchiveObjectWithData(*data) : Value();
}

bool KeyedUnarchiver::containsValueForKey(const std::string& key) const { return fields_.contains(key); }

Value KeyedUnarchiver::decodeObjectForKey(const std::string& key) { return materialize(state_, raw(key), depth_ + 1); }

std::int64_t KeyedUnarchiver::decodeIntForKey(const std::string& key) const {
    const Value& v = raw(key);
    return v.isNumber() ? v.longLongValue() : 0;
}

bool KeyedUnarchiver::decodeBoolForKey(const std::string& key) const {
    const Value& v = raw(key);
    return v.isNumber() && v.boolValue();
}

double KeyedUnarchiver::decodeDoubleForKey(const std::string& key) const {
    const Value& v = raw(key);
    return v.isNumber() ? v.doubleValue() : 0.0;
}

std::optional<std::string> KeyedUnarchiver::decodeStringForKey(const std::string& key) const {
    const Value& v = raw(key);
    if (v.isString()) return v.asString();
    return std::nullopt;
}

std::optional<Data> KeyedUnarchiver::decodeDataForKey(const std::string& key) const {
    const Value& v = raw(key);
    if (v.isData()) return v.asData();
    return std::nullopt;
}

}  // namespace ns
