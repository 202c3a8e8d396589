// Changes the names and passwords of the router's 2.4 GHz and 5 GHz
// networks, switches either radio on or off and leads to the advanced
// settings. Every accepted change covers the screen with a 20-second
// restart count-down, after which the user is taken back to the tabs: the
// router restarts its Wi-Fi and the phone has to join it again.
//
// What is sent for each band: a band that is on sends the name and
// password it was checked with (both trimmed; no password in no-password
// mode); a closed band sends the name and password the router reported,
// never the untouched fields.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "protocol/records/TAVORouterNgConfig.h"
#include "uikit/KeyboardAvoidingTableView.h"
#include "uikit/ToggleSwitch.h"
#include "widgets/TAVOCountDownViewDelegate.h"
#include "widgets/TAVOModifyOutcome.h"
#include "widgets/TAVORestartCountDownView.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOWiFiPwdViewController : public TAVOWIFIViewControler,
                                  public ui::TableViewDataSource,
                                  public ui::TableViewDelegate,
                                  public TAVOCountDownViewDelegate,
                                  public TAVOModifyOutcome {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOWiFiPwdViewController> create() { return make<TAVOWiFiPwdViewController>(); }

    enum Band : int { Band2g = 0, Band5g = 1 };
    static constexpr int kRestartSeconds = 20;
    static constexpr const char* kCellIdentifier = "wifi password cell";

    // The first refusal of one band's entries as its message, or none. A
    // band that is on always has its name checked; in no-password mode the
    // password rules are skipped. The passwords are checked trimmed, as
    // they are sent.
    static std::optional<std::string> validateBand(const std::string& name, const std::string& password,
                                                   const std::string& confirm, bool noPassword);

    void viewDidLoad() override;

    // Set once the router has accepted a new name or password; the screen
    // that pushed this one reads it when it comes back into view.
    bool okToModify() const override { return okToModify_; }

    bool isClosed(Band band) const { return bands_[band].closed; }
    bool isInNoPasswordMode(Band band) const { return bands_[band].noPassword; }
    unsigned rowCount(Band band) const { return bands_[band].rowCount; }
    const ToggleSwitchPtr& bandSwitch(Band band) const { return bands_[band].topSwitch; }
    const ToggleSwitchPtr& noPasswordSwitch(Band band) const { return bands_[band].bottomSwitch; }
    const ui::TextFieldPtr& nameField(Band band) const { return bands_[band].name; }
    const ui::TextFieldPtr& passwordField(Band band) const { return bands_[band].password; }
    const ui::TextFieldPtr& repasswordField(Band band) const { return bands_[band].repassword; }
    const std::shared_ptr<KeyboardAvoidingTableView>& tableView() const { return tableView_; }
    const ui::ButtonPtr& completeBtn() const { return completeBtn_; }
    const std::shared_ptr<TAVORestartCountDownView>& restartDownView() const { return restartDownView_; }

    // The "modify" button.
    void submit();

    // --- Table -----------------------------------------------------------
    long numberOfSectionsInTableView(ui::TableView&) override { return 4; }
    long numberOfRowsInSection(ui::TableView&, long section) override;
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return 44.0; }
    std::optional<double> heightForHeaderInSection(ui::TableView&, long section) override;
    ui::ViewPtr viewForHeaderInSection(ui::TableView&, long section) override;
    void didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;

    // The restart count-down reached zero.
    void timeout(TAVOCountDownView& view) override;

private:
    struct BandState {
        std::shared_ptr<TAVORouterNgConfig> config;
        bool closed = false;
        bool noPassword = false;
        unsigned rowCount = 5;
        ToggleSwitchPtr topSwitch;
        ToggleSwitchPtr bottomSwitch;
        ui::TextFieldPtr name;
        ui::TextFieldPtr password;
        ui::TextFieldPtr repassword;
    };

    void initData();
    void setupNavUI();
    void setupCenterUI();
    void loadData();
    void switchChanged(ToggleSwitch& control);
    void wifiInNoPasswordMode(Band band, bool on);
    void closeWiFi(bool close, Band band);
    void doCloseWiFi(bool close, Band band);
    void validateAccount(Band band, std::function<void()> then);
    void remindUserWillCloseWiFi(Band band, std::function<void()> then);
    void updateWiFiSSIDAndPassword();
    void showRestartRouterIndicator();
    void goToLogin();
    // The stored name and password of a band, as the router reported them.
    std::string storedText(Band band, bool password) const;

    std::array<BandState, 2> bands_;
    std::shared_ptr<KeyboardAvoidingTableView> tableView_;
    ui::ButtonPtr completeBtn_;
    std::shared_ptr<TAVORestartCountDownView> restartDownView_;
    bool okToModify_ = false;
};

using TAVOWiFiPwdViewControllerPtr = std::shared_ptr<TAVOWiFiPwdViewController>;
