// The Cache Manager's file work, without a window: reading cache.ini, where a package comes
// from and goes to, copying it out, deleting it, and rewriting cache.ini.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/store/cache_ini.h"
#include "editor/store/ini_files.h"

namespace kestrane {

// cache.ini of `cacheFolder` (ends in "\") into `cache`. On failure the cache is empty and the
// text says why, naming the folder or file ("... does not exist", "... is a folder, not a
// file").
std::optional<std::string> LoadCacheIni(const std::string& cacheFolder, CacheIni& cache);

// The payload of an entry: the cache folder, the GUID, ".uxx". nullopt when the GUID is not a
// plain file name, so nothing outside the cache folder is ever named.
std::optional<std::string> PayloadPath(const std::string& cacheFolder, std::string_view guid);
// Where Export puts a package: the game folder, its type's folder, the file name. nullopt for
// a type no list holds or a name that is not a plain file name.
std::optional<std::string> ExportTarget(const std::string& gameFolder, std::string_view fileName);

// The other entries whose payload is the very host file of the entry at `row`'s: of the GUIDs
// equal without regard to case, those the host maps onto the same name (GUIDs differing in
// case share one file where only one spelling exists, and are two packages where both do).
std::vector<size_t> EntriesSharingPackage(const std::string& cacheFolder, const CacheIni& cache,
                                          size_t row);

enum class CopyOutcome { Copied, TargetExists, Failed };
// With `replace` false a target that exists before the copy is left alone and reported as
// such. Copied only when the copy was written and synced whole, its folder too; else `reason`
// holds the writer's or the system's reason (a copy in place whose folder could not be synced
// is a failure that says so, never an existing target).
CopyOutcome CopyPackage(const std::string& source, const std::string& target, bool replace,
                        std::string* reason = nullptr);
// "Could not copy A to B: the cached file does not exist.", "...: No space left on device. ..."
std::string CopyFailureText(const std::string& source, const std::string& target,
                            const std::string& reason = {});

// Deletes the payload if it exists. False (with the message and the system's reason) when it
// exists and stays.
bool DeletePayload(const std::string& payload, std::string* message);

// The question before deleting a payload that other entries name too: the file, the entry
// chosen and the others (the first few by name). Yes deletes the file and every entry naming
// it, No only the chosen entry, Cancel nothing.
std::string SharedPackageQuestion(const std::string& payload, std::string_view chosen,
                                  const std::vector<std::string>& others);

// Rewrites cache.ini in `cacheFolder` from the store, whole or not at all.
bool WriteCacheIni(const std::string& cacheFolder, const CacheIni& cache, FileError* error);

// The delete-after-export switch as Kestrane.ini holds it: "True" / "False" in any case, a
// number (true unless 0); anything else, or no value, is false.
bool CacheDeleteValue(std::string_view text);

}  // namespace kestrane
