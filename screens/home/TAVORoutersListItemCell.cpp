#include "screens/home/TAVORoutersListItemCell.h"

#include <numbers>

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Font.h"
#include "platform/ui/TapGestureRecognizer.h"

namespace {

constexpr const char* kCheckImageName = "selected_router_list";
constexpr const char* kArrowImageName = "icon_close_cell";
constexpr double kCheckX = 15;
constexpr double kTitleGap = 12;
constexpr double kArrowWidth = 60;
constexpr double kTitleFontSize = 16;
constexpr int kTitleGrey = 51;

constexpr unsigned kFlexibleSize = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

}  // namespace

void TAVORoutersListItemCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    SlideTableViewCell::initWithStyle(style, reuseIdentifier);
    setBackgroundColor(ui::Color::whiteColor());
    const cg::Size content = contentView()->bounds().size;

    auto check = ui::Image::imageNamed(kCheckImageName);
    const double checkWidth = check ? check->size().width : 0;
    iconView_ = ui::ImageView::create(cg::RectMake(kCheckX, 0, checkWidth, content.height));
    iconView_->setImage(check);
    iconView_->setContentMode(ui::ContentMode::Center);
    iconView_->setHidden(true);
    contentView()->addSubview(iconView_);

    expendIndicator_ = ui::ImageView::create(cg::RectMake(content.width - kArrowWidth, 0, kArrowWidth, content.height));
    expendIndicator_->setImage(ui::Image::imageNamed(kArrowImageName));
    expendIndicator_->setContentMode(ui::ContentMode::Center);
    expendIndicator_->setAutoresizingMask(kFlexibleSize);
    expendIndicator_->setUserInteractionEnabled(true);
    auto tap = ui::TapGestureRecognizer::create();
    std::weak_ptr<TAVORoutersListItemCell> weak = self<TAVORoutersListItemCell>();
    tap->addTarget(self<TAVORoutersListItemCell>(), "expendIndicatorIsClicked", [weak](ui::GestureRecognizer&) {
        if (auto cell = weak.lock()) cell->expendIndicatorIsClicked();
    });
    expendIndicator_->addGestureRecognizer(tap);
    contentView()->addSubview(expendIndicator_);

    const double titleX = kCheckX + checkWidth + kTitleGap;
    titleLabel_ = ui::Label::create(cg::RectMake(titleX, 0, content.width - kArrowWidth - titleX, content.height));
    titleLabel_->setAutoresizingMask(kFlexibleSize);
    titleLabel_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    titleLabel_->setTextColor(ui::Color::rgb255(kTitleGrey, kTitleGrey, kTitleGrey));
    titleLabel_->setBackgroundColor(ui::Color::clearColor());
    contentView()->addSubview(titleLabel_);

    setAccessoryType(ui::TableViewCellAccessoryType::DisclosureIndicator);
}

std::string TAVORoutersListItemCell::titleForRouter(const TAVORouterModel& router) {
    if (router.is_online != 0) return router.ssid;
    return ns::format("%@（%@）", router.ssid, TAVOLocalizedString("is not online"));
}

void TAVORoutersListItemCell::setRouter(const TAVORouterModelPtr& router) {
    router_ = router;
    titleLabel_->setText(router ? titleForRouter(*router) : std::string());
}

void TAVORoutersListItemCell::setRouterState(int state) {
    if (state == 1) iconView_->setHidden(false);
    else if (state == 0) iconView_->setHidden(true);
}

void TAVORoutersListItemCell::changeIndicatorState(bool closed) {
    expendIndicator_->setTransform(closed ? cg::AffineTransformIdentity
                                          : cg::AffineTransformMakeRotation(std::numbers::pi / 2));
}

void TAVORoutersListItemCell::expendIndicatorIsClicked() {
    auto delegate = eventDelegate_.lock();
    if (!delegate) return;
    if (cellState() == SlideCellState::Right) delegate->cellEvent(*this, kEventClose);
    else if (cellState() == SlideCellState::Center) delegate->cellEvent(*this, kEventOpen);
}
