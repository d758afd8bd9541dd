// Messages of the command-line program.
#include "console/console_user.h"

#include <string>

#include "common/texts.h"

namespace rw {

Answer ConsoleUser::ShowMessage(int textId, std::string_view insert, MessageIcon icon,
                                MessageButtons buttons)
{
    return ShowText(FormatText(textId, insert), icon, buttons);
}

Answer ConsoleUser::ShowText(std::string_view message, MessageIcon /*icon*/, MessageButtons buttons)
{
    std::string text(message);
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    const bool question = buttons != MessageButtons::Ok;
    std::fprintf(out_, "%s%s\n\n", text.c_str(), question ? "\n(answered No)" : "");
    std::fflush(out_);
    return question ? Answer::No : Answer::Ok;
}

}  // namespace rw
