// The application's embedded RSA public key (PEM "PUBLIC KEY" text), with
// which session keys for the router are wrapped.
#pragma once

#include <string>

// The text of the main bundle's resource "router_public_key.pem" (the bundle
// folder is $KEELBOX_RESOURCES or the source tree's resources/), or "" when
// it cannot be read. Read on every call, as the key reading always was: a
// file read is small beside parsing the key.
std::string routerPublicKeyPEM();
