#include "tests/rows/row_tables.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/test_paths.h"

namespace kestrane::test {
namespace {

std::string Trimmed(const std::string& text) {
    const size_t from = text.find_first_not_of(" \t\r");
    if (from == std::string::npos) return {};
    const size_t to = text.find_last_not_of(" \t\r");
    return text.substr(from, to - from + 1);
}

// A cell in double quotes keeps its blanks: "Speak Public ".
std::string Unquoted(const std::string& cell) {
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') {
        return cell.substr(1, cell.size() - 2);
    }
    return cell;
}

std::vector<std::string> SplitAt(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t at = text.find(separator, start);
        parts.push_back(Trimmed(text.substr(start, at - start)));
        if (at == std::string::npos) return parts;
        start = at + separator.size();
    }
}

std::vector<std::string> SplitCells(const std::string& text) {
    std::vector<std::string> cells = SplitAt(text, "|");
    for (std::string& cell : cells) cell = Unquoted(cell);
    return cells;
}

// Where rows looked up by first match live: a section no table anchors a row at.
constexpr const char* kFirstMatchHome = "[XGame.xPlayer]";
constexpr const char* kEngine = "[Engine.Engine]";
// Ahead of every other section: each key a row looks up in its own section, once more, so a
// row that looked the key up anywhere in the file would find this line instead.
constexpr const char* kEarlier = "[Probe.SameKeysEarlier]";
constexpr const char* kEarlierValue = "True";

bool IsButtonState(const std::string& shows) {
    return shows == "checked" || shows == "unchecked" || shows == "chosen" || shows == "not chosen";
}

}  // namespace

const std::string& TableLine::Cell(size_t i) const {
    static const std::string kNone;
    if (i >= cells.size()) {
        ADD_FAILURE() << Where() << ": no cell " << i + 1;
        return kNone;
    }
    return cells[i];
}

std::vector<TableLine> ReadTable(const std::string& name) {
    const std::string text = ReadHostFile(OwnFixturesFolder() + "/rows/" + name);
    std::vector<TableLine> lines;
    std::map<std::string, std::string> directives;
    size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '@') {
            const size_t blank = line.find(' ');
            directives[line.substr(1, blank - 1)] =
                blank == std::string::npos ? "" : Trimmed(line.substr(blank + 1));
            continue;
        }
        lines.push_back({name, number, SplitCells(line), directives});
    }
    if (lines.empty()) ADD_FAILURE() << name << ": no rows";
    return lines;
}

std::vector<std::string> SplitList(const std::string& text) {
    return SplitAt(text, ", ");
}

ControlName ParseControl(const std::string& text) {
    const size_t open = text.find('(');
    if (open == std::string::npos) return {text, -1};
    return {text.substr(0, open), std::stoi(text.substr(open + 1))};
}

std::vector<BindingRow> ReadBindingRows(const std::string& table) {
    std::vector<BindingRow> rows;
    for (const TableLine& line : ReadTable(table)) {
        BindingRow row;
        row.line = line;
        row.file = line.Cell(0);
        row.section = line.Cell(1) == "-" ? "" : line.Cell(1);
        row.keys = SplitList(line.Cell(2));
        row.control = ParseControl(line.Cell(3));
        row.form = line.Cell(4);
        row.holds = SplitList(line.Cell(5));
        row.shows = line.Cell(6);
        row.edit = line.Cell(7);
        row.saves = line.Cell(8) == "-" ? std::vector<std::string>{} : SplitList(line.Cell(8));
        if (line.cells.size() > 9) row.caption = line.Cell(9);
        if (auto it = line.directives.find("device"); it != line.directives.end()) {
            row.device = it->second;
        }
        if (row.holds.size() != row.keys.size() ||
            (!row.saves.empty() && row.saves.size() != row.keys.size())) {
            ADD_FAILURE() << line.Where() << ": as many values as keys";
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

const std::vector<std::string>& MainWindowTables() {
    static const std::vector<std::string> tables = {
        "player_view.txt",          "hud_console.txt",      "window_detail.txt",
        "render_direct3d.txt",      "render_direct3d9.txt", "render_opengl.txt",
        "render_software.txt",      "render_pixomatic.txt", "audio.txt",
        "mouse_objective_chat.txt", "colours.txt",          "weapon_options.txt",
        "resolution_display.txt"};
    return tables;
}

const Probe& Probe::Full() {
    static const Probe probe = [] {
        Probe p;
        const std::vector<TableLine> choice = ReadTable("render_choice.txt");
        if (!choice.empty()) {
            for (const std::string& device : SplitCells(choice[0].directives.at("run"))) {
                p.run_.push_back(device);
            }
        }
        for (const TableLine& line : ReadTable("key_bindings.txt")) {
            p.Add("User.ini", "[Engine.Input]", line.Cell(4), line.Cell(0));
            p.Add("User.ini", "[Engine.Input]", line.Cell(5), line.Cell(0));
        }
        p.Add("User.ini", "[Engine.Input]", "Joy16", "");

        // Values of text rows stand once in both files: a row reading another row's line
        // cannot show the right text by chance.
        std::set<std::string> seen;
        const auto add = [&](const BindingRow& row) {
            for (size_t k = 0; k < row.keys.size(); ++k) {
                p.Add(row.file, row.section, row.keys[k], row.holds[k]);
                if (IsButtonState(row.shows)) continue;
                if (!seen.insert(row.holds[k]).second) {
                    ADD_FAILURE() << row.line.Where() << ": the value " << row.holds[k]
                                  << " stands on another row too";
                }
            }
        };
        for (const std::string& table : MainWindowTables()) {
            for (const BindingRow& row : ReadBindingRows(table)) add(row);
        }
        for (const TableLine& line : ReadTable("weapon_priority.txt")) {
            p.Add("User.ini", line.Cell(1), "Priority", line.Cell(2));
        }
        seen.clear();
        for (const BindingRow& row : ReadBindingRows("instant_action_options.txt")) add(row);
        p.AddSameKeysEarlier();
        return p;
    }();
    return probe;
}

Probe::File& Probe::Of(const std::string& file) {
    return files_[file];
}

const Probe::File* Probe::Find(const std::string& file) const {
    const auto it = files_.find(file);
    return it == files_.end() ? nullptr : &it->second;
}

void Probe::Add(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value) {
    const std::string header = section.empty() ? kFirstMatchHome : section;
    File& f = Of(file);
    Section* s = nullptr;
    for (Section& each : f.sections) {
        if (each.header == header) s = &each;
    }
    if (!s) s = &f.sections.emplace_back(Section{header, {}});
    for (const Entry& e : s->entries) {
        if (e.key == key) ADD_FAILURE() << file << " " << header << " " << key << " twice";
    }
    s->entries.push_back({key, value});
}

void Probe::AddSameKeysEarlier() {
    for (auto& [name, file] : files_) {
        Section earlier{kEarlier, {}};
        std::set<std::string> keys;
        for (const Section& s : file.sections) {
            if (s.header == kFirstMatchHome || s.header == "[Engine.Input]") continue;
            for (const Entry& e : s.entries) {
                if (keys.insert(e.key).second) earlier.entries.push_back({e.key, kEarlierValue});
            }
        }
        file.sections.insert(file.sections.begin(), std::move(earlier));
    }
}

std::string Probe::Text(const std::string& file, const std::string& device) const {
    std::string text;
    if (file == "UT2004.ini" && !run_.empty()) {
        const std::string active = device.empty() ? run_.front() : device;
        text += std::string(kEngine) + "\r\n";
        for (const std::string& d : run_) {
            text += (d == active ? "RenderDevice=" : ";RenderDevice=") + d + "\r\n";
        }
    }
    if (const File* f = Find(file)) {
        for (const Section& s : f->sections) {
            text += s.header + "\r\n";
            for (const Entry& e : s.entries) text += e.key + "=" + e.value + "\r\n";
        }
    }
    return text;
}

int Probe::LineOf(const std::string& file, const std::string& section,
                  const std::string& key) const {
    const std::string header = section.empty() ? kFirstMatchHome : section;
    int line = 0;
    if (file == "UT2004.ini" && !run_.empty()) {
        if (header == kEngine && key == "RenderDevice") return 1;
        line += 1 + static_cast<int>(run_.size());
    }
    const File* f = Find(file);
    if (!f) return -1;
    for (const Section& s : f->sections) {
        ++line;
        for (const Entry& e : s.entries) {
            if (s.header == header && e.key == key) return line;
            ++line;
        }
    }
    return -1;
}

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + " (no CR LF)");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace

std::vector<std::string> ChangedLines(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = Lines(before);
    const std::vector<std::string> b = Lines(after);
    std::vector<std::string> changes;
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string was = i < a.size() ? a[i] : "(none)";
        const std::string now = i < b.size() ? b[i] : "(none)";
        if (was != now) {
            changes.push_back("line " + std::to_string(i + 1) + ": [" + was + "] -> [" + now + "]");
        }
    }
    return changes;
}

std::string WithValue(const std::string& text, int line, const std::string& value) {
    size_t start = 0;
    for (int i = 0; i < line && start != std::string::npos; ++i) {
        start = text.find("\r\n", start);
        if (start != std::string::npos) start += 2;
    }
    if (start == std::string::npos || line < 0) {
        ADD_FAILURE() << "no line " << line;
        return text;
    }
    const size_t eq = text.find('=', start);
    const size_t end = text.find("\r\n", start);
    return text.substr(0, eq + 1) + value + text.substr(end);
}

}  // namespace kestrane::test
