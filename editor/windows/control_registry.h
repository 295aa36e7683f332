// The main window's controls by name and index, as the binding walks reach them.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <utility>

#include "editor/binding/form_controls.h"

namespace kestrane {

class ControlRegistry : public FormControls {
public:
    void Add(std::string_view name, int index, QWidget* widget);
    void Add(std::string_view name, QWidget* widget) { Add(name, -1, widget); }
    QWidget* Find(ControlRef control) const;
    template <class W>
    W* Get(ControlRef control) const {
        return qobject_cast<W*>(Find(control));
    }
    // Every control with its name and index, in name order.
    template <class F>
    void ForEach(F&& visit) const {
        for (const auto& [key, widget] : widgets_) visit(key.first, key.second, widget);
    }

    int Value(ControlRef control) const override;
    void SetValue(ControlRef control, int value) override;
    std::string Text(ControlRef control) const override;
    void SetText(ControlRef control, const std::string& text) override;
    void AppendText(ControlRef control, const std::string& text) override;
    int ListCount(ControlRef control) const override;
    std::string ListItem(ControlRef control, int item) const override;
    void SetPicture(ControlRef control, const std::string& windowsPath) override;
    void SetBackColor(ControlRef control, std::uint32_t color) override;
    void SetAvailable(ControlRef control, bool available, const std::string& tip) override;

private:
    std::map<std::pair<std::string, int>, QWidget*, std::less<>> widgets_;
};

}  // namespace kestrane
