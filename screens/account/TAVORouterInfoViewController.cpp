#include "screens/account/TAVORouterInfoViewController.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Value.h"
#include "screens/account/TAVORouterInfoCell.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {
constexpr double kSloganHeight = 30;
constexpr double kSloganBottomGap = 10;

// Kilobytes as whole megabytes, never rounded up.
std::string megabytes(const std::string& kilobytes) {
    return ns::format("%d MB", ns::Value(kilobytes).intValue() / 1024);
}
}  // namespace

std::vector<std::pair<std::string, std::string>> TAVORouterInfoViewController::rowsFor(
    const TAVORouterHardwareInfo& info) {
    auto row = [](const char* key, const std::string& value) { return std::make_pair(TAVOLocalizedString(key), value); };
    return {
        row("router name", info.router_name.empty() ? TAVOLocalizedString("name-Ardo Keelbox") : info.router_name),
        row("router type", info.board_version),
        row("router version", info.rom_version),
        row("cpu model", info.cpu_model),
        row("cpu brand", info.cpu_brand),
        row("router level", info.cpu_level),
        row("router frequency", info.cpu_freq),
        row("router architect", info.cpu_arch),
        row("5G processor", info.chip_5g),
        row("Ram", megabytes(info.ram)),
        row("MAC", info.mac),
        row("FLASH", megabytes(info.flash)),
        row("antenna", TAVOLocalizedString(ns::Value(info.antenna).intValue() != 0 ? "has installed" : "has not installed")),
        row("encrypt method", info.encrypt_method),
        row("encrypt standard", info.encrypt_standard),
    };
}

void TAVORouterInfoViewController::viewDidLoad() {
    TAVORefreshTableViewController::viewDidLoad();
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("router info"));

    const double width = view()->bounds().size.width;
    const double top = cg::RectGetMaxY(navBar()->frame());
    auto header = ui::View::create(cg::RectMake(0, top, width, kHeaderHeight));
    header->setBackgroundColor(ui::Color::rgba(223 / 255.0, 231 / 255.0, 234 / 255.0));
    auto logo = ui::Image::imageNamed("more_wendo_big");
    const cg::Size logoSize = logo ? logo->size() : cg::SizeZero;
    iconView_ = TAVOLogoBreathView::create(cg::RectMake((width - logoSize.width) / 2, 0, logoSize.width, logoSize.height));
    iconView_->setContentMode(ui::ContentMode::Center);
    header->addSubview(iconView_);
    iconView_->startAnimation();
    titleLabel_ = ui::Label::create(
        cg::RectMake(0, kHeaderHeight - kSloganBottomGap - kSloganHeight, width, kSloganHeight));
    titleLabel_->setText(TAVOLocalizedString("router slogon"));
    titleLabel_->setFont(ui::Font::systemFontOfSize(14));
    titleLabel_->setTextColor(ui::Color::white(0.2));
    titleLabel_->setTextAlignment(ui::TextAlignment::Center);
    titleLabel_->setBackgroundColor(ui::Color::clearColor());
    header->addSubview(titleLabel_);
    view()->addSubview(header);

    auto table = tableView();
    const double tableTop = cg::RectGetMaxY(header->frame());
    table->setFrame(cg::RectMake(0, tableTop, width, view()->bounds().size.height - tableTop));
    table->separatorStyle = 0;  // the cells draw their own lines
    table->setBackgroundColor(TAVOBaseViewController::backgroundColor());
    blankIndicator()->setBlackIntroduceText({TAVOLocalizedString("can't get router info")});
    // The header takes the top of the screen: the placeholder stands in the
    // middle of the room the list would have.
    cg::Rect blank = blankIndicator()->frame();
    blank.origin.y = std::ceil(tableTop + (table->frame().size.height - blank.size.height) / 2);
    blankIndicator()->setFrame(blank);

    generateInfo();
    table->reloadData();
}

void TAVORouterInfoViewController::generateInfo() {
    auto listener = TAVOAccountManager::shareInstance()->statusLisener();
    auto status = listener ? listener->status() : nullptr;
    if (status && status->hardwareInfo) {
        infos_ = rowsFor(*status->hardwareInfo);
        return;
    }
    infos_.clear();
    blankIndicator()->setHidden(false);
    tableView()->setHidden(true);
}

ui::TableViewCellPtr TAVORouterInfoViewController::cellForRowAtIndexPath(ui::TableView& table,
                                                                          const ui::IndexPath& indexPath) {
    auto cell = std::dynamic_pointer_cast<TAVORouterInfoCell>(table.dequeueReusableCellWithIdentifier(kCellIdentifier));
    if (!cell) cell = TAVORouterInfoCell::create(kCellIdentifier);
    showSeparatorLine(cell, true, indexPath, table);
    const auto& [label, value] = infos_.at(static_cast<std::size_t>(indexPath.row));
    cell->leftLabel()->setText(label);
    cell->rightLabel()->setText(value);
    cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
    cell->setBackgroundColor(ui::Color::whiteColor());
    return cell;
}
