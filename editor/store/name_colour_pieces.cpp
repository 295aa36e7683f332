#include "editor/store/name_colour_pieces.h"

namespace kestrane {

std::vector<NamePiece> NamePieces(std::string_view name) {
    constexpr char kEscape = '\x1B';
    constexpr size_t kCodeLength = 4;
    std::vector<NamePiece> pieces;
    std::optional<std::uint32_t> colour;
    size_t at = 0;
    while (at < name.size()) {
        if (name[at] == kEscape) {
            const size_t length = std::min(kCodeLength, name.size() - at);
            std::optional<std::uint32_t> own;
            if (length == kCodeLength) {
                auto byte = [&](size_t i) { return static_cast<unsigned char>(name[at + i]); };
                own = byte(1) + 256u * byte(2) + 65536u * byte(3);
                colour = own;
            }
            pieces.push_back({at, length, true, own});
            at += length;
            continue;
        }
        const size_t end = std::min(name.find(kEscape, at), name.size());
        pieces.push_back({at, end - at, false, colour});
        at = end;
    }
    return pieces;
}

}  // namespace kestrane
