#include "platform/base/file_names.h"

#include <algorithm>

#include "platform/base/file_writer.h"

namespace platform {
namespace {

constexpr std::string_view kRefusedCharacters = "<>:\"|?*";

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 32;
}

}  // namespace

std::string NameRefusal(std::string_view path) {
    for (const char c : path) {
        if (IsControl(c)) {
            return "it holds the control character " + VisibleName(std::string_view(&c, 1)) +
                   ", which Windows does not allow in names";
        }
        if (kRefusedCharacters.find(c) != std::string_view::npos) {
            return std::string("it holds \"") + c + "\", which Windows does not allow in names";
        }
    }
    for (size_t from = 0; from <= path.size();) {
        const size_t end = std::min(path.find_first_of("\\/", from), path.size());
        if (IsOwnTempFileName(path.substr(from, end - from))) {
            return "it is named like a temporary copy, which the next start deletes";
        }
        from = end + 1;
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
