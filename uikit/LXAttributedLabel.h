// A label that draws an attributed string through the text layer and makes
// parts of it tappable links. Links are the ranges carrying
// kLXLinkAttributeName, what the data detector finds for the label's link
// types (web links; phone numbers where the device can call) and custom
// links added by the caller. They are drawn in the link colour and
// underline style, highlighted while touched, and opened through the
// application unless the delegate says no. A touch outside the links falls
// through to the views behind (onlyCatchTouchesOnLinks).
//
// The text as drawn (with link styles) and its laid-out frame are derived
// lazily: changes mark them, the next drawing, measuring or link lookup
// rebuilds them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/URL.h"
#include "platform/graphics/AttributedString.h"
#include "platform/graphics/DataDetector.h"
#include "platform/graphics/Frame.h"
#include "platform/ui/GestureRecognizer.h"
#include "platform/ui/Label.h"
#include "uikit/LXAttributedLabelDelegate.h"

class LXTouchesGestureRecognizer;

class LXAttributedLabel : public ui::Label, public ui::GestureRecognizerDelegate {
public:
    using ui::Label::Label;
    static std::shared_ptr<LXAttributedLabel> create(const cg::Rect& frame = {}) {
        return make<LXAttributedLabel>(frame);
    }

    // linkUnderlineStyle: bits 0-15 the underline value links get (when not
    // 0); bits 16-17 their weight: 0 as the text, 3 bold, others not bold.
    static constexpr std::int32_t kUnderlineValueMask = 0xFFFF;
    static constexpr std::int32_t kBoldShift = 16;
    static constexpr std::int32_t kBoldMask = 0x3 << kBoldShift;

    void initWithFrame(const cg::Rect& frame) override;
    // For a label an interface-file builder made: warns of the settings
    // the label ignores, with the hint where to change them.
    void awakeFromInterfaceFile();

    // --- text ---
    // Never null once made: built from the plain text when none is stored.
    ns::AttributedStringPtr attributedText();
    // Stores a copy; drops the custom links.
    void setAttributedText(const ns::AttributedStringPtr& text);
    // Line ends "\r\n" become "\n" and the ends are trimmed; styles set
    // before are replaced by the label's font, colour and alignment.
    void setText(const std::string& text);
    void resetAttributedText();
    // Applied to the whole stored text as well as to the label.
    void setFont(const ui::Font& font);
    void setTextColor(const ui::Color& color);
    void setTextAlignment(ui::TextAlignment alignment);
    void setLineBreakMode(ui::LineBreakMode mode);
    // Not supported in drawing: both only warn.
    void setAdjustsFontSizeToFitWidth(bool on);
    void setNumberOfLines(long lines);
    cg::Size sizeThatFits(const cg::Size& size) const override;

    // --- links ---
    void addCustomLink(const ns::URLPtr& url, ns::Range range);
    void removeAllCustomLinks();
    void setNeedsRecomputeLinksInText();
    void recomputeLinksInTextIfNeeded() const;
    // The text as drawn: the stored text with link styles.
    ns::AttributedStringPtr attributedTextWithLinks() const;

    std::uint64_t automaticallyAddLinksForType() const { return automaticallyAddLinksForType_; }
    void setAutomaticallyAddLinksForType(std::uint64_t types);
    const ns::DataDetectorPtr& linksDataDetector() const { return linksDetector_; }

    const ui::OptionalColor& linkColor() const { return linkColor_; }
    void setLinkColor(const ui::OptionalColor& color);
    const ui::OptionalColor& highlightedLinkColor() const { return highlightedLinkColor_; }
    void setHighlightedLinkColor(const ui::OptionalColor& color) { highlightedLinkColor_ = color; }
    std::int32_t linkUnderlineStyle() const { return linkUnderlineStyle_; }
    void setLinkUnderlineStyle(std::int32_t style);
    // Single underline on or off, the other bits kept.
    void setUnderlineLinks(bool underline);

    bool onlyCatchTouchesOnLinks() const { return onlyCatchTouchesOnLinks_; }
    void setOnlyCatchTouchesOnLinks(bool on) { onlyCatchTouchesOnLinks_ = on; }
    bool catchTouchesOnLinksOnTouchBegan() const { return catchTouchesOnLinksOnTouchBegan_; }
    void setCatchTouchesOnLinksOnTouchBegan(bool on) { catchTouchesOnLinksOnTouchBegan_ = on; }
    const ns::TextCheckingResultPtr& activeLink() const { return activeLink_; }
    void setActiveLink(const ns::TextCheckingResultPtr& link) { activeLink_ = link; }
    std::shared_ptr<LXAttributedLabelDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<LXAttributedLabelDelegate>& delegate) { delegate_ = delegate; }

    bool centerVertically() const { return centerVertically_; }
    void setCenterVertically(bool on);
    bool extendBottomToFit() const { return extendBottomToFit_; }
    void setExtendBottomToFit(bool on);

    // The link over a character (attribute links first, then detected, then
    // custom ones), or null.
    ns::TextCheckingResultPtr linkAtCharacterIndex(std::size_t index) const;
    // The link drawn under a point of the label, or null.
    ns::TextCheckingResultPtr linkAtPoint(const cg::Point& point) const;
    // Opens the active link, unless the delegate says no.
    void processActiveLink();

    // --- drawing ---
    // Drops the laid-out frame, then asks to be drawn again.
    void setNeedsDisplay();
    void resetTextFrame() const;
    void drawRect(const cg::Rect& rect) override;
    void drawTextInRect(const cg::Rect& rect);
    void drawActiveLinkHighlightForRect(const cg::Rect& rect);
    // The laid-out text and the rectangle it was laid out in (y up, in the
    // label's bounds), laid out now when needed.
    ct::FramePtr textFrame() const;
    cg::Rect drawingRect() const;

    // --- touches ---
    std::shared_ptr<ui::View> hitTest(const cg::Point& point, const ui::Event* event) override;
    bool shouldRecognizeSimultaneously(ui::GestureRecognizer&, ui::GestureRecognizer& other) override;

private:
    void gestureRecognised(ui::GestureRecognizer& recognizer);
    void styleLink(ns::AttributedString& text, const ns::TextCheckingResult& link) const;
    // Every range of the stored text carrying a link, as link results.
    std::vector<ns::TextCheckingResultPtr> attributeLinks() const;
    std::vector<ns::TextCheckingResultPtr> detectedLinks() const;
    // Lays the text out, unless the cached frame is of this text and these bounds.
    void layOutIfNeeded(const ns::AttributedStringPtr& text) const;
    // Drops the laid-out frame and asks for a redraw, from const paths too.
    void invalidateDrawing() const;
    void checkLineBreakMode(bool fromInterfaceFile) const;
    void checkAutoShrink(bool fromInterfaceFile) const;

    ns::AttributedStringPtr attributedText_;
    mutable ns::AttributedStringPtr attributedTextWithLinks_;
    mutable bool needsRecomputeLinksInText_ = false;
    ns::DataDetectorPtr linksDetector_;
    mutable ct::FramePtr textFrame_;
    mutable ns::AttributedStringPtr frameText_;
    mutable cg::Rect frameBounds_;
    mutable cg::Rect drawingRect_;
    std::vector<ns::TextCheckingResultPtr> customLinks_;
    cg::Point touchStartPoint_;
    std::shared_ptr<LXTouchesGestureRecognizer> gestureRecogniser_;
    bool centerVertically_ = false;
    bool onlyCatchTouchesOnLinks_ = true;
    bool catchTouchesOnLinksOnTouchBegan_ = false;
    bool extendBottomToFit_ = false;
    ns::TextCheckingResultPtr activeLink_;
    ui::OptionalColor linkColor_;
    ui::OptionalColor highlightedLinkColor_;
    std::int32_t linkUnderlineStyle_ = 1;
    std::weak_ptr<LXAttributedLabelDelegate> delegate_;
    std::uint64_t automaticallyAddLinksForType_ = 0;
};

using LXAttributedLabelPtr = std::shared_ptr<LXAttributedLabel>;
