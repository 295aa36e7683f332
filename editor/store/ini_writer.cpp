#include "editor/store/ini_writer.h"

#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

class LineWriter {
  public:
    explicit LineWriter(const IniStore& store) : store_(store) {
        out_.reserve(store.Text().size() + store.Lines().size() * 2 + 64);
    }

    void Row(size_t i) {
        const std::string& key = store_.Key(i);
        const RowKind kind = store_.Kind(i);
        if (kind == RowKind::Odd) {
            // No key or value of its own: it goes back as it came.
            Line(store_.Lines()[i]);
            blank_ = false;
            return;
        }
        if (key.empty() && kind != RowKind::KeyLine) {
            if (!blank_) Line({});
            blank_ = true;
            return;
        }
        const size_t bracket = InStrText(key, "]");
        if (kind != RowKind::KeyLine && bracket == store_.Lines()[i].size()) {
            Line(key);
        } else {
            out_ += key;
            out_ += '=';
            out_ += store_.Value(i);
            out_ += "\r\n";
        }
        blank_ = false;
    }

    void Line(const std::string& text) {
        out_ += text;
        out_ += "\r\n";
    }

    std::string Take() { return std::move(out_); }

  private:
    const IniStore& store_;
    std::string out_;
    bool blank_ = false;
};

}  // namespace

std::string WriteIniText(const IniStore& store) {
    LineWriter writer(store);
    for (size_t i = 0; i < store.RowCount(); ++i) writer.Row(i);
    return writer.Take();
}

std::string WriteUserIniText(const IniStore& store, const UserIniExtras& extras) {
    LineWriter writer(store);
    bool ttsWritten = false;
    bool aliasesWritten = false;
    for (size_t i = 0; i < store.RowCount(); ++i) {
        const std::string& key = store.Key(i);
        if (store.Kind(i) == RowKind::Odd) {
            writer.Row(i);
        } else if (key == "[XInterface.GUIController]" && extras.quietMenuMissing) {
            writer.Line("[XInterface.GUIController]");
            writer.Line(std::string("bQuietMenu=") + (extras.quietMenu ? "True" : "False"));
            writer.Line(std::string("bNoToolTips=") + (extras.noToolTips ? "True" : "False"));
        } else if (store.Kind(i) == RowKind::KeyLine && EqualsNoCase(key, "Aliases")) {
            // The alias boxes were filled from these lines in any letter case; matching them
            // the same way here keeps a line from being written twice.
            if (!ttsWritten) writer.Line(extras.ttsAliasText);
            ttsWritten = true;
        } else if (store.Kind(i) == RowKind::KeyLine && InStrText(key, "liases[") != 0) {
            if (!aliasesWritten) writer.Line(extras.aliasText);
            aliasesWritten = true;
        } else {
            writer.Row(i);
        }
    }
    return writer.Take();
}

}  // namespace kestrane
