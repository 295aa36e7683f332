#include "editor/instant_action/game_types.h"

#include <array>

#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

constexpr std::array<GameTypeRow, 10> kGameTypes{{
    {"Assault", "As", "UT2k4Assault.ASGameInfo", 1},
    {"OnSlaught", "ON", "Onslaught.ONSOnslaughtGame", 2},
    {"DeathMatch", "DM", "XGame.xDeathMatch", 3},
    {"Capture the Flag", "CT", "XGame.xCTFGame", 0},
    {"Team DeathMatch", "DM", "XGame.xTeamGame", 4},
    {"Double Domination", "DO", "XGame.xDoubleDom", 5},
    {"Bombing Run", "BR", "XGame.xBombingRun", 6},
    {"Mutant", "DM", "BonusPack.xMutantGame", 7},
    {"Invasion", "DM", "SkaarjPack.Invasion", 8},
    {"Last Man Standing", "DM", "BonusPack.xLastManStandingGame", 9},
}};

constexpr std::array<OptionFrameRow, kOptionFrames> kFrames{{
    {"Capture the Flag", "[XGame.xCTFGame]"},
    {"Assualt", "[UT2k4Assault.ASGameInfo]"},
    {"OnSlaught", "[Onslaught.ONSOnslaughtGame]"},
    {"DeathMatch", "[XGame.xDeathMatch]"},
    {"Team DeathMatch", "[XGame.xTeamGame]"},
    {"Double Domination", "[XGame.xDoubleDom]"},
    {"Bombing Run", "[XGame.xBombingRun]"},
    {"Mutant", "[BonusPack.xMutantGame]"},
    {"Invasion", "[SkaarjPack.Invasion]"},
    {"Last Man Standing", "[BonusPack.xLastManStandingGame]"},
}};

constexpr std::array<DifficultyRow, 8> kDifficulties{{
    {"Novice", 0},
    {"Average", 1},
    {"Experienced", 2},
    {"Skilled", 3},
    {"Adept", 4},
    {"Masterfull", 5},
    {"Inhuman", 6},
    {"Godlike", 7},
}};

}  // namespace

std::span<const GameTypeRow> GameTypeTable() {
    return kGameTypes;
}
std::span<const OptionFrameRow> OptionFrameTable() {
    return kFrames;
}
std::span<const DifficultyRow> DifficultyTable() {
    return kDifficulties;
}

const GameTypeRow* FindGameType(std::string_view name) {
    for (const GameTypeRow& row : kGameTypes) {
        if (EqualsNoCase(row.name, name)) return &row;
    }
    return nullptr;
}

std::optional<std::int16_t> FindDifficulty(std::string_view name) {
    for (const DifficultyRow& row : kDifficulties) {
        if (EqualsNoCase(row.name, name)) return row.skill;
    }
    return std::nullopt;
}

}  // namespace kestrane
