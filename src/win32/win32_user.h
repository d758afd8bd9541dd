// Message boxes of the Windows program, from the string-table resources.
#pragma once

#include <windows.h>

#include "platform/user.h"
#include "shell/app_state.h"

namespace rw {

class Win32User : public User {
public:
    explicit Win32User(const AppState& state) : state_(state) {}

    // The window that owns the message boxes; none until the main dialog exists.
    void SetOwner(HWND owner) { owner_ = owner; }
    void SetInstance(HINSTANCE instance) { instance_ = instance; }

    Answer ShowMessage(int textId, std::string_view insert, MessageIcon icon,
                       MessageButtons buttons) override;
    Answer ShowText(std::string_view text, MessageIcon icon, MessageButtons buttons) override;

private:
    const AppState& state_;
    HWND owner_ = nullptr;
    HINSTANCE instance_ = nullptr;
};

// A text of the string-table resources (at most 255 characters).
std::string LoadResourceText(HINSTANCE instance, int id);

}  // namespace rw
