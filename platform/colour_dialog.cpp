#include "platform/colour_dialog.h"

#include <QColorDialog>

#include "platform/scripted_responder.h"

namespace platform {

std::optional<std::uint32_t> ChooseColour(std::uint32_t initial, QWidget* owner) {
    if (ScriptedResponder* responder = ScriptedResponder::Current()) {
        return responder->TakeColour(initial);
    }
    const QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                       static_cast<int>((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, owner);
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) |
           (static_cast<std::uint32_t>(chosen.green()) << 8) |
           (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

}  // namespace platform
