// Keeps the latest remote notification until a screen or the event hub
// takes it: holds at most one record, and a notification of an unknown kind
// wipes a pending one. Main thread only.
#pragma once

#include <memory>
#include <vector>

#include "management/push/TAVOPushInfo.h"

class TAVOPushInfoHolder : public ns::Object {
public:
    static std::shared_ptr<TAVOPushInfoHolder> shareInstance();
    static std::shared_ptr<TAVOPushInfoHolder> create();

    // The whole notification dictionary (its "rudi" entry is read).
    void addPushInfo(const ns::Value& notification);
    TAVOPushInfoPtr firstPushInfo() const;
    // Does nothing when no record is held.
    void removeFirstPushInfo();

    std::string className() const override { return "TAVOPushInfoHolder"; }

protected:
    TAVOPushInfoHolder() = default;

private:
    std::vector<TAVOPushInfoPtr> queue_;
};
