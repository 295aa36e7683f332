#include "editor/store/colour_text.h"

#include "editor/store/leading_number.h"
#include "editor/store/text_compare.h"

namespace kestrane {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

int ChannelOfLetter(char c) {
    switch (c) {
        case 'R':
        case 'r':
            return 0;
        case 'G':
        case 'g':
            return 1;
        case 'B':
        case 'b':
            return 2;
        case 'A':
        case 'a':
            return 3;
        default:
            return -1;
    }
}

}  // namespace

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

ColourSpans FindColourChannels(std::string_view text) {
    ColourSpans spans;
    bool partStart = true;  // at the text's start, after "(" or "," and the blanks after them
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(' || c == ',') {
            partStart = true;
            continue;
        }
        if (IsBlank(c)) continue;
        const int channel = partStart ? ChannelOfLetter(c) : -1;
        partStart = false;
        if (channel < 0) continue;
        size_t j = i + 1;
        while (j < text.size() && IsBlank(text[j])) ++j;
        if (j >= text.size() || text[j] != '=') continue;
        size_t begin = j + 1;
        while (begin < text.size() && IsBlank(text[begin])) ++begin;
        size_t end = begin;
        while (end < text.size() && text[end] != ',' && text[end] != ')') ++end;
        while (end > begin && IsBlank(text[end - 1])) --end;
        if (!spans[static_cast<size_t>(channel)]) {
            spans[static_cast<size_t>(channel)] = ChannelSpan{begin, end};
        }
        i = end - 1;  // the loop steps onto the "," or ")" after the number
    }
    return spans;
}

void ReadRGB(std::array<std::int16_t, 3>& rgb, std::string_view text) {
    const ColourSpans spans = FindColourChannels(text);
    if (!spans[0] && !spans[1] && !spans[2]) return GetRGB(rgb, text);
    for (size_t c = 0; c < 3; ++c) {
        rgb[c] = spans[c]
                     ? LeadingInt16(text.substr(spans[c]->begin, spans[c]->end - spans[c]->begin))
                     : std::int16_t{0};
    }
}

std::string EditedColourText(std::string_view fileText,
                             const std::array<std::optional<std::string>, 3>& edited,
                             const std::array<std::string, 3>& shown) {
    const ColourSpans spans = FindColourChannels(fileText);
    bool inPlace = true;
    for (size_t c = 0; c < 3; ++c) {
        if (edited[c] && !spans[c]) inPlace = false;
    }
    if (inPlace) {
        // Replace from the last span backwards so earlier positions stay good.
        std::string out(fileText);
        std::array<size_t, 3> order = {0, 1, 2};
        for (size_t a = 0; a < 3; ++a) {
            for (size_t b = a + 1; b < 3; ++b) {
                const size_t pa = spans[order[a]] ? spans[order[a]]->begin : 0;
                const size_t pb = spans[order[b]] ? spans[order[b]]->begin : 0;
                if (pb > pa) std::swap(order[a], order[b]);
            }
        }
        for (size_t c : order) {
            if (!edited[c]) continue;
            out.replace(spans[c]->begin, spans[c]->end - spans[c]->begin, *edited[c]);
        }
        return out;
    }
    auto part = [&](size_t c) {
        if (edited[c]) return *edited[c];
        if (spans[c]) {
            return std::string(fileText.substr(spans[c]->begin, spans[c]->end - spans[c]->begin));
        }
        return shown[c];
    };
    const std::string alpha =
        spans[3] ? std::string(fileText.substr(spans[3]->begin, spans[3]->end - spans[3]->begin))
                 : std::string("255");
    return "(B=" + part(2) + ",G=" + part(1) + ",R=" + part(0) + ",A=" + alpha + ")";
}

}  // namespace kestrane
