// The main window `INI`: the tab control with every setting tab, the menu bar, the menu music
// player, and the handlers of the menus. Behaviour lives in the binding walks and the save
// rule; this class wires controls to them.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "editor/binding/binding_row.h"
#include "editor/store/ini_files.h"
#include "editor/windows/main/control_registry.h"
#include "editor/windows/tabs/main_tabs.h"

class QTabWidget;
class QAction;

namespace platform {
class MusicPlayer;
}

namespace kestrane {

class BindBoxArray;

class INI : public QMainWindow {
    Q_OBJECT

  public:
    // The first size on a screen with room for it: every page at its least size and every
    // tab caption on one row fit in it (a test holds it to that). A smaller screen gets a
    // smaller window, whose pages scroll.
    static constexpr QSize kStartSize{1360, 760};
    // The least size the window can be made.
    static constexpr QSize kLeastSize{800, 500};

    explicit INI(QWidget* parent = nullptr);
    ~INI() override;

    ControlRegistry& Controls() { return controls_; }
    BindingContext Binding();
    QTabWidget* SSTab1() const { return tabs_; }
    // The page of a tab (inside its scroll area), built first when it is not yet; brings a tab
    // to the front.
    QWidget* Tab(std::string_view id);
    void ShowTab(std::string_view id);
    QWidget* CurrentPage() const;
    // Each page is built when it is first shown (the first at once); until then the controls
    // keep what the walks give them (see ControlRegistry).
    bool PageBuilt(std::string_view id) const;
    void BuildEveryPage();
    QAction* MenuItem(std::string_view control) const;
    platform::MusicPlayer& mmcMP3() { return *music_; }
    // The tbx_Bind array: its boxes come with the pages that hold them.
    BindBoxArray& Binds() { return *binds_; }

    // The load step of start-up; false when the game or its files cannot be found (the
    // message has been shown and nothing was written).
    bool Form_Load();
    // Whether the load step ran to its end: before that the window has nothing to show.
    bool Loaded() const { return loaded_; }
    // Stops the music; nothing is asked and nothing is saved.
    void Form_Unload();
    bool Unloaded() const { return unloaded_; }
    // After a save whose files in the INI folder now hold `written`: the record takes them
    // and what the tabs show, and the raw boxes without typed text show the files.
    void RecordSaved(const IniTexts& written);
    // The record says a setting tab shows an edit its file does not hold.
    bool HasUnsavedTabEdits();
    // Load_INI_Form on this window (it records what the files hold and the tabs show).
    std::optional<FileError> ReloadTabs();

    // Menu handlers.
    void frmFileSave_Click();
    void mnuFileExit_Click();
    void mnuPlayUT2k4_Click();
    void mnuPatchwell_Kestrane_Click();
    void mnuMusicOnOff_Click();
    void mnuAbout_Click();
    void mnuCacheEdit_Click();
    void mnuInstantActionSettings_Click();
    void btnColorName_Click();
    void mnuLoadProfile_Click();
    void mnuNewProfile_Click();
    void mnuSaveNewProfile_Click();
    void mnuDeleteProfile_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildTabs();
    void BuildPage(int index);
    void BuildPageOf(ControlRef control);
    // Unloads the window and starts `program`; a start that fails brings the window back and
    // is reported by path.
    void LeaveFor(const std::string& question, const std::string& program);
    void Unload();
    void UnloadWindow();  // music stopped, window hidden; the editor still runs
    void Quit();
    void ComeBack();  // undoes UnloadWindow

    ControlRegistry controls_;
    std::unique_ptr<BindBoxArray> binds_;
    std::unique_ptr<platform::MusicPlayer> music_;
    QTabWidget* tabs_ = nullptr;
    std::array<bool, kMainTabs.size()> built_{};
    bool loaded_ = false;
    bool unloaded_ = false;

    QPointer<QWidget> about_;
    QPointer<QWidget> cache_;
    QPointer<QWidget> instantAction_;
    QPointer<QWidget> colorName_;
};

// The one main window, created on first use.
INI& MainWindow();
bool MainWindowExists();
// Tests start each case without one.
void DestroyMainWindow();

}  // namespace kestrane
