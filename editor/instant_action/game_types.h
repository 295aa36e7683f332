// The ten game types Instant Action can start, their option frames and the bot difficulties.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kestrane {

struct GameTypeRow {
    std::string_view name;       // as the game-type list shows it
    std::string_view mapPrefix;  // first two letters of the map files it plays
    std::string_view gameClass;  // goes into the command line
    int frame;                   // the option frame shown for it
};

// One option frame per game type: its caption and the UT2004.ini section its options live in.
struct OptionFrameRow {
    std::string_view caption;
    std::string_view section;
};

struct DifficultyRow {
    std::string_view name;
    std::int16_t skill;
};

inline constexpr int kOptionFrames = 10;

// In list order: Assault first.
std::span<const GameTypeRow> GameTypeTable();
// By frame index 0 to 9.
std::span<const OptionFrameRow> OptionFrameTable();
// Novice (0) to Godlike (7).
std::span<const DifficultyRow> DifficultyTable();

// Lookups ignore case.
const GameTypeRow* FindGameType(std::string_view name);
std::optional<std::int16_t> FindDifficulty(std::string_view name);

}  // namespace kestrane
