// Controls the video, render device and audio pages share: the numeric fields tbx_video(i)
// (and tbx_MinRefRate) with their plus and minus buttons, check boxes of an array, and the
// editable combos of cbx_Video.
#pragma once

#include <span>
#include <string_view>

class QGridLayout;
class QGroupBox;
class QWidget;

namespace kestrane {

class INI;

// tbx_video(index), or tbx_MinRefRate for index 34, with b_VideoAdd / b_VideoSub, wired to the
// index's rule, beside its caption label in a line of the grid.
void AddVideoField(INI& window, int index, QGridLayout* grid, int row, int column = 0);

// The check boxes name(first) .. name(first + captions - 1), in columns of `perColumn` from
// `column` on.
void AddChecks(INI& window, QGridLayout* grid, std::string_view name,
               std::span<const char* const> captions, int perColumn, int column = 0);

// A framed group on the page's row: the check boxes name(0 ..) in one column, and beside them
// the grid the caller fills with fields.
QGridLayout* AddChecksAndFieldsFrame(INI& window, QWidget* page, const char* caption,
                                     const char* objectName, std::string_view name,
                                     std::span<const char* const> captions);

// cbx_Video(index): an editable combo with `entries`; its text is free.
void AddVideoCombo(INI& window, int index, const char* caption,
                   std::span<const char* const> entries, QGridLayout* grid, int row,
                   int column = 0);

}  // namespace kestrane
