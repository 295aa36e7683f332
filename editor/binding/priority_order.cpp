#include "editor/binding/priority_order.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "editor/binding/name_tables.h"
#include "editor/binding/value_forms.h"
#include "editor/store/leading_number.h"
#include "editor/store/number_readings.h"
#include "editor/store/weapon_priority_sort.h"

namespace kestrane {
namespace {

std::vector<std::string> LinedOrder(const std::vector<PriorityRow>& rows) {
    std::vector<std::string> order;
    for (const PriorityRow& row : rows) {
        if (row.lined) order.push_back(row.weapon);
    }
    return order;
}

std::vector<PriorityRow> WithTexts(std::vector<PriorityRow> rows,
                                   const std::vector<std::string>& texts) {
    for (size_t k = 0; k < rows.size(); ++k) rows[k].text = texts[k];
    return rows;
}

// The rows read back in their order, and a weapon the player moved stands apart from the rows
// beside it: a tie would leave to the game the order the player chose.
bool KeepsOrder(const std::vector<PriorityRow>& rows) {
    std::vector<const PriorityRow*> lined;
    for (const PriorityRow& row : rows) {
        if (row.lined) lined.push_back(&row);
    }
    for (size_t i = 0; i < lined.size(); ++i) {
        if (!lined[i]->moved) continue;
        const double x = LeadingNumber(lined[i]->text);
        if ((i > 0 && LeadingNumber(lined[i - 1]->text) == x) ||
            (i + 1 < lined.size() && LeadingNumber(lined[i + 1]->text) == x)) {
            return false;
        }
    }
    return OrderReadBack(rows) == LinedOrder(rows);
}

// Whole numbers falling by at least one a row from the top (first) down to at least 0 at the
// bottom, keeping the longest run of `numbers` such an order can hold: row q after row p keeps
// its number when numbers[p] - numbers[q] >= q - p and there is room below it.
std::vector<double> StrictlyFalling(const std::vector<double>& numbers) {
    const size_t m = numbers.size();
    const auto keepable = [&](size_t k) {
        const double x = numbers[k];
        return std::isfinite(x) && x == std::floor(x) && x >= static_cast<double>(m - 1 - k) &&
               x < 32768;
    };
    std::vector<size_t> run(m, 0);  // longest kept run ending at k (0: k cannot be kept)
    std::vector<size_t> before(m, m);
    size_t best = m;
    for (size_t k = 0; k < m; ++k) {
        if (!keepable(k)) continue;
        run[k] = 1;
        for (size_t p = 0; p < k; ++p) {
            if (run[p] && numbers[p] - numbers[k] >= static_cast<double>(k - p) &&
                run[p] + 1 > run[k]) {
                run[k] = run[p] + 1;
                before[k] = p;
            }
        }
        if (best == m || run[k] > run[best]) best = k;
    }
    std::vector<double> out(m);
    if (best == m) {
        for (size_t k = 0; k < m; ++k) out[k] = static_cast<double>(m - 1 - k);
        return out;
    }
    std::vector<bool> kept(m, false);
    for (size_t k = best; k != m; k = before[k]) kept[k] = true;
    // Every row takes one less than the row above it, but a kept row its own number; above
    // the first kept row, one more than the row below.
    size_t first = 0;
    while (!kept[first]) ++first;
    for (size_t k = first + 1; k-- > 0;) {
        out[k] = k == first ? numbers[k] : out[k + 1] + 1;
    }
    for (size_t k = first + 1; k < m; ++k) out[k] = kept[k] ? numbers[k] : out[k - 1] - 1;
    return out;
}

// One row set to another number.
struct Change {
    size_t row;  // into the lined rows
    double number;
};

// Whole numbers a lined row may take and still stand between its neighbours, nearest first,
// at most `limit` of them.
std::vector<double> Candidates(const std::vector<double>& numbers, size_t i, size_t limit) {
    const double x = numbers[i];
    const double high = i == 0 ? x + 1 : numbers[i - 1];
    const double low = i + 1 == numbers.size() ? std::max(0.0, x - 1) : numbers[i + 1];
    std::vector<double> out;
    for (double d = 1; out.size() < limit && (x + d <= high || x - d >= low); ++d) {
        if (x + d <= high && std::floor(x + d) == x + d) out.push_back(x + d);
        if (x - d >= low && std::floor(x - d) == x - d && out.size() < limit) out.push_back(x - d);
    }
    return out;
}

}  // namespace

std::vector<std::string> OrderReadBack(const std::vector<PriorityRow>& rows) {
    std::array<std::string, 17> names;
    std::array<std::string, 17> values;
    for (size_t j = 0; j < WeaponSections.size(); ++j) {
        names[j] = std::string(WeaponSections[j].display);
        double reading = 0;  // a weapon without a line reads 0
        for (const PriorityRow& row : rows) {
            if (row.lined && row.weapon == names[j]) reading = LeadingNumber(row.text);
        }
        values[j] = ShortestNumberText(reading);
    }
    SortWeaponPriority(names, values, true);
    std::vector<std::string> order;
    for (const std::string& name : names) {
        for (const PriorityRow& row : rows) {
            if (row.lined && row.weapon == name) {
                order.push_back(name);
                break;
            }
        }
    }
    return order;
}

std::vector<std::string> TextsKeepingOrder(const std::vector<PriorityRow>& rows) {
    std::vector<std::string> texts;
    for (const PriorityRow& row : rows) texts.push_back(row.text);
    if (KeepsOrder(rows)) return texts;

    std::vector<size_t> lined;
    std::vector<double> numbers;
    for (size_t k = 0; k < rows.size(); ++k) {
        if (!rows[k].lined) continue;
        lined.push_back(k);
        numbers.push_back(LeadingNumber(rows[k].text));
    }
    // The fewest changes first: one row, then two; rows the player moved before the others.
    const auto tryChanges = [&](const std::vector<Change>& changes) {
        std::vector<std::string> tried = texts;
        for (const Change& c : changes) tried[lined[c.row]] = IntegerText(c.number);
        return KeepsOrder(WithTexts(rows, tried)) ? std::optional(tried) : std::nullopt;
    };
    std::vector<size_t> order(lined.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return rows[lined[a]].moved > rows[lined[b]].moved;
    });
    constexpr size_t kNearest = 4;
    for (size_t a : order) {
        for (double v : Candidates(numbers, a, kNearest)) {
            if (auto found = tryChanges({{a, v}})) return *found;
        }
    }
    for (size_t ai = 0; ai < order.size(); ++ai) {
        for (size_t bi = ai + 1; bi < order.size(); ++bi) {
            for (double va : Candidates(numbers, order[ai], kNearest)) {
                for (double vb : Candidates(numbers, order[bi], kNearest)) {
                    if (auto found = tryChanges({{order[ai], va}, {order[bi], vb}})) return *found;
                }
            }
        }
    }

    const std::vector<double> falling = StrictlyFalling(numbers);
    for (size_t i = 0; i < lined.size(); ++i) {
        if (falling[i] != numbers[i]) texts[lined[i]] = IntegerText(falling[i]);
    }
    if (KeepsOrder(WithTexts(rows, texts))) return texts;
    // Kept numbers the load reads otherwise than they stand (a fraction it rounds): count
    // down from the bottom instead.
    for (size_t i = 0; i < lined.size(); ++i) {
        texts[lined[i]] = IntegerText(static_cast<double>(lined.size() - 1 - i));
    }
    return texts;
}

}  // namespace kestrane
