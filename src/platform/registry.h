// The few registry values the program reads.
#pragma once

#include <string>
#include <string_view>

namespace rw {

class Registry {
public:
    virtual ~Registry() = default;

    // Reads a value of a key under HKEY_LOCAL_MACHINE into a 1024-byte
    // buffer and takes its bytes as text, whatever the value's type. False
    // when the key or the value cannot be read.
    [[nodiscard]] virtual bool ReadMachineValue(std::string_view key, std::string_view value,
                                                std::string& text) = 0;
};

}  // namespace rw
