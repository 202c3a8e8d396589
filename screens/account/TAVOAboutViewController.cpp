#include "screens/account/TAVOAboutViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/AppInfoUtility.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Screen.h"
#include "screens/account/TAVOLicenseAgreementsViewController.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {
constexpr const char* kLogoCellId = "logo";
constexpr const char* kLinkCellId = "link";
constexpr long kLinkLabelTag = 301;
constexpr double kLogoTopTall = 54;
constexpr double kLogoTopShort = 20;
constexpr double kNameScale = 0.8;
constexpr double kSmallScreenHeight = 480;

ui::Color linkGreen() { return ui::Color::rgb255(10, 167, 75); }

const char* const kLinkKeys[] = {"visit official website", "follow official microblog", "visit official forum"};
const char* const kLinkAddresses[] = {TAVOAboutViewController::kOfficialSite, TAVOAboutViewController::kMicroblogPage,
                                      TAVOAboutViewController::kForumBoard};
}  // namespace

double TAVOAboutViewController::logoRowHeight() { return TAVOCommonUtility::is4InchScreen() ? 222 : 150; }

ui::LabelPtr TAVOAboutViewController::createLabelWithTextColor(const ui::Color& color, const ui::Font& font,
                                                               const std::string& text) {
    auto label = ui::Label::create();
    label->setTextAlignment(ui::TextAlignment::Center);
    label->setNumberOfLines(0);
    label->setLineBreakMode(ui::LineBreakMode::WordWrapping);
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextColor(color);
    label->setFont(font);
    label->setText(text);
    return label;
}

void TAVOAboutViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    view()->setBackgroundColor(ui::Color::white(248 / 255.0));
    view()->setOpaque(true);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("about"));

    const cg::Rect b = view()->bounds();
    const double top = cg::RectGetMaxY(navBar()->frame());
    tableView_ = ui::TableView::create(cg::RectMake(b.origin.x, top, b.size.width, b.size.height));
    tableView_->separatorStyle = 0;
    tableView_->setBackgroundColor(ui::Color::white(248 / 255.0));
    tableView_->bounces = false;
    tableView_->setScrollEnabled(false);
    auto self = this->self<TAVOAboutViewController>();
    tableView_->setDataSource(self);
    tableView_->setTableDelegate(self);
    view()->addSubview(tableView_);
    buildFooter();
}

void TAVOAboutViewController::buildFooter() {
    const double height = view()->bounds().size.height;
    footerView_ = ui::View::create(cg::RectMake(0, height - kFooterHeight, 320, kFooterHeight));
    footerView_->setBackgroundColor(ui::Color::clearColor());
    struct Link {
        const char* key;
        double y;
        void (TAVOAboutViewController::*action)();
        const char* name;
    };
    const Link links[] = {{"Rudududeze privacy statments", 0, &TAVOAboutViewController::openPrivacy, "openPrivacy"},
                          {"ordane copyright protocal", 25, &TAVOAboutViewController::openAgreement, "openAgreement"}};
    for (const auto& link : links) {
        const cg::Rect frame = cg::RectMake(0, link.y, 320, 16);
        auto label = createLabelWithTextColor(linkGreen(), ui::Font::systemFontOfSize(12), TAVOLocalizedString(link.key));
        label->setFrame(frame);
        footerView_->addSubview(label);
        auto button = ui::Button::buttonWithType(ui::ButtonType::Custom);
        button->setFrame(frame);
        button->setBackgroundColor(ui::Color::clearColor());
        button->addTarget(self<TAVOAboutViewController>(), link.action, link.name, ui::ControlEventTouchUpInside);
        footerView_->addSubview(button);
    }
    view()->addSubview(footerView_);
}

void TAVOAboutViewController::leftNavItemPressed() {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

void TAVOAboutViewController::openURL(const std::string& address) {
    if (address.empty()) return;
    ui::Application::sharedApplication()->openURL(address);
}

void TAVOAboutViewController::openStatements(const std::string& titleKey, const std::string& resource) {
    auto screen = TAVOLicenseAgreementsViewController::create();
    screen->setTitle(TAVOLocalizedString(titleKey));
    screen->statements = TAVOLicenseAgreementsViewController::bundleText(resource);
    if (auto nav = navigationController()) nav->pushViewController(screen, true);
}

void TAVOAboutViewController::openPrivacy() { openStatements("Rudududeze privacy statments", "PrivacyStatements"); }

void TAVOAboutViewController::openAgreement() { openStatements("ordane copyright protocal", "LicenseAgreements"); }

std::optional<double> TAVOAboutViewController::heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath& indexPath) {
    return indexPath.row == 0 ? logoRowHeight() : kLinkRowHeight;
}

ui::TableViewCellPtr TAVOAboutViewController::logoCell(ui::TableView& table) {
    auto cell = table.dequeueReusableCellWithIdentifier(kLogoCellId);
    if (cell) return cell;
    cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, kLogoCellId);
    cell->setBackgroundColor(ui::Color::clearColor());
    cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
    const double width = table.bounds().size.width;
    // The logo panel: the logo, the product's name picture and the version.
    auto panel = ui::View::create(cg::RectMake(0, 0, width, logoRowHeight()));
    panel->setBackgroundColor(ui::Color::clearColor());
    auto logoImage = ui::Image::imageNamed("logo_about");
    const double logoHeight = logoImage ? logoImage->size().height : 0;
    auto logo = ui::ImageView::create(cg::RectMake(0, TAVOCommonUtility::is4InchScreen() ? kLogoTopTall : kLogoTopShort,
                                                   width, logoHeight));
    logo->setImage(logoImage);
    logo->setContentMode(ui::ContentMode::Center);
    panel->addSubview(logo);
    auto nameImage = ui::Image::imageNamed("loadingpage_bgname");
    const cg::Size nameSize = nameImage ? nameImage->size() : cg::SizeZero;
    auto name = ui::ImageView::create(cg::RectMake((width - nameSize.width * kNameScale) / 2, cg::RectGetMaxY(logo->frame()) + 15,
                                                   nameSize.width * kNameScale, nameSize.height * kNameScale));
    name->setImage(nameImage);
    panel->addSubview(name);
    auto version = createLabelWithTextColor(ui::Color::white(0.4), ui::Font::systemFontOfSize(10),
                                            ns::format("v%@", AppInfoUtility::currentBundleVersionWithBuildNumString()));
    version->setFrame(cg::RectMake(0, cg::RectGetMaxY(name->frame()) + 10, width, 16));
    panel->addSubview(version);
    cell->contentView()->addSubview(panel);
    return cell;
}

ui::TableViewCellPtr TAVOAboutViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) {
    if (indexPath.row == 0) return logoCell(table);
    auto cell = table.dequeueReusableCellWithIdentifier(kLinkCellId);
    if (!cell) {
        cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, kLinkCellId);
        cell->setBackgroundColor(ui::Color::whiteColor());
        cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
        auto label = createLabelWithTextColor(ui::Color::white(0.2), ui::Font::systemFontOfSize(18), "");
        label->setTextAlignment(ui::TextAlignment::Left);
        label->setFrame(cg::RectMake(18, 12, 250, 22));
        label->setTag(kLinkLabelTag);
        cell->contentView()->addSubview(label);
        auto arrowImage = ui::Image::imageNamed("public_list_arrows");
        const double arrowWidth = arrowImage ? arrowImage->size().width : 0;
        const double contentWidth = table.bounds().size.width;
        auto arrow = ui::ImageView::create(cg::RectMake(contentWidth - 15 - arrowWidth, 0, arrowWidth, kLinkRowHeight));
        arrow->setImage(arrowImage);
        arrow->setContentMode(ui::ContentMode::Center);
        cell->contentView()->addSubview(arrow);
    }
    if (auto label = std::dynamic_pointer_cast<ui::Label>(cell->contentView()->viewWithTag(kLinkLabelTag)))
        label->setText(TAVOLocalizedString(kLinkKeys[indexPath.row - 1]));
    if (indexPath.row == 1)
        showTopSeperatorLine(cell, true);
    else
        showSeparatorLine(cell, true, indexPath, table);
    return cell;
}

void TAVOAboutViewController::didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRowAtIndexPath(indexPath, true);
    if (indexPath.row >= 1 && indexPath.row <= 3) openURL(kLinkAddresses[indexPath.row - 1]);
}
