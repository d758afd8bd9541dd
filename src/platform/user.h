// The user, as the program's logic talks to them: a message from the string
// table, with one inserted name, an icon and buttons, giving the answer.
#pragma once

#include <string_view>

namespace rw {

enum class MessageIcon { Stop, Exclamation, Question, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

class User {
public:
    virtual ~User() = default;

    // Shows string-table entry textId with its "%s" replaced by insert, in a
    // message box captioned with the program's name and owned by the window
    // this user belongs to.
    virtual Answer ShowMessage(int textId, std::string_view insert, MessageIcon icon,
                               MessageButtons buttons) = 0;

    // The same for a text formatted by the caller (counts, numbered inserts,
    // the few texts that are not in the string table).
    virtual Answer ShowText(std::string_view text, MessageIcon icon, MessageButtons buttons) = 0;
};

}  // namespace rw
