// The order of the main window's sorted lists, for the implementations that
// keep a list themselves: the same order the sorted combo box gives.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rw {

// The combo box ranks characters the way the user's locale sorts words:
// marks first (in the locale's own order, not the character code's), then
// digits, then letters without regard to case. Control characters come
// before the marks; bytes beyond ASCII, whose place depends on the code page,
// after the letters in byte order. The locale also skips "'" and "-" when
// it ranks two texts; here they only rank after the other marks.
inline int ListCharWeight(unsigned char c)
{
    constexpr std::string_view kMarks = " !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>'-";
    if (c >= 'a' && c <= 'z') {
        c = static_cast<unsigned char>(c - 'a' + 'A');
    }
    if (c < 0x20 || c == 0x7F) {
        return c == 0x7F ? 0x20 : c;
    }
    const std::size_t mark = kMarks.find(static_cast<char>(c));
    if (mark != std::string_view::npos) {
        return 0x40 + static_cast<int>(mark);
    }
    if (c >= '0' && c <= '9') {
        return 0x80 + (c - '0');
    }
    if (c >= 'A' && c <= 'Z') {
        return 0x100 + (c - 'A');
    }
    return 0x200 + c;
}

// Below, equal to or above 0 as a ranks before, with or after b; texts that
// differ only in the case of letters rank together.
inline int CompareListEntries(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int d = ListCharWeight(static_cast<unsigned char>(a[i])) -
                      ListCharWeight(static_cast<unsigned char>(b[i]));
        if (d != 0) {
            return d;
        }
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// Where a sorted list puts text: the combo box halves the list until it
// meets an entry that ranks equal (and puts text before that one) or runs
// out, so among entries that rank equal the place depends on their count.
inline std::size_t SortedInsertIndex(const std::vector<std::string>& entries, std::string_view text)
{
    std::size_t low = 0;
    std::size_t high = entries.size();  // one past the last candidate
    while (low < high) {
        const std::size_t middle = low + (high - low - 1) / 2;
        const int order = CompareListEntries(entries[middle], text);
        if (order == 0) {
            return middle;
        }
        if (order > 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

// A sorted list kept in memory, as the console window and the tests' fake
// keep the main window's runway lists.
struct SortedList {
    std::vector<std::string> entries;
    int selected = -1;  // -1: nothing selected
    bool redraw = true;

    void Clear()
    {
        entries.clear();
        selected = -1;
    }

    int Add(std::string_view text)
    {
        const std::size_t at = SortedInsertIndex(entries, text);
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), std::string(text));
        // The selection stays with its entry.
        if (selected >= static_cast<int>(at)) {
            ++selected;
        }
        return static_cast<int>(at);
    }

    int Count() const { return static_cast<int>(entries.size()); }

    bool Entry(int index, std::string& text) const
    {
        if (index < 0 || index >= Count()) {
            return false;
        }
        text = entries[static_cast<std::size_t>(index)];
        return true;
    }

    void Select(int index) { selected = index >= 0 && index < Count() ? index : -1; }
};

}  // namespace rw
