// What the application remembers between runs: plain settings in the user
// defaults, the account's ticket pair and the last cloud router (both stored
// encrypted), and the encrypted file of routers met on the home network
// (Documents/.router/.localRouter, at most 50, oldest first).
//
// The local-router file is read and written only on the store's own serial
// queue. The creation-time read always lands before any change to the list,
// so a save that comes early never drops the routers already on disk; the
// file is replaced atomically and never deleted first.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterModel;

namespace ns {
class OperationQueue;
}

// Keys of a local router record (every value a non-empty string).
inline const std::string kLocalRouterBssid = "local router bssid";
inline const std::string kLocalRouterTicket = "local router ticket";
inline const std::string kLocalRouterMac = "local router mac";
inline const std::string kLocalRouterRouterId = "local router router_id";
inline const std::string kLocalRouterAdmin = "local router admin";

class TAVORouterPreference : public ns::Object {
public:
    static constexpr std::size_t kMaxLocalRouters = 50;

    static std::shared_ptr<TAVORouterPreference> shareInstance();
    static std::shared_ptr<TAVORouterPreference> create();
    ~TAVORouterPreference() override;

    // Documents/.router, created when missing; nothing without a documents folder.
    static std::optional<std::string> getBasePath();
    std::string localRouterInfoFile() const;

    bool isFirstStartup() const;
    // The introduction is due (first start or an upgrade); also brings the
    // version prompt back.
    bool shouldShowIntroduce();
    void finishStartup();

    void saveDeviceToken(const std::string& token);
    std::optional<std::string> deviceToken() const;
    void saveLastArdoAccountName(const std::string& name);
    std::optional<std::string> lastArdoAccountName() const;
    void setInitializedVirusLibrary(bool initialized);
    bool hasInitializedVirusLibrary() const;
    void setVirusLibraryUpdateDate(const std::optional<ns::Date>& date);
    std::optional<ns::Date> virusLibraryUpdateDate() const;
    void updateShowAppUpdateSetting(bool doNotShow);
    bool shouldNotShowAppUpdate() const;

    // The account's ticket pair; empty q or t removes it.
    void saveQT(const std::string& q, const std::string& t);
    // {"q", "t"} or nil.
    ns::Value getQT() const;
    // The cached pair, nil when none.
    ns::Value accountDic() const;

    void saveOnlineRouter(const std::string& routerId);
    std::optional<std::string> getOnlineRouter() const;

    // The record kept for a router signed in on the phone's access point:
    // each key only with a non-empty value.
    static ns::Dictionary localRouterRecord(const TAVORouterModel& router, const std::string& bssid,
                                            const std::string& adminPassword);
    // Replaces the record with the same access point (ignoring case) or adds
    // it at the end, drops the oldest beyond 50, and writes the file in the
    // background.
    void saveLocalRouterInfo(const ns::Dictionary& record);
    // The stored record with the given record's "local router bssid", or nil.
    ns::Value getLocalRouterInfoAccording(const ns::Dictionary& record) const;
    static ns::Value findLocalRouterInfo(const ns::Array& list, const ns::Dictionary& record);
    // The cached list (oldest first); nil before anything was read or saved.
    ns::Value localRouterList() const;

    // Blocks until every queued file operation has finished (tests, shutdown).
    void waitForFileOperations() const;

private:
    TAVORouterPreference() = default;
    void readData();
    void readLocalRouterInfo();
    void readLocalRouterInfoImp();
    // Waits for the creation-time read of the file.
    void waitForInitialRead() const;
    void save(const ns::Data& encrypted) const;

    std::shared_ptr<ns::OperationQueue> saveOperationQueue_;
    mutable std::mutex mutex_;
    mutable std::condition_variable readDone_;
    bool initialReadDone_ = true;
    ns::Value localRouterList_;
    ns::Value accountDic_;
};
