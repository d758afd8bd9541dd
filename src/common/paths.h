// Path rules shared by both programs: the Windows program separates folders
// with "\", the command-line program with "/".
#pragma once

#include <string_view>

namespace rw {

#if defined(_WIN32)
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The file-name part of a path: the text after its last separator, or the
// whole text when it has none.
inline std::string_view FileNamePart(std::string_view path)
{
    const std::size_t at = path.find_last_of(kPathSeparator);
    return at == std::string_view::npos ? path : path.substr(at + 1);
}

}  // namespace rw
