#include "screens/account/TAVOOptDetailViewController.h"

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Value.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {
constexpr const char* kNeedOptCellId = "needOptCell";
constexpr const char* kOptedCellId = "OptedCell";
constexpr long kIndicatorTag = 401;
constexpr double kIndicatorRightGap = 10;
constexpr double kHeaderTextX = 15;
}  // namespace

void TAVOOptDetailViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    hidesBottomBarWhenPushed = true;
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("check and opt"));
    const cg::Rect b = view()->bounds();
    const double top = cg::RectGetMaxY(navBar()->frame());
    tableView_ = ui::TableView::create(cg::RectMake(0, top, b.size.width, b.size.height - top));
    tableView_->separatorStyle = 0;
    tableView_->showsVerticalScrollIndicator = false;
    tableView_->setBackgroundColor(ui::Color::white(248 / 255.0));
    auto self = this->self<TAVOOptDetailViewController>();
    tableView_->setDataSource(self);
    tableView_->setTableDelegate(self);
    view()->addSubview(tableView_);
}

void TAVOOptDetailViewController::setOptItem(const std::vector<std::string>& optedItems,
                                             const std::vector<std::string>& needToOptItems) {
    optedItems_ = optedItems;
    needToOptItems_ = needToOptItems;
    optedArrayItems_ = TAVORouterOptConfig::optedArrayItemArray(optedItems);
    if (tableView_) tableView_->reloadData();
}

long TAVOOptDetailViewController::numberOfSectionsInTableView(ui::TableView&) {
    return (needToOptItems_.empty() ? 0 : 1) + (optedItems_.empty() ? 0 : 1);
}

long TAVOOptDetailViewController::numberOfRowsInSection(ui::TableView&, long section) {
    return static_cast<long>(isOptedSection(section) ? optedArrayItems_.size() : needToOptItems_.size());
}

std::string TAVOOptDetailViewController::headerText(long section) const {
    if (!isOptedSection(section)) return TAVOLocalizedString("need to opt items");
    return ns::format(TAVOLocalizedString("has opted %d items"), static_cast<int>(optedItems_.size()));
}

ui::ViewPtr TAVOOptDetailViewController::viewForHeaderInSection(ui::TableView& table, long section) {
    // The heading starts where the rows' texts do, on a band the table's width.
    const double width = table.bounds().size.width;
    auto header = ui::View::create(cg::RectMake(0, 0, width, kHeaderHeight));
    header->setBackgroundColor(ui::Color::white(248 / 255.0));
    auto label = ui::Label::create(cg::RectMake(kHeaderTextX, 0, std::max(0.0, width - 2 * kHeaderTextX), kHeaderHeight));
    label->setFont(ui::Font::systemFontOfSize(15));
    label->setTextColor(ui::Color::rgb255(10, 167, 75));
    label->setBackgroundColor(ui::Color::clearColor());
    label->setText(headerText(section));
    header->addSubview(label);
    return header;
}

ui::TableViewCellPtr TAVOOptDetailViewController::cellForRowAtIndexPath(ui::TableView& table,
                                                                         const ui::IndexPath& indexPath) {
    const bool opted = isOptedSection(indexPath.section);
    const char* identifier = opted ? kOptedCellId : kNeedOptCellId;
    auto cell = table.dequeueReusableCellWithIdentifier(identifier);
    if (!cell) {
        cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, identifier);
        cell->setBackgroundColor(ui::Color::whiteColor());
        cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
        if (opted) {
            auto image = ui::Image::imageNamed("icon_opted_indicator_mywifi");
            const cg::Size size = image ? image->size() : cg::SizeZero;
            auto indicator = ui::ImageView::create(cg::RectMake(table.bounds().size.width - kIndicatorRightGap - size.width,
                                                                (kRowHeight - size.height) / 2, size.width, size.height));
            indicator->setImage(image);
            indicator->setTag(kIndicatorTag);
            cell->contentView()->addSubview(indicator);
        }
    }
    auto text = cell->textLabel();
    if (opted) {
        const auto& item = optedArrayItems_.at(static_cast<std::size_t>(indexPath.row));
        text->setText(item->name);
        text->setFont(item->isGroupName ? ui::Font::boldSystemFontOfSize(12) : ui::Font::systemFontOfSize(12));
        text->setTextColor(ui::Color::white(item->isGroupName ? 51 / 255.0 : 102 / 255.0));
    } else {
        const int id = ns::Value(needToOptItems_.at(static_cast<std::size_t>(indexPath.row))).intValue();
        text->setText(TAVORouterOptConfig::nameById(id).value_or(""));
        text->setFont(ui::Font::systemFontOfSize(12));
        text->setTextColor(ui::Color::white(102 / 255.0));
        showTopSeperatorLine(cell, indexPath.row == 0);
    }
    return cell;
}
