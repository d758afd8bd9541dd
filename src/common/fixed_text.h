// A text kept in a fixed-size buffer, as the program's records hold them:
// every assignment is cut to the capacity, so nothing can overflow.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace rw {

template <std::size_t Capacity>
class FixedText {
public:
    static constexpr std::size_t capacity = Capacity;

    FixedText() { data_[0] = '\0'; }
    FixedText(std::string_view text) { Assign(text); }  // NOLINT: implicit on purpose

    // Takes at most Capacity characters of text; the rest is cut off.
    void Assign(std::string_view text)
    {
        const std::size_t n = text.size() < Capacity ? text.size() : Capacity;
        if (n != 0) {
            std::memmove(data_, text.data(), n);
        }
        data_[n] = '\0';
    }

    FixedText& operator=(std::string_view text)
    {
        Assign(text);
        return *this;
    }

    const char* c_str() const { return data_; }
    std::string_view view() const { return std::string_view(data_); }
    std::string str() const { return std::string(data_); }
    std::size_t size() const { return std::strlen(data_); }
    bool empty() const { return data_[0] == '\0'; }

    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend bool operator!=(const FixedText& a, std::string_view b) { return a.view() != b; }

private:
    char data_[Capacity + 1];
};

// Paths and names: buffers of 260 bytes, at most 259 characters.
using PathText = FixedText<259>;

}  // namespace rw
