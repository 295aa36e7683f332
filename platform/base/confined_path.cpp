#include "platform/base/confined_path.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

std::string PlainHostPath(std::string_view path) {
    if (!path.starts_with('/') || path.find('\0') != std::string_view::npos) return {};
    std::string plain;
    plain.reserve(path.size());
    for (size_t start = 1; start <= path.size();) {
        size_t end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        const std::string_view part = path.substr(start, end - start);
        if (part == "." || part == "..") return {};
        if (!part.empty()) {
            plain += '/';
            plain += part;
        }
        start = end + 1;
    }
    return plain.empty() ? std::string("/") : plain;
}

std::optional<std::string> PartBelow(std::string_view path, std::string_view root) {
    if (root == "/") return std::string(path.substr(1));
    if (!path.starts_with(root)) return std::nullopt;
    if (path.size() == root.size()) return std::string();
    if (path[root.size()] != '/') return std::nullopt;
    return std::string(path.substr(root.size() + 1));
}

int OpenFolderBelow(int fromFd, std::string_view below) {
    int fd = ::dup(fromFd);
    if (fd < 0) return -1;
    for (size_t start = 0; start < below.size();) {
        size_t end = below.find('/', start);
        if (end == std::string_view::npos) end = below.size();
        const std::string part(below.substr(start, end - start));
        start = end + 1;
        if (part.empty()) continue;
        const int next =
            ::openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int error = errno;
        ::close(fd);
        if (next < 0) {
            errno = error;
            return -1;
        }
        fd = next;
    }
    return fd;
}

int OpenFolderWithin(const std::string& root, std::string_view path) {
    const std::string plainRoot = PlainHostPath(root);
    const std::string plainPath = PlainHostPath(path);
    if (plainRoot.empty() || plainPath.empty()) {
        errno = EINVAL;
        return -1;
    }
    std::optional<std::string> below = PartBelow(plainPath, plainRoot);
    if (!below) {
        // The record may name the folder as the root's links resolve.
        if (char* real = ::realpath(plainRoot.c_str(), nullptr)) {
            below = PartBelow(plainPath, real);
            std::free(real);
        }
    }
    if (!below) {
        errno = EXDEV;
        return -1;
    }
    const int rootFd = ::open(plainRoot.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (rootFd < 0) return -1;
    const int fd = OpenFolderBelow(rootFd, *below);
    const int error = errno;
    ::close(rootFd);
    errno = error;
    return fd;
}

}  // namespace platform
