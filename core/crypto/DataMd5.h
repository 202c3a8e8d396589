// MD5 of bytes as text.
#pragma once

#include <string>

#include "platform/foundation/Data.h"

// MD5 of the bytes as 32 lower-case hexadecimal digits.
std::string md5(const ns::Data& data);
