// What the binding walks see of the main window: its controls by name and array index. The
// window implements it over real widgets; core tests implement it over plain values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrane {

struct ControlRef {
    std::string_view name;
    int index = -1;  // -1: not an array element
};

class FormControls {
public:
    virtual ~FormControls() = default;

    // Check boxes (1 checked, 0 not) and option buttons (1 chosen); setting runs no handler.
    virtual int Value(ControlRef control) const = 0;
    virtual void SetValue(ControlRef control, int value) = 0;

    // Text boxes, combo boxes and rich text boxes, as 8-bit text (CR LF between lines).
    // Setting a text box's text runs its change handler at once; the same text runs nothing.
    virtual std::string Text(ControlRef control) const = 0;
    virtual void SetText(ControlRef control, const std::string& text) = 0;
    virtual void AppendText(ControlRef control, const std::string& text) = 0;

    // Combo box lists.
    virtual int ListCount(ControlRef control) const = 0;
    virtual std::string ListItem(ControlRef control, int item) const = 0;

    // Picture boxes: a picture file (Windows path); a missing file leaves the box empty.
    virtual void SetPicture(ControlRef control, const std::string& windowsPath) = 0;
    // Back colour as red + 256 * green + 65536 * blue.
    virtual void SetBackColor(ControlRef control, std::uint32_t color) = 0;

    // A control whose key the file lacks takes no edit: disabled, the tip saying why. An
    // available control is enabled with no tip.
    virtual void SetAvailable(ControlRef /*control*/, bool /*available*/,
                              const std::string& /*tip*/) {}
};

}  // namespace kestrane
