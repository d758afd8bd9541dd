// What the logic asks of the system itself.
#pragma once

#include <cstdint>
#include <string>

namespace rw {

class System {
public:
    virtual ~System() = default;

    // Full path of the program's own executable file.
    virtual std::string ProgramPath() = 0;
    // The process's current folder.
    virtual std::string CurrentFolder() = 0;
    // The date of that moment (seconds since 1970, UTC) in the user's time
    // zone, in the long date format of the user's locale.
    virtual std::string LongDate(std::int64_t unixSeconds) = 0;
    // Renames the file from to to, replacing a file that to names; the
    // names are taken as the C library's file functions take them.
    [[nodiscard]] virtual bool RenameOver(const std::string& from, const std::string& to) = 0;
    // The name under which the file system stores the file at path (its
    // long name, where a short one was given); false when there is no file.
    [[nodiscard]] virtual bool StoredFileName(const std::string& path, std::string& name) = 0;
};

}  // namespace rw
