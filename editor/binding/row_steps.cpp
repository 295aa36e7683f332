#include "editor/binding/row_steps.h"

#include "editor/binding/untouched.h"

namespace kestrane {

void LoadSteps(BindingContext& ctx, std::span<const RowStep> steps) {
    for (const RowStep& step : steps) {
        if (step.walks == Walks::SaveOnly) continue;
        if (step.load) {
            step.load(ctx);
            NoteLoaded(ctx, step.row.control);
        } else {
            LoadRow(ctx, step.row);
        }
    }
}

void SaveSteps(BindingContext& ctx, std::span<const RowStep> steps) {
    for (const RowStep& step : steps) {
        if (step.walks == Walks::LoadOnly) continue;
        if (step.save) {
            step.save(ctx);
        } else {
            SaveRow(ctx, step.row);
        }
    }
}

}  // namespace kestrane
