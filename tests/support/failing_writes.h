// Failures injected into every file write of the programs while an object lives: one step
// (the final flush, a write, the sync, ...) fails with a system error.
#pragma once

#include <cerrno>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/file_writer.h"

namespace kestrane::test {

// How a file system takes the swap of a new file with the old one: as ext4 does, refusing it
// while it keeps hard links (NFS, SMB, ntfs3, ntfs-3g), or refusing links too (vfat, exfat).
enum class SwapSupport { Swaps, NoSwap, NoSwapNoLinks };
inline constexpr SwapSupport kSwapSupports[] = {SwapSupport::Swaps, SwapSupport::NoSwap,
                                                SwapSupport::NoSwapNoLinks};
const char* Describe(SwapSupport support);
// The errno such a file system gives the step (EINVAL for the swap, EPERM for a link), or 0.
int RefusedBy(SwapSupport support, platform::WriteStep step);

class FailingWrites {
  public:
    // The first `passing` writes that reach the step go through; the file system takes the
    // swap as `support` says.
    FailingWrites(platform::WriteStep step, int error, int passing = 0,
                  SwapSupport support = SwapSupport::Swaps);
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;
    // How many writes failed at the step.
    int Failed() const { return *failed_; }

  private:
    std::shared_ptr<int> failed_ = std::make_shared<int>(0);
};

// The two ways a disk cuts a write short: the final flush of a small file, and a write of a
// large one part-way (a file above one write block goes out in writes and then the flush).
struct DiskFailure {
    platform::WriteStep step;
    int error;
    const char* reason;  // as the system words it
    size_t size;         // bytes of a file that meets the failing step
};
inline const DiskFailure kDiskFailures[] = {
    {platform::WriteStep::Flush, EFBIG, "File too large", 12 * 1024},
    {platform::WriteStep::Write, ENOSPC, "No space left on device", 200 * 1024},
};

// Names of everything in a host folder, sorted: what a failed write may have left there.
std::vector<std::string> FolderEntries(const std::string& hostFolder);

}  // namespace kestrane::test
