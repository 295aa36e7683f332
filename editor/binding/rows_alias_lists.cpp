#include <array>

#include "editor/binding/areas.h"
#include "editor/binding/untouched.h"
#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

// Entries the game leaves behind for removed aliases; they are not shown and so not written back.
constexpr std::array<std::string_view, 3> kEmptyAliases = {
    "(Command=,Alias=)", "(Command=\",Alias=None)", "(Command=\"\",Alias=\"\")"};

bool IsEmptyAlias(std::string_view value) {
    for (std::string_view empty : kEmptyAliases) {
        if (EqualsNoCase(value, empty)) return true;
    }
    return false;
}

// Every line of the file counts, however long it is: the writer puts the boxes' text back in
// place of all alias lines, so a line left out here would be lost.
void LoadAliasLists(BindingContext& ctx) {
    const IniStore& user = ctx.state.user;
    std::string speech;
    std::string aliases;
    bool speechStarted = false;
    bool aliasesStarted = false;
    for (size_t row = 0; row < user.RowCount(); ++row) {
        if (user.Kind(row) != RowKind::KeyLine) continue;
        const std::string& key = user.Key(row);
        if (EqualsNoCase(key, "Aliases")) {
            if (speechStarted) speech += "\r\n";
            speechStarted = true;
            speech += key + "=" + user.Value(row);
        }
        if (InStrText(key, "liases[") != 0 && !IsEmptyAlias(user.Value(row))) {
            if (aliasesStarted) aliases += "\r\n";
            aliasesStarted = true;
            aliases += key + "=" + user.Value(row);
        }
    }
    ctx.controls.SetText({"RTB_TextToSpeechAlias"}, speech);
    ctx.controls.SetText({"RTB_Aliases"}, aliases);
    NoteLoaded(ctx, {"RTB_TextToSpeechAlias"});
    NoteLoaded(ctx, {"RTB_Aliases"});
}

}  // namespace

const AreaBinding& AliasListsArea() {
    static const AreaBinding area{.rows = {}, .beforeLoad = LoadAliasLists};
    return area;
}

}  // namespace kestrane
