// Whole-file reads and writes on Windows paths. No write leaves a half-written file: the new
// bytes go to a temporary file in the same folder, which replaces the original only once it
// is complete and synced (FileWriter).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// On failure `error` gives the reason, the system's where it has one ("No space left on
// device"); the caller names the file in its message.
bool ReadBytes(const std::string& windowsPath, std::string& bytes, std::string* error = nullptr);
// A file the program keeps for itself: read only when it is a plain file under its own name (no
// link followed, no FIFO or device opened, so nothing can block or feed the read without end)
// and holds at most `maxBytes`; otherwise false with why.
bool ReadOwnFile(const std::string& windowsPath, size_t maxBytes, std::string& bytes,
                 std::string* error);
bool WriteBytesAtomic(const std::string& windowsPath, std::string_view bytes,
                      std::string* error = nullptr);

bool FileExists(const std::string& windowsPath);
// Whether anything bears the name: a file, a folder, or a link, even one that leads nowhere.
bool NameTaken(const std::string& windowsPath);
// Why the path is not a readable file: "it does not exist", "it is a folder, not a file", "it
// is a link that loops or leads nowhere", ...; empty when it is a file.
std::string NotAFileReason(const std::string& windowsPath);
bool FolderExists(const std::string& windowsPath);
// Whether two paths lead to one name on the host, as every file operation here maps them: a
// name that exists is taken as spelt, a missing one matches an existing name that differs
// only in case. "A.uxx" and "a.uxx" are one file where only one of them exists, two where
// both do.
bool SameHostFile(const std::string& a, const std::string& b);

}  // namespace platform
