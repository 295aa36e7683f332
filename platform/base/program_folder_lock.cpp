#include "platform/base/program_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/base/file_writer.h"
#include "platform/base/own_record.h"

namespace platform {
namespace {

struct Held {
    std::string folder;    // host path
    int fd = -1;           // the folder, locked
    bool byFile = false;   // the running file stands for the lock
    std::string identity;  // the process whose running file it is, as the file says it
    pid_t owner = 0;       // that process (a child started by fork holds none of it)
};

Held& TheHeld() {
    static Held held;
    return held;
}

// 0, or the errno of the refusal (EWOULDBLOCK: another holds it; anything else: no locks here).
int TakeLock(int fd, int operation) {
    if (const int refused = InjectedWriteFault(WriteStep::Lock)) return refused;
    while (::flock(fd, operation) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

std::string FirstLine(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The process's start, in clock ticks since the machine started: with the machine's start, it
// tells a process from a later one given the same number. Empty when it cannot be read.
std::string StartOf(long pid) {
    const std::string stat = FirstLine("/proc/" + std::to_string(pid) + "/stat");
    const size_t name = stat.rfind(')');
    if (name == std::string::npos) return {};
    std::istringstream fields(stat.substr(name + 1));
    std::string field;
    // The start time is the 20th field after the process's name.
    for (int i = 0; i < 20 && fields >> field; ++i) {
    }
    return fields ? field : std::string();
}

std::string MachineName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

// "<process> <its start> <the machine's start> <machine>": empty when any part cannot be read.
std::string Identity() {
    const long pid = static_cast<long>(::getpid());
    const std::string start = StartOf(pid);
    const std::string boot = FirstLine("/proc/sys/kernel/random/boot_id");
    const std::string machine = MachineName();
    if (start.empty() || boot.empty() || machine.empty() ||
        machine.find_first_of(" \n") != std::string::npos) {
        return {};
    }
    return std::to_string(pid) + " " + start + " " + boot + " " + machine + "\n";
}

enum class Verdict { Running, Ended, Unknown };

// What a running file says of its editor, as far as this machine can tell.
Verdict Judge(const std::string& text) {
    std::istringstream in(text);
    long pid = 0;
    std::string start, boot, machine, rest;
    if (!(in >> pid >> start >> boot >> machine) || pid <= 0 || (in >> rest) ||
        !text.ends_with('\n')) {
        return Verdict::Unknown;
    }
    const std::string ownBoot = FirstLine("/proc/sys/kernel/random/boot_id");
    if (machine != MachineName() || ownBoot.empty()) return Verdict::Unknown;
    // The machine has started again since: nothing of that run is left.
    if (boot != ownBoot) return Verdict::Ended;
    return StartOf(pid) == start ? Verdict::Running : Verdict::Ended;
}

std::string ReadRunningFile(const std::string& file, bool& readable) {
    readable = false;
    const int fd = OpenOwnRecord(file, O_RDONLY);
    if (fd < 0) return {};
    std::string text;
    readable = ReadOwnRecordBytes(fd, 4096, text) == 0;
    ::close(fd);
    return text;
}

void DropRunningFile(Held& held) {
    if (!held.byFile || held.owner != ::getpid()) return;
    const std::string file = held.folder + "/" + kRunningFileName;
    bool readable = false;
    if (ReadRunningFile(file, readable) == held.identity && readable) ::unlink(file.c_str());
    held.byFile = false;
}

// A file of an editor that ended goes only while it still is that file: a start that got to it
// first may have put its own in its place.
bool DropEnded(const std::string& file, const std::string& ended) {
    std::string aside = file + ".kestrane-tmp-XXXXXX";
    const int fd = ::mkostemp(aside.data(), O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    if (::rename(file.c_str(), aside.c_str()) != 0) {
        ::unlink(aside.c_str());
        return errno == ENOENT;
    }
    bool readable = false;
    const std::string moved = ReadRunningFile(aside, readable);
    if (readable && moved == ended) {
        ::unlink(aside.c_str());
        return true;
    }
    // Another start's: back it goes.
    MakeOwnRecord(file, moved);
    ::unlink(aside.c_str());
    return false;
}

void ReleaseAtExit() {
    Held& held = TheHeld();
    DropRunningFile(held);
}

// Where the folder has no locks: the running file, made new, stands for the lock.
FolderLock TakeRunningFile(Held& held) {
    const std::string file = held.folder + "/" + kRunningFileName;
    held.identity = Identity();
    held.owner = ::getpid();
    if (held.identity.empty()) return FolderLock::Taken;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int made = MakeOwnRecord(file, held.identity);
        if (made == 0) {
            static const bool registered = std::atexit(ReleaseAtExit) == 0;
            (void)registered;
            held.byFile = true;
            return FolderLock::Taken;
        }
        // A folder that takes no file holds none of another editor's either.
        if (made != EEXIST) return FolderLock::Taken;
        bool readable = false;
        const std::string text = ReadRunningFile(file, readable);
        if (!readable) {
            if (errno == ENOENT) continue;
            return FolderLock::MaybeHeld;
        }
        switch (Judge(text)) {
            case Verdict::Running:
                return FolderLock::HeldByAnother;
            case Verdict::Unknown:
                return FolderLock::MaybeHeld;
            case Verdict::Ended:
                if (!DropEnded(file, text)) return FolderLock::HeldByAnother;
                break;
        }
    }
    return FolderLock::MaybeHeld;
}

FolderLock Acquire(Held& held) {
    const int fd = ::open(held.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return FolderLock::Taken;
    const int refused = TakeLock(fd, LOCK_EX | LOCK_NB);
    if (refused == 0) {
        held.fd = fd;
        return FolderLock::Taken;
    }
    ::close(fd);
    if (refused == EWOULDBLOCK) return FolderLock::HeldByAnother;
    return TakeRunningFile(held);
}

void Release(Held& held) {
    if (held.fd >= 0) ::close(held.fd);
    held.fd = -1;
    DropRunningFile(held);
}

}  // namespace

FolderLock TakeProgramFolderLock(const std::string& hostFolder) {
    Held& held = TheHeld();
    Release(held);
    held.folder = hostFolder;
    return Acquire(held);
}

bool HoldProgramFolderLock(bool held) {
    Held& h = TheHeld();
    if (h.folder.empty()) return true;
    if (!held) {
        if (h.fd >= 0) {
            ::flock(h.fd, LOCK_UN);
            // Kept open, so that the lock comes back on the same folder.
            return true;
        }
        // Marks that the running file is to come back.
        const bool byFile = h.byFile;
        DropRunningFile(h);
        h.byFile = byFile;
        return true;
    }
    if (h.fd >= 0) return TakeLock(h.fd, LOCK_EX | LOCK_NB) != EWOULDBLOCK;
    if (!h.byFile) return true;
    h.byFile = false;
    return TakeRunningFile(h) == FolderLock::Taken;
}

}  // namespace platform
