// What the logic asks of the system itself.
#pragma once

#include <string>

namespace rw {

class System {
public:
    virtual ~System() = default;

    // Full path of the program's own executable file.
    virtual std::string ProgramPath() = 0;
    // The process's current folder.
    virtual std::string CurrentFolder() = 0;
};

}  // namespace rw
