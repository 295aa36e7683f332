#include "editor/store/ini_files.h"

#include <algorithm>

#include "platform/base/files.h"

namespace kestrane {

std::string FileError::Message(const char* verb) const {
    return std::string("Could not ") + verb + " " + file + ": " + reason;
}

std::optional<std::string> ReadFile(const std::string& fileName, FileError* error) {
    std::string bytes;
    std::string reason;
    if (!platform::ReadBytes(fileName, bytes, &reason)) {
        if (error) *error = {fileName, reason};
        return std::nullopt;
    }
    return bytes;
}

std::string NotLineTextReason(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return "it is UTF-16 text (it begins with a UTF-16 byte-order mark), not the 8-bit text "
               "the editor reads and writes; it was left as it is";
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return "it holds NUL bytes, so it is not 8-bit text; it was left as it is";
    }
    // Lines ended by a CR alone read as one line: sections the editor adds would go after
    // text it cannot see. A stray CR inside a line of a CR LF or LF file is kept as it is.
    size_t loneCr = 0;
    for (size_t at = bytes.find('\r'); at != std::string_view::npos;
         at = bytes.find('\r', at + 1)) {
        if (at + 1 == bytes.size() || bytes[at + 1] != '\n') ++loneCr;
    }
    if (loneCr > 0 && loneCr > static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'))) {
        return "its lines end in a CR alone, without an LF, so the editor would read it as one "
               "line; it was left as it is";
    }
    return {};
}

std::optional<std::string> ReadTextFile(const std::string& fileName, FileError* error) {
    auto bytes = ReadFile(fileName, error);
    if (!bytes) return bytes;
    if (std::string why = NotLineTextReason(*bytes); !why.empty()) {
        if (error) *error = {fileName, std::move(why)};
        return std::nullopt;
    }
    return bytes;
}

bool LoadIniFile(IniStore& store, const std::string& fileName, FileError* error) {
    auto text = ReadFile(fileName, error);
    if (!text) return false;
    store.Load(std::move(*text));
    return true;
}

namespace {

bool WriteFile(const std::string& fileName, const std::string& bytes, FileError* error) {
    // A file that already holds these bytes is left alone: no flush to disk, no new date.
    std::string current;
    if (platform::ReadBytes(fileName, current) && current == bytes) return true;
    std::string reason;
    if (platform::WriteBytesAtomic(fileName, bytes, &reason)) return true;
    if (error) *error = {fileName, reason};
    return false;
}

}  // namespace

IniTexts ComposeINIFiles(const IniStore& user, const IniStore& ut2004,
                         const UserIniExtras& extras) {
    return {WriteUserIniText(user, extras), WriteIniText(ut2004)};
}

bool WriteINIFiles(const std::string& iniFolder, const IniTexts& texts, FileError* error) {
    // One backslash between folder and name, so that a message names the file as it is.
    const std::string folder =
        iniFolder.empty() || iniFolder.back() == '\\' ? iniFolder : iniFolder + "\\";
    return WriteFile(folder + "User.ini", texts.user, error) &&
           WriteFile(folder + "UT2004.ini", texts.ut2004, error);
}

bool SaveINIFiles(const std::string& iniFolder, const IniStore& user, const IniStore& ut2004,
                  const UserIniExtras& extras, FileError* error) {
    // Both texts are complete before either file is touched.
    return WriteINIFiles(iniFolder, ComposeINIFiles(user, ut2004, extras), error);
}

bool SaveIniStore(const std::string& fileName, const IniStore& store, FileError* error) {
    return WriteFile(fileName, WriteIniText(store), error);
}

std::string KestraneIniPath(const std::string& programFolder) {
    return programFolder + "\\Kestrane.ini";
}

std::optional<size_t> IndexOfKestraneKey(const IniStore& kestrane, const std::string& key) {
    return kestrane.FindKey(key);
}

void SetKestraneValue(IniStore& kestrane, const std::string& key, const std::string& value) {
    if (const auto row = IndexOfKestraneKey(kestrane, key)) {
        kestrane.SetValue(*row, value);
    } else {
        kestrane.AppendLine(key, value);
    }
}

bool SaveKestraneINI(const std::string& programFolder, const IniStore& kestrane, FileError* error) {
    return SaveIniStore(KestraneIniPath(programFolder), kestrane, error);
}

}  // namespace kestrane
