// Whether the setting tabs hold edits not yet written: what every control showed after the
// last load or save, compared with what it shows now.
#pragma once

#include <map>
#include <string>
#include <utility>

namespace kestrane {

class ControlRegistry;

struct ShownValue {
    std::string text;
    int value = 0;
    bool operator==(const ShownValue&) const = default;
};
using ControlSnapshot = std::map<std::pair<std::string, int>, ShownValue>;

// The raw editors and their search controls are left out: they are no setting.
ControlSnapshot TakeSnapshot(const ControlRegistry& controls);
bool HasUnsavedTabEdits(const ControlRegistry& controls, const ControlSnapshot& asLoaded);

}  // namespace kestrane
