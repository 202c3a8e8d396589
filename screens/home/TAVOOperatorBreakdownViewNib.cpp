// The operator view's interface: a white card with the fault's name, its
// explanation, the line that introduces the phone number and the number
// itself as a button.
#include <mutex>

#include "platform/ui/Font.h"
#include "platform/ui/NibRegistry.h"
#include "screens/home/TAVOOperatorBreakdownView.h"

namespace {

constexpr double kWidth = 320;
constexpr double kMargin = 15;
constexpr double kTextWidth = kWidth - 2 * kMargin;
constexpr cg::Rect kNameFrame{{kMargin, 15}, {kTextWidth, 24}};
constexpr cg::Rect kIntroduceFrame{{kMargin, 47}, {kTextWidth, 54}};
constexpr cg::Rect kTelIntroduceFrame{{kMargin, 111}, {kTextWidth, 20}};
constexpr cg::Rect kTelFrame{{kMargin, 136}, {kTextWidth, 44}};
constexpr double kViewHeight = 190;
// The number the button shows and dials.
constexpr const char* kOperatorNumber = "10000";

ui::Color grey(int level) { return ui::Color::rgb255(level, level, level); }

ui::LabelPtr label(const cg::Rect& frame, const ui::Font& font, int greyLevel, long lines) {
    auto l = ui::Label::create(frame);
    l->setFont(font);
    l->setTextColor(grey(greyLevel));
    l->setBackgroundColor(ui::Color::clearColor());
    l->setNumberOfLines(lines);
    return l;
}

}  // namespace

void TAVOOperatorBreakdownView::registerInterface() {
    static std::once_flag once;
    std::call_once(once, [] {
        ui::NibRegistry::registerNib("TAVOOperatorBreakdownView", [](const ns::ObjectPtr&) {
            auto view = ui::View::make<TAVOOperatorBreakdownView>(cg::RectMake(0, 0, kWidth, kViewHeight));
            view->setBackgroundColor(ui::Color::whiteColor());
            view->nameLabel_ = label(kNameFrame, ui::Font::boldSystemFontOfSize(17), 51, 1);
            view->introduceLabel_ = label(kIntroduceFrame, ui::Font::systemFontOfSize(14), 102, 3);
            view->telIntroduceLabel_ = label(kTelIntroduceFrame, ui::Font::systemFontOfSize(14), 102, 1);
            view->operatortelLabel_ = ui::View::create(kTelFrame);
            view->telButton_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
            view->telButton_->setFrame(cg::RectMake(0, 0, kTelFrame.size.width, kTelFrame.size.height));
            view->telButton_->setTitle(kOperatorNumber, ui::ControlStateNormal);
            view->telButton_->setTitleColor(ui::Color::rgb255(10, 167, 75), ui::ControlStateNormal);
            view->telButton_->titleLabel()->setFont(ui::Font::boldSystemFontOfSize(22));
            view->telButton_->setContentHorizontalAlignment(ui::ControlContentHorizontalAlignment::Left);
            view->telButton_->addTarget(view, &TAVOOperatorBreakdownView::call, "call:", ui::ControlEventTouchUpInside);
            view->operatortelLabel_->addSubview(view->telButton_);
            for (const ui::ViewPtr& v : std::initializer_list<ui::ViewPtr>{view->nameLabel_, view->introduceLabel_,
                                                                             view->telIntroduceLabel_, view->operatortelLabel_})
                view->addSubview(v);
            return std::vector<ns::ObjectPtr>{view};
        });
    });
}
