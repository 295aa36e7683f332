#include "platform/base/program_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

int& HeldFolder() {
    static int fd = -1;
    return fd;
}

// 0, or the errno of the refusal.
int Lock(int fd, int operation) {
    while (::flock(fd, operation) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

}  // namespace

bool TakeProgramFolderLock(const std::string& hostFolder) {
    int& held = HeldFolder();
    if (held >= 0) ::close(held);
    held = ::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (held < 0) return true;
    const int refused = Lock(held, LOCK_EX | LOCK_NB);
    if (refused == 0) return true;
    ::close(held);
    held = -1;
    return refused != EWOULDBLOCK;
}

void HoldProgramFolderLock(bool held) {
    const int fd = HeldFolder();
    if (fd >= 0) Lock(fd, held ? LOCK_EX | LOCK_NB : LOCK_UN);
}

}  // namespace platform
