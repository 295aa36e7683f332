#include "editor/store/colour_text.h"

#include "editor/store/leading_number.h"
#include "editor/store/text_compare.h"

namespace kestrane {

void GetRGB(std::array<std::int16_t, 3>& rgb, std::string_view values) {
    // 1-based positions; a search from "after 0" starts at the first character again.
    const size_t p1 = InStrExact(values, "=", 1);
    const size_t p2 = InStrExact(values, "=", p1 + 1);
    const size_t p3 = InStrExact(values, "=", p2 + 1);
    auto after = [&](size_t p) {
        return LeadingInt16(values.substr(p <= values.size() ? p : values.size()));
    };
    rgb[0] = after(p3);
    rgb[1] = after(p2);
    rgb[2] = after(p1);
}

}  // namespace kestrane
