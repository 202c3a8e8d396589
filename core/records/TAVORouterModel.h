// One router: as the cloud routers list, the local bind reply or the saved
// local-router record describes it, plus the state the app attaches to it.
//
// Text fields are "" when absent: the dictionary reader never stores an
// empty text, so "" and absent mean the same thing here.
#pragma once

#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterStatus;
class TAVORouterRomUpdataInfo;

class TAVORouterModel : public ns::Object {
public:
    // A record that is not a dictionary at all.
    class InvalidRecord : public std::invalid_argument {
    public:
        using std::invalid_argument::invalid_argument;
    };

    // An empty record (no fields set).
    static std::shared_ptr<TAVORouterModel> create();
    // Reads a router object of a reply. "board_id", "board_version",
    // "rom_version", "mac", "router_id", "rtoken", "ssid" and "ticket" are
    // taken when they hold non-empty text; any other entry (empty text, null,
    // a number, a list...) or a missing key leaves them absent. "qid" is taken
    // as stored (a number as its text; other kinds leave it absent).
    // "is_online" and "has_bind" take the integer and boolean value of their
    // entries. Only a record that is not a dictionary throws InvalidRecord.
    static std::shared_ptr<TAVORouterModel> initWithDictionary(const ns::Value& dictionary);

    std::string board_id;
    std::string board_version;
    std::string rom_version;
    int is_online = 0;
    std::string mac;        // colon-separated hexadecimal, 17 characters
    std::string qid;        // the account the cloud reports with the router
    std::string router_id;  // the cloud's id of the router
    std::string rtoken;
    std::string ssid;
    std::string bssid;  // set by whoever matched the router to the phone's Wi-Fi
    bool isLocalRouter = false;
    std::string ticket;  // the router's local access ticket
    bool hasBind = false;
    std::shared_ptr<TAVORouterStatus> status;
    bool isManagedByArdoAccount = false;
    std::shared_ptr<TAVORouterRomUpdataInfo> updateInfo;
    int criticalErrorCode = 0;  // 0, or the error code that marks the router unusable
    ns::Value anvirusLibInfo;   // the latest virus library answer

    // The router's admin password. When the in-memory value is empty the
    // stored one (shared by every record) is loaded and kept.
    std::string adminPsw();
    // Replaces and persists the password at once; "" removes the stored
    // entry. Setting the value the record already holds (also "" over "")
    // changes nothing, so an absent password never wipes a stored one.
    void setAdminPsw(const std::string& psw);

    // The same router: the same object; or both MACs present and equal
    // ignoring case; or else the same router id.
    bool isEqualToRouter(const std::shared_ptr<TAVORouterModel>& other) const;
    // Exact router-id equality; an absent id matches nothing.
    bool isEqualToRouterId(const std::string& routerId) const;
    // Whether the phone's access point (its BSSID text) belongs to this
    // router: the remembered bssid, or the same first five octets as the MAC
    // with a last octet at most three below the MAC's (or any above it).
    bool isEqualBSSID(const std::string& bssid) const;

    std::string description() const override;

    // The user-defaults key of the stored admin password.
    static constexpr const char* kAdminPswKey = "router_admin_psw";

protected:
    TAVORouterModel() = default;

private:
    mutable std::mutex adminPswMutex_;
    std::string adminPsw_;
};

using TAVORouterModelPtr = std::shared_ptr<TAVORouterModel>;
