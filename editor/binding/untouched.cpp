#include "editor/binding/untouched.h"

namespace kestrane {
namespace {

std::pair<std::string, int> KeyOf(ControlRef control) {
    return {std::string(control.name), control.index};
}

bool Shows(const BindingContext& ctx, ControlRef control, const ProgramState::Shown& shown) {
    return ctx.controls.Value(control) == shown.value && ctx.controls.Text(control) == shown.text;
}

}  // namespace

void NoteLoaded(BindingContext& ctx, ControlRef control) {
    ctx.state.shownAsFiled.try_emplace(KeyOf(control));
}

void RecordShown(BindingContext& ctx) {
    for (auto& [key, shown] : ctx.state.shownAsFiled) {
        const ControlRef control{key.first, key.second};
        shown.text = ctx.controls.Text(control);
        shown.value = ctx.controls.Value(control);
    }
}

void ForgetShown(BindingContext& ctx) {
    ctx.state.shownAsFiled.clear();
}

bool Untouched(const BindingContext& ctx, ControlRef control) {
    const auto it = ctx.state.shownAsFiled.find(KeyOf(control));
    return it != ctx.state.shownAsFiled.end() && Shows(ctx, control, it->second);
}

bool AllUntouched(const BindingContext& ctx, std::initializer_list<ControlRef> controls) {
    for (ControlRef control : controls) {
        if (!Untouched(ctx, control)) return false;
    }
    return true;
}

bool HasUnsavedEdits(const BindingContext& ctx) {
    for (const auto& [key, shown] : ctx.state.shownAsFiled) {
        if (!Shows(ctx, {key.first, key.second}, shown)) return true;
    }
    return false;
}

void StoreUnlessUntouched(BindingContext& ctx, IniStore& store, size_t line,
                          std::initializer_list<ControlRef> controls, std::string value) {
    if (AllUntouched(ctx, controls)) {
        store.SetValue(line, std::string(store.LoadedValue(line)));
    } else {
        store.SetValue(line, std::move(value));
    }
}

}  // namespace kestrane
