#include "core/crypto/DataMd5.h"

#include "core/crypto/DataCommonDigest.h"

std::string md5(const ns::Data& data) { return KXMD5Sum(data).hexString(); }
