#include "uikit/LXAttributedLabel.h"

#include <cmath>

#include "platform/foundation/Log.h"
#include "platform/foundation/StringUtils.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/Framesetter.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScrollView.h"
#include "uikit/LXCommodityConstructors.h"
#include "uikit/LXCommodityStyleModifiers.h"
#include "uikit/LXDataDetectorCache.h"
#include "uikit/LXTouchesGestureRecognizer.h"
#include "uikit/TextCheckingResultExtendedURL.h"

using Modifiers = LXCommodityStyleModifiers;

namespace {

// How far around a line (and the text block) a touch still finds it.
constexpr double kTouchSlop = 5;
// A touch that ends this close to where it began follows its link.
constexpr double kFollowDistance = 10;
// Room added below the text when the drawing area grows to fit it.
constexpr double kExtendBottomMargin = 10;
constexpr double kUnlimitedHeight = 3.4028235e38;
constexpr std::int32_t kBoldLinks = 3;

constexpr const char* kTruncationIssuePage = "https://keelbox.example/issues/attributed-label-truncation";
constexpr const char* kNumberOfLinesIssuePage = "https://keelbox.example/issues/attributed-label-number-of-lines";

ct::TextAlignment coreTextAlignment(ui::TextAlignment alignment) {
    switch (alignment) {
        case ui::TextAlignment::Left: return ct::TextAlignment::Left;
        case ui::TextAlignment::Center: return ct::TextAlignment::Center;
        case ui::TextAlignment::Right: return ct::TextAlignment::Right;
        case ui::TextAlignment::Justified: return ct::TextAlignment::Justified;
        default: return ct::TextAlignment::Natural;
    }
}

ct::LineBreakMode coreTextLineBreakMode(ui::LineBreakMode mode) {
    const int value = int(mode);
    return value >= 1 && value <= 5 ? mode : ct::LineBreakMode::WordWrapping;
}

bool isTruncating(ui::LineBreakMode mode) {
    return mode == ct::LineBreakMode::TruncatingHead || mode == ct::LineBreakMode::TruncatingTail ||
           mode == ct::LineBreakMode::TruncatingMiddle;
}

cg::ColorPtr cgColor(const ui::Color& color) {
    return cg::Color::createRGB(color.red(), color.green(), color.blue(), color.alpha());
}

bool overlaps(ns::Range a, ns::Range b) { return std::max(a.location, b.location) < std::min(a.max(), b.max()); }

// A rectangle placed against another as a y-up rectangle seen from a y-down
// one (and back): same x and size, y measured from the other's far edge.
cg::Rect flipped(const cg::Rect& rect, const cg::Rect& against) {
    return cg::RectMake(rect.origin.x, cg::RectGetMaxY(against) - cg::RectGetMaxY(rect), rect.size.width,
                        rect.size.height);
}

// The glyphs of a run that show the UTF-16 range (in string indices).
ns::Range glyphRangeOf(const ct::Run& run, ns::Range characters) {
    const auto& indices = run.stringIndices();
    std::size_t first = indices.size(), last = indices.size();
    for (std::size_t g = 0; g < indices.size(); ++g) {
        if (first == indices.size() && indices[g] >= characters.location) first = g;
        if (indices[g] >= characters.max()) {
            last = g;
            break;
        }
    }
    return first < last ? ns::Range{first, last - first} : ns::Range{first, 0};
}

}  // namespace

void LXAttributedLabel::initWithFrame(const cg::Rect& frame) {
    ui::Label::initWithFrame(frame);
    linkColor_ = ui::Color::blueColor();
    highlightedLinkColor_ = ui::Color::white(0.4, 0.3);
    linkUnderlineStyle_ = 1;
    // Whether the device can place calls is asked once for every label.
    static const bool canCall = ui::Application::sharedApplication()->canOpenURL("tel:0");
    setAutomaticallyAddLinksForType(canCall ? (ns::TextCheckingTypeLink | ns::TextCheckingTypePhoneNumber)
                                            : ns::TextCheckingTypeLink);
    onlyCatchTouchesOnLinks_ = true;
    setUserInteractionEnabled(true);
    setContentMode(ui::ContentMode::Redraw);
    resetAttributedText();

    gestureRecogniser_ = LXTouchesGestureRecognizer::create();
    gestureRecogniser_->addTarget(self<LXAttributedLabel>(), &LXAttributedLabel::gestureRecognised,
                                  "_gestureRecognised:");
    gestureRecogniser_->setDelegate(self<LXAttributedLabel>());
    addGestureRecognizer(gestureRecogniser_);
}

void LXAttributedLabel::awakeFromInterfaceFile() {
    checkLineBreakMode(true);
    checkAutoShrink(true);
}

void LXAttributedLabel::checkLineBreakMode(bool fromInterfaceFile) const {
    if (!isTruncating(lineBreakMode())) return;
    ns::logWarning(std::string("[LXAttributedLabel] Warning: \"UILineBreakMode...Truncation\" lineBreakModes are not "
                               "yet fully supportedby CoreText and LXAttributedLabel. See ") +
                   kTruncationIssuePage);
    if (fromInterfaceFile)
        ns::logWarning("  (To avoid this warning, change this property in your XIB file to another lineBreakMode value)");
}

void LXAttributedLabel::checkAutoShrink(bool fromInterfaceFile) const {
    if (!adjustsFontSizeToFitWidth()) return;
    ns::logWarning("[LXAttributedLabel] Warning: the \"adjustsFontSizeToFitWidth\" property is not supported by "
                   "CoreText. It will be ignored by LXAttributedLabel.");
    if (fromInterfaceFile) ns::logWarning("  (To avoid this warning, uncheck the 'Autoshrink' property in your XIB file)");
}

// ---- text ----

ns::AttributedStringPtr LXAttributedLabel::attributedText() {
    if (!attributedText_) resetAttributedText();
    return attributedText_;
}

void LXAttributedLabel::setAttributedText(const ns::AttributedStringPtr& text) {
    attributedText_ = text ? text->copy() : nullptr;
    customLinks_.clear();
    setNeedsRecomputeLinksInText();
}

void LXAttributedLabel::setText(const std::string& text) {
    ui::Label::setText(ns::str::trimmingWhitespaceAndNewlines(ns::str::replacingOccurrences(text, "\r\n", "\n")));
    resetAttributedText();
}

void LXAttributedLabel::resetAttributedText() {
    auto text = ns::AttributedString::create(ui::Label::text());
    Modifiers::setFont(*text, font());
    Modifiers::setTextColor(*text, textColor());
    Modifiers::setTextAlignment(*text, coreTextAlignment(textAlignment()), coreTextLineBreakMode(lineBreakMode()));
    setAttributedText(text);
}

void LXAttributedLabel::setFont(const ui::Font& font) {
    if (attributedText_) {
        auto restyled = attributedText_->copy();
        Modifiers::setFont(*restyled, font);
        attributedText_ = restyled;
        setNeedsRecomputeLinksInText();
    }
    ui::Label::setFont(font);
}

void LXAttributedLabel::setTextColor(const ui::Color& color) {
    if (attributedText_) {
        auto restyled = attributedText_->copy();
        Modifiers::setTextColor(*restyled, color);
        attributedText_ = restyled;
        setNeedsRecomputeLinksInText();
    }
    ui::Label::setTextColor(color);
}

void LXAttributedLabel::setTextAlignment(ui::TextAlignment alignment) {
    if (attributedText_) {
        auto restyled = attributedText_->copy();
        Modifiers::setTextAlignment(*restyled, coreTextAlignment(alignment), coreTextLineBreakMode(lineBreakMode()));
        attributedText_ = restyled;
        setNeedsRecomputeLinksInText();
    }
    ui::Label::setTextAlignment(alignment);
}

void LXAttributedLabel::setLineBreakMode(ui::LineBreakMode mode) {
    if (attributedText_) {
        auto restyled = attributedText_->copy();
        Modifiers::setTextAlignment(*restyled, coreTextAlignment(textAlignment()), coreTextLineBreakMode(mode));
        attributedText_ = restyled;
        setNeedsRecomputeLinksInText();
    }
    ui::Label::setLineBreakMode(mode);
    checkLineBreakMode(false);
}

void LXAttributedLabel::setAdjustsFontSizeToFitWidth(bool on) {
    ui::Label::setAdjustsFontSizeToFitWidth(on);
    checkAutoShrink(false);
}

void LXAttributedLabel::setNumberOfLines(long lines) {
    if (lines > 0) {
        ns::logWarning(std::string("[LXAttributedLabel] Warning: the \"numberOfLines\" property is not yet supported by "
                                   "CoreText. It will be ignored by LXAttributedLabel. See ") +
                       kNumberOfLinesIssuePage);
        ns::logWarning("  (To avoid this warning, set the numberOfLines property to 0)");
    }
    ui::Label::setNumberOfLines(lines);
}

cg::Size LXAttributedLabel::sizeThatFits(const cg::Size& size) const {
    recomputeLinksInTextIfNeeded();
    if (!attributedTextWithLinks_) return {0, 0};
    return LXCommodityConstructors::sizeConstrainedToSize(*attributedTextWithLinks_, size);
}

// ---- links ----

void LXAttributedLabel::addCustomLink(const ns::URLPtr& url, ns::Range range) {
    customLinks_.push_back(ns::TextCheckingResult::linkResult(range, url));
    setNeedsRecomputeLinksInText();
}

void LXAttributedLabel::removeAllCustomLinks() {
    customLinks_.clear();
    setNeedsRecomputeLinksInText();
}

void LXAttributedLabel::setNeedsRecomputeLinksInText() {
    needsRecomputeLinksInText_ = true;
    setNeedsDisplay();
}

void LXAttributedLabel::setAutomaticallyAddLinksForType(std::uint64_t types) {
    automaticallyAddLinksForType_ = types;
    linksDetector_ = LXDataDetectorCache::detectorForTypes(types);
    setNeedsRecomputeLinksInText();
}

void LXAttributedLabel::setLinkColor(const ui::OptionalColor& color) {
    linkColor_ = color;
    setNeedsRecomputeLinksInText();
}

void LXAttributedLabel::setLinkUnderlineStyle(std::int32_t style) {
    linkUnderlineStyle_ = style;
    setNeedsRecomputeLinksInText();
}

void LXAttributedLabel::setUnderlineLinks(bool underline) {
    setLinkUnderlineStyle((linkUnderlineStyle_ & ~0xFF) | (underline ? 1 : 0));
}

void LXAttributedLabel::setCenterVertically(bool on) {
    centerVertically_ = on;
    setNeedsDisplay();
}

void LXAttributedLabel::setExtendBottomToFit(bool on) {
    extendBottomToFit_ = on;
    setNeedsDisplay();
}

std::vector<ns::TextCheckingResultPtr> LXAttributedLabel::attributeLinks() const {
    std::vector<ns::TextCheckingResultPtr> links;
    if (!attributedText_) return links;
    attributedText_->enumerateAttribute(kLXLinkAttributeName, ns::Range{0, attributedText_->length()}, 0,
                                        [&](const ns::Value& value, ns::Range range, bool*) {
                                            if (auto url = value.as<ns::URL>())
                                                links.push_back(ns::TextCheckingResult::linkResult(range, url));
                                        });
    return links;
}

std::vector<ns::TextCheckingResultPtr> LXAttributedLabel::detectedLinks() const {
    if (!attributedText_ || !linksDetector_ || automaticallyAddLinksForType_ == 0) return {};
    return linksDetector_->matchesInString(attributedText_->string(), 0, ns::Range{0, attributedText_->length()});
}

void LXAttributedLabel::styleLink(ns::AttributedString& text, const ns::TextCheckingResult& link) const {
    const ns::Range range = link.range();
    std::int32_t underline = linkUnderlineStyle_;
    ui::OptionalColor color = linkColor_;
    if (auto d = delegate(); d && d->implementsColorForLink())
        color = d->attributedLabelColorForLinkUnderlineStyle(*this, link, &underline);
    if (color) Modifiers::setTextColor(text, *color, range);
    if (underline & kUnderlineValueMask) Modifiers::setTextUnderlineStyle(text, underline, range);
    if (const std::int32_t weight = (underline & kBoldMask) >> kBoldShift)
        Modifiers::setTextBold(text, weight == kBoldLinks, range);
}

void LXAttributedLabel::recomputeLinksInTextIfNeeded() const {
    if (!needsRecomputeLinksInText_) return;
    needsRecomputeLinksInText_ = false;
    if (!attributedText_) {
        attributedTextWithLinks_ = nullptr;
        return;
    }
    const auto fromAttribute = attributeLinks();
    if (automaticallyAddLinksForType_ == 0 && customLinks_.empty() && fromAttribute.empty()) {
        attributedTextWithLinks_ = attributedText_;
        return;
    }
    auto styled = attributedText_->copy();
    // Later sources restyle what earlier ones styled.
    for (const auto& link : fromAttribute) styleLink(*styled, *link);
    for (const auto& link : detectedLinks()) styleLink(*styled, *link);
    for (const auto& link : customLinks_) styleLink(*styled, *link);
    attributedTextWithLinks_ = styled;
    invalidateDrawing();
}

ns::AttributedStringPtr LXAttributedLabel::attributedTextWithLinks() const {
    recomputeLinksInTextIfNeeded();
    return attributedTextWithLinks_;
}

ns::TextCheckingResultPtr LXAttributedLabel::linkAtCharacterIndex(std::size_t index) const {
    for (const auto& link : attributeLinks())
        if (link->range().contains(index)) return link;
    for (const auto& link : detectedLinks())
        if (link->range().contains(index)) return link;
    for (const auto& link : customLinks_)
        if (link->range().contains(index)) return link;
    return nullptr;
}

ns::TextCheckingResultPtr LXAttributedLabel::linkAtPoint(const cg::Point& point) const {
    auto frame = textFrame();
    if (!frame || frame->lines().empty()) return nullptr;
    // The drawing area, as the label sees it (y down).
    const cg::Rect area = flipped(drawingRect_, bounds());
    if (!cg::RectContainsPoint(cg::RectInset(area, 0, -kTouchSlop), point)) return nullptr;

    const auto origins = frame->lineOrigins();
    for (std::size_t i = 0; i < frame->lines().size(); ++i) {
        const auto& line = frame->lines()[i];
        double ascent = 0, descent = 0;
        const double width = line->typographicBounds(&ascent, &descent, nullptr);
        const cg::Rect inText = cg::RectMake(origins[i].x, origins[i].y - descent, width, ascent + descent);
        cg::Rect inLabel = flipped(inText, area);
        inLabel.origin.x += area.origin.x;
        inLabel = cg::RectInset(inLabel, 0, -kTouchSlop);
        if (!cg::RectContainsPoint(inLabel, point)) continue;

        const cg::Point relative{point.x - inLabel.origin.x, point.y - inLabel.origin.y};
        std::size_t index = line->stringIndexForPosition(relative);
        // The position gives a caret; a touch on a character's right half
        // lands after it, so step back onto the character touched.
        if (relative.x < line->offsetForStringIndex(index) && index > 0) --index;
        if (auto link = linkAtCharacterIndex(index)) return link;
    }
    return nullptr;
}

void LXAttributedLabel::processActiveLink() {
    if (!activeLink_) return;
    const auto link = activeLink_;
    if (auto d = delegate(); d && !d->attributedLabelShouldFollowLink(*this, *link)) return;
    if (auto url = extendedURL(*link)) ui::Application::sharedApplication()->openURL(url->absoluteString());
}

// ---- drawing ----

void LXAttributedLabel::invalidateDrawing() const {
    resetTextFrame();
    layer()->setNeedsDisplay();
}

void LXAttributedLabel::setNeedsDisplay() { invalidateDrawing(); }

void LXAttributedLabel::resetTextFrame() const {
    textFrame_.reset();
    frameText_.reset();
}

void LXAttributedLabel::layOutIfNeeded(const ns::AttributedStringPtr& text) const {
    if (textFrame_ && frameText_ == text && frameBounds_ == bounds()) return;
    auto framesetter = ct::Framesetter::create(*text);
    cg::Rect rect = bounds();
    if (centerVertically_ || extendBottomToFit_) {
        const cg::Size suggested =
            framesetter->suggestFrameSizeWithConstraints(ns::Range{0, 0}, {rect.size.width, kUnlimitedHeight});
        if (extendBottomToFit_) {
            const double delta = std::max(0.0, std::ceil(suggested.height - rect.size.height)) + kExtendBottomMargin;
            rect.origin.y -= delta;
            rect.size.height += delta;
        }
        if (centerVertically_ && suggested.height < rect.size.height)
            rect.origin.y -= (rect.size.height - suggested.height) / 2;
    }
    textFrame_ = framesetter->createFrame(ns::Range{0, 0}, cg::Path::withRect(rect));
    drawingRect_ = rect;
    frameText_ = text;
    frameBounds_ = bounds();
}

ct::FramePtr LXAttributedLabel::textFrame() const {
    recomputeLinksInTextIfNeeded();
    if (!attributedTextWithLinks_) return nullptr;
    if (!textFrame_ || frameBounds_ != bounds()) layOutIfNeeded(attributedTextWithLinks_);
    return textFrame_;
}

cg::Rect LXAttributedLabel::drawingRect() const {
    textFrame();
    return drawingRect_;
}

void LXAttributedLabel::drawRect(const cg::Rect& rect) { drawTextInRect(rect); }

void LXAttributedLabel::drawTextInRect(const cg::Rect&) {
    if (!attributedText_) {
        ui::Label::drawRect(bounds());
        return;
    }
    auto context = cg::currentContext();
    if (!context) return;
    context->saveGState();
    context->translateCTM(0, bounds().size.height);
    context->scaleCTM(1, -1);
    if (shadowColor()) context->setShadowWithColor(shadowOffset(), 0, cgColor(*shadowColor()));

    recomputeLinksInTextIfNeeded();
    auto text = attributedTextWithLinks_;
    if (isHighlighted() && highlightedTextColor()) {
        auto highlighted = text->copy();
        Modifiers::setTextColor(*highlighted, *highlightedTextColor());
        text = highlighted;
    }
    layOutIfNeeded(text);
    if (activeLink_) drawActiveLinkHighlightForRect(drawingRect_);
    textFrame_->draw(*context);
    context->restoreGState();
}

void LXAttributedLabel::drawActiveLinkHighlightForRect(const cg::Rect& rect) {
    auto context = cg::currentContext();
    if (!highlightedLinkColor_ || !activeLink_ || !textFrame_ || !context) return;
    context->saveGState();
    context->translateCTM(rect.origin.x, rect.origin.y);
    context->setFillColorWithColor(cgColor(*highlightedLinkColor_));

    const ns::Range link = activeLink_->range();
    const auto origins = textFrame_->lineOrigins();
    for (std::size_t i = 0; i < textFrame_->lines().size(); ++i) {
        const auto& line = textFrame_->lines()[i];
        if (!overlaps(line->stringRange(), link)) continue;
        // One rectangle per line: the link's runs on it, joined.
        cg::Rect joined = cg::RectNull();
        for (const auto& run : line->glyphRuns()) {
            const ns::Range runRange = run->stringRange();
            if (!overlaps(runRange, link)) {
                if (!cg::RectIsNull(joined)) {
                    context->fillRect(joined);
                    joined = cg::RectNull();
                }
                continue;
            }
            const std::size_t from = std::max(link.location, runRange.location);
            const std::size_t to = std::min(link.max(), runRange.max());
            const ns::Range glyphs = glyphRangeOf(*run, ns::Range{from, to - from});
            double ascent = 0, descent = 0;
            run->typographicBounds(ns::Range{0, 0}, &ascent, &descent, nullptr);
            const cg::Rect image = run->imageBounds(glyphs);
            cg::Rect part = cg::RectMake(origins[i].x + image.origin.x, origins[i].y - descent, image.size.width,
                                         ascent + descent);
            part = cg::RectInset(cg::RectIntegral(part), -1, -1);
            joined = cg::RectIsNull(joined) ? part : cg::RectUnion(joined, part);
        }
        if (!cg::RectIsNull(joined)) context->fillRect(joined);
    }
    context->restoreGState();
}

// ---- touches ----

std::shared_ptr<ui::View> LXAttributedLabel::hitTest(const cg::Point& point, const ui::Event* event) {
    auto hit = ui::Label::hitTest(point, event);
    if (hit.get() == this && onlyCatchTouchesOnLinks_ && !linkAtPoint(point)) return nullptr;
    return hit;
}

bool LXAttributedLabel::shouldRecognizeSimultaneously(ui::GestureRecognizer&, ui::GestureRecognizer& other) {
    return std::dynamic_pointer_cast<ui::ScrollView>(other.view()) != nullptr;
}

void LXAttributedLabel::gestureRecognised(ui::GestureRecognizer& recognizer) {
    const cg::Point point = recognizer.locationInView(self<LXAttributedLabel>());
    switch (recognizer.state()) {
        case ui::GestureRecognizerState::Began:
            activeLink_ = linkAtPoint(point);
            touchStartPoint_ = point;
            if (catchTouchesOnLinksOnTouchBegan_) processActiveLink();
            setNeedsDisplay();
            break;
        case ui::GestureRecognizerState::Ended:
            if (!catchTouchesOnLinksOnTouchBegan_ && activeLink_) {
                auto atEnd = linkAtPoint(point);
                const bool sameLink = atEnd && atEnd->range() == activeLink_->range();
                const bool nearStart = std::fabs(point.x - touchStartPoint_.x) < kFollowDistance &&
                                       std::fabs(point.y - touchStartPoint_.y) < kFollowDistance;
                if (sameLink || nearStart) processActiveLink();
            }
            activeLink_ = nullptr;
            setNeedsDisplay();
            break;
        case ui::GestureRecognizerState::Cancelled:
        case ui::GestureRecognizerState::Failed:
            activeLink_ = nullptr;
            setNeedsDisplay();
            break;
        default:
            break;
    }
}
