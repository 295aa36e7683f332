#include "updater/unzip/c_unzip.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "updater/unzip/m_unzip.h"

namespace patchwell {

cUnzip::~cUnzip() {
    if (CurrentUnzip == this) CurrentUnzip = nullptr;
}

const ZipEntry& cUnzip::At(int32_t lIndex) const {
    if (lIndex < 1 || lIndex > FileCount()) {
        throw std::out_of_range("no entry " + std::to_string(lIndex) + " in the list of " +
                                zipFile_);
    }
    return entries_[static_cast<size_t>(lIndex - 1)];
}

int32_t cUnzip::FilePackedSize(int32_t lIndex) const {
    const ZipEntry& e = At(lIndex);
    return static_cast<int32_t>(static_cast<int64_t>(e.Size) * e.Factor / 100);
}

void cUnzip::FileSelected(int32_t lIndex, bool value) {
    At(lIndex);
    entries_[static_cast<size_t>(lIndex - 1)].Selected = value;
}

void cUnzip::DirectoryListAddFile(const std::string& sFilename, const std::string& sFolder,
                                  const QDateTime& dDate, int32_t lSize, int32_t lCRC,
                                  bool bEncrypted, int32_t lFactor, const std::string& sMethod) {
    if (sFilename.empty() || sFilename == std::string(1, '\0')) return;
    entries_.push_back(
        {sFilename, sFolder, lSize, lFactor, sMethod, dDate, lCRC, bEncrypted, true});
}

void cUnzip::RaiseOverwritePrompt(const std::string& sFile, int32_t& eResponse) {
    if (OverwritePrompt) OverwritePrompt(sFile, eResponse);
}
void cUnzip::NotePrinted(const std::string& sMsg) {
    constexpr std::string_view kError = "error:";
    if (!sMsg.starts_with(kError)) return;
    std::string text = sMsg.substr(kError.size());
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(std::string(" \r\n\0", 4)) + 1);
    lastError_ = text;
}
void cUnzip::RaiseProgress(const std::string& sMsg) {
    if (Progress) Progress(1, sMsg);
}
void cUnzip::RaiseCancel(const std::string& sMsg, bool& bCancel) {
    if (Cancel) Cancel(sMsg, bCancel);
}
void cUnzip::RaisePasswordRequest(std::string& sPassword, bool& bCancel) {
    if (PasswordRequest) PasswordRequest(sPassword, bCancel);
}

std::string cUnzip::IncludeEntryName(const std::string& sFolder, const std::string& sName) {
    if (sFolder.empty() || sFolder == std::string(1, '\0')) return sName;
    std::string name = sFolder + "/" + sName;
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

int32_t cUnzip::Directory() {
    options_.ZipFile = zipFile_;
    options_.ExtractFolder = std::string(1, '\0');
    options_.ListOnly = 1;
    lastError_.clear();
    lastResult_ = VBUnzip(*this, options_, 0, {}, 0, {});
    return 0;
}

bool cUnzip::Unzip() {
    if (zipFile_.empty()) return false;
    std::vector<std::string> include;
    for (const ZipEntry& e : entries_) {
        if (e.Selected) include.push_back(IncludeEntryName(e.Folder, e.Filename));
    }
    if (include.size() == entries_.size()) include.clear();
    options_.ZipFile = zipFile_;
    options_.ListOnly = 0;
    options_.ExtractFolder = unzipFolder_;
    lastError_.clear();
    lastResult_ = VBUnzip(*this, options_, static_cast<int32_t>(include.size()), include, 0, {});
    return lastResult_ == platform::kUnzipOk;
}

std::string cUnzip::UnzipFolder() {
    options_.ExtractFolder = unzipFolder_;
    return unzipFolder_;
}

void cUnzip::ZipFile(const std::string& value) {
    zipFile_ = value;
    entries_.clear();
}

void cUnzip::GetVersion(int32_t& lMajor, int32_t& lMinor, int32_t& lRevision, QDateTime& /*dDate*/,
                        std::string& sExtraInfo) {
    platform::UzpVersionRecord record;
    record.StructLength = sizeof record;
    std::fill(std::begin(record.BetaLevel), std::end(record.BetaLevel) - 1, ' ');
    platform::UzpVersion2(record);
    sExtraInfo = std::string(record.BetaLevel, strnlen(record.BetaLevel, sizeof record.BetaLevel));
    sExtraInfo.resize(10, ' ');
    lMajor = record.WinDll[0];
    lMinor = record.WinDll[1];
    lRevision = record.WinDll[2];
}

}  // namespace patchwell
