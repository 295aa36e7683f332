#include "platform/base/file_names.h"

#include <algorithm>
#include <vector>

#include "platform/base/file_writer.h"

namespace platform {
namespace {

constexpr std::string_view kRefusedCharacters = "<>:\"|?*";
constexpr std::string_view kSeparators = "\\/";

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 32;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

// The device a name opens on Windows instead of a file, empty when none: the part before the
// first dot, blanks at its end dropped, as Windows reads it (NUL.tar.gz and "NUL .txt" are NUL).
// COM and LPT take a digit 1 to 9 only: COM0 and COM10 are files.
std::string DeviceName(std::string_view part) {
    std::string_view base = part.substr(0, part.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (SameLetters(base, device)) return std::string(device);
    }
    if (base.size() == 4 &&
        (SameLetters(base.substr(0, 3), "COM") || SameLetters(base.substr(0, 3), "LPT")) &&
        base[3] >= '1' && base[3] <= '9') {
        std::string device(base);
        std::transform(device.begin(), device.end(), device.begin(), Upper);
        return device;
    }
    return {};
}

// Why one folder or file name cannot be written, empty when it can. "." and ".." are not names
// but steps between folders, judged where a path is kept inside its folder.
std::string PartRefusal(std::string_view part, std::string_view shown) {
    if (part.empty() || part == "." || part == "..") return {};
    const std::string quoted = "\"" + std::string(shown) + "\"";
    if (IsOwnTempFileName(part)) {
        return "it is named like a temporary copy, which the next start deletes";
    }
    if (const std::string device = DeviceName(part); !device.empty()) {
        return quoted + " names the device " + device + ", which Windows does not allow as a name";
    }
    // Windows drops these from the end of a name, so it would reach another file than this one.
    if (part.back() == '.') {
        return quoted + " ends in a dot, which Windows does not allow at the end of a name";
    }
    if (part.back() == ' ') {
        return quoted + " ends in a blank, which Windows does not allow at the end of a name";
    }
    return {};
}

std::vector<std::string_view> Parts(std::string_view path) {
    std::vector<std::string_view> parts;
    for (size_t from = 0; from <= path.size();) {
        const size_t end = std::min(path.find_first_of(kSeparators, from), path.size());
        parts.push_back(path.substr(from, end - from));
        from = end + 1;
    }
    return parts;
}

}  // namespace

std::string NameRefusal(std::string_view path) {
    return NameRefusal(path, path);
}

std::string NameRefusal(std::string_view path, std::string_view shown) {
    for (const char c : path) {
        if (IsControl(c)) {
            return "it holds the control character " + VisibleName(std::string_view(&c, 1)) +
                   ", which Windows does not allow in names";
        }
        if (kRefusedCharacters.find(c) != std::string_view::npos) {
            return std::string("it holds \"") + c + "\", which Windows does not allow in names";
        }
    }
    const std::vector<std::string_view> parts = Parts(path);
    std::vector<std::string_view> shownParts = Parts(shown);
    if (shownParts.size() != parts.size()) shownParts = parts;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (std::string why = PartRefusal(parts[i], shownParts[i]); !why.empty()) return why;
    }
    return {};
}

std::string VisibleName(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            out += "<NUL>";
        } else if (byte < 32) {
            out += std::string("<0x") + kHex[byte >> 4] + kHex[byte & 15] + ">";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace platform
