// Every row of the binding tables through the real main window: the probe file gives each row's
// key a value of its own; the control shows it; one edit of that control and a save change
// exactly that row's lines, to the text the table gives, and no other line of either file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <array>

#include "tests/rows/rows_window.h"

namespace kestrane::test {
namespace {

constexpr std::array<const char*, 3> kChannels = {"txb_IRC_Red", "txb_IRC_Green", "txb_IRC_Blue"};

class BindingRowsTest : public RowsWindowTest, public ::testing::WithParamInterface<std::string> {
  protected:
    // The red, green and blue boxes of a colour set, each beside its text in `rgb`.
    std::vector<std::pair<QLineEdit*, std::string>> Channels(int set, const std::string& rgb) {
        const std::vector<std::string> texts = SplitList(rgb);
        std::vector<std::pair<QLineEdit*, std::string>> channels;
        EXPECT_EQ(texts.size(), 3u) << rgb;
        for (size_t c = 0; c < std::min<size_t>(texts.size(), 3); ++c) {
            auto* box = Get<QLineEdit>({kChannels[c], set});
            EXPECT_NE(box, nullptr) << kChannels[c];
            if (box) channels.emplace_back(box, texts[c]);
        }
        return channels;
    }

    void ExpectShows(const BindingRow& row) {
        if (row.form == "Colour") {
            for (const auto& [box, text] : Channels(row.control.index, row.shows)) {
                EXPECT_EQ(box->text().toStdString(), text) << box->objectName().toStdString();
            }
            const std::vector<std::string> rgb = SplitList(row.shows);
            ASSERT_EQ(rgb.size(), 3u);
            QWidget* preview = Widget(row.control);
            ASSERT_NE(preview, nullptr);
            EXPECT_EQ(preview->palette().color(QPalette::Base),
                      QColor(std::stoi(rgb[0]), std::stoi(rgb[1]), std::stoi(rgb[2])));
            return;
        }
        QWidget* w = Widget(row.control);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isEnabled()) << "the file holds the key, so the control takes edits";
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const bool on = row.shows == "checked" || row.shows == "chosen";
            EXPECT_EQ(button->isChecked(), on) << row.shows;
            if (!row.caption.empty()) {
                EXPECT_EQ(button->text().toStdString(), row.caption);
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(edit->text().toStdString(), row.shows);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            EXPECT_EQ(combo->currentText().toStdString(), row.shows);
        } else {
            ADD_FAILURE() << "no way to read " << row.control.name;
        }
    }

    // The edit a player makes: a click, a typed (pasted) text, a choice from a list.
    void Apply(const BindingRow& row) {
        if (row.edit.starts_with("click")) {
            const std::string other = row.edit.size() > 6 ? row.edit.substr(6) : "";
            auto* button = Get<QAbstractButton>(other.empty() ? row.control : ParseControl(other));
            ASSERT_NE(button, nullptr);
            ASSERT_TRUE(button->isEnabled());
            button->click();
            return;
        }
        if (row.form == "Colour") {
            for (const auto& [box, text] : Channels(row.control.index, row.edit)) {
                if (box->text().toStdString() != text) box->setText(QString::fromStdString(text));
            }
            return;
        }
        QWidget* w = Widget(row.control);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->isEnabled());
        const QString text = QString::fromStdString(row.edit);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setText(text);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const int item = combo->findText(text);
            if (item >= 0) {
                combo->setCurrentIndex(item);
                emit combo->activated(item);
            } else {
                ASSERT_TRUE(combo->isEditable()) << row.edit << " is not in the list";
                combo->setEditText(text);
            }
        } else {
            ADD_FAILURE() << "no way to edit " << row.control.name;
        }
    }
};

TEST_P(BindingRowsTest, EachControlShowsItsLineAndSavesOnlyThatLine) {
    const std::vector<BindingRow> rows = ReadBindingRows(GetParam());
    OpenProbe();
    const Probe& probe = Probe::Full();
    // Rows of one control go together: a resolution combo is also saved into a second section.
    std::vector<std::vector<const BindingRow*>> groups;
    for (const BindingRow& row : rows) {
        auto same = std::find_if(groups.begin(), groups.end(), [&](const auto& g) {
            return g[0]->control.name == row.control.name &&
                   g[0]->control.index == row.control.index;
        });
        if (same == groups.end()) {
            groups.push_back({&row});
        } else {
            same->push_back(&row);
        }
    }
    for (const auto& group : groups) {
        const BindingRow& first = *group[0];
        SCOPED_TRACE(first.line.Where());
        Reload(first.device);
        LineChanges changes;
        const BindingRow* edited = nullptr;
        for (const BindingRow* row : group) {
            if (row->shows != "-") ExpectShows(*row);
            if (row->edit != "-") edited = row;
            for (size_t k = 0; k < row->saves.size(); ++k) {
                const int line = probe.LineOf(row->file, row->section, row->keys[k]);
                ASSERT_GE(line, 0) << row->keys[k];
                changes[{row->file, line}] = row->saves[k];
            }
        }
        if (edited) Apply(*edited);
        Save();
        ExpectFiles(changes, first.device);
    }
}

// The file name without ".txt", as a test name.
std::string TableName(const ::testing::TestParamInfo<std::string>& info) {
    return info.param.substr(0, info.param.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Tables, BindingRowsTest, ::testing::ValuesIn(MainWindowTables()),
                         TableName);

TEST_F(RowsWindowTest, TheProbeComesBackWhole) {
    OpenProbe();
    Save();
    ExpectFiles({});
}

}  // namespace
}  // namespace kestrane::test
