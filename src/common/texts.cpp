// The portable side of the string table: the same strings.inc that the
// resource compiler reads, turned into a table sorted by number.
#include "common/texts.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <iterator>

#include "resources/resource.h"

namespace rw {
namespace {

struct Entry {
    int id;
    const char* text;
};

#define RW_STRING(id, text) {id, text},
constexpr Entry kEntries[] = {
#include "resources/strings.inc"
};
#undef RW_STRING

constexpr bool SortedAndUnique()
{
    for (std::size_t i = 1; i < std::size(kEntries); ++i) {
        if (kEntries[i - 1].id >= kEntries[i].id) {
            return false;
        }
    }
    return true;
}
static_assert(SortedAndUnique(), "strings.inc must list each number once, in rising order");

const Entry* Find(int id)
{
    const Entry* end = std::end(kEntries);
    const Entry* it = std::lower_bound(std::begin(kEntries), end, id,
                                       [](const Entry& e, int key) { return e.id < key; });
    return (it != end && it->id == id) ? it : nullptr;
}

}  // namespace

const char* LoadText(int id)
{
    const Entry* e = Find(id);
    return e ? e->text : "";
}

bool HasText(int id) { return Find(id) != nullptr; }

std::string FormatWithName(std::string_view text, std::string_view insert)
{
    std::string out(text);
    // Only the first "%s" takes the name; the texts carry at most one.
    const std::size_t at = out.find("%s");
    if (at != std::string::npos) {
        out.replace(at, 2, insert);
    }
    return out;
}

std::string FormatText(int id, std::string_view insert) { return FormatWithName(LoadText(id), insert); }

std::string FormatPrintfV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        // The count, not a terminator, ends the text: "%c" of a zero gives a
        // zero byte, as a file stream writes it.
        out.resize(static_cast<std::size_t>(n));
    }
    return out;
}

std::string FormatPrintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string out = FormatPrintfV(format, args);
    va_end(args);
    return out;
}

}  // namespace rw
