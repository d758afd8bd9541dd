// The configuration file of the command-line program: an INI file read and
// written the way the Windows private-profile services treat it.
#pragma once

#include <string>
#include <vector>

#include "platform/profile.h"

namespace rw {

class IniProfile : public Profile {
public:
    explicit IniProfile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    // Rewrites the file with only this key changed; every other line stays
    // as it was. The new file replaces the old one in one step.
    [[nodiscard]] bool WriteString(std::string_view section, std::string_view key,
                                   std::string_view value) override;

private:
    std::string path_;
};

// The integer a profile value stands for: leading blanks, an optional sign,
// a 0x, 0o or 0b prefix, then digits up to the first other character.
int ProfileInteger(std::string_view text);

}  // namespace rw
