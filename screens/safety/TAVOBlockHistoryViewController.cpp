#include "screens/safety/TAVOBlockHistoryViewController.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterGetSafetyLogRequest.h"
#include "screens/safety/TAVOBlockHistoryTableViewCell.h"
#include "screens/safety/TAVOSafeReportViewController.h"
#include "screens/safety/TAVOSafetyStyle.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

struct Kind {
    int requestId;
    const char* nameKey;
};
// In section order, which is also the order of the requests.
constexpr Kind kKinds[] = {{5, "heart blood protection"},
                           {0, "block dangerous websites"},
                           {3, "DNS safe protection"},
                           {2, "protect to theal account"},
                           {6, "local domain network protection"}};
constexpr int kWebsiteKind = 0;
constexpr int kDnsKind = 3;
constexpr int kHeartBleedKind = 5;
constexpr const char* kDnsHostFormat = "被防御域名：%@";
constexpr double kBannerLabelHeight = 20;
constexpr double kBannerLabelAboveBottom = 30;
constexpr double kListBottomInset = 22;

}  // namespace

void TAVOBlockHistoryViewController::viewDidLoad() {
    TAVORefreshTableViewController::viewDidLoad();
    const cg::Rect b = view()->bounds();
    headerImageView_ = ui::ImageView::create(cg::RectMake(0, 0, b.size.width, kBannerHeight));
    headerImageView_->setImage(ui::Image::imageNamed("safe_share_banner@2x.jpg"));
    view()->addSubview(headerImageView_);
    headerIntroduceLabel_ = ui::Label::create(
        cg::RectMake(0, kBannerHeight - kBannerLabelAboveBottom, b.size.width, kBannerLabelHeight));
    headerIntroduceLabel_->setFont(ui::Font::systemFontOfSize(14));
    headerIntroduceLabel_->setTextColor(ui::Color::whiteColor());
    headerIntroduceLabel_->setBackgroundColor(ui::Color::clearColor());
    headerIntroduceLabel_->setTextAlignment(ui::TextAlignment::Center);
    headerIntroduceLabel_->setText(TAVOLocalizedString("block text"));
    headerImageView_->addSubview(headerIntroduceLabel_);

    const double listHeight = b.size.height - kBannerHeight;
    tableView()->setFrame(cg::RectMake(0, kBannerHeight, b.size.width, listHeight));
    tableView()->setContentInset(cg::EdgeInsets{0, 0, kListBottomInset, 0});
    tableView()->showsVerticalScrollIndicator = true;
    blankIndicator()->setFrame(cg::RectMake(0, kBannerHeight + std::ceil((listHeight - kBlankHeight) / 2), b.size.width, kBlankHeight));
    blankIndicator()->setBlackIntroduceText({TAVOLocalizedString("no record")});

    navBar()->setBgImage(nullptr);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleBackArrow);
    navBar()->setTitle(TAVOLocalizedString("block history"), ui::Color::whiteColor());
    navBar()->setRightBarItemImage(ui::Image::imageNamed("topbar_ic_ljls"));
    view()->bringSubviewToFront(navBar());

    showLoading();
    auto self = this->self<TAVOBlockHistoryViewController>();
    std::weak_ptr<TAVOBlockHistoryViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterGetSafetyLogRequest>(
        self,
        [weak](const ns::Value& logs, const ns::Dictionary& userInfo) {
            if (auto s = weak.lock()) s->answered(userInfo["param"]["type"].intValue(), true, logs, "");
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary& userInfo) {
            auto s = weak.lock();
            // A refusal carries no "param": the screen counted it when the
            // facade returned.
            if (s && userInfo["param"].isDictionary())
                s->answered(userInfo["param"]["type"].intValue(), false, {}, getErrMsgFromObject(error));
        });
    for (const auto& kind : kKinds) logKindInfos_.push_back({kind.requestId, TAVOLocalizedString(kind.nameKey), TAVOLogKindInfo::Waiting, {}});
    auto facade = TAVOAccountManager::shareInstance();
    for (const auto& kind : kKinds) {
        const auto sent = facade->getSafetyLogs(kind.requestId);
        if (sent != 0 && sent != kTAVONothingSent) continue;
        // Refused before sending: its failure tells no kind, so count it now.
        const std::string text = getErrMsgFromObject(TAVORequestAnswers::refusalError(sent == 0 ? -100000 : sent));
        for (auto& info : logKindInfos_)
            if (info.requestId == kind.requestId) info.isReady = TAVOLogKindInfo::Failed;
        checkCompletion(true, text);
    }
}

void TAVOBlockHistoryViewController::rightNavItemPressed() {
    if (auto nav = navigationController()) nav->pushViewController(TAVOSafeReportViewController::create(), true);
}

void TAVOBlockHistoryViewController::answered(int kind, bool ok, const ns::Value& logs, const std::string& errorText) {
    for (auto& info : logKindInfos_) {
        if (info.requestId != kind) continue;
        info.isReady = ok ? TAVOLogKindInfo::Arrived : TAVOLogKindInfo::Failed;
        info.datas.clear();
        if (ok && logs.isArray())
            for (const auto& item : logs.asArray())
                if (auto log = std::dynamic_pointer_cast<TAVOSafetyLog>(item.asObject())) info.datas.push_back(log);
    }
    checkCompletion(!ok, errorText);
}

void TAVOBlockHistoryViewController::checkCompletion(bool fromFailure, const std::string& errorText) {
    for (const auto& info : logKindInfos_)
        if (info.isReady == TAVOLogKindInfo::Waiting) return;
    bool any = false;
    for (const auto& info : logKindInfos_) any = any || !info.datas.empty();
    showBlackIndicator_ = !any;
    if (!any && fromFailure) showServerError(errorText);
    dismissLoading();
}

void TAVOBlockHistoryViewController::updateView() {
    blankIndicator()->setHidden(!showBlackIndicator_);
    tableView()->setHidden(showBlackIndicator_);
    if (!showBlackIndicator_) tableView()->reloadData();
}

long TAVOBlockHistoryViewController::numberOfRowsInSection(ui::TableView&, long section) {
    if (section < 0 || section >= static_cast<long>(logKindInfos_.size())) return 0;
    return static_cast<long>(logKindInfos_[static_cast<std::size_t>(section)].datas.size());
}

std::optional<double> TAVOBlockHistoryViewController::heightForHeaderInSection(ui::TableView& table, long section) {
    return numberOfRowsInSection(table, section) > 0 ? kSectionHeaderHeight : 0.0;
}

ui::ViewPtr TAVOBlockHistoryViewController::viewForHeaderInSection(ui::TableView& table, long section) {
    if (numberOfRowsInSection(table, section) == 0) return nullptr;
    auto header = ui::View::create(cg::RectMake(0, 0, table.bounds().size.width, kSectionHeaderHeight));
    header->setBackgroundColor(TAVOSafetyStyle::pageBackground());
    auto label = ui::Label::create(cg::RectMake(15, 0, header->bounds().size.width - 15, kSectionHeaderHeight));
    label->setFont(ui::Font::systemFontOfSize(14));
    label->setTextColor(ui::Color::white(0.4));
    label->setBackgroundColor(ui::Color::clearColor());
    label->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    label->setText(logKindInfos_[static_cast<std::size_t>(section)].name);
    header->addSubview(label);
    return header;
}

TAVOBlockHistoryViewController::CellTexts TAVOBlockHistoryViewController::textsFor(int kind, const TAVOSafetyLog& log) {
    CellTexts texts;
    switch (kind) {
    case kHeartBleedKind: texts.title = log.url; break;
    case kWebsiteKind:
        texts.title = log.url;
        texts.subTitle = log.desc;
        break;
    case kDnsKind:
        texts.title = log.dnsIp;
        texts.subTitle = ns::format(kDnsHostFormat, log.host);
        break;
    default: texts.title = log.ip; break;
    }
    auto formatter = ns::DateFormatter::create();
    formatter->setDateFormat(kTimeFormat);
    texts.time = formatter->stringFromDate(ns::Date::withTimeIntervalSince1970(ns::Value(log.time).doubleValue() / 1000));
    return texts;
}

ui::TableViewCellPtr TAVOBlockHistoryViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) {
    auto cell = std::dynamic_pointer_cast<TAVOBlockHistoryTableViewCell>(table.dequeueReusableCellWithIdentifier(kCellIdentifier));
    if (!cell) {
        cell = TAVOBlockHistoryTableViewCell::create(kCellIdentifier);
        cell->setBackgroundColor(ui::Color::whiteColor());
        cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
    }
    const auto section = static_cast<std::size_t>(indexPath.section);
    const auto row = static_cast<std::size_t>(indexPath.row);
    if (section >= logKindInfos_.size() || row >= logKindInfos_[section].datas.size()) return cell;
    const auto texts = textsFor(logKindInfos_[section].requestId, *logKindInfos_[section].datas[row]);
    cell->setTitle(texts.title);
    cell->setSubTitle(texts.subTitle);
    cell->setTime(texts.time);
    showSeparatorLine(cell, true, indexPath, table);
    return cell;
}
