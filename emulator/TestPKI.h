// The emulator's own test PKI (generated once by pki/generate.sh and
// committed): where its files are and which identity a server presents.
#pragma once

#include <string>

#include "platform/foundation/Data.h"

namespace emulator {

enum class Identity {
    Server,         // leaf for 127.0.0.1 and localhost, signed by the test root CA
    ForeignServer,  // leaf for 127.0.0.1, signed by an unrelated CA
    Expired,        // leaf for 127.0.0.1 signed by the test root CA, valid only in 2020
    WrongHost,      // leaf for "router.invalid" signed by the test root CA
};

class TestPKI {
public:
    // The folder of the PKI files: $KEELBOX_PKI_DIR when set, else emulator/pki
    // of the source tree this was built from.
    static std::string directory();
    // "<directory>/<name>.<extension>", e.g. path("root-ca", "der").
    static std::string path(const std::string& name, const std::string& extension);
    // The bytes of a file of the PKI; empty when missing.
    static ns::Data read(const std::string& name, const std::string& extension);

    static std::string fileName(Identity identity);
    static std::string certificatePath(Identity identity) { return path(fileName(identity), "pem"); }
    static std::string keyPath(Identity identity) { return path(fileName(identity), "key"); }
    // DER of the test root CA (the application's "ca.der") and of the foreign CA.
    static ns::Data rootCA() { return read("root-ca", "der"); }
    static ns::Data foreignCA() { return read("foreign-ca", "der"); }
};

}  // namespace emulator
