// The platform's message box: OK only, or a question. Texts are 8-bit program text.
#pragma once

#include <optional>
#include <string>

#include "platform/scripted_responder.h"

class QWidget;

namespace platform {

// The program's title, shown as the caption of its message boxes.
void SetProgramTitle(const std::string& title);

// The default button (the one Enter presses) is the first, unless `defaultAnswer` names
// another of the box's buttons.
MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                      const std::string& title = {}, QWidget* owner = nullptr,
                      MsgIcon icon = MsgIcon::None,
                      std::optional<MsgAnswer> defaultAnswer = std::nullopt);

}  // namespace platform
