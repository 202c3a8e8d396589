// ns::Value: the one dynamic value of Keelbox.
//
// It carries parameter dictionaries, JSON, property lists, user defaults,
// notification objects and user info: nil (absent), null, bool, signed and
// unsigned integers, doubles, exact decimals (kept as their text), strings,
// bytes, dates, arrays, insertion-ordered dictionaries and object pointers.
//
// Arrays and dictionaries are shared copy-on-write: copying a Value is cheap,
// and mutating one copy never changes another.
//
// The conversions mirror the platform's: intValue of "12abc" is 12, of "abc"
// is 0, of an absent value is 0; boolValue of "YES", "true" or "1" is true.
#pragma once

#include <cstdint>
#include <cstring>
#include <new>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

namespace ns {

class Value;
class Array;
class Dictionary;

enum class ValueKind {
    Nil,         // absent: a missing key, an empty result
    Null,        // the platform's null object (JSON null)
    Bool,
    Integer,     // signed 64-bit
    Unsigned,    // unsigned 64-bit
    Double,
    Decimal,     // an exact decimal number, kept as its text
    String,
    Data,
    Date,
    Array,
    Dictionary,
    Object,
};

class Value {
public:
    struct NullTag {
        bool operator==(const NullTag&) const { return true; }
    };
    struct DecimalText {
        std::string text;
        bool operator==(const DecimalText& o) const { return text == o.text; }
    };

    Value() noexcept {}  // nil
    Value(std::nullptr_t) noexcept {}  // nil
    Value(bool b) noexcept : kind_(ValueKind::Bool) { b_ = b; }
    template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> && std::is_signed_v<T>, int> = 0>
    Value(T i) noexcept : kind_(ValueKind::Integer) { i_ = static_cast<std::int64_t>(i); }
    template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> && std::is_unsigned_v<T>, int> = 0>
    Value(T u) noexcept : kind_(ValueKind::Unsigned) { u_ = static_cast<std::uint64_t>(u); }
    Value(double d) noexcept : kind_(ValueKind::Double) { d_ = d; }
    Value(float f) noexcept : kind_(ValueKind::Double) { d_ = static_cast<double>(f); }
    Value(const char* s);  // nullptr gives nil
    Value(std::string s) noexcept : kind_(ValueKind::String) { new (&s_) std::string(std::move(s)); }
    Value(std::string_view s) : kind_(ValueKind::String) { new (&s_) std::string(s); }
    Value(Data d) noexcept : kind_(ValueKind::Data) { new (&data_) Data(std::move(d)); }
    Value(Date d) noexcept : kind_(ValueKind::Date) { new (&date_) Date(d); }
    Value(Array a);
    Value(Dictionary d);
    template <class T, std::enable_if_t<std::is_base_of_v<Object, T>, int> = 0>
    Value(std::shared_ptr<T> o) noexcept {
        if (o) {
            new (&object_) ObjectPtr(std::static_pointer_cast<Object>(std::move(o)));
            kind_ = ValueKind::Object;
        }
    }

    Value(const Value& o) { copyFrom(o); }
    Value(Value&& o) noexcept {
        // Plain kinds are copied as they are; the others move and leave the
        // source nil.
        if (o.kind_ <= ValueKind::Double || o.kind_ == ValueKind::Date) {
            std::memcpy(static_cast<void*>(this), static_cast<const void*>(&o), sizeof(Value));
        } else {
            moveFrom(std::move(o));
        }
    }
    Value& operator=(const Value& o) {
        if (this != &o) {
            Value copy(o);
            *this = std::move(copy);
        }
        return *this;
    }
    Value& operator=(Value&& o) noexcept {
        if (this != &o) {
            // Taken first: o may live inside the value this one drops.
            Value taken(std::move(o));
            if (kind_ > ValueKind::Double && kind_ != ValueKind::Date) destroy();
            new (this) Value(std::move(taken));
        }
        return *this;
    }
    ~Value() {
        if (kind_ > ValueKind::Double && kind_ != ValueKind::Date) destroy();
    }

    static Value null() {
        Value v;
        v.kind_ = ValueKind::Null;
        return v;
    }
    static Value decimal(std::string text) {
        Value v;
        new (&v.decimal_) DecimalText{std::move(text)};
        v.kind_ = ValueKind::Decimal;
        return v;
    }
    static Value array(std::initializer_list<Value> items);
    static Value dictionary(std::initializer_list<std::pair<std::string, Value>> items);

    ValueKind kind() const { return kind_; }
    bool isNil() const { return kind() == ValueKind::Nil; }
    bool isNull() const { return kind() == ValueKind::Null; }
    // Nil or null: "nothing there" in the loose sense many callers want.
    bool isNilOrNull() const { return isNil() || isNull(); }
    bool isBool() const { return kind() == ValueKind::Bool; }
    // Any number: bool, integer, unsigned, double or decimal (the platform's NSNumber).
    bool isNumber() const;
    bool isInteger() const { return kind() == ValueKind::Integer || kind() == ValueKind::Unsigned; }
    bool isDouble() const { return kind() == ValueKind::Double; }
    bool isDecimal() const { return kind() == ValueKind::Decimal; }
    bool isString() const { return kind() == ValueKind::String; }
    bool isData() const { return kind() == ValueKind::Data; }
    bool isDate() const { return kind() == ValueKind::Date; }
    bool isArray() const { return kind() == ValueKind::Array; }
    bool isDictionary() const { return kind() == ValueKind::Dictionary; }
    bool isObject() const { return kind() == ValueKind::Object; }
    explicit operator bool() const { return !isNil(); }

    // --- Conversions as the platform makes them -------------------------
    // Numbers convert; strings are scanned from the start (leading white
    // space, sign, digits); anything else gives 0 / false.
    int intValue() const;
    std::int64_t longLongValue() const;
    std::int64_t integerValue() const { return longLongValue(); }
    std::uint64_t unsignedLongLongValue() const;
    unsigned unsignedIntValue() const { return static_cast<unsigned>(unsignedLongLongValue()); }
    float floatValue() const { return static_cast<float>(doubleValue()); }
    double doubleValue() const;
    bool boolValue() const;
    // A number's text ("12", "1.5", "1" for YES); a string itself; "" otherwise.
    std::string stringValue() const;

    // --- Typed access (an empty value when the kind differs) ------------
    const std::string& asString() const { return kind_ == ValueKind::String ? s_ : emptyString(); }
    const Data& asData() const;
    Date asDate() const;
    const Array& asArray() const;
    const Dictionary& asDictionary() const;
    const std::string& decimalText() const;  // "" unless a decimal
    ObjectPtr asObject() const;
    template <class T>
    std::shared_ptr<T> as() const { return std::dynamic_pointer_cast<T>(asObject()); }

    // Mutable access: turns the value into an empty array / dictionary first
    // when it is not one; unshares a shared one (copy-on-write).
    Array& mutableArray();
    Dictionary& mutableDictionary();

    // Dictionary lookup: nil when absent or when this is not a dictionary.
    const Value& operator[](std::string_view key) const;
    const Value& operator[](const char* key) const { return (*this)[std::string_view(key)]; }
    // Array element: nil when out of range or not an array.
    const Value& operator[](std::size_t index) const;
    const Value& operator[](int index) const;
    // Element count of an array or dictionary, bytes of data, else 0.
    std::size_t count() const;

    // The platform's equality: numbers compare by value across kinds
    // (YES equals 1), strings exactly, collections deeply, objects by isEqual.
    bool isEqual(const Value& other) const;
    bool operator==(const Value& other) const { return isEqual(other); }
    bool operator!=(const Value& other) const { return !isEqual(other); }

    // The platform's description: what "%@" prints.
    std::string description() const;

private:
    static const std::string& emptyString();
    void copyFrom(const Value& o);
    void moveFrom(Value&& o) noexcept;
    void destroy() noexcept;
    void describe(std::string& out, int indent) const;

    // The kind says which member holds the value; nil and null hold none.
    union {
        bool b_;
        std::int64_t i_;
        std::uint64_t u_;
        double d_;
        DecimalText decimal_;
        std::string s_;
        Data data_;
        Date date_;
        std::shared_ptr<Array> array_;
        std::shared_ptr<Dictionary> dictionary_;
        ObjectPtr object_;
    };
    ValueKind kind_ = ValueKind::Nil;
};

// An array of values.
class Array : public std::vector<Value> {
public:
    using std::vector<Value>::vector;
    Array() = default;
    Array(std::vector<Value> v) : std::vector<Value>(std::move(v)) {}
    bool containsObject(const Value& v) const;
    // Index of the first equal element, or npos.
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::size_t indexOfObject(const Value& v) const;
};

// A dictionary with string keys that keeps its keys in insertion order.
class Dictionary {
public:
    using Entry = std::pair<std::string, Value>;
    Dictionary() = default;
    Dictionary(std::initializer_list<Entry> items);
    Dictionary(const Dictionary& o);
    Dictionary(Dictionary&&) noexcept = default;
    Dictionary& operator=(const Dictionary& o);
    Dictionary& operator=(Dictionary&&) noexcept = default;

    std::size_t size() const { return entries_.size(); }
    std::size_t count() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    // Nil when absent.
    const Value& operator[](std::string_view key) const;
    const Value* find(std::string_view key) const;
    Value* find(std::string_view key);
    bool contains(std::string_view key) const { return find(key) != nullptr; }
    // Sets a key: replaces in place (keeping its position) or appends.
    // Setting nil removes the key, as the platform's setValue:forKey: does.
    void set(std::string key, Value value);
    // Appends a key the caller knows is not present yet (a decoder that has
    // checked its keys): set() without the search. The value must not be nil.
    void appendNew(std::string key, Value value);
    bool remove(std::string_view key);
    void clear() { entries_.clear(); index_.reset(); }
    // Room for n entries, for builders that know the count in advance.
    void reserve(std::size_t n) { entries_.reserve(n); }
    // Adds every entry of another dictionary (later wins).
    void addEntries(const Dictionary& other);

    std::vector<std::string> keys() const;
    std::vector<Value> values() const;
    // Keys in byte order of their text.
    std::vector<std::string> sortedKeys() const;

    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }
    const std::vector<Entry>& entries() const { return entries_; }

    bool operator==(const Dictionary& o) const;
    bool operator!=(const Dictionary& o) const { return !(*this == o); }

private:
    // Past this many keys a hash index speeds up lookups; below it a scan is faster.
    static constexpr std::size_t kIndexThreshold = 12;
    void rebuildIndex();
    void indexEntry(std::size_t position);
    std::vector<Entry> entries_;
    // The index: an open-addressed table of entry positions plus one (0 is a
    // free slot), hashed by key text; its slot count (a power of two) is in
    // element 0. One block that copies no key, for dictionaries past the
    // threshold; null below it.
    std::unique_ptr<std::uint32_t[]> index_;
};

// The platform's NSString scanning rules, exposed for text conversions.
std::int64_t scanLongLong(std::string_view text);
double scanDouble(std::string_view text);
bool scanBool(std::string_view text);
// The shortest text that reads back as the same double ("1.5", "0.1", "3").
std::string formatDouble(double d);

}  // namespace ns
