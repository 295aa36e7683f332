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
        const LineEnd end = store_.End(i);
        if (kind == RowKind::Odd) {
            // No key or value of its own: it goes back as it came.
            Line(store_.Lines()[i], end);
            blank_ = false;
            return;
        }
        if (key.empty() && kind != RowKind::KeyLine) {
            if (!blank_) Line({}, end);
            blank_ = true;
            return;
        }
        const size_t bracket = InStrText(key, "]");
        if (kind != RowKind::KeyLine && bracket == store_.Lines()[i].size()) {
            Line(key, end);
        } else {
            out_ += key;
            out_ += '=';
            out_ += store_.Value(i);
            out_ += LineEndText(end);
        }
        blank_ = false;
    }

    void Line(std::string_view text, LineEnd end) {
        out_ += text;
        out_ += LineEndText(end);
    }

    // A box's text (CR LF between its lines) in place of a line: its lines take the file's line
    // end, its last line the end of the line it replaces.
    void BoxText(const std::string& text, LineEnd end) {
        const std::string_view inner = LineEndText(store_.FileLineEnd());
        size_t start = 0;
        for (size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2) {
            out_.append(text, start, pos - start);
            out_ += inner;
        }
        out_.append(text, start);
        out_ += LineEndText(end);
        blank_ = false;
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
    const LineEnd added = store.FileLineEnd();
    bool ttsWritten = false;
    bool aliasesWritten = false;
    for (size_t i = 0; i < store.RowCount(); ++i) {
        const std::string& key = store.Key(i);
        const RowKind kind = store.Kind(i);
        if (kind == RowKind::Header && key == "[XInterface.GUIController]" &&
            extras.quietMenuMissing) {
            // The header keeps its own line end unless it ended the file without one.
            const LineEnd end = store.End(i);
            writer.Line(key, end == LineEnd::None ? added : end);
            writer.Line(std::string("bQuietMenu=") + (extras.quietMenu ? "True" : "False"), added);
            writer.Line(std::string("bNoToolTips=") + (extras.noToolTips ? "True" : "False"),
                        end == LineEnd::None ? LineEnd::None : added);
        } else if (kind == RowKind::KeyLine && EqualsNoCase(key, "Aliases")) {
            // The alias boxes were filled from these lines in any letter case; matching them
            // the same way here keeps a line from being written twice.
            if (extras.ttsAliasUntouched) {
                writer.Row(i);
            } else if (!ttsWritten) {
                writer.BoxText(extras.ttsAliasText, store.End(i));
            }
            ttsWritten = true;
        } else if (kind == RowKind::KeyLine && InStrText(key, "liases[") != 0) {
            if (extras.aliasUntouched) {
                writer.Row(i);
            } else if (!aliasesWritten) {
                writer.BoxText(extras.aliasText, store.End(i));
            }
            aliasesWritten = true;
        } else {
            writer.Row(i);
        }
    }
    return writer.Take();
}

}  // namespace kestrane
