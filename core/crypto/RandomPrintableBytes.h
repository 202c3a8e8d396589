// Session-key bytes: random printable bytes drawn from the cryptographically
// secure generator (cc::random32), each byte = r mod modulus + offset for a
// fresh 32-bit r. The helper library's randomData: uses (94, 32), giving
// 32..125; the command service's generator uses (60, 65), giving 65..124.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/foundation/Data.h"

ns::Data randomPrintableBytes(std::size_t count, std::uint32_t modulus, std::uint8_t offset);
