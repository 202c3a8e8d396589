// The fields of a connected-device record that decide the name shown for
// it. The device records live in the protocol layer; they hand these over.
#pragma once

#include <string>

struct TAVODeviceNameFields {
    std::string alias;     // the name the user gave the device
    int end_type_id = 0;   // the recognised model, 0 when unknown
    std::string end_type;  // the model's type name
    std::string end_name;  // the device's own host name
};
