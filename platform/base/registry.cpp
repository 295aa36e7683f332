#include "platform/base/registry.h"

#include <QString>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/base/ansi.h"
#include "platform/base/paths.h"

namespace platform {
namespace {

// A prefix's registry can be tens of MB: read it in blocks, one line at a time.
class LineReader {
  public:
    explicit LineReader(std::FILE* file) : file_(file) {}

    bool Next(std::string_view& line) {
        for (;;) {
            const char* start = buffer_.data() + begin_;
            const size_t left = buffer_.size() - begin_;
            if (const void* nl = std::memchr(start, '\n', left)) {
                size_t length = static_cast<const char*>(nl) - start;
                begin_ += length + 1;
                if (length > 0 && start[length - 1] == '\r') --length;
                line = std::string_view(start, length);
                return true;
            }
            if (eof_) {
                if (left == 0) return false;
                begin_ = buffer_.size();
                line = std::string_view(start, left);
                return true;
            }
            buffer_.erase(0, begin_);
            begin_ = 0;
            const size_t old = buffer_.size();
            buffer_.resize(old + kBlock);
            const size_t got = std::fread(buffer_.data() + old, 1, kBlock, file_);
            buffer_.resize(old + got);
            if (got < kBlock) eof_ = true;
        }
    }

  private:
    static constexpr size_t kBlock = 1 << 18;
    std::FILE* file_;
    std::string buffer_;
    size_t begin_ = 0;
    bool eof_ = false;
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads an escaped name or string from `pos` up to the unescaped `end` character; gives the
// position after it, or nullopt when the text stops first. Wine writes "\\", "\"", C escapes,
// octal escapes and "\x" with up to four hex digits for each UTF-16 unit outside ASCII.
std::optional<size_t> Unescape(std::string_view s, size_t pos, char end, std::u16string& out) {
    out.clear();
    while (pos < s.size()) {
        const char c = s[pos];
        if (c == end) return pos + 1;
        if (static_cast<unsigned char>(c) >= 0x80) {  // raw UTF-8, should a writer use it
            size_t stop = pos;
            while (stop < s.size() && static_cast<unsigned char>(s[stop]) >= 0x80) ++stop;
            out += QString::fromUtf8(s.data() + pos, static_cast<qsizetype>(stop - pos))
                       .toStdU16String();
            pos = stop;
            continue;
        }
        if (c != '\\' || pos + 1 >= s.size()) {
            out.push_back(static_cast<unsigned char>(c));
            ++pos;
            continue;
        }
        const char e = s[pos + 1];
        pos += 2;
        if (e == 'x') {
            unsigned value = 0;
            int digits = 0;
            for (int d; digits < 4 && pos < s.size() && (d = HexDigit(s[pos])) >= 0; ++digits) {
                value = value * 16 + static_cast<unsigned>(d);
                ++pos;
            }
            out.push_back(digits ? static_cast<char16_t>(value) : u'x');
        } else if (e >= '0' && e <= '7') {
            unsigned value = static_cast<unsigned>(e - '0');
            for (int n = 1; n < 3 && pos < s.size() && s[pos] >= '0' && s[pos] <= '7'; ++n) {
                value = value * 8 + static_cast<unsigned>(s[pos++] - '0');
            }
            out.push_back(static_cast<char16_t>(value & 0xFFFF));
        } else {
            static constexpr std::string_view kFrom = "abtnvfre";
            static constexpr char16_t kTo[] = {7, 8, 9, 10, 11, 12, 13, 27};
            const size_t k = kFrom.find(e);
            out.push_back(k == std::string_view::npos ? static_cast<unsigned char>(e) : kTo[k]);
        }
    }
    return std::nullopt;
}

bool SameName(const std::u16string& a, const QString& b) {
    return QStringView(a).compare(b, Qt::CaseInsensitive) == 0;
}

// A REG_SZ as a program of the ANSI code page reads it: up to the first NUL.
RegistryValue TextValue(std::u16string units) {
    const size_t nul = units.find(u'\0');
    if (nul != std::u16string::npos) units.resize(nul);
    return RegistryValue::OfText(ToAnsi(QString::fromStdU16String(units)));
}

// "hex(1):61,00,62,00" with its continuation lines already joined.
std::vector<unsigned char> HexBytes(std::string_view s) {
    std::vector<unsigned char> bytes;
    for (size_t i = 0; i + 1 < s.size();) {
        const int hi = HexDigit(s[i]);
        const int lo = HexDigit(s[i + 1]);
        if (hi < 0 || lo < 0) {
            ++i;
            continue;
        }
        bytes.push_back(static_cast<unsigned char>(hi * 16 + lo));
        i += 2;
    }
    return bytes;
}

// The data after "=" of a value line.
RegistryValue ParseData(std::string_view data) {
    std::u16string text;
    if (data.starts_with('"')) {
        return Unescape(data, 1, '"', text) ? TextValue(std::move(text)) : RegistryValue{};
    }
    if (data.starts_with("dword:")) {
        data.remove_prefix(6);
        if (data.size() != 8) return {};
        uint32_t value = 0;
        for (char c : data) {
            const int d = HexDigit(c);
            if (d < 0) return {};
            value = value * 16 + static_cast<uint32_t>(d);
        }
        return RegistryValue::OfNumber(static_cast<int32_t>(value));
    }
    // str(N):"..." and hex(N):..; only REG_SZ (1) and a four-byte REG_DWORD (4) are read.
    const bool isStr = data.starts_with("str(");
    if (!isStr && !data.starts_with("hex(")) return {};
    const size_t close = data.find("):");
    if (close == std::string_view::npos) return {};
    unsigned type = 0;
    for (char c : data.substr(4, close - 4)) {
        const int d = HexDigit(c);
        if (d < 0) return {};
        type = type * 16 + static_cast<unsigned>(d);
    }
    data.remove_prefix(close + 2);
    if (isStr) {
        if (type != 1 || !data.starts_with('"') || !Unescape(data, 1, '"', text)) return {};
        return TextValue(std::move(text));
    }
    const std::vector<unsigned char> bytes = HexBytes(data);
    if (type == 1) {
        for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
            text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
        }
        return TextValue(std::move(text));
    }
    if (type == 4 && bytes.size() == 4) {
        const uint32_t value =
            bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
        return RegistryValue::OfNumber(static_cast<int32_t>(value));
    }
    return {};
}

struct Section {
    explicit Section(QString k) : key(std::move(k)) {}
    QString key;
    bool seen = false;
    bool done = false;
    std::optional<RegistryValue> value;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

RegistryValue ReadFromFile(const std::string& hostFile, std::vector<Section>& sections,
                           const QString& valueName) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(hostFile.c_str(), "rb"));
    if (!file) return {};
    LineReader reader(file.get());
    std::string_view line;
    std::u16string name;
    Section* current = nullptr;
    std::string joined;  // a value line with its continuation lines
    auto finished = [&] {
        // The first section is the preferred view: once it has answered, stop.
        if (sections[0].done && sections[0].value) return true;
        for (const Section& s : sections) {
            if (!s.done) return false;
        }
        return true;
    };

    while (reader.Next(line)) {
        if (line.starts_with('[')) {
            if (current) current->done = true;
            current = nullptr;
            if (finished()) break;
            if (!Unescape(line, 1, ']', name)) continue;
            for (Section& s : sections) {
                if (!s.seen && SameName(name, s.key)) {
                    s.seen = true;
                    current = &s;
                    break;
                }
            }
            continue;
        }
        if (!current || current->value || line.empty()) continue;
        size_t dataAt = 0;
        if (line.starts_with('@')) {
            name.clear();
            dataAt = 1;
        } else if (line.starts_with('"')) {
            const std::optional<size_t> after = Unescape(line, 1, '"', name);
            if (!after) continue;
            dataAt = *after;
        } else {
            continue;
        }
        if (dataAt >= line.size() || line[dataAt] != '=' || !SameName(name, valueName)) continue;
        std::string_view data = line.substr(dataAt + 1);
        if (data.starts_with("hex") && data.ends_with('\\')) {
            joined.assign(data.substr(0, data.size() - 1));
            while (reader.Next(line)) {
                const size_t text = line.find_first_not_of(" \t");
                const std::string_view part =
                    text == std::string_view::npos ? std::string_view() : line.substr(text);
                const bool more = part.ends_with('\\');
                joined.append(part.substr(0, part.size() - (more ? 1 : 0)));
                if (!more) break;
            }
            data = joined;
        }
        current->value = ParseData(data);
    }
    if (current) current->done = true;
    for (const Section& s : sections) {
        if (s.value) return *s.value;
    }
    return {};
}

}  // namespace

RegistryValue RegistryValue::OfText(std::string text) {
    RegistryValue v;
    v.kind_ = Kind::Text;
    v.text_ = std::move(text);
    return v;
}

RegistryValue RegistryValue::OfNumber(int32_t number) {
    RegistryValue v;
    v.kind_ = Kind::Number;
    v.number_ = number;
    return v;
}

std::string RegistryValue::Text() const {
    switch (kind_) {
        case Kind::Text:
            return text_;
        case Kind::Number:
            return std::to_string(number_);
        case Kind::Empty:
            break;
    }
    return {};
}

RegistryValue ReadRegistryValue(uint32_t rootKey, const std::string& subKey,
                                const std::string& valueName) {
    const char* file = nullptr;
    if (rootKey == kHkeyLocalMachine) {
        file = "/system.reg";
    } else if (rootKey == kHkeyCurrentUser) {
        file = "/user.reg";
    } else {
        return {};
    }
    QString key = FromAnsi(subKey);
    while (key.endsWith('\\')) key.chop(1);
    if (key.isEmpty()) return {};

    std::vector<Section> sections;
    static const QString kSoftware = QStringLiteral("Software\\");
    static const QString kWow = QStringLiteral("Wow6432Node\\");
    if (rootKey == kHkeyLocalMachine && key.startsWith(kSoftware, Qt::CaseInsensitive) &&
        !key.mid(kSoftware.size()).startsWith(kWow, Qt::CaseInsensitive)) {
        sections.emplace_back(key.left(kSoftware.size()) + kWow + key.mid(kSoftware.size()));
    }
    sections.emplace_back(key);
    return ReadFromFile(WinePrefix() + file, sections, FromAnsi(valueName));
}

}  // namespace platform
