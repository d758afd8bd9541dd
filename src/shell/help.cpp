// Help operations and the main window's help topics.
#include "shell/help.h"

#include "resources/resource.h"

namespace rw {
namespace {

constexpr std::uint32_t MainTopic(int controlId) { return 0x80660000u + controlId; }

const HelpTopic kMainDialogTable[] = {
    {IDC_SAVE, MainTopic(IDC_SAVE)},
    {IDC_CANCEL, MainTopic(IDC_CANCEL)},
    {IDC_BUILD, MainTopic(IDC_BUILD)},
    {IDC_HELP_BUTTON, MainTopic(IDC_HELP_BUTTON)},
    {IDC_SOURCE_PATH, MainTopic(IDC_SOURCE_PATH)},
    {IDC_OPEN, MainTopic(IDC_OPEN)},
    {IDC_DEST_PATH, MainTopic(IDC_DEST_PATH)},
    {IDC_SAVE_AS, MainTopic(IDC_SAVE_AS)},
    {IDC_DEPARTURE_ID, MainTopic(IDC_DEPARTURE_ID)},
    {IDC_DEPARTURE_NAME, MainTopic(IDC_DEPARTURE_NAME)},
    {IDC_DEPARTURE_RUNWAYS, MainTopic(IDC_DEPARTURE_RUNWAYS)},
    {IDC_DESTINATION_ID, MainTopic(IDC_DESTINATION_ID)},
    {IDC_DESTINATION_NAME, MainTopic(IDC_DESTINATION_NAME)},
    {IDC_LANDING_RUNWAYS, MainTopic(IDC_LANDING_RUNWAYS)},
    {IDC_ROUTE_TEXT, MainTopic(IDC_ROUTE_TEXT)},
    {IDC_DETAILS, MainTopic(IDC_DETAILS)},
    {IDC_VFR, MainTopic(IDC_VFR)},
    {IDC_IFR, MainTopic(IDC_IFR)},
    {IDC_VOR_TO_VOR, MainTopic(IDC_VOR_TO_VOR)},
    {IDC_LOW_AIRWAYS, MainTopic(IDC_LOW_AIRWAYS)},
    {IDC_HIGH_AIRWAYS, MainTopic(IDC_HIGH_AIRWAYS)},
    {IDC_DIRECT_GPS, MainTopic(IDC_DIRECT_GPS)},
    {IDC_LEG_TABS, MainTopic(IDC_LEG_TABS)},
    {IDC_DETAILS, MainTopic(IDC_DETAILS)},
    {IDC_CRUISE_ALTITUDE, MainTopic(IDC_CRUISE_ALTITUDE)},
    {IDC_STATUS_BAR, IDC_STATUS_BAR},
    {IDC_TOOLBAR, IDC_TOOLBAR},
    {IDC_ROUTE_TREE, MainTopic(IDC_ROUTE_TREE)},
    {IDC_EXPAND, MainTopic(IDC_EXPAND)},
    {IDC_COLLAPSE, MainTopic(IDC_COLLAPSE)},
    {IDC_EXTEND, MainTopic(IDC_EXTEND)},
    {0, 0},
};

}  // namespace

std::string HelpFileFor(std::string_view programPath, bool htmlHelp)
{
    std::string file(programPath);
    const std::size_t dot = file.find_last_of('.');
    if (dot != std::string::npos) {
        file.erase(dot);
    }
    file += htmlHelp ? ".chm" : ".hlp";
    return file;
}

const HelpTopic* MainDialogHelpTable() { return kMainDialogTable; }

std::uint32_t HelpTopicOf(const HelpTopic* table, int controlId)
{
    for (const HelpTopic* t = table; t->controlId != 0 || t->topic != 0; ++t) {
        if (t->controlId == static_cast<std::uint32_t>(controlId)) {
            return t->topic;
        }
    }
    return 0;
}

void Help::ShowHelpContents()
{
    if (Html()) {
        viewer_.CallHtmlHelp(0, File(), HtmlHelpCommand::DisplayTopic, nullptr);
    } else {
        viewer_.CallWinHelp(0, File(), WinHelpCommand::Contents, nullptr);
    }
}

void Help::ShowHelpOnHelp()
{
    // WinHelp's own help, whichever viewer the program uses.
    viewer_.CallWinHelp(0, "", WinHelpCommand::HelpOnHelp, nullptr);
}

void Help::ShowControlHelp(WindowHandle control, int controlId, const HelpTopic* table)
{
    if (HelpTopicOf(table, controlId) == 0) {
        return;
    }
    if (Html()) {
        viewer_.CallHtmlHelp(control, PopupSource(), HtmlHelpCommand::PopupForControl, table);
    } else {
        viewer_.CallWinHelp(control, File(), WinHelpCommand::PopupForControl, table);
    }
}

void Help::ShowControlHelpMenu(WindowHandle clicked, const HelpTopic* table)
{
    if (Html()) {
        viewer_.CallHtmlHelp(clicked, PopupSource(), HtmlHelpCommand::ContextMenuForControl, table);
    } else {
        viewer_.CallWinHelp(clicked, File(), WinHelpCommand::ContextMenuForControl, table);
    }
}

void Help::CloseHelp()
{
    if (Html()) {
        viewer_.CallHtmlHelp(0, File(), HtmlHelpCommand::CloseAll, nullptr);
    } else {
        CloseWinHelp();
    }
}

void Help::CloseWinHelp() { viewer_.CallWinHelp(0, File(), WinHelpCommand::Quit, nullptr); }

}  // namespace rw
