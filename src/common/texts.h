// The string table of the program, looked up by number, and the printf-style
// formatting of its texts. The same table is compiled into the Windows
// program's resources.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace rw {

// The text of string-table entry id, or "" when the table has no such entry.
const char* LoadText(int id);

// Whether the string table has an entry id.
bool HasText(int id);

// A text of the table with its "%s" replaced by insert (an empty insert
// gives an empty place). Only for the texts that take one name.
std::string FormatWithName(std::string_view text, std::string_view insert);

// FormatWithName of string-table entry id.
std::string FormatText(int id, std::string_view insert);

// vsnprintf into a string.
std::string FormatPrintfV(const char* format, va_list args);

// snprintf into a string, for the program's own format texts.
std::string FormatPrintf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace rw
