// The field of the guest screen in which each visitor that has just joined
// appears at one of six places (two columns by three rows), slightly off
// the place's corner at random. A visitor that leaves the list leaves the
// field and frees its place; beyond six, newcomers wait out of sight until
// a place frees up.
#pragma once

#include <array>
#include <memory>
#include <random>
#include <vector>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/View.h"
#include "screens/wifi/TAVOVisitorIndicator.h"

class TAVOVisitorNetView;

class TAVOVisitorNetViewDelegate {
public:
    virtual ~TAVOVisitorNetViewDelegate() = default;
    virtual void visitorNetViewShowOperationWithControl(TAVOVisitorNetView& netView,
                                                        const TAVOVisitorIndicatorPtr& indicator) = 0;
};

class TAVOVisitorNetView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOVisitorNetView> create(const cg::Rect& frame) { return make<TAVOVisitorNetView>(frame); }

    static constexpr int kPlaces = 6;
    static constexpr double kOutOfSight = -1000;
    static constexpr double kIndicatorSide = 75;
    static constexpr double kRemoveSeconds = 0.3;
    static constexpr double kDismissStepSeconds = 0.1;
    static constexpr double kDismissDelay = 0.2;

    void setGuesterList(const std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>>& guests);
    bool hasExist(const TAVORouterJoiningGuestDevice& device) const;
    // Animated: the visitors leave one by one, then the field; else at once.
    void dismiss(bool animated);
    void dismissIndicator();
    // The free places, ascending.
    std::vector<int> unusedPostion() const;
    void layoutSubviews() override;

    std::shared_ptr<TAVOVisitorNetViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOVisitorNetViewDelegate>& d) { delegate_ = d; }
    const std::vector<TAVOVisitorIndicatorPtr>& indicators() const { return indicators_; }
    const std::array<int, kPlaces>& postion() const { return postion_; }
    // The top-left corner of a place before its random offset.
    cg::Point basePoint(int place) const;

private:
    void showOperation(const TAVOVisitorIndicatorPtr& indicator);
    void removeIndicator(const TAVOVisitorIndicatorPtr& indicator);

    std::weak_ptr<TAVOVisitorNetViewDelegate> delegate_;
    std::vector<TAVOVisitorIndicatorPtr> indicators_;
    std::array<int, kPlaces> postion_{};
    std::mt19937 random_{std::random_device{}()};
    ns::ScopedTimer dismissTimer_;
};

using TAVOVisitorNetViewPtr = std::shared_ptr<TAVOVisitorNetView>;
