#include "editor/binding/key_searches.h"

#include "editor/store/program_state.h"

namespace kestrane {

std::optional<size_t> FindKey(const IniStore& store, std::string_view key) {
    if (key.empty()) return std::nullopt;
    return store.FindKeyExact(key);
}

std::optional<size_t> FindKeyInSection(const IniStore& store, std::string_view key,
                                       std::string_view header) {
    if (key.empty() || header.empty()) return std::nullopt;
    for (auto h = store.FindKeyExact(header); h; h = store.FindKeyExact(header, *h + 1)) {
        const auto row = store.FindKeyExact(key, *h);
        if (!row) return std::nullopt;  // no later section can hold it either
        const auto end = store.NextHeaderAfter(*h);
        if (!end || *row < *end) return row;
    }
    return std::nullopt;
}

std::optional<size_t> FindUserKey(std::string_view key) {
    return FindKey(State().user, key);
}
std::optional<size_t> FindUT2004Key(std::string_view key) {
    return FindKey(State().ut2004, key);
}

std::optional<size_t> FindUserKeyInSection(std::string_view key, std::string_view header) {
    return FindKeyInSection(State().user, key, header);
}

std::optional<size_t> FindUT2004KeyInSection(std::string_view key, std::string_view header) {
    return FindKeyInSection(State().ut2004, key, header);
}

void StoreAt(IniStore& store, std::optional<size_t> row, std::string value) {
    if (row) store.SetValue(*row, std::move(value));
}

}  // namespace kestrane
