// Answers for message boxes and file and folder dialogs, given in advance by a test. While one
// is installed no dialog is shown: each question takes the next answer of its kind (or the
// safe default when none is left) and is recorded.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };
enum class MsgIcon { None, Critical, Question };

struct ShownMessage {
    std::string text;
    std::string title;
    MsgButtons buttons;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer defaultAnswer = MsgAnswer::Ok;  // the button Enter presses
};

// A file or folder dialog as the program asked for it.
struct AskedDialog {
    std::string caption;  // "Open", "Save As", or the folder browser's title
    std::string filter;   // as given: "Desc|pattern|..."
    std::string defaultExtension;
    std::string initialFolder;  // Windows path
    int32_t flags = 0;
};

class ScriptedResponder {
  public:
    ScriptedResponder();   // installs itself
    ~ScriptedResponder();  // and uninstalls
    ScriptedResponder(const ScriptedResponder&) = delete;
    ScriptedResponder& operator=(const ScriptedResponder&) = delete;

    static ScriptedResponder* Current();

    void AnswerMessage(MsgAnswer answer) { messageAnswers_.push_back(answer); }
    // The next message is answered by Enter: its default button.
    void PressEnterOnMessage() { messageAnswers_.push_back(std::nullopt); }
    // A Windows path, or empty text for a cancelled dialog.
    void AnswerFileDialog(const std::string& path) { fileAnswers_.push_back(path); }
    void AnswerFolderDialog(const std::string& path) { folderAnswers_.push_back(path); }
    // A colour (red + 256 * green + 65536 * blue), or nullopt for a cancelled colour dialog.
    void AnswerColourDialog(std::optional<uint32_t> colour) { colourAnswers_.push_back(colour); }

    const std::vector<ShownMessage>& Messages() const { return messages_; }
    // Titles or captions of the file and folder dialogs asked, in order.
    const std::vector<std::string>& Dialogs() const { return dialogs_; }
    // The same dialogs with everything they were given.
    const std::vector<AskedDialog>& AskedDialogs() const { return asked_; }
    // The colour each colour dialog opened on.
    const std::vector<uint32_t>& AskedColours() const { return coloursAsked_; }

    // Used by the platform layer.
    MsgAnswer TakeMessage(const ShownMessage& shown);
    std::string TakeFile(const AskedDialog& asked);
    std::string TakeFolder(const AskedDialog& asked);
    std::optional<uint32_t> TakeColour(uint32_t initial);

  private:
    std::deque<std::optional<MsgAnswer>> messageAnswers_;  // nullopt: Enter
    std::deque<std::string> fileAnswers_;
    std::deque<std::string> folderAnswers_;
    std::deque<std::optional<uint32_t>> colourAnswers_;
    std::vector<uint32_t> coloursAsked_;
    std::vector<ShownMessage> messages_;
    std::vector<std::string> dialogs_;
    std::vector<AskedDialog> asked_;
    ScriptedResponder* previous_;
};

}  // namespace platform
