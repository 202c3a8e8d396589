#include "platform/foundation/Value.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace ns {

namespace {

const Value& nilValue() {
    static const Value v;
    return v;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Whether a string may stand unquoted in a collection's description.
bool plainInDescription(const std::string& s) {
    if (s.empty()) return false;
    for (unsigned char c : s) {
        if (!(std::isalnum(c) || c == '_' || c == '.' || c == '$' || c == '/' || c == ':' || c >= 0x80)) return false;
    }
    return true;
}

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            default: out.push_back(c);
        }
    }
    out.push_back('"');
    return out;
}

std::string dateDescription(const Date& d) {
    double secs = std::floor(d.timeIntervalSince1970());
    std::time_t t = static_cast<std::time_t>(secs);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buf[64];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S +0000", &tm);
    return buf;
}

}  // namespace

// ---------------------------------------------------------------- scanning

std::int64_t scanLongLong(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulate as a negative number so that INT64_MIN fits; saturate.
    std::int64_t acc = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        int digit = text[i] - '0';
        if (acc < (INT64_MIN + digit) / 10) {
            overflow = true;
        } else {
            acc = acc * 10 - digit;
        }
    }
    if (overflow) return negative ? INT64_MIN : INT64_MAX;
    if (!negative) return acc == INT64_MIN ? INT64_MAX : -acc;
    return acc;
}

double scanDouble(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    }
    if (!digits) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t save = i++;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
        } else {
            i = save;
        }
    }
    std::string part(text.substr(start, i - start));
    if (!part.empty() && part[0] == '+') part.erase(0, 1);
    return std::strtod(part.c_str(), nullptr);
}

bool scanBool(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && text[i] == '0') ++i;
    if (i >= text.size()) return false;
    char c = text[i];
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

std::string formatDouble(double d) {
    if (std::isnan(d)) return "nan";
    if (std::isinf(d)) return d < 0 ? "-inf" : "inf";
    if (d == std::floor(d) && std::fabs(d) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", d);
        std::string s = buf;
        return s == "-0" ? "-0" : s;
    }
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, d);
    return std::string(buf, res.ptr);
}

// ------------------------------------------------------------------- Value

static_assert(std::is_trivially_copyable_v<Date>, "a Value moves a date as plain bytes");

Value::Value(const char* s) {
    if (s) {
        new (&s_) std::string(s);
        kind_ = ValueKind::String;
    }
}
Value::Value(Array a) : kind_(ValueKind::Array) { new (&array_) std::shared_ptr<Array>(std::make_shared<Array>(std::move(a))); }
Value::Value(Dictionary d) : kind_(ValueKind::Dictionary) {
    new (&dictionary_) std::shared_ptr<Dictionary>(std::make_shared<Dictionary>(std::move(d)));
}

const std::string& Value::emptyString() {
    static const std::string empty;
    return empty;
}

void Value::copyFrom(const Value& o) {
    switch (o.kind_) {
        case ValueKind::Decimal: new (&decimal_) DecimalText(o.decimal_); break;
        case ValueKind::String: new (&s_) std::string(o.s_); break;
        case ValueKind::Data: new (&data_) Data(o.data_); break;
        case ValueKind::Array: new (&array_) std::shared_ptr<Array>(o.array_); break;
        case ValueKind::Dictionary: new (&dictionary_) std::shared_ptr<Dictionary>(o.dictionary_); break;
        case ValueKind::Object: new (&object_) ObjectPtr(o.object_); break;
        default: std::memcpy(static_cast<void*>(this), static_cast<const void*>(&o), sizeof(Value)); return;
    }
    kind_ = o.kind_;
}

void Value::moveFrom(Value&& o) noexcept {
    // The source is left nil: each member it held is moved out, then ended.
    switch (o.kind_) {
        case ValueKind::Decimal:
            new (&decimal_) DecimalText(std::move(o.decimal_));
            o.decimal_.~DecimalText();
            break;
        case ValueKind::String:
            new (&s_) std::string(std::move(o.s_));
            o.s_.~basic_string();
            break;
        case ValueKind::Data:
            new (&data_) Data(std::move(o.data_));
            o.data_.~Data();
            break;
        case ValueKind::Array:
            new (&array_) std::shared_ptr<Array>(std::move(o.array_));
            o.array_.~shared_ptr();
            break;
        case ValueKind::Dictionary:
            new (&dictionary_) std::shared_ptr<Dictionary>(std::move(o.dictionary_));
            o.dictionary_.~shared_ptr();
            break;
        case ValueKind::Object:
            new (&object_) ObjectPtr(std::move(o.object_));
            o.object_.~shared_ptr();
            break;
        default: std::memcpy(static_cast<void*>(this), static_cast<const void*>(&o), sizeof(Value)); return;
    }
    kind_ = o.kind_;
    o.kind_ = ValueKind::Nil;
}

void Value::destroy() noexcept {
    switch (kind_) {
        case ValueKind::Decimal: decimal_.~DecimalText(); break;
        case ValueKind::String: s_.~basic_string(); break;
        case ValueKind::Data: data_.~Data(); break;
        case ValueKind::Array: array_.~shared_ptr(); break;
        case ValueKind::Dictionary: dictionary_.~shared_ptr(); break;
        case ValueKind::Object: object_.~shared_ptr(); break;
        default: break;
    }
    kind_ = ValueKind::Nil;
}

Value Value::array(std::initializer_list<Value> items) { return Value(Array(items)); }

Value Value::dictionary(std::initializer_list<std::pair<std::string, Value>> items) {
    Dictionary d;
    for (auto& [k, v] : items) d.set(k, v);
    return Value(std::move(d));
}

bool Value::isNumber() const {
    switch (kind()) {
        case ValueKind::Bool:
        case ValueKind::Integer:
        case ValueKind::Unsigned:
        case ValueKind::Double:
        case ValueKind::Decimal: return true;
        default: return false;
    }
}

std::int64_t Value::longLongValue() const {
    switch (kind()) {
        case ValueKind::Bool: return b_ ? 1 : 0;
        case ValueKind::Integer: return i_;
        case ValueKind::Unsigned: return static_cast<std::int64_t>(u_);
        case ValueKind::Double: {
            double d = d_;
            if (std::isnan(d)) return 0;
            if (d >= 9.2233720368547758e18) return INT64_MAX;
            if (d <= -9.2233720368547758e18) return INT64_MIN;
            return static_cast<std::int64_t>(d);
        }
        case ValueKind::Decimal: {
            const auto& t = decimal_.text;
            if (t.find_first_of(".eE") != std::string::npos) {
                return Value(scanDouble(t)).longLongValue();
            }
            return scanLongLong(t);
        }
        case ValueKind::String: return scanLongLong(s_);
        default: return 0;
    }
}

int Value::intValue() const {
    if (kind() == ValueKind::String) {
        // The platform's intValue of text saturates at the 32-bit limits.
        auto v = scanLongLong(s_);
        if (v > INT_MAX) return INT_MAX;
        if (v < INT_MIN) return INT_MIN;
        return static_cast<int>(v);
    }
    if (kind() == ValueKind::Double) {
        double d = d_;
        if (std::isnan(d)) return 0;
        if (d >= 2147483647.0) return INT_MAX;
        if (d <= -2147483648.0) return INT_MIN;
        return static_cast<int>(d);
    }
    // A number's intValue truncates to 32 bits.
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(longLongValue())));
}

std::uint64_t Value::unsignedLongLongValue() const {
    switch (kind()) {
        case ValueKind::Unsigned: return u_;
        case ValueKind::Double: {
            double d = d_;
            if (!(d > 0)) return static_cast<std::uint64_t>(static_cast<std::int64_t>(d));
            if (d >= 1.8446744073709552e19) return UINT64_MAX;
            return static_cast<std::uint64_t>(d);
        }
        case ValueKind::String:
        case ValueKind::Decimal: {
            const std::string& t = kind() == ValueKind::String ? s_
                                                               : decimal_.text;
            std::size_t i = 0;
            while (i < t.size() && isSpace(t[i])) ++i;
            if (i < t.size() && t[i] == '-') return static_cast<std::uint64_t>(scanLongLong(t));
            if (i < t.size() && t[i] == '+') ++i;
            std::uint64_t acc = 0;
            for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
                unsigned digit = static_cast<unsigned>(t[i] - '0');
                if (acc > (UINT64_MAX - digit) / 10) return UINT64_MAX;
                acc = acc * 10 + digit;
            }
            return acc;
        }
        default: return static_cast<std::uint64_t>(longLongValue());
    }
}

double Value::doubleValue() const {
    switch (kind()) {
        case ValueKind::Bool: return b_ ? 1.0 : 0.0;
        case ValueKind::Integer: return static_cast<double>(i_);
        case ValueKind::Unsigned: return static_cast<double>(u_);
        case ValueKind::Double: return d_;
        case ValueKind::Decimal: return scanDouble(decimal_.text);
        case ValueKind::String: return scanDouble(s_);
        default: return 0.0;
    }
}

bool Value::boolValue() const {
    switch (kind()) {
        case ValueKind::Bool: return b_;
        case ValueKind::Integer: return i_ != 0;
        case ValueKind::Unsigned: return u_ != 0;
        case ValueKind::Double: return d_ != 0.0;
        case ValueKind::Decimal: return scanDouble(decimal_.text) != 0.0;
        case ValueKind::String: return scanBool(s_);
        default: return false;
    }
}

std::string Value::stringValue() const {
    switch (kind()) {
        case ValueKind::Bool: return b_ ? "1" : "0";
        case ValueKind::Integer: return std::to_string(i_);
        case ValueKind::Unsigned: return std::to_string(u_);
        case ValueKind::Double: return formatDouble(d_);
        case ValueKind::Decimal: return decimal_.text;
        case ValueKind::String: return s_;
        default: return std::string();
    }
}

const Data& Value::asData() const {
    static const Data empty;
    if (kind_ == ValueKind::Data) return data_;
    return empty;
}

Date Value::asDate() const {
    if (kind_ == ValueKind::Date) return date_;
    return Date();
}

const Array& Value::asArray() const {
    static const Array empty;
    if (kind_ == ValueKind::Array) return *array_;
    return empty;
}

const Dictionary& Value::asDictionary() const {
    static const Dictionary empty;
    if (kind_ == ValueKind::Dictionary) return *dictionary_;
    return empty;
}

const std::string& Value::decimalText() const {
    static const std::string empty;
    if (kind_ == ValueKind::Decimal) return decimal_.text;
    return empty;
}

ObjectPtr Value::asObject() const {
    if (kind_ == ValueKind::Object) return object_;
    return nullptr;
}

Array& Value::mutableArray() {
    if (kind_ != ValueKind::Array) {
        *this = Value(Array());
    } else if (array_.use_count() > 1) {
        array_ = std::make_shared<Array>(*array_);
    }
    return *array_;
}

Dictionary& Value::mutableDictionary() {
    if (kind_ != ValueKind::Dictionary) {
        *this = Value(Dictionary());
    } else if (dictionary_.use_count() > 1) {
        dictionary_ = std::make_shared<Dictionary>(*dictionary_);
    }
    return *dictionary_;
}

const Value& Value::operator[](std::string_view key) const {
    if (kind_ == ValueKind::Dictionary) return (*dictionary_)[key];
    return nilValue();
}

const Value& Value::operator[](std::size_t index) const {
    if (kind_ == ValueKind::Array && index < array_->size()) return (*array_)[index];
    return nilValue();
}

const Value& Value::operator[](int index) const {
    if (index < 0) return nilValue();
    return (*this)[static_cast<std::size_t>(index)];
}

std::size_t Value::count() const {
    switch (kind()) {
        case ValueKind::Array: return asArray().size();
        case ValueKind::Dictionary: return asDictionary().size();
        case ValueKind::Data: return asData().length();
        default: return 0;
    }
}

bool Value::isEqual(const Value& other) const {
    if (isNumber() && other.isNumber()) {
        // Integers compare exactly; anything with a fraction compares as double.
        auto exactInt = [](const Value& v) {
            return v.kind() == ValueKind::Bool || v.kind() == ValueKind::Integer || v.kind() == ValueKind::Unsigned;
        };
        if (exactInt(*this) && exactInt(other)) {
            bool aNeg = kind() == ValueKind::Integer && i_ < 0;
            bool bNeg = other.kind() == ValueKind::Integer && other.i_ < 0;
            if (aNeg != bNeg) return false;
            if (aNeg) return longLongValue() == other.longLongValue();
            return unsignedLongLongValue() == other.unsignedLongLongValue();
        }
        if (isDecimal() && other.isDecimal()) return decimalText() == other.decimalText() || doubleValue() == other.doubleValue();
        return doubleValue() == other.doubleValue();
    }
    if (kind() != other.kind()) return false;
    switch (kind()) {
        case ValueKind::Nil:
        case ValueKind::Null: return true;
        case ValueKind::String: return asString() == other.asString();
        case ValueKind::Data: return asData() == other.asData();
        case ValueKind::Date: return asDate() == other.asDate();
        case ValueKind::Array: {
            const auto& a = asArray();
            const auto& b = other.asArray();
            if (&a == &b) return true;
            if (a.size() != b.size()) return false;
            for (std::size_t i = 0; i < a.size(); ++i)
                if (!a[i].isEqual(b[i])) return false;
            return true;
        }
        case ValueKind::Dictionary: return asDictionary() == other.asDictionary();
        case ValueKind::Object: {
            auto a = asObject();
            auto b = other.asObject();
            return a == b || (a && b && a->isEqual(*b));
        }
        default: return false;
    }
}

std::string Value::description() const {
    std::string out;
    describe(out, 0);
    return out;
}

void Value::describe(std::string& out, int indent) const {
    auto pad = [&](int n) { out.append(static_cast<std::size_t>(n) * 4, ' '); };
    switch (kind()) {
        case ValueKind::Nil: out += "(null)"; break;
        case ValueKind::Null: out += "<null>"; break;
        case ValueKind::String:
            // Top-level strings describe as themselves; inside collections
            // they are quoted when they hold anything but plain characters.
            if (indent > 0 && !plainInDescription(asString())) {
                out += quoted(asString());
            } else {
                out += asString();
            }
            break;
        case ValueKind::Data: out += asData().description(); break;
        case ValueKind::Date: out += dateDescription(asDate()); break;
        case ValueKind::Array: {
            const auto& a = asArray();
            out += "(";
            if (a.empty()) {
                out += ")";
                break;
            }
            out += "\n";
            for (std::size_t i = 0; i < a.size(); ++i) {
                pad(indent + 1);
                a[i].describe(out, indent + 1);
                if (i + 1 < a.size()) out += ",";
                out += "\n";
            }
            pad(indent);
            out += ")";
            break;
        }
        case ValueKind::Dictionary: {
            const auto& d = asDictionary();
            out += "{";
            if (d.empty()) {
                out += "}";
                break;
            }
            out += "\n";
            for (const auto& [k, v] : d) {
                pad(indent + 1);
                out += plainInDescription(k) ? k : quoted(k);
                out += " = ";
                v.describe(out, indent + 1);
                out += ";\n";
            }
            pad(indent);
            out += "}";
            break;
        }
        case ValueKind::Object: {
            auto o = asObject();
            out += o ? o->description() : "(null)";
            break;
        }
        default:
            // Numbers: the same text as stringValue.
            out += stringValue();
            break;
    }
}

// ------------------------------------------------------------------- Array

bool Array::containsObject(const Value& v) const { return indexOfObject(v) != npos; }

std::size_t Array::indexOfObject(const Value& v) const {
    for (std::size_t i = 0; i < size(); ++i)
        if ((*this)[i].isEqual(v)) return i;
    return npos;
}

// -------------------------------------------------------------- Dictionary

Dictionary::Dictionary(std::initializer_list<Entry> items) {
    for (const auto& [k, v] : items) set(k, v);
}

const Value& Dictionary::operator[](std::string_view key) const {
    if (auto p = find(key)) return *p;
    return nilValue();
}

namespace {
std::size_t keyHash(std::string_view key) { return std::hash<std::string_view>()(key); }
}  // namespace

Dictionary::Dictionary(const Dictionary& o) : entries_(o.entries_) {
    if (o.index_) {
        const std::size_t n = o.index_[0] + 1;
        index_ = std::make_unique<std::uint32_t[]>(n);
        std::copy(o.index_.get(), o.index_.get() + n, index_.get());
    }
}

Dictionary& Dictionary::operator=(const Dictionary& o) {
    if (this != &o) {
        Dictionary copy(o);
        *this = std::move(copy);
    }
    return *this;
}

const Value* Dictionary::find(std::string_view key) const {
    if (index_) {
        const std::size_t mask = index_[0] - 1;
        for (std::size_t slot = keyHash(key) & mask;; slot = (slot + 1) & mask) {
            const std::uint32_t position = index_[1 + slot];
            if (position == 0) return nullptr;
            if (entries_[position - 1].first == key) return &entries_[position - 1].second;
        }
    }
    for (const auto& e : entries_)
        if (e.first == key) return &e.second;
    return nullptr;
}

Value* Dictionary::find(std::string_view key) {
    return const_cast<Value*>(static_cast<const Dictionary*>(this)->find(key));
}

void Dictionary::rebuildIndex() {
    if (entries_.size() <= kIndexThreshold) {
        index_.reset();
        return;
    }
    // At most half the slots in use, so that probes stay short.
    std::size_t slots = 32;
    while (slots < entries_.size() * 2) slots <<= 1;
    index_ = std::make_unique<std::uint32_t[]>(slots + 1);  // zeroed: every slot free
    index_[0] = static_cast<std::uint32_t>(slots);
    for (std::size_t i = 0; i < entries_.size(); ++i) indexEntry(i);
}

void Dictionary::indexEntry(std::size_t position) {
    const std::size_t mask = index_[0] - 1;
    std::size_t slot = keyHash(entries_[position].first) & mask;
    while (index_[1 + slot] != 0) slot = (slot + 1) & mask;
    index_[1 + slot] = static_cast<std::uint32_t>(position + 1);
}

void Dictionary::set(std::string key, Value value) {
    if (value.isNil()) {
        remove(key);
        return;
    }
    if (auto p = find(key)) {
        *p = std::move(value);
        return;
    }
    appendNew(std::move(key), std::move(value));
}

void Dictionary::appendNew(std::string key, Value value) {
    entries_.emplace_back(std::move(key), std::move(value));
    if (index_) {
        if (entries_.size() * 2 > index_[0])
            rebuildIndex();
        else
            indexEntry(entries_.size() - 1);
    } else if (entries_.size() > kIndexThreshold) {
        rebuildIndex();
    }
}

bool Dictionary::remove(std::string_view key) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.first == key; });
    if (it == entries_.end()) return false;
    entries_.erase(it);
    if (index_) rebuildIndex();
    return true;
}

void Dictionary::addEntries(const Dictionary& other) {
    for (const auto& [k, v] : other) set(k, v);
}

std::vector<std::string> Dictionary::keys() const {
    std::vector<std::string> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_) out.push_back(e.first);
    return out;
}

std::vector<Value> Dictionary::values() const {
    std::vector<Value> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_) out.push_back(e.second);
    return out;
}

std::vector<std::string> Dictionary::sortedKeys() const {
    auto k = keys();
    std::sort(k.begin(), k.end());
    return k;
}

bool Dictionary::operator==(const Dictionary& o) const {
    if (size() != o.size()) return false;
    for (const auto& [k, v] : entries_) {
        auto p = o.find(k);
        if (!p || !v.isEqual(*p)) return false;
    }
    return true;
}

}  // namespace ns
