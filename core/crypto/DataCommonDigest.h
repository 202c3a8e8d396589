// Raw message digests of bytes.
#pragma once

#include "platform/foundation/Data.h"

ns::Data KXMD2Sum(const ns::Data& data);      // 16 bytes
ns::Data KXMD4Sum(const ns::Data& data);      // 16 bytes
ns::Data KXMD5Sum(const ns::Data& data);      // 16 bytes
ns::Data KXSHA1Hash(const ns::Data& data);    // 20 bytes
ns::Data KXSHA224Hash(const ns::Data& data);  // 28 bytes
ns::Data KXSHA256Hash(const ns::Data& data);  // 32 bytes
ns::Data KXSHA384Hash(const ns::Data& data);  // 48 bytes
ns::Data KXSHA512Hash(const ns::Data& data);  // 64 bytes
