// The digest that tells the bytes a program wrote from any other file's: BLAKE2b-256, the
// fastest strong hash Qt has (several times faster than its SHA-256), as 64 lowercase hex
// digits.
#pragma once

#include <QCryptographicHash>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

inline constexpr size_t kFileDigestChars = 64;

class FileDigest {
  public:
    void Reset() { hash_.reset(); }
    void Add(std::string_view bytes) { hash_.addData(QByteArrayView(bytes.data(), bytes.size())); }
    // The digest of the bytes added since the last Reset.
    std::string Hex() const { return hash_.result().toHex().toStdString(); }

  private:
    QCryptographicHash hash_{QCryptographicHash::Blake2b_256};
};

// The digest of an open file's first `size` bytes, read from its start; empty when fewer can
// be read.
std::string DigestOfFile(int fd, int64_t size);

}  // namespace platform
