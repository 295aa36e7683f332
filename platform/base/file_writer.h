// One file written whole or not at all. The bytes go to a temporary file beside the target;
// every write, the final flush, the sync and the close are checked, and only then does the
// temporary file take the target's name, after which the folder is synced so that the new
// name survives a power cut. On any failure the temporary file goes, the old file stays, and
// Error() gives the system's reason ("No space left on device", "File too large").
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The steps of a write; MakeFolder is the making of a folder (MakeDirectory) and Remove the
// deletion of a file (RemoveFile), which the test seam below can fail too. Place asks
// Exchange before it swaps the new file in (a failure there is the file system refusing the
// swap, as NFS, SMB, FUSE, ntfs3 and vfat do), then, where the swap is refused, Link before it
// keeps the old file by a hard link and SetAside before it keeps it by a rename (where links
// are refused too); Rename is the move of the new file into the target's name. Lock is the
// taking of a lock on a record or on the program folder (a file system without locks refuses
// it).
enum class WriteStep {
    Create,
    Write,
    Flush,
    Sync,
    Close,
    Rename,
    SyncFolder,
    MakeFolder,
    Remove,
    Exchange,
    Link,
    SetAside,
    Lock
};

struct FileId {
    uint64_t device = 0;
    uint64_t inode = 0;
};

class FileWriter {
  public:
    FileWriter() = default;
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // `hostTarget`: a host path. A link is followed to the file it names; a read-only file, a
    // folder, a missing folder or a link that loops or leads nowhere is refused.
    bool Open(const std::string& hostTarget);
    // The same for a Windows path, mapped through the prefix.
    bool OpenWindowsPath(const std::string& windowsTarget);
    bool Write(std::string_view bytes);
    void SetModificationTime(int64_t secondsSinceEpoch) { modified_ = secondsSinceEpoch; }
    // Flush, sync, close, rename, sync the folder. False when any of them failed; the target
    // is then as it was, except after a failed folder sync (the new file is in place).
    bool Commit();
    // Drops the temporary file; the target stays as it was.
    void Cancel();

    // For files that must change together (a whole archive), Commit's work in steps that the
    // caller runs over all of them in turn. Finish: write out, close and start the writeback
    // without waiting for it. Sync: wait until the bytes are on the disk (safe on several
    // threads at once). Place: swap the new file in; the old one stays under the temporary
    // name until DropOld, and Unplace puts it back. Where the file system cannot swap, the old
    // file is first kept under a name of its own ("<name>.kestrane-old-XXXXXX", by a hard link,
    // or by a rename where links are refused) and the new one renamed over the target; the
    // start-up clean-up puts such a copy back when its target is missing. The caller syncs the
    // folders.
    bool Finish();
    bool Sync();
    bool Place();
    bool Unplace();
    void DropOld();
    // The host path written to (a link's target), set by Open.
    const std::string& Target() const { return target_; }
    // The new file's device and inode, set by Open; it keeps them when it takes the target's
    // name, so a record of them tells the written file from one put there by someone else.
    const FileId& NewFileId() const { return newFileId_; }

    const std::string& Error() const { return error_; }
    // Bytes taken by Write so far.
    int64_t Written() const { return written_ + static_cast<int64_t>(buffer_.size()); }

  private:
    bool Put(std::string_view bytes, WriteStep step);
    bool Fail(int error);
    bool PlaceKeepingOld(bool renameAsked);

    int fd_ = -1;
    std::string target_;
    std::string temp_;
    std::string old_;               // after Place: the name holding the replaced file
    bool placedOnNothing_ = false;  // after Place: there was no file to replace
    std::string buffer_;
    std::string error_;
    int64_t written_ = 0;
    std::optional<int64_t> modified_;
    FileId newFileId_;
};

// Test seam: asked before each step with the bytes written so far. A non-zero errno fails the
// step; a failing write first puts half its bytes out, as a disk that fills up does. Calls
// are serialised.
using WriteFault = std::function<int(WriteStep step, int64_t written)>;
void SetWriteFaultForTest(WriteFault fault);
// The errno the seam gives the step (0: none), for the other file services that use it.
int InjectedWriteFault(WriteStep step);

// The names FileWriter makes beside a target: "<name>.kestrane-tmp-XXXXXX" for the new bytes
// (and, after a swap, the old ones) and "<name>.kestrane-old-XXXXXX" for an old file kept
// where the swap is refused.
enum class OwnFileKind { None, Temp, KeptOld };
OwnFileKind ClassifyOwnFileName(std::string_view name);
// True for every name FileWriter makes, of either kind.
bool IsOwnTempFileName(std::string_view name);
// What a sweep for such copies did: copies cleared, and copies or folders it could not clear
// or read (the folder is not clean yet).
struct StraySweep {
    int cleared = 0;
    int failed = 0;
};
// Clears the copies so named that a killed run left in the open folder, and in its subfolders
// down to `depth` levels (links are not followed): a temporary copy is deleted; a kept old copy,
// only where `keptOld` (where old files are kept aside), is deleted when its target is there and
// put back in its place when the target is missing.
StraySweep RemoveStrayTempFilesAt(int folderFd, int depth, bool keptOld);
// The same in the folder at a Windows path, kept old copies included: the number cleared.
int RemoveStrayTempFiles(const std::string& windowsFolder, int depth = 0);

// True for the errors with which a file system says it has no hard links (vfat, exfat, some
// FUSE and SMB mounts, which may answer EACCES).
bool HardLinksRefused(int error);

// Syncs a host folder so that new names in it survive a power cut: 0 or the errno (none for a
// file system that cannot sync folders).
int SyncFolder(const std::string& hostFolder);

}  // namespace platform
