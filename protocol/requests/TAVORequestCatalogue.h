// Every numbered request: which provider serves its number, its class and
// the base of its notification names; and the creation of request classes
// by name.
#pragma once

#include <string>
#include <vector>

#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORequestCatalogue {
public:
    struct Row {
        int number;
        int provider;  // 0 account, 1 device, 2 application information
        const char* className;
        const char* notificationBase;
    };
    // The 64 rows, in the order of the request numbers (the application-
    // information provider's own 61 and 62 last).
    static const std::vector<Row>& rows();
    // Registers every request class with the class registry (once).
    static void registerRequestClasses();
    // A new request of the named class, or nullptr.
    static TAVORemoteHttpDataRequestPtr createRequest(const std::string& className);
};
