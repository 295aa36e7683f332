#include "editor/windows/raw_ini_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/binding/settings_walks.h"
#include "editor/store/program_state.h"
#include "editor/store/text_compare.h"
#include "editor/windows/editable_combo.h"
#include "editor/windows/highlight_all.h"
#include "editor/windows/main_window.h"
#include "editor/windows/raw_ini_headers.h"
#include "editor/windows/rich_text_box.h"
#include "platform/base/ansi.h"
#include "platform/base/files.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"

namespace kestrane {
namespace {

constexpr const char* kTabCaptions[] = {"User.INI", "UT2004.INI"};
constexpr const char* kSaveAsFilters[] = {"INI files (*.ini)|User.ini|All files (*.*)|*.*",
                                          "INI files (*.ini)|UT2004.ini|All files (*.*)|*.*"};

RichTextBox& Box(INI& window, int index) {
    return *window.Controls().Get<RichTextBox>({"RTB_User", index});
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

// Writes the box's text to `path`, then reloads every tab from the INI folder.
void SaveRawTo(INI& window, int index, const std::string& path) {
    if (!ConfirmReload(window, std::string("Save ") + RawFileName(index) + " anyway?", index)) {
        return;
    }
    std::string reason;
    if (!platform::WriteBytesAtomic(path, RawSaveBytes(Box(window, index).Text()), &reason)) {
        platform::ShowMessage(FileError{path, reason}.Message("save"), platform::MsgButtons::Ok, {},
                              &window);
        return;
    }
    if (auto error = window.ReloadTabs()) {
        platform::ShowMessage(error->Message("read"), platform::MsgButtons::Ok, {}, &window);
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
    SaveRawTo(window, index, State().iniFolder + RawFileName(index));
}

void cb_SaveUserText_Click(INI& window, int index) {
    const std::string path = platform::ShowSaveDialog(
        kSaveAsFilters[index], "ini", State().iniFolder, platform::kOfnFileMustExist, nullptr);
    if (path.empty()) return;
    SaveRawTo(window, index, path);
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
        if (Box(window, index).Edited()) edited.push_back(index);
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

bool ConfirmFileSave(INI& window) {
    const std::vector<int> raw = EditedRawBoxes(window);
    if (raw.empty()) return true;
    return AskYesNo(window, "File > Save does not write the text typed on " + TabsNamed(raw) +
                                ": only the Save button on that tab does.\r\n\r\n"
                                "Save the setting tabs anyway?");
}

bool ConfirmLeave(INI& window) {
    const std::vector<int> raw = EditedRawBoxes(window);
    if (raw.empty()) return true;
    return AskYesNo(window, "The text typed on " + TabsNamed(raw) +
                                " has not been saved and will be lost.\r\n\r\n"
                                "Close Kestrane INI anyway?");
}

}  // namespace kestrane
