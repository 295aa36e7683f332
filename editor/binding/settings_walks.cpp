#include "editor/binding/settings_walks.h"

#include "editor/binding/areas.h"
#include "editor/binding/rows_resolution.h"
#include "editor/binding/untouched.h"
#include "editor/store/bind_boxes.h"

namespace kestrane {
namespace {

void RunLoad(BindingContext& ctx, const AreaBinding& area) {
    if (area.beforeLoad) area.beforeLoad(ctx);
    for (const BindingRow& row : area.rows) LoadRow(ctx, row);
    if (area.afterLoad) area.afterLoad(ctx);
}

void RunSave(BindingContext& ctx, const AreaBinding& area) {
    if (area.beforeSave) area.beforeSave(ctx);
    for (const BindingRow& row : area.rows) SaveRow(ctx, row);
    if (area.afterSave) area.afterSave(ctx);
}

}  // namespace

std::optional<FileError> Load_INI_Form(BindingContext& ctx) {
    FileError error;
    auto userText = ReadTextFile(ctx.state.iniFolder + "User.ini", &error);
    if (!userText) return error;
    auto utText = ReadTextFile(ctx.state.iniFolder + "UT2004.ini", &error);
    if (!utText) return error;

    ForgetShown(ctx);
    ctx.state.user.Load(*userText);
    ctx.state.ut2004.Load(*utText);

    {
        FillingTabs filling(ctx.state);
        FormControls& c = ctx.controls;
        for (ControlRef box : {ControlRef{"RTB_User", 0}, ControlRef{"RTB_User", 1},
                               ControlRef{"RTB_TextToSpeechAlias"}, ControlRef{"RTB_Aliases"}}) {
            c.SetText(box, {});
        }
        c.SetText({"RTB_User", 0}, *userText);
        c.SetText({"RTB_User", 1}, ctx.state.ut2004.Text());
        for (AreaGetter area : kLoadOrder) RunLoad(ctx, area());
    }
    if (ctx.binds) DelKey(*ctx.binds);
    RecordShown(ctx);
    return std::nullopt;
}

void SaveSettings(BindingContext& ctx) {
    for (AreaGetter area : kSaveOrder) RunSave(ctx, area());
}

std::vector<std::string> UnstorableEdits(const BindingContext& ctx) {
    return UnstorableResolutions(ctx);
}

IniTexts ComposeSave(BindingContext& ctx) {
    SaveSettings(ctx);
    return ComposeINIFiles(ctx.state.user, ctx.state.ut2004, UserIniExtrasOf(ctx));
}

void RecordSaved(BindingContext& ctx, const IniTexts& written) {
    ctx.state.user.Load(written.user);
    ctx.state.ut2004.Load(written.ut2004);
    // The lines the writer added under the GUI controller are the file's own from now on.
    ctx.state.quietMenuMissing = GetVal(ctx.state.user, "bQuietMenu").empty();
    RecordShown(ctx);
}

UserIniExtras UserIniExtrasOf(BindingContext& ctx) {
    UserIniExtras extras;
    extras.quietMenuMissing = ctx.state.quietMenuMissing;
    extras.quietMenu = ctx.controls.Value({"c_Hud", 8}) == 1;
    extras.noToolTips = ctx.controls.Value({"c_Hud", 9}) == 1;
    extras.ttsAliasText = ctx.controls.Text({"RTB_TextToSpeechAlias"});
    extras.aliasText = ctx.controls.Text({"RTB_Aliases"});
    extras.ttsAliasUntouched = Untouched(ctx, {"RTB_TextToSpeechAlias"});
    extras.aliasUntouched = Untouched(ctx, {"RTB_Aliases"});
    return extras;
}

}  // namespace kestrane
