// MD5 of a text as upper-case hexadecimal: the form the device identifier
// and the account-service signatures start from.
#pragma once

#include <string>

// MD5 of the text's UTF-8 bytes up to its first zero byte, as 32 upper-case
// hexadecimal digits.
std::string md5String(const std::string& text);
