#include "editor/windows/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/binding/settings_walks.h"
#include "editor/binding/untouched.h"
#include "editor/store/bind_boxes.h"
#include "editor/store/ini_files.h"
#include "editor/store/program_state.h"
#include "editor/widgets/numeric_field.h"
#include "editor/widgets/screen_fit.h"
#include "editor/windows/main/bind_box_array.h"
#include "editor/windows/main/main_menu.h"
#include "editor/windows/main/save_rule.h"
#include "editor/windows/main/startup.h"
#include "editor/windows/main/unsaved_edits.h"
#include "editor/windows/tabs/key_binding_tabs.h"
#include "editor/windows/tabs/main_tabs.h"
#include "editor/windows/tabs/raw_ini_tab.h"
#include "editor/windows/tabs/tab_contents.h"
#include "editor/windows/tools/about_window.h"
#include "editor/windows/tools/cache_window.h"
#include "editor/windows/tools/color_name_window.h"
#include "editor/windows/tools/instant_action_window.h"
#include "editor/windows/tools/new_profile_dialog.h"
#include "editor/windows/tools/profiles.h"
#include "platform/base/ansi.h"
#include "platform/base/paths.h"
#include "platform/base/process.h"
#include "platform/base/program_folder_lock.h"
#include "platform/base/temp_folder_record.h"
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
    binds_ = MakeBindBoxes(*this);
    controls_.SetPageBuilder([this](ControlRef control) { BuildPageOf(control); });
    BuildMenus();
    BuildTabs();
    setMinimumSize(kLeastSize);
    // Centred like the splash before it, within the screen. A size fixed beforehand: measuring
    // every page here would lay out the whole window before it is ever shown.
    PlaceOnScreen(*this, kStartSize);
}

INI::~INI() {
    if (g_main == this) g_main = nullptr;
}

BindingContext INI::Binding() {
    return BindingContext{State(), controls_, binds_.get()};
}

namespace {

int TabIndex(std::string_view id) {
    for (size_t i = 0; i < kMainTabs.size(); ++i) {
        if (kMainTabs[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

QWidget* INI::Tab(std::string_view id) {
    const int i = TabIndex(id);
    if (i < 0) return nullptr;
    BuildPage(i);
    return static_cast<QScrollArea*>(tabs_->widget(i))->widget();
}

void INI::ShowTab(std::string_view id) {
    tabs_->setCurrentIndex(TabIndex(id));
}

QWidget* INI::CurrentPage() const {
    auto* scroll = static_cast<QScrollArea*>(tabs_->currentWidget());
    return scroll ? scroll->widget() : nullptr;
}

bool INI::PageBuilt(std::string_view id) const {
    const int i = TabIndex(id);
    return i >= 0 && built_[static_cast<size_t>(i)];
}

void INI::BuildEveryPage() {
    for (int i = 0; i < static_cast<int>(kMainTabs.size()); ++i) BuildPage(i);
}

void INI::BuildPage(int index) {
    if (index < 0 || built_[static_cast<size_t>(index)]) return;
    built_[static_cast<size_t>(index)] = true;
    QWidget* page = static_cast<QScrollArea*>(tabs_->widget(index))->widget();
    // Built out of sight, so that it comes on screen whole.
    const bool shown = page->isVisible();
    if (shown) page->hide();
    BuildPageContents(*this, kMainTabs[static_cast<size_t>(index)].id);
    controls_.TakeOverKept();
    if (shown) page->show();
}

// Pages in their order until one holds the control.
void INI::BuildPageOf(ControlRef control) {
    for (int i = 0; i < static_cast<int>(kMainTabs.size()) && !controls_.Built(control); ++i) {
        BuildPage(i);
    }
}

QAction* INI::MenuItem(std::string_view control) const {
    return findChild<QAction*>(Q(control));
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
        // A page scrolls in its tab while the window is smaller than the page, so nothing on
        // it is squeezed or cut; the page itself can be filled at any time.
        auto* scroll = new QScrollArea(tabs_);
        scroll->setObjectName(Q(tab.id) + "_scroll");
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto* page = new QWidget;
        page->setObjectName(Q(tab.id));
        scroll->setWidget(page);
        tabs_->addTab(scroll, Q(tab.caption));
    }
    setCentralWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, &INI::BuildPage);
    BuildPage(tabs_->currentIndex());
}

bool INI::Form_Load() {
    loaded_ = MainFormLoad(*this);
    return loaded_;
}

std::optional<FileError> INI::ReloadTabs() {
    BindingContext ctx = Binding();
    return Load_INI_Form(ctx);
}

void INI::RecordSaved(const IniTexts& written) {
    BindingContext ctx = Binding();
    kestrane::RecordSaved(ctx, written);
    ShowFilesInRawBoxes(*this);
}

bool INI::HasUnsavedTabEdits() {
    FinishTypingInFocusedField();
    return HasUnsavedEdits(Binding());
}

void INI::Form_Unload() {
    music_->SetCommand("Stop");
    music_->SetCommand("Close");
}

void INI::Unload() {
    if (unloaded_) return;
    UnloadWindow();
    Quit();
}

void INI::UnloadWindow() {
    unloaded_ = true;
    Form_Unload();
    hide();
}

void INI::Quit() {
    // The editor ends once its last window is gone.
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

void INI::ComeBack() {
    unloaded_ = false;
    music_->SetCommand("Open");
    if (State().musicOn) music_->SetCommand("Play");
    show();
}

void INI::closeEvent(QCloseEvent* event) {
    if (!unloaded_ && !ConfirmClose(*this)) {
        event->ignore();
        return;
    }
    event->accept();
    Unload();
}

void INI::frmFileSave_Click() {
    SaveCurrentSettings(*this);
}

void INI::mnuFileExit_Click() {
    if (ConfirmClose(*this)) Unload();
}

void INI::LeaveFor(const std::string& question, const std::string& program) {
    // The question below is this way out's own: here only typed raw text is asked about.
    if (!ConfirmRawTextLost(*this, "Close Kestrane INI anyway?")) return;
    const auto answer = platform::ShowMessage(question + "\r\n\r\nDo You Want To Save?",
                                              platform::MsgButtons::YesNoCancel, {}, this,
                                              platform::MsgIcon::Question);
    if (answer == platform::MsgAnswer::Cancel) return;
    // A save that fails keeps the editor open with its edits.
    if (answer == platform::MsgAnswer::Yes &&
        !SaveCurrentSettings(*this, TypedRawText::AlreadyAsked)) {
        return;
    }
    UnloadWindow();
    // The editor writes nothing more: the program it starts may clean up at its start.
    platform::HoldTempFolderRecord(false);
    platform::HoldProgramFolderLock(false);
    std::string error;
    if (platform::StartProgram(program, {}, &error)) {
        Quit();
        return;
    }
    const bool stillAlone = platform::HoldProgramFolderLock(true);
    platform::HoldTempFolderRecord(true);
    std::string shown = program;
    for (size_t at; (at = shown.find("\\\\")) != std::string::npos;) shown.erase(at, 1);
    if (!stillAlone) {
        // Its saves would put back what the other one's saves change.
        platform::ShowMessage("Could not start " + shown + ":\r\n" + error +
                                  "\r\n\r\nAnother Kestrane INI started from " +
                                  platform::ProgramFolder() +
                                  " meanwhile. This one ends without saving, so that it cannot "
                                  "undo that one's changes.",
                              platform::MsgButtons::Ok);
        Quit();
        return;
    }
    // Nothing started: the editor comes back as the player left it, edits and all, and the
    // message waits for an answer.
    ComeBack();
    platform::ShowMessage("Could not start " + shown + ":\r\n" + error, platform::MsgButtons::Ok,
                          {}, this);
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
    if (!about_) about_ = frmAbout::Open(*this);
}
void INI::mnuCacheEdit_Click() {
    if (!cache_) cache_ = frmCache_Edit::Open(*this);
}
void INI::mnuInstantActionSettings_Click() {
    if (!instantAction_) instantAction_ = new frmInstantAction(*this);
}
void INI::btnColorName_Click() {
    if (!colorName_) colorName_ = frmColorName::Open(*this);
}

void INI::mnuLoadProfile_Click() {
    LoadProfile(*this);
}
void INI::mnuNewProfile_Click() {
    OpenNewProfileDialog(*this);
}
void INI::mnuSaveNewProfile_Click() {
    State().newProfileFromCurrent = true;
    OpenNewProfileDialog(*this);
}
void INI::mnuDeleteProfile_Click() {
    DeleteProfile(*this);
}

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
