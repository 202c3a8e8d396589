// A table row: a content view holding the text label, the detail label and
// the image view of the cell's style, an accessory, background views for
// the normal and selected looks, highlighted and selected states (passed on
// to the labels and image views inside), and a reuse identifier.
#pragma once

#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace ui {

enum class TableViewCellStyle { Default = 0, Value1 = 1, Value2 = 2, Subtitle = 3 };
enum class TableViewCellAccessoryType { None = 0, DisclosureIndicator = 1, DetailDisclosureButton = 2, Checkmark = 3 };
enum class TableViewCellSelectionStyle { None = 0, Blue = 1, Gray = 2, Default = 3 };

class TableViewCell : public View {
public:
    using View::View;
    template <class T = TableViewCell>
    static std::shared_ptr<T> makeCell(TableViewCellStyle style, const std::string& reuseIdentifier) {
        auto cell = construct<T>();
        cell->initWithStyle(style, reuseIdentifier);
        return cell;
    }
    static std::shared_ptr<TableViewCell> create(TableViewCellStyle style, const std::string& reuseIdentifier) {
        return makeCell<TableViewCell>(style, reuseIdentifier);
    }
    static constexpr double kAccessoryWidth = 30;
    // How long the animated selection and highlight changes take.
    static constexpr double kSelectionAnimationDuration = 0.3;

    virtual void initWithStyle(TableViewCellStyle style, const std::string& reuseIdentifier);

    TableViewCellStyle style() const { return style_; }
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    const ViewPtr& contentView() const { return contentView_; }
    // Created on first use, inside the content view.
    const LabelPtr& textLabel();
    // Null for the default style, as on the platform.
    LabelPtr detailTextLabel();
    const ImageViewPtr& imageView();

    TableViewCellAccessoryType accessoryType() const { return accessoryType_; }
    void setAccessoryType(TableViewCellAccessoryType t);
    const ViewPtr& accessoryView() const { return accessoryView_; }
    void setAccessoryView(const ViewPtr& v);
    TableViewCellSelectionStyle selectionStyle = TableViewCellSelectionStyle::Blue;
    const ViewPtr& backgroundView() const { return backgroundView_; }
    void setBackgroundView(const ViewPtr& v);
    const ViewPtr& selectedBackgroundView() const { return selectedBackgroundView_; }
    void setSelectedBackgroundView(const ViewPtr& v);
    long indentationLevel = 0;
    double indentationWidth = 10;

    bool isSelected() const { return selected_; }
    void setSelected(bool selected) { setSelected(selected, false); }
    virtual void setSelected(bool selected, bool animated);
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted) { setHighlighted(highlighted, false); }
    virtual void setHighlighted(bool highlighted, bool animated);
    bool isEditing() const { return editing_; }
    virtual void setEditing(bool editing, bool animated);

    // Called before the table hands the cell out again.
    virtual void prepareForReuse();
    void layoutSubviews() override;

private:
    void showSelectionLook(bool on, bool animated);

    TableViewCellStyle style_ = TableViewCellStyle::Default;
    std::string reuseIdentifier_;
    ViewPtr contentView_;
    LabelPtr textLabel_;
    LabelPtr detailTextLabel_;
    ImageViewPtr imageView_;
    TableViewCellAccessoryType accessoryType_ = TableViewCellAccessoryType::None;
    ViewPtr accessoryView_;
    ViewPtr backgroundView_;
    ViewPtr selectedBackgroundView_;
    bool selected_ = false;
    bool highlighted_ = false;
    bool editing_ = false;
};

using TableViewCellPtr = std::shared_ptr<TableViewCell>;

}  // namespace ui
