#include "platform/scripted_responder.h"

namespace platform {
namespace {

ScriptedResponder* g_current = nullptr;

}  // namespace

ScriptedResponder::ScriptedResponder() : previous_(g_current) {
    g_current = this;
}
ScriptedResponder::~ScriptedResponder() {
    g_current = previous_;
}
ScriptedResponder* ScriptedResponder::Current() {
    return g_current;
}

MsgAnswer ScriptedResponder::TakeMessage(const ShownMessage& shown) {
    messages_.push_back(shown);
    if (messageAnswers_.empty()) {
        return shown.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
    const std::optional<MsgAnswer> answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer.value_or(shown.defaultAnswer);
}

std::string ScriptedResponder::TakeFile(const AskedDialog& asked) {
    dialogs_.push_back(asked.caption);
    asked_.push_back(asked);
    if (fileAnswers_.empty()) return {};
    std::string answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

std::string ScriptedResponder::TakeFolder(const AskedDialog& asked) {
    dialogs_.push_back(asked.caption);
    asked_.push_back(asked);
    if (folderAnswers_.empty()) return {};
    std::string answer = folderAnswers_.front();
    folderAnswers_.pop_front();
    return answer;
}

std::optional<uint32_t> ScriptedResponder::TakeColour(uint32_t initial) {
    coloursAsked_.push_back(initial);
    if (colourAnswers_.empty()) return std::nullopt;
    const std::optional<uint32_t> answer = colourAnswers_.front();
    colourAnswers_.pop_front();
    return answer;
}

}  // namespace platform
