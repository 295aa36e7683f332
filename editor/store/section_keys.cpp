#include "editor/store/section_keys.h"

namespace kestrane {

size_t SetValueInSection(IniStore& store, std::string_view header, std::string_view key,
                         const std::string& value) {
    if (const auto row = store.FindKey(key)) {
        store.SetValue(*row, value);
        return *row;
    }
    const std::string line = std::string(key) + "=" + value;
    const auto head = store.FindKey(header);
    if (!head || store.Kind(*head) != RowKind::Header) {
        // A text that ends in a line end keeps its last, empty line last.
        size_t end = store.RowCount();
        if (end > 0 && store.Kind(end - 1) == RowKind::Blank) --end;
        store.InsertLine(end, std::string(header));
        store.InsertLine(end + 1, line);
        return end + 1;
    }
    const size_t next = store.NextHeaderAfter(*head).value_or(store.RowCount());
    size_t at = next;
    while (at > *head + 1 && store.Kind(at - 1) == RowKind::Blank) --at;
    store.InsertLine(at, line);
    return at;
}

}  // namespace kestrane
