// The Cache Manager frmCache_Edit: the packages of the game's download cache in eight lists
// by type, copied out (Export, "Save to...") or removed ("Delete File"), with the
// delete-after-export switch of Kestrane.ini and the game's purge days.
#pragma once

#include <QListWidget>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/store/cache_ini.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace kestrane {

class INI;
class StatusLine;

// A list that reports losing the focus to another control of its window (not the window
// losing the focus as a whole, as when a message box opens).
class CacheListBox : public QListWidget {
    Q_OBJECT

  public:
    using QListWidget::QListWidget;

  signals:
    void LostFocus();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

class frmCache_Edit : public QWidget {
    Q_OBJECT

  public:
    // Makes the window, loads it and shows it.
    static frmCache_Edit* Open(INI& owner);

    CacheListBox* CacheList(int index) const { return lists_[static_cast<size_t>(index)]; }
    const CacheIni& Cache() const { return cache_; }
    // The row of cache.ini behind an item of a list.
    size_t RowOf(int list, int item) const;

    // A large cache is listed a slice at a time between events, so the window takes input
    // while its lists fill; true until every entry is listed.
    bool Filling() const;
    // Entries laid into the lists per slice; slices go on within a step until the step's
    // budget of time is spent (at least one slice a step).
    static constexpr size_t kFillSlice = 2000;
    static void SetFillBudgetForTest(int milliseconds);

    void Form_Load();
    void Form_Unload();
    void CacheList_LostFocus(int index);
    void b_Export_Click();
    void b_Export_To_Click();
    void b_Cache_OK_Click();
    void b_CacheDelete_Click();
    void cbx_DeleteCacheFile_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    explicit frmCache_Edit(INI& owner);
    void Build();
    void ExportCache();
    // Removes the recorded entry: its payload, its list item, its line of cache.ini. A
    // payload other entries name too goes only when the player says so, and those entries
    // with it. False when the entry stays (the player kept it, or its payload could not be
    // deleted).
    bool RemoveSelectedFromCache();
    // The entry's list item (when listed) and line.
    void DropEntry(size_t row);
    // Lays the next slice of entries into the lists; true while entries are left.
    bool FillSlice();
    void FillStep();
    void ShowCount();
    // The line under the lists: why the cache shows nothing, or what an export did.
    void ShowStatus(const std::string& text);
    void Tell(const std::string& text);
    void ClearSelection();

    INI& owner_;
    CacheIni cache_;
    std::array<CacheListBox*, 8> lists_{};
    std::array<std::vector<size_t>, 8> listRows_;  // per list, the row of each item
    std::vector<std::pair<size_t, int>> toList_;   // rows and their lists, in file order
    size_t listed_ = 0;                            // of toList_, laid in so far
    QTimer* fillTimer_ = nullptr;
    QLabel* lbl_NumInCache = nullptr;
    StatusLine* status_ = nullptr;  // Label1(0)
    QCheckBox* cbx_DeleteCacheFile = nullptr;
    QLineEdit* tbx_PurgeCache = nullptr;
    std::string purgeDaysRead_;
    bool unloaded_ = false;

    std::optional<size_t> selRow_;  // the line of the recorded item
    std::string selEntry_;
    bool exportToMode_ = false;
    std::string exportPath_;
};

}  // namespace kestrane
