// The row tables of tests/fixtures/rows, typed from the tables the settings are bound by, and
// the probe User.ini and UT2004.ini built from them: every row's key in its own section with a
// value of its own, so a row bound to the wrong key, section or control shows it.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace kestrane::test {

// One line of a table: its cells split at "|" and trimmed. "@word rest" lines set a directive
// that holds for the lines after it.
struct TableLine {
    std::string table;  // file name, for messages
    int number = 0;     // 1-based line number in the file
    std::vector<std::string> cells;
    std::map<std::string, std::string> directives;

    const std::string& Cell(size_t i) const;
    std::string Where() const { return table + ":" + std::to_string(number); }
};

std::vector<TableLine> ReadTable(const std::string& name);

// "a, b" -> {"a", "b"}.
std::vector<std::string> SplitList(const std::string& text);

// "c_Hud(3)" -> {"c_Hud", 3}; "tbx_Name" -> {"tbx_Name", -1}.
struct ControlName {
    std::string name;
    int index = -1;
};
ControlName ParseControl(const std::string& text);

// A binding row: file | section | key | control | form | holds | shows | edit | saves |
// caption. Several keys (a resolution) are a list, and so are their holds and saves.
struct BindingRow {
    TableLine line;
    std::string file;
    std::string section;  // empty: the first line with the key anywhere in the file
    std::vector<std::string> keys;
    ControlName control;
    std::string form;
    std::vector<std::string> holds;
    std::string shows;  // "-": not looked at
    std::string edit;   // "-": this row takes no edit
    std::vector<std::string> saves;
    std::string caption;  // empty: not looked at
    std::string device;   // the active render device while the row is walked
};

std::vector<BindingRow> ReadBindingRows(const std::string& table);

// The binding tables of the main window, in walk order.
const std::vector<std::string>& MainWindowTables();

// The probe files. Sections come in the order the tables first name them; rows looked up by
// first match live in a section no row is anchored at; a first section holds once more every
// key that a row looks up in its own section.
class Probe {
  public:
    // Every main-window table, the key bindings, the weapon priorities, the render device run
    // and the Instant Action options.
    static const Probe& Full();

    void Add(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value);
    // The file's text, CR LF after every line, with `device` the active line of the render
    // device run (empty: the run's first device).
    std::string Text(const std::string& file, const std::string& device = {}) const;
    // 0-based line of the key in the section ("" for first-match rows); -1 when absent.
    int LineOf(const std::string& file, const std::string& section, const std::string& key) const;
    const std::vector<std::string>& RenderRun() const { return run_; }

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string header;
        std::vector<Entry> entries;
    };
    struct File {
        std::vector<Section> sections;
    };
    void AddSameKeysEarlier();
    File& Of(const std::string& file);
    const File* Find(const std::string& file) const;

    std::map<std::string, File> files_;
    std::vector<std::string> run_;  // the render device classes, in run order
};

// A line-by-line difference of two texts: "line 12: [a=1] -> [a=2]" for each changed line.
std::vector<std::string> ChangedLines(const std::string& before, const std::string& after);

// The text with the value of line `line` (0-based, a key=value line) replaced.
std::string WithValue(const std::string& text, int line, const std::string& value);

}  // namespace kestrane::test
