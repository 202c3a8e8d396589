#include "widgets/TAVOSwitcherCellView.h"

#include "platform/ui/Font.h"

void TAVOSwitcherCellView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);

    settingTitle_ = ui::Label::create();
    settingTitle_->setTextAlignment(ui::TextAlignment::Left);
    settingTitle_->setTextColor(ui::Color::white(kTitleTextWhite));
    settingTitle_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    addSubview(settingTitle_);

    // A zero frame gives the switch its own size.
    switchControl_ = ToggleSwitch::create();
    switchControl_->addTarget(self<TAVOSwitcherCellView>(), &TAVOSwitcherCellView::onSwicthValueChanged,
                              "onSwicthValueChanged", ui::ControlEventValueChanged);
    addSubview(switchControl_);
    switchControl_->sizeToFit();

    const double width = frame.size.width;
    topLine_ = makeLine(cg::RectMake(0, 0, width, kLineHeight),
                        ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleBottomMargin);
    addSubview(topLine_);
    bottomLine_ = makeLine(cg::RectMake(0, frame.size.height - kLineHeight, width, kLineHeight),
                           ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleTopMargin);
    addSubview(bottomLine_);

    setBackgroundColor(ui::Color::whiteColor());
}

ui::ImageViewPtr TAVOSwitcherCellView::makeLine(const cg::Rect& frame, unsigned autoresizing) const {
    auto line = ui::ImageView::create(frame);
    auto image = ui::Image::imageNamed("seperator_line");
    line->setImage(image ? image->stretchableImageWithLeftCapWidth(kLineLeftCap, 0) : nullptr);
    line->setAutoresizingMask(autoresizing);
    return line;
}

void TAVOSwitcherCellView::layoutSubviews() {
    ui::View::layoutSubviews();
    const cg::Rect rowFrame = frame();
    const cg::Rect rowBounds = bounds();
    double switchWidth = 0;
    if (switchControl_) {
        const cg::Size size = switchControl_->frame().size;
        switchWidth = size.width;
        switchControl_->setFrame(cg::RectMake(rowFrame.size.width - kSwitchRightMargin - size.width,
                                              (rowFrame.size.height - size.height) / 2, size.width, size.height));
    }
    if (settingTitle_)
        settingTitle_->setFrame(cg::RectMake(kTitleLeft, rowBounds.origin.y,
                                             rowBounds.size.width - (switchWidth + kSwitchRightMargin + kTitleSwitchGap),
                                             rowBounds.size.height));
}

void TAVOSwitcherCellView::onSwicthValueChanged() {
    auto delegate = delegate_.lock();
    if (delegate && switchControl_) delegate->onSwithChanged(*switchControl_, *this);
}
