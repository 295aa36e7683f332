// Reading and rewriting the three files of the store.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/store/ini_store.h"
#include "editor/store/ini_writer.h"

namespace kestrane {

// A failed file operation: which file (Windows path) and why.
struct FileError {
    std::string file;
    std::string reason;
    // "Could not write C:\...\User.ini: the file is read-only"
    std::string Message(const char* verb) const;
};

// The whole file as 8-bit text; nullopt and `error` when it is missing or unreadable.
std::optional<std::string> ReadFile(const std::string& fileName, FileError* error = nullptr);

// Why the bytes are not 8-bit text that the store can keep line for line (a UTF-16 byte-order
// mark, NUL bytes, lines ended by a CR alone); empty for text, an empty file included.
std::string NotLineTextReason(std::string_view bytes);
// ReadFile of a game file, refusing one that is not such text: it is then never rewritten.
std::optional<std::string> ReadTextFile(const std::string& fileName, FileError* error = nullptr);

// ReadFile, split, parse. False (store untouched) when the file cannot be read.
bool LoadIniFile(IniStore& store, const std::string& fileName, FileError* error = nullptr);

// The texts a save gives the two game files.
struct IniTexts {
    std::string user;
    std::string ut2004;
};
IniTexts ComposeINIFiles(const IniStore& user, const IniStore& ut2004, const UserIniExtras& extras);

// Writes User.ini and then UT2004.ini in `iniFolder` (ends in "\"). Each file is replaced
// whole or left as it was; the first failure stops and is reported.
bool WriteINIFiles(const std::string& iniFolder, const IniTexts& texts, FileError* error = nullptr);
// ComposeINIFiles, then WriteINIFiles.
bool SaveINIFiles(const std::string& iniFolder, const IniStore& user, const IniStore& ut2004,
                  const UserIniExtras& extras, FileError* error = nullptr);

// Writes one store by the line writer alone.
bool SaveIniStore(const std::string& fileName, const IniStore& store, FileError* error = nullptr);

// Kestrane.ini in the program folder.
std::string KestraneIniPath(const std::string& programFolder);
// Row of the first key equal to `key` ignoring case; nullopt when the file lacks it.
std::optional<size_t> IndexOfKestraneKey(const IniStore& kestrane, const std::string& key);
// Puts `value` on the key's row, adding the line when the file lacks it.
void SetKestraneValue(IniStore& kestrane, const std::string& key, const std::string& value);
bool SaveKestraneINI(const std::string& programFolder, const IniStore& kestrane,
                     FileError* error = nullptr);

}  // namespace kestrane
