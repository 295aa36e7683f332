// An area's walk in which rows that fit no value form stand in their place among the plain
// rows, and rows that only one direction runs are marked so.
#pragma once

#include <cstdint>
#include <span>

#include "editor/binding/binding_row.h"

namespace kestrane {

enum class Walks : std::uint8_t { Both, LoadOnly, SaveOnly };

struct RowStep {
    BindingRow row;
    Walks walks = Walks::Both;
    SpecialStep load = nullptr;  // in place of the row's form on load
    SpecialStep save = nullptr;  // in place of the row's form on save
};

void LoadSteps(BindingContext& ctx, std::span<const RowStep> steps);
void SaveSteps(BindingContext& ctx, std::span<const RowStep> steps);

// The area whose walk is the given steps, in both directions.
template <const auto& Steps>
const AreaBinding& AreaOfSteps() {
    static const AreaBinding area{
        .rows = {},
        .beforeLoad = [](BindingContext& ctx) { LoadSteps(ctx, Steps); },
        .beforeSave = [](BindingContext& ctx) { SaveSteps(ctx, Steps); },
    };
    return area;
}

}  // namespace kestrane
