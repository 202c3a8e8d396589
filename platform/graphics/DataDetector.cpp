#include "platform/graphics/DataDetector.h"

#include <unicode/regex.h>

#include <algorithm>

namespace ns {

namespace {

enum class LinkKind { Scheme, Www, Email, Domain };

struct Pattern {
    LinkKind kind;
    const char16_t* source;
};

// Characters that end a link: blanks, quotes, angle brackets, and the
// Chinese punctuation and ideographs that follow addresses in our texts.
#define KB_LINK_BODY u"[^\\s<>\"'\\u3000-\\u303F\\u4E00-\\u9FFF\\uFF00-\\uFFEF]"

// Links are told apart from the text around them by ASCII only, so that an
// address written straight after Chinese text ("访问tplogin.cn") is found.
#define KB_BEFORE u"(?<![A-Za-z0-9._%+@/-])"
#define KB_AFTER u"(?![A-Za-z0-9-])"

const Pattern kLinkPatterns[] = {
    {LinkKind::Scheme, KB_BEFORE u"(?:https?|ftp)://" KB_LINK_BODY u"+"},
    {LinkKind::Email, KB_BEFORE u"[a-z0-9._%+-]+@[a-z0-9-]+(?:\\.[a-z0-9-]+)*\\.[a-z]{2,}" KB_AFTER},
    {LinkKind::Www, KB_BEFORE u"www\\.[a-z0-9-]+(?:\\.[a-z0-9-]+)+(?::\\d+)?(?:[/?#]" KB_LINK_BODY u"*)?"},
    {LinkKind::Domain,
     KB_BEFORE u"[a-z0-9-]+(?:\\.[a-z0-9-]+)*\\.(?:com|net|org|cn|io|edu|gov|info|biz|me|co|uk|de|jp|tv|hk|tw)" KB_AFTER
     u"(?::\\d+)?(?:/" KB_LINK_BODY u"*)?"},
};

// Digits in groups with single blanks, dots or hyphens between them, an
// optional leading "+" and one optional bracketed area code.
const char16_t* kPhonePattern =
    u"(?<![\\w+.\\-/])(?:\\+\\d{1,3}[ .\\-]?)?(?:\\(\\d{1,4}\\)[ .\\-]?)?\\d(?:[ .\\-]?\\d){5,16}(?![\\w])";
const char16_t* kIpLike = u"^\\d{1,3}(?:\\.\\d{1,3}){3}$";
const char16_t* kDateLike = u"^\\d{4}[.\\-/]\\d{1,2}[.\\-/]\\d{1,2}$";

struct Candidate {
    Range range;
    TextCheckingResultPtr result;
};

std::unique_ptr<icu::RegexPattern> compile(const char16_t* source, uint32_t flags) {
    UErrorCode status = U_ZERO_ERROR;
    UParseError pe;
    std::unique_ptr<icu::RegexPattern> p(
        icu::RegexPattern::compile(icu::UnicodeString(reinterpret_cast<const UChar*>(source)), flags, pe, status));
    return U_SUCCESS(status) ? std::move(p) : nullptr;
}

template <class Visit>
void forEachMatch(const icu::RegexPattern& pattern, const icu::UnicodeString& text, Range range, Visit visit) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> m(pattern.matcher(text, status));
    if (U_FAILURE(status)) return;
    m->region(int64_t(range.location), int64_t(range.max()), status);
    while (U_SUCCESS(status) && m->find(status)) {
        int64_t s = m->start64(status), e = m->end64(status);
        visit(std::size_t(s), std::size_t(e));
    }
}

bool wholeMatch(const icu::RegexPattern& pattern, const icu::UnicodeString& text) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> m(pattern.matcher(text, status));
    return U_SUCCESS(status) && m->matches(status);
}

// Drops punctuation a sentence puts after a link, and closing brackets
// that have no opening partner inside it.
std::size_t trimLinkEnd(const std::u16string& text, std::size_t start, std::size_t end) {
    while (end > start) {
        char16_t c = text[end - 1];
        if (std::u16string_view(u".,;:!?'\"").find(c) != std::u16string_view::npos) {
            --end;
            continue;
        }
        if (c == u')' || c == u']' || c == u'}') {
            char16_t open = c == u')' ? u'(' : c == u']' ? u'[' : u'{';
            auto body = std::u16string_view(text).substr(start, end - start);
            if (std::count(body.begin(), body.end(), open) < std::count(body.begin(), body.end(), c)) {
                --end;
                continue;
            }
        }
        break;
    }
    return end;
}

struct Patterns {
    std::vector<std::pair<LinkKind, std::unique_ptr<icu::RegexPattern>>> links;
    std::unique_ptr<icu::RegexPattern> phone, ipLike, dateLike;
    Patterns() {
        for (const auto& p : kLinkPatterns) links.emplace_back(p.kind, compile(p.source, UREGEX_CASE_INSENSITIVE));
        phone = compile(kPhonePattern, 0);
        ipLike = compile(kIpLike, 0);
        dateLike = compile(kDateLike, 0);
    }
};

const Patterns& patterns() {
    static const Patterns p;
    return p;
}

}  // namespace

std::shared_ptr<DataDetector> DataDetector::create(std::uint64_t types, ErrorPtr* error) {
    const std::uint64_t supported = TextCheckingTypeLink | TextCheckingTypePhoneNumber;
    if (types == 0 || (types & ~supported) != 0) {
        if (error) {
            Dictionary info;
            info.set("NSLocalizedDescription", Value("The value \u201c" + std::to_string(types) + "\u201d is invalid."));
            *error = Error::create(kCocoaErrorDomain, 2048, info);
        }
        return nullptr;
    }
    auto d = std::make_shared<DataDetector>();
    d->types_ = types;
    return d;
}

void DataDetector::collect(const std::u16string& text, unsigned, Range range,
                           const std::function<bool(const TextCheckingResultPtr&)>& visit) const {
    const Patterns& p = patterns();
    icu::UnicodeString utext(false, reinterpret_cast<const UChar*>(text.data()), int32_t(text.size()));
    std::vector<Candidate> found;
    if (types_ & TextCheckingTypeLink) {
        for (const auto& link : p.links) {
            const auto& pattern = link.second;
            const LinkKind kind = link.first;
            if (!pattern) continue;
            forEachMatch(*pattern, utext, range, [&](std::size_t s, std::size_t e) {
                e = kind == LinkKind::Email ? e : trimLinkEnd(text, s, e);
                if (e <= s) return;
                std::string matched = utf16::toUtf8(text.substr(s, e - s));
                std::string url = kind == LinkKind::Email    ? "mailto:" + matched
                                  : kind == LinkKind::Scheme ? matched
                                                             : "http://" + matched;
                if (auto u = URL::URLWithString(url)) {
                    found.push_back({Range{s, e - s}, TextCheckingResult::linkResult(Range{s, e - s}, u)});
                }
            });
        }
    }
    if ((types_ & TextCheckingTypePhoneNumber) && p.phone) {
        forEachMatch(*p.phone, utext, range, [&](std::size_t s, std::size_t e) {
            icu::UnicodeString candidate(utext, int32_t(s), int32_t(e - s));
            if ((p.ipLike && wholeMatch(*p.ipLike, candidate)) || (p.dateLike && wholeMatch(*p.dateLike, candidate))) return;
            std::size_t digits = 0;
            for (std::size_t i = s; i < e; ++i) digits += (text[i] >= u'0' && text[i] <= u'9');
            if (digits < 7 || digits > 15) return;
            Range r{s, e - s};
            found.push_back({r, TextCheckingResult::phoneNumberResult(r, utf16::toUtf8(text.substr(s, e - s)))});
        });
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return a.range.location != b.range.location ? a.range.location < b.range.location : a.range.length > b.range.length;
    });
    std::size_t end = 0;
    for (const auto& c : found) {
        if (c.range.location < end) continue;  // overlaps a finding already taken
        end = c.range.max();
        if (!visit(c.result)) return;
    }
}

}  // namespace ns
