// The scan page of the protection tab: a waiting panel while the tab
// fetches the router's status, then a laser that sweeps over a carousel of
// eighteen fixed safety items, one item per sweep, naming each and its
// group, until every item was shown; then it tells the tab the check is
// finished. It also shows the virus library's date and a button that asks
// the tab to update the library. It is a presentation: the items are a
// fixed list, not results read from the router. The layout is built in
// code.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "widgets/TAVOXibBaseViewController.h"

class TAVOCheckRouterViewController;

class TAVOCheckRouterViewControllerDelegate {
public:
    virtual ~TAVOCheckRouterViewControllerDelegate() = default;
    virtual void checkRouterViewControllerDidFinishChecking(TAVOCheckRouterViewController& controller) = 0;
    virtual void userDidClickUpdateButton() = 0;
};

class TAVOCheckRouterViewController : public TAVOXibBaseViewController {
public:
    using TAVOXibBaseViewController::TAVOXibBaseViewController;
    static std::shared_ptr<TAVOCheckRouterViewController> create() { return make<TAVOCheckRouterViewController>(); }

    static constexpr double kSweepHalfSeconds = 0.375;
    static constexpr double kLaserReach = 40;
    static constexpr double kTextFadeSeconds = 0.25;
    static constexpr const char* kDateFormat = "yyyy-MM-dd";

    void viewDidLoad() override;

    std::shared_ptr<TAVOCheckRouterViewControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOCheckRouterViewControllerDelegate>& d) { delegate_ = d; }

    bool dataReady() const { return dataReady_; }
    void setDataReady(bool ready);
    bool paused() const { return paused_; }
    void setPaused(bool paused);
    void setVirusLibraryUpdateTime(const std::string& date);
    void clickUpdateButton();

    long securityItemsCount() const;
    long securityItemBeingScanned() const { return securityItemBeingScanned_; }
    void setSecurityItemBeingScanned(long value);
    long securityItemsHasBeenScanned() const { return securityItemsHasBeenScanned_; }

    // The carousel place of item `index` while item `current` is scanned:
    // its frame in the container and its alpha.
    struct Place {
        cg::Rect frame;
        double alpha;
    };
    static Place placeOf(long index, long current, long count);

    const ui::ViewPtr& waitingView() const { return waitingView_; }
    const ui::ViewPtr& scanningView() const { return scanningView_; }
    const ui::LabelPtr& parseLabel() const { return parseLabel_; }
    const ui::LabelPtr& parseSublabel() const { return parseSublabel_; }
    const ui::LabelPtr& virusLibraryDateLabel() const { return virusLibraryDateLabel_; }
    const ui::ButtonPtr& virusLibraryUpdateButton() const { return virusLibraryUpdateButton_; }
    const std::vector<ui::ImageViewPtr>& securityItemViews() const { return securityItemViews_; }
    const ui::ImageViewPtr& parseLaserImageView() const { return parseLaserImageView_; }

private:
    void startLaser();
    void sweep();
    void sweepBack();
    void changeText(const ui::LabelPtr& label, const std::string& text);

    std::weak_ptr<TAVOCheckRouterViewControllerDelegate> delegate_;
    bool dataReady_ = false;
    bool paused_ = false;
    bool needResume_ = false;
    long securityItemBeingScanned_ = 0;
    long securityItemsHasBeenScanned_ = 0;
    std::vector<std::string> securityItemTitles_;
    std::vector<std::string> securityItemSubtitles_;
    std::vector<ui::ImageViewPtr> securityItemViews_;

    ui::ViewPtr waitingView_;
    ui::ViewPtr scanningView_;
    ui::LabelPtr waitingLabel_;
    ui::ViewPtr parseIconContainerView_;
    ui::ImageViewPtr parseLaserImageView_;
    ui::LabelPtr parseLabel_;
    ui::LabelPtr parseSublabel_;
    ui::LabelPtr virusLibraryDateLabel_;
    ui::ButtonPtr virusLibraryUpdateButton_;
};
