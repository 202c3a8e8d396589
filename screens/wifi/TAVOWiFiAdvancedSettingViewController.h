// The advanced Wi-Fi settings: the 2.4 GHz channel, the 5 GHz channel and,
// when the router reports it, the 2.4 GHz bandwidth, each with its current
// value. Choosing one opens the list of choices. The values are read again
// from the router status each time the screen comes into view, so a choice
// just confirmed shows at once on the way back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/TableView.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOWiFiAdvancedSettingViewController : public TAVOWIFIViewControler,
                                              public ui::TableViewDataSource,
                                              public ui::TableViewDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOWiFiAdvancedSettingViewController> create() {
        return make<TAVOWiFiAdvancedSettingViewController>();
    }

    static constexpr const char* kCellIdentifier = "select cell";

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    const std::shared_ptr<ui::TableView>& advanceSettingTB() const { return advanceSettingTB_; }
    const std::vector<std::string>& settingLBData() const { return settingLBData_; }
    const std::vector<std::string>& settingData() const { return settingData_; }
    int twoChannelIndex() const { return twoChannelIndex_; }
    int fiveChannelIndex() const { return fiveChannelIndex_; }
    int twoBandWidthIndex() const { return twoBandWidthIndex_; }
    bool showBandWidth() const { return showBandWidth_; }

    long numberOfSectionsInTableView(ui::TableView&) override { return showBandWidth_ ? 2 : 1; }
    long numberOfRowsInSection(ui::TableView&, long section) override { return section == 0 ? 2 : 1; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;
    std::optional<double> heightForHeaderInSection(ui::TableView&, long section) override;
    ui::ViewPtr viewForHeaderInSection(ui::TableView&, long section) override;
    void didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;

private:
    void setupTableView();
    void initData();
    void loadData();
    // The row's place in the title and value lists: section 1 uses the last.
    static std::size_t itemIndex(const ui::IndexPath& ip) { return ip.section == 0 ? static_cast<std::size_t>(ip.row) : 2; }

    std::shared_ptr<ui::TableView> advanceSettingTB_;
    std::vector<std::string> settingLBData_;
    std::vector<std::string> settingData_;
    int twoChannelIndex_ = -1;
    int fiveChannelIndex_ = -1;
    int twoBandWidthIndex_ = -1;
    bool showBandWidth_ = false;
};
