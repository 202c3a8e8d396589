// The account row of the settings list: the user's round head picture and
// name. A picture address is loaded once, however often it is set again.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"

class TAVORightHeaderCell : public ui::TableViewCell {
public:
    using TableViewCell::TableViewCell;
    static std::shared_ptr<TAVORightHeaderCell> create(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
        return makeCell<TAVORightHeaderCell>(style, reuseIdentifier);
    }

    static constexpr const char* kPlaceholderImageName = "icon_default_user_dropdownlist";

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;

    const std::string& headPicURL() const { return headPicURL_; }
    // A new address loads its picture (the placeholder shows meanwhile);
    // the address already set does nothing.
    void setHeadPicURL(const std::string& url);
    const std::string& userName() const { return userName_; }
    // An empty name keeps the name shown before.
    void setUserName(const std::string& name);

    const ui::ImageViewPtr& head_pic_view() const { return headPicView_; }
    const ui::LabelPtr& userNameLabel() const { return userNameLabel_; }

private:
    std::string headPicURL_;
    bool hasHeadPicURL_ = false;
    std::string userName_;
    ui::ImageViewPtr headPicView_;
    ui::LabelPtr userNameLabel_;
};

using TAVORightHeaderCellPtr = std::shared_ptr<TAVORightHeaderCell>;
