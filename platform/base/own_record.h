// The small text records the programs keep for themselves in the program folder. Anything
// may stand under their names (a link, a FIFO, a device, a huge file), so they are opened
// without following links, used only when they are plain files, and read only up to a cap.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Opens the record at the host path with `flags` (O_RDWR, O_WRONLY, O_APPEND, O_CREAT) added
// to no-link, no-wait and close-on-exec: the descriptor, or -1 when it cannot be opened or is
// not a plain file of one name (errno says why: ELOOP for a link, EMLINK for a file with a
// second name, EINVAL for anything else not a file).
int OpenOwnRecord(const std::string& hostFile, int flags);
// Its first `cap` bytes at most, from the start: 0, or the errno of a failed read.
int ReadOwnRecordBytes(int fd, size_t cap, std::string& bytes);
// Its lines from the start (at most the first MiB), each without the CR of a CR LF.
std::vector<std::string> ReadOwnRecordLines(int fd);
// A line that names an absolute host path plainly: no "." or ".." part, no NUL byte.
bool IsPlainAbsolutePath(std::string_view line);
// Appends one line (it ends in LF) in one write, as records do.
void AppendOwnRecordLine(int fd, const std::string& line);
// Writes all of the text, going on after short writes.
bool WriteOwnRecordText(int fd, std::string_view text);
// Makes a new record at the host path holding `text`, never in place of one made meanwhile:
// written whole under a temporary name, then given its name by a rename that refuses to
// replace, else by a hard link; where the file system has neither (exFAT, vfat, some FUSE and
// SMB mounts), the name is made new and the text goes in after it. 0 when the record now at the
// name is this call's, EEXIST when another stood there, else the errno.
int MakeOwnRecord(const std::string& hostFile, std::string_view text);

}  // namespace platform
