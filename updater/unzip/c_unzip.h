// The zip class: an archive, its target folder, the library's option record and the list of
// the archive's entries, with events raised from the library's callbacks.
#pragma once

#include <QDateTime>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/zip_library.h"

namespace patchwell {

struct ZipEntry {
    std::string Filename;
    std::string Folder;
    int32_t Size = 0;
    int32_t Factor = 0;  // packed size as a percentage of the size
    std::string Method;
    QDateTime Date;
    int32_t CRC = 0;
    bool Encrypted = false;
    bool Selected = false;
};

class cUnzip {
  public:
    cUnzip() = default;
    ~cUnzip();
    cUnzip(const cUnzip&) = delete;
    cUnzip& operator=(const cUnzip&) = delete;

    bool ExtractOnlyNewer() const { return options_.ExtractOnlyNewer != 0; }
    void ExtractOnlyNewer(bool value) { options_.ExtractOnlyNewer = value ? 1 : 0; }
    bool SpaceToUnderScore() const { return options_.SpaceToUnderscore != 0; }
    void SpaceToUnderScore(bool value) { options_.SpaceToUnderscore = value ? 1 : 0; }
    bool PromptToOverwrite() const { return options_.PromptToOverwrite != 0; }
    void PromptToOverwrite(bool value) { options_.PromptToOverwrite = value ? 1 : 0; }
    int32_t MessageLevel() const { return options_.MessageLevel; }
    void MessageLevel(int32_t value) { options_.MessageLevel = value; }
    bool TestZip() const { return options_.TestArchive != 0; }
    void TestZip(bool value) { options_.TestArchive = value ? 1 : 0; }
    bool UseFolderNames() const { return options_.UseFolderNames != 0; }
    void UseFolderNames(bool value) { options_.UseFolderNames = value ? 1 : 0; }
    bool OverwriteExisting() const { return options_.OverwriteExisting != 0; }
    void OverwriteExisting(bool value) { options_.OverwriteExisting = value ? 1 : 0; }
    bool ConvertCRToCRLF() const { return options_.ConvertLineEnds != 0; }
    void ConvertCRToCRLF(bool value) { options_.ConvertLineEnds = value ? 1 : 0; }
    bool CaseSensitiveFileNames() const { return options_.CaseSensitive != 0; }
    void CaseSensitiveFileNames(bool value) { options_.CaseSensitive = value ? 1 : 0; }

    // Used by the library's callbacks.
    void DirectoryListAddFile(const std::string& sFilename, const std::string& sFolder,
                              const QDateTime& dDate, int32_t lSize, int32_t lCRC, bool bEncrypted,
                              int32_t lFactor, const std::string& sMethod);
    void RaiseOverwritePrompt(const std::string& sFile, int32_t& eResponse);
    void RaiseProgress(const std::string& sMsg);
    // Keeps an error the library printed, as printed (a reason such as "Input/output error"
    // keeps its "/"), for LastError.
    void NotePrinted(const std::string& sMsg);
    void RaiseCancel(const std::string& sMsg, bool& bCancel);
    void RaisePasswordRequest(std::string& sPassword, bool& bCancel);

    // The listed entries, 1 to FileCount; another index throws std::out_of_range.
    int32_t FileCount() const { return static_cast<int32_t>(entries_.size()); }
    std::string Filename(int32_t lIndex) const { return At(lIndex).Filename; }
    std::string FileDirectory(int32_t lIndex) const { return At(lIndex).Folder; }
    int32_t FileSize(int32_t lIndex) const { return At(lIndex).Size; }
    int32_t FilePackedSize(int32_t lIndex) const;
    int32_t FileCompressionRatio(int32_t lIndex) const { return At(lIndex).Factor; }
    QDateTime FileDate(int32_t lIndex) const { return At(lIndex).Date; }
    int32_t FileCRC(int32_t lIndex) const { return At(lIndex).CRC; }
    std::string FileCompressionMethod(int32_t lIndex) const { return At(lIndex).Method; }
    bool FileEncrypted(int32_t lIndex) const { return At(lIndex).Encrypted; }
    bool FileSelected(int32_t lIndex) const { return At(lIndex).Selected; }
    void FileSelected(int32_t lIndex, bool value);

    // Lists the archive into the entry list (added to what it holds). Always 0.
    int32_t Directory();
    // Extracts the selected entries, or all of them when all or none are selected. True when
    // the library succeeded.
    bool Unzip();

    void UnzipFolder(const std::string& value) { unzipFolder_ = value; }
    // Also copies the folder into the option record.
    std::string UnzipFolder();
    const std::string& ZipFile() const { return zipFile_; }
    // Stores the path and empties the entry list.
    void ZipFile(const std::string& value);

    void GetVersion(int32_t& lMajor, int32_t& lMinor, int32_t& lRevision, QDateTime& dDate,
                    std::string& sExtraInfo);

    // The library's result code of the last Directory or Unzip.
    int32_t LastResult() const { return lastResult_; }
    // The last error the library printed during that call ("cannot write C:\...: File too
    // large"); empty when it printed none.
    const std::string& LastError() const { return lastError_; }

    // Events.
    std::function<void(const std::string& sMsg, bool& bCancel)> Cancel;
    std::function<void(const std::string& sFIle, int32_t& eResponse)> OverwritePrompt;
    std::function<void(std::string& sPassword, bool& bCancel)> PasswordRequest;
    std::function<void(int32_t lCount, const std::string& sMsg)> Progress;

  private:
    const ZipEntry& At(int32_t lIndex) const;
    static std::string IncludeEntryName(const std::string& sFolder, const std::string& sName);

    std::string zipFile_;
    std::string unzipFolder_;
    std::vector<ZipEntry> entries_;
    platform::UnzipOptions options_;
    int32_t lastResult_ = 0;
    std::string lastError_;
};

}  // namespace patchwell
