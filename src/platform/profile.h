// The configuration file as the settings read and write it: integers and
// texts by section and key, matched without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace rw {

class Profile {
public:
    virtual ~Profile() = default;

    // The key's value as an integer (leading blanks, a sign and digits, as the
    // private-profile services read it); defaultValue when the key is absent
    // or empty.
    virtual int ReadInt(std::string_view section, std::string_view key, int defaultValue) = 0;

    // The key's value, at most 259 characters; defaultValue when absent.
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) = 0;

    // Writes the key, creating the file and the section when needed.
    [[nodiscard]] virtual bool WriteString(std::string_view section, std::string_view key,
                                           std::string_view value) = 0;
};

}  // namespace rw
