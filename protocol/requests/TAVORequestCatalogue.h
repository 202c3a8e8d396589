// Every numbered request: which provider serves its number, its class and
// the base of its notification names; and the creation of request classes
// by name.
#pragma once

#include <string>
#include <typeinfo>
#include <vector>

#include "protocol/TAVODataProviderId.h"
#include "protocol/TAVORequestNumber.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORequestCatalogue {
public:
    struct Row {
        TAVORequestNumber number;
        TAVODataProviderId provider;
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
    // The class name a request type is registered under, so that code naming
    // a request by its type finds the same row as the providers do; "" for a
    // type that is not a registered request class.
    static std::string classNameOf(const std::type_info& requestType);
    template <class Request>
    static std::string classNameOf() {
        return classNameOf(typeid(Request));
    }

private:
    template <class Request>
    static void registerRequestClass(const char* className);
};
