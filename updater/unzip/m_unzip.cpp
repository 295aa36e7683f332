#include "updater/unzip/m_unzip.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "updater/unzip/c_unzip.h"

namespace patchwell {
namespace {

std::string CutAtZero(std::string text) {
    const size_t zero = text.find('\0');
    if (zero != std::string::npos) text.resize(zero);
    return text;
}

// At most `limit` bytes of a zero-terminated text.
std::string Bounded(const char* text, size_t limit) {
    if (!text) return {};
    return std::string(text, strnlen(text, limit));
}

std::vector<std::string> NameSlots(int32_t count, const std::vector<std::string>& names,
                                   const char* list) {
    if (count > kMaxListNames || count < 0 || static_cast<size_t>(count) > names.size()) {
        throw UnzipFailure(
            std::string("too many names in the ") + list + " list",
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString() +
                ".VBUnzip");
    }
    std::vector<std::string> filled(names.begin(), names.begin() + count);
    filled.push_back(std::string(1, '\0'));
    return filled;
}

}  // namespace

cUnzip* CurrentUnzip = nullptr;
bool PasswordCancelled = false;

int32_t SlashToBackslash(std::string& sText) {
    int32_t after = 1;
    for (size_t i = 1; i < sText.size(); ++i) {
        if (sText[i] == '/') {
            sText[i] = '\\';
            after = static_cast<int32_t>(i) + 2;
        }
    }
    return after;
}

void SplitZipPath(std::string& sName, std::string& sFolder) {
    sName = CutAtZero(sName);
    const int32_t after = SlashToBackslash(sName);
    if (after < 3) return;
    const size_t slash = static_cast<size_t>(after) - 2;  // zero-based position of the "\"
    sFolder = sName.substr(0, slash);
    sName = sName.substr(slash + 1);
}

int32_t VBUnzip(cUnzip& cUnzipObject, platform::UnzipOptions& tOptions, int32_t iIncCount,
                const std::vector<std::string>& sInc, int32_t iExCount,
                const std::vector<std::string>& sExc) {
    try {
        CurrentUnzip = &cUnzipObject;
        platform::UnzipCallbacks callbacks;
        callbacks.Print = UnzipPrintCallback;
        callbacks.Sound = nullptr;
        callbacks.Replace = UnzipReplaceCallback;
        callbacks.Password = UnzipPasswordCallback;
        callbacks.ReceiveDirEntry = UnzipReceiveDirEntry;
        callbacks.Service = UnzipServiceCallback;
        const std::vector<std::string> include = NameSlots(iIncCount, sInc, "include");
        const std::vector<std::string> exclude = NameSlots(iExCount, sExc, "exclude");
        PasswordCancelled = false;
        return platform::Wiz_SingleEntryUnzip(iIncCount, include, iExCount, exclude, tOptions,
                                              callbacks);
    } catch (...) {
        CurrentUnzip = nullptr;
        throw;
    }
}

int32_t UnzipPrintCallback(const char* text, uint32_t length) {
    try {
        if (length > 1 && length < 1024 && CurrentUnzip) {
            std::string message(text, length);
            CurrentUnzip->NotePrinted(message);
            SlashToBackslash(message);
            CurrentUnzip->RaiseProgress(message);
        }
    } catch (...) {
    }
    return 0;
}

int32_t UnzipReplaceCallback(const char* entryName) {
    int32_t response = platform::kReplaceNo;
    try {
        std::string name = Bounded(entryName, 1024);
        SlashToBackslash(name);
        if (CurrentUnzip) CurrentUnzip->RaiseOverwritePrompt(name, response);
    } catch (...) {
    }
    return response;
}

int32_t UnzipPasswordCallback(char* buffer, int32_t size, const char* /*prompt*/,
                              const char* /*entryName*/) {
    if (PasswordCancelled) return 1;
    try {
        std::string password;
        bool cancel = false;
        if (CurrentUnzip) CurrentUnzip->RaisePasswordRequest(password, cancel);
        const size_t from = password.find_first_not_of(' ');
        password = from == std::string::npos
                       ? std::string()
                       : password.substr(from, password.find_last_not_of(' ') - from + 1);
        if (password.empty() || cancel) {
            PasswordCancelled = true;
            return 1;
        }
        const size_t n = std::min<size_t>({password.size(), 254, static_cast<size_t>(size)});
        std::memcpy(buffer, password.data(), n);
        return 0;
    } catch (...) {
        PasswordCancelled = true;
        return 1;
    }
}

void UnzipReceiveDirEntry(uint32_t size, uint32_t /*packedSize*/, uint32_t factor, uint32_t month,
                          uint32_t day, uint32_t year, uint32_t hour, uint32_t minute,
                          char /*flag*/, const char* entryName, const char* method, uint32_t crc,
                          char encryption) {
    try {
        if (!CurrentUnzip) return;
        std::string name = Bounded(entryName, 4096);
        std::string folder;
        SplitZipPath(name, folder);
        const QDateTime date(
            QDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)),
            QTime(static_cast<int>(hour), static_cast<int>(minute), 0));
        CurrentUnzip->DirectoryListAddFile(name, folder, date, static_cast<int32_t>(size),
                                           static_cast<int32_t>(crc), (encryption & 0x40) != 0,
                                           static_cast<int32_t>(factor), Bounded(method, 64));
    } catch (...) {
    }
}

int32_t UnzipServiceCallback(const char* entryName, uint32_t nameLength) {
    bool cancel = false;
    try {
        if (nameLength > 1 && nameLength < 1024 && CurrentUnzip) {
            std::string name = Bounded(entryName, nameLength);
            SlashToBackslash(name);
            CurrentUnzip->RaiseCancel(name, cancel);
        }
    } catch (...) {
    }
    return cancel ? 1 : 0;
}

}  // namespace patchwell
