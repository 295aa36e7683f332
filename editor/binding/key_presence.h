// A row whose key its section lacks stores nothing on save; its control says so instead of
// taking an edit that is never kept.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "editor/binding/binding_row.h"

namespace kestrane {

// "Not in UT2004.ini: [Section] has no Key line, so this setting is not saved."
std::string MissingKeyTip(std::string_view key, std::string_view section,
                          IniFile file = IniFile::UT2004);

// A line of the section (every occurrence of its header; the whole file for an empty section)
// whose key is `key` apart from blanks and letter case ("Gamma = 0.5", "gamma=0.5"): the key
// is there, in a form the exact search of the save does not take.
std::optional<size_t> FindKeyInOtherForm(const IniStore& store, std::string_view key,
                                         std::string_view section);

// The tip of a control whose key the exact search does not find: what the file holds instead,
// or MissingKeyTip when it holds no such line at all.
std::string AbsentKeyTip(const IniStore& store, std::string_view key, std::string_view section,
                         IniFile file = IniFile::UT2004);

// The control available when `present`, else disabled with a tip naming the file, the section
// and the key.
void MarkKeyPresence(BindingContext& ctx, ControlRef control, bool present, std::string_view key,
                     std::string_view section, IniFile file = IniFile::UT2004);

// A row's control(s) by the save's own search of its key: every row the load walk fills.
// Returns whether the row's key is there.
bool MarkRowPresence(BindingContext& ctx, const BindingRow& row);

// Every row of `rows` by the save's own search of its key in its section.
void MarkRowsPresence(BindingContext& ctx, std::span<const BindingRow> rows);

}  // namespace kestrane
