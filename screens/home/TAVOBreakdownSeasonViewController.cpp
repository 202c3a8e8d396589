#include "screens/home/TAVOBreakdownSeasonViewController.h"

#include "core/app/CustomViewFromNib.h"
#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"

namespace {

constexpr double kBackgroundGrey = 0.9725;
constexpr double kSeparatorHeight = 0.5;
constexpr long kSeparatorLeftCap = 3;

double bottomOf(const ui::ViewPtr& view) { return view->frame().origin.y + view->frame().size.height; }

}  // namespace

void TAVOBreakdownSeasonViewController::viewDidLoad() {
    hidesBottomBarWhenPushed = true;
    TAVOBaseViewController::viewDidLoad();
    view()->setBackgroundColor(ui::Color::white(kBackgroundGrey));
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);

    TAVOOperatorBreakdownView::registerInterface();
    operatorView_ = CustomViewFromNib::customViewFromNib<TAVOOperatorBreakdownView>();
    if (!operatorView_) return;
    view()->addSubview(operatorView_);

    const std::string phoneLine = TAVOLocalizedString("please contact local operator");
    if (errorId_ == kOperatorRefusedCode) {
        const std::string name = TAVOLocalizedString("operator error");
        navBar()->setTitle(name);
        operatorView_->NameLabel()->setText(ns::format("%@（691）", name));
        operatorView_->introduceLabel()->setText(TAVOLocalizedString("operator error introduce"));
        operatorView_->telIntroduceLabel()->setText(phoneLine);
    } else {
        const std::string name = TAVOLocalizedString("operator unknow error");
        navBar()->setTitle(name);
        operatorView_->NameLabel()->setText(name);
        operatorView_->telIntroduceLabel()->setText(phoneLine);
        // No explanation: the phone line takes its place, the number follows.
        cg::Rect tel = operatorView_->telIntroduceLabel()->frame();
        tel.origin = operatorView_->introduceLabel()->frame().origin;
        operatorView_->telIntroduceLabel()->setFrame(tel);
        cg::Rect number = operatorView_->operatortelLabel()->frame();
        number.origin.y = bottomOf(operatorView_->telIntroduceLabel()) + kBodyGap;
        operatorView_->operatortelLabel()->setFrame(number);
        operatorView_->introduceLabel()->setFrame(cg::Rect{});
    }

    cg::Rect body = operatorView_->frame();
    body.origin.y = bottomOf(navBar()) + kBodyGap;
    body.size.height = bottomOf(operatorView_->operatortelLabel());
    operatorView_->setFrame(body);

    auto line = ui::Image::imageNamed("seperator_line");
    auto separator = ui::ImageView::create(
        cg::RectMake(0, body.origin.y - kSeparatorHeight, view()->bounds().size.width, kSeparatorHeight));
    separator->setImage(line ? line->stretchableImageWithLeftCapWidth(kSeparatorLeftCap, 0) : nullptr);
    separator->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleBottomMargin);
    view()->addSubview(separator);
}
