// The program's common ways of talking to the user: the unsaved-plan
// question, a writer's success and failure messages, and window captions.
#pragma once

#include <string_view>

#include "platform/main_window.h"
#include "platform/user.h"
#include "settings/app_settings.h"

namespace rw {

// Asks whether the unsaved plan planName should be saved. On Yes the owner
// runs its Save command; when that command answers 0 the answer is Cancel.
Answer AskToSavePlan(User& user, MainWindow& owner, std::string_view planName);

// A writer's success text; nothing while quiet mode is on.
void ShowSavedMessage(User& user, const AppSettings& settings, std::string_view planName,
                      int textId);

// A writer's failure text, always shown.
void ShowFailedMessage(User& user, std::string_view planName, int textId);

// "appName - text" as the window's caption.
void SetDialogTitle(Window& window, std::string_view appName, std::string_view text);

}  // namespace rw
