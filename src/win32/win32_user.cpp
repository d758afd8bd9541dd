// Message boxes of the Windows program.
#include "win32/win32_user.h"

#include <string>

#include "common/texts.h"

namespace rw {

std::string LoadResourceText(HINSTANCE instance, int id)
{
    char buffer[256];
    const int n = LoadStringA(instance, static_cast<UINT>(id), buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

Answer Win32User::ShowMessage(int textId, std::string_view insert, MessageIcon icon,
                              MessageButtons buttons)
{
    return ShowText(FormatWithName(LoadResourceText(instance_, textId), insert), icon, buttons);
}

Answer Win32User::ShowText(std::string_view message, MessageIcon icon, MessageButtons buttons)
{
    const std::string text(message);

    UINT flags = 0;
    switch (icon) {
    case MessageIcon::Stop: flags |= MB_ICONSTOP; break;
    case MessageIcon::Exclamation: flags |= MB_ICONEXCLAMATION; break;
    case MessageIcon::Question: flags |= MB_ICONQUESTION; break;
    case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
    }
    switch (buttons) {
    case MessageButtons::Ok: flags |= MB_OK; break;
    case MessageButtons::YesNo: flags |= MB_YESNO; break;
    case MessageButtons::YesNoCancel: flags |= MB_YESNOCANCEL; break;
    }

    switch (MessageBoxA(owner_, text.c_str(), state_.appName.c_str(), flags)) {
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    case IDCANCEL: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

}  // namespace rw
