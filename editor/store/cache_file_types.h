// What the Cache Manager knows of a cached package by its file type: the list it stands in,
// the game folder an export goes to, and the file-dialog filter of "Save to...".
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrane {

struct CacheFileType {
    std::string_view type;          // the text after the last ".", compared exactly
    int list;                       // CacheList index
    std::string_view exportFolder;  // under the game folder, with its "\"
    std::string_view filter;
};

inline constexpr std::array<CacheFileType, 9> kCacheFileTypes = {{
    {"u", 0, "System\\", "UnrealScript files (*.u)|*.u|All files (*.*)|*.*"},
    {"int", 0, "System\\", "Reference files (*.int)|*.int|All files (*.*)|*.*"},
    {"ut2", 1, "Maps\\", "Map files (*.ut2)|*.ut2|All files (*.*)|*.*"},
    {"utx", 2, "Textures\\", "Texture files (*.utx)|*.utx|All files (*.*)|*.*"},
    {"ogg", 3, "Music\\", "Music files (*.ogg)|*.ogg|All files (*.*)|*.*"},
    {"uax", 4, "Sounds\\", "Sound files (*.uax)|*.uax|All files (*.*)|*.*"},
    {"usx", 5, "StaticMeshes\\", "Static Meshes files (*.usx)|*.usx|All files (*.*)|*.*"},
    {"ukx", 6, "Animations\\", "Animation files (*.ukx)|*.ukx|All files (*.*)|*.*"},
    {"ka", 7, "KarmaData\\", "Karma Data files (*.ka)|*.ka|All files (*.*)|*.*"},
}};

// The labels over the eight lists, by list index.
inline constexpr std::array<std::string_view, 8> kCacheListLabels = {
    ".u - UnrealScript / .int - Reference Files",
    ".ut2 - Map Files",
    ".utx - Texture Files",
    ".ogg - Music Files",
    ".uax - Sound Files",
    ".usx - Static Meshes",
    ".ukx - Animation Files",
    ".ka - Karma Data Files",
};

// The row of the file name's type; nullptr for a type no list holds (".UT2", ".txt", none).
const CacheFileType* CacheTypeOf(std::string_view fileName);

// " 37 Files In Cache", " 1 File In Cache".
std::string CacheCountText(long long count);

// A name that stays in the folder it is joined to: not empty, not "." or "..", and free of
// "\", "/", ":" and control characters. Names from cache.ini must pass before they become
// part of a path.
bool IsPlainFileName(std::string_view name);

}  // namespace kestrane
