#include "screens/wifi/TAVOVisitorNetView.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/ViewAnimation.h"

namespace {
constexpr int kHorizontalSpread = 75;
constexpr double kMiddleRowShift = 56.25;
}  // namespace

cg::Point TAVOVisitorNetView::basePoint(int place) const {
    const cg::Size size = bounds().size;
    const int column = place % 2;
    const int row = place / 2;
    return cg::PointMake(std::ceil(column * size.width / 2), row * size.height / 3);
}

bool TAVOVisitorNetView::hasExist(const TAVORouterJoiningGuestDevice& device) const {
    return std::any_of(indicators_.begin(), indicators_.end(),
                       [&](const TAVOVisitorIndicatorPtr& i) { return i->visitorMac == device.end_mac; });
}

void TAVOVisitorNetView::removeIndicator(const TAVOVisitorIndicatorPtr& indicator) {
    ui::ViewAnimation::animate(kRemoveSeconds, [indicator] { indicator->removeFromSuperview(); });
    if (indicator->posIndex >= 0 && indicator->posIndex < kPlaces) postion_[static_cast<std::size_t>(indicator->posIndex)] = 0;
    indicator->posIndex = -1;
    indicators_.erase(std::remove(indicators_.begin(), indicators_.end(), indicator), indicators_.end());
}

void TAVOVisitorNetView::setGuesterList(const std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>>& guests) {
    const auto gone = [&](const TAVOVisitorIndicatorPtr& i) {
        return std::none_of(guests.begin(), guests.end(), [&](const auto& g) { return g && g->end_mac == i->visitorMac; });
    };
    for (const auto& indicator : std::vector<TAVOVisitorIndicatorPtr>(indicators_))
        if (gone(indicator)) removeIndicator(indicator);

    const double side = std::min(kIndicatorSide, bounds().size.height / 3);
    std::weak_ptr<TAVOVisitorNetView> weak = self<TAVOVisitorNetView>();
    for (const auto& guest : guests) {
        if (!guest || hasExist(*guest)) continue;
        auto indicator = TAVOVisitorIndicator::create(cg::RectMake(kOutOfSight, 0, kIndicatorSide, side));
        indicator->showDevice(guest);
        std::weak_ptr<TAVOVisitorIndicator> weakIndicator = indicator;
        indicator->addTarget(self<TAVOVisitorNetView>(), "showOperation", [weak, weakIndicator](ui::Control&) {
            auto field = weak.lock();
            auto i = weakIndicator.lock();
            if (field && i) field->showOperation(i);
        }, ui::ControlEventTouchUpInside);
        addSubview(indicator);
        indicators_.push_back(indicator);
    }
    setNeedsLayout();
    layoutIfNeeded();
}

std::vector<int> TAVOVisitorNetView::unusedPostion() const {
    std::vector<int> free;
    for (int i = 0; i < kPlaces; ++i)
        if (postion_[static_cast<std::size_t>(i)] == 0) free.push_back(i);
    return free;
}

void TAVOVisitorNetView::layoutSubviews() {
    ui::View::layoutSubviews();
    const std::size_t shown = std::min<std::size_t>(indicators_.size(), kPlaces);
    for (std::size_t n = 0; n < shown; ++n) {
        const auto& indicator = indicators_[n];
        if (indicator->frame().origin.x != kOutOfSight) continue;
        const auto free = unusedPostion();
        if (free.empty()) return;
        const int place = free[random_() % free.size()];
        postion_[static_cast<std::size_t>(place)] = 1;
        indicator->posIndex = place;

        const cg::Size size = indicator->frame().size;
        const double shift = std::floor(static_cast<double>(random_() % 10) / 10 * size.height * 0.5);
        const double spread = static_cast<double>(random_() % kHorizontalSpread);
        cg::Point origin = basePoint(place);
        if (place < 2) {
            origin.y += shift;
            origin.x += spread;
        } else if (place >= 4) {
            origin.y -= shift;
            origin.x += spread;
        } else {
            origin.y += (random_() % 2 == 0) ? shift : -shift;
            origin.x += spread / 4 + (place % 2 == 1 ? kMiddleRowShift : 0);
        }
        indicator->setFrame(cg::RectMake(origin.x, origin.y, size.width, size.height));
    }
}

void TAVOVisitorNetView::showOperation(const TAVOVisitorIndicatorPtr& indicator) {
    if (auto d = delegate()) d->visitorNetViewShowOperationWithControl(*this, indicator);
}

void TAVOVisitorNetView::dismiss(bool animated) {
    if (!animated) {
        removeFromSuperview();
        return;
    }
    dismissIndicator();
}

void TAVOVisitorNetView::dismissIndicator() {
    auto keep = self<TAVOVisitorNetView>();
    if (indicators_.empty()) {
        removeFromSuperview();
        return;
    }
    auto first = indicators_.front();
    if (first->frame().origin.x == kOutOfSight) return;
    ui::ViewAnimation::animate(kDismissStepSeconds, [first] { first->removeFromSuperview(); });
    indicators_.erase(indicators_.begin());
    dismissTimer_.start(kDismissDelay, false, [this] { dismissIndicator(); });
}
