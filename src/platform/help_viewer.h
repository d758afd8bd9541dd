// The platform's two help viewers, as the help operations call them.
#pragma once

#include <cstdint>
#include <string>

namespace rw {

// Pairs of control identifier and help topic, ended by a pair of zeros, in
// the layout the viewers take.
struct HelpTopic {
    std::uint32_t controlId;
    std::uint32_t topic;
};

// A window of the platform, passed through by the logic without looking at it.
using WindowHandle = std::uintptr_t;

enum class HtmlHelpCommand { DisplayTopic, PopupForControl, ContextMenuForControl, CloseAll };
enum class WinHelpCommand { Contents, HelpOnHelp, PopupForControl, ContextMenuForControl, Quit };

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // file is empty where the call takes none; table only for the control calls.
    virtual void CallHtmlHelp(WindowHandle window, const std::string& file, HtmlHelpCommand command,
                          const HelpTopic* table) = 0;
    virtual void CallWinHelp(WindowHandle window, const std::string& file, WinHelpCommand command,
                         const HelpTopic* table) = 0;
};

}  // namespace rw
