// A label: text in one font and colour, aligned, wrapped or truncated to a
// number of lines (0: as many as fit), optionally shrinking its font to fit
// one line down to a minimum size, with a highlighted colour and a shadow.
// Labels take no touches by default.
#pragma once

#include <string>

#include "platform/graphics/ParagraphStyle.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/View.h"

namespace ui {

// The platform's text alignment numbers (left 0, centre 1, right 2).
enum class TextAlignment { Left = 0, Center = 1, Right = 2, Justified = 3, Natural = 4 };
using LineBreakMode = ct::LineBreakMode;

class Label : public View {
public:
    using View::View;
    static std::shared_ptr<Label> create(const cg::Rect& frame = {}) { return make<Label>(frame); }

    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& color);
    const OptionalColor& highlightedTextColor() const { return highlightedTextColor_; }
    void setHighlightedTextColor(const OptionalColor& color);
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool h);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool e);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment a);
    LineBreakMode lineBreakMode() const { return lineBreakMode_; }
    void setLineBreakMode(LineBreakMode m);
    long numberOfLines() const { return numberOfLines_; }
    void setNumberOfLines(long n);
    bool adjustsFontSizeToFitWidth() const { return adjustsFontSize_; }
    void setAdjustsFontSizeToFitWidth(bool on);
    double minimumFontSize() const { return minimumFontSize_; }
    void setMinimumFontSize(double size);
    // The platform's later form: the minimum as a fraction of the font size.
    double minimumScaleFactor() const { return minimumScaleFactor_; }
    void setMinimumScaleFactor(double f);
    const OptionalColor& shadowColor() const { return shadowColor_; }
    void setShadowColor(const OptionalColor& c);
    cg::Size shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(const cg::Size& s);

    // The colour the text is drawn in now (highlighted or not).
    Color currentTextColor() const;
    // The font size the text is drawn at: smaller than the font's when the
    // label shrinks one line of text to fit its width.
    double displayedFontSize() const;
    // The rectangle the text occupies within the bounds (centred vertically).
    cg::Rect textRectForBounds(const cg::Rect& bounds, long numberOfLines) const;

    cg::Size sizeThatFits(const cg::Size& size) const override;
    void drawRect(const cg::Rect& rect) override;
    void initWithFrame(const cg::Rect& frame) override;

private:
    std::string text_;
    Font font_;
    Color textColor_ = Color::blackColor();
    OptionalColor highlightedTextColor_;
    bool highlighted_ = false;
    bool enabled_ = true;
    TextAlignment alignment_ = TextAlignment::Left;
    LineBreakMode lineBreakMode_ = LineBreakMode::TruncatingTail;
    long numberOfLines_ = 1;
    bool adjustsFontSize_ = false;
    double minimumFontSize_ = 0;
    double minimumScaleFactor_ = 0;
    OptionalColor shadowColor_;
    cg::Size shadowOffset_{0, -1};
};

using LabelPtr = std::shared_ptr<Label>;

}  // namespace ui
