// The about page: the application's logo and version, three links to the
// product's web presence (opened in the system browser) and a footer that
// opens the privacy statement and the licence agreement carried in the
// application.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "widgets/TAVOBaseViewController.h"

class TAVOAboutViewController : public TAVOBaseViewController,
                                public ui::TableViewDataSource,
                                public ui::TableViewDelegate {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVOAboutViewController> create() {
        return ui::ViewController::make<TAVOAboutViewController>();
    }

    static constexpr const char* kOfficialSite = "https://www.keelbox.org/";
    static constexpr const char* kMicroblogPage = "https://microblog.keelbox.org/keelbox";
    static constexpr const char* kForumBoard = "https://forum.keelbox.org/board/router";
    static constexpr double kLinkRowHeight = 44;
    static constexpr double kFooterHeight = 100;

    // The logo row's height: 150 on the 480-point screen, else 222.
    static double logoRowHeight();

    void viewDidLoad() override;
    void leftNavItemPressed() override;

    void openURL(const std::string& address);
    void openPrivacy();
    void openAgreement();

    long numberOfRowsInSection(ui::TableView&, long) override { return 4; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;

    const std::shared_ptr<ui::TableView>& tableView() const { return tableView_; }
    const ui::ViewPtr& footerView() const { return footerView_; }

private:
    static ui::LabelPtr createLabelWithTextColor(const ui::Color& color, const ui::Font& font, const std::string& text);
    ui::TableViewCellPtr logoCell(ui::TableView& table);
    void buildFooter();
    void openStatements(const std::string& titleKey, const std::string& resource);

    std::shared_ptr<ui::TableView> tableView_;
    ui::ViewPtr footerView_;
};
