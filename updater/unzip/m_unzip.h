// The zip module: hands a cUnzip's options and name lists to the library and turns the
// library's callbacks into events of the object being run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/zip_library.h"
#include "updater/update_failure.h"

namespace patchwell {

class cUnzip;

// The object whose events the callbacks raise, and whether a password was refused during
// the current call.
extern cUnzip* CurrentUnzip;
extern bool PasswordCancelled;

inline constexpr int32_t kMaxListNames = 1023;

// A failure of VBUnzip's own steps, with the source it arose in.
struct UnzipFailure : UpdateFailure {
    UnzipFailure(const std::string& why, std::string sourceName)
        : UpdateFailure(why), source(std::move(sourceName)) {}
    std::string source;  // the program's name and ".VBUnzip"
};

// Returns the library's result code; throws UnzipFailure for more than 1023 names in a list.
int32_t VBUnzip(cUnzip& cUnzipObject, platform::UnzipOptions& tOptions, int32_t iIncCount,
                const std::vector<std::string>& sInc, int32_t iExCount,
                const std::vector<std::string>& sExc);

int32_t UnzipPrintCallback(const char* text, uint32_t length);
int32_t UnzipReplaceCallback(const char* entryName);
int32_t UnzipPasswordCallback(char* buffer, int32_t size, const char* prompt,
                              const char* entryName);
void UnzipReceiveDirEntry(uint32_t size, uint32_t packedSize, uint32_t factor, uint32_t month,
                          uint32_t day, uint32_t year, uint32_t hour, uint32_t minute, char flag,
                          const char* entryName, const char* method, uint32_t crc, char encryption);
int32_t UnzipServiceCallback(const char* entryName, uint32_t nameLength);

// maps/sub/a.ut2 gives the folder maps\sub and the name a.ut2; a "/" in the first position
// stays. Both texts change in place.
void SplitZipPath(std::string& sName, std::string& sFolder);

// Every "/" from the second character on becomes "\"; answers the position (from 1) after
// the last one turned, 1 when none was.
int32_t SlashToBackslash(std::string& sText);

}  // namespace patchwell
