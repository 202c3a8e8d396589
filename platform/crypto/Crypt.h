// cc::crypt: the platform's one-shot encryption or decryption (CCCrypt).
#pragma once

#include <cstddef>

#include "platform/crypto/CryptorTypes.h"

namespace cc {

// Runs a whole input through a fresh cryptor. The output area must hold the
// cryptor's finalising output length; otherwise kCCBufferTooSmall with the
// needed size in dataOutMoved and nothing written.
CryptorStatus crypt(Operation op, Algorithm alg, Options options, const void* key, std::size_t keyLength,
                    const void* iv, const void* dataIn, std::size_t dataInLength, void* dataOut,
                    std::size_t dataOutAvailable, std::size_t* dataOutMoved);

}  // namespace cc
