#include "screens/safety/TAVOUpdateViewController.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Timer.h"
#include "platform/foundation/Utf16.h"
#include "platform/ui/Image.h"
#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/ViewAnimation.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterGetVirusLibraryInfo.h"
#include "protocol/requests/catalogue/TAVORouterUpdateVirusLibrary.h"
#include "screens/safety/TAVOSafetyStyle.h"
#include "uikit/LXCommodityStyleModifiers.h"

namespace {

constexpr int kStages = 4;
constexpr double kProgressBarHeight = 12;
const ui::Color kFigureGrey = ui::Color::white(0.4);
constexpr const char* kDateFormat = "yyyy-MM-dd hh:mm";
constexpr const char* kTopArrows = ">>>>";
constexpr const char* kBottomArrows = "<<<<";

constexpr unsigned kFillWidth = ui::ViewAutoresizingFlexibleWidth;
constexpr unsigned kKeepCentred = ui::ViewAutoresizingFlexibleLeftMargin | ui::ViewAutoresizingFlexibleRightMargin;

ui::LabelPtr label(const ui::ViewPtr& parent, const cg::Rect& frame, double size, const ui::Color& color,
                   ui::TextAlignment alignment = ui::TextAlignment::Center) {
    auto l = ui::Label::create(frame);
    l->setFont(ui::Font::systemFontOfSize(size));
    l->setTextColor(color);
    l->setBackgroundColor(ui::Color::clearColor());
    l->setTextAlignment(alignment);
    // Labels keep their margins as the popup's card widens the panels.
    l->setAutoresizingMask(kFillWidth);
    parent->addSubview(l);
    return l;
}

std::string textOf(const ns::Value& value) {
    if (value.isString()) return value.stringValue();
    if (value.isNil() || value.isNull()) return "";
    return std::to_string(value.longLongValue());
}

}  // namespace

TAVOUpdateViewController::~TAVOUpdateViewController() { stopListening(); }

void TAVOUpdateViewController::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    const char* waits[] = {"wait for initializing", "wait for dns", "wait for trojan", "wait for firewall"};
    const char* busies[] = {"initializing", "updating dns", "updating trojan", "updating firewall"};
    const char* dones[] = {"initilized", "dns updated", "trojan updated", "firewall updated"};
    for (int i = 0; i < kStages; ++i) {
        waitDescriptions_.push_back(TAVOLocalizedString(waits[i]));
        busyDescriptions_.push_back(TAVOLocalizedString(busies[i]));
        doneDescriptions_.push_back(TAVOLocalizedString(dones[i]));
    }
    buildViews();
    setUpdateVirusLibraryState(StateQuery);
}

void TAVOUpdateViewController::buildViews() {
    view()->setFrame(cg::RectMake(0, 0, kPopupWidth, kPopupHeight));
    const cg::Rect b = view()->bounds();
    const double w = b.size.width;

    gradientView_ = TAVOGradientView::create(b);
    gradientView_->setTopToBottom(true);
    gradientView_->changeTopLeftColor(ui::Color::rgb255(172, 195, 201), ui::Color::rgb255(219, 228, 233), false);
    gradientView_->setAutoresizingMask(kFillWidth | ui::ViewAutoresizingFlexibleHeight);
    view()->addSubview(gradientView_);

    // The router's lights glow above every panel.
    auto router = ui::ImageView::create(cg::RectMake((w - 100) / 2, 24, 100, 100));
    router->setImage(ui::Image::imageNamed("safe_update_ic01"));
    router->setAutoresizingMask(kKeepCentred);
    view()->addSubview(router);
    for (double x : {(w - 160) / 2}) {
        auto glow = ui::ImageView::create(cg::RectMake(x, -6, 160, 160));
        glow->setImage(ui::Image::imageNamed("public_router_light"));
        glow->setAutoresizingMask(kKeepCentred);
        view()->addSubview(glow);
        glowViews_.push_back(glow);
    }
    for (int i = 0; i < 2; ++i) {
        const double x = i == 0 ? 24 : w - 64;
        arrowsTop_.push_back(label(view(), cg::RectMake(x, 56, 40, 16), 12, ui::Color::whiteColor()));
        arrowsBottom_.push_back(label(view(), cg::RectMake(x, 76, 40, 16), 12, ui::Color::whiteColor()));
        arrowsTop_.back()->setAutoresizingMask(kKeepCentred);
        arrowsBottom_.back()->setAutoresizingMask(kKeepCentred);
    }
    showArrows();

    auto panel = [&] {
        auto p = ui::View::create(cg::RectMake(0, 140, w, b.size.height - 140));
        p->setAutoresizingMask(kFillWidth | ui::ViewAutoresizingFlexibleHeight);
        view()->addSubview(p);
        return p;
    };
    queryView_ = panel();
    waitingTitle_ = label(queryView_, cg::RectMake(0, 40, w, 24), 18, ui::Color::white(0.2));
    waitingTitle_->setText(TAVOLocalizedString("check update"));
    waitingSubtitle_ = label(queryView_, cg::RectMake(0, 70, w, 20), 13, kFigureGrey);
    waitingSubtitle_->setText(TAVOLocalizedString("Ardo Keelbox firewall"));

    downloadView_ = panel();
    progressView_ = TAVOCustomProgressView::create(cg::RectMake(20, 20, w - 40, kProgressBarHeight));
    progressView_->setTrackImage(TAVOCommonUtility::createImageFromColor(ui::Color::rgb255(219, 228, 231), cg::SizeMake(1, 1)));
    progressView_->setProgressImage(TAVOCommonUtility::createImageFromColor(ui::Color::rgb255(74, 190, 90), cg::SizeMake(1, 1)));
    progressView_->setAutoresizingMask(kFillWidth);
    downloadView_->addSubview(progressView_);
    updateProgressLabel_ = label(downloadView_, cg::RectMake(0, 38, w, 20), 13, ui::Color::white(0.2));
    for (int i = 0; i < kStages; ++i) {
        const double y = 68 + i * 32;
        auto circle = TAVOCircleProgressView::create(cg::RectMake(40, y, 24, 24));
        circle->setBorderWidth(1);
        circle->setTrackColor(ui::Color::rgb255(219, 228, 231));
        circle->setProgressColor(ui::Color::rgb255(74, 190, 90));
        downloadView_->addSubview(circle);
        stageCircles_.push_back(circle);
        auto stage = label(downloadView_, cg::RectMake(74, y, w - 94, 24), 13, kFigureGrey, ui::TextAlignment::Left);
        stage->setText(waitDescriptions_[static_cast<std::size_t>(i)]);
        stageLabels_.push_back(stage);
    }

    doneView_ = panel();
    doneSuccessView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("safe_update_ic01"));
    doneSuccessView_->setFrame(cg::RectMake(20, 4, 28, 28));
    doneView_->addSubview(doneSuccessView_);
    doneFailureView_ = label(doneView_, cg::RectMake(20, 4, 28, 28), 22, TAVOSafetyStyle::warningRed());
    std::dynamic_pointer_cast<ui::Label>(doneFailureView_)->setText("!");
    doneFailureView_->setAutoresizingMask(ui::ViewAutoresizingNone);
    doneFailureView_->setHidden(true);
    doneTitle_ = label(doneView_, cg::RectMake(56, 4, w - 76, 28), 16, ui::Color::white(0.2), ui::TextAlignment::Left);
    doneTitle_->setText(TAVOLocalizedString("check update"));
    versionLabel_ = label(doneView_, cg::RectMake(20, 42, w - 40, 20), 13, kFigureGrey, ui::TextAlignment::Left);
    dateLabel_ = label(doneView_, cg::RectMake(20, 64, w - 40, 20), 13, kFigureGrey, ui::TextAlignment::Left);
    trojanLabel_ = label(doneView_, cg::RectMake(20, 86, w - 40, 20), 13, kFigureGrey, ui::TextAlignment::Left);
    fishingLabel_ = label(doneView_, cg::RectMake(20, 108, w - 40, 20), 13, kFigureGrey, ui::TextAlignment::Left);
    dnsUpdatedLabel_ = LXAttributedLabel::create(cg::RectMake(20, 130, w - 40, 20));
    stealerUpdatedLabel_ = LXAttributedLabel::create(cg::RectMake(20, 152, w - 40, 20));
    for (const auto& l : {dnsUpdatedLabel_, stealerUpdatedLabel_}) {
        l->setBackgroundColor(ui::Color::clearColor());
        l->setAutoresizingMask(kFillWidth);
        doneView_->addSubview(l);
    }
    updateProgressLabel_->setText(ns::format(TAVOLocalizedString("updating %.0f"), 0.0));
}

void TAVOUpdateViewController::viewWillAppear(bool animated) {
    ui::ViewController::viewWillAppear(animated);
    startDecoration();
}

void TAVOUpdateViewController::viewDidDisappear(bool animated) {
    ui::ViewController::viewDidDisappear(animated);
    arrowTimer_.stop();
}

void TAVOUpdateViewController::startDecoration() {
    for (const auto& glow : glowViews_) {
        glow->layer()->removeAllAnimations();
        auto shine = ca::KeyframeAnimation::animationWithKeyPath("opacity");
        shine->values = {0.0, 1.0, 0.0};
        shine->duration = kGlowSeconds;
        shine->repeatCount = std::numeric_limits<double>::infinity();
        shine->fillMode = ca::FillMode::Forwards;
        glow->layer()->addAnimation(shine, kGlowAnimationKey);
    }
    arrowTimer_.start(kArrowSeconds, true, [this] { advanceArrows(); });
}

void TAVOUpdateViewController::advanceArrows() {
    arrowTiming_ = (arrowTiming_ + 1) % 8;
    showArrows();
}

void TAVOUpdateViewController::showArrows() {
    const std::string top = std::string(kTopArrows).substr(0, static_cast<std::size_t>(arrowTiming_ / 2 + 1));
    const std::string bottom = std::string(kBottomArrows).substr(0, static_cast<std::size_t>(((arrowTiming_ + 1) % 8) / 2 + 1));
    for (const auto& l : arrowsTop_) l->setText(top);
    for (const auto& l : arrowsBottom_) l->setText(bottom);
}

void TAVOUpdateViewController::userDidClickClose(TAVOPopupViewController&) {
    if (auto d = delegate()) d->updateViewControllerWillDismiss(*this);
}

void TAVOUpdateViewController::setUpdateVirusLibraryState(int state) {
    state_ = state;
    auto show = [this](const ui::ViewPtr& shown) {
        for (const auto& p : {queryView_, downloadView_, doneView_}) p->setAlpha(p == shown ? 1 : 0);
    };
    if (state == StateQuery) {
        show(queryView_);
        startUpdate();
    } else if (state == StateDownload) {
        setUpdateProgress(0);
        std::random_device seed;
        const double interval = (5 + static_cast<double>(std::uniform_int_distribution<int>(0, 1 << 30)(seed) % 20) / 10) / 1000;
        if (progressTimer_) progressTimer_->invalidate();
        // The timer keeps its target, this screen, until the progress is full.
        progressTimer_ = ns::Timer::scheduledTimerWithTimeInterval(
            interval, self<TAVOUpdateViewController>(), [this](const std::shared_ptr<ns::Timer>&) { tick(); }, {}, true);
        ui::ViewAnimation::animate(kPanelFadeSeconds, [show, this] { show(downloadView_); });
    } else if (state == StateDone) {
        ui::ViewAnimation::animate(kPanelFadeSeconds, [show, this] { show(doneView_); });
    }
}

void TAVOUpdateViewController::startUpdate() {
    auto self = this->self<TAVOUpdateViewController>();
    std::weak_ptr<TAVOUpdateViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterUpdateVirusLibrary>(
        self, [weak](const ns::Value& reply, const ns::Dictionary&) { if (auto s = weak.lock()) s->updateOK(reply); },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) { if (auto s = weak.lock()) s->updateFailed(error); });
    lastActionDateOnRouterStatus_ = ns::Date::now();
    const auto sent = TAVOAccountManager::shareInstance()->updateVirusLibrary();
    // A refusal by the facade itself posts nothing: fail as the provider would.
    TAVORequestAnswers::deliverRefusal(sent, self, [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
        if (auto s = weak.lock()) s->updateFailed(error);
    });
}

void TAVOUpdateViewController::requestVirusInfo() {
    auto self = this->self<TAVOUpdateViewController>();
    std::weak_ptr<TAVOUpdateViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterGetVirusLibraryInfo>(
        self, [weak](const ns::Value& info, const ns::Dictionary&) { if (auto s = weak.lock()) s->infoOK(info); },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) { if (auto s = weak.lock()) s->infoFailed(error); });
    const auto sent = TAVOAccountManager::shareInstance()->getVirusLibraryInfo();
    TAVORequestAnswers::deliverRefusal(sent, self, [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
        if (auto s = weak.lock()) s->infoFailed(error);
    });
}

void TAVOUpdateViewController::stopListening() {
    TAVORequestAnswers::stopListening<TAVORouterUpdateVirusLibrary>(this);
    TAVORequestAnswers::stopListening<TAVORouterGetVirusLibraryInfo>(this);
}

bool TAVOUpdateViewController::deferred(std::function<void()> handle) {
    const double elapsed = lastActionDateOnRouterStatus_
                               ? std::fabs(ns::Date::now().timeIntervalSince1970() - lastActionDateOnRouterStatus_->timeIntervalSince1970())
                               : kHandleAtOnceAfter;
    if (elapsed >= kHandleAtOnceAfter) return false;
    deferTimer_.start(kShowNoSoonerThan - elapsed, false, std::move(handle));
    return true;
}

void TAVOUpdateViewController::updateOK(const ns::Value& reply) {
    stopListening();
    doneSuccessView_->setHidden(false);
    doneFailureView_->setHidden(true);
    showUpdateProgress_ = reply.isDictionary() && reply["is_update"].intValue() == 1;
    requestVirusInfo();
    if (auto d = delegate()) d->updateViewControllerDidUpdate(*this, reply);
}

void TAVOUpdateViewController::updateFailed(const TAVOErrorPtr& error) {
    stopListening();
    if (deferred([this, error] { updateFailed(error); })) return;
    doneSuccessView_->setHidden(true);
    doneFailureView_->setHidden(false);
    if (state_ == StateQuery) setUpdateVirusLibraryState(StateDone);
    if (auto d = delegate()) d->updateViewControllerFailedToUpdate(*this, error);
}

void TAVOUpdateViewController::infoOK(const ns::Value& info) {
    stopListening();
    if (deferred([this, info] { infoOK(info); })) return;
    if (state_ == StateQuery) setUpdateVirusLibraryState(showUpdateProgress_ ? StateDownload : StateDone);
    versionLabel_->setText(ns::format(TAVOLocalizedString("virus library version: %@"), textOf(info["version"])));
    dateLabel_->setText(ns::format(TAVOLocalizedString("virus library date: %@"),
                                   TAVOCommonUtility::convertStringFromNumber(info["pub_time"].doubleValue(), kDateFormat)));
    trojanLabel_->setText(ns::format(TAVOLocalizedString("virus library trojan count: %@"), textOf(info["trojan_num"])));
    fishingLabel_->setText(ns::format(TAVOLocalizedString("virus library fishing websites: %@"), textOf(info["phishing_num"])));
    auto updatedLine = [this](const char* prefixKey) {
        const std::string prefix = TAVOLocalizedString(prefixKey);
        auto text = TAVOSafetyStyle::styled(prefix + TAVOLocalizedString("updated"), versionLabel_->font(), versionLabel_->textColor());
        const auto start = ns::utf16::length(prefix);
        LXCommodityStyleModifiers::setTextColor(*text, TAVOSafetyStyle::safeGreen(), ns::makeRange(start, text->length() - start));
        return text;
    };
    dnsUpdatedLabel_->setAttributedText(updatedLine("virus library dns features: "));
    stealerUpdatedLabel_->setAttributedText(updatedLine("virus library stealer features: "));
    if (auto d = delegate()) d->updateViewControllerDidGetVirusInfo(*this, info);
}

void TAVOUpdateViewController::infoFailed(const TAVOErrorPtr& error) {
    stopListening();
    if (deferred([this, error] { infoFailed(error); })) return;
    if (state_ == StateQuery) setUpdateVirusLibraryState(StateDone);
    if (auto d = delegate()) d->updateViewControllerFailedToGetVirusInfo(*this, error);
}

int TAVOUpdateViewController::stepForProgress(double p) {
    if (p >= 1) return 5;
    if (p > 0.75) return 4;
    if (p > 0.5) return 3;
    if (p > 0.25) return 2;
    if (p > 0) return 1;
    return 0;
}

double TAVOUpdateViewController::circleProgress(double progress, int index) {
    return std::clamp((progress - 0.25 * index) * 4, 0.0, 1.0);
}

void TAVOUpdateViewController::tick() {
    const double next = std::max(0.0, progress_ + kProgressStep);
    const int before = step_;
    setUpdateProgress(next);
    const auto fill = [this](int index) {
        if (index >= 0 && index < kStages)
            stageCircles_[static_cast<std::size_t>(index)]->setProgress(static_cast<float>(circleProgress(progress_, index)));
    };
    fill(step_ - 1);
    if (step_ != before) fill(before - 1);
    if (progress_ >= 1 && progressTimer_) {
        progressTimer_->invalidate();
        progressTimer_ = nullptr;
    }
}

void TAVOUpdateViewController::setUpdateProgress(double progress) {
    progress_ = progress;
    updateProgressLabel_->setText(ns::format(TAVOLocalizedString("updating %.0f"), progress * 100));
    progressView_->setProgress(static_cast<float>(progress));
    changeStep(stepForProgress(progress));
    if (progress >= 1) doneTimer_.start(kPanelFadeSeconds, false, [this] { setUpdateVirusLibraryState(StateDone); });
}

void TAVOUpdateViewController::changeStep(int step) {
    if (step == step_) return;
    step_ = step;
    if (step < 1) return;
    auto change = [this](int index, const std::vector<std::string>& texts) {
        if (index < 0 || index >= kStages) return;
        auto l = stageLabels_[static_cast<std::size_t>(index)];
        const std::string text = texts[static_cast<std::size_t>(index)];
        ui::ViewAnimation::transition(l, kPanelFadeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve, [l, text] { l->setText(text); });
    };
    change(step - 2, doneDescriptions_);
    change(step - 1, busyDescriptions_);
}
