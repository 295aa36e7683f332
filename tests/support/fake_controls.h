// Controls as plain values, for binding tests without a window. A text set runs the handler
// registered for that control, nested, as a text box's change handler does.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>

#include "editor/binding/form_controls.h"

namespace kestrane::test {

class FakeControls : public FormControls {
public:
    using Key = std::pair<std::string, int>;

    int Value(ControlRef c) const override { return Lookup(values, c); }
    void SetValue(ControlRef c, int v) override { values[KeyOf(c)] = v; }
    std::string Text(ControlRef c) const override { return Lookup(texts, c); }
    void SetText(ControlRef c, const std::string& t) override {
        std::string& slot = texts[KeyOf(c)];
        if (slot == t) return;
        slot = t;
        if (auto it = changeHandlers.find(KeyOf(c)); it != changeHandlers.end()) it->second();
    }
    void AppendText(ControlRef c, const std::string& t) override { texts[KeyOf(c)] += t; }
    int ListCount(ControlRef c) const override {
        auto it = lists.find(KeyOf(c));
        return it == lists.end() ? 0 : static_cast<int>(it->second.size());
    }
    std::string ListItem(ControlRef c, int i) const override {
        return lists.at(KeyOf(c)).at(static_cast<size_t>(i));
    }
    void SetPicture(ControlRef c, const std::string& path) override { pictures[KeyOf(c)] = path; }
    void SetBackColor(ControlRef c, std::uint32_t color) override { colors[KeyOf(c)] = color; }
    void SetAvailable(ControlRef c, bool on, const std::string& tip) override {
        unavailable[KeyOf(c)] = on ? std::string() : tip;
        if (on) unavailable.erase(KeyOf(c));
    }

    static Key KeyOf(ControlRef c) { return {std::string(c.name), c.index}; }

    std::map<Key, int> values;
    std::map<Key, std::string> texts;
    std::map<Key, std::vector<std::string>> lists;
    std::map<Key, std::string> pictures;
    std::map<Key, std::uint32_t> colors;
    std::map<Key, std::string> unavailable;  // the tip of each control marked unavailable
    std::map<Key, std::function<void()>> changeHandlers;

private:
    template <class M>
    static typename M::mapped_type Lookup(const M& m, ControlRef c) {
        auto it = m.find(KeyOf(c));
        return it == m.end() ? typename M::mapped_type{} : it->second;
    }
};

}  // namespace kestrane::test
