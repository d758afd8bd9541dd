// A main window for the tests: control state kept by identifier, commands
// recorded, and the results of sent commands given by the test.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/list_order.h"
#include "platform/main_window.h"

namespace rw::test {

class FakeMainWindow : public MainWindow {
public:
    void SetCaption(std::string_view caption) override { caption_ = caption; }
    const std::string& Caption() const { return caption_; }

    void SetText(int controlId, std::string_view text) override
    {
        texts[controlId] = text;
        if (onChange) {
            onChange(controlId);
        }
    }
    std::string Text(int controlId) const override
    {
        const auto it = texts.find(controlId);
        return it == texts.end() ? std::string() : it->second;
    }

    bool IsChecked(int buttonId) const override
    {
        const auto it = checked.find(buttonId);
        return it != checked.end() && it->second;
    }
    void SetChecked(int buttonId, bool on) override { checked[buttonId] = on; }

    void Enable(int controlId, bool on) override { enabled[controlId] = on; }
    void EnableRouteCommands(bool on, bool toolbar) override
    {
        routeCommandsEnabled = on;
        routeToolbarEnabled = toolbar ? on : routeToolbarEnabled;
    }

    void SetStatusText(std::string_view text) override
    {
        statusText = text;
        statusHistory.emplace_back(text);
    }
    void SetWaitCursor(bool wait) override { waitCursor = wait; }
    void ShowBusyAnimation() override { busy = true; }
    void HideBusyAnimation() override { busy = false; }

    void ClearList(int listId) override { lists[listId].Clear(); }
    int AddListEntry(int listId, std::string_view text) override
    {
        if (refuseEntries) {
            return -1;
        }
        return lists[listId].Add(text);
    }
    int ListCount(int listId) const override
    {
        const auto it = lists.find(listId);
        return it == lists.end() ? 0 : it->second.Count();
    }
    bool ListEntry(int listId, int index, std::string& text) const override
    {
        const auto it = lists.find(listId);
        return it != lists.end() && it->second.Entry(index, text);
    }
    void SelectListEntry(int listId, int index) override { lists[listId].Select(index); }
    int SelectedListEntry(int listId) const override
    {
        const auto it = lists.find(listId);
        return it == lists.end() ? -1 : it->second.selected;
    }
    void SetListRedraw(int listId, bool on) override { lists[listId].redraw = on; }

    // The entries of a list in their order, empty for a list never filled.
    std::vector<std::string> Entries(int listId) const
    {
        const auto it = lists.find(listId);
        return it == lists.end() ? std::vector<std::string>() : it->second.entries;
    }

    void PostCommand(int commandId) override { posted.push_back(commandId); }
    std::intptr_t SendCommand(int commandId) override
    {
        sent.push_back(commandId);
        return onSend ? onSend(commandId) : 0;
    }

    std::map<int, std::string> texts;
    std::map<int, bool> checked;
    std::map<int, bool> enabled;
    bool routeCommandsEnabled = false;  // Details and Print
    bool routeToolbarEnabled = false;   // their toolbar buttons
    std::map<int, SortedList> lists;
    bool refuseEntries = false;  // the lists refuse every entry, as when memory runs out
    std::string statusText;
    std::vector<std::string> statusHistory;  // every text set, in order
    bool waitCursor = false;
    bool busy = false;
    std::vector<int> posted;
    std::vector<int> sent;
    std::function<std::intptr_t(int)> onSend;
    std::function<void(int)> onChange;  // a control's text was set

private:
    std::string caption_;
};

}  // namespace rw::test
