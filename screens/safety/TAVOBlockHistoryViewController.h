// What the router's protections have blocked, one section per protection.
// It asks for five kinds of safety log at once and shows the list when
// every kind has answered (a refused or failed kind counts as answered
// without logs), or the "no record" indicator when none has anything.
// One set of requests per screen: no refresh, no retry.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "protocol/records/TAVOSafetyLog.h"
#include "widgets/TAVORefreshTableViewController.h"

// One kind's progress.
struct TAVOLogKindInfo {
    enum Ready : int { Waiting = 0, Failed = 1, Arrived = 2 };
    int requestId = 0;
    std::string name;
    int isReady = Waiting;
    std::vector<std::shared_ptr<TAVOSafetyLog>> datas;
};

class TAVOBlockHistoryViewController : public TAVORefreshTableViewController {
public:
    using TAVORefreshTableViewController::TAVORefreshTableViewController;
    static std::shared_ptr<TAVOBlockHistoryViewController> create() { return make<TAVOBlockHistoryViewController>(); }

    static constexpr double kBannerHeight = 240;
    static constexpr double kSectionHeaderHeight = 22;
    static constexpr double kRowHeight = 44;
    static constexpr const char* kTimeFormat = "MM-dd hh:mm";
    static constexpr const char* kCellIdentifier = "blockHistoryCell";

    void viewDidLoad() override;
    void rightNavItemPressed() override;
    void updateView() override;
    bool shouldShowBlackIndicator() override { return showBlackIndicator_; }

    const std::vector<TAVOLogKindInfo>& logKindInfos() const { return logKindInfos_; }
    bool showBlackIndicator() const { return showBlackIndicator_; }

    // The cell texts of a log of a kind: title, subtitle (may be empty), time.
    struct CellTexts {
        std::string title, subTitle, time;
    };
    static CellTexts textsFor(int kind, const TAVOSafetyLog& log);

    long numberOfSectionsInTableView(ui::TableView&) override { return static_cast<long>(logKindInfos_.size()); }
    long numberOfRowsInSection(ui::TableView&, long section) override;
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    std::optional<double> heightForHeaderInSection(ui::TableView& table, long section) override;
    ui::ViewPtr viewForHeaderInSection(ui::TableView& table, long section) override;

private:
    void answered(int kind, bool ok, const ns::Value& logs, const std::string& errorText);
    void checkCompletion(bool fromFailure, const std::string& errorText);

    std::vector<TAVOLogKindInfo> logKindInfos_;
    bool showBlackIndicator_ = false;
    ui::ImageViewPtr headerImageView_;
    ui::LabelPtr headerIntroduceLabel_;
};
