#include "editor/windows/main_window.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "editor/store/bind_boxes.h"
#include "editor/store/ini_files.h"
#include "editor/store/program_state.h"
#include "editor/windows/main_menu.h"
#include "editor/windows/main_tabs.h"
#include "editor/windows/raw_ini_tab.h"
#include "editor/windows/rich_text_box.h"
#include "editor/windows/save_rule.h"
#include "editor/windows/secondary_windows.h"
#include "editor/windows/startup.h"
#include "editor/windows/tab_contents.h"
#include "platform/base/ansi.h"
#include "platform/base/paths.h"
#include "platform/base/process.h"
#include "platform/message_box.h"
#include "platform/music_player.h"

namespace kestrane {
namespace {

INI* g_main = nullptr;

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

INI::INI(QWidget* parent) : QMainWindow(parent), music_(std::make_unique<platform::MusicPlayer>()) {
    setObjectName("INI");
    setWindowTitle(kProgramTitle);
    BuildMenus();
    BuildTabs();
    // Wide enough for every tab caption on one row, centred like the splash before it.
    const QSize least = minimumSizeHint();
    resize(std::max({1120, tabs_->tabBar()->sizeHint().width() + 8, least.width()}),
           std::max(760, least.height()));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

INI::~INI() {
    if (g_main == this) g_main = nullptr;
}

BindingContext INI::Binding() {
    return BindingContext{State(), controls_, binds_.get()};
}

QWidget* INI::Tab(std::string_view id) const {
    for (size_t i = 0; i < kMainTabs.size(); ++i) {
        if (kMainTabs[i].id == id) return tabs_->widget(static_cast<int>(i));
    }
    return nullptr;
}

QAction* INI::MenuItem(std::string_view control) const {
    return findChild<QAction*>(Q(control));
}

void INI::SetBindBoxes(std::unique_ptr<BindBoxes> binds) {
    binds_ = std::move(binds);
}

void INI::BuildMenus() {
    QMenu* menu = nullptr;
    std::string_view current;
    for (const MenuItemRow& item : kMainMenu) {
        if (item.menu != current) {
            menu = menuBar()->addMenu(Q(item.menuCaption));
            menu->setObjectName(Q(item.menu));
            current = item.menu;
        }
        if (item.control.empty()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(Q(item.caption));
        action->setObjectName(Q(item.control));
        if (!item.shortcut.empty()) action->setShortcut(QKeySequence(Q(item.shortcut)));
        const auto handler = item.handler;
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }
}

void INI::BuildTabs() {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTab1");
    for (const TabRow& tab : kMainTabs) {
        auto* page = new QWidget(tabs_);
        page->setObjectName(Q(tab.id));
        tabs_->addTab(page, Q(tab.caption));
    }
    setCentralWidget(tabs_);
    BuildRawTabs();
    BuildTabContents(*this);
}

void INI::BuildRawTabs() {
    BuildRawIniTab(*this, Tab("user_ini"), 0);
    BuildRawIniTab(*this, Tab("ut2004_ini"), 1);
}

bool INI::Form_Load() {
    const bool loaded = MainFormLoad(*this);
    NoteTabsAsLoaded();
    return loaded;
}

void INI::NoteTabsAsLoaded() {
    tabsAsLoaded_ = TakeSnapshot(controls_);
}

bool INI::HasUnsavedTabEdits() const {
    return kestrane::HasUnsavedTabEdits(controls_, tabsAsLoaded_);
}

void INI::Form_Unload() {
    music_->SetCommand("Stop");
    music_->SetCommand("Close");
}

void INI::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    Form_Unload();
    hide();
    // The editor ends once its last window is gone.
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

void INI::closeEvent(QCloseEvent* event) {
    if (!unloaded_ && !ConfirmLeave(*this)) {
        event->ignore();
        return;
    }
    event->accept();
    Unload();
}

void INI::frmFileSave_Click() {
    if (!ConfirmFileSave(*this)) return;
    if (SaveCurrentSettings(*this)) NoteTabsAsLoaded();
}

void INI::mnuFileExit_Click() {
    if (ConfirmLeave(*this)) Unload();
}

void INI::LeaveFor(const std::string& question, const std::string& program) {
    if (!ConfirmLeave(*this)) return;
    const auto answer = platform::ShowMessage(question + "\r\n\r\nDo You Want To Save?",
                                              platform::MsgButtons::YesNoCancel, {}, this);
    if (answer == platform::MsgAnswer::Cancel) return;
    // A save that fails keeps the editor open with its edits.
    if (answer == platform::MsgAnswer::Yes && !SaveCurrentSettings(*this)) return;
    Unload();
    std::string error;
    if (!platform::StartProgram(program, {}, &error)) {
        platform::ShowMessage("Could not start " + program + ": " + error);
    }
}

void INI::mnuPlayUT2k4_Click() {
    LeaveFor("Closing Kestrane INI....", State().gameExePath);
}

void INI::mnuPatchwell_Kestrane_Click() {
    LeaveFor("In Order to Update, Kestrane INI Must First Shut Down!",
             platform::ProgramFolder() + "\\Patchwell.exe");
}

void INI::mnuMusicOnOff_Click() {
    ProgramState& s = State();
    if (s.musicOn) {
        music_->SetCommand("Stop");
        SetKestraneValue(s.kestrane, "Music", "OFF");
        s.musicOn = false;
    } else {
        music_->SetCommand("Play");
        SetKestraneValue(s.kestrane, "Music", "ON");
        s.musicOn = true;
    }
    FileError error;
    if (!SaveKestraneINI(platform::ProgramFolder(), s.kestrane, &error)) {
        platform::ShowMessage(error.Message("save"), platform::MsgButtons::Ok, {}, this);
    }
}

void INI::mnuAbout_Click() {
    OpenOnce(about_, this, "frmAbout", "About Kestrane INI");
}
void INI::mnuCacheEdit_Click() {
    OpenOnce(cache_, this, "frmCache_Edit", "Cache Manager");
}
void INI::mnuInstantActionSettings_Click() {
    OpenOnce(instantAction_, this, "frmInstantAction", "Instant Action");
}
void INI::btnColorName_Click() {
    OpenOnce(colorName_, this, "frmColorName", "Name Colorizer");
}

// The profile commands come with the profile windows.
void INI::mnuLoadProfile_Click() {}
void INI::mnuNewProfile_Click() {}
void INI::mnuSaveNewProfile_Click() {}
void INI::mnuDeleteProfile_Click() {}

INI& MainWindow() {
    if (!g_main) g_main = new INI();
    return *g_main;
}

bool MainWindowExists() {
    return g_main != nullptr;
}

void DestroyMainWindow() {
    delete g_main;
    g_main = nullptr;
}

}  // namespace kestrane
