// The router health check: checks the default items one request at a time,
// scores the router out of 100 (38 plus the weight of each passing item), and
// can then fix the failing items one at a time. A failed or empty answer
// never stops a run: the item counts as needing a fix (or as not fixed), and
// the end report says whether no answer at all was usable.
//
// Main thread only; it listens for answers only while checking or fixing.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "management/engines/TAVOFixItem.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "protocol/TAVORequestNumber.h"

// Every operation is optional: the default does nothing.
class TAVOOptEngineDelegate {
public:
    virtual ~TAVOOptEngineDelegate() = default;
    virtual void notityCheckingStart(int) {}
    virtual void notityCheckingUpdate(int) {}
    virtual void notityCheckingEnd(int, bool) {}
    virtual void notityFixingStart(const std::vector<TAVOFixItemPtr>&) {}
    virtual void notityFixingUpdate(const std::vector<TAVOFixItemPtr>&) {}
    virtual void notityFixingEnd(int, bool) {}
};

class TAVOOptEngine : public ns::Object {
public:
    static std::shared_ptr<TAVOOptEngine> create();
    ~TAVOOptEngine() override;

    void startCheck();
    void startFixing();
    // 100 minus the weight of the items still to fix.
    int calcCurrentScore();
    // The rows of the fixing view: the second waiting item (or an empty row),
    // the first waiting item (when any), and the last result (or an empty row).
    std::vector<TAVOFixItemPtr> createItemUINeeded() const;

    std::weak_ptr<TAVOOptEngineDelegate> delegate;

    int currentScore() const { return currentScore_; }
    bool hasChecked() const { return hasChecked_; }
    bool isFail() const { return isFail_; }
    const std::vector<std::string>& needToCheckItems() const { return needToCheckItems_; }
    const std::vector<std::string>& unOptOperationItems() const { return unOptOperationItems_; }
    const std::vector<std::string>& needToOptItems() const { return needToOptItems_; }
    const std::vector<std::string>& optedItems() const { return optedItems_; }
    const TAVOFixItemPtr& lastFixItem() const { return lastFixItem_; }

    std::string className() const override { return "TAVOOptEngine"; }

private:
    TAVOOptEngine() = default;
    [[nodiscard]] std::int32_t checkRouterHealthy();
    [[nodiscard]] std::int32_t fixRouterHealthy();
    std::int32_t send(TAVORequestNumber number, const char* key, const std::string& value);
    // Hears the answers of the check (fixing: the fix) request.
    void observe(bool fixing);
    void stopObserving();
    // The answer's first diagnose record's state, or nullopt for a failed or
    // empty answer.
    static std::optional<int> usableState(bool ok, const ns::Value& object);
    void completeOneCheckRequest(bool ok, const ns::Value& object);
    void completeOneFixRequest(bool ok, const ns::Value& object);

    int currentScore_ = 0;
    bool hasChecked_ = false;
    bool isRequesting_ = false;
    bool isFail_ = false;
    std::vector<std::string> needToCheckItems_;
    std::vector<std::string> unOptOperationItems_;
    std::vector<std::string> needToOptItems_;
    std::vector<std::string> optedItems_;
    TAVOFixItemPtr lastFixItem_;
};

using TAVOOptEnginePtr = std::shared_ptr<TAVOOptEngine>;
