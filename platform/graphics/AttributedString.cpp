#include "platform/graphics/AttributedString.h"

#include <algorithm>

#include "platform/foundation/Log.h"

namespace ns {

std::shared_ptr<AttributedString> AttributedString::create(std::string_view text, const Attributes& attributes) {
    return createWithUTF16(utf16::fromUtf8(text), attributes);
}

std::shared_ptr<AttributedString> AttributedString::createWithUTF16(std::u16string text, const Attributes& attributes) {
    auto s = std::make_shared<AttributedString>();
    s->text_ = std::move(text);
    if (!s->text_.empty()) s->runs_.push_back({s->text_.size(), attributes});
    return s;
}

std::shared_ptr<AttributedString> AttributedString::copy() const {
    auto s = std::make_shared<AttributedString>();
    s->text_ = text_;
    s->runs_ = runs_;
    return s;
}

const std::string& AttributedString::string() const {
    if (!utf8Valid_) {
        utf8_ = utf16::toUtf8(text_);
        utf8Valid_ = true;
    }
    return utf8_;
}

bool AttributedString::checkRange(Range range, const char* operation) const {
    if (range.location <= text_.size() && range.length <= text_.size() - range.location) return true;
    logWarning(std::string("AttributedString ") + operation + ": range {" + std::to_string(range.location) + ", " +
               std::to_string(range.length) + "} out of bounds; length " + std::to_string(text_.size()));
    return false;
}

std::size_t AttributedString::runIndexAt(std::size_t index, std::size_t* runStart) const {
    std::size_t start = 0;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        if (index < start + runs_[i].length) {
            *runStart = start;
            return i;
        }
        start += runs_[i].length;
    }
    *runStart = start;
    return runs_.size();
}

Attributes AttributedString::attributesAtIndex(std::size_t index, Range* effective) const {
    return attributesAtIndex(index, effective, Range{0, text_.size()});
}

Attributes AttributedString::attributesAtIndex(std::size_t index, Range* longest, Range limit) const {
    std::size_t start;
    std::size_t i = runIndexAt(index, &start);
    if (i >= runs_.size()) {
        if (longest) *longest = notFoundRange();
        return {};
    }
    if (longest) {
        // Runs are kept merged, so a run is already the longest stretch.
        std::size_t lo = std::max(start, limit.location), hi = std::min(start + runs_[i].length, limit.max());
        *longest = hi > lo ? Range{lo, hi - lo} : Range{index, 0};
    }
    return runs_[i].attributes;
}

Value AttributedString::attributeAtIndex(std::string_view name, std::size_t index, Range* effective) const {
    return attributeAtIndex(name, index, effective, Range{0, text_.size()});
}

Value AttributedString::attributeAtIndex(std::string_view name, std::size_t index, Range* longest, Range limit) const {
    std::size_t start;
    std::size_t i = runIndexAt(index, &start);
    if (i >= runs_.size()) {
        if (longest) *longest = notFoundRange();
        return {};
    }
    Value value = runs_[i].attributes[name];
    if (longest) {
        std::size_t lo = start, hi = start + runs_[i].length;
        for (std::size_t j = i; j-- > 0 && lo > limit.location;) {
            if (!runs_[j].attributes[name].isEqual(value)) break;
            lo -= runs_[j].length;
        }
        for (std::size_t j = i + 1; j < runs_.size() && hi < limit.max(); ++j) {
            if (!runs_[j].attributes[name].isEqual(value)) break;
            hi += runs_[j].length;
        }
        lo = std::max(lo, limit.location);
        hi = std::min(hi, limit.max());
        *longest = hi > lo ? Range{lo, hi - lo} : Range{index, 0};
    }
    return value;
}

std::shared_ptr<AttributedString> AttributedString::attributedSubstringFromRange(Range range) const {
    if (!checkRange(range, "attributedSubstringFromRange")) return nullptr;
    auto out = std::make_shared<AttributedString>();
    out->text_ = text_.substr(range.location, range.length);
    std::size_t start = 0;
    for (const auto& run : runs_) {
        std::size_t lo = std::max(start, range.location), hi = std::min(start + run.length, range.max());
        if (hi > lo) out->runs_.push_back({hi - lo, run.attributes});
        start += run.length;
    }
    return out;
}

void AttributedString::enumerateAttributesInRange(Range range, unsigned options,
                                                  const std::function<void(const Attributes&, Range, bool*)>& block) const {
    if (!checkRange(range, "enumerateAttributesInRange")) return;
    std::vector<std::pair<Range, const Attributes*>> spans;
    std::size_t start = 0;
    for (const auto& run : runs_) {
        std::size_t lo = std::max(start, range.location), hi = std::min(start + run.length, range.max());
        if (hi > lo) spans.push_back({Range{lo, hi - lo}, &run.attributes});
        start += run.length;
    }
    if (options & AttributedStringEnumerationReverse) std::reverse(spans.begin(), spans.end());
    bool stop = false;
    for (const auto& [r, attrs] : spans) {
        Attributes copy = *attrs;  // the block may edit the string
        block(copy, r, &stop);
        if (stop) break;
    }
}

void AttributedString::enumerateAttribute(std::string_view name, Range range, unsigned options,
                                          const std::function<void(const Value&, Range, bool*)>& block) const {
    if (!checkRange(range, "enumerateAttribute")) return;
    std::vector<std::pair<Range, Value>> spans;
    std::size_t start = 0;
    for (const auto& run : runs_) {
        std::size_t lo = std::max(start, range.location), hi = std::min(start + run.length, range.max());
        if (hi > lo) {
            Value v = run.attributes[name];
            if (!spans.empty() && spans.back().second.isEqual(v) && spans.back().first.max() == lo) {
                spans.back().first.length += hi - lo;
            } else {
                spans.push_back({Range{lo, hi - lo}, v});
            }
        }
        start += run.length;
    }
    if (options & AttributedStringEnumerationReverse) std::reverse(spans.begin(), spans.end());
    bool stop = false;
    for (const auto& [r, v] : spans) {
        block(v, r, &stop);
        if (stop) break;
    }
}

bool AttributedString::isEqualToAttributedString(const AttributedString& other) const {
    if (text_ != other.text_ || runs_.size() != other.runs_.size()) return false;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        if (runs_[i].length != other.runs_[i].length || runs_[i].attributes != other.runs_[i].attributes) return false;
    }
    return true;
}

bool AttributedString::isEqual(const Object& other) const {
    auto* o = dynamic_cast<const AttributedString*>(&other);
    return o && isEqualToAttributedString(*o);
}

std::string AttributedString::description() const {
    std::string out;
    std::size_t start = 0;
    for (const auto& run : runs_) {
        out += utf16::toUtf8(text_.substr(start, run.length)) + "{";
        for (const auto& [k, v] : run.attributes) out += k + " = " + v.description() + "; ";
        out += "}";
        start += run.length;
    }
    return out;
}

std::size_t AttributedString::splitAt(std::size_t index) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        if (index == start) return i;
        if (index < start + runs_[i].length) {
            Run tail{start + runs_[i].length - index, runs_[i].attributes};
            runs_[i].length = index - start;
            runs_.insert(runs_.begin() + std::ptrdiff_t(i) + 1, std::move(tail));
            return i + 1;
        }
        start += runs_[i].length;
    }
    return runs_.size();
}

void AttributedString::normalize() {
    std::vector<Run> out;
    for (auto& run : runs_) {
        if (run.length == 0) continue;
        if (!out.empty() && out.back().attributes == run.attributes) {
            out.back().length += run.length;
        } else {
            out.push_back(std::move(run));
        }
    }
    runs_ = std::move(out);
    utf8Valid_ = false;
}

void AttributedString::setAttributes(const Attributes& attributes, Range range) {
    if (!checkRange(range, "setAttributes") || range.length == 0) return;
    std::size_t a = splitAt(range.location), b = splitAt(range.max());
    runs_.erase(runs_.begin() + std::ptrdiff_t(a), runs_.begin() + std::ptrdiff_t(b));
    runs_.insert(runs_.begin() + std::ptrdiff_t(a), Run{range.length, attributes});
    normalize();
}

void AttributedString::addAttribute(const std::string& name, const Value& value, Range range) {
    if (value.isNil()) return;
    Attributes one;
    one.set(name, value);
    addAttributes(one, range);
}

void AttributedString::addAttributes(const Attributes& attributes, Range range) {
    if (!checkRange(range, "addAttributes") || range.length == 0) return;
    std::size_t a = splitAt(range.location), b = splitAt(range.max());
    for (std::size_t i = a; i < b; ++i) runs_[i].attributes.addEntries(attributes);
    normalize();
}

void AttributedString::removeAttribute(std::string_view name, Range range) {
    if (!checkRange(range, "removeAttribute") || range.length == 0) return;
    std::size_t a = splitAt(range.location), b = splitAt(range.max());
    for (std::size_t i = a; i < b; ++i) runs_[i].attributes.remove(name);
    normalize();
}

void AttributedString::replace(Range range, const std::u16string& text, const std::vector<Run>& runs) {
    std::size_t a = splitAt(range.location), b = splitAt(range.max());
    runs_.erase(runs_.begin() + std::ptrdiff_t(a), runs_.begin() + std::ptrdiff_t(b));
    runs_.insert(runs_.begin() + std::ptrdiff_t(a), runs.begin(), runs.end());
    text_.replace(range.location, range.length, text);
    normalize();
}

void AttributedString::replaceCharactersInRange(Range range, std::string_view text) {
    if (!checkRange(range, "replaceCharactersInRange")) return;
    std::u16string units = utf16::fromUtf8(text);
    Attributes attrs;
    if (range.length > 0) {
        attrs = attributesAtIndex(range.location);
    } else if (range.location > 0) {
        attrs = attributesAtIndex(range.location - 1);
    } else if (!text_.empty()) {
        attrs = attributesAtIndex(0);
    }
    replace(range, units, units.empty() ? std::vector<Run>{} : std::vector<Run>{{units.size(), attrs}});
}

void AttributedString::replaceCharactersInRange(Range range, const AttributedString& text) {
    if (!checkRange(range, "replaceCharactersInRange")) return;
    // Copy first: the text may be this string itself.
    std::u16string units = text.text_;
    std::vector<Run> runs = text.runs_;
    replace(range, units, runs);
}

void AttributedString::insertAttributedString(const AttributedString& text, std::size_t location) {
    replaceCharactersInRange(Range{location, 0}, text);
}

void AttributedString::appendAttributedString(const AttributedString& text) {
    replaceCharactersInRange(Range{text_.size(), 0}, text);
}

void AttributedString::deleteCharactersInRange(Range range) {
    if (!checkRange(range, "deleteCharactersInRange")) return;
    replace(range, u"", {});
}

void AttributedString::setAttributedString(const AttributedString& text) {
    replaceCharactersInRange(Range{0, text_.size()}, text);
}

}  // namespace ns
