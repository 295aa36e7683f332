// The two raw editors, "User.INI" (index 0) and "UT2004.INI" (index 1): the file's whole text
// in a box with its own Save and Save As, a search that marks every occurrence of a word, and
// a list of section headers to jump to. A raw save writes the box's text without the settings
// store and then reloads every tab from the game files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/store/ini_files.h"

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
// When typed raw text would be lost (leaving, loading a profile): asks `question` after
// naming it. True to go on.
bool ConfirmRawTextLost(INI& window, const std::string& question);
// Before a save giving the files `texts`: a raw box with typed text whose file the save
// changes asks first. Yes: the typed text is dropped and the save goes on (the box then shows
// the file as saved); No: keep typing, nothing is saved. True to go on.
bool ConfirmRawTextGoesStale(INI& window, const IniTexts& texts);
// After a save: each raw box without typed text shows its file as the store now holds it.
void ShowFilesInRawBoxes(INI& window);

}  // namespace kestrane
