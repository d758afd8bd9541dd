// The user of the command-line program: every message goes to standard
// error as its text, one message a paragraph, and no question ever blocks.
#pragma once

#include <cstdio>

#include "platform/user.h"

namespace rw {

class ConsoleUser : public User {
public:
    explicit ConsoleUser(std::FILE* out = stderr) : out_(out) {}

    // Questions are answered No (the text says so); everything else OK.
    Answer ShowMessage(int textId, std::string_view insert, MessageIcon icon,
                       MessageButtons buttons) override;
    Answer ShowText(std::string_view text, MessageIcon icon, MessageButtons buttons) override;

private:
    std::FILE* out_;
};

}  // namespace rw
