// A page of three router tools (front-panel lights, the Wi-Fi switch,
// radio power) as picture tiles that show the router's current state; a
// tile opens its tool's screen. It can stand as a tab of the main tabs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/ScrollView.h"
#include "uikit/TKTabHooks.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOAppCenterViewController : public TAVOWIFIViewControler, public TKTabHooks {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOAppCenterViewController> create() { return make<TAVOAppCenterViewController>(); }

    struct Item {
        std::string title;  // a key of the string table
        std::string icon;
        std::string iconPress;
        std::string detailClassName;
    };
    static const std::vector<Item>& itemTable();

    static constexpr double kTilesTopGap = 25;
    static constexpr double kFirstColumnX = 10;
    static constexpr double kSecondColumnRightGap = 20;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void loadItems();
    void updateView();
    void tap(ui::Control& sender);
    void getRadio();

    // The router's front-panel lights and the Wi-Fi of the band in use.
    bool wifiLedState() const;
    bool wifiDoorState() const;
    int radioPower() const { return radioPower_; }

    const std::vector<ui::ButtonPtr>& items() const { return items_; }
    const std::shared_ptr<ui::ScrollView>& internalView() const { return internalView_; }

    // The tab bar screen whose navigation stack the tools are pushed on.
    void setTabBarController(const ui::ViewControllerPtr& tabs) { tabBarController_ = tabs; }

    ui::ImagePtr tabImage() const override;
    ui::ImagePtr tabSelectedImage() const override;
    std::string tabTitle() const override;

private:
    void getRadioOK(const ns::Value& records);
    // Takes the record's power when it is for the band in use.
    bool getCurrentRadio(const ns::Value& record);
    std::string bandInUse() const;

    std::vector<Item> dataSource_;
    std::vector<ui::ButtonPtr> items_;
    std::shared_ptr<ui::ScrollView> internalView_;
    int radioPower_ = 0;
    std::weak_ptr<ui::ViewController> tabBarController_;
};
