// The router calls of binding a router to an account. The sign-in and the
// binding themselves ("login.login", "device.bind") need the router's
// tickets and the account state and are answered by the local service; the
// set-up check is answered here.
#include "emulator/RouterCallTable.h"

namespace emulator {

void addAccountCalls(HandlerTable& t) {
    // "type": 2 for a router that has been set up, 0 for one that has not
    // (the application reads 1 or less as "not set up"). A test makes the
    // router answer any other vdata (another type, none at all) by putting
    // it into the model under "init_check_vdata".
    t["init.check"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        if (r.model.contains("init_check_vdata")) {
            out.vdata = r.model["init_check_vdata"];
            return;
        }
        out.vdata = ns::Value::dictionary({{"type", r.initialised ? "2" : "0"}});
    };
}

}  // namespace emulator
