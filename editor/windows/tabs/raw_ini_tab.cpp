#include "editor/windows/tabs/raw_ini_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/binding/settings_walks.h"
#include "editor/store/program_state.h"
#include "editor/store/text_compare.h"
#include "editor/widgets/editable_combo.h"
#include "editor/widgets/highlight_all.h"
#include "editor/widgets/rich_text_box.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/raw_ini_headers.h"
#include "platform/base/ansi.h"
#include "platform/base/files.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"

namespace kestrane {
namespace {

constexpr const char* kTabCaptions[] = {"User.INI", "UT2004.INI"};
constexpr const char* kSaveAsFilters[] = {"INI files (*.ini)|User.ini|All files (*.*)|*.*",
                                          "INI files (*.ini)|UT2004.ini|All files (*.*)|*.*"};

ControlRef BoxRef(int index) {
    return {"RTB_User", index};
}

RichTextBox& Box(INI& window, int index) {
    return *window.Controls().Get<RichTextBox>(BoxRef(index));
}

// The box when its page is built; before that nothing can have been typed in it.
RichTextBox* BuiltBox(INI& window, int index) {
    return window.Controls().BuiltAs<RichTextBox>(BoxRef(index));
}

QString Q(std::string_view text) {
    return platform::FromAnsi(text);
}

// "the User.INI tab", "the User.INI and UT2004.INI tabs"
std::string TabsNamed(const std::vector<int>& indexes) {
    std::string text = "the ";
    for (size_t k = 0; k < indexes.size(); ++k) {
        if (k > 0) text += " and ";
        text += kTabCaptions[indexes[k]];
    }
    return text + (indexes.size() == 1 ? " tab" : " tabs");
}

bool AskYesNo(INI& window, const std::string& text) {
    return platform::ShowMessage(text, platform::MsgButtons::YesNo, {}, &window) ==
           platform::MsgAnswer::Yes;
}

std::string IniFilePath(int index) {
    return State().iniFolder + RawFileName(index);
}

// The file the box was filled from has changed since (a save that did not end, another
// program): writing the box would put older text over it. The player may reload the box.
bool FileChangedBeneath(INI& window, int index) {
    RichTextBox& box = Box(window, index);
    const std::string path = IniFilePath(index);
    std::string now;
    if (!platform::ReadBytes(path, now) || now == box.LoadedText()) return false;
    const std::string tab = TabsNamed({index});
    if (AskYesNo(window, path + " has changed since " + tab +
                             " was filled from it: saving the tab would write older text over "
                             "it, so nothing was saved.\r\n\r\nReload " +
                             tab +
                             " from the file? (Yes drops the typed text; No keeps typing.)")) {
        box.SetText(now);
    }
    return true;
}

// Writes the box's text to each of `paths` in turn, then reloads every tab from the INI folder.
// A failed write is reported and ends the save; what was written before it stays written.
void SaveRawTo(INI& window, int index, const std::vector<std::string>& paths) {
    if (EqualsNoCase(paths.front(), IniFilePath(index)) && FileChangedBeneath(window, index)) {
        return;
    }
    if (!ConfirmReload(window, std::string("Save ") + RawFileName(index) + " anyway?", index)) {
        return;
    }
    const std::string bytes = RawSaveBytes(Box(window, index).Text());
    std::optional<FileError> failed;
    size_t written = 0;
    for (const std::string& path : paths) {
        std::string reason;
        if (!platform::WriteBytesAtomic(path, bytes, &reason)) {
            failed = FileError{path, reason};
            break;
        }
        ++written;
    }
    if (written > 0) {
        if (auto error = window.ReloadTabs()) {
            platform::ShowMessage(error->Message("read"), platform::MsgButtons::Ok, {}, &window);
        }
    }
    if (failed) {
        platform::ShowMessage(failed->Message("save"), platform::MsgButtons::Ok, {}, &window);
    }
}

}  // namespace

std::string RawSaveBytes(std::string text) {
    if (text.empty() || (text.back() != '\n' && text.back() != '\r')) text += "\r\n";
    return text;
}

std::optional<size_t> FindHeader(std::string_view text, std::string_view header) {
    const size_t at = InStrText(text, header);
    if (at == 0) return std::nullopt;
    return at - 1;
}

const char* RawFileName(int index) {
    return index == 0 ? "User.ini" : "UT2004.ini";
}

void BuildRawIniTab(INI& window, QWidget* page, int index) {
    const QString n = QString::number(index);
    auto* layout = new QVBoxLayout(page);
    auto* bar = new QHBoxLayout();
    layout->addLayout(bar);

    auto* save = new QPushButton("Save", page);
    save->setObjectName("cb_SaveUser" + n);
    auto* saveAs = new QPushButton("Save As", page);
    saveAs->setObjectName("cb_SaveUserText" + n);
    auto* search = new QLineEdit(page);
    search->setObjectName("tbxSearch" + n);
    auto* searchButton = new QPushButton("SEARCH", page);
    searchButton->setObjectName("cbSearch" + n);
    auto* headers = new QComboBox(page);
    headers->setObjectName("cbx_Search_UserINI" + n);
    MakeEditable(headers);
    headers->setInsertPolicy(QComboBox::NoInsert);
    headers->setMinimumContentsLength(40);
    if (index == 0) {
        for (std::string_view h : kUserIniHeaders) headers->addItem(Q(h));
    } else {
        for (std::string_view h : kUt2004IniHeaders) headers->addItem(Q(h));
    }
    headers->setCurrentIndex(-1);
    bar->addWidget(save);
    bar->addWidget(saveAs);
    bar->addSpacing(24);
    bar->addWidget(search, 1);
    bar->addWidget(searchButton);
    bar->addSpacing(24);
    bar->addWidget(headers, 1);

    auto* box = new RichTextBox(page);
    box->setObjectName("RTB_User" + n);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font("Verdana", 10);
    font.setBold(true);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 255));
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    box->setPalette(palette);
    layout->addWidget(box, 1);

    ControlRegistry& controls = window.Controls();
    controls.Add("RTB_User", index, box);
    controls.Add("cb_SaveUser", index, save);
    controls.Add("cb_SaveUserText", index, saveAs);
    controls.Add("tbxSearch", index, search);
    controls.Add("cbSearch", index, searchButton);
    controls.Add("cbx_Search_UserINI", index, headers);

    INI* w = &window;
    QObject::connect(save, &QPushButton::clicked, page,
                     [w, index] { cb_SaveUser_Click(*w, index); });
    QObject::connect(saveAs, &QPushButton::clicked, page,
                     [w, index] { cb_SaveUserText_Click(*w, index); });
    QObject::connect(searchButton, &QPushButton::clicked, page,
                     [w, index] { cbSearch_Click(*w, index); });
    // Enter in the search box searches as the button does.
    QObject::connect(search, &QLineEdit::returnPressed, page,
                     [w, index] { cbSearch_Click(*w, index); });
    QObject::connect(headers, &QComboBox::activated, page,
                     [w, index] { cbx_Search_UserINI_Click(*w, index); });
}

void cb_SaveUser_Click(INI& window, int index) {
    std::vector<std::string> paths{IniFilePath(index)};
    // With a profile active the game's own file takes the text too, as File > Save gives it
    // both: the next start copies the game's files over the profile's.
    const ProgramState& state = State();
    if (state.profileActive && !EqualsNoCase(state.iniFolder, state.gameSystemFolder)) {
        paths.push_back(state.gameSystemFolder + RawFileName(index));
    }
    SaveRawTo(window, index, paths);
}

// Any file name, a new one too; a file that exists is replaced only when the player says so.
void cb_SaveUserText_Click(INI& window, int index) {
    const std::string path =
        platform::ShowSaveDialog(kSaveAsFilters[index], "ini", State().iniFolder, 0, nullptr);
    if (path.empty()) return;
    if (platform::FileExists(path) &&
        !AskYesNo(window, path + " exists already.\r\n\r\nReplace it?")) {
        return;
    }
    SaveRawTo(window, index, {path});
}

void cbSearch_Click(INI& window, int index) {
    auto* search = window.Controls().Get<QLineEdit>({"tbxSearch", index});
    const std::string word = platform::ToAnsi(search->text());
    if (word.empty()) return;
    RichTextBox& box = Box(window, index);
    box.ClearMarks();
    std::int32_t start = 1;
    // A character the file's 8-bit text cannot hold occurs nowhere in it (its "?" is another).
    if (!platform::FitsAnsi(search->text()) || HighlightAll(box, word, start) == 0) {
        search->clear();
        platform::ShowMessage("String not found.", platform::MsgButtons::Ok, {}, &window);
    }
}

void cbx_Search_UserINI_Click(INI& window, int index) {
    auto* list = window.Controls().Get<QComboBox>({"cbx_Search_UserINI", index});
    const std::string header = platform::ToAnsi(list->currentText());
    if (header.empty()) return;
    RichTextBox& box = Box(window, index);
    const auto at =
        platform::FitsAnsi(list->currentText()) ? FindHeader(box.Text(), header) : std::nullopt;
    if (!at) {
        list->setCurrentIndex(-1);
        list->setEditText({});
        platform::ShowMessage("String not found.", platform::MsgButtons::Ok, {}, &window);
        return;
    }
    box.SelectText(static_cast<int>(*at), static_cast<int>(header.size()));
}

std::vector<int> EditedRawBoxes(INI& window) {
    std::vector<int> edited;
    for (int index : {0, 1}) {
        if (RichTextBox* box = BuiltBox(window, index); box && box->Edited()) {
            edited.push_back(index);
        }
    }
    return edited;
}

bool ConfirmReload(INI& window, const std::string& question, int savedRaw) {
    std::vector<int> raw = EditedRawBoxes(window);
    std::erase(raw, savedRaw);
    std::vector<std::string> lost;
    if (!raw.empty()) lost.push_back("the text typed on " + TabsNamed(raw));
    if (window.HasUnsavedTabEdits()) lost.push_back("the changes on the setting tabs");
    if (lost.empty()) return true;
    std::string text = "Every tab reloads from the game files, and what is not yet saved is lost: ";
    for (size_t k = 0; k < lost.size(); ++k) text += (k > 0 ? " and " : "") + lost[k];
    return AskYesNo(window, text + ".\r\n\r\n" + question);
}

bool ConfirmRawTextLost(INI& window, const std::string& question) {
    const std::vector<int> raw = EditedRawBoxes(window);
    if (raw.empty()) return true;
    return AskYesNo(window, "The text typed on " + TabsNamed(raw) +
                                " has not been saved and will be lost.\r\n\r\n" + question);
}

bool ConfirmRawTextGoesStale(INI& window, const IniTexts& texts) {
    std::vector<int> stale;
    std::string files;
    for (int index : EditedRawBoxes(window)) {
        if (Box(window, index).LoadedText() == (index == 0 ? texts.user : texts.ut2004)) continue;
        files += (stale.empty() ? "" : " and ") + std::string(RawFileName(index));
        stale.push_back(index);
    }
    if (stale.empty()) return true;
    const std::string tabs = TabsNamed(stale);
    if (!AskYesNo(window, "The text typed on " + tabs +
                              " has not been saved, and this save "
                              "changes " +
                              files +
                              " beneath it.\r\n\r\n"
                              "Yes: save, and show the file as saved (the typed text is "
                              "dropped).\r\nNo: keep typing; nothing is saved (the Save "
                              "button on that tab writes the typed text).")) {
        return false;
    }
    for (int index : stale) Box(window, index).SetText(Box(window, index).LoadedText());
    return true;
}

void ShowFilesInRawBoxes(INI& window) {
    for (int index : {0, 1}) {
        const std::string& file = index == 0 ? State().user.Text() : State().ut2004.Text();
        if (RichTextBox* box = BuiltBox(window, index)) {
            if (!box->Edited() && box->LoadedText() != file) box->SetText(file);
        } else {
            // A page not yet built keeps the file for when it is.
            FillingTabs filling(State());
            window.Controls().SetText(BoxRef(index), file);
        }
    }
}

}  // namespace kestrane
