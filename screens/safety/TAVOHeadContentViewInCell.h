// The protection tab's header: a shield that tells the security level
// (title and subtitle), the days the network has been protected, the
// virus library's date and a button that asks for a library update. The
// layout is built in code: the shield centred on the tall screen, at the
// left beside the texts on the short one (the scan page shrinks onto it).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class TAVOHeadContentViewInCellDelegate {
public:
    virtual ~TAVOHeadContentViewInCellDelegate() = default;
    virtual void userDidClickUpdateButton() = 0;
};

class TAVOHeadContentViewInCell : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOHeadContentViewInCell> create(const cg::Rect& frame) {
        return make<TAVOHeadContentViewInCell>(frame);
    }

    static constexpr double kTallHeight = 200;
    static constexpr double kShortHeight = 150;
    static constexpr const char* kShieldMask = "safe_safe_ic_mask";
    static constexpr const char* kDateFormat = "yyyy-MM-dd";

    void initWithFrame(const cg::Rect& frame) override;

    std::shared_ptr<TAVOHeadContentViewInCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOHeadContentViewInCellDelegate>& d) { delegate_ = d; }

    int securityLevel() const { return securityLevel_; }
    void setSecurityLevel(int level);
    int daysProtected() const { return daysProtected_; }
    void setDaysProtected(int days) { daysProtected_ = days; }
    void setVirusLibraryUpdateTime(const std::string& date);
    void startAnimating();

    // The title and subtitle keys' texts of a level.
    static std::string titleForLevel(int level);
    static std::string subtitleForLevel(int level, int days);

    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    const ui::LabelPtr& subtitleLabel() const { return subtitleLabel_; }
    const ui::LabelPtr& virusLibraryDateLabel() const { return virusLibraryDateLabel_; }
    const ui::ButtonPtr& virusLibraryUpdateButton() const { return virusLibraryUpdateButton_; }
    const ui::ImageViewPtr& shieldImageView() const { return shieldImageView_; }

private:
    void clickUpdate();

    std::weak_ptr<TAVOHeadContentViewInCellDelegate> delegate_;
    int securityLevel_ = 0;
    int daysProtected_ = 0;
    ui::LabelPtr titleLabel_;
    ui::LabelPtr subtitleLabel_;
    ui::LabelPtr virusLibraryDateLabel_;
    ui::ButtonPtr virusLibraryUpdateButton_;
    ui::ImageViewPtr shieldBackgroundImageView_;
    ui::ImageViewPtr shieldImageView_;
};

using TAVOHeadContentViewInCellPtr = std::shared_ptr<TAVOHeadContentViewInCell>;
