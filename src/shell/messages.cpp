// User messages and window captions.
#include "shell/messages.h"

#include <string>

#include "resources/resource.h"

namespace rw {

Answer AskToSavePlan(User& user, MainWindow& owner, std::string_view planName)
{
    const Answer answer = user.ShowMessage(IDS_PLAN_NOT_SAVED, planName, MessageIcon::Question,
                                           MessageButtons::YesNoCancel);
    if (answer != Answer::Yes) {
        return answer;
    }
    return owner.SendCommand(IDM_SAVE) == 0 ? Answer::Cancel : Answer::Yes;
}

void ShowSavedMessage(User& user, const AppSettings& settings, std::string_view planName,
                      int textId)
{
    if (settings.Startup.Quietmode) {
        return;
    }
    user.ShowMessage(textId, planName, MessageIcon::Exclamation, MessageButtons::Ok);
}

void ShowFailedMessage(User& user, std::string_view planName, int textId)
{
    user.ShowMessage(textId, planName, MessageIcon::Exclamation, MessageButtons::Ok);
}

void SetDialogTitle(Window& window, std::string_view appName, std::string_view text)
{
    std::string caption(appName);
    caption += " - ";
    caption += text;
    window.SetCaption(caption);
}

}  // namespace rw
