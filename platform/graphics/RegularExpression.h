// Regular expressions on ICU, as the platform offers them: ranges in UTF-16
// units, capture groups that did not take part reported as not found, and
// replacement templates with $0..$9 and backslash escapes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Error.h"
#include "platform/graphics/TextCheckingResult.h"

namespace icu_72 { class RegexPattern; }

namespace ns {

enum RegularExpressionOptions : unsigned {
    RegularExpressionCaseInsensitive = 1u << 0,
    RegularExpressionAllowCommentsAndWhitespace = 1u << 1,
    RegularExpressionIgnoreMetacharacters = 1u << 2,
    RegularExpressionDotMatchesLineSeparators = 1u << 3,
    RegularExpressionAnchorsMatchLines = 1u << 4,
    RegularExpressionUseUnixLineSeparators = 1u << 5,
    RegularExpressionUseUnicodeWordBoundaries = 1u << 6,
};

enum MatchingOptions : unsigned {
    MatchingReportProgress = 1u << 0,
    MatchingReportCompletion = 1u << 1,
    // Matches must begin at the start of the range (and each where the last ended).
    MatchingAnchored = 1u << 2,
    MatchingWithTransparentBounds = 1u << 3,
    MatchingWithoutAnchoringBounds = 1u << 4,
};

class RegularExpression : public Object {
public:
    // Null for a pattern ICU cannot compile; *error then holds a
    // NSCocoaErrorDomain 2048 error with the pattern under "NSInvalidValue".
    static std::shared_ptr<RegularExpression> create(std::string_view pattern, unsigned options,
                                                     ErrorPtr* error = nullptr);
    ~RegularExpression() override;

    const std::string& pattern() const { return pattern_; }
    unsigned options() const { return options_; }
    std::size_t numberOfCaptureGroups() const;

    // Matches inside `range` (UTF-16; a range past the string finds nothing).
    std::vector<TextCheckingResultPtr> matchesInString(std::string_view text, unsigned options, Range range) const;
    std::vector<TextCheckingResultPtr> matchesInString(std::string_view text) const;
    std::size_t numberOfMatchesInString(std::string_view text, unsigned options, Range range) const;
    TextCheckingResultPtr firstMatchInString(std::string_view text, unsigned options, Range range) const;
    // Not found when nothing matches.
    Range rangeOfFirstMatchInString(std::string_view text, unsigned options, Range range) const;
    void enumerateMatchesInString(std::string_view text, unsigned options, Range range,
                                  const std::function<void(const TextCheckingResultPtr&, bool* stop)>& block) const;

    std::string stringByReplacingMatchesInString(std::string_view text, unsigned options, Range range,
                                                 std::string_view replacementTemplate) const;
    // Replaces in place; returns the number of matches replaced.
    std::size_t replaceMatchesInString(std::string& text, unsigned options, Range range,
                                       std::string_view replacementTemplate) const;
    // The template filled in for one result; `offset` shifts the result's ranges.
    std::string replacementStringForResult(const TextCheckingResult& result, std::string_view text,
                                           std::ptrdiff_t offset, std::string_view replacementTemplate) const;

    static std::string escapedPatternForString(std::string_view text);
    static std::string escapedTemplateForString(std::string_view text);

    struct Impl;
    RegularExpression();

protected:
    // Matches over UTF-16 text; data detectors override this.
    virtual void collect(const std::u16string& text, unsigned options, Range range,
                         const std::function<bool(const TextCheckingResultPtr&)>& visit) const;

    std::string pattern_;
    unsigned options_ = 0;
    std::unique_ptr<Impl> impl_;
};

using RegularExpressionPtr = std::shared_ptr<RegularExpression>;

}  // namespace ns
