// The Instant Action window frmInstantAction: game type, map, mutator, bots and the options of
// each game type, the argument string built from them, and Play. Behaviour lives in the
// instant_action core; this class wires the controls to it.
#pragma once

#include <QDialog>
#include <array>
#include <set>
#include <string>

#include "editor/instant_action/action_settings.h"
#include "editor/instant_action/command_line.h"
#include "editor/instant_action/game_types.h"
#include "editor/instant_action/option_rules.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kestrane {

class ElidedLabel;
class INI;
class RichTextBox;

class frmInstantAction : public QDialog, private OptionBoxes {
    Q_OBJECT

  public:
    // Runs the opening steps and shows itself, modeless, owned by the main window.
    explicit frmInstantAction(INI& owner);

    void LoadMaplist(const std::string& gameType);
    void CmdLineArgs();
    void LoadActionSettings();
    // What Play hands to the store: the option controls as they stand.
    OptionValues CurrentOptions() const;

    void cbx_GameType_Click();
    void cbx_BotDiff_Click();
    void ListBox_Maps_Click();
    void ListBox_Mutators_Click();
    void Command1_Click();
    void b_AssAdd_Click(int index);
    void b_AssSub_Click(int index);
    void Step(int index, double delta);
    void tbx_Ass_Change(int index);
    void FinishTyping(int index);
    void Play_Click();
    void Command3_Click();

    QComboBox* cbx_GameType() const { return gameType_; }
    QComboBox* cbx_BotDiff() const { return botDiff_; }
    QListWidget* ListBox_Maps() const { return maps_; }
    QListWidget* ListBox_Mutators() const { return mutators_; }
    QGroupBox* Frame(int index) const { return frames_[static_cast<size_t>(index)]; }
    QCheckBox* cbxAss(int index) const { return checks_[static_cast<size_t>(index)]; }
    QLineEdit* tbx_Ass(int index) const { return boxes_[static_cast<size_t>(index)]; }
    QPushButton* b_AssAdd(int index) const { return adds_[static_cast<size_t>(index)]; }
    QPushButton* b_AssSub(int index) const { return subs_[static_cast<size_t>(index)]; }
    ElidedLabel* lblGameType() const { return lblGameType_; }
    ElidedLabel* lblMap() const { return lblMap_; }
    ElidedLabel* lblMutator() const { return lblMutator_; }
    ElidedLabel* lbl_MutDesc() const { return mutDesc_; }
    RichTextBox* rtb_CmdArgs() const { return cmdArgs_; }
    QPushButton* Play() const { return play_; }
    QPushButton* Command3() const { return cancel_; }

  private:
    void Build();
    QWidget* BuildOptionFrame(int frame);
    QWidget* NumberRow(int index, QWidget* parent);
    void Form_Load();
    void ReadMutators();
    InstantChoices Choices() const;

    // OptionBoxes: the tbx_Ass array.
    std::string Text(int box) const override;
    void SetText(int box, const std::string& text) override;
    void BotsChanged() override { CmdLineArgs(); }

    INI& owner_;
    QComboBox* gameType_ = nullptr;
    QComboBox* botDiff_ = nullptr;
    QListWidget* maps_ = nullptr;
    QListWidget* mutators_ = nullptr;
    std::array<QGroupBox*, kOptionFrames> frames_{};
    std::array<QCheckBox*, kOptionCheckBoxes> checks_{};
    std::array<QLineEdit*, kOptionNumberBoxes> boxes_{};
    std::array<QPushButton*, kOptionNumberBoxes> adds_{};
    std::array<QPushButton*, kOptionNumberBoxes> subs_{};
    ElidedLabel* lblGameType_ = nullptr;
    ElidedLabel* lblMap_ = nullptr;
    ElidedLabel* lblMutator_ = nullptr;
    ElidedLabel* mutDesc_ = nullptr;
    RichTextBox* cmdArgs_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* cancel_ = nullptr;

    OptionValues loaded_;                   // what LoadActionSettings left in the option controls
    std::set<std::string> mapsBeyondAnsi_;  // listed maps whose file name 8-bit text cannot hold
    bool listing_ = false;  // the lists are being rebuilt: their selection changes are no clicks
    bool filling_ = false;  // the option boxes are taking the file's values
};

}  // namespace kestrane
