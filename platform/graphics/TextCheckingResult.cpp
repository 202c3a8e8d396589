#include "platform/graphics/TextCheckingResult.h"

namespace ns {

std::shared_ptr<TextCheckingResult> TextCheckingResult::regularExpressionResult(std::vector<Range> ranges) {
    return std::make_shared<TextCheckingResult>(TextCheckingTypeRegularExpression, std::move(ranges));
}

std::shared_ptr<TextCheckingResult> TextCheckingResult::linkResult(Range range, URLPtr url) {
    auto r = std::make_shared<TextCheckingResult>(TextCheckingTypeLink, std::vector<Range>{range});
    r->url_ = std::move(url);
    return r;
}

std::shared_ptr<TextCheckingResult> TextCheckingResult::phoneNumberResult(Range range, std::string phoneNumber) {
    auto r = std::make_shared<TextCheckingResult>(TextCheckingTypePhoneNumber, std::vector<Range>{range});
    r->phone_ = std::move(phoneNumber);
    return r;
}

std::shared_ptr<TextCheckingResult> TextCheckingResult::addressResult(Range range, Dictionary components) {
    auto r = std::make_shared<TextCheckingResult>(TextCheckingTypeAddress, std::vector<Range>{range});
    r->components_ = std::move(components);
    return r;
}

std::shared_ptr<TextCheckingResult> TextCheckingResult::resultByAdjustingRangesWithOffset(std::ptrdiff_t offset) const {
    auto r = std::make_shared<TextCheckingResult>(type_, ranges_);
    for (auto& range : r->ranges_) {
        if (range.found()) range.location = std::size_t(std::ptrdiff_t(range.location) + offset);
    }
    r->url_ = url_;
    r->phone_ = phone_;
    r->components_ = components_;
    return r;
}

std::string TextCheckingResult::description() const {
    std::string out = "<TextCheckingResult: {" + std::to_string(range().location) + ", " + std::to_string(range().length) + "}";
    if (url_) out += " " + url_->absoluteString();
    if (!phone_.empty()) out += " " + phone_;
    return out + ">";
}

}  // namespace ns
