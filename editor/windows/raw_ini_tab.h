// The two raw editors, "User.INI" (index 0) and "UT2004.INI" (index 1): the file's whole text
// in a box with its own Save and Save As, a search that marks every occurrence of a word, and
// a list of section headers to jump to. A raw save writes the box's text without the settings
// store and then reloads every tab from the game files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace kestrane {

class INI;

// The bytes a raw save writes: the text, ended by CR LF unless it already ends with a line
// end, so that saving again never adds a line.
std::string RawSaveBytes(std::string text);
// 0-based position of the first occurrence of `header` in `text`, ignoring case.
std::optional<size_t> FindHeader(std::string_view text, std::string_view header);
// "User.ini" or "UT2004.ini".
const char* RawFileName(int index);

// Makes the controls of raw tab `index` on `page` and registers them.
void BuildRawIniTab(INI& window, QWidget* page, int index);

// Handlers, with the element index.
void cb_SaveUser_Click(INI& window, int index);
void cb_SaveUserText_Click(INI& window, int index);
void cbSearch_Click(INI& window, int index);
void cbx_Search_UserINI_Click(INI& window, int index);

// Indexes of the raw boxes holding typed text not yet saved.
std::vector<int> EditedRawBoxes(INI& window);
// Before a reload of every tab (`savedRaw`: the raw box being saved, which loses nothing; -1
// for none): when typed raw text or edits on the setting tabs would be lost, asks `question`
// after naming them. True to go on.
bool ConfirmReload(INI& window, const std::string& question, int savedRaw = -1);
// Before File > Save, which never writes the raw boxes, and before leaving the editor: true to
// go on, when no raw box holds typed text or the player chose to go on.
bool ConfirmFileSave(INI& window);
bool ConfirmLeave(INI& window);

}  // namespace kestrane
