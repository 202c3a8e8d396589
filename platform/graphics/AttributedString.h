// Text with attributes over UTF-16 ranges: the string type the text layer
// lays out and draws. One class serves both the immutable and the mutable
// uses; copy() gives an independent copy.
//
// Out-of-range reads answer "nothing here" (empty attributes, a not-found
// range) and out-of-range edits change nothing and log a warning, where the
// platform would raise: bad input never takes the program down.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/Utf16.h"
#include "platform/foundation/Value.h"

namespace ns {

using Attributes = Dictionary;

enum AttributedStringEnumerationOptions : unsigned {
    AttributedStringEnumerationReverse = 1u << 1,
    AttributedStringEnumerationLongestEffectiveRangeNotRequired = 1u << 20,
};

class AttributedString : public Object {
public:
    static std::shared_ptr<AttributedString> create(std::string_view text = "", const Attributes& attributes = {});
    static std::shared_ptr<AttributedString> createWithUTF16(std::u16string text, const Attributes& attributes = {});
    std::shared_ptr<AttributedString> copy() const;

    // The text as UTF-8.
    const std::string& string() const;
    const std::u16string& utf16() const { return text_; }
    // In UTF-16 units.
    std::size_t length() const { return text_.size(); }

    // The attributes at an index and the range over which they hold.
    Attributes attributesAtIndex(std::size_t index, Range* effectiveRange = nullptr) const;
    // As above, with the longest such range inside `rangeLimit`.
    Attributes attributesAtIndex(std::size_t index, Range* longestEffectiveRange, Range rangeLimit) const;
    Value attributeAtIndex(std::string_view name, std::size_t index, Range* effectiveRange = nullptr) const;
    Value attributeAtIndex(std::string_view name, std::size_t index, Range* longestEffectiveRange, Range rangeLimit) const;
    // Null when the range does not lie inside the string.
    std::shared_ptr<AttributedString> attributedSubstringFromRange(Range range) const;

    // Visits each stretch of equal attributes (or of one attribute's equal
    // value) inside the range; the block may set *stop.
    void enumerateAttributesInRange(Range range, unsigned options,
                                    const std::function<void(const Attributes&, Range, bool*)>& block) const;
    void enumerateAttribute(std::string_view name, Range range, unsigned options,
                            const std::function<void(const Value&, Range, bool*)>& block) const;
    bool isEqualToAttributedString(const AttributedString& other) const;

    // --- editing ---
    void setAttributes(const Attributes& attributes, Range range);
    // A nil value changes nothing.
    void addAttribute(const std::string& name, const Value& value, Range range);
    void addAttributes(const Attributes& attributes, Range range);
    void removeAttribute(std::string_view name, Range range);
    // New characters take the attributes of the first replaced character,
    // or of the character before an insertion point, or of the first one.
    void replaceCharactersInRange(Range range, std::string_view text);
    void replaceCharactersInRange(Range range, const AttributedString& text);
    void insertAttributedString(const AttributedString& text, std::size_t location);
    void appendAttributedString(const AttributedString& text);
    void deleteCharactersInRange(Range range);
    void setAttributedString(const AttributedString& text);
    // Editing batches change nothing here; kept so callers read as on the platform.
    void beginEditing() {}
    void endEditing() {}

    bool isEqual(const Object& other) const override;
    std::string description() const override;

    struct Run {
        std::size_t length;
        Attributes attributes;
    };
    const std::vector<Run>& runs() const { return runs_; }

private:
    bool checkRange(Range range, const char* operation) const;
    // Makes a run start at `index` and returns that run's position.
    std::size_t splitAt(std::size_t index);
    void normalize();
    std::size_t runIndexAt(std::size_t index, std::size_t* runStart) const;
    void replace(Range range, const std::u16string& text, const std::vector<Run>& runs);

    std::u16string text_;
    std::vector<Run> runs_;
    mutable std::string utf8_;
    mutable bool utf8Valid_ = false;
};

using AttributedStringPtr = std::shared_ptr<AttributedString>;

}  // namespace ns
