#include "platform/base/file_digest.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace platform {
namespace {

constexpr size_t kBlockBytes = 1 << 20;

}  // namespace

std::string DigestOfFile(int fd, int64_t size) {
    FileDigest digest;
    std::vector<char> block(kBlockBytes);
    for (int64_t at = 0; at < size;) {
        const size_t want = static_cast<size_t>(std::min<int64_t>(size - at, block.size()));
        const ssize_t n = ::pread(fd, block.data(), want, static_cast<off_t>(at));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return {};
        digest.Add(std::string_view(block.data(), static_cast<size_t>(n)));
        at += n;
    }
    return digest.Hex();
}

}  // namespace platform
