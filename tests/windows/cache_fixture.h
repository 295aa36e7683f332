// The Cache Manager window started on a throw-away installation, and the ways a player uses
// it: highlight a package, press a button, read the labels and lists.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <string>
#include <vector>

#include "editor/windows/main/main_window.h"
#include "editor/windows/tools/cache_window.h"
#include "platform/base/ansi.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {

inline constexpr const char* kUt2004 =
    "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n\r\n[Core.System]\r\n"
    "PurgeCacheDays=30\r\nSavePath=../Save\r\n\r\n[Engine.GameEngine]\r\nCacheSizeMegs=32";

class CacheWindowTest : public EditorTest {
  protected:
    frmCache_Edit& Open(
        const std::string& cacheIni, const std::string& ut = kUt2004,
        const std::string& kestrane = "Music=OFF\r\nProfileName=\r\nCacheDelete=False\r\n") {
        Install(kSmallUserIni, ut, kestrane);
        if (!cacheIni.empty()) prefix->Write("UT2004/Cache/cache.ini", cacheIni);
        EXPECT_TRUE(Start());
        frmCache_Edit& w = Show();
        ListEverything(w);
        return w;
    }
    // Turns of the event loop until the lists hold every entry; false when they never do.
    static bool ListEverything(frmCache_Edit& w) {
        for (int turn = 0; w.Filling() && turn < 100000; ++turn) QApplication::processEvents();
        return !w.Filling();
    }
    frmCache_Edit& Show() {
        Trigger("mnuCacheEdit");
        auto* window = MainWindow().findChild<frmCache_Edit*>("frmCache_Edit");
        EXPECT_NE(window, nullptr);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return *window;
    }
    // Clicks the item, as a player highlights it: the lower one when a name stands twice,
    // unless `upper`.
    void Highlight(frmCache_Edit& w, int list, const std::string& name, bool upper = false) {
        CacheListBox* box = w.CacheList(list);
        const auto found = box->findItems(platform::FromAnsi(name), Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name;
        QListWidgetItem* item = upper ? found.front() : found.back();
        box->scrollToItem(item);
        // Near the item's left end: a long name makes it wider than the list.
        const QRect rect = box->visualItemRect(item);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 8, rect.center().y()));
        ASSERT_TRUE(item->isSelected());
    }
    void Press(frmCache_Edit& w, const char* button) {
        auto* b = w.findChild<QAbstractButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        // Near the left edge, where a check box has its mark.
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    std::string Label(frmCache_Edit& w, const char* name) {
        return platform::ToAnsi(w.findChild<QLabel*>(name)->text());
    }
    std::vector<int> ListSizes(frmCache_Edit& w) {
        std::vector<int> sizes;
        for (int i = 0; i < 8; ++i) sizes.push_back(w.CacheList(i)->count());
        return sizes;
    }
    void Payload(const std::string& guid, const std::string& bytes = "package") {
        prefix->Write("UT2004/Cache/" + guid + ".uxx", bytes);
    }
    void Folder(const std::string& rel) const {
        QDir().mkpath(QString::fromStdString(prefix->DriveC() + "/" + rel));
    }
    bool Exists(const std::string& rel) const {
        return QFileInfo::exists(QString::fromStdString(prefix->DriveC() + "/" + rel));
    }
    std::string CacheIniOnDisk() const { return prefix->Read("UT2004/Cache/cache.ini"); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : responder->Messages()) texts.push_back(m.text);
        return texts;
    }
};

// The text without the first occurrence of `line`.
inline std::string WithoutLine(const std::string& text, const std::string& line) {
    const size_t at = text.find(line);
    EXPECT_NE(at, std::string::npos) << line;
    return text.substr(0, at) + text.substr(at + line.size());
}

}  // namespace kestrane::test
