#include "core/crypto/RouterPublicKey.h"

#include <fstream>
#include <sstream>

#include "platform/foundation/Bundle.h"

std::string routerPublicKeyPEM() {
    const std::string path = ns::Bundle::mainBundle()->pathForResource("router_public_key", "pem");
    if (path.empty()) return "";
    std::ifstream in(path, std::ios::binary);
    if (!in) return "";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
