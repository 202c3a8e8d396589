// How an owner (an engine, a poller, a screen) hears the answers to a
// numbered request: named by the request class, the notification names come
// from the catalogue row, a failure always arrives as a TAVOError, and the
// registrations end with the owner.
//
//     TAVORequestAnswers::listen<TAVORoutersListRequest>(
//         self, [this](const ns::Value& routers, const ns::Dictionary& userInfo) {...},
//         [this](const TAVOErrorPtr& error, const ns::Dictionary& userInfo) {...});
//
// The owner is held weakly and kept alive while one of its handlers runs;
// once it is freed nothing more reaches it. stopListening (or
// NotificationCenter::removeObserver(owner)) ends them earlier. Handlers run
// on the posting thread: the main thread for every provider answer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/errors/TAVOError.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "protocol/TAVONothingSent.h"
#include "protocol/requests/TAVORequestCatalogue.h"

class TAVORequestAnswers {
public:
    // The answer's object and the user info ({"param", "local"} when the
    // request had parameters).
    using Succeeded = std::function<void(const ns::Value& result, const ns::Dictionary& userInfo)>;
    // The failure as a TAVOError; nullptr only when the failure carried no
    // error at all (a provider always sends one).
    using Failed = std::function<void(const TAVOErrorPtr& error, const ns::Dictionary& userInfo)>;

    // An empty handler leaves that half unheard. Registering twice hears
    // every answer twice, as with any registration.
    template <class Request>
    static void listen(const ns::ObjectPtr& owner, Succeeded succeeded, Failed failed) {
        listen(TAVORequestCatalogue::classNameOf<Request>(), owner, std::move(succeeded), std::move(failed));
    }
    // Nothing is registered for a class without a notification row.
    static void listen(const std::string& requestClassName, const ns::ObjectPtr& owner, Succeeded succeeded,
                       Failed failed);

    template <class Request>
    static void stopListening(const ns::Object* owner) {
        stopListening(TAVORequestCatalogue::classNameOf<Request>(), owner);
    }
    static void stopListening(const std::string& requestClassName, const ns::Object* owner);

    // The names the providers post under (the bare suffix for a class
    // without a row, as a provider posts a refusal of an unknown number).
    static std::string succeededName(const std::string& requestClassName);
    static std::string failedName(const std::string& requestClassName);
    template <class Request>
    static std::string succeededName() {
        return succeededName(TAVORequestCatalogue::classNameOf<Request>());
    }
    template <class Request>
    static std::string failedName() {
        return failedName(TAVORequestCatalogue::classNameOf<Request>());
    }

    // A failure notification's object as a TAVOError: a TAVOError as it is; a
    // platform error converted as the error system converts it (a
    // URL-loading error as a network error, any other as a router error);
    // nullptr for anything else.
    static TAVOErrorPtr failureOf(const ns::Value& object);

    // Hands a facade operation's result over so that its refusal reaches the
    // owner the way a provider's does: when the facade refused by itself
    // (kTAVONothingSent: nothing sent, nothing posted),
    // `failed` hears, on a later turn and while the owner lives, the same
    // TAVOError a provider posts for a refused request. Any other result
    // (a token, or 0 when the provider refused and posts its own failure)
    // is returned unchanged and nothing more happens.
    static std::int32_t deliverRefusal(std::int32_t result, const ns::ObjectPtr& owner, Failed failed);

    // The TAVOError a refused request fails with (type 3, the refusal code).
    static TAVOErrorPtr refusalError(int code);
};
