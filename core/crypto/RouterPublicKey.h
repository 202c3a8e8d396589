// The application's embedded RSA public key (PEM "PUBLIC KEY" text), with
// which session keys for the router are wrapped.
#pragma once

#include <string>

// The key text of resources/router_public_key.pem, or "" when it cannot be
// read. Read once, then kept (it never changes while the program runs).
//
// Where it comes from: the folder named by $KEELBOX_RESOURCES, else the
// source tree's resources/ folder.
// TODO(bundle): read it through ns::Bundle once the bundle is available.
std::string routerPublicKeyPEM();
