#include "uikit/TKTab.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/ui/Font.h"
#include "uikit/TKTabBar.h"
#include "uikit/TKTabDrawing.h"

namespace {

constexpr double kTitleFontSize = 10;
constexpr double kIconTop = 5;
constexpr double kBadgeSide = 5;
constexpr double kBadgeOffsetX = 2;
constexpr double kBadgeOffsetY = 3;

// The drawn look.
constexpr double kDrawingInset = 4;
constexpr double kDrawingDrop = 5;
constexpr double kDrawnTitleFontSize = 11;
constexpr double kDrawnTitleGap = 2;
constexpr double kGlowBlur = 10;
const ui::Color kNormalSideLineColor = ui::Color::rgba(0.7, 0.7, 0.7, 0.1);
const ui::Color kIconShadowColor = ui::Color::rgba(0, 0, 0, 0.8);
const ui::Color kDefaultIconTop = ui::Color::white(0.612);
const ui::Color kDefaultIconBottom = ui::Color::white(0.353);
const ui::Color kDefaultTextColor = ui::Color::white(0.461);
const ui::Color kDefaultSelectedTop = ui::Color::white(0.2, 0.4);
const ui::Color kDefaultSelectedBottom = ui::Color::white(0.6);
const ui::Color kDefaultEdgeColor = ui::Color::rgba(0.1, 0.1, 0.1, 0.8);
const ui::Color kDefaultStrokeColor = ui::Color::rgba(0.7, 0.7, 0.7, 0.4);
const ui::Color kGlowColor = ui::Color::rgba(0.169, 0.418, 0.547);
const ui::Color kDefaultSelectedIconTop = ui::Color::rgba(0.537, 0.773, 0.988);
const ui::Color kDefaultSelectedIconBottom = ui::Color::rgba(0.082, 0.369, 0.663);
const ui::Color kDefaultSelectedTextColor = ui::Color::white(0.961);

ct::FontPtr drawnTitleFont() {
    auto font = ui::Font::fontWithName("Helvetica-Bold", kDrawnTitleFontSize);
    return (font ? *font : ui::Font::boldSystemFontOfSize(kDrawnTitleFontSize)).ctFont();
}

void fill(cg::Context& context, const ui::Color& color, const cg::Rect& rect) {
    context.setRGBFillColor(color.red(), color.green(), color.blue(), color.alpha());
    context.fillRect(rect);
}

}  // namespace

// Where the drawn look puts its artwork and title.
struct TKTab::DrawnLayout {
    ui::ImagePtr artwork;
    ct::FontPtr titleFont;
    bool titleShown = false;
    double titleHeight = 0;
    double titleArea = 0;
    cg::Rect drawingArea;
    cg::Rect titleRect;
    cg::Rect iconRect;
    // The flip that draws images upright: translate by this, scale y by -1.
    double flip = 0;
};

void TKTab::initWithFrame(const cg::Rect& frame) {
    ui::Control::initWithFrame(frame);
    setContentMode(ui::ContentMode::ScaleAspectFit);
    setBackgroundColor(ui::Color::clearColor());
    bgImageView_ = ui::ImageView::create(bounds());
    addSubview(bgImageView_);
    iconView_ = ui::ImageView::create();
    iconView_->setContentMode(ui::ContentMode::Center);
    iconView_->setBackgroundColor(ui::Color::clearColor());
    addSubview(iconView_);
    titleLabel_ = ui::Label::create();
    titleLabel_->setTextAlignment(ui::TextAlignment::Center);
    titleLabel_->setBackgroundColor(ui::Color::clearColor());
    titleLabel_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    addSubview(titleLabel_);
    titleIsHidden_ = false;
}

void TKTab::setIndicatorImage(const ui::ImagePtr& image) {
    indicatorImage_ = image;
    if (!image) {
        if (indicatorView_) indicatorView_->removeFromSuperview();
        indicatorView_ = nullptr;
        return;
    }
    if (!indicatorView_) {
        indicatorView_ = ui::ImageView::create();
        addSubview(indicatorView_);
        setNeedsLayout();
    }
    indicatorView_->setImage(image);
}

void TKTab::setTabImage(const ui::ImagePtr& image) {
    tabImage_ = image;
    iconView_->setImage(image);
    setNeedsLayout();
    setNeedsDisplay();
}

void TKTab::setTextColor(const ui::OptionalColor& color) {
    textColor_ = color;
    titleLabel_->setTextColor(color.value_or(ui::Color::blackColor()));
    setNeedsDisplay();
}

void TKTab::setTabTitle(const std::string& title) {
    tabTitle_ = title;
    titleLabel_->setText(title);
    setNeedsDisplay();
}

void TKTab::setSelected(bool selected) {
    if (selected == isSelected()) return;
    titleLabel_->setTextColor((selected ? selectedTextColor_ : textColor_).value_or(ui::Color::blackColor()));
    iconView_->setImage(selected ? tabSelectedImage_ : tabImage_);
    bgImageView_->setImage(ui::Image::imageNamed(selected ? selectedBackgroundImageName_ : backgroundImageName_));
    ui::Control::setSelected(selected);
    setNeedsLayout();
    setNeedsDisplay();
}

void TKTab::layoutSubviews() {
    const cg::Rect b = bounds();
    const double w = b.size.width, h = b.size.height;
    bgImageView_->setFrame(b);
    const cg::Size icon = iconView_->image() ? iconView_->image()->size() : cg::Size{};
    if (titleIsHidden_) {
        iconView_->setFrame(cg::RectMake(0, 0, w, h));
        titleLabel_->setFrame(cg::RectMake(0, 0, 0, 0));
    } else if (minimumHeightToDisplayTitle_ > h / 3) {
        iconView_->setFrame(cg::RectMake((w - icon.width) / 2, (minimumHeightToDisplayTitle_ + icon.height) / 2,
                                         icon.width, icon.height));
        titleLabel_->setFrame(
            cg::RectMake(0, cg::RectGetMaxY(iconView_->frame()), w, minimumHeightToDisplayTitle_));
    } else {
        iconView_->setFrame(cg::RectMake((w - icon.width) / 2, kIconTop, icon.width, icon.height));
        titleLabel_->setFrame(cg::RectMake(0, cg::RectGetMaxY(iconView_->frame()), w, h / 3));
    }
    // The drawn look draws its own title; the label would show it twice.
    if (!tabImage_) titleLabel_->setFrame(cg::RectMake(0, 0, 0, 0));
    // A label without room shows nothing (not even text spilling out).
    titleLabel_->setHidden(titleIsHidden_ || !tabImage_);
    if (indicatorView_) {
        const cg::Rect iconFrame = iconView_->frame();
        indicatorView_->setFrame(cg::RectMake(cg::RectGetMaxX(iconFrame) + kBadgeOffsetX - kBadgeSide / 2,
                                              cg::RectGetMinY(iconFrame) + kBadgeOffsetY - kBadgeSide / 2,
                                              kBadgeSide, kBadgeSide));
    }
}

// ---- the drawn look ----

TKTab::DrawnLayout TKTab::drawnLayout(const cg::Rect& rect) const {
    DrawnLayout l;
    const double minimumTitleHeight =
        minimumHeightToDisplayTitle_ == 0 ? tabBarHeight_ - 1 : minimumHeightToDisplayTitle_;
    l.artwork = ui::Image::imageNamed(tabImageWithName_);
    const cg::Size art = l.artwork ? l.artwork->size() : cg::Size{};
    l.drawingArea = cg::RectInset(rect, kDrawingInset, kDrawingInset);
    l.drawingArea.origin.y += kDrawingDrop;
    l.drawingArea.size.height -= kDrawingDrop;
    l.titleFont = drawnTitleFont();
    l.titleHeight = ct::sizeWithFont(tabTitle_, l.titleFont, rect.size.width, ct::LineBreakMode::TruncatingMiddle).height;
    l.titleShown = !titleIsHidden_ && minimumTitleHeight <= rect.size.height + 1;
    l.titleArea = l.titleShown ? l.titleHeight + kDrawnTitleGap : 0;

    const cg::Rect& area = l.drawingArea;
    cg::Rect block;
    block.size.width = area.size.width;
    block.size.height = std::min(area.size.height, std::max(art.width, art.height) + l.titleArea);
    block.origin.x = std::floor(area.origin.x + (area.size.width - block.size.width) / 2);
    block.origin.y = std::floor(area.origin.y + (area.size.height - block.size.height) / 2);
    l.titleRect = cg::RectMake(block.origin.x, cg::RectGetMaxY(block) - l.titleHeight, block.size.width, l.titleHeight);
    const cg::Rect iconArea = cg::RectMake(block.origin.x, block.origin.y, block.size.width,
                                           block.size.height - l.titleArea);
    if (art.width > 0 && art.height > 0) {
        const double aspect = art.width / art.height;
        const double side = std::max(0.0, std::min({block.size.width, iconArea.size.height, art.height}));
        cg::Size icon = art.width < art.height ? cg::Size{std::floor(aspect * side), side}
                                               : cg::Size{side, std::floor(side / aspect)};
        l.iconRect = cg::RectMake(std::floor(iconArea.origin.x + (iconArea.size.width - icon.width) / 2),
                                  std::floor(iconArea.origin.y + (iconArea.size.height - icon.height) / 2),
                                  icon.width, icon.height);
    }
    l.flip = rect.size.height - l.titleArea + kDrawingDrop;
    return l;
}

void TKTab::drawRect(const cg::Rect& rect) {
    if (tabImage_) return;
    auto context = cg::currentContext();
    if (!context) return;
    const DrawnLayout layout = drawnLayout(rect);
    if (isSelected())
        drawSelectedLook(*context, rect, layout);
    else
        drawNormalLook(*context, rect, layout);
}

void TKTab::drawNormalLook(cg::Context& context, const cg::Rect& rect, const DrawnLayout& l) const {
    const double w = rect.size.width, h = rect.size.height;
    context.saveGState();
    context.setBlendMode(cg::BlendMode::Overlay);
    fill(context, kNormalSideLineColor, cg::RectMake(0, 5, 1, h - 5));
    fill(context, kNormalSideLineColor, cg::RectMake(w - 1, 2, 1, h - 2));
    context.restoreGState();

    if (l.artwork) {
        // The artwork's shadow, one point higher.
        context.saveGState();
        context.translateCTM(0, l.flip - 1);
        context.scaleCTM(1, -1);
        context.clipToMask(l.iconRect, l.artwork->CGImage());
        fill(context, kIconShadowColor, l.iconRect);
        context.restoreGState();

        context.saveGState();
        context.translateCTM(0, l.flip);
        context.scaleCTM(1, -1);
        context.clipToMask(l.iconRect, l.artwork->CGImage());
        auto colors = tk::isColorPair(tabIconColors_)
                          ? tk::gradient(tabIconColors_[0], 1, tabIconColors_[1], 0)
                          : tk::gradient(tk::cgColor(kDefaultIconBottom), 1, tk::cgColor(kDefaultIconTop), 0);
        context.drawLinearGradient(colors, {0, cg::RectGetMaxY(l.iconRect)}, {0, l.iconRect.origin.y},
                                   cg::GradientDrawsAfterEndLocation);
        context.restoreGState();
    }
    if (l.titleShown) drawTitle(context, l, textColor_.value_or(kDefaultTextColor));
}

void TKTab::drawSelectedLook(cg::Context& context, const cg::Rect& rect, const DrawnLayout& l) const {
    const double w = rect.size.width, h = rect.size.height;
    const std::string pattern =
        selectedBackgroundImageName_.empty() ? TKTabBar::kDefaultBackgroundImageName : selectedBackgroundImageName_;
    tk::fillWithPattern(context, rect, ui::Image::imageNamed(pattern));

    context.saveGState();
    context.setBlendMode(cg::BlendMode::Multiply);
    auto background = tk::isColorPair(tabSelectedColors_)
                          ? tk::gradient(tabSelectedColors_[0], 1, tabSelectedColors_[1], 0)
                          : tk::gradient(tk::cgColor(kDefaultSelectedBottom), 1, tk::cgColor(kDefaultSelectedTop), 0);
    context.drawLinearGradient(background, {0, 5}, {0, h - 5}, cg::GradientDrawsAfterEndLocation);
    context.restoreGState();

    fill(context, edgeColor_.value_or(kDefaultEdgeColor), cg::RectMake(0, 0, w, 1));
    context.saveGState();
    context.setBlendMode(cg::BlendMode::Overlay);
    const ui::Color stroke = strokeColor_.value_or(kDefaultStrokeColor);
    fill(context, stroke, cg::RectMake(0, 2, 1, h - 2));
    fill(context, stroke, cg::RectMake(w - 1, 2, 1, h - 2));
    context.restoreGState();

    if (l.artwork) {
        // The glow around the artwork.
        context.saveGState();
        context.translateCTM(0, l.flip);
        context.scaleCTM(1, -1);
        context.setShadowWithColor({0, 0}, kGlowBlur, tk::cgColor(kGlowColor));
        context.setBlendMode(cg::BlendMode::Overlay);
        context.drawImage(l.iconRect, l.artwork->CGImage());
        context.restoreGState();

        context.saveGState();
        context.translateCTM(0, l.flip);
        context.scaleCTM(1, -1);
        context.clipToMask(l.iconRect, l.artwork->CGImage());
        auto colors = tk::isColorPair(tabIconColorsSelected_)
                          ? tk::gradient(tabIconColorsSelected_[0], 1, tabIconColorsSelected_[1], 0.2)
                          : tk::gradient(tk::cgColor(kDefaultSelectedIconBottom), 1,
                                         tk::cgColor(kDefaultSelectedIconTop), 0.2);
        context.drawLinearGradient(colors, {0, cg::RectGetMaxY(l.iconRect)}, {0, l.iconRect.origin.y},
                                   cg::GradientDrawsAfterEndLocation);
        context.restoreGState();

        // The gloss: a huge circle whose lower arc crosses the icon.
        const cg::Rect& a = l.drawingArea;
        const cg::Point centre{a.origin.x - a.size.height, a.origin.y - 2 * a.size.height - a.size.width};
        const double radius = std::hypot(cg::RectGetMidX(l.iconRect) - centre.x, cg::RectGetMidY(l.iconRect) - centre.y);
        context.saveGState();
        context.beginPath();
        context.addArc(centre.x, centre.y, radius, M_PI, 0, true);
        context.closePath();
        context.clip();
        context.translateCTM(0, l.flip);
        context.scaleCTM(1, -1);
        context.clipToMask(l.iconRect, l.artwork->CGImage());
        const double strong = glossyIsHidden_ ? 0 : 0.5, faint = glossyIsHidden_ ? 0 : 0.15;
        auto gloss = tk::gradient(cg::Color::createGray(1, strong), 1, cg::Color::createGray(1, faint), 0);
        context.drawRadialGradient(gloss, l.iconRect.origin, 0,
                                   {cg::RectGetMaxX(l.iconRect), cg::RectGetMaxY(l.iconRect)}, radius,
                                   cg::GradientDrawsBeforeStartLocation);
        context.restoreGState();
    }
    if (l.titleShown) drawTitle(context, l, selectedTextColor_.value_or(kDefaultSelectedTextColor));
}

void TKTab::drawTitle(cg::Context& context, const DrawnLayout& l, const ui::Color& color) const {
    context.setRGBFillColor(color.red(), color.green(), color.blue(), color.alpha());
    ct::drawInRect(context, tabTitle_, l.titleRect, l.titleFont, ct::LineBreakMode::TruncatingMiddle,
                   ct::TextAlignment::Center);
}
