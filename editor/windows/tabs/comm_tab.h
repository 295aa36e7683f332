// The "&Communication / Hud" page's own frames: voice and console switches, the HUD and game
// options, the custom beacon switch, the message and network fields, and the alias editors.
#pragma once

#include <QObject>

class QGridLayout;

namespace kestrane {

class INI;
class RichTextBox;

class CommTab : public QObject {
    Q_OBJECT

  public:
    explicit CommTab(INI& window);

    void cb_Aliases_Click();
    void cb_TxTAlias_Add_Click();

  private:
    void BuildSwitches();
    void BuildNumberFields();
    void BuildAliasEditors();

    INI& window_;
    RichTextBox* aliases_ = nullptr;
    RichTextBox* speechAliases_ = nullptr;
};

// Makes tbx_Comm(index) with its b_Add / b_Sub buttons, wired to the index's rule, in a line
// of the grid beside its caption label; the weapon frames place 12 to 27 the same way.
void AddCommField(INI& window, int index, QGridLayout* grid, int row, int column = 0);

}  // namespace kestrane
