#include "platform/crypto/Crypt.h"

#include <memory>

#include "platform/crypto/Cryptor.h"

namespace cc {

CryptorStatus crypt(Operation op, Algorithm alg, Options options, const void* key, std::size_t keyLength,
                    const void* iv, const void* dataIn, std::size_t dataInLength, void* dataOut,
                    std::size_t dataOutAvailable, std::size_t* dataOutMoved) {
    if (dataOutMoved) *dataOutMoved = 0;
    std::unique_ptr<Cryptor> cryptor;
    CryptorStatus status = Cryptor::create(op, alg, options, key, keyLength, iv, cryptor);
    if (status != kCCSuccess) return status;
    const std::size_t needed = cryptor->getOutputLength(dataInLength, true);
    if (needed > dataOutAvailable) {
        if (dataOutMoved) *dataOutMoved = needed;
        return kCCBufferTooSmall;
    }
    std::size_t updated = 0;
    status = cryptor->update(dataIn, dataInLength, dataOut, dataOutAvailable, &updated);
    if (status != kCCSuccess) return status;
    std::size_t finalised = 0;
    unsigned char* rest = dataOut ? static_cast<unsigned char*>(dataOut) + updated : nullptr;
    status = cryptor->final(rest, dataOutAvailable - updated, &finalised);
    if (status != kCCSuccess) return status;
    if (dataOutMoved) *dataOutMoved = updated + finalised;
    return kCCSuccess;
}

}  // namespace cc
