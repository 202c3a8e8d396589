// One match of a regular expression or a data detector: its type, its
// range and the ranges of its capture groups (not found for groups that
// took no part), and for detector results the link or phone number found.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/Utf16.h"
#include "platform/foundation/Value.h"

namespace ns {

enum TextCheckingType : std::uint64_t {
    TextCheckingTypeDate = 1ull << 3,
    TextCheckingTypeAddress = 1ull << 4,
    TextCheckingTypeLink = 1ull << 5,
    TextCheckingTypePhoneNumber = 1ull << 11,
    TextCheckingTypeRegularExpression = 1ull << 10,
};

class TextCheckingResult : public Object {
public:
    static std::shared_ptr<TextCheckingResult> regularExpressionResult(std::vector<Range> ranges);
    static std::shared_ptr<TextCheckingResult> linkResult(Range range, URLPtr url);
    static std::shared_ptr<TextCheckingResult> phoneNumberResult(Range range, std::string phoneNumber);
    // An address: its components (street, city, ...) by key, in order.
    static std::shared_ptr<TextCheckingResult> addressResult(Range range, Dictionary components);

    TextCheckingType resultType() const { return type_; }
    Range range() const { return ranges_.empty() ? notFoundRange() : ranges_[0]; }
    std::size_t numberOfRanges() const { return ranges_.size(); }
    // Not found for a group that did not take part or an index past the groups.
    Range rangeAtIndex(std::size_t index) const { return index < ranges_.size() ? ranges_[index] : notFoundRange(); }
    // Link results.
    const URLPtr& URL() const { return url_; }
    // Phone-number results: the number as written.
    const std::string& phoneNumber() const { return phone_; }
    // Address results: the components as found.
    const Dictionary& addressComponents() const { return components_; }
    // The same result with every range moved by `offset` units.
    std::shared_ptr<TextCheckingResult> resultByAdjustingRangesWithOffset(std::ptrdiff_t offset) const;

    std::string description() const override;

    TextCheckingResult(TextCheckingType type, std::vector<Range> ranges) : type_(type), ranges_(std::move(ranges)) {}

private:
    TextCheckingType type_;
    std::vector<Range> ranges_;
    URLPtr url_;
    std::string phone_;
    Dictionary components_;
};

using TextCheckingResultPtr = std::shared_ptr<TextCheckingResult>;

}  // namespace ns
