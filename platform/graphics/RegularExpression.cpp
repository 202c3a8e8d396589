#include "platform/graphics/RegularExpression.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <algorithm>

#include "platform/foundation/CocoaError.h"

namespace ns {

struct RegularExpression::Impl {
    std::unique_ptr<icu::RegexPattern> pattern;
};

namespace {

Range clampRange(Range r, std::size_t length, bool* valid) {
    *valid = r.location <= length && r.length <= length - r.location;
    return r;
}

}  // namespace

std::shared_ptr<RegularExpression> RegularExpression::create(std::string_view pattern, unsigned options, ErrorPtr* error) {
    uint32_t flags = 0;
    if (options & RegularExpressionCaseInsensitive) flags |= UREGEX_CASE_INSENSITIVE;
    if (options & RegularExpressionAllowCommentsAndWhitespace) flags |= UREGEX_COMMENTS;
    if (options & RegularExpressionIgnoreMetacharacters) flags |= UREGEX_LITERAL;
    if (options & RegularExpressionDotMatchesLineSeparators) flags |= UREGEX_DOTALL;
    if (options & RegularExpressionAnchorsMatchLines) flags |= UREGEX_MULTILINE;
    if (options & RegularExpressionUseUnixLineSeparators) flags |= UREGEX_UNIX_LINES;
    if (options & RegularExpressionUseUnicodeWordBoundaries) flags |= UREGEX_UWORD;
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    std::u16string units = utf16::fromUtf8(pattern);
    icu::UnicodeString upattern(false, reinterpret_cast<const UChar*>(units.data()), int32_t(units.size()));
    std::unique_ptr<icu::RegexPattern> compiled(icu::RegexPattern::compile(upattern, flags, parseError, status));
    if (U_FAILURE(status) || !compiled) {
        if (error) {
            Dictionary info;
            info.set("NSInvalidValue", Value(std::string(pattern)));
            info.set("NSLocalizedDescription",
                     Value("The value \u201c" + std::string(pattern) + "\u201d is invalid."));
            *error = Error::create(kCocoaErrorDomain, 2048, info);
        }
        return nullptr;
    }
    auto re = std::make_shared<RegularExpression>();
    re->pattern_ = std::string(pattern);
    re->options_ = options;
    re->impl_ = std::make_unique<Impl>();
    re->impl_->pattern = std::move(compiled);
    return re;
}

RegularExpression::RegularExpression() = default;
RegularExpression::~RegularExpression() = default;

std::size_t RegularExpression::numberOfCaptureGroups() const {
    if (!impl_) return 0;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> m(impl_->pattern->matcher(status));
    return U_SUCCESS(status) ? std::size_t(m->groupCount()) : 0;
}

void RegularExpression::collect(const std::u16string& text, unsigned options, Range range,
                                const std::function<bool(const TextCheckingResultPtr&)>& visit) const {
    if (!impl_) return;
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString utext(false, reinterpret_cast<const UChar*>(text.data()), int32_t(text.size()));
    std::unique_ptr<icu::RegexMatcher> m(impl_->pattern->matcher(utext, status));
    if (U_FAILURE(status)) return;
    m->region(int64_t(range.location), int64_t(range.max()), status);
    m->useTransparentBounds(options & MatchingWithTransparentBounds);
    m->useAnchoringBounds(!(options & MatchingWithoutAnchoringBounds));
    bool anchored = options & MatchingAnchored;
    int64_t expectedStart = int64_t(range.location);
    while (U_SUCCESS(status)) {
        bool found = anchored ? (expectedStart == int64_t(range.location) ? m->lookingAt(status) : m->find(status))
                              : m->find(status);
        if (!found || U_FAILURE(status)) break;
        int64_t start = m->start64(status);
        if (anchored && start != expectedStart) break;
        std::vector<Range> ranges;
        for (int32_t g = 0; g <= m->groupCount(); ++g) {
            int64_t s = m->start64(g, status), e = m->end64(g, status);
            ranges.push_back(s < 0 ? notFoundRange() : Range{std::size_t(s), std::size_t(e - s)});
        }
        expectedStart = m->end64(status);
        if (!visit(TextCheckingResult::regularExpressionResult(std::move(ranges)))) break;
        if (anchored && expectedStart == int64_t(range.max())) break;
    }
}

std::vector<TextCheckingResultPtr> RegularExpression::matchesInString(std::string_view text, unsigned options,
                                                                      Range range) const {
    std::vector<TextCheckingResultPtr> out;
    enumerateMatchesInString(text, options, range, [&](const TextCheckingResultPtr& r, bool*) { out.push_back(r); });
    return out;
}

std::vector<TextCheckingResultPtr> RegularExpression::matchesInString(std::string_view text) const {
    return matchesInString(text, 0, Range{0, utf16::length(text)});
}

std::size_t RegularExpression::numberOfMatchesInString(std::string_view text, unsigned options, Range range) const {
    return matchesInString(text, options, range).size();
}

TextCheckingResultPtr RegularExpression::firstMatchInString(std::string_view text, unsigned options, Range range) const {
    TextCheckingResultPtr first;
    enumerateMatchesInString(text, options, range, [&](const TextCheckingResultPtr& r, bool* stop) {
        first = r;
        *stop = true;
    });
    return first;
}

Range RegularExpression::rangeOfFirstMatchInString(std::string_view text, unsigned options, Range range) const {
    auto r = firstMatchInString(text, options, range);
    return r ? r->range() : notFoundRange();
}

void RegularExpression::enumerateMatchesInString(std::string_view text, unsigned options, Range range,
                                                 const std::function<void(const TextCheckingResultPtr&, bool*)>& block) const {
    std::u16string units = utf16::fromUtf8(text);
    bool valid;
    clampRange(range, units.size(), &valid);
    if (!valid) return;
    collect(units, options, range, [&](const TextCheckingResultPtr& r) {
        bool stop = false;
        block(r, &stop);
        return !stop;
    });
}

std::string RegularExpression::replacementStringForResult(const TextCheckingResult& result, std::string_view text,
                                                          std::ptrdiff_t offset, std::string_view templ) const {
    std::u16string units = utf16::fromUtf8(text);
    std::u16string t = utf16::fromUtf8(templ);
    std::u16string out;
    auto group = [&](std::size_t g) {
        Range r = result.rangeAtIndex(g);
        if (!r.found()) return;
        std::ptrdiff_t loc = std::ptrdiff_t(r.location) + offset;
        if (loc < 0 || std::size_t(loc) + r.length > units.size()) return;
        out += units.substr(std::size_t(loc), r.length);
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        char16_t c = t[i];
        if (c == u'\\' && i + 1 < t.size()) {
            out += t[++i];
        } else if (c == u'$' && i + 1 < t.size() && t[i + 1] >= u'0' && t[i + 1] <= u'9') {
            // The longest group number that exists, as the platform reads it.
            std::size_t g = std::size_t(t[++i] - u'0');
            while (i + 1 < t.size() && t[i + 1] >= u'0' && t[i + 1] <= u'9' &&
                   g * 10 + std::size_t(t[i + 1] - u'0') < result.numberOfRanges()) {
                g = g * 10 + std::size_t(t[++i] - u'0');
            }
            group(g);
        } else {
            out += c;
        }
    }
    return utf16::toUtf8(out);
}

std::size_t RegularExpression::replaceMatchesInString(std::string& text, unsigned options, Range range,
                                                      std::string_view templ) const {
    auto matches = matchesInString(text, options, range);
    if (matches.empty()) return 0;
    std::u16string units = utf16::fromUtf8(text);
    std::u16string out;
    std::size_t pos = 0;
    for (const auto& m : matches) {
        Range r = m->range();
        out += units.substr(pos, r.location - pos);
        out += utf16::fromUtf8(replacementStringForResult(*m, text, 0, templ));
        pos = r.max();
    }
    out += units.substr(pos);
    text = utf16::toUtf8(out);
    return matches.size();
}

std::string RegularExpression::stringByReplacingMatchesInString(std::string_view text, unsigned options, Range range,
                                                                std::string_view templ) const {
    std::string copy(text);
    replaceMatchesInString(copy, options, range, templ);
    return copy;
}

std::string RegularExpression::escapedPatternForString(std::string_view text) {
    static const std::string special = "\\*?+[(){}^$|./";
    std::string out;
    for (char c : text) {
        if (special.find(c) != std::string::npos) out += '\\';
        out += c;
    }
    return out;
}

std::string RegularExpression::escapedTemplateForString(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '$') out += '\\';
        out += c;
    }
    return out;
}

}  // namespace ns
