// Our stand-in for the zip library's single entry point and its version call, over libzip.
// Texts are 8-bit program text; a text ends at its first zero character. Names of archive
// entries use "/" between folders, as the archive stores them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The option record: 0 or 1 in every switch.
struct UnzipOptions {
    int32_t ExtractOnlyNewer = 0;   // skip an entry unless it is newer than the file on disk
    int32_t SpaceToUnderscore = 0;  // blanks in written names become "_"
    int32_t PromptToOverwrite = 0;  // ask the replace callback before replacing a file
    int32_t MessageLevel = 0;       // 0 every message, 1 errors only, 2 none
    int32_t WriteToStdOut = 0;      // not supported; ignored
    int32_t TestArchive = 0;        // read every entry and check it; write nothing
    int32_t ListOnly = 0;           // report every entry to the directory callback instead
    int32_t Freshen = 0;            // not supported; ignored
    int32_t ShowComment = 0;        // not supported; ignored
    int32_t UseFolderNames = 0;     // recreate the entries' folders; else every file lands flat
    int32_t OverwriteExisting = 0;  // replace existing files without asking
    int32_t ConvertLineEnds = 0;    // text entries (no zero byte) get CR LF for every lone LF
    int32_t ZipInfoMode = 0;        // not supported; ignored
    int32_t CaseSensitive = 0;      // name lists match with regard to case; else without
    int32_t PrivilegeMode = 0;      // not supported; ignored
    std::string ZipFile;            // Windows path of the archive
    std::string ExtractFolder;      // Windows path of the folder entries are written below
};

// Answers of the replace callback.
inline constexpr int32_t kReplaceNo = 100;
inline constexpr int32_t kReplaceYes = 102;
inline constexpr int32_t kReplaceAll = 103;
inline constexpr int32_t kReplaceNone = 104;

struct UnzipCallbacks {
    // A message for the user, `length` bytes.
    int32_t (*Print)(const char* text, uint32_t length) = nullptr;
    void (*Sound)() = nullptr;
    // An entry would replace an existing file: answers one of kReplace*.
    int32_t (*Replace)(const char* entryName) = nullptr;
    // Fills `buffer` (of `size` bytes) with the password of an encrypted entry: 0 when given,
    // 1 when there is none.
    int32_t (*Password)(char* buffer, int32_t size, const char* prompt,
                        const char* entryName) = nullptr;
    // One listed entry; `factor` is the packed size as a percentage of the size.
    void (*ReceiveDirEntry)(uint32_t size, uint32_t packedSize, uint32_t factor, uint32_t month,
                            uint32_t day, uint32_t year, uint32_t hour, uint32_t minute, char flag,
                            const char* entryName, const char* method, uint32_t crc,
                            char encryption) = nullptr;
    // Before each entry is written, with the name's length in bytes: 1 stops the run.
    int32_t (*Service)(const char* entryName, uint32_t nameLength) = nullptr;
    // Filled by the call for the entries it handled.
    uint32_t TotalSizeComp = 0;
    uint32_t TotalSize = 0;
    uint32_t CompFactor = 0;
    uint32_t NumMembers = 0;
    uint32_t CommentLength = 0;
};

// Result codes.
inline constexpr int32_t kUnzipOk = 0;
inline constexpr int32_t kUnzipWarning = 1;       // some entries were skipped
inline constexpr int32_t kUnzipArchiveError = 2;  // an entry is damaged
inline constexpr int32_t kUnzipInternalError = 3;
inline constexpr int32_t kUnzipNotAZip = 9;  // missing, unreadable or not an archive
inline constexpr int32_t kUnzipBadParameter = 10;
inline constexpr int32_t kUnzipNothingMatched = 11;
inline constexpr int32_t kUnzipDiskError = 50;  // a file or folder could not be written
inline constexpr int32_t kUnzipTooLarge = 52;   // more than the disk has free, or than one
                                                // update may unpack (kMaxUnpackedBytes)
inline constexpr int32_t kUnzipCancelled = 80;
inline constexpr int32_t kUnzipUnsafeEntry = 90;  // an entry would leave the extraction folder
inline constexpr int32_t kUnzipRefusedName = 91;  // an entry's name is one no file may bear

// What one archive may unpack to, by the sizes its entries declare.
inline constexpr uint64_t kMaxUnpackedBytes = uint64_t{1} << 30;

// Extracts (or lists, or tests) the entries matching the include names (all when there are
// none) and none of the exclude names; * and ? are wildcards. Before anything is written the
// whole archive is refused when an entry's name or link would reach outside the extraction
// folder, when a name is one no file may bear (NameRefusal), or when the sizes the entries
// declare exceed the free space of the folder's disk or kMaxUnpackedBytes. Every entry is
// written and checked (CRC, declared length) beside its target first; only when all are whole
// do they replace the old files, together. On any failure every old file stays as it was and
// no written file is left.
int32_t Wiz_SingleEntryUnzip(int32_t includeCount, const std::vector<std::string>& includeNames,
                             int32_t excludeCount, const std::vector<std::string>& excludeNames,
                             const UnzipOptions& options, UnzipCallbacks& callbacks) noexcept;

// The version record: 64 bytes.
struct UzpVersionRecord {
    uint32_t StructLength = 0;
    uint32_t Flag = 0;
    char BetaLevel[10] = {};
    char Date[20] = {};
    char ZlibVersion[10] = {};
    uint8_t Unzip[4] = {};
    uint8_t ZipInfo[4] = {};
    uint8_t Os2Dll[4] = {};
    uint8_t WinDll[4] = {};
};
static_assert(sizeof(UzpVersionRecord) == 64);

// Fills the record when its StructLength is 64.
void UzpVersion2(UzpVersionRecord& record) noexcept;

}  // namespace platform
