#include "editor/binding/untouched.h"

namespace kestrane {
namespace {

std::pair<std::string, int> KeyOf(ControlRef control) {
    return {std::string(control.name), control.index};
}

}  // namespace

void NoteLoaded(BindingContext& ctx, ControlRef control) {
    ctx.state.shownAtLoad.try_emplace(KeyOf(control));
}

void TakeShownAtLoad(BindingContext& ctx) {
    for (auto& [key, shown] : ctx.state.shownAtLoad) {
        const ControlRef control{key.first, key.second};
        shown.text = ctx.controls.Text(control);
        shown.value = ctx.controls.Value(control);
    }
}

void ForgetShownAtLoad(BindingContext& ctx) {
    ctx.state.shownAtLoad.clear();
}

bool Untouched(const BindingContext& ctx, ControlRef control) {
    const auto it = ctx.state.shownAtLoad.find(KeyOf(control));
    if (it == ctx.state.shownAtLoad.end()) return false;
    return ctx.controls.Value(control) == it->second.value &&
           ctx.controls.Text(control) == it->second.text;
}

bool AllUntouched(const BindingContext& ctx, std::initializer_list<ControlRef> controls) {
    for (ControlRef control : controls) {
        if (!Untouched(ctx, control)) return false;
    }
    return true;
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
