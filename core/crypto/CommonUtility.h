// Account-field validators and random key bytes.
#pragma once

#include <cstddef>
#include <string>

#include "platform/foundation/Data.h"

class CommonUtility {
public:
    CommonUtility() = delete;

    // Objection codes, 0 = no objection. They object to nothing: the account
    // service is the one that judges the values.
    static int isValidPhoneNumber(const std::string& text);
    static int isValidEmail(const std::string& text);
    static int isValidPSW(const std::string& text);
    static int isValidUserName(const std::string& text);

    // n printable random bytes from the secure generator: 32..125 on system
    // version 7 and later, 65..124 below (the version is read per byte).
    static ns::Data randomData(std::size_t count);
};
