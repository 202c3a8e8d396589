#include "screens/wifi/TAVOVisitorAddBlackListView.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kButtonWidth = 175;
constexpr double kButtonHeight = 46;
constexpr double kAddBlackBelowCentre = 40;
constexpr double kCloseAboveBottomTall = 60;
constexpr double kCloseAboveBottomShort = 54;
constexpr long kButtonCap = 8;
constexpr double kButtonFontSize = 16;
constexpr double kEnlargedNameFontSize = 20;

ui::ImagePtr stretched(const char* name) {
    auto image = ui::Image::imageNamed(name);
    return image ? image->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap) : nullptr;
}

cg::Rect doubledAround(const cg::Rect& r) {
    return cg::RectMake(r.origin.x - r.size.width / 2, r.origin.y - r.size.height / 2, r.size.width * 2,
                        r.size.height * 2);
}

}  // namespace

void TAVOVisitorAddBlackListView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    const cg::Rect b = bounds();

    bgView_ = TAVOGradientBgView::create(b);
    bgView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    if (auto pattern = ui::Image::imageNamed("home_visitor_bg02.jpg"))
        bgView_->setBackgroundColor(ui::Color::patternImage(pattern));
    bgView_->setAlpha(0);

    indicator_ = TAVOVisitorIndicator::create();
    indicator_->vistorNameLabel()->setTextColor(ui::Color::white(0.2));

    addBlackButton_ = ui::Button::create(cg::RectMake(0, 0, kButtonWidth, kButtonHeight));
    addBlackButton_->setCenter(cg::PointMake(b.size.width / 2, b.size.height / 2 + kAddBlackBelowCentre));
    addBlackButton_->setBackgroundImage(stretched("public_btn02"), ui::ControlStateNormal);
    addBlackButton_->setBackgroundImage(stretched("public_btn02_pre"), ui::ControlStateHighlighted);
    addBlackButton_->setTitle(TAVOLocalizedString("add black list in visitor mode"), ui::ControlStateNormal);
    addBlackButton_->setTitleColor(ui::Color::white(0.2), ui::ControlStateNormal);
    addBlackButton_->titleLabel()->setFont(ui::Font::systemFontOfSize(kButtonFontSize));
    addBlackButton_->setAlpha(0);

    closeButton_ = ui::Button::create(cg::RectMake(0, 0, kButtonWidth, kButtonHeight));
    const double closeAbove = TAVOCommonUtility::is4InchScreen() ? kCloseAboveBottomTall : kCloseAboveBottomShort;
    closeButton_->setCenter(cg::PointMake(b.size.width / 2, b.size.height - closeAbove));
    closeButton_->setImage(ui::Image::imageNamed("home_visitor_close"), ui::ControlStateNormal);
    closeButton_->setAlpha(0);

    std::weak_ptr<TAVOVisitorAddBlackListView> weak = self<TAVOVisitorAddBlackListView>();
    addBlackButton_->addTarget(self<TAVOVisitorAddBlackListView>(), "addBlack", [weak](ui::Control&) {
        auto popup = weak.lock();
        if (!popup) return;
        if (auto d = popup->delegate()) d->visitorAddBlackListViewAction(*popup, kActionAddBlack);
    }, ui::ControlEventTouchUpInside);
    closeButton_->addTarget(self<TAVOVisitorAddBlackListView>(), "close", [weak](ui::Control&) {
        if (auto popup = weak.lock()) popup->dismissRestorePostion(true, true);
    }, ui::ControlEventTouchUpInside);

    for (const ui::ViewPtr& v : std::initializer_list<ui::ViewPtr>{bgView_, addBlackButton_, closeButton_, indicator_})
        addSubview(v);
}

void TAVOVisitorAddBlackListView::setGuestDevice(const std::shared_ptr<TAVORouterJoiningGuestDevice>& device) {
    device_ = device;
    indicator_->showDevice(device);
}

void TAVOVisitorAddBlackListView::show(bool animated, const cg::Rect& indicatorFrame) {
    const double d = animated ? kShowSeconds : 0;
    restoreFrame_ = indicatorFrame;
    indicator_->setTransform(cg::AffineTransformIdentity);
    indicator_->setFrame(doubledAround(indicatorFrame));
    indicator_->vistorNameLabel()->setFont(ui::Font::systemFontOfSize(kEnlargedNameFontSize));
    if (!enlarged_) {
        // The first show enlarges the icon and the name for good.
        enlarged_ = true;
        for (const ui::ViewPtr& part : std::initializer_list<ui::ViewPtr>{indicator_->iconView(), indicator_->vistorNameLabel()}) {
            const cg::Rect r = part->bounds();
            part->setBounds(cg::RectMake(0, 0, r.size.width * 2, r.size.height * 2));
        }
    }
    indicator_->setNeedsLayout();
    indicator_->layoutIfNeeded();
    setHidden(false);

    const cg::Point target = cg::PointMake(bounds().size.width / 2,
                                           cg::RectGetMaxY(addBlackButton_->frame()) - 2 * indicatorFrame.size.height);
    indicator_->setTransform(cg::AffineTransformMakeScale(0.5, 0.5));
    std::weak_ptr<TAVOVisitorAddBlackListView> weak = self<TAVOVisitorAddBlackListView>();
    ui::ViewAnimation::animate(
        d,
        [this, target] {
            indicator_->setTransform(cg::AffineTransformIdentity);
            bgView_->setAlpha(1);
            indicator_->setCenter(target);
        },
        [weak, d](bool) {
            auto popup = weak.lock();
            if (!popup) return;
            popup->showCloseButton(true);
            ui::ViewAnimation::animate(d, [weak] {
                if (auto p = weak.lock()) p->doShow();
            });
        });
}

void TAVOVisitorAddBlackListView::showCloseButton(bool animated) {
    const cg::Point rest = closeButton_->center();
    if (!animated) return;
    // Up from below the popup's edge, a little past its place and back.
    closeButton_->setCenter(cg::PointMake(rest.x, bounds().size.height + kButtonHeight));
    std::weak_ptr<ui::Button> button = closeButton_;
    ui::ViewAnimation::animate(kCloseButtonSeconds * 0.5, [button, rest] {
        if (auto b = button.lock()) b->setCenter(cg::PointMake(rest.x, rest.y - 10));
    }, [button, rest](bool) {
        ui::ViewAnimation::animate(kCloseButtonSeconds * 0.25, [button, rest] {
            if (auto b = button.lock()) b->setCenter(cg::PointMake(rest.x, rest.y + 5));
        }, [button, rest](bool) {
            ui::ViewAnimation::animate(kCloseButtonSeconds * 0.25, [button, rest] {
                if (auto b = button.lock()) b->setCenter(rest);
            });
        });
    });
}

void TAVOVisitorAddBlackListView::doShow() {
    bgView_->setAlpha(1);
    addBlackButton_->setAlpha(1);
    closeButton_->setAlpha(1);
}

void TAVOVisitorAddBlackListView::doDismiss() {
    bgView_->setAlpha(0);
    addBlackButton_->setAlpha(0);
    closeButton_->setAlpha(0);
}

void TAVOVisitorAddBlackListView::dismissRestorePostion(bool animated, bool restore) {
    std::weak_ptr<TAVOVisitorAddBlackListView> weak = self<TAVOVisitorAddBlackListView>();
    const auto finish = [weak, restore] {
        auto popup = weak.lock();
        if (!popup) return;
        popup->setHidden(true);
        if (restore)
            if (auto d = popup->delegate()) d->visitorAddBlackListViewAction(*popup, kActionClosed);
    };
    if (!animated) {
        doDismiss();
        finish();
        return;
    }
    const cg::Point home = cg::PointMake(cg::RectGetMidX(restoreFrame_), cg::RectGetMidY(restoreFrame_));
    ui::ViewAnimation::animate(
        kShowSeconds,
        [this, home] {
            indicator_->setTransform(cg::AffineTransformMakeScale(0.5, 0.5));
            indicator_->setCenter(home);
            doDismiss();
        },
        [finish](bool) { finish(); });
}
