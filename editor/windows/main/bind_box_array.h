// The tbx_Bind array over the bind boxes of the key tabs. A box whose page is not built yet is
// read and written through the registry's kept state, and keeps its look here until its page
// is built.
#pragma once

#include <QLineEdit>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "editor/store/bind_boxes.h"

namespace kestrane {

class ControlRegistry;

class BindBoxArray : public BindBoxes {
  public:
    // `focusTarget` names, when a capture ends, the widget that takes the focus (the player
    // picture); asked each time, so it may be built after the boxes.
    BindBoxArray(ControlRegistry& controls, int count, std::function<QWidget*()> focusTarget);

    int Count() const override;
    std::string Text(int index) const override;
    void SetText(int index, const std::string& text) override;
    void SetFontSize(int index, int points) override;
    void SetColours(int index, std::uint32_t back, std::optional<std::uint32_t> text) override;
    void MoveFocusAway() override;

    // A box its page has just made: it takes the look held for it.
    void Adopt(int index, QLineEdit* box);
    // The box, when its page is built.
    QLineEdit* Box(int index) const;

  private:
    struct Look {
        int fontSize;
        std::uint32_t back;
        std::optional<std::uint32_t> text;  // none: the system's window text
    };
    void ShowColours(QLineEdit* box, const Look& look);

    ControlRegistry& controls_;
    std::vector<Look> looks_;
    std::function<QWidget*()> focusTarget_;
    std::optional<QPalette> restingPalette_;  // the colours most boxes have, worked out once
};

}  // namespace kestrane
