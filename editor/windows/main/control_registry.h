// The main window's controls by name and index, as the binding walks reach them. A page is
// built when it is first shown; until then its controls are kept as plain values (what the
// load gave them), which the walks, the record and the questions read as they would the
// widgets, and which the widgets take over once their page is built.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/binding/form_controls.h"

namespace kestrane {

class ControlRegistry : public FormControls {
  public:
    void Add(std::string_view name, int index, QWidget* widget);
    void Add(std::string_view name, QWidget* widget) { Add(name, -1, widget); }

    // The widget of a control, its page built first when it is not yet.
    QWidget* Find(ControlRef control);
    template <class W>
    W* Get(ControlRef control) {
        return qobject_cast<W*>(Find(control));
    }
    // The widget of a control whose page is built; nothing is built for it.
    QWidget* Built(ControlRef control) const;
    template <class W>
    W* BuiltAs(ControlRef control) const {
        return qobject_cast<W*>(Built(control));
    }

    // Every built control with its name and index, in name order.
    template <class F>
    void ForEach(F&& visit) const {
        for (const auto& [key, widget] : widgets_) visit(key.first, key.second, widget);
    }

    // How a control's page gets built: called with a control no built page holds.
    void SetPageBuilder(std::function<void(ControlRef)> build) { buildPageOf_ = std::move(build); }
    // After a page was built: its widgets take what was kept for them, as the load walk would
    // have set them, so nothing counts as changed.
    void TakeOverKept();
    // Controls the walks reached that no built widget is: before every page is built, those
    // of the pages still to come; after, names no page has.
    std::vector<std::string> Unclaimed() const;

    // Reads never build a page. While the tabs are being filled from the files, writes to a
    // control whose page is not built are kept; other writes build the page first, so the
    // widget's own handlers run.
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
    using Key = std::pair<std::string, int>;
    // Orders keys and looks them up by (name, index) views, without making strings.
    struct KeyLess {
        using is_transparent = void;
        template <class A, class B>
        bool operator()(const A& a, const B& b) const {
            const std::string_view an = a.first, bn = b.first;
            return an < bn || (an == bn && a.second < b.second);
        }
    };

    // What a control of a page not yet built was given; unset parts are the widget's own.
    struct Kept {
        std::optional<std::string> text;
        std::optional<int> value;
        std::optional<std::pair<bool, std::string>> availability;  // available, tip
        std::optional<std::string> picture;                        // Windows path
        std::optional<std::uint32_t> backColor;
    };

    // The widget a write goes to: none while the tabs are filled and its page is not built
    // (the write is kept then); otherwise its page is built first.
    QWidget* WidgetForWrite(ControlRef control);
    Kept& KeptAt(ControlRef control);
    const Kept* KeptFor(ControlRef control) const;

    static void ShowText(QWidget* widget, const std::string& text);
    static void ShowPicture(QWidget* widget, const std::string& windowsPath);
    static void ShowBackColor(QWidget* widget, std::uint32_t color);
    static void ShowAvailable(QWidget* widget, bool available, const std::string& tip);

    std::map<Key, QWidget*, KeyLess> widgets_;
    std::map<Key, Kept, KeyLess> kept_;
    mutable std::set<Key, KeyLess> readUnbuilt_;  // read before any page held them
    std::function<void(ControlRef)> buildPageOf_;
};

}  // namespace kestrane
