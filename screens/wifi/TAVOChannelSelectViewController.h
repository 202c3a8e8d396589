// One list of choices for the advanced Wi-Fi settings: the 2.4 GHz channel
// (type 0), the 5 GHz channel (type 1) or the 2.4 GHz bandwidth (type 2).
// A tapped choice is confirmed in an alert and then sent to the router; the
// check mark moves only when the router has accepted it. A new bandwidth
// restarts the router's Wi-Fi, so its success is followed by the 20-second
// restart count-down; the screen stays open afterwards.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/errors/TAVOError.h"
#include "platform/ui/TableView.h"
#include "widgets/TAVOCountDownViewDelegate.h"
#include "widgets/TAVORestartCountDownView.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOChannelSelectViewController : public TAVOWIFIViewControler,
                                        public ui::TableViewDataSource,
                                        public ui::TableViewDelegate,
                                        public TAVOCountDownViewDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOChannelSelectViewController> create() { return make<TAVOChannelSelectViewController>(); }

    enum Type : int { TwoGChannel = 0, FiveGChannel = 1, BandWidth = 2 };
    static constexpr int kRestartSeconds = 20;
    static constexpr const char* kCellIdentifier = "ChannelSelectCell";
    static constexpr const char* kCheckImageName = "selected_router_list";

    // Set before the screen loads.
    std::string titleStr;
    int type = TwoGChannel;
    int selectIndex = 0;

    void viewDidLoad() override;

    int currentSelectedIndex() const { return currentSelectedIndex_; }
    const std::vector<std::string>& items() const { return items_; }
    const std::shared_ptr<ui::TableView>& tableView() const { return tableView_; }
    const std::shared_ptr<TAVORestartCountDownView>& countDownView() const { return countDownView_; }

    // Asks to confirm the choice of row r.
    void changeChannel(int row);

    long numberOfRowsInSection(ui::TableView&, long) override { return static_cast<long>(items_.size()); }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;
    void didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;

    void timeout(TAVOCountDownView& view) override;

private:
    void initData();
    void setupTableView();
    void loadData();
    void sendChoice(int row);
    void setChannelOK();
    void setBandWidthOK();
    void setFailed(const TAVOErrorPtr& error);
    void showRestartRouterIndicator();

    int currentSelectedIndex_ = 0;
    std::vector<std::string> items_;
    std::shared_ptr<ui::TableView> tableView_;
    std::shared_ptr<TAVORestartCountDownView> countDownView_;
};
