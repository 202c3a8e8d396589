#include "widgets/TAVORefreshTableViewController.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"

void TAVORefreshTableViewController::viewDidLoad() {
    TAVOBaseRefreshViewController::viewDidLoad();
    hidesBottomBarWhenPushed = true;
    view()->setBackgroundColor(backgroundColor());
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleBackArrow);

    const cg::Rect b = view()->bounds();
    const double top = cg::RectGetMaxY(navBar()->frame());
    tableView_ = ui::TableView::create(cg::RectMake(b.origin.x, top, b.size.width, b.size.height - top),
                                       ui::TableViewStyle::Plain);
    tableView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight);
    auto self = this->self<TAVORefreshTableViewController>();
    tableView_->setTableDelegate(self);
    tableView_->setDataSource(self);
    tableView_->separatorStyle = 0;
    tableView_->setSectionHeaderHeight(0);
    tableView_->setSectionFooterHeight(0);
    tableView_->setBackgroundColor(backgroundColor());
    tableView_->showsVerticalScrollIndicator = false;
    tableView_->setContentInset(cg::EdgeInsets{0, 0, kTableBottomInset, 0});
    view()->addSubview(tableView_);

    const cg::Rect v = view()->frame();
    blankIndicator_ = BlankIndicatorView::create(
        cg::RectMake(0, std::ceil((v.size.height - kBlankHeight) / 2), v.size.width, kBlankHeight));
    blankIndicator_->setBlackIntroduceText({TAVOLocalizedString(kNoDeviceKey)});
    blankIndicator_->setHidden(true);
    view()->addSubview(blankIndicator_);
}

void TAVORefreshTableViewController::showLoading() { showLoadingWithText(TAVOLocalizedString(kLoadingTextKey), false); }

void TAVORefreshTableViewController::showModalLoading() {
    showLoadingWithText(TAVOLocalizedString(kLoadingTextKey), true);
}

void TAVORefreshTableViewController::showLoadingWithText(const std::string& text, bool modal) {
    if (loadingIndicator_) loadingIndicator_->hide(false);
    isReachMinTimeout_ = false;
    loadingComplete_ = false;
    loadingIndicator_ = CustomizedHUD::showHUDAddedTo(getLoadingAttachedView(), CustomizedHUDTypePlainIndicator, true);
    if (loadingIndicator_) {
        loadingIndicator_->setUserInteractionEnabled(modal);
        loadingIndicator_->setRemoveFromSuperViewOnHide(true);
        loadingIndicator_->setLabelText(text);
    }
    minTimeoutTimer_.start(kLoadingMinSeconds, false, [this] { loadingMinTimeout(); });
}

void TAVORefreshTableViewController::loadingMinTimeout() {
    isReachMinTimeout_ = true;
    if (loadingComplete_) completeUILoading();
}

void TAVORefreshTableViewController::dismissLoading() {
    if (!loadingIndicator_) return;
    loadingComplete_ = true;
    if (isReachMinTimeout_) completeUILoading();
}

void TAVORefreshTableViewController::completeUILoading() {
    if (loadingIndicator_) loadingIndicator_->hide(false);
    loadingIndicator_ = nullptr;
    updateView();
}

void TAVORefreshTableViewController::updateView() {
    blankIndicator_->setHidden(!shouldShowBlackIndicator());
    tableView_->setHidden(false);
    tableView_->reloadData();
}
