// A one-page report card of the router's safety: it greets the signed-in
// account by name and picture, awards the router a rank of 0 to 5 stars
// from the protections that are off and the two password checks, shows a
// random cartoon and five counters of blocked attacks. Everything is read
// once, at load, from the shared status; it sends no request. The layout
// is built in code.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "uikit/LXAttributedLabel.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOSafeReportViewController : public TAVOWIFIViewControler {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOSafeReportViewController> create() { return make<TAVOSafeReportViewController>(); }

    static constexpr std::size_t kNameLimit = 30;
    static constexpr const char* kPhotoImage = "safe_share_photo";

    void viewDidLoad() override;

    // Open safety points (0..9) of a status and the two password checks.
    static int openSafetyPoints(const TAVORouterStatusPtr& status, int wifiPasswordStrength, int adminPasswordSafety);
    int calcSafetyLevel() const;
    static int transferToStarLevel(int n);
    static ui::ImagePtr getSafetyLevel(int stars);
    // Empty outside 0..5.
    static std::string getLevelText(int stars);
    static ui::ImagePtr getRandomIcon();
    // The greeting: the name (cut to 30 characters, "您" when empty)
    // followed by "of router", the name in bold.
    static ns::AttributedStringPtr nameLine(const std::string& accountName);
    // "%d 次" with all but the unit green and large.
    static ns::AttributedStringPtr countText(int count);
    void updateView();

    const ui::ImageViewPtr& headerView() const { return headerView_; }
    const LXAttributedLabelPtr& nameLabel() const { return nameLabel_; }
    const ui::ImageViewPtr& levelIndicator() const { return levelIndicator_; }
    const ui::LabelPtr& levelLabel() const { return levelLabel_; }
    const ui::ImageViewPtr& iconView() const { return iconView_; }
    // In the order: admission, accounts, DNS, dangerous sites, heartbleed.
    const std::vector<LXAttributedLabelPtr>& countLabels() const { return countLabels_; }
    const std::vector<ui::LabelPtr>& textLabels() const { return textLabels_; }

private:
    void buildViews();

    ui::ViewPtr bgReportView_, reportView_;
    ui::ImageViewPtr headerView_;
    LXAttributedLabelPtr nameLabel_;
    ui::ImageViewPtr levelIndicator_;
    ui::LabelPtr levelLabel_, introduceLabel_;
    ui::ImageViewPtr iconView_;
    std::vector<LXAttributedLabelPtr> countLabels_;
    std::vector<ui::LabelPtr> textLabels_;
    ui::ButtonPtr shareBtn_;
};
