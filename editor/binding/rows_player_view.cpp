#include <array>
#include <string>

#include "editor/binding/areas.h"
#include "editor/binding/key_searches.h"
#include "editor/binding/row_steps.h"
#include "editor/binding/untouched.h"
#include "editor/store/character_names.h"
#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

constexpr ControlRef kCharacter{"cb_Character"};

constexpr BindingRow User(std::string_view key, std::string_view control, Form form, int n = 0) {
    return BindingRow{IniFile::User, key, {}, ControlRef{control}, form, n};
}

// The entry one past the list's end reads as the empty text, so a missing key shows "None".
// A character the list lacks (a custom model) is shown as the file names it, so a save keeps it.
void LoadCharacter(BindingContext& ctx) {
    const std::string value = GetVal(ctx.state.user, "Character");
    const int count = ctx.controls.ListCount(kCharacter);
    bool matched = false;
    for (int i = 0; i <= count; ++i) {
        const std::string entry = i < count ? ctx.controls.ListItem(kCharacter, i) : std::string();
        if (!EqualsNoCase(entry, value)) continue;
        matched = true;
        ctx.controls.SetText(kCharacter, value);
        const std::string shown = ctx.controls.Text(kCharacter);
        if (!shown.empty()) {
            ctx.controls.SetPicture({"pb_Player"}, CharacterPicturePath(shown));
        } else {
            ctx.controls.SetText(kCharacter, "None");
        }
    }
    if (!matched) {
        ctx.controls.SetText(kCharacter, value);
        ctx.controls.SetPicture({"pb_Player"}, CharacterPicturePath(value));
    }
}

void LoadTeam(BindingContext& ctx) {
    const bool red = EqualsNoCase(GetVal(ctx.state.user, "team"), "0");
    ctx.controls.SetValue({"rb_Red"}, red ? 1 : 0);
    ctx.controls.SetValue({"rb_Blue"}, red ? 0 : 1);
    NoteLoaded(ctx, {"rb_Red"});
    NoteLoaded(ctx, {"rb_Blue"});
}

// The game's "no team" (255) shows as blue and stays 255 until the player picks a team.
void SaveTeam(BindingContext& ctx) {
    IniStore& user = ctx.state.user;
    const auto line = FindKey(user, "team");
    if (!line) return;
    StoreUnlessUntouched(ctx, user, *line, {{"rb_Red"}, {"rb_Blue"}},
                         ctx.controls.Value({"rb_Red"}) == 1 ? "0" : "1");
}

void LoadUnlockedCharacters(BindingContext& ctx) {
    const std::string value = GetVal(ctx.state.user, "TotalUnlockedCharacters");
    int count = 0;
    if (!value.empty()) {
        for (std::string_view name : {"Malcolm", "ClanLord", "Xan"}) {
            if (InStrText(value, name) != 0) ++count;
        }
    }
    ctx.controls.SetText({"tbx_Total_Unockedl_Char"}, std::to_string(count) + " of 3");
}

const std::array<RowStep, 11> kSteps = {{
    {User("Name", "tbx_Name", Form::Text)},
    {User("Character", "cb_Character", Form::Text), Walks::Both, LoadCharacter},
    {User("StatsUsername", "tbx_Stat_Name", Form::Text)},
    {User("StatsPassword", "tbx_Stat_Pass", Form::Text)},
    {User("team", "rb_Red", Form::Text), Walks::Both, LoadTeam, SaveTeam},
    {User("Bob", "tbx_Bob", Form::TextLeft, 5)},
    {User("DesiredFOV", "tbx_FOV", Form::TextLeft, 4)},
    {User("DefaultFOV", "tbx_FOV2", Form::TextLeft, 4)},
    {User("TotalUnlockedCharacters", "tbx_Total_Unockedl_Char", Form::Text), Walks::LoadOnly,
     LoadUnlockedCharacters},
    {User("bPlayerShadows", "c_Player_Shadow", Form::Flag)},
    {User("bPlayOwnFootsteps", "c_Footsteps", Form::Flag)},
}};

}  // namespace

const AreaBinding& PlayerViewArea() {
    return AreaOfSteps<kSteps>();
}

}  // namespace kestrane
